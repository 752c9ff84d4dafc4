// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The saw-table plan measured as a printer would receive it: the fence at θ to the blade
// and d from the centre point on the front side, the board's side shaded, the check squares
// true, and a plan over several sheets that fits together across the overlaps.
#include "print/saw_plan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <numbers>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "plan/cove_placement.h"
#include "print/clip.h"

namespace arcwright {
namespace {

constexpr double kPt = 72.0;
constexpr double kNan = std::numeric_limits<double>::quiet_NaN();

struct Line {
    PagePoint a, b;
    double length() const { return arcwright::length(b - a); }
};

struct PrintedText {
    PagePoint at;
    std::string text;
};

struct Sheet {
    std::vector<Line> lines;
    std::vector<PrintedText> texts;
};

// Records each sheet; newPage() starts the next, as the printing path does between them.
struct SheetsPrinter : SheetPrinter {
    void setUnitPoints() override {}
    void setFontName(std::string_view) override {}
    void setFontSize(double) override {}
    void setEmphasis(bool) override {}
    void setTextPosition(float x, float y) override { at = {x, y}; }
    using SheetPrinter::drawLine;
    void drawLine(float x1, float y1, float x2, float y2, std::optional<Rgb>) override {
        sheets.back().lines.push_back({{x1, y1}, {x2, y2}});
    }
    void drawRectangle(float x1, float y1, float x2, float y2) override {
        drawLine(x1, y1, x2, y1);
        drawLine(x2, y1, x2, y2);
        drawLine(x2, y2, x1, y2);
        drawLine(x1, y2, x1, y1);
    }
    void printText(std::string_view text, bool) override {
        sheets.back().texts.push_back({at, std::string(text)});
    }
    bool endDocument() override { return true; }
    bool newPage() override {
        if (sheets.size() >= pagesItTakes) return false;
        sheets.emplace_back();
        return true;
    }
    std::size_t pagesItTakes = 1000;

