// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Where keeping a job meets the user: the file dialogs, the question before a changed job
// is closed and the message when a file cannot be opened. Empty ones are the desktop's
// own; tests answer them instead.

#include <QMessageBox>
#include <QString>
#include <functional>

class QWidget;

namespace arcwright {

struct JobDialogs {
    // The file to save to or open; empty when the user cancels.
    std::function<QString(QWidget& parent)> saveFile;
    std::function<QString(QWidget& parent)> openFile;
    // Save, Discard or Cancel for the changed job.
    std::function<QMessageBox::StandardButton(QWidget& parent)> askToSave;
    std::function<void(QWidget& parent, const QString& sentence)> tell;
};

}  // namespace arcwright
