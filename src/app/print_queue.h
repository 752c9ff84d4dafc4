// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QTemporaryFile>
#include <memory>

class QPrinter;

namespace arcwright {

// Hands a page printed for a print queue to the queue with the `lp` command.
//
// Qt's own hand-over to CUPS ignores the queue's answer, so a job the queue refuses (a
// stopped or rejecting queue, a print service that went away) looks printed. Instead the
// printer is pointed at a spool file, and `lp` submits that file and says whether the queue
// took it, with the queue's own reason when not.
class QueueSpool {
  public:
    // Diverts `printer` into a spool file when it prints to a queue and `lp` is available;
    // nullptr otherwise (a printer writing a file, or no `lp`: Qt submits as usual).
    // Call before the page is opened.
    static std::unique_ptr<QueueSpool> divert(QPrinter& printer);

    // Submits the finished spool file; on refusal returns false and sets `error`.
    bool send(QString& error);

  private:
    QueueSpool(QPrinter& printer, QString lp);

    QPrinter& printer_;
    QString lp_;
    QTemporaryFile file_;
};

}  // namespace arcwright
