// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

// One whole recomputation from four arbitrary box texts, without the window: the four
// boxes are read, the cove is solved, the cut width is written and shown as a fraction,
// the three views are drawn into display lists and the set-up sheet is printed to a
// printer that checks what it is given. Input: the four texts separated by '|', in the
// order blade height, angle, thickness, width.

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fractions/shop_fraction.h"
#include "fuzz_checks.h"
#include "geometry/cove_solver.h"
#include "model/number_text.h"
#include "print/setup_sheet.h"
#include "readouts/readouts.h"
#include "views/display_list.h"
#include "views/iso_view.h"
#include "views/plan_view.h"
#include "views/section_view.h"

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
    void drawLine(float x1, float y1, float x2, float y2) override { finite({x1, y1, x2, y2}); }
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

    const double blade = leadingNumber(texts[0]);
    const double angle = leadingNumber(texts[1]);
    const double thickness = leadingNumber(texts[2]);
    const double width = leadingNumber(texts[3]);
    for (const double v : {blade, angle, thickness, width}) {
        check(std::isfinite(v), "a box reads as a non-finite number");
    }

    DisplayList section;
    DisplayList plan;
    DisplayList iso;
    section.setScale(0, 4000, 8000, -4000);
    plan.setScale(0, 15, 15, -15);
    iso.setScale(0, 20, 23, -17);

    // The recomputation, in the window's order.
    const SectionBoard board = drawSectionBoard(section, width, thickness, kDrawScale);
    static CoveSolution solution;  // reused, as the window reuses its own
    solveCove({blade, angle, width}, solution);
    static SectionOutline outline;
    buildSectionOutline(board, solution.pointCount, solution.profileWidth, outline);

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

    FractionCaptions cut;
    if (!solution.tooWide) {
        drawCoveOutline(section, board, outline, n);
        const double shown = leadingNumber(cutText);
        check(std::fabs(shown - cutWidth) <= 0.0005 * (1 + 1e-9), "cut width text is off", cutText);
        cut = ShowFraction(cutWidth, minFraction, readout::cutWidth());
        checkFraction(cut);
    }
    const double shownCut = leadingNumber(cutText);
    drawPlanView(plan, angle, width, shownCut);

    checkFraction(ShowFraction(width, minFraction, readout::adjustedWidth()));
    checkFraction(ShowFraction(thickness, minFraction, readout::adjustedThickness()));
    checkFraction(ShowFraction(blade, minFraction, readout::adjustedBladeHeight()));
    checkFraction(ShowFraction(width, minFraction, readout::allWidth()));
    checkFraction(ShowFraction(thickness, minFraction, readout::allThickness()));
    checkFraction(ShowFraction(blade, minFraction, readout::allBladeHeight()));

    if (!solution.tooWide) {
        static IsoTables isoTables;
        drawIsoView(iso, {width, thickness, blade, shownCut, n, &solution.profileHalfWidth},
                    isoTables);
    }
    checkDrawing(section);
    checkDrawing(plan);
    checkDrawing(iso);

    // The printed sheet, read from the result line as the print button does.
    SheetValues values;
    values.boardWidth = width;
    values.boardThickness = thickness;
    values.boardAngle = angle;
    values.bladeHeight = blade;
    values.cutWidth = shownCut;
    values.cutWhole = leadingNumber(cut.whole);
    values.cutNumerator = leadingNumber(cut.numerator);
    values.cutDenominator = leadingNumber(cut.denominator);
    values.cutMark = cut.mark;
    values.minFraction = minFraction;
    values.pointCount = n;
    values.profileWidth = &solution.profileWidth;

    const auto lines = sheetLines(values);
    for (const std::string& line : lines) checkText(line, "a sheet line shows a non-finite number");
    CheckingPrinter printer;
    printSetupSheet(printer, values);
    check(printer.ended == 1, "the sheet is not sent exactly once");
    check(printer.printed.size() == lines.size(), "not every sheet line is printed");
    return 0;
}
