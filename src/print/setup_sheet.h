// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// print owns the set-up sheet: its text lines and the full-size board end with the cove,
// laid out for a small printer interface that the window binds to a real printer.

#include <array>
#include <string>

#include "geometry/cove_levels.h"
#include "print/sheet_printer.h"

namespace arcwright {

// What the sheet reads from the window at the moment of the click.
struct SheetValues {
    double boardWidth = 0.0;
    double boardThickness = 0.0;
    double boardAngle = 0.0;
    double bladeHeight = 0.0;
    double cutWidth = 0.0;  // the decimal read-out, read back as a number
    double cutWhole = 0.0;  // the cut-width fraction's captions, read as numbers
    double cutNumerator = 0.0;
    double cutDenominator = 0.0;
    std::string cutMark;  // the over/under mark, as shown
    int minFraction = 16;
    int pointCount = 0;
    const LevelTable* profileWidth = nullptr;
};

inline constexpr int kSheetLineCount = 13;

// The 13 text lines of the sheet, exactly as printed (line 12 joined into one).
std::array<std::string, kSheetLineCount> sheetLines(const SheetValues& values);

// Prints the sheet: the full-size board end with the cove, then the text block.
// Returns what endDocument() reported.
bool printSetupSheet(SheetPrinter& printer, const SheetValues& values);

}  // namespace arcwright
