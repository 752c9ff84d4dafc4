// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

#include "app/printing/print_hooks.h"
#include "print/sheet_printer.h"
#include "printserver/print_server.h"

class QLabel;
class QPrinter;
class QTemporaryFile;
class QWidget;

namespace arcwright {

class QueueSpool;
class QtSheetPrinter;

// Draws a whole document in points (origin at the top left of the printable area, y down):
// its first page, page.newPage() before each page after it, and returns what
// page.endDocument() said (and false when a page could not be started). It may run after the
// click that asked for it has returned (once the print system has named its printer), so it
// must hold copies of everything it reads rather than pointers into the window.
using DrawPage = std::function<bool(SheetPrinter& page)>;

// Prints a document from a window, without ever blocking the window:
//
//     printPage(window, hooks, tr("Fence template"),
//               [plan](SheetPrinter& page) { return drawFenceTemplate(page, plan); });
//
// This is the one way the program prints. It asks the print system for its default
// printer and hands the finished document to it on a worker thread, each within
// hooks.serverLimit; meanwhile the window shows a busy cursor and a short status line at its
// bottom left. With no printer set up the user is told so and gets the print dialog, its
// file already named "<documentName>.pdf" in a folder that can be written (pdf_folder.h). A
// server that does not answer in time, or a queue that refuses the document, is reported
// in one message with the offer to save it as a PDF file instead; a document that went out
// is reported in the status line for a few seconds. Every line is clipped to a box around
// the page, so no page is ever sent broken.
//
// Every call is one document, printed in the order of the calls or, where it cannot be,
// said so; see PagePrint for the calls made while a document is on its way.
void printPage(QWidget* window, const PrintHooks& hooks, const QString& documentName,
               DrawPage drawPage);

// Draws the page on `printer` exactly as printPage() would, for a print preview
// (QPrintPreviewDialog::paintRequested): clipped the same way and painted where Qt sends
// it, never diverted to a queue. Returns what the page's endDocument() said.
bool drawPageOn(QPrinter& printer, const DrawPage& drawPage);

// The window's printing, made by printPage() on first use as a child of the window, so
// that it lives exactly as long as the window.
//
// One document is on its way at a time. A press while one is (Print, Print Template, any
// printPage() call) waits in line behind it, with the drawing as it stood at its own press,
// and goes out once the ones before it are done; the status line says how many wait ("…
// 3 more waiting."). At most kMostWaiting wait: a press beyond them is not taken, and the
// status line says so. Each window has a line of its own.
//
// When a document is not printed, the documents waiting behind it are given up with it:
// they would meet the same printer or server, and one question per press would bury the
// window in dialogs. The user is told how many in the same message that says why the
// document was not printed (the silent server's one sentence, a refusal or a failure to
// draw, each still offering to save that document as PDF), or, when the user cancelled the
// print dialog, in the status line. A document that was printed lets the next one go,
// asked for exactly as its own press would have been (without a printer, each gets the
// print dialog in turn). Destroying the window stops the wait at once and drops what waits;
// the program sends what is on its way before it ends (sending_at_quit.h).
class PagePrint final : public QObject {
    Q_OBJECT

  public:
    // How many presses may wait behind the document on its way.
    static constexpr int kMostWaiting = 100;

    explicit PagePrint(QWidget* window);
    ~PagePrint() override;
    PagePrint(const PagePrint&) = delete;
    PagePrint& operator=(const PagePrint&) = delete;

    // The window's PagePrint, or nullptr before its first page.
    static PagePrint* of(const QWidget* window);

    // Prints one document, at once or after those already in line, as printPage() says.
    void print(const PrintHooks& hooks, const QString& documentName, DrawPage drawPage);

    // True from a press until its document and every one waiting behind it are printed,
    // saved, refused or given up.
    bool busy() const { return job_.has_value() || !waiting_.empty(); }
    // How many documents wait behind the one on its way.
    int waiting() const { return static_cast<int>(waiting_.size()); }
    // Gives up the documents waiting (each reported as not printed); the one on its way
    // goes on. For the user who would rather not wait for them.
    void dropWaiting();

  signals:
    // A document's journey is over: printed (sent, or written to a file) or not (refused,
    // cancelled, given up). Once for every press taken, except those dropped with the window.
    void finished(bool printed);

  private:
    struct Job {
        PrintHooks hooks;
        QString name;
        DrawPage draw;
        QString queue;  // the queue the document goes to, once known
    };

    void start(Job job);
    void startNext();
    template <class Result>
    void runOffThread(std::function<Result(const PrintWait&)> work,
                      void (PagePrint::*done)(const Result&));
    void settleWorker();

    void onDefaultQueue(const DefaultQueue& found);
    void onJobReceipt(const JobReceipt& receipt);
    void chooseInDialog();
    void printOn(std::unique_ptr<QPrinter> printer);
    void sendToQueue(QueueJob job);
    void saveAsPdf();
    void serverSilent();
    void notPrinted(const QString& why);
    void offerPdf(const QString& message);
    int giveUpWaiting();
    void finish(bool printed);

    void showBusy(const QString& activity);
    void showStatus(const QString& status);
    QString statusText() const;
    void endBusy();
    void clearStatus();

    QWidget* window_;
    std::optional<Job> job_;
    std::deque<Job> waiting_;
    int givenUp_ = 0;            // waiting documents given up, reported as finished with job_
    bool pressRefused_ = false;  // a press found the line full while job_ was on its way
    QString activity_;           // what job_ is doing, for the status line
    std::unique_ptr<QPrinter> printer_;         // the dialog's printer, while its page is out
    std::unique_ptr<QueueSpool> spool_;         // that printer's spool file
    std::unique_ptr<QTemporaryFile> pdfSpool_;  // the document for the default queue
    std::jthread worker_;
    std::vector<std::jthread> abandoned_;  // given up on; stopped, joined on destruction
    std::function<void()> giveUp_;         // what the time limit does to the current wait
    quint64 generation_ = 0;               // results of an abandoned wait carry an old one
    QTimer limit_;                         // backs up the worker's own deadline
    QTimer linger_;                        // how long a result stays in the status line
    QPointer<QLabel> status_;
};

}  // namespace arcwright
