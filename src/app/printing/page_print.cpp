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
#include <QTemporaryFile>
#include <QWidget>
#include <utility>

#include "app/printing/pdf_folder.h"
#include "app/printing/print_queue.h"
#include "app/printing/qt_sheet_printer.h"

namespace arcwright {
namespace {

constexpr int kDotsPerInch = 1200;
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

// Whether a document was drawn, and why not.
struct Drawing {
    bool drawn = false;
    QString failure;
};

// The one way a document becomes a PDF file of ours, for the default queue or saved by the
// user: a PDF writer on `layout`, the document drawn clipped to its page. The file is
// complete when this returns.
Drawing writePdf(const QString& file, const QPageLayout& layout, const QString& title,
                 const DrawPage& drawPage) {
    QPdfWriter writer(file);
    writer.setResolution(kDotsPerInch);
    writer.setPageLayout(layout);
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("Arcwright"));
    QtSheetPrinter page(writer, file);
    const bool drawn = drawPage(page);
    return {drawn, page.failure()};
}

// Ends `message` with a full stop, so that another sentence can follow it.
QString asSentence(const QString& message) {
    return message.endsWith(QLatin1Char('.')) ? message : message + QLatin1Char('.');
}

}  // namespace

bool drawPageOn(QPrinter& printer, const DrawPage& drawPage) {
    QtSheetPrinter page(printer, QtSheetPrinter::Queue::Direct);
    return drawPage(page);
}

void printPage(QWidget* window, const PrintHooks& hooks, const QString& documentName,
               DrawPage drawPage) {
    PagePrint* printing = PagePrint::of(window);
    if (printing == nullptr) printing = new PagePrint(window);  // owned by the window
    printing->print(hooks, documentName, std::move(drawPage));
}

PagePrint::PagePrint(QWidget* window) : QObject(window), window_(window) {
    limit_.setSingleShot(true);
    connect(&limit_, &QTimer::timeout, this, [this] {
        if (giveUp_) giveUp_();
    });
    linger_.setSingleShot(true);
    connect(&linger_, &QTimer::timeout, this, &PagePrint::clearStatus);
}

// Runs while the window is being destroyed: it leaves the widgets alone and only stops the
// waits, which end within a few tens of milliseconds. Results they post die with this
// object, and so do the documents waiting.
PagePrint::~PagePrint() {
    worker_.request_stop();
    for (auto& worker : abandoned_) worker.request_stop();
}

PagePrint* PagePrint::of(const QWidget* window) {
    return window->findChild<PagePrint*>(QString(), Qt::FindDirectChildrenOnly);
}

void PagePrint::print(const PrintHooks& hooks, const QString& documentName, DrawPage drawPage) {
    Job job{withDesktopDefaults(hooks, window_), documentName, std::move(drawPage), {}};
    if (!busy()) {
        start(std::move(job));
        return;
    }
    if (waiting() >= kMostWaiting) {
        pressRefused_ = true;
    } else {
        waiting_.push_back(std::move(job));
    }
    showStatus(statusText());
}

void PagePrint::start(Job job) {
    linger_.stop();
    endBusy();
    pressRefused_ = false;
    job_ = std::move(job);
    if (job_->hooks.defaultPrinter) {
        std::unique_ptr<QPrinter> printer = job_->hooks.defaultPrinter();
        if (!printer) {
            chooseInDialog();
            return;
        }
        printer->setDocName(job_->name);
        printOn(std::move(printer));
        return;
    }
    showBusy(tr("Looking for the printer…"));
    runOffThread<DefaultQueue>(findDefaultQueue, &PagePrint::onDefaultQueue);
}

