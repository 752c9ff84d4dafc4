// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/fence_template.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <functional>
#include <limits>
#include <numbers>
#include <string>
#include <vector>

namespace arcwright {
namespace {

using Quad = std::array<float, 4>;

struct PrintedText {
    float x, y;
    double size;
    std::string text;
};

struct RecordingPrinter : SheetPrinter {
    void setUnitPoints() override {}
    void setFontName(std::string_view) override {}
    void setFontSize(double points) override { size = points; }
    void setEmphasis(bool) override {}
    void setTextPosition(float x, float y) override { at = {x, y}; }
    using SheetPrinter::drawLine;
    void drawLine(float x1, float y1, float x2, float y2, std::optional<Rgb>) override {
        lines.push_back({x1, y1, x2, y2});
    }
    void drawRectangle(float x1, float y1, float x2, float y2) override {
        lines.push_back({x1, y1, x2, y2});
    }
    void printText(std::string_view text, bool) override {
        texts.push_back({at[0], at[1], size, std::string(text)});
    }
    bool endDocument() override {
        ++ends;
        return true;
    }

    std::string allText() const {
        std::string all;
        for (const auto& t : texts) all += t.text + " ";
        return all;
    }
    bool printed(const std::string& text) const {
        return std::any_of(texts.begin(), texts.end(),
                           [&](const auto& t) { return t.text == text; });
    }