    PagePoint at;
    std::vector<Sheet> sheets{1};
};

std::string decimalInches(double inches) {
    char text[64];
    std::snprintf(text, sizeof text, "%.4f in.", inches);
    return text;
}

double radians(double degrees) {
    return degrees * std::numbers::pi / 180.0;
}

// A cove cut at `angle` in a board, centred or its near edge `nearEdge` from the fence
// side; a 10-in. blade raised 5/8 in., 1/16 in. for the first pass.
struct CoveSetup {
    double angle;
    double board;
    double cove;
    std::optional<double> nearEdge;
    double kerf;
    FenceSlant slant = FenceSlant::FrontLeftToBackRight;
};

// 2√(H(D − H)) for a 10-in. blade.
double opening(double height) {
    return 2.0 * std::sqrt(height * (10.0 - height));
}

SawPlan planFor(const CoveSetup& s, double pageWidth, double pageHeight) {
    const CovePlacement placed = placeCove(s.board, {s.cove / 2, s.cove / 2}, s.nearEdge);
    SawPlan plan;
    plan.fence = fencePosition({s.angle, placed.fenceToDeepest, 0.0, s.slant});
    plan.boardWidth = s.board;
    plan.woodFenceSide = placed.woodFenceSide;
    plan.coveWidth = s.cove;
    plan.kerf = s.kerf;
    plan.finalOpening = opening(0.625);
    plan.firstOpening = opening(0.0625);
    plan.pageWidth = pageWidth;
    plan.pageHeight = pageHeight;
    plan.length = decimalInches;
    plan.notes = {"Clamp the fence in front of the blade."};
    return plan;
}

// The plan's sheets as they print after the set-up page, that page left out.
SheetsPrinter printed(const SawPlan& plan, const SawPlanLayout& layout) {
    SheetsPrinter printer;
    EXPECT_TRUE(printSawPlanSheets(printer, plan, layout));
    printer.sheets.erase(printer.sheets.begin());
    return printer;
}

// The wood on the fence side and half the cove.
double fenceDistance(const CoveSetup& s) {
    return (s.nearEdge ? *s.nearEdge : (s.board - s.cove) / 2) + s.cove / 2;
}

double distanceFromLine(PagePoint p, const Line& line) {
    const PagePoint along = unit(line.b - line.a);
    const PagePoint to = p - line.a;
    return std::abs(to.x * along.y - to.y * along.x);
}

// Which side of a line a point is on: +1 or −1.
double sideOf(PagePoint p, const Line& line) {
    const PagePoint along = line.b - line.a;
    const PagePoint to = p - line.a;
    return to.x * along.y - to.y * along.x > 0 ? 1.0 : -1.0;
}

// Where a line crosses the vertical through x, if it does within its ends.
std::optional<double> crossingAt(const Line& line, double x) {
    const double dx = line.b.x - line.a.x;
    if (std::abs(dx) < 1e-9) return std::nullopt;
    const double t = (x - line.a.x) / dx;
    if (t < 0.0 || t > 1.0) return std::nullopt;
    return line.a.y + t * (line.b.y - line.a.y);
}

// The angle of a line from the vertical (the blade line), 0° to 90°.
double fromVertical(const Line& line) {
    const double a = std::atan2(std::abs(line.b.x - line.a.x), std::abs(line.b.y - line.a.y));
    return a * 180.0 / std::numbers::pi;
}

// The centre point: where two crossing strokes 0.6 in. long, one level and one upright,
// share their middles.
std::optional<PagePoint> centrePoint(const Sheet& sheet) {
    for (const Line& h : sheet.lines) {
        if (std::abs(h.a.y - h.b.y) > 1e-3 || std::abs(h.length() - 0.6 * kPt) > 0.05) continue;
        const PagePoint middle = (h.a + h.b) * 0.5;
        for (const Line& v : sheet.lines) {
            if (std::abs(v.a.x - v.b.x) > 1e-3 || std::abs(v.length() - 0.6 * kPt) > 0.05) continue;
            if (arcwright::length((v.a + v.b) * 0.5 - middle) < 0.05) return middle;
        }
    }
    return std::nullopt;
}

// Squares drawn as four lines: the length of each side of each.
std::vector<double> squares(const Sheet& sheet) {
    std::vector<double> sides;
    const auto& l = sheet.lines;
    for (std::size_t i = 0; i + 3 < l.size(); ++i) {
        const double side = l[i].length();
        const bool closed = arcwright::length(l[i + 3].b - l[i].a) < 1e-3;
        const bool equal =
            std::all_of(l.begin() + static_cast<long>(i), l.begin() + static_cast<long>(i + 4),
                        [&](const Line& s) { return std::abs(s.length() - side) < 1e-3; });
        const bool square =
            std::abs(l[i].a.y - l[i].b.y) < 1e-3 && std::abs(l[i + 1].a.x - l[i + 1].b.x) < 1e-3;
        if (closed && equal && square && side > 36.0) sides.push_back(side);
    }
    return sides;
}

bool hasText(const Sheet& sheet, const std::string& text) {
    return std::any_of(sheet.texts.begin(), sheet.texts.end(), [&](const PrintedText& t) {
        return t.text.find(text) != std::string::npos;
    });
}

// Everything within the printable area, every number finite.
void expectOnThePage(const SheetsPrinter& printer, double width, double height) {
    for (const Sheet& sheet : printer.sheets) {
        for (const Line& l : sheet.lines) {
            for (const PagePoint p : {l.a, l.b}) {
                ASSERT_TRUE(std::isfinite(p.x) && std::isfinite(p.y));
                EXPECT_GE(p.x, -1e-3);
                EXPECT_LE(p.x, width + 1e-3);
                EXPECT_GE(p.y, -1e-3);
                EXPECT_LE(p.y, height + 1e-3);
            }
        }
        for (const PrintedText& t : sheet.texts) {
            ASSERT_TRUE(std::isfinite(t.at.x) && std::isfinite(t.at.y)) << t.text;
            EXPECT_GE(t.at.x, -1e-3) << t.text;
            EXPECT_LE(t.at.x + estimatedTextWidth(t.text, 9.0) * 0.9, width + 1.0) << t.text;
            EXPECT_GE(t.at.y, -1e-3) << t.text;
            EXPECT_LE(t.at.y, height) << t.text;
        }
    }
}

template <typename Row>
std::string rowName(const testing::TestParamInfo<Row>& info) {
    return info.param.name;
}

// ---- one sheet: the set-up measured on the paper -------------------------------------

struct OneSheetRow {
    const char* name;
    CoveSetup setup;
};

class OneSheet : public testing::TestWithParam<OneSheetRow> {};

// A sheet large enough for the whole plan, so nothing depends on how sheets are joined.
constexpr double kLargeWidth = 40 * kPt;
constexpr double kLargeHeight = 48 * kPt;

TEST_P(OneSheet, TheFenceLineIsAtThetaAndDFromTheCentrePointOnTheFrontSide) {
    const CoveSetup& s = GetParam().setup;
    const SawPlan plan = planFor(s, kLargeWidth, kLargeHeight);
    const SawPlanLayout layout = layOutSawPlan(plan);
    ASSERT_EQ(layout.fit, PlanFit::Fits);
    ASSERT_EQ(layout.sheets.size(), 1u);
    const SheetsPrinter printer = printed(plan, layout);
    ASSERT_EQ(printer.sheets.size(), 1u);
    const Sheet& sheet = printer.sheets[0];
    expectOnThePage(printer, kLargeWidth, kLargeHeight);

    const auto o = centrePoint(sheet);
    ASSERT_TRUE(o) << "no centre point";
    // The long slanting lines and where they cross the blade line, down the page being
    // toward the front of the saw.
    std::vector<std::pair<Line, double>> crossing;
    for (const Line& l : sheet.lines) {
        if (l.length() < 3 * kPt || std::abs(l.a.x - l.b.x) < 1e-3 ||
            std::abs(l.a.y - l.b.y) < 1e-3)
            continue;
        if (const auto y = crossingAt(l, o->x)) crossing.push_back({l, *y - o->y});
    }
    ASSERT_FALSE(crossing.empty());
    // The fence face crosses farthest in front, the board's far edge farthest behind.
    const auto byCrossing = [](const auto& a, const auto& b) { return a.second < b.second; };
    const auto front = *std::max_element(crossing.begin(), crossing.end(), byCrossing);
    const auto back = *std::min_element(crossing.begin(), crossing.end(), byCrossing);
    const Line fence = front.first;
    const double inFront = front.second;
    const Line farEdge = back.first;
    const double behind = back.second;
    const double d = fenceDistance(s);
    const double theta = radians(s.angle);
    EXPECT_GT(inFront, 0.0) << "the fence must cross the blade line in front of the centre point";
    EXPECT_NEAR(fromVertical(fence), s.angle, 0.1);
    EXPECT_NEAR(distanceFromLine(*o, fence), d * kPt, kPt / 64);
    EXPECT_NEAR(inFront, d / std::sin(theta) * kPt, kPt / 64);
    EXPECT_NEAR(-behind, (s.board - d) / std::sin(theta) * kPt, kPt / 64);
    EXPECT_NEAR(fromVertical(farEdge), s.angle, 0.1);
    EXPECT_NEAR(distanceFromLine(*o, farEdge), (s.board - d) * kPt, kPt / 64);
    // Seen from the front, the fence runs from front left to back right: its lower end on
    // the left. The mirrored slant the other way.
    const PagePoint lower = fence.a.y > fence.b.y ? fence.a : fence.b;
    const PagePoint upper = fence.a.y > fence.b.y ? fence.b : fence.a;
    EXPECT_EQ(lower.x < upper.x, s.slant == FenceSlant::FrontLeftToBackRight);

    // The fence reaches 4 in. past both edges' crossings of the blade line, along the fence.
    const PagePoint along = unit(upper - lower);
    const auto at = [&](PagePoint p) {
        return (p.x - lower.x) * along.x + (p.y - lower.y) * along.y;
    };
    const double fenceCross = at({o->x, o->y + inFront});
    const PagePoint farCross{o->x, o->y + behind};
    const double farCrossAlong = at(farCross);
    EXPECT_LE(-std::min(fenceCross, farCrossAlong), -4 * kPt + 0.01);
    EXPECT_GE(at(upper) - std::max(fenceCross, farCrossAlong), 4 * kPt - 0.01);

    // The board's side of the fence, the side of the centre point, is shaded; the other is
    // not.
    int boardSide = 0;
    int otherSide = 0;
    for (const Line& l : sheet.lines) {
        if (l.length() > 0.5 * kPt || l.length() < 0.2 * kPt) continue;
        for (const auto& [onFence, off] : {std::pair{l.a, l.b}, std::pair{l.b, l.a}}) {
            if (distanceFromLine(onFence, fence) > 0.05 || distanceFromLine(off, fence) < 5.0)
                continue;
            (sideOf(off, fence) == sideOf(*o, fence) ? boardSide : otherSide) += 1;
        }
    }
    EXPECT_GT(boardSide, 20);
    EXPECT_EQ(otherSide, 0);

    // The cove's edges, parallel to the fence on the board.
    const double wood = s.nearEdge ? *s.nearEdge : (s.board - s.cove) / 2;
    for (const double edge : {wood, wood + s.cove}) {
        EXPECT_TRUE(std::any_of(crossing.begin(), crossing.end(),
                                [&](const auto& c) {
                                    return std::abs(distanceFromLine(fence.a, c.first) -
                                                    edge * kPt) < kPt / 64 &&
                                           std::abs(fromVertical(c.first) - s.angle) < 0.1;
                                }))
            << "no cove edge " << edge << " in. from the fence";
    }
}

TEST_P(OneSheet, TheBladeOpeningAndTheMarksWhereTheTeethLeaveTheTable) {
    const CoveSetup& s = GetParam().setup;
    const SawPlan plan = planFor(s, kLargeWidth, kLargeHeight);
    const SheetsPrinter printer = printed(plan, layOutSawPlan(plan));
    const Sheet& sheet = printer.sheets[0];
    const auto o = centrePoint(sheet);
    ASSERT_TRUE(o);
    // Level strokes across the blade line, as far before and behind the centre point as
    // the blade stands above the table.
    for (const double height : {0.625, 0.0625}) {
        for (const double direction : {-1.0, 1.0}) {
            const double y = o->y + direction * opening(height) / 2 * kPt;
            EXPECT_TRUE(std::any_of(sheet.lines.begin(), sheet.lines.end(),
                                    [&](const Line& l) {
                                        return std::abs(l.a.y - y) < 0.01 &&
                                               std::abs(l.b.y - y) < 0.01 &&
                                               std::min(l.a.x, l.b.x) < o->x - 0.2 * kPt &&
                                               std::max(l.a.x, l.b.x) > o->x + 0.2 * kPt;
                                    }))
                << "no mark for " << height << " in. at " << direction;
        }
    }
    // The kerf's sides, as long as the opening at the final height.
    const auto sideAt = [&](double x) {
        return std::any_of(sheet.lines.begin(), sheet.lines.end(), [&](const Line& l) {
            return std::abs(l.a.x - x) < 0.01 && std::abs(l.b.x - x) < 0.01 &&
                   std::abs(l.length() - opening(0.625) * kPt) < 0.01;
        });
    };
    EXPECT_TRUE(sideAt(o->x - s.kerf / 2 * kPt));
    EXPECT_TRUE(sideAt(o->x + s.kerf / 2 * kPt));
}

TEST_P(OneSheet, PrintsTheDistancesBesideTheirLines) {
    const CoveSetup& s = GetParam().setup;
    const SawPlan plan = planFor(s, kLargeWidth, kLargeHeight);
    const SheetsPrinter printer = printed(plan, layOutSawPlan(plan));
    const Sheet& sheet = printer.sheets[0];
    const double d = fenceDistance(s);
    const double theta = radians(s.angle);
    EXPECT_TRUE(hasText(sheet, decimalInches(d) + " square to the fence"));
    EXPECT_TRUE(hasText(sheet, decimalInches(d / std::sin(theta))));
    // The mark square to the blade where the drawn fence reaches it.
    const double squareMark = d / std::cos(theta);
    const bool reached = squareMark * std::sin(theta) <= (s.board - d) / std::tan(theta) + 4.0;
    EXPECT_EQ(hasText(sheet, "fence crosses here, " + decimalInches(squareMark)), reached);
    EXPECT_TRUE(hasText(sheet, "row 1, column 1 of 1 x 1"));
    EXPECT_TRUE(hasText(sheet, plan.texts.fenceFace));
    EXPECT_TRUE(hasText(sheet, plan.texts.centrePoint));
    EXPECT_TRUE(hasText(sheet, plan.notes[0]));
}

INSTANTIATE_TEST_SUITE_P(
    Setups, OneSheet,
    testing::Values(OneSheetRow{"WorkedExample", {36.8, 4.5, 3, std::nullopt, 0.125}},
                    OneSheetRow{"TenDegrees", {10, 3, 0.84, std::nullopt, 0}},
                    OneSheetRow{"FortyFiveOffset", {45, 5, 3.5, 0.5, 0.125}},
                    OneSheetRow{
                        "SixtyMirrored",
                        {60, 5.5, 4.25, std::nullopt, 0.125, FenceSlant::FrontRightToBackLeft}},
                    OneSheetRow{"EightyOffsetFar", {80, 6, 4.77, 0.9, 0}},
                    OneSheetRow{"TwentyMirroredOffset",
                                {20, 4, 1.6, 1.75, 0.125, FenceSlant::FrontRightToBackLeft}}),
    rowName<OneSheetRow>);

// ---- over several sheets -------------------------------------------------------------

struct TiledRow {
    const char* name;
    CoveSetup setup;
    double width, height;  // printable area, points
};

class Tiled : public testing::TestWithParam<TiledRow> {};

// A point on a sheet on the table, in inches: the inverse of where the sheet puts it.
TablePoint onTable(const PlanSheet& sheet, PagePoint p) {
    return {sheet.topLeft.x + (p.x - sheet.window.left) / kPt,
            sheet.topLeft.y - (p.y - sheet.window.top) / kPt};
}

// A sheet's lines that lie in the part of the table `box` covers, cut to it, on the table.
// Lines along the window's edges and the glue lines are the joining marks, not the drawing.
std::vector<Line> drawingIn(const Sheet& drawn, const PlanSheet& sheet, const ClipBox& box) {
    std::vector<Line> pieces;
    const PageBox& w = sheet.window;
    const auto mark = [&](const Line& l) {
        const auto along = [](double a, double b, double at) {
            return std::abs(a - at) < 0.01 && std::abs(b - at) < 0.01;
        };
        return along(l.a.x, l.b.x, w.left) || along(l.a.y, l.b.y, w.top) ||
               along(l.a.x, l.b.x, w.right - kSheetOverlap) ||
               along(l.a.y, l.b.y, w.bottom - kSheetOverlap);
    };
    for (const Line& l : drawn.lines) {
        if (mark(l) || l.a.y > w.bottom + 0.01 || l.b.y > w.bottom + 0.01) continue;
        const TablePoint a = onTable(sheet, l.a);
        const TablePoint b = onTable(sheet, l.b);
        if (const auto part = clipSegment({a.x, a.y, b.x, b.y}, box)) {
            if (std::hypot(part->x2 - part->x1, part->y2 - part->y1) > 0.02) {
                pieces.push_back({{part->x1, part->y1}, {part->x2, part->y2}});
            }
        }
    }
    return pieces;
}

// Every piece of one sheet's drawing in the overlap is on the other sheet too.
// Returns how many pieces it compared.
std::size_t expectTheSameDrawing(const std::vector<Line>& mine, const std::vector<Line>& theirs,
                                 const std::string& where) {
    for (const Line& l : mine) {
        const bool found = std::any_of(theirs.begin(), theirs.end(), [&](const Line& m) {
            const auto near = [](PagePoint p, PagePoint q) {
                return arcwright::length(p - q) < 0.003;
            };
            return (near(l.a, m.a) && near(l.b, m.b)) || (near(l.a, m.b) && near(l.b, m.a));
        });
        EXPECT_TRUE(found) << where << ": (" << l.a.x << ", " << l.a.y << ") to (" << l.b.x << ", "
                           << l.b.y << ") does not run on";
    }
    return mine.size();
}

// Sheet b, right of or below sheet a: the overlap is at least 1/2 in., b's cut line lies
// along its window's edge, a's glue line where b's cut edge lands, and the drawing in the
// overlap is the same on both. Returns how many pieces of the drawing it compared.
std::size_t expectJoined(const PlanSheet& a, const Sheet& drawnA, const PlanSheet& b,
                         const Sheet& drawnB, bool across) {
    const TablePoint aFar = onTable(a, {a.window.right, a.window.bottom});
    const TablePoint bFar = onTable(b, {b.window.right, b.window.bottom});
    EXPECT_GE(across ? aFar.x - b.topLeft.x : b.topLeft.y - aFar.y, 0.5 - 1e-9);
    // Along x for a neighbour to the right, along y for one below.
    const auto at = [across](PagePoint p) { return across ? p.x : p.y; };
    const double glue = across ? a.window.left + (b.topLeft.x - a.topLeft.x) * kPt
                               : a.window.top + (a.topLeft.y - b.topLeft.y) * kPt;
    EXPECT_GT(std::count_if(drawnA.lines.begin(), drawnA.lines.end(),
                            [&](const Line& l) {
                                return std::abs(at(l.a) - glue) < 0.01 &&
                                       std::abs(at(l.b) - glue) < 0.01;
                            }),
              10);
    const double cut = across ? b.window.left : b.window.top;
    const double span = across ? b.window.height() : b.window.width();
    EXPECT_TRUE(std::any_of(drawnB.lines.begin(), drawnB.lines.end(), [&](const Line& l) {
        return std::abs(at(l.a) - cut) < 0.01 && std::abs(at(l.b) - cut) < 0.01 &&
               l.length() > span - 0.01;
    })) << "no cut line";
    const ClipBox strip =
        across ? ClipBox{b.topLeft.x + 0.01, std::max(aFar.y, bFar.y), aFar.x - 0.01, a.topLeft.y}
               : ClipBox{std::max(a.topLeft.x, b.topLeft.x), aFar.y + 0.01,
                         std::min(aFar.x, bFar.x), b.topLeft.y - 0.01};
    const std::string where = "row " + std::to_string(a.row) + ", column " +
                              std::to_string(a.column) + (across ? ", right" : ", below");
    return expectTheSameDrawing(drawingIn(drawnA, a, strip), drawingIn(drawnB, b, strip), where) +
           expectTheSameDrawing(drawingIn(drawnB, b, strip), drawingIn(drawnA, a, strip), where);
}

TEST_P(Tiled, SheetsOverlapAndTheirLinesRunOn) {
    const TiledRow& row = GetParam();
    const SawPlan plan = planFor(row.setup, row.width, row.height);
    const SawPlanLayout layout = layOutSawPlan(plan);
    ASSERT_EQ(layout.fit, PlanFit::Fits);
    ASSERT_GT(layout.sheets.size(), 1u);
    // A place of the grid that shows none of the drawing has no sheet; the rest come row
    // by row.
    ASSERT_LE(layout.sheets.size(), static_cast<std::size_t>(layout.rows * layout.columns));
    const SheetsPrinter printer = printed(plan, layout);
    ASSERT_EQ(printer.sheets.size(), layout.sheets.size());
    expectOnThePage(printer, row.width, row.height);

    std::size_t compared = 0;  // some strips hold nothing of the drawing; not all of them
    const auto index = [&](int r, int c) -> std::optional<std::size_t> {
        for (std::size_t i = 0; i < layout.sheets.size(); ++i) {
            if (layout.sheets[i].row == r && layout.sheets[i].column == c) return i;
        }
        return std::nullopt;
    };
    for (std::size_t i = 0; i < layout.sheets.size(); ++i) {
        const PlanSheet& a = layout.sheets[i];
        if (i > 0) {
            const PlanSheet& before = layout.sheets[i - 1];
            ASSERT_LT(before.row * layout.columns + before.column,
                      a.row * layout.columns + a.column);
        }
        for (const bool across : {true, false}) {
            const auto next = index(a.row + (across ? 0 : 1), a.column + (across ? 1 : 0));
            EXPECT_EQ(next.has_value(), across ? a.neighbourRight : a.neighbourBelow);
            if (!next) continue;
            compared += expectJoined(a, printer.sheets[i], layout.sheets[*next],
                                     printer.sheets[*next], across);
        }
    }
    EXPECT_GT(compared, 20u);
}

// The sheet lined up with the blade shows the centre point's cross whole, away from the
// seams where sheets are glued over each other.
TEST_P(Tiled, SomeSheetShowsTheWholeCentrePoint) {
    const TiledRow& row = GetParam();
    const SawPlan plan = planFor(row.setup, row.width, row.height);
    const SawPlanLayout layout = layOutSawPlan(plan);
    const SheetsPrinter printer = printed(plan, layout);
    const auto whole =
        std::count_if(printer.sheets.begin(), printer.sheets.end(),
                      [](const Sheet& sheet) { return centrePoint(sheet).has_value(); });
    EXPECT_GE(whole, 1);
}

// No line of the drawing, its hatching or the joining marks runs through a label's words:
// a label finds a clear place on the sheet or stays off it.
TEST_P(Tiled, NoLineThroughALabel) {
    const TiledRow& row = GetParam();
    const SawPlan plan = planFor(row.setup, row.width, row.height);
    const SawPlanLayout layout = layOutSawPlan(plan);
    const SheetsPrinter printer = printed(plan, layout);
    std::size_t labels = 0;
    for (std::size_t i = 0; i < layout.sheets.size(); ++i) {
        const PageBox& w = layout.sheets[i].window;
        for (const PrintedText& text : printer.sheets[i].texts) {
            if (text.at.y >= w.bottom) continue;  // the footer's
            ++labels;
            // The words' ink: the estimated width, the height of the capitals and descenders.
            const ClipBox ink{text.at.x, text.at.y + 1.0,
                              text.at.x + estimatedTextWidth(text.text, 8.0), text.at.y + 9.0};
            for (const Line& l : printer.sheets[i].lines) {
                EXPECT_FALSE(clipSegment({l.a.x, l.a.y, l.b.x, l.b.y}, ink))
                    << "row " << layout.sheets[i].row << ", column " << layout.sheets[i].column
                    << ": '" << text.text << "' crossed by (" << l.a.x << ", " << l.a.y << ") to ("
                    << l.b.x << ", " << l.b.y << ")";
            }
        }
    }
    EXPECT_GT(labels, layout.sheets.size());
}

TEST_P(Tiled, EverySheetHasItsKeyAndTrueCheckSquares) {
    const TiledRow& row = GetParam();
    const SawPlan plan = planFor(row.setup, row.width, row.height);
    const SawPlanLayout layout = layOutSawPlan(plan);
    const SheetsPrinter printer = printed(plan, layout);
    std::set<std::string> keys;
    for (std::size_t i = 0; i < printer.sheets.size(); ++i) {
        const Sheet& sheet = printer.sheets[i];
        const PlanSheet& at = layout.sheets[i];
        const std::string key = "row " + std::to_string(at.row) + ", column " +
                                std::to_string(at.column) + " of " + std::to_string(layout.rows) +
                                " x " + std::to_string(layout.columns);
        EXPECT_TRUE(hasText(sheet, key)) << key;
        keys.insert(key);
        const std::vector<double> sides = squares(sheet);
        const auto near = [&](double side) {
            return std::any_of(sides.begin(), sides.end(),
                               [&](double s) { return std::abs(s - side) < 0.003 * kPt; });
        };
        EXPECT_TRUE(near(kPt)) << key << ": no 1-in. square";
        EXPECT_TRUE(near(25.0 / 25.4 * kPt)) << key << ": no 25-mm square";
        EXPECT_TRUE(hasText(sheet, plan.texts.assembly.substr(0, 20)));
    }
    EXPECT_EQ(keys.size(), printer.sheets.size());
}

constexpr double kLetterWidth = 8.0 * kPt;
constexpr double kLetterHeight = 10.5 * kPt;

INSTANTIATE_TEST_SUITE_P(
    Setups, Tiled,
    testing::Values(
        TiledRow{"WorkedExampleLetter",
                 {36.8, 4.5, 3, std::nullopt, 0.125},
                 kLetterWidth,
                 kLetterHeight},
        TiledRow{"TenDegreesLetter", {10, 3, 0.84, std::nullopt, 0}, kLetterWidth, kLetterHeight},
        TiledRow{"EightyDegreesWideA4", {80, 8, 4.77, 1.5, 0.125}, 595.0 - 36, 842.0 - 36},
        TiledRow{"SmallPaper", {45, 4, 3, std::nullopt, 0.125}, 4.0 * kPt, 5.0 * kPt}),
    rowName<TiledRow>);

// ---- what does not fit, or has no fence ----------------------------------------------

struct LimitRow {
    const char* name;
    CoveSetup setup;
    double width, height;
    PlanFit fit;
    bool cutShort;
};

class Limits : public testing::TestWithParam<LimitRow> {};

TEST_P(Limits, SaysWhyAndDrawsNothingOffThePage) {
    const LimitRow& row = GetParam();
    const SawPlan plan = planFor(row.setup, row.width, row.height);
    const SawPlanLayout layout = layOutSawPlan(plan);
    EXPECT_EQ(layout.fit, row.fit);
    EXPECT_EQ(layout.cutShort, row.cutShort);
    EXPECT_EQ(layout.sheets.empty(), row.fit != PlanFit::Fits);
    EXPECT_LE(layout.sheets.size(), kMostPlanSheets);
    const SheetsPrinter printer = printed(plan, layout);
    expectOnThePage(printer, row.width, row.height);
    if (row.fit != PlanFit::Fits) {
        // Asked for a sheet it does not have, it draws nothing.
        SheetsPrinter again;
        drawSawPlanSheet(again, plan, layout, 0);
        EXPECT_TRUE(again.sheets[0].lines.empty());
        EXPECT_TRUE(again.sheets[0].texts.empty());
    }
    if (row.cutShort && row.fit == PlanFit::Fits) {
        EXPECT_TRUE(hasText(printer.sheets[0], "The plan stops " + decimalInches(36.0)));
    }
}

// A printer that takes fewer pages than the plan has: it says so, and draws no sheet on a
// page it did not start.
TEST(Limits, APrinterOfFewerPagesIsToldOff) {
    const SawPlan plan = planFor({10, 3, 0.84, std::nullopt, 0}, kLetterWidth, kLetterHeight);
    const SawPlanLayout layout = layOutSawPlan(plan);
    ASSERT_GT(layout.sheets.size(), 2u);
    SheetsPrinter onePage;
    onePage.pagesItTakes = 1;
    EXPECT_FALSE(printSawPlanSheets(onePage, plan, layout));
    EXPECT_EQ(onePage.sheets.size(), 1u);
    EXPECT_TRUE(onePage.sheets[0].lines.empty());
    SheetsPrinter threePages;
    threePages.pagesItTakes = 3;
    EXPECT_FALSE(printSawPlanSheets(threePages, plan, layout));
    EXPECT_EQ(threePages.sheets.size(), 3u);
}

INSTANTIATE_TEST_SUITE_P(
    Setups, Limits,
    testing::Values(
        LimitRow{"Fits",
                 {45, 4, 3, std::nullopt, 0.125},
                 kLargeWidth,
                 kLargeHeight,
                 PlanFit::Fits,
                 false},
        // Nearly along the blade the board's edges cross the blade line far off.
        LimitRow{"TwoDegreesStopsAtThirtySixInches",
                 {2, 3, 0.3, std::nullopt, 0},
                 kLargeWidth,
                 80 * kPt,
                 PlanFit::Fits,
                 true},
        LimitRow{"NoAngle",
                 {kNan, 4, 3, std::nullopt, 0.125},
                 kLetterWidth,
                 kLetterHeight,
                 PlanFit::NoFence,
                 false},
        LimitRow{"PastSquare",
                 {95, 4, 3, std::nullopt, 0.125},
                 kLetterWidth,
                 kLetterHeight,
                 PlanFit::NoFence,
                 false},
        LimitRow{"TinyPaper",
                 {45, 4, 3, std::nullopt, 0.125},
                 2 * kPt,
                 3 * kPt,
                 PlanFit::PageTooSmall,
                 false},
        LimitRow{
            "NoPaper", {45, 4, 3, std::nullopt, 0.125}, kNan, 0.0, PlanFit::PageTooSmall, false},
        LimitRow{"ThousandsOfSheets",
                 {5, 8, 1, std::nullopt, 0.125},
                 3.5 * kPt,
                 6.0 * kPt,
                 PlanFit::TooManySheets,
                 true},
        LimitRow{"NoBoardWidth",
                 {45, kNan, 3, std::nullopt, 0.125},
                 kLargeWidth,
                 kLargeHeight,
                 PlanFit::NoFence,
                 false}),
    rowName<LimitRow>);

}  // namespace
}  // namespace arcwright
