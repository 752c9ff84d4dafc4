// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calculator/sheet_of_the_window.h"

#include "model/number_text.h"

namespace arcwright {

SheetOfTheWindow sheetOfTheWindow(const Calculator& calculator) {
    SheetOfTheWindow sheet;
    SheetValues& values = sheet.values;
    values.boardWidth = calculator.value(Box::Text4);
    values.boardThickness = calculator.value(Box::Text3);
    values.boardAngle = calculator.value(Box::Text2);
    values.bladeHeight = calculator.value(Box::Text1);
    const FractionCaptions& cut = calculator.readout(Readout::Cut);
    values.cutWidth = leadingNumber(calculator.label4());
    values.cutWhole = leadingNumber(cut.whole);
    values.cutNumerator = leadingNumber(cut.numerator);
    values.cutDenominator = leadingNumber(cut.denominator);
    values.cutMark = cut.mark;
    values.minFraction = calculator.minFraction();
    values.pointCount = calculator.solution().pointCount;
    sheet.levels = std::make_shared<const LevelTable>(calculator.solution().profileWidth);
    values.profileWidth = sheet.levels.get();
    return sheet;
}

}  // namespace arcwright
