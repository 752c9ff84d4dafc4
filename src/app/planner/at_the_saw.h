// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The view to work from at the saw: one pass at a time, in type readable from a couple of
// metres, stepped on by large buttons or single keys (a knuckle, a foot-pedal keyboard). It
// shows the planner's SawSession, which keeps the count while the view is closed.

#include <QWidget>

#include "app/planner/saw_words.h"
#include "views/display_list.h"

class QFrame;
class QLabel;
class QPushButton;

namespace arcwright {

class DrawingSurface;
class SawSession;

class AtTheSaw : public QWidget {
    Q_OBJECT
  public:
    // A window of its own beside the planner, which owns it and the session.
    AtTheSaw(SawSession& session, QWidget& planner);

    // Shows the view, with the safety note on top when it was closed, or raises it.
    void open();

    const SawTexts& texts() const { return texts_; }
    bool safetyNoteShown() const;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void createUi();
    QLabel* line(const char* objectName, const QString& name, const QString& description,
                 const QColor& colour);
    QPushButton* button(const char* objectName, const QString& caption, const QString& name,
                        const QString& description);
    void createSafetyNote();
    void connectEvents();

    void refresh();
    void redraw();
    void scaleType();
    void announceIfChanged();
    void closeSafetyNote();
    void toggleFullScreen();

    SawSession& session_;
    SawTexts texts_;
    QString announced_;  // the last words screen readers were given
    int drawnEvery_ = 1;

    QLabel* pass_ = nullptr;
    QLabel* setLine_ = nullptr;
    QLabel* height_ = nullptr;
    QLabel* rise_ = nullptr;
    QLabel* width_ = nullptr;
    QLabel* final_ = nullptr;
    QLabel* then_ = nullptr;
    QLabel* note_ = nullptr;
    QLabel* footer_ = nullptr;
    DrawingSurface* drawing_ = nullptr;
    DisplayList board_;  // what drawing_ shows
    QPushButton* back_ = nullptr;
    QPushButton* fullScreen_ = nullptr;
    QPushButton* next_ = nullptr;
    QFrame* safety_ = nullptr;
    QLabel* safetyTitle_ = nullptr;
    QLabel* safetyText_ = nullptr;
    QPushButton* safetyOk_ = nullptr;
};

}  // namespace arcwright
