// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QLabel>
#include <QLineEdit>
#include <memory>

#include "app/calculator/form1.h"
#include "app/printing/page_print.h"
#include "app/widgets/box_value.h"
#include "print/setup_sheet.h"

namespace arcwright {

// Prints the set-up sheet as the window shows it at the click. Only reads the window: a
// failed or cancelled print leaves every box, label, table and view as it was.
void Form1::printSheet() {
    SheetValues values;
    values.boardWidth = valueOf(in_.text4->text());
    values.boardThickness = valueOf(in_.text3->text());
    values.boardAngle = valueOf(in_.text2->text());
    values.bladeHeight = valueOf(in_.text1->text());
    values.cutWidth = valueOf(out_.label4->text());
    values.cutWhole = valueOf(out_.cut.whole->text());
    values.cutNumerator = valueOf(out_.cut.numerator->text());
    values.cutDenominator = valueOf(out_.cut.denominator->text());
    values.cutMark = out_.cut.mark->text().toStdString();
    values.minFraction = minFraction_;
    values.pointCount = solution_.pointCount;
    // The page may be drawn once the print system has named its printer, after later
    // keystrokes have changed the window's table: it keeps its own copy.
    const auto profile = std::make_shared<const LevelTable>(solution_.profileWidth);
    values.profileWidth = profile.get();

    printPage(this, printHooks_, tr("Arcwright set-up sheet"),
              [values, profile](SheetPrinter& page) { return printSetupSheet(page, values); });
}

}  // namespace arcwright
