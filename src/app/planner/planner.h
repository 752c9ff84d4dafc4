// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The cove planner window: from the cove a woodworker wants, on their own blade, to the
// fence angle, the fence's place on the saw and the passes, and on request into the
// calculator's boxes.

#include <QWidget>
#include <array>

#include "app/planner/saw_session.h"
#include "app/printing/print_hooks.h"
#include "calculator/calculator.h"
#include "plan/planner_model.h"

class QBoxLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace arcwright {

class AtTheSaw;
class Canvas;
class FittedDrawing;

class Planner : public QWidget {
    Q_OBJECT
  public:
    // A window of its own over `window`, closing with it; reads the calculator's set-up and,
    // on request, types a plan into it.
    Planner(QWidget& window, Calculator& calculator);

    // Takes the cove, board and blade height from the calculator as it is now.
    void fillFromCalculator();

    // What the window shows.
    const PlannerModel& model() const { return model_; }

    // Where printing the template meets the desktop; empty hooks are the desktop's own.
    void setPrintHooks(PrintHooks hooks) { printHooks_ = std::move(hooks); }

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

    // Shows the model: the boxes, the results and the buttons.
    void showModel();
    void showBoxes();
    void showResult();
    void showWood();
    void showFence();
    void showTilt();
    void showPasses();
    void showNote();
    // The board end with the cove as this blade cuts it, for a drawing this many pixels wide
    // and high.
    void drawBoardEnd(Canvas& canvas, double width, double height) const;
    void applyToCalculator();
    void showWhetherPrintable();
    void printTemplate();
    void previewTemplate();
    void openAtTheSaw();

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
    QLabel* status_ = nullptr;
    QLabel* warnings_ = nullptr;
    QLabel* note_ = nullptr;  // what the calculator shows after "Use in Calculator"
    QTableWidget* passes_ = nullptr;
    QHBoxLayout* drawingAndPasses_ = nullptr;  // the board end beside the passes
    FittedDrawing* endView_ = nullptr;         // the board end with the planned cove
    QPushButton* apply_ = nullptr;
    QPushButton* print_ = nullptr;
    QPushButton* preview_ = nullptr;
    QPushButton* atSaw_ = nullptr;

    PlannerModel model_;
    PrintHooks printHooks_;
    SawSession sawSession_;  // the count at the saw, kept while its view is closed
    AtTheSaw* atTheSaw_ = nullptr;
};

}  // namespace arcwright