void PagePrint::startNext() {
    if (job_ || waiting_.empty()) return;
    Job next = std::move(waiting_.front());
    waiting_.pop_front();
    start(std::move(next));
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
            serverSilent();
            return;
        case ServerAnswer::Stopped:
            finish(false);
            return;
    }

    // The document goes to the queue as a PDF file drawn here: Qt's own printer for a queue
    // would ask the print server about it on the window's thread.
    job_->queue = QString::fromStdString(found.name);
    pdfSpool_ = std::make_unique<QTemporaryFile>(QDir::tempPath() +
                                                 QStringLiteral("/arcwright-page-XXXXXX.pdf"));
    if (!pdfSpool_->open()) {
        notPrinted(tr("“%1” was not printed: it could not be written to %2.")
                       .arg(job_->name, QDir::toNativeSeparators(QDir::tempPath())));
        return;
    }
    pdfSpool_->close();
    const QString file = pdfSpool_->fileName();
    const Drawing drawing = writePdf(file, queuePageLayout(found), job_->name, job_->draw);
    if (!drawing.drawn) {
        notPrinted(tr("“%1” was not printed: %2").arg(job_->name, drawing.failure));
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
            activity_.clear();
            showStatus(
                tr("“%1” went to %2 as job %3.").arg(job_->name, job_->queue).arg(receipt.jobId));
            linger_.start(kResultShown);
            finish(true);
            return;
        case ServerAnswer::NoAnswer:
            serverSilent();
            return;
        case ServerAnswer::NotFound:
        case ServerAnswer::NoServer:
        case ServerAnswer::Refused: {
            const QString reason = receipt.message.empty()
                                       ? tr("the print server is gone")
                                       : QString::fromStdString(receipt.message);
            notPrinted(
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
    QString message =
        tr("No printer is set up.\n\nIn the next window you can choose a printer, or print "
           "“%1” to a PDF file.")
            .arg(job_->name);
    if (waiting() == 1) {
        message += QStringLiteral("\n\n") + tr("One more is waiting; cancelling gives it up.");
    } else if (waiting() > 1) {
        message += QStringLiteral("\n\n") +
                   tr("%1 more are waiting; cancelling gives them up.").arg(waiting());
    }
    job_->hooks.tell(message);
    if (!alive) return;
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    // Named before the dialog opens, so that it offers "<document>.pdf" to save into.
    printer->setDocName(job_->name);
    printer->setOutputFileName(suggestedPdfFile(job_->name));
    const bool chosen = job_->hooks.choosePrinter(*printer);
    if (!alive) return;
    if (chosen) {
        printOn(std::move(printer));
        return;
    }
    const int givenUp = giveUpWaiting();
    finish(false);
    if (!alive || givenUp == 0) return;
    showStatus(givenUp == 1 ? tr("The page waiting was given up.")
                            : tr("The %1 pages waiting were given up.").arg(givenUp));
    linger_.start(kResultShown);
}

void PagePrint::printOn(std::unique_ptr<QPrinter> printer) {
    printer_ = std::move(printer);
    Drawing drawing;
    {
        QtSheetPrinter page(*printer_);
        drawing = {job_->draw(page), page.failure()};
        spool_ = page.takeSpool();
    }
    if (!drawing.drawn) {
        notPrinted(tr("“%1” was not printed: %2").arg(job_->name, drawing.failure));
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
    const QString file = job_->hooks.choosePdfFile(suggestedPdfFile(job_->name));
    if (!alive) return;
    if (file.isEmpty()) {
        finish(false);
        return;
    }
    const Drawing drawing = writePdf(file, savedPageLayout(), job_->name, job_->draw);
    if (!drawing.drawn) {
        job_->hooks.tell(tr("“%1” was not saved: %2").arg(job_->name, drawing.failure));
        if (!alive) return;
    }
    finish(drawing.drawn);
}

// The server said nothing in time: one sentence, which names the documents given up with
// this one.
void PagePrint::serverSilent() {
    const int givenUp = giveUpWaiting();
    QString message;
    if (givenUp == 0) {
        message = tr("The print server does not answer, so “%1” was not printed.").arg(job_->name);
    } else if (givenUp == 1) {
        message = tr("The print server does not answer, so “%1” was not printed, nor the "
                     "page waiting after it.")
                      .arg(job_->name);
    } else {
        message = tr("The print server does not answer, so “%1” was not printed, nor the %2 "
                     "pages waiting after it.")
                      .arg(job_->name)
                      .arg(givenUp);
    }
    offerPdf(message);
}

// The document was not printed, for the reason `why`: the documents waiting behind it are
// given up, and the message says so.
void PagePrint::notPrinted(const QString& why) {
    const int givenUp = giveUpWaiting();
    QString message = why;
    if (givenUp == 1) {
        message =
            asSentence(why) + QLatin1Char(' ') + tr("The page waiting after it was given up.");
    } else if (givenUp > 1) {
        message = asSentence(why) + QLatin1Char(' ') +
                  tr("The %1 pages waiting after it were given up.").arg(givenUp);
    }
    offerPdf(message);
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

void PagePrint::dropWaiting() {
    const int dropped = waiting();
    waiting_.clear();
    pressRefused_ = false;
    const QPointer<PagePrint> alive(this);
    for (int i = 0; i < dropped && alive; ++i) emit finished(false);
    if (alive && job_) showStatus(statusText());
}

int PagePrint::giveUpWaiting() {
    const int count = waiting();
    givenUp_ += count;
    waiting_.clear();
    return count;
}

void PagePrint::finish(bool printed) {
    window_->unsetCursor();
    if (!linger_.isActive()) clearStatus();
    activity_.clear();
    job_.reset();
    spool_.reset();
    printer_.reset();
    pdfSpool_.reset();
    const int givenUp = std::exchange(givenUp_, 0);
    const QPointer<PagePrint> alive(this);
    emit finished(printed);
    for (int i = 0; i < givenUp && alive; ++i) emit finished(false);
    // The next one starts from the event loop, so the window gets a turn between documents.
    if (alive && !waiting_.empty()) {
        QMetaObject::invokeMethod(this, &PagePrint::startNext, Qt::QueuedConnection);
    }
}

void PagePrint::showBusy(const QString& activity) {
    activity_ = activity;
    window_->setCursor(Qt::BusyCursor);
    showStatus(statusText());
}

// What the document on its way is doing, how many wait behind it, and whether a press
// found the line full.
QString PagePrint::statusText() const {
    QStringList parts;
    if (!activity_.isEmpty()) parts << activity_;
    if (!waiting_.empty()) parts << tr("%1 more waiting.").arg(waiting());
    if (pressRefused_) {
        parts << tr("A press was not taken: no more than %1 can wait.").arg(kMostWaiting);
    }
    return parts.join(QLatin1Char(' '));
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
    activity_.clear();
    window_->unsetCursor();
    clearStatus();
}

void PagePrint::clearStatus() {
    delete status_;
}

}  // namespace arcwright
