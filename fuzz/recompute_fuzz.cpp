// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The calculator from four arbitrary box texts, without the window: the texts are typed into
// a fresh calculator, which solves the cove, writes the cut width and shows it as a fraction,
// draws the three views and refreshes the read-outs; then the set-up sheet is printed from it
// to a printer that checks what it is given. Input: the four texts separated by '|', in the
// order blade height, angle, thickness, width.

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "calculator/calculator.h"
#include "calculator/sheet_of_the_window.h"
#include "fuzz_checks.h"
#include "model/number_text.h"
#include "print/setup_sheet.h"
#include "readouts/readouts.h"

using namespace arcwright;
using namespace arcwright::fuzzing;

namespace {

// A printer that takes every coordinate it is given at its word: all must be finite.
class CheckingPrinter : public SheetPrinter {
  public:
    void setUnitPoints() override {}
    void setFontName(std::string_view family) override { checkText(family, "font name"); }
    void setFontSize(double points) override {
        check(std::isfinite(points) && points > 0, "font size");
    }
    void setEmphasis(bool) override {}
    void setTextPosition(float x, float y) override { finite({x, y}); }
    using SheetPrinter::drawLine;
    void drawLine(float x1, float y1, float x2, float y2, std::optional<Rgb>) override {
        finite({x1, y1, x2, y2});
    }
    void drawRectangle(float x1, float y1, float x2, float y2) override {
        finite({x1, y1, x2, y2});
    }
    void printText(std::string_view text, bool) override {
        checkText(text, "printed text shows a non-finite number");
        printed.emplace_back(text);
    }
    bool endDocument() override {
        ++ended;
        return true;
    }

    std::vector<std::string> printed;
    int ended = 0;

  private:
    static void finite(std::initializer_list<float> values) {
        for (const float v : values) check(std::isfinite(v), "printer got a non-finite coordinate");
    }
};

void checkFraction(const FractionCaptions& c) {
    for (const std::string* caption : {&c.whole, &c.numerator, &c.slash, &c.denominator, &c.mark}) {
        checkText(*caption, "a fraction caption shows a non-finite number");
    }
}

void checkDrawing(const DisplayList& list) {
    for (const Primitive& p : list.primitives()) {
        check(std::isfinite(p.x1) && std::isfinite(p.y1) && std::isfinite(p.x2) &&
                  std::isfinite(p.y2) && std::isfinite(p.r),
              "a drawing keeps a non-finite coordinate");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    currentInput() = input;
    const auto texts = boxTexts<4>(input);
    const int minFraction = (size % 2 == 0) ? 16 : 32;

    // One calculator for every input, as the window keeps one: what it shows after the last
    // recomputation depends only on the boxes as they stand and the resolution.
    static Calculator calc;
    calc.chooseResolution(minFraction);
    calc.editBox(Box::Text4, std::string(texts[3]));
    calc.editBox(Box::Text3, std::string(texts[2]));
    calc.editBox(Box::Text2, std::string(texts[1]));
    calc.editBox(Box::Text1, std::string(texts[0]));
    // A blank changes the angle box's text but not its value: one more recomputation, so the
    // results below belong to the four boxes as they stand.
    calc.editBox(Box::Text2, std::string(texts[1]) + " ");

    const double blade = calc.value(Box::Text1);
    const double angle = calc.value(Box::Text2);
    const double width = calc.value(Box::Text4);
    for (const Box box : {Box::Text1, Box::Text2, Box::Text3, Box::Text4}) {
        check(std::isfinite(calc.value(box)), "a box reads as a non-finite number");
        check(calc.value(box) == leadingNumber(calc.text(box)), "a box's value is not its text's");
    }
    const CoveSolution& solution = calc.solution();
    CoveSolution expected;
    solveCove({blade, angle, width}, expected);
    check(expected.pointCount == solution.pointCount && expected.tooWide == solution.tooWide &&
              expected.profileWidth == solution.profileWidth,
          "the calculator's cove is not the solver's for its boxes");

    const int n = solution.pointCount;
    check(n >= 0 && n <= kMaxLevels, "level count outside the tables");
    check((n == 0) == (blade < 0), "a negative blade height, and only that, gives no level");
    if (blade >= 0 && blade <= 4.99) {
        const double expected = blade / kLevelStep + 1;
        check(std::fabs(n - expected) <= 2, "level count does not follow the blade height");
    }
    if (blade > 5.0) check(n == kMaxLevels, "a deep blade height stops at the last level");
    check(solution.profileWidth[0] == 0 && solution.profileHalfWidth[0] == 0, "entry 0 is used");
    for (int i = 1; i <= kMaxLevels; ++i) {
        const double w = solution.profileWidth[static_cast<std::size_t>(i)];
        const double half = solution.profileHalfWidth[static_cast<std::size_t>(i)];
        check(std::isfinite(w), "a level width is not finite");
        // No level is wider than the blade.
        check(std::fabs(w) <= kBladeDiameter * (1 + 1e-12), "a level is wider than the blade");
        check(half == w / 2, "half width is not half the width");
        if (i > n) check(w == 0.0, "a level past the last one is filled");
    }

    const double cutWidth = solution.cutWidth();
    const std::string cutText = cutWidthText(solution);
    check(solution.tooWide == (cutWidth > width - 0.5), "too-wide decision");
    check(cutText.empty() == solution.tooWide, "cut width text vs too wide");
    checkText(cutText, "cut width text shows a non-finite number");

    check(calc.label4() == cutText, "the result line is not the cut width's text");
    check(calc.shown(Shown::Label2) == solution.tooWide, "the too-wide warning");
    if (!solution.tooWide) {
        const double shown = leadingNumber(cutText);
        check(std::fabs(shown - cutWidth) <= 0.0005 * (1 + 1e-9), "cut width text is off", cutText);
        check(
            calc.readout(Readout::Cut) == ShowFraction(cutWidth, minFraction, readout::cutWidth()),
            "the cut width's fraction");
    }
    for (const Readout r :
         {Readout::Width, Readout::Thickness, Readout::BladeHeight, Readout::Cut}) {
        checkFraction(calc.readout(r));
    }
    for (const View v : {View::Picture1, View::Picture2, View::Picture4})
        checkDrawing(calc.view(v));

    // The printed sheet, read from the calculator as the print button does.
    const SheetOfTheWindow sheet = sheetOfTheWindow(calc);
    const SheetValues& values = sheet.values;
    const auto lines = sheetLines(values);
    for (const std::string& line : lines) checkText(line, "a sheet line shows a non-finite number");
    CheckingPrinter printer;
    printSetupSheet(printer, values);
    check(printer.ended == 1, "the sheet is not sent exactly once");
    check(printer.printed.size() == lines.size(), "not every sheet line is printed");
    return 0;
}
