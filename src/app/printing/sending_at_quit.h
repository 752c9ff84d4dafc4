// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QGuiApplication;

namespace arcwright {

// Every press of a Print button is a sheet the user is owed, also when the last window is
// closed or the desktop session ends while sheets are still on their way to the printer.

// How many documents the program's windows still have to send: those on their way and
// those waiting behind them.
int documentsOnTheirWay();

// Keeps the event loop turning until every window's printing is done, with a small note
// ("Sending 19 sheets…") whose Cancel gives up those still waiting; the one on its way is
// let go when its window goes. Each document meets the print server's usual deadline and
// messages, so a silent server ends the wait with its one message. Returns at once when
// nothing is on its way. Called once the windows have closed, before they are destroyed.
void sendBeforeQuitting();

// Does the same when the desktop session asks the program to save its work before it ends.
void sendBeforeSessionEnds(QGuiApplication& app);

}  // namespace arcwright
