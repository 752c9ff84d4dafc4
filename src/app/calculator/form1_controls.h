// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <array>

#include "adjust/step_rules.h"

class QAbstractButton;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace arcwright {

class AngleScrollBar;
class DrawingSurface;

// The window's controls, in the groups the window keeps them in; each is named after its
// object name, and the comment says what it is.

// Five labels side by side that show one length as a shop fraction.
struct FractionReadout {
    QLabel* whole = nullptr;
    QLabel* numerator = nullptr;
    QLabel* slash = nullptr;
    QLabel* denominator = nullptr;
    QLabel* mark = nullptr;

    std::array<QLabel*, 5> labels() const { return {whole, numerator, slash, denominator, mark}; }
};

struct InputControls {
    QLineEdit* text1 = nullptr;  // blade height
    QLineEdit* text2 = nullptr;  // board angle to the blade
    QLineEdit* text3 = nullptr;  // board thickness
    QLineEdit* text4 = nullptr;  // board width
    AngleScrollBar* vScroll1 = nullptr;
    QRadioButton* option1 = nullptr;  // thickness is the adjustment target
    QRadioButton* option2 = nullptr;  // width
    QRadioButton* option3 = nullptr;  // blade height
};

struct ReadoutControls {
    FractionReadout width;      // Label28, 27, 26, 25, 24
    FractionReadout thickness;  // Label29 .. 33
    FractionReadout blade;      // Label36 .. 40
    FractionReadout cut;        // Label5 .. 9
    QLabel* label3 = nullptr;   // "Width of cut ="
    QLabel* label4 = nullptr;   // decimal cut width
};

struct WarningControls {
    QLabel* label1 = nullptr;  // "Blade height high!"
    QLabel* label2 = nullptr;  // "Cut is too wide!"
    QGroupBox* frame2 = nullptr;
    QLabel* label47 = nullptr;  // the safety note inside Frame2
    QPushButton* command12 = nullptr;
};

struct SurfaceControls {
    DrawingSurface* picture1 = nullptr;  // section
    DrawingSurface* picture2 = nullptr;  // plan
    DrawingSurface* picture4 = nullptr;  // isometric
};

// One step button, with the column it stands in and what a press asks for.
struct StepControl {
    QAbstractButton* button = nullptr;
    QString size;  // "1/4" .. "1/32", as its column heading shows it
    StepButton press;
};

}  // namespace arcwright
