// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The cove planner window: from the cove a woodworker wants, on their own blade, to the
// fence angle and the passes, and on request into the calculator's boxes.

#include <QWidget>
#include <array>

#include "app/planner/saw_session.h"
#include "app/printing/print_hooks.h"
#include "plan/cove_plan.h"
#include "plan/length_text.h"

class QBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace arcwright {

class AtTheSaw;
class BoardEndView;

class Planner : public QWidget {
    Q_OBJECT
  public:
    // A window of its own that closes with the calculator, whose boxes it reads and fills.
    explicit Planner(QWidget& calculator);

    // Takes the cove, board and blade height from the calculator's boxes as they are now.
    void fillFromCalculator();

    const PlanRequest& request() const { return request_; }
    const PlanResult& result() const { return result_; }
    LengthUnit unit() const { return unit_; }

    // Where printing the template meets the desktop; empty hooks are the desktop's own.
    void setPrintHooks(PrintHooks hooks) { printHooks_ = std::move(hooks); }

  private:
    // One input: its box, the words that name it, and the request field it fills.
    struct LengthBox {
        QLineEdit* edit = nullptr;
        QString name;
        double PlanRequest::*field = nullptr;
    };

    void createUi();
    QWidget* createInputs();
    QWidget* createResults();
    QWidget* createDrawingAndPasses();
    QWidget* createButtons();
    void connectEvents();

    void recompute();
    void showResult();
    void showPasses();
    void switchUnit(LengthUnit unit);
    void applyToCalculator();
    void showWhetherPrintable();
    void printTemplate();
    void previewTemplate();
    void openAtTheSaw();

    QWidget& calculator_;
    std::array<LengthBox, 7> boxes_{};
    QRadioButton* inches_ = nullptr;
    QRadioButton* millimetres_ = nullptr;
    QLabel* angle_ = nullptr;
    QLabel* complement_ = nullptr;
    QLabel* bladeHeight_ = nullptr;
    QLabel* fenceOffset_ = nullptr;
    QLabel* status_ = nullptr;
    QLabel* warnings_ = nullptr;
    QLabel* note_ = nullptr;  // what the calculator shows after "Use in Calculator"
    QTableWidget* passes_ = nullptr;
    BoardEndView* endView_ = nullptr;
    QPushButton* apply_ = nullptr;
    QPushButton* print_ = nullptr;
    QPushButton* preview_ = nullptr;
    QPushButton* atSaw_ = nullptr;

    LengthUnit unit_ = LengthUnit::Inch;
    PlanRequest request_;
    PlanResult result_;
    PrintHooks printHooks_;
    SawSession sawSession_;  // the count at the saw, kept while its view is closed
    AtTheSaw* atTheSaw_ = nullptr;
};

}  // namespace arcwright
