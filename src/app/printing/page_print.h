// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
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

// Prints one page of any document from a window, without ever blocking the window:
//
//     printPage(window, hooks, tr("Fence template"),
//               [plan](SheetPrinter& page) { return drawFenceTemplate(page, plan); });
//
// This is the one way the program prints. It asks the print system for its default
// printer and hands the finished page to it on a worker thread, each within
// hooks.serverLimit; meanwhile the window shows a busy cursor and a short status line at its
// bottom left. With no printer set up the user is told so and gets the print dialog, its
// file already named "<documentName>.pdf" in the documents folder. A server that does not
// answer in time, or a queue that refuses the page, is reported in one sentence with the
// offer to save the page as a PDF file instead; a page that went out is reported in the
// status line for a few seconds. Every line is clipped to a box around the page, so no
// page is ever sent broken. A click while a page is on its way is ignored; closing the
// window stops the wait at once.
void printPage(QWidget* window, const PrintHooks& hooks, const QString& documentName,
               DrawPage drawPage);

// Draws the page on `printer` exactly as printPage() would, for a print preview
// (QPrintPreviewDialog::paintRequested): clipped the same way and painted where Qt sends
// it, never diverted to a queue. Returns what the page's endDocument() said.
bool drawPageOn(QPrinter& printer, const DrawPage& drawPage);

// The window's printing, made by printPage() on first use as a child of the window, so
// that it lives exactly as long as the window.
class PagePrint final : public QObject {
    Q_OBJECT

  public:
    explicit PagePrint(QWidget* window);
    ~PagePrint() override;
    PagePrint(const PagePrint&) = delete;
    PagePrint& operator=(const PagePrint&) = delete;

    // The window's PagePrint, or nullptr before its first page.
    static PagePrint* of(const QWidget* window);

    // Starts one page, as printPage() describes.
    void print(const PrintHooks& hooks, const QString& documentName, DrawPage drawPage);

    // True from the click until the page is printed, saved, refused or given up.
    bool busy() const { return job_.has_value(); }

  signals:
    // The page's journey is over: printed (sent, or written to a file) or not.
    void finished(bool printed);

  private:
    struct Job {
        PrintHooks hooks;
        QString name;
        DrawPage draw;
        QString queue;  // the queue the page goes to, once known
    };

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
    bool draw(QtSheetPrinter& page) const;
    void offerPdf(const QString& message);
    void finish(bool printed);

    void showBusy(const QString& status);
    void showStatus(const QString& status);
    void endBusy();
    void clearStatus();
    QString suggestedPdf() const;

    QWidget* window_;
    std::optional<Job> job_;
    std::unique_ptr<QPrinter> printer_;         // the dialog's printer, while its page is out
    std::unique_ptr<QueueSpool> spool_;         // that printer's spool file
    std::unique_ptr<QTemporaryFile> pdfSpool_;  // the page for the default queue
    std::jthread worker_;
    std::vector<std::jthread> abandoned_;  // given up on; stopped, joined on destruction
    std::function<void()> giveUp_;         // what the time limit does to the current wait
    quint64 generation_ = 0;               // results of an abandoned wait carry an old one
    QTimer limit_;                         // backs up the worker's own deadline
    QTimer linger_;                        // how long a result stays in the status line
    QPointer<QLabel> status_;
};

}  // namespace arcwright
