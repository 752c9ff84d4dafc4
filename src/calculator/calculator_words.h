// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The calculator's fixed words, written once for the desktop window and the browser: its
// titles, the result line's caption, the two warnings, the safety note and the names of its
// buttons. The window shows them as they stand (the safety note through its translation).

#include "plan/sentence.h"

namespace arcwright::calculator_words {

inline constexpr const char* kBoardWidth = "Board Width";
inline constexpr const char* kBoardThickness = "Board Thickness";
inline constexpr const char* kCutAngle = "Cut Angle";
inline constexpr const char* kBladeHeight = "Blade Height";
inline constexpr const char* kWidthOfCut = "Width of cut:";
inline constexpr const char* kBladeHeightHigh = "Blade height high!";
inline constexpr const char* kCutTooWide = "Cut is too wide!";
inline constexpr const char* kWarning = "Warning!";
inline constexpr const char* kOk = "OK";
inline constexpr const char* kDimensionAdjustment = "Dimension Adjustment";
inline constexpr const char* kMinimumFraction = "Minimum Fraction";
inline constexpr const char* kSixteenths = "16ths";
inline constexpr const char* kThirtySeconds = "32nds";
inline constexpr const char* kPrint = "Print";
inline constexpr const char* kBladeCentreLine = "Blade CL";
inline constexpr const char* kIsoView = "Iso View";

// The two blanks after the full stops are the note as it has always read.
inline constexpr const char* kSafetyNoteContext = "SafetyNote";
inline constexpr const char* kSafetyNote = ARCWRIGHT_TR_NOOP(
    "SafetyNote",
    "This software calculates data for an operation that can be very dangerous if not "
    "performed with great awareness and care. If you have never cut coves on a tablesaw, "
    "please consult a good reference for instruction.  Please check and double check "
    "before you cut.  BE CAREFUL!");

}  // namespace arcwright::calculator_words
