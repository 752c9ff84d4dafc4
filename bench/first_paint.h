// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

// Ends the event loop as soon as a top-level window has been painted for the first time,
// once that paint has been put on the screen. Used by the start-up probes only.
class QuitAfterFirstPaint : public QObject {
  public:
    explicit QuitAfterFirstPaint(QWidget* window) : QObject(window) {
        window->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !quitting_) {
            quitting_ = true;
            // Queued: the rest of this paint and its flush finish first.
            QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    bool quitting_ = false;
};
