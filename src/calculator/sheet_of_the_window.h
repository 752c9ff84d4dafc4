// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <memory>

#include "calculator/calculator.h"
#include "print/setup_sheet.h"

namespace arcwright {

// The set-up sheet of the calculator as it stands at the click: the boxes, the result line
// and the levels of the last recomputation, each read as the sheet reads it (the captions as
// numbers, the mark as text). It holds its own copy of the levels, so the page may be drawn
// after later keystrokes have changed the calculator.
struct SheetOfTheWindow {
    SheetValues values;  // values.profileWidth points into `levels`
    std::shared_ptr<const LevelTable> levels;
};

SheetOfTheWindow sheetOfTheWindow(const Calculator& calculator);

}  // namespace arcwright
