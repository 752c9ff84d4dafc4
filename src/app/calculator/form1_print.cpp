// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/calculator/form1.h"
#include "app/printing/page_print.h"
#include "calculator/sheet_of_the_window.h"

namespace arcwright {

// Prints the set-up sheet as the window shows it at the click. Only reads the calculator: a
// failed or cancelled print leaves every box, caption, table and view as it was.
void Form1::printSheet() {
    printPage(this, printHooks_, tr("Arcwright set-up sheet"),
              [sheet = sheetOfTheWindow(model_)](SheetPrinter& page) {
                  return printSetupSheet(page, sheet.values);
              });
}

}  // namespace arcwright
