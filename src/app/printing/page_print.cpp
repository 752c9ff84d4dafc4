// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/printing/page_print.h"

#include <QDir>
#include <QLabel>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrinter>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QWidget>

#include "app/printing/print_queue.h"
#include "app/printing/qt_sheet_printer.h"
#include "print/clip.h"

namespace arcwright {
namespace {

constexpr int kDotsPerInch = 1200;
// Lines are kept within this much of the page, in points (a hundred inches).
constexpr double kClipMarginPoints = 7200.0;
// The worker stops within a few tens of milliseconds of its deadline; past this much more
// the window stops waiting for it regardless.
constexpr std::chrono::milliseconds kGrace{1000};
constexpr std::chrono::milliseconds kResultShown{4000};
constexpr int kStatusInset = 6;

// The paper of a page saved as PDF: the locale's usual sheet with a quarter inch all round,
// so a printer that cannot print to the edge still prints the whole page at actual size.
QPageLayout savedPageLayout() {
    const bool letter = QLocale::system().measurementSystem() == QLocale::ImperialUSSystem;
    return {QPageSize(letter ? QPageSize::Letter : QPageSize::A4), QPageLayout::Portrait,
            QMarginsF(18, 18, 18, 18), QPageLayout::Point};
}

QPageLayout queuePageLayout(const DefaultQueue& queue) {
    if (!queue.hasMedia) return savedPageLayout();
    const QueueMedia& m = queue.media;
    return {QPageSize(QSizeF(m.width, m.height), QPageSize::Point), QPageLayout::Portrait,
            QMarginsF(m.left, m.top, m.right, m.bottom), QPageLayout::Point};
}

void configure(QPdfWriter& writer, const QPageLayout& layout, const QString& title) {
    writer.setResolution(kDotsPerInch);
    writer.setPageLayout(layout);
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("Arcwright"));
}

// The document draws through a clipping layer sized to this page, in points.
bool drawClipped(QtSheetPrinter& page, const DrawPage& drawPage) {
    const PageExtent area = page.printableArea();
    ClippingPrinter clipped(page, boxAroundPage(area.width, area.height, kClipMarginPoints));
    return drawPage(clipped);
}

}  // namespace

bool drawPageOn(QPrinter& printer, const DrawPage& drawPage) {
    QtSheetPrinter page(printer, QtSheetPrinter::Queue::Direct);
    return drawClipped(page, drawPage);
}

void printPage(QWidget* window, const PrintHooks& hooks, const QString& documentName,
               DrawPage drawPage) {
    PagePrint* printing = PagePrint::of(window);
    if (printing == nullptr) printing = new PagePrint(window);  // owned by the window
    printing->print(hooks, documentName, std::move(drawPage));
}

PagePrint::PagePrint(QWidget* window) : QObject(window), window_(window) {
    setObjectName(QStringLiteral("pagePrint"));
    limit_.setSingleShot(true);
    connect(&limit_, &QTimer::timeout, this, [this] {
        if (giveUp_) giveUp_();
    });
    linger_.setSingleShot(true);
    connect(&linger_, &QTimer::timeout, this, &PagePrint::clearStatus);
}

// Runs while the window is being destroyed: it leaves the widgets alone and only stops the
// waits, which end within a few tens of milliseconds. Results they post die with this object.
PagePrint::~PagePrint() {
    worker_.request_stop();
    for (auto& worker : abandoned_) worker.request_stop();
}

PagePrint* PagePrint::of(const QWidget* window) {
    return window->findChild<PagePrint*>(QStringLiteral("pagePrint"), Qt::FindDirectChildrenOnly);
}

void PagePrint::print(const PrintHooks& hooks, const QString& documentName, DrawPage drawPage) {
    if (busy()) return;  // one page at a time: a second click waits for nothing
    linger_.stop();
    endBusy();
    job_ = Job{withDesktopDefaults(hooks, window_), documentName, std::move(drawPage), {}};
    if (job_->hooks.defaultPrinter) {
        std::unique_ptr<QPrinter> printer = job_->hooks.defaultPrinter();
        if (!printer) {
            chooseInDialog();
            return;
        }
        printer->setDocName(documentName);
        printOn(std::move(printer));
        return;
    }
    showBusy(tr("Looking for the printer…"));
    runOffThread<DefaultQueue>(findDefaultQueue, &PagePrint::onDefaultQueue);
}

