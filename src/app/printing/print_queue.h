// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QTemporaryFile>
#include <memory>

#include "printserver/print_server.h"

class QPrinter;

namespace arcwright {

// Holds back a page printed for a print queue, so that it can be handed over off the
// window's thread.
//
// Qt's own hand-over to CUPS runs on the window's thread and ignores the queue's answer, so
// a job the queue refuses looks printed and a silent server freezes the window. Instead the
// printer is pointed at a spool file, and the finished file becomes a QueueJob with the
// settings the print dialog gave the printer, for submitJob() to send.
class QueueSpool {
  public:
    // Diverts `printer` into a spool file when it prints to a queue; nullptr otherwise (a
    // printer writing a file). Call before the page is opened.
    static std::unique_ptr<QueueSpool> divert(QPrinter& printer);

    // The printer stands for its queue again; the job names the spool file, which lives as
    // long as this object.
    QueueJob finish();

  private:
    explicit QueueSpool(QPrinter& printer) : printer_(printer) {}

    QPrinter& printer_;
    QTemporaryFile file_;
};

}  // namespace arcwright
