// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <utility>

class QPrinter;
class QWidget;

namespace arcwright {

// Where the Print button meets the desktop. An empty hook stands for the real thing
// (withDesktopDefaults); tests put in their own so no dialog waits for a person.
struct PrintHooks {
    // The system's default printer, or nullptr when there is none.
    std::function<std::unique_ptr<QPrinter>()> defaultPrinter;
    // Lets the user choose a printer or a PDF file for `printer`; false when cancelled.
    std::function<bool(QPrinter& printer)> choosePrinter;
    // Tells the user why the sheet was not printed, or what to do next.
    std::function<void(const QString& message)> tell;
};

// `hooks` with every empty hook filled by the desktop's own: the default printer from the
// print system, the print dialog and a message box, both over `parent`.
PrintHooks withDesktopDefaults(PrintHooks hooks, QWidget* parent);

}  // namespace arcwright