template <class Result>
void PagePrint::runOffThread(std::function<Result(const PrintWait&)> work,
                             void (PagePrint::*done)(const Result&)) {
    const quint64 generation = ++generation_;
    const auto limit = job_->hooks.serverLimit;
    const PrintClock::time_point deadline = PrintClock::now() + limit;
    worker_ = std::jthread(
        [this, generation, deadline, work = std::move(work), done](std::stop_token stop) {
            Result result = work(PrintWait{deadline, stop});
            if (stop.stop_requested()) return;
            QMetaObject::invokeMethod(
                this,
                [this, generation, done, result = std::move(result)] {
                    if (generation != generation_) return;  // already given up on
                    settleWorker();
                    (this->*done)(result);
                },
                Qt::QueuedConnection);
        });
    giveUp_ = [this, done] {
        ++generation_;
        worker_.request_stop();
        abandoned_.push_back(std::move(worker_));
        Result late;
        late.answer = ServerAnswer::NoAnswer;
        (this->*done)(late);
    };
    limit_.start(limit + kGrace);
}

// The worker has posted its result and is about to end; joining it costs nothing.
void PagePrint::settleWorker() {
    limit_.stop();
    giveUp_ = nullptr;
    if (worker_.joinable()) worker_.join();
}

void PagePrint::onDefaultQueue(const DefaultQueue& found) {
    switch (found.answer) {
        case ServerAnswer::Answered:
            break;
        case ServerAnswer::NotFound:
        case ServerAnswer::NoServer:
        case ServerAnswer::Refused:
            chooseInDialog();
            return;
        case ServerAnswer::NoAnswer:
            offerPdf(
                tr("The print server does not answer, so “%1” was not printed.").arg(job_->name));
            return;
        case ServerAnswer::Stopped:
            finish(false);
            return;
    }

    // The page goes to the queue as a PDF file drawn here: Qt's own printer for a queue
    // would ask the print server about it on the window's thread.
    job_->queue = QString::fromStdString(found.name);
    pdfSpool_ = std::make_unique<QTemporaryFile>(QDir::tempPath() +
                                                 QStringLiteral("/arcwright-page-XXXXXX.pdf"));
    if (!pdfSpool_->open()) {
        offerPdf(tr("“%1” was not printed: it could not be written to %2.")
                     .arg(job_->name, QDir::toNativeSeparators(QDir::tempPath())));
        return;
    }
    pdfSpool_->close();
    const QString file = pdfSpool_->fileName();
    bool drawn = false;
    QString failure;
    {
        QPdfWriter writer(file);
        configure(writer, queuePageLayout(found), job_->name);
        QtSheetPrinter page(writer, file);
        drawn = draw(page);
        failure = page.failure();
    }
    if (!drawn) {
        offerPdf(tr("“%1” was not printed: %2").arg(job_->name, failure));
        return;
    }
    QueueJob job;
    job.queue = found.name;
    job.file = file.toStdString();
    job.title = job_->name.toStdString();
    job.options = {{"print-scaling", "none"}};
    sendToQueue(std::move(job));
}

void PagePrint::sendToQueue(QueueJob job) {
    job_->queue = QString::fromStdString(job.queue);
    showBusy(tr("Sending “%1” to %2…").arg(job_->name, job_->queue));
    runOffThread<JobReceipt>(
        [job = std::move(job)](const PrintWait& wait) { return submitJob(job, wait); },
        &PagePrint::onJobReceipt);
}

void PagePrint::onJobReceipt(const JobReceipt& receipt) {
    switch (receipt.answer) {
        case ServerAnswer::Answered:
            showStatus(
                tr("“%1” went to %2 as job %3.").arg(job_->name, job_->queue).arg(receipt.jobId));
            linger_.start(kResultShown);
            finish(true);
            return;
        case ServerAnswer::NoAnswer:
            offerPdf(
                tr("The print server does not answer, so “%1” was not printed.").arg(job_->name));
            return;
        case ServerAnswer::NotFound:
        case ServerAnswer::NoServer:
        case ServerAnswer::Refused: {
            const QString reason = receipt.message.empty()
                                       ? tr("the print server is gone")
                                       : QString::fromStdString(receipt.message);
            offerPdf(
                tr("The printer %1 did not take “%2”: %3").arg(job_->queue, job_->name, reason));
            return;
        }
        case ServerAnswer::Stopped:
            finish(false);
            return;
    }
}

