// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/printing/print_hooks.h"

#include <QAbstractPrintDialog>
#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

namespace arcwright {
namespace {

QString text(const char* source) {
    return QCoreApplication::translate("PrintHooks", source);
}

}  // namespace

PrintHooks withDesktopDefaults(PrintHooks hooks, QWidget* parent) {
    if (!hooks.choosePrinter) {
        hooks.choosePrinter = [parent](QPrinter& printer) {
            QPrintDialog dialog(&printer, parent);
            dialog.setWindowTitle(printer.docName().isEmpty()
                                      ? text("Print")
                                      : text("Print: %1").arg(printer.docName()));
            // One page: there is nothing to pick from it.
            dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
            dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
            dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
            return dialog.exec() == QDialog::Accepted;
        };
    }
    if (!hooks.offerPdf) {
        if (hooks.tell) {
            hooks.offerPdf = [tell = hooks.tell](const QString& message) {
                tell(message);
                return false;
            };
        } else {
            hooks.offerPdf = [parent](const QString& message) {
                QMessageBox box(QMessageBox::Warning, text("Print"), message, QMessageBox::Close,
                                parent);
                QPushButton* save = box.addButton(text("Save as PDF…"), QMessageBox::AcceptRole);
                save->setToolTip(text("Save the page as a PDF file to print later"));
                box.setDefaultButton(save);
                box.exec();
                return box.clickedButton() == save;
            };
        }
    }
    if (!hooks.tell) {
        hooks.tell = [parent](const QString& message) {
            QMessageBox::warning(parent, text("Print"), message);
        };
    }
    if (!hooks.choosePdfFile) {
        hooks.choosePdfFile = [parent](const QString& suggested) {
            return QFileDialog::getSaveFileName(parent, text("Save as PDF"), suggested,
                                                text("PDF files (*.pdf)"));
        };
    }
    if (hooks.serverLimit <= std::chrono::milliseconds::zero()) {
        hooks.serverLimit = kDefaultServerLimit;
    }
    return hooks;
}

}  // namespace arcwright
