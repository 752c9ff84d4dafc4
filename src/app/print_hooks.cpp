// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/print_hooks.h"

#include <QAbstractPrintDialog>
#include <QCoreApplication>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace arcwright {

PrintHooks withDesktopDefaults(PrintHooks hooks, QWidget* parent) {
    if (!hooks.defaultPrinter) {
        hooks.defaultPrinter = []() -> std::unique_ptr<QPrinter> {
            const QPrinterInfo info = QPrinterInfo::defaultPrinter();
            if (info.isNull()) return nullptr;
            return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
        };
    }
    if (!hooks.choosePrinter) {
        hooks.choosePrinter = [parent](QPrinter& printer) {
            QPrintDialog dialog(&printer, parent);
            dialog.setWindowTitle(
                QCoreApplication::translate("PrintHooks", "Print the set-up sheet"));
            // One page: there is nothing to pick from it.
            dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
            dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
            dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
            return dialog.exec() == QDialog::Accepted;
        };
    }
    if (!hooks.tell) {
        hooks.tell = [parent](const QString& message) {
            QMessageBox::warning(parent, QCoreApplication::translate("PrintHooks", "Print"),
                                 message);
        };
    }
    return hooks;
}

}  // namespace arcwright