void PagePrint::chooseInDialog() {
    endBusy();
    const QPointer<PagePrint> alive(this);
    job_->hooks.tell(
        tr("No printer is set up.\n\nIn the next window you can choose a printer, or print "
           "“%1” to a PDF file.")
            .arg(job_->name));
    if (!alive) return;
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    // Named before the dialog opens, so that it offers "<document>.pdf" to save into.
    printer->setDocName(job_->name);
    printer->setOutputFileName(suggestedPdf());
    const bool chosen = job_->hooks.choosePrinter(*printer);
    if (!alive) return;
    if (!chosen) {
        finish(false);
        return;
    }
    printOn(std::move(printer));
}

void PagePrint::printOn(std::unique_ptr<QPrinter> printer) {
    printer_ = std::move(printer);
    bool drawn = false;
    QString failure;
    {
        QtSheetPrinter page(*printer_);
        drawn = draw(page);
        failure = page.failure();
        spool_ = page.takeSpool();
    }
    if (!drawn) {
        offerPdf(tr("“%1” was not printed: %2").arg(job_->name, failure));
        return;
    }
    if (!spool_) {
        finish(true);  // written to its file
        return;
    }
    sendToQueue(spool_->finish());
}

void PagePrint::saveAsPdf() {
    const QPointer<PagePrint> alive(this);
    const QString file = job_->hooks.choosePdfFile(suggestedPdf());
    if (!alive) return;
    if (file.isEmpty()) {
        finish(false);
        return;
    }
    bool drawn = false;
    QString failure;
    {
        QPdfWriter writer(file);
        configure(writer, savedPageLayout(), job_->name);
        QtSheetPrinter page(writer, file);
        drawn = draw(page);
        failure = page.failure();
    }
    if (!drawn) {
        job_->hooks.tell(tr("“%1” was not saved: %2").arg(job_->name, failure));
        if (!alive) return;
    }
    finish(drawn);
}

bool PagePrint::draw(QtSheetPrinter& page) const {
    return drawClipped(page, job_->draw);
}

void PagePrint::offerPdf(const QString& message) {
    endBusy();
    const QPointer<PagePrint> alive(this);
    const bool save = job_->hooks.offerPdf(message);
    if (!alive) return;
    if (save) {
        saveAsPdf();
    } else {
        finish(false);
    }
}

void PagePrint::finish(bool printed) {
    window_->unsetCursor();
    if (!linger_.isActive()) clearStatus();
    job_.reset();
    spool_.reset();
    printer_.reset();
    pdfSpool_.reset();
    emit finished(printed);
}

void PagePrint::showBusy(const QString& status) {
    window_->setCursor(Qt::BusyCursor);
    showStatus(status);
}

void PagePrint::showStatus(const QString& status) {
    if (!status_) {
        status_ = new QLabel(window_);
        status_->setObjectName(QStringLiteral("printStatus"));
        status_->setAutoFillBackground(true);
        status_->setBackgroundRole(QPalette::ToolTipBase);
        status_->setForegroundRole(QPalette::ToolTipText);
        status_->setFrameShape(QFrame::Box);
        status_->setMargin(3);
        status_->setAccessibleName(tr("Print status"));
    }
    status_->setText(status);
    status_->setToolTip(status);
    status_->setAccessibleDescription(status);
    status_->adjustSize();
    status_->move(kStatusInset, window_->height() - status_->height() - kStatusInset);
    status_->raise();
    status_->show();
}

void PagePrint::endBusy() {
    window_->unsetCursor();
    clearStatus();
}

void PagePrint::clearStatus() {
    delete status_;
}

QString PagePrint::suggestedPdf() const {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty()) folder = QDir::homePath();
    return QDir(folder).filePath(job_->name + QStringLiteral(".pdf"));
}

}  // namespace arcwright
