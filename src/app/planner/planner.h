// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The cove planner window: from the cove a woodworker wants, on their own blade, to the
// fence angle, the fence's place on the saw and the passes, and on request into the
// calculator's boxes.

#include <QWidget>
#include <array>
#include <optional>

#include "app/planner/job_dialogs.h"
#include "app/planner/watched_saw_session.h"
#include "app/printing/print_hooks.h"
#include "calculator/calculator.h"
#include "job/job.h"
#include "plan/planner_model.h"

class QBoxLayout;
class QFrame;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace arcwright {

class AtTheSaw;
class Canvas;
struct PlannerReadouts;
class FittedDrawing;

class Planner : public QWidget {
    Q_OBJECT
  public:
    // A window of its own over `window`, closing with it; reads the calculator's set-up and,
    // on request, types a plan into it.
    Planner(QWidget& window, Calculator& calculator);

    // Takes the cove, board and blade height from the calculator as it is now: on first
    // opening and when the user asks for it, never over what they typed otherwise.
    void fillFromCalculator();

    // What the window shows.
    const PlannerModel& model() const { return model_; }

    // Where printing the template meets the desktop; empty hooks are the desktop's own.
    void setPrintHooks(PrintHooks hooks) { printHooks_ = std::move(hooks); }

    // Jobs kept in files: the boxes as typed, the unit, the lean and the pass at the saw.
    // Saving returns false when the file cannot be written; opening shows why a file is not
    // a job it can open, and then changes nothing.
    bool saveJob(const QString& path);
    bool openJob(const QString& path);
    // The job file the planner shows, empty before one is saved or opened.
    const QString& jobPath() const { return jobPath_; }
    // Something was changed since the job was saved or opened.
    bool jobChanged() const;
    const SawSession& sawSession() const { return sawSession_.session(); }
    void setJobDialogs(JobDialogs dialogs) { jobDialogs_ = std::move(dialogs); }

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // One input: its box and the words that name it.
    struct LengthBox {
        QLineEdit* edit = nullptr;
        QString name;
    };

    void createUi();
    QWidget* createInputs();
    QWidget* createResults();
    QWidget* createDrawingAndPasses();
    QWidget* createButtons();
    void connectEvents();
    // Tab through the boxes as they read, left to right and down, then the passes and the
    // buttons.
    void orderTabs();

    // Shows the model: the boxes, the results and the buttons.
    void showModel();
    void showBoxes();
    void showResult();
    void showWood(const PlannerReadouts& readouts);
    void showFence(const PlannerReadouts& readouts);
    void showTilt(const PlannerReadouts& readouts);
    void showPasses();
    void showNote();
    // Why the plan cannot be made, in the look of a refusal, or nothing.
    void showStatus(const QString& sentence);
    // The window's height follows its words: longer while a long message stands, back to
    // its usual size when it goes.
    void fitToContent();
    // Every box read: what is shown is this plan, never the last one beside a refusal.
    bool planShown() const { return !model_.firstUnreadable(); }
    // The board end with the cove as this blade cuts it, for a drawing this many pixels wide
    // and high.
    void drawBoardEnd(Canvas& canvas, double width, double height) const;
    void applyToCalculator();
    void showWhetherPrintable();
    // What the template's Print and Preview buttons do, for their tooltips while the cove
    // can be cut.
    static QString printTemplateTip();
    static QString previewTemplateTip();
    void printTemplate();
    void previewTemplate();
    void openAtTheSaw();
    QMenuBar* createJobMenu();
    void showRecentJobs(QMenu& menu);
    void saveJobAs();
    void chooseJobToOpen();
    // Asks before a changed job is closed; false when the user keeps it open.
    bool mayCloseJob();
    Job currentJob() const;

    Calculator& calculator_;
    std::array<LengthBox, kPlanBoxCount> boxes_{};  // in PlanBox order
    QRadioButton* inches_ = nullptr;
    QRadioButton* millimetres_ = nullptr;
    QRadioButton* leanToward_ = nullptr;  // the top of the tilted blade leans toward the fence
    QRadioButton* leanAway_ = nullptr;
    QLabel* angle_ = nullptr;
    QLabel* complement_ = nullptr;
    QLabel* bladeHeight_ = nullptr;
    QLabel* woodFence_ = nullptr;  // wood left on the fence side of the cove
    QLabel* woodFar_ = nullptr;    // and on the far side
    QLabel* fenceDistance_ = nullptr;
    QLabel* markBlade_ = nullptr;
    QLabel* markSquare_ = nullptr;
    QLabel* fenceSide_ = nullptr;  // which side of the blade, which way to feed
    QLabel* halfSteep_ = nullptr;  // deepest point to the edge on the steep side
    QLabel* halfGentle_ = nullptr;
    QLabel* centrePoint_ = nullptr;  // how to find the centre point, and the deepest line
    QFrame* statusFrame_ = nullptr;  // the refusal's frame, its icon and its sentence
    QLabel* statusIcon_ = nullptr;
    QLabel* status_ = nullptr;
    QString announced_;  // the refusal screen readers last heard
    QLabel* warnings_ = nullptr;
    QLabel* cautions_ = nullptr;  // what the shop writers warn about in a plan that stands
    QLabel* note_ = nullptr;      // what the calculator shows after "Use in Calculator"
    QTableWidget* passes_ = nullptr;
    QHBoxLayout* drawingAndPasses_ = nullptr;  // the board end beside the passes
    FittedDrawing* endView_ = nullptr;         // the board end with the planned cove
    QPushButton* take_ = nullptr;              // the calculator's set-up into the boxes
    QPushButton* apply_ = nullptr;
    QPushButton* print_ = nullptr;
    QPushButton* preview_ = nullptr;
    QPushButton* atSaw_ = nullptr;

    PlannerModel model_;
    PrintHooks printHooks_;
    WatchedSawSession sawSession_;  // the count at the saw, kept while its view is closed
    AtTheSaw* atTheSaw_ = nullptr;
    JobDialogs jobDialogs_;
    QString jobPath_;
    std::optional<Job> settledJob_;  // as last saved, opened or let go; none before that
    int usualHeight_ = 0;            // the window's height with no long message
};

}  // namespace arcwright
