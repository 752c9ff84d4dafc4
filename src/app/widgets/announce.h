// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Announcements to assistive tools, for both windows: a warning that comes up, the pass to
// make at the saw.

#include <functional>

class QAccessibleEvent;
class QWidget;

namespace arcwright {

// Tells screen readers that `widget` has just come up or changed and should be read out
// now (an alert: its name and description).
void announce(QWidget* widget);

// Sees every announcement just before it goes to the platform's accessibility bridge; an
// empty function stops watching. The bridge only passes events on while an assistive tool
// listens, so this is how a test hears them.
void watchAnnouncements(std::function<void(const QAccessibleEvent&)> watcher);

}  // namespace arcwright
