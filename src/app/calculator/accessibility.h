// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>
#include <vector>

#include "app/calculator/form1_controls.h"
#include "app/widgets/announce.h"  // watchAnnouncements, for the tests that listen
#include "calculator/calculator.h"

class QAbstractButton;
class QRadioButton;
class QWidget;

namespace arcwright {

// The window's controls as the accessibility layer describes them, handed over once by
// the window that owns them.
struct DescribedControls {
    QWidget* window = nullptr;
    InputControls in;
    ReadoutControls out;
    WarningControls warn;
    SurfaceControls views;
    QRadioButton* option4 = nullptr;      // 16ths
    QRadioButton* option5 = nullptr;      // 32nds
    QAbstractButton* command1 = nullptr;  // Print
    std::vector<StepControl> steps;
    const Calculator* model = nullptr;  // what the controls show
};

// Gives every input, option, button, read-out and drawing of the window an accessible
// name and description, puts tool tips on the controls a woodworker asks about, keeps the
// descriptions that carry values up to date, and reports the warnings to assistive tools
// when they come up. Lives as a child of the window.
class WindowDescriber : public QObject {
    Q_OBJECT
  public:
    WindowDescriber(DescribedControls controls, QObject* parent);

    // Brings the descriptions that carry values (the read-outs, the drawings, the step
    // buttons) up to date with what the calculator changed. A drawing is described as it
    // was drawn: with the boxes as the recomputation that drew it read them. Cheap enough
    // for every keystroke.
    void refresh(const CalculatorChanges& changes);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void describeFixed();
    void describeReadout(const FractionReadout& row, Readout readout, const QString& what);
    void describeCut();
    void describeViews();
    void describeSteps();
    void announceWarnings();

    DescribedControls c_;
    struct Warning {
        QWidget* widget = nullptr;
        Shown which = Shown::Label1;
        bool announced = false;
    };
    std::vector<Warning> warnings_;
    bool settlePending_ = false;
};

}  // namespace arcwright