    double size = 0.0;
    std::array<float, 2> at{};
    std::vector<Quad> lines;
    std::vector<PrintedText> texts;
    int ends = 0;
};

struct Page {
    const char* name;
    double width, height;  // printable area, points
};
// Both papers with a quarter inch margin all round.
constexpr Page kLetter{"Letter", 8.0 * 72, 10.5 * 72};
constexpr Page kA4{"A4", 595.0 - 36, 842.0 - 36};

std::string decimalInches(double inches) {
    char text[64];
    std::snprintf(text, sizeof text, "%.4f in.", inches);
    return text;
}

// A 3 in. cove 5/8 in. deep in a 4 x 3/4 in. board: a round hollow with a flat bottom as
// a 1/8 in. kerf leaves it.
FenceTemplate covePage(double theta, const Page& page) {
    FenceTemplate t;
    t.fenceAngle = theta;
    t.boardWidth = 4.0;
    t.boardThickness = 0.75;
    const double halfFlat = 0.125 * std::cos(theta * std::numbers::pi / 180.0) / 2.0;
    const auto depthAt = [&](double x) {
        const double s = std::max(0.0, std::abs(x - 2.0) - halfFlat) / (1.5 - halfFlat);
        return 0.625 * (1.0 - s * s);
    };
    for (int i = 0; i <= 10; ++i) {
        const double x = 0.5 + i * (1.5 - halfFlat) / 10;
        t.coveOutline.push_back({x - 2.0, depthAt(x)});
    }
    for (int i = 10; i >= 0; --i) {
        const double x = 3.5 - i * (1.5 - halfFlat) / 10;
        t.coveOutline.push_back({x - 2.0, depthAt(x)});
    }
    t.pageWidth = page.width;
    t.pageHeight = page.height;
    t.setupLines = {"Cove 3 in. wide, 5/8 in. deep", "Board 4 in. x 3/4 in.",
                    "Blade 10 in., kerf 1/8 in.", "Fence at 36.8° to the blade (53.2°)",
                    "Wood each side 1/2 in."};
    t.passTable.push_back({"Pass", "Blade height", "Cove width"});
    for (int pass = 1; pass <= 10; ++pass) {
        t.passTable.push_back(
            {std::to_string(pass), std::to_string(pass) + "/16 in.", decimalInches(0.3 * pass)});
    }
    t.length = decimalInches;
    return t;
}

double distance(double x1, double y1, double x2, double y2) {
    return std::hypot(x2 - x1, y2 - y1);
}

// The drawn line between two corners, in either direction.
std::optional<Quad> drawnEdge(const RecordingPrinter& printer, PagePoint a, PagePoint b) {
    for (const Quad& q : printer.lines) {
        if (distance(q[0], q[1], a.x, a.y) < 1e-3 && distance(q[2], q[3], b.x, b.y) < 1e-3)
            return q;
        if (distance(q[0], q[1], b.x, b.y) < 1e-3 && distance(q[2], q[3], a.x, a.y) < 1e-3) {
            return Quad{q[2], q[3], q[0], q[1]};
        }
    }
    return std::nullopt;
}

// The angle at the common start of two lines, in degrees.
double angleBetween(const Quad& p, const Quad& q) {
    const double a = std::atan2(p[3] - p[1], p[2] - p[0]);
    const double b = std::atan2(q[3] - q[1], q[2] - q[0]);
    double d = std::abs(a - b) * 180.0 / std::numbers::pi;
    return d > 180.0 ? 360.0 - d : d;
}

double lengthOf(const Quad& q) {
    return distance(q[0], q[1], q[2], q[3]);
}

// A printed length within a ten-thousandth of an inch of the drawn one.
bool lengthPrinted(const RecordingPrinter& printer, double points) {
    return std::any_of(printer.texts.begin(), printer.texts.end(), [&](const PrintedText& t) {
        double inches = 0.0;
        return std::sscanf(t.text.c_str(), "%lf in.", &inches) == 1 &&
               t.text.find(" in.") != std::string::npos && std::abs(inches - points / 72) < 1.5e-4;
    });
}

void expectEverythingOnThePage(const RecordingPrinter& printer, const Page& page) {
    for (const Quad& q : printer.lines) {
        for (int i = 0; i < 4; ++i) ASSERT_TRUE(std::isfinite(q[i]));
        EXPECT_GE(std::min(q[0], q[2]), -1e-3);
        EXPECT_LE(std::max(q[0], q[2]), page.width + 1e-3);
        EXPECT_GE(std::min(q[1], q[3]), -1e-3);
        EXPECT_LE(std::max(q[1], q[3]), page.height + 1e-3);
    }
    for (const PrintedText& t : printer.texts) {
        ASSERT_TRUE(std::isfinite(t.x) && std::isfinite(t.y)) << t.text;
    }
}

struct TriangleCase {
    double theta;
    Page page;
};

class SetupTriangleTest : public ::testing::TestWithParam<TriangleCase> {};

TEST_P(SetupTriangleTest, MeasuresTrueAndFitsThePage) {
    const auto [theta, page] = GetParam();
    const FenceTemplate t = covePage(theta, page);
    RecordingPrinter printer;
    EXPECT_TRUE(printFenceTemplate(printer, t));
    EXPECT_EQ(printer.ends, 1);
    const auto layout = layOutFenceTemplate(t);
    ASSERT_TRUE(layout.triangle);
    const SetupTriangle& corners = *layout.triangle;

    const auto fenceLeg = drawnEdge(printer, corners.fenceEnd, corners.rightAngle);
    const auto fence = drawnEdge(printer, corners.fenceEnd, corners.acrossEnd);
    const auto acrossLeg = drawnEdge(printer, corners.rightAngle, corners.acrossEnd);
    ASSERT_TRUE(fenceLeg && fence && acrossLeg);
    const auto fenceLegFromCorner = drawnEdge(printer, corners.rightAngle, corners.fenceEnd);

    EXPECT_NEAR(angleBetween(*fenceLeg, *fence), theta, 0.01);
    EXPECT_NEAR(angleBetween(*fenceLegFromCorner, *acrossLeg), 90.0, 0.01);
    // The fence leg runs straight along or across the page, to lie against the rip fence.
    EXPECT_TRUE(corners.rightAngle.x == corners.fenceEnd.x ||
                corners.rightAngle.y == corners.fenceEnd.y);

    for (const Quad* edge : {&*fenceLeg, &*fence, &*acrossLeg}) {
        EXPECT_TRUE(lengthPrinted(printer, lengthOf(*edge))) << lengthOf(*edge) / 72;
    }
    // Large enough that half a degree shows: the fence edge spans most of the page.
    EXPECT_GT(lengthOf(*fence), 0.6 * std::max(page.width, page.height));
    expectEverythingOnThePage(printer, page);

    char degrees[32];
    std::snprintf(degrees, sizeof degrees, "%.1f°", theta);
    EXPECT_TRUE(printer.printed(std::string("fence ") + degrees));
    EXPECT_TRUE(printer.printed(degrees));
    std::snprintf(degrees, sizeof degrees, "%.1f°", 90.0 - theta);
    EXPECT_TRUE(printer.printed(degrees));
}

TEST_P(SetupTriangleTest, KeepsTheTextClearAndComplete) {
    const auto [theta, page] = GetParam();
    const FenceTemplate t = covePage(theta, page);
    RecordingPrinter printer;
    printFenceTemplate(printer, t);
    const std::string all = printer.allText();
    for (const auto& line : t.setupLines) EXPECT_TRUE(printer.printed(line)) << line;
    for (const auto& row : t.passTable) {
        for (const auto& cell : row) EXPECT_TRUE(printer.printed(cell)) << cell;
    }
    for (const std::string& fixed : {t.texts.title, t.texts.fenceLeg, t.texts.acrossLeg}) {
        EXPECT_NE(all.find(fixed), std::string::npos) << fixed;
    }
    // No text of the block starts inside the triangle.
    const auto layout = layOutFenceTemplate(t);
    ASSERT_TRUE(layout.triangle);
    const SetupTriangle& c = *layout.triangle;
    for (const PrintedText& text : printer.texts) {
        if (text.size != layout.textSize || text.y < layout.textTopLeft.y) continue;
        EXPECT_FALSE(insideTriangle({text.x, text.y}, c.rightAngle, c.fenceEnd, c.acrossEnd, 0.0))
            << text.text;
    }
}

std::vector<TriangleCase> triangleCases() {
    std::vector<TriangleCase> cases;
    for (const Page& page : {kLetter, kA4}) {
        for (double theta : {5.0, 20.0, 36.8, 45.0, 60.0, 85.0}) cases.push_back({theta, page});
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(AnglesAndPapers, SetupTriangleTest, ::testing::ValuesIn(triangleCases()),
                         [](const auto& info) {
                             std::string name = std::string(info.param.page.name) + "_" +
                                                std::to_string(int(info.param.theta * 10));
                             return name;
                         });

// The board end's two sides, as drawn: vertical lines from the back to the face.
std::vector<Quad> boardSides(const RecordingPrinter& printer, const FenceTemplateLayout& layout) {
    std::vector<Quad> sides;
    for (const Quad& q : printer.lines) {
        if (q[0] == q[2] && std::min(q[1], q[3]) == float(layout.boardTop) &&
            std::max(q[1], q[3]) == float(layout.boardFace)) {
            sides.push_back(q);
        }
    }
    return sides;
}

TEST(FenceTemplate, DrawsTheBoardEndFullSizeWithTheCoveInIt) {
    const FenceTemplate t = covePage(36.8, kLetter);
    RecordingPrinter printer;
    printFenceTemplate(printer, t);
    const auto layout = layOutFenceTemplate(t);
    const auto sides = boardSides(printer, layout);
    ASSERT_EQ(sides.size(), 2U);
    EXPECT_FLOAT_EQ(std::abs(sides[1][0] - sides[0][0]), 4 * 72);
    EXPECT_FLOAT_EQ(layout.boardFace - layout.boardTop, 0.75 * 72);
    EXPECT_FALSE(layout.boardCutOff);
    // The cove's flat bottom, 5/8 in. above the face, centred on the board.
    float apexY = float(layout.boardFace);
    for (const Quad& q : printer.lines) {
        if (q[1] > float(layout.boardTop)) apexY = std::min(apexY, q[1]);
    }
    float flatLeft = 1e9F;
    float flatRight = -1e9F;
    for (const Quad& q : printer.lines) {
        if (q[1] == apexY && q[3] == apexY) {
            flatLeft = std::min({flatLeft, q[0], q[2]});
            flatRight = std::max({flatRight, q[0], q[2]});
        }
    }
    EXPECT_NEAR(layout.boardFace - apexY, 0.625 * 72, 1e-3);
    EXPECT_NEAR((flatLeft + flatRight) / 2, layout.boardLeft + 2 * 72, 1e-3);
    EXPECT_NEAR(flatRight - flatLeft, 0.125 * std::cos(36.8 * std::numbers::pi / 180) * 72, 1e-3);
    EXPECT_FALSE(printer.printed(t.texts.boardCutOff));
}

TEST(FenceTemplate, CentresABoardTooWideForThePageOnItsCove) {
    FenceTemplate t = covePage(36.8, kLetter);
    t.boardWidth = 12.0;
    for (auto& p : t.coveOutline) p.x += 3.0;  // the cove 3 in. right of the board's middle
    RecordingPrinter printer;
    printFenceTemplate(printer, t);
    const auto layout = layOutFenceTemplate(t);
    EXPECT_TRUE(layout.boardCutOff);
    EXPECT_NEAR(layout.boardLeft + 9 * 72, kLetter.width / 2, 1e-9);
    EXPECT_NE(printer.allText().find(t.texts.boardCutOff.substr(0, 30)), std::string::npos);
    // The left side lies off the page, the right one 3 in. right of the cove's middle.
    const auto sides = boardSides(printer, layout);
    ASSERT_EQ(sides.size(), 1U);
    EXPECT_FLOAT_EQ(sides[0][0], kLetter.width / 2 + 3 * 72);
    expectEverythingOnThePage(printer, kLetter);
}

struct HostileCase {
    const char* name;
    std::function<void(FenceTemplate&)> change;
    bool triangle;
};

class HostileTemplateTest : public ::testing::TestWithParam<HostileCase> {};

TEST_P(HostileTemplateTest, PrintsTheTextAndOnlyFiniteLinesOnThePage) {
    FenceTemplate t = covePage(36.8, kLetter);
    GetParam().change(t);
    RecordingPrinter printer;
    EXPECT_TRUE(printFenceTemplate(printer, t));
    for (const auto& line : t.setupLines) EXPECT_TRUE(printer.printed(line)) << line;
    for (const auto& cell : t.passTable.front()) EXPECT_TRUE(printer.printed(cell)) << cell;
    for (const auto& cell : t.passTable.back()) EXPECT_TRUE(printer.printed(cell)) << cell;
    const Page page{"", std::isfinite(t.pageWidth) ? std::max(t.pageWidth, 0.0) : 0.0,
                    std::isfinite(t.pageHeight) ? std::max(t.pageHeight, 0.0) : 0.0};
    expectEverythingOnThePage(printer, page);
    EXPECT_EQ(layOutFenceTemplate(t).triangle.has_value(), GetParam().triangle);
    const bool omittedSaid =
        printer.allText().find(t.texts.triangleOmitted.substr(0, 20)) != std::string::npos;
    EXPECT_EQ(omittedSaid, !GetParam().triangle);
    for (const PrintedText& text : printer.texts) {
        EXPECT_EQ(text.text.find("nan"), std::string::npos) << text.text;
        EXPECT_EQ(text.text.find("inf"), std::string::npos) << text.text;
    }
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Inputs, HostileTemplateTest,
    ::testing::Values(
        HostileCase{"NaNAngle", [](FenceTemplate& t) { t.fenceAngle = kNaN; }, false},
        HostileCase{"ZeroAngle", [](FenceTemplate& t) { t.fenceAngle = 0; }, false},
        HostileCase{"RightAngle", [](FenceTemplate& t) { t.fenceAngle = 90; }, false},
        HostileCase{"NegativeAngle", [](FenceTemplate& t) { t.fenceAngle = -30; }, false},
        HostileCase{"HairOverZero", [](FenceTemplate& t) { t.fenceAngle = 0.01; }, true},
        HostileCase{"HairUnderNinety", [](FenceTemplate& t) { t.fenceAngle = 89.99; }, true},
        HostileCase{"HugeBoard", [](FenceTemplate& t) { t.boardWidth = 1e30; }, true},
        HostileCase{"HugeThickness", [](FenceTemplate& t) { t.boardThickness = 1e300; }, true},
        HostileCase{"InfiniteBoard",
                    [](FenceTemplate& t) { t.boardWidth = t.boardThickness = kInf; }, true},
        HostileCase{"NaNBoard", [](FenceTemplate& t) { t.boardWidth = kNaN; }, true},
        HostileCase{"HugeAndNaNOutline",
                    [](FenceTemplate& t) {
                        t.coveOutline[3] = {1e300, 1e300};
                        t.coveOutline[5] = {kNaN, 0.2};
                        t.coveOutline[7] = {-1e38, kInf};
                    },
                    true},
        HostileCase{"NoOutline", [](FenceTemplate& t) { t.coveOutline.clear(); }, true},
        HostileCase{"NoPage", [](FenceTemplate& t) { t.pageWidth = t.pageHeight = 0; }, false},
        HostileCase{"NaNPage", [](FenceTemplate& t) { t.pageWidth = t.pageHeight = kNaN; }, false},
        HostileCase{"IndexCardPage",
                    [](FenceTemplate& t) {
                        t.pageWidth = 3 * 72;
                        t.pageHeight = 5 * 72;
                    },
                    false},
        HostileCase{"ThousandPasses",
                    [](FenceTemplate& t) {
                        for (int i = 11; i <= 1000; ++i) t.passTable.push_back({std::to_string(i)});
                    },
                    false}),
    [](const auto& info) { return std::string(info.param.name); });

struct ScheduleCase {
    int passes;
    bool everyPass;  // or the first ones, a gap and the last
};

class PassScheduleTest : public ::testing::TestWithParam<ScheduleCase> {};

// A long schedule runs on in columns within the page; a longer one keeps its first passes
// and its last, the final blade height, and marks the gap.
TEST_P(PassScheduleTest, PrintsWithinThePage) {
    FenceTemplate t = covePage(36.8, kLetter);
    t.passTable.resize(1);
    for (int i = 1; i <= GetParam().passes; ++i) {
        t.passTable.push_back({"#" + std::to_string(i), decimalInches(i / 1000.0)});
    }
    RecordingPrinter printer;
    printFenceTemplate(printer, t);
    int shown = 0;
    for (const PrintedText& text : printer.texts) {
        if (!text.text.starts_with("#")) continue;
        ++shown;
        EXPECT_GE(text.x, 0) << text.text;
        EXPECT_LE(text.x, kLetter.width) << text.text;
        EXPECT_GE(text.y, 0) << text.text;
        EXPECT_LE(text.y + text.size, kLetter.height) << text.text;
    }
    for (const auto& heading : t.passTable.front()) EXPECT_TRUE(printer.printed(heading));
    if (GetParam().passes > 0) {
        EXPECT_TRUE(printer.printed("#1"));
        EXPECT_TRUE(printer.printed("#" + std::to_string(GetParam().passes)));
    }
    EXPECT_EQ(shown == GetParam().passes, GetParam().everyPass);
    EXPECT_EQ(printer.printed("\u2026"), !GetParam().everyPass);
}

INSTANTIATE_TEST_SUITE_P(Lengths, PassScheduleTest,
                         ::testing::Values(ScheduleCase{0, true}, ScheduleCase{1, true},
                                           ScheduleCase{10, true}, ScheduleCase{80, true},
                                           ScheduleCase{150, true}, ScheduleCase{5000, false}),
                         [](const auto& info) {
                             return std::to_string(info.param.passes) + "Passes";
                         });

TEST(FenceTemplate, PrintsOnlyTheCallersWording) {
    FenceTemplate t = covePage(36.8, kLetter);
    t.texts = {"T-title",  "T-end",      "T-cut",   "T-actual", "T-fence-leg",
               "T-across", "T-fence %1", "%1 grad", "T-omitted"};
    t.setupLines.clear();
    t.passTable.clear();
    t.boardWidth = 20;  // so the cut-off note shows too
    RecordingPrinter printer;
    printFenceTemplate(printer, t);
    for (const PrintedText& text : printer.texts) {
        const bool callers = text.text.starts_with("T-") || text.text.ends_with(" grad") ||
                             text.text.ends_with(" in.");
        EXPECT_TRUE(callers) << text.text;
    }
    EXPECT_TRUE(printer.printed("T-fence 36.8 grad"));
    EXPECT_TRUE(printer.printed("T-cut"));
}

}  // namespace
}  // namespace arcwright
