// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The view to work from at the saw: one pass at a time, in type readable from a couple of
// metres, stepped on by large buttons or single keys (a knuckle, a foot-pedal keyboard). It
// shows the planner's SawSession, which keeps the count while the view is closed, in the
// core's words (plan/saw_words.h).

#include <QWidget>

#include "plan/saw_words.h"
#include "views/display_list.h"

class QFrame;
class QLabel;
class QPushButton;

namespace arcwright {

class DrawingSurface;
class SawSession;
class WatchedSawSession;

class AtTheSaw : public QWidget {
    Q_OBJECT
  public:
    // A window of its own beside the planner, which owns it and the session.
    AtTheSaw(WatchedSawSession& session, QWidget& planner);

    // Shows the view, with the safety note on top when it was closed, or raises it.
    void open();

    const SawTexts& texts() const { return texts_; }
    // The lines of the page in hand as one announcement.
    QString spoken() const { return QString::fromStdString(texts_.spoken); }
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
    // The woodworker's moves, by key or button: the set-up page comes before pass 1, and
    // the last pass made closes the view.
    void forward();
    void backward();
    void toFirst();
    void toLast();
    bool onSetUpPage() const;

    WatchedSawSession& watched_;
    const SawSession& session_;  // watched_'s
    SawTexts texts_;
    QString announced_;  // the last words screen readers were given
    int drawnEvery_ = 1;
    // The set-up page stands in front of pass 1: shown as a schedule starts, left by a
    // move on, come back to by a move back from pass 1.
    bool setUpPage_ = true;
    SawSetUp shownSetUp_;  // the set-up the page was last shown for

    QLabel* pass_ = nullptr;
    QLabel* setLine_ = nullptr;
    QLabel* height_ = nullptr;
    QLabel* rise_ = nullptr;
    QLabel* width_ = nullptr;
    QLabel* final_ = nullptr;
    QLabel* then_ = nullptr;
    QLabel* note_ = nullptr;
    QLabel* caution_ = nullptr;  // the plan's cautions, on every page
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
