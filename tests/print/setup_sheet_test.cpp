// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/setup_sheet.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace arcwright {
namespace {

using Quad = std::array<float, 4>;

// Logs every call; the outline's lines go to their own list and show once in the log.
struct RecordingPrinter : SheetPrinter {
    void setUnitPoints() override { log.push_back("unit points"); }
    void setFontName(std::string_view f) override { log.push_back("font " + std::string(f)); }
    void setFontSize(double p) override { log.push_back("size " + std::to_string(int(p))); }
    void setEmphasis(bool on) override { log.push_back(on ? "emphasis on" : "emphasis off"); }
    void setTextPosition(float x, float y) override {
        log.push_back("at " + std::to_string(int(x)) + "," + std::to_string(int(y)));
    }
    using SheetPrinter::drawLine;
    void drawLine(float x1, float y1, float x2, float y2, std::optional<Rgb>) override {
        if (lines.empty()) log.push_back("outline");
        lines.push_back({x1, y1, x2, y2});
    }
    void drawRectangle(float x1, float y1, float x2, float y2) override {
        log.push_back("board");
        boards.push_back({x1, y1, x2, y2});
    }
    void printText(std::string_view text, bool lineBreak) override {
        log.push_back(std::string(text) + (lineBreak ? "|" : ""));
    }
    bool endDocument() override {
        log.push_back("end");
        return jobSent;
    }
    std::vector<std::string> log;
    std::vector<Quad> lines, boards;
    bool jobSent = true;
};

// The start-up board: 100 levels of a 10 in. blade at 45 degrees raised 0.5 in.
struct StartUp {
    StartUp() {
        double h = 0.5;
        for (std::size_t n = 1; n <= 100; ++n, h += -0.005) {
            widths[n] = std::sin(45 * 3.141592654 / 180) * std::sqrt((4 * h) * (10 - h));
        }
        values = {4, 0.75, 45, 0.5, 3.082, 3, 1, 16, "+ in.", 16, 100, &widths};
    }
    LevelTable widths{};
    SheetValues values;
};

TEST(SetupSheet, PrintsTheStartUpSheetInOrder) {
    StartUp s;
    RecordingPrinter printer;
    printer.jobSent = false;
    EXPECT_FALSE(printSetupSheet(printer, s.values));  // a failed job is reported
    const std::vector<std::string> expected = {"unit points",
                                               "font Times New Roman",
                                               "size 15",
                                               "board",
                                               "outline",
                                               "at 10,180",
                                               "emphasis on",
                                               "Arcwright 1.0|",
                                               "emphasis off",
                                               "size 8",
                                               "     By Verrow|",
                                               "size 15",
                                               "|",
                                               "Board width = 4. in.|",
                                               "|",
                                               "Board thickness = 0.75 in.|",
                                               "|",
                                               "Board angle to saw blade =45°|",
                                               "|",
                                               "Blade height =0.5 in.|",
                                               "|",
                                               "Cut width =3.082 in. ( 3 1/16+ in. )|",
                                               "Resolution was set to:  16 |",
                                               "end"};
    EXPECT_EQ(printer.log, expected);
}

TEST(SetupSheet, DrawsTheStartUpBoardFullSize) {
    StartUp s;
    RecordingPrinter printer;
    printSetupSheet(printer, s.values);
    EXPECT_EQ(printer.boards, (std::vector<Quad>{{0, 0, 288, 54}}));

    const auto& lines = printer.lines;
    ASSERT_EQ(lines.size(), 200U);
    EXPECT_NEAR(lines[0][0], 33.04, 0.005);  // left mouth, a level step inside the face
    EXPECT_FLOAT_EQ(lines[0][1], 53.64F);
    EXPECT_EQ(lines[99][2], 144.0F);  // apex on the centre line, one level past the last
    EXPECT_FLOAT_EQ(lines[99][3], 17.64F);
    for (std::size_t k = 0; k < lines.size(); ++k) {
        // One unbroken outline whose right flank mirrors the left, level for level.
        if (k > 0) {
            EXPECT_EQ(lines[k][0], lines[k - 1][2]) << k;
            EXPECT_EQ(lines[k][1], lines[k - 1][3]) << k;
        }
        EXPECT_NEAR(lines[k][0] + lines[199 - k][2], 288.0, 1e-4) << k;
        EXPECT_EQ(lines[k][1], lines[199 - k][3]) << k;
    }
}

struct LineCase {
    const char* name;
    std::function<void(SheetValues&)> change;
    std::size_t line;  // as numbered on the sheet
    const char* expected;
};

class SheetLineTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(SheetLineTest, ReadsAsPrinted) {
    StartUp s;
    GetParam().change(s.values);
    EXPECT_EQ(sheetLines(s.values)[GetParam().line - 1], GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Variants, SheetLineTest,
    ::testing::Values(LineCase{"TooWideEmptiesTheCut",
                               [](SheetValues& v) {
                                   v.cutWidth = v.cutWhole = v.cutNumerator = v.cutDenominator = 0;
                                   v.cutMark.clear();
                               },
                               12, "Cut width =0. in. (  / )"},
                      LineCase{"ExactlyTwoInches",
                               [](SheetValues& v) {
                                   v.cutWidth = v.cutWhole = 2;
                                   v.cutNumerator = v.cutDenominator = 0;
                                   v.cutMark = " in.";
                               },
                               12, "Cut width =2. in. ( 2 / in. )"},
                      LineCase{"AngleBelowTen", [](SheetValues& v) { v.boardAngle = 5; }, 8,
                               "Board angle to saw blade =05°"},
                      LineCase{"WidthUnderAnInch", [](SheetValues& v) { v.boardWidth = 0.5; }, 4,
                               "Board width = .5 in."},
                      LineCase{"WholeInchThickness", [](SheetValues& v) { v.boardThickness = 1; },
                               6, "Board thickness = 1. in."},
                      LineCase{"ThirtySeconds", [](SheetValues& v) { v.minFraction = 32; }, 13,
                               "Resolution was set to:  32 "}),
    [](const auto& info) { return std::string(info.param.name); });

struct DrawCase {
    const char* name;
    std::function<void(SheetValues&, LevelTable&)> change;
    std::size_t boards, lines;
};

class SheetDrawingTest : public ::testing::TestWithParam<DrawCase> {};

TEST_P(SheetDrawingTest, DrawsWhatFitsAndAlwaysPrintsTheText) {
    StartUp s;
    GetParam().change(s.values, s.widths);
    RecordingPrinter printer;
    printSetupSheet(printer, s.values);
    EXPECT_EQ(printer.boards.size(), GetParam().boards);
    ASSERT_EQ(printer.lines.size(), GetParam().lines);
    EXPECT_EQ(printer.log.back(), "end");
    EXPECT_EQ(printer.log[printer.log.size() - 2], "Resolution was set to:  16 |");
    for (const Quad& q : printer.lines) {
        for (float c : q) EXPECT_TRUE(std::isfinite(c));
    }
    // Deep coves: the apex still sits on the centre line, whatever lies past the last level.
    if (!printer.lines.empty() && s.values.pointCount >= 100) {
        EXPECT_EQ(printer.lines[printer.lines.size() / 2 - 1][2],
                  static_cast<float>(36 * s.values.boardWidth));
    }
}

// Fills every level (and all the table past it) with a 1 in. wide cut.
void levels(SheetValues& v, LevelTable& w, int n) {
    w.fill(1.0);
    v.pointCount = n;
}

INSTANTIATE_TEST_SUITE_P(
    Outline, SheetDrawingTest,
    ::testing::Values(
        DrawCase{"NoLevels", [](SheetValues& v, LevelTable& w) { levels(v, w, 0); }, 1, 0},
        DrawCase{"OneLevel", [](SheetValues& v, LevelTable& w) { levels(v, w, 1); }, 1, 2},
        DrawCase{"FiveHundredLevels", [](SheetValues& v, LevelTable& w) { levels(v, w, 500); }, 1,
                 1000},
        DrawCase{"ThousandLevels", [](SheetValues& v, LevelTable& w) { levels(v, w, 1000); }, 1,
                 2000},
        DrawCase{"CountPastTheTable", [](SheetValues& v, LevelTable& w) { levels(v, w, 1500); }, 1,
                 2000},
        DrawCase{"NoTable", [](SheetValues& v, LevelTable&) { v.profileWidth = nullptr; }, 1, 0},
        DrawCase{"HugeWidth", [](SheetValues& v, LevelTable&) { v.boardWidth = 1e39; }, 0, 0},
        // 72 times the width is out of single range, 72 times the half width is not.
        DrawCase{"BoardTooWideCoveFits", [](SheetValues& v, LevelTable&) { v.boardWidth = 6e36; },
                 0, 200},
        DrawCase{"HugeThickness", [](SheetValues& v, LevelTable&) { v.boardThickness = 1e37; }, 0,
                 0},
        // A bad level loses only the four lines that touch its two points.
        DrawCase{"NaNLevel",
                 [](SheetValues& v, LevelTable& w) {
                     v.pointCount = 5;
                     w[3] = std::nan("");
                 },
                 1, 6}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace arcwright
