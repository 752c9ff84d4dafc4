// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The calculator window: Form1, its controls at their fixed places, the accessibility layer
// that names and describes them, and the window's printing of the set-up sheet. Everything
// it shows comes from the calculator's model (calculator/calculator.h).

#include <QWidget>
#include <vector>

#include "app/calculator/form1_controls.h"
#include "app/printing/print_hooks.h"
#include "calculator/calculator.h"

class QFrame;

namespace arcwright {

class Planner;
class WindowDescriber;

// The one window, a view of its calculator: it passes every event of its controls to the
// model and shows what the model changed, whoever changed it (the planner types into the
// same model).
class Form1 : public QWidget {
    Q_OBJECT
  public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    // What the window shows, for the planner and for tests.
    const Calculator& calculator() const { return model_; }

    // Replaces the printer, print dialog and message box the Print button uses; empty hooks
    // keep the desktop's own.
    void setPrintHooks(PrintHooks hooks) { printHooks_ = std::move(hooks); }

  private:
    void createUi();
    void createInputs();
    void createInputReadouts();
    void createResultLine();
    void createWarnings();
    void createStepButtons();
    void createResolution();
    void createSurfaces();
    void createTitle();
    void setKeyboardOrder();
    void describeControls();
    void connectEvents();

    // Passes a box's new text to the model, unless the window is writing it itself.
    void forwardText(Box box, const QString& text);
    void showChanges(const CalculatorChanges& changes);
    void showReadout(const FractionReadout& labels, Readout readout);
    void printSheet();
    void openPlanner();
    bool eventFilter(QObject* watched, QEvent* event) override;

    // Declared first, so it stands before any control is built and outlives their events.
    Calculator model_;

    InputControls in_;
    ReadoutControls out_;
    WarningControls warn_;
    SurfaceControls views_;
    QFrame* frame1_ = nullptr;
    QRadioButton* option4_ = nullptr;  // 16ths
    QRadioButton* option5_ = nullptr;  // 32nds
    QPushButton* command1_ = nullptr;  // Print
    std::vector<StepControl> steps_;   // Command9, 8, 2, 3, 6, 7, 5, 4: column by column
    WindowDescriber* describer_ = nullptr;
    bool showing_ = false;  // the window is writing its own boxes from the model

    // The cove planner's button, and the planner, made on first use as a child window.
    QPushButton* commandPlan_ = nullptr;
    Planner* planner_ = nullptr;

    PrintHooks printHooks_;
};

}  // namespace arcwright
