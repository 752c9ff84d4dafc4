// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/print_queue.h"

#include <QCoreApplication>
#include <QDir>
#include <QPageLayout>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>

namespace arcwright {
namespace {

constexpr int kStartMs = 10'000;
constexpr int kSubmitMs = 60'000;

QString text(const char* source) {
    return QCoreApplication::translate("QueueSpool", source);
}

QString sides(QPrinter::DuplexMode duplex, QPageLayout::Orientation orientation) {
    switch (duplex) {
        case QPrinter::DuplexNone:
            break;
        case QPrinter::DuplexAuto:
            return orientation == QPageLayout::Portrait ? QStringLiteral("two-sided-long-edge")
                                                        : QStringLiteral("two-sided-short-edge");
        case QPrinter::DuplexLongSide:
            return QStringLiteral("two-sided-long-edge");
        case QPrinter::DuplexShortSide:
            return QStringLiteral("two-sided-short-edge");
    }
    return QStringLiteral("one-sided");
}

// The job settings Qt would hand to the queue itself, as far as QPrinter tells them: options
// set in the print dialog's printer properties are not among them and keep their defaults.
QStringList lpArguments(const QPrinter& printer, const QString& file) {
    const auto option = QStringLiteral("-o");
    QStringList args{QStringLiteral("-d"), printer.printerName()};
    if (!printer.docName().isEmpty()) args << QStringLiteral("-t") << printer.docName();
    if (printer.copyCount() > 1) {
        args << QStringLiteral("-n") << QString::number(printer.copyCount());
        if (printer.collateCopies()) args << option << QStringLiteral("collate=true");
    }
    const QPageLayout layout = printer.pageLayout();
    if (const QString media = layout.pageSize().key(); !media.isEmpty()) {
        args << option << QStringLiteral("media=") + media;
    }
    args << option << QStringLiteral("sides=") + sides(printer.duplex(), layout.orientation());
    if (layout.orientation() == QPageLayout::Landscape) {
        args << option << QStringLiteral("landscape");
    }
    // The board end is drawn full size to be held against the real one: the queue must
    // never shrink the page to fit its paper.
    args << option << QStringLiteral("print-scaling=none");
    if (printer.colorMode() == QPrinter::GrayScale) {
        args << option << QStringLiteral("print-color-mode=monochrome");
    }
    args << QStringLiteral("--") << file;
    return args;
}

}  // namespace

QueueSpool::QueueSpool(QPrinter& printer, QString lp) : printer_(printer), lp_(std::move(lp)) {}

std::unique_ptr<QueueSpool> QueueSpool::divert(QPrinter& printer) {
    if (printer.outputFormat() != QPrinter::NativeFormat || !printer.outputFileName().isEmpty() ||
        printer.printerName().isEmpty()) {
        return nullptr;
    }
    QString lp = QStandardPaths::findExecutable(QStringLiteral("lp"));
    if (lp.isEmpty()) return nullptr;

    std::unique_ptr<QueueSpool> spool(new QueueSpool(printer, std::move(lp)));
    // Any suffix but ".pdf", which would turn the printer into a plain PDF writer with
    // different page settings; this way it keeps the queue's paper and printable area.
    spool->file_.setFileTemplate(QDir::tempPath() +
                                 QStringLiteral("/arcwright-sheet-XXXXXX.spool"));
    if (!spool->file_.open()) return nullptr;
    spool->file_.close();
    printer.setOutputFileName(spool->file_.fileName());
    return spool;
}

bool QueueSpool::send(QString& error) {
    const QString file = printer_.outputFileName();
    // The printer stands for its queue again.
    printer_.setOutputFileName(QString());

    QProcess lp;
    lp.start(lp_, lpArguments(printer_, file));
    if (!lp.waitForStarted(kStartMs)) {
        error = text("The print service could not be reached: %1").arg(lp.errorString());
        return false;
    }
    if (!lp.waitForFinished(kSubmitMs)) {
        lp.kill();
        lp.waitForFinished();
        error = text("The print service did not answer.");
        return false;
    }
    if (lp.exitStatus() == QProcess::NormalExit && lp.exitCode() == 0) return true;

    error = QString::fromLocal8Bit(lp.readAllStandardError()).trimmed();
    if (error.isEmpty()) error = text("The print queue did not take the job.");
    return false;
}

}  // namespace arcwright
