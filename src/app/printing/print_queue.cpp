// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/printing/print_queue.h"

#include <QDir>
#include <QPageLayout>
#include <QPrinter>

namespace arcwright {
namespace {

std::string sides(QPrinter::DuplexMode duplex, QPageLayout::Orientation orientation) {
    switch (duplex) {
        case QPrinter::DuplexNone:
            break;
        case QPrinter::DuplexAuto:
            return orientation == QPageLayout::Portrait ? "two-sided-long-edge"
                                                        : "two-sided-short-edge";
        case QPrinter::DuplexLongSide:
            return "two-sided-long-edge";
        case QPrinter::DuplexShortSide:
            return "two-sided-short-edge";
    }
    return "one-sided";
}

// The job settings Qt would hand to the queue itself, as far as QPrinter tells them: options
// set in the print dialog's printer properties are not among them and keep their defaults.
std::vector<std::pair<std::string, std::string>> jobOptions(const QPrinter& printer) {
    std::vector<std::pair<std::string, std::string>> options;
    if (printer.copyCount() > 1) {
        options.emplace_back("copies", std::to_string(printer.copyCount()));
        if (printer.collateCopies()) options.emplace_back("collate", "true");
    }
    const QPageLayout layout = printer.pageLayout();
    if (const QString media = layout.pageSize().key(); !media.isEmpty()) {
        options.emplace_back("media", media.toStdString());
    }
    options.emplace_back("sides", sides(printer.duplex(), layout.orientation()));
    if (layout.orientation() == QPageLayout::Landscape) options.emplace_back("landscape", "true");
    // The board end is drawn full size to be held against the real one: the queue must
    // never shrink the page to fit its paper.
    options.emplace_back("print-scaling", "none");
    if (printer.colorMode() == QPrinter::GrayScale) {
        options.emplace_back("print-color-mode", "monochrome");
    }
    return options;
}

}  // namespace

std::unique_ptr<QueueSpool> QueueSpool::divert(QPrinter& printer) {
    if (printer.outputFormat() != QPrinter::NativeFormat || !printer.outputFileName().isEmpty() ||
        printer.printerName().isEmpty()) {
        return nullptr;
    }
    std::unique_ptr<QueueSpool> spool(new QueueSpool(printer));
    // Any suffix but ".pdf", which would turn the printer into a plain PDF writer with
    // different page settings; this way it keeps the queue's paper and printable area.
    spool->file_.setFileTemplate(QDir::tempPath() + QStringLiteral("/arcwright-page-XXXXXX.spool"));
    if (!spool->file_.open()) return nullptr;
    spool->file_.close();
    printer.setOutputFileName(spool->file_.fileName());
    return spool;
}

QueueJob QueueSpool::finish() {
    QueueJob job;
    job.file = printer_.outputFileName().toStdString();
    printer_.setOutputFileName(QString());
    job.queue = printer_.printerName().toStdString();
    job.title = printer_.docName().toStdString();
    job.options = jobOptions(printer_);
    return job;
}

}  // namespace arcwright
