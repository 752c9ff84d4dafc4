// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/setup_sheet.h"

#include <cmath>
#include <limits>
#include <optional>

#include "arcwright_version.h"
#include "geometry/cove_outline.h"
#include "model/number_text.h"
#include "views/board_end.h"

namespace arcwright {

namespace {

constexpr double kPointsPerInch = 72.0;
constexpr std::string_view kFontName = "Times New Roman";
constexpr double kBodySize = 15.0;
constexpr double kBylineSize = 8.0;
constexpr float kTextLeft = 10.0F;
constexpr float kTextTop = 180.0F;

// A length in inches as a paper coordinate, or nothing when 72 times it is not a finite
// single-precision number (a typed width of 1e39, say). Such a coordinate is not drawn.
std::optional<float> toPaper(double inches) {
    const double points = kPointsPerInch * inches;
    if (!std::isfinite(points) || std::abs(points) > std::numeric_limits<float>::max()) {
        return std::nullopt;
    }
    return static_cast<float>(points);
}

// The printer writes a number with its sign position (a blank for positives) and a blank
// after it.
std::string printedNumber(double value) {
    // Appended piece by piece: GCC 12 at -O3 mistakes `" " + text` for an overlapping copy
    // (-Wrestrict).
    std::string text(value < 0.0 ? 0 : 1, ' ');
    text += plainNumberText(value);
    text += ' ';
    return text;
}

struct PaperPoint {
    std::optional<float> x;
    std::optional<float> y;
};

// The end view of the cove, with the sheet's pointed bottom: the apex on the centre line
// one level past the last, and the deepest level drawn again on the way back out. Every
// point stands one level step deeper than its level.
class SheetOutline {
  public:
    explicit SheetOutline(const SheetValues& values)
        : outline_(values.profileWidth == nullptr ? 0 : values.pointCount, {.apex = true}),
          half_(values.boardWidth / 2.0),
          thickness_(values.boardThickness),
          widths_(values.profileWidth) {}

    int pointCount() const { return outline_.size(); }

    // Point p, 1-based.
    PaperPoint point(int p) const {
        const auto [level, side] = outline_[p];
        const double x =
            side == Side::Left ? half_ - width(level) / 2.0 : half_ + width(level) / 2.0;
        return {toPaper(x), toPaper(thickness_ - kLevelStep * level)};
    }

  private:
    // The apex's level has no width, which puts it on the centre line; nothing outside
    // the filled levels is read from the table.
    double width(int level) const {
        return level >= 1 && level <= outline_.levels()
                   ? (*widths_)[static_cast<std::size_t>(level)]
                   : 0.0;
    }

    CoveOutline outline_;
    double half_;
    double thickness_;
    const LevelTable* widths_;
};

// The board end at full size, face down: the rectangle from (0, 0) to the width and the
// thickness, its face unbroken, and the cove's outline over it. A point that does not fit
// the paper's coordinates leaves out the lines that meet it.
void drawSheetBoardEnd(SheetPrinter& printer, const SheetValues& values) {
    const auto paper = [](std::optional<float> v) {
        return v ? static_cast<double>(*v) : std::numeric_limits<double>::quiet_NaN();
    };
    BoardEndPlace place;
    place.right = paper(toPaper(values.boardWidth));
    place.face = paper(toPaper(values.boardThickness));
    const SheetOutline outline(values);
    place.cove.reserve(static_cast<std::size_t>(outline.pointCount()));
    for (int k = 1; k <= outline.pointCount(); ++k) {
        const PaperPoint point = outline.point(k);
        place.cove.push_back({paper(point.x), paper(point.y)});
    }
    BoardEndLook look;
    look.face = BoardEndLook::Face::Whole;
    drawBoardEnd(printer, place, look);
}

}  // namespace

std::array<std::string, kSheetLineCount> sheetLines(const SheetValues& values) {
    const std::string cutWidthLine =
        "Cut width =" + formatNumber(values.cutWidth, "0.##### in.") + " " +
        formatNumber(values.cutWhole, "( #") + formatNumber(values.cutNumerator, " ##") + "/" +
        formatNumber(values.cutDenominator, "##") + values.cutMark + " )";
    return {
        "Arcwright " + std::string(kShownVersion),
        "     By Verrow",
        "",
        "Board width =" + formatNumber(values.boardWidth, " #.##### in."),
        "",
        "Board thickness =" + formatNumber(values.boardThickness, " 0.##### in."),
        "",
        "Board angle to saw blade =" + formatNumber(values.boardAngle, "00°"),
        "",
        "Blade height =" + formatNumber(values.bladeHeight, "0.##### in."),
        "",
        cutWidthLine,
        "Resolution was set to: " + printedNumber(values.minFraction),
    };
}

bool printSetupSheet(SheetPrinter& printer, const SheetValues& values) {
    printer.setUnitPoints();
    printer.setFontName(kFontName);
    printer.setFontSize(kBodySize);

    drawSheetBoardEnd(printer, values);

    const auto lines = sheetLines(values);
    printer.setTextPosition(kTextLeft, kTextTop);
    printer.setEmphasis(true);
    printer.printText(lines[0], true);
    printer.setEmphasis(false);
    printer.setFontSize(kBylineSize);
    printer.printText(lines[1], true);
    printer.setFontSize(kBodySize);
    for (std::size_t i = 2; i < lines.size(); ++i) printer.printText(lines[i], true);

    return printer.endDocument();
}

}  // namespace arcwright
