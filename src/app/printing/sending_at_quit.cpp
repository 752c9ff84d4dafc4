// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/printing/sending_at_quit.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEventLoop>
#include <QPointer>
#include <QProgressDialog>
#include <QSessionManager>
#include <QSet>
#include <QWidget>
#include <algorithm>

#include "app/printing/page_print.h"

namespace arcwright {
namespace {

// Every window's printing, each once: a window's children include the windows it owns.
QList<QPointer<PagePrint>> everyPrinting() {
    QSet<PagePrint*> found;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        for (PagePrint* printing : window->findChildren<PagePrint*>()) found.insert(printing);
    }
    QList<QPointer<PagePrint>> printings;
    for (PagePrint* printing : found) printings << printing;
    return printings;
}

int onTheirWay(const QList<QPointer<PagePrint>>& printings) {
    int count = 0;
    for (const QPointer<PagePrint>& printing : printings) {
        if (printing && printing->busy()) count += 1 + printing->waiting();
    }
    return count;
}

QString sendingText(int count) {
    return count == 1
               ? QCoreApplication::translate("SendingAtQuit", "Sending 1 sheet…")
               : QCoreApplication::translate("SendingAtQuit", "Sending %1 sheets…").arg(count);
}

}  // namespace

int documentsOnTheirWay() {
    return onTheirWay(everyPrinting());
}

void sendBeforeQuitting() {
    const QList<QPointer<PagePrint>> printings = everyPrinting();
    const int total = onTheirWay(printings);
    if (total == 0) return;

    QProgressDialog note;
    note.setObjectName(QStringLiteral("sendingSheets"));
    note.setWindowTitle(QCoreApplication::translate("SendingAtQuit", "Printing"));
    note.setCancelButtonText(QCoreApplication::translate("SendingAtQuit", "Cancel"));
    note.setMinimumDuration(0);
    note.setAutoClose(false);
    note.setAutoReset(false);
    note.setRange(0, total);
    note.setLabelText(sendingText(total));
    note.setAccessibleDescription(note.labelText());
    note.show();

    QEventLoop loop;
    const auto update = [&] {
        const int left = onTheirWay(printings);
        if (left == 0) {
            loop.quit();
            return;
        }
        note.setValue(std::max(0, total - left));
        note.setLabelText(sendingText(left));
        note.setAccessibleDescription(note.labelText());
    };
    QObject::connect(&note, &QProgressDialog::canceled, &loop, [&] {
        for (const QPointer<PagePrint>& printing : printings) {
            if (printing) printing->dropWaiting();
        }
        loop.quit();
    });
    for (const QPointer<PagePrint>& printing : printings) {
        if (!printing) continue;
        QObject::connect(printing, &PagePrint::finished, &loop, update, Qt::QueuedConnection);
        QObject::connect(printing, &QObject::destroyed, &loop, update, Qt::QueuedConnection);
    }
    update();  // a document may have finished between the count and the connections
    if (onTheirWay(printings) > 0) loop.exec();
}

void sendBeforeSessionEnds(QGuiApplication& app) {
    QObject::connect(
        &app, &QGuiApplication::commitDataRequest, &app,
        [](QSessionManager&) { sendBeforeQuitting(); }, Qt::DirectConnection);
}

}  // namespace arcwright
