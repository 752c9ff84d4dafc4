// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>
#include <vector>

#include "adjust/step_rules.h"
#include "app/calculator/accessibility.h"
#include "app/calculator/form1_controls.h"
#include "app/printing/print_hooks.h"
#include "fractions/shop_fraction.h"
#include "geometry/cove_solver.h"
#include "views/iso_view.h"
#include "views/section_view.h"

class QFrame;

namespace arcwright {

class Planner;

// The one window. Every input box's text is the value; every change of a box runs the
// recomputation at once, and the results are left in the labels and drawing surfaces.
class Form1 : public QWidget {
    Q_OBJECT
  public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    // The recomputation behind every input change.
    void RecomputeCove();
    // Refreshes the adjustment target's read-out, then the isometric view.
    void UpdateAdjustedReadout();
    // Rewrites the three input read-outs at the current resolution.
    void UpdateAllReadouts();
    void ShowFraction(double value, const FractionReadout& readout,
                      const FractionSettings& settings);
    // Redraws the isometric view unless a warning is shown.
    void DrawIsoView();

    // Replaces the printer, print dialog and message box the Print button uses; empty hooks
    // keep the desktop's own.
    void setPrintHooks(PrintHooks hooks) { printHooks_ = std::move(hooks); }

    // Reads the window's inner values for tests only: app/form1_test_seam.h.
    struct TestAccess;
    friend struct TestAccess;

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
    void startUp();

    void onLengthBoxChanged();  // blade height and thickness
    void onWidthBoxChanged();
    void onAngleBarChanged(int degrees);
    void selectTarget(QLineEdit* highlighted);
    void chooseResolution(int denominator);
    void pressStep(StepButton button);
    void printSheet();
    void openPlanner();

    AdjustTarget adjustTarget() const;
    QLineEdit* targetBox() const;
    bool eventFilter(QObject* watched, QEvent* event) override;

    InputControls in_;
    ReadoutControls out_;
    WarningControls warn_;
    SurfaceControls views_;
    QFrame* frame1_ = nullptr;
    QRadioButton* option4_ = nullptr;  // 16ths
    QRadioButton* option5_ = nullptr;  // 32nds
    QPushButton* command1_ = nullptr;  // Print
    std::vector<StepControl> steps_;   // Command2 .. 9, column by column
    WindowDescriber* describer_ = nullptr;

    // The cove planner's button, and the planner, made on first use as a child window.
    QPushButton* commandPlan_ = nullptr;
    Planner* planner_ = nullptr;

    // Window-wide values.
    int minFraction_ = 0;
    int drawScale_ = 0;
    CoveSolution solution_;
    SectionOutline outline_;
    IsoTables iso_;
    int isoViewCalls_ = 0;
    PrintHooks printHooks_;
};

}  // namespace arcwright
