// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QLabel>
#include <QLineEdit>
#include <QPrinter>

#include "app/box_value.h"
#include "app/form1.h"
#include "app/qt_sheet_printer.h"
#include "print/setup_sheet.h"

namespace arcwright {

// Prints the set-up sheet as the window shows it now. Only reads the window: a failed or
// cancelled print leaves every box, label, table and view as it was.
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
    values.profileWidth = &solution_.profileWidth;

    const PrintHooks hooks = withDesktopDefaults(printHooks_, this);
    std::unique_ptr<QPrinter> printer = hooks.defaultPrinter();
    if (!printer) {
        hooks.tell(
            tr("No printer is set up.\n\nIn the next window you can choose a printer, or "
               "print the set-up sheet to a PDF file."));
        printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        if (!hooks.choosePrinter(*printer)) return;
    }
    printer->setDocName(tr("Arcwright set-up sheet"));

    QtSheetPrinter sheet(*printer);
    if (!printSetupSheet(sheet, values)) {
        hooks.tell(tr("The set-up sheet was not printed.\n\n%1").arg(sheet.failure()));
    }
}

}  // namespace arcwright
