// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The planner's printed pages composed in the core from one call: the set-up page says how
// the plan fits the paper, the plan follows on its sheets, and every word on them goes
// through the front end's words.
#include "print/planned_pages.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "../plan/shouted_words.h"

namespace arcwright {
namespace {

using shouting::leaksEnglish;
using shouting::shouted;

struct Paper {
    double width, height;  // printable area, points
};
constexpr Paper kLetter{8.0 * 72, 10.5 * 72};
constexpr Paper kA4{595.0 - 36, 842.0 - 36};
constexpr Paper kCard{2.0 * 72, 2.0 * 72};

struct RecordingPrinter : SheetPrinter {
    explicit RecordingPrinter(Paper paper) : paper(paper) {}
    PageExtent printableArea() const override { return {paper.width, paper.height}; }
    void setUnitPoints() override {}
    void setFontName(std::string_view) override {}
    void setFontSize(double) override {}
    void setEmphasis(bool) override {}
    void setTextPosition(float, float) override {}
    using SheetPrinter::drawLine;
    void drawLine(float, float, float, float, std::optional<Rgb>) override {}
    void printText(std::string_view text, bool) override { pages.back().emplace_back(text); }
    bool newPage() override {
        pages.emplace_back();
        return true;
    }
    bool endDocument() override {
        ++ends;
        return true;
    }

    Paper paper;
    std::vector<std::vector<std::string>> pages{1};
    int ends = 0;
};

PlannerModel typed(std::vector<std::pair<PlanBox, const char*>> boxes,
                   LengthUnit unit = LengthUnit::Inch) {
    PlannerModel model;
    model.chooseUnit(unit);
    for (const auto& [box, text] : boxes) model.typeText(box, text);
    return model;
}

bool onPage(const std::vector<std::string>& page, const std::string& start) {
    for (const std::string& text : page) {
        if (text.rfind(start, 0) == 0) return true;
    }
    return false;
}

TEST(PlanSheetsLine, SaysHowThePlanFitsThePaper) {
    SawPlan plan;
    const auto layout = [](PlanFit fit, std::size_t sheets, int rows, int columns) {
        SawPlanLayout l;
        l.fit = fit;
        l.sheets.resize(sheets);
        l.rows = rows;
        l.columns = columns;
        return l;
    };
    const struct {
        SawPlanLayout layout;
        const char* line;
    } rows[] = {
        {layout(PlanFit::Fits, 1, 1, 1),
         "The full-size plan of the saw table follows on one sheet."},
        {layout(PlanFit::Fits, 5, 2, 3),
         "The full-size plan of the saw table follows on 5 sheets, 2 x 3."},
        {layout(PlanFit::PageTooSmall, 0, 0, 0),
         "This paper is too small for the full-size plan of the saw table."},
        {layout(PlanFit::TooManySheets, 0, 0, 0),
         "The full-size plan of the saw table would take more than 100 sheets of this paper: "
         "set the fence by its distances instead."},
        {layout(PlanFit::NoFence, 0, 0, 0), ""},
    };
    for (const auto& row : rows) EXPECT_EQ(planSheetsLine(plan, row.layout), row.line);
}

TEST(PlannedPages, PrintTheSetUpThenTheSheets) {
    using enum PlanBox;
    const std::vector<std::pair<PlanBox, const char*>> worked = {
        {CoveWidth, "3"}, {CoveDepth, "5/8"}, {BoardWidth, "4 1/2"}, {BoardThickness, "1 1/4"}};
    const auto plus = [&](std::vector<std::pair<PlanBox, const char*>> more) {
        more.insert(more.begin(), worked.begin(), worked.end());
        return more;
    };
    const struct {
        const char* name;
        PlannerModel model;
        Paper paper;
        const char* sheetsLine;  // the start of the set-up page's line; none without a fence
        bool tilted;
    } rows[] = {
        {"worked example, letter", typed(worked), kLetter, "The full-size plan", false},
        {"millimetres off centre, A4",
         typed({{CoveWidth, "76 mm"},
                {CoveDepth, "16 mm"},
                {BoardWidth, "114 mm"},
                {BoardThickness, "32 mm"},
                {CoveOffset, "10"}},
               LengthUnit::Millimetre),
         kA4, "The full-size plan", false},
        {"tilted", typed(plus({{Tilt, "30"}})), kLetter, "The full-size plan", true},
        {"card", typed(worked), kCard, "This paper is too small", false},
        {"cannot be cut", typed(plus({{BoardWidth, "2"}})), kLetter, nullptr, false},
    };
    for (const auto& row : rows) {
        RecordingPrinter printer(row.paper);
        const TemplatePages pages = plannedPages(row.model, english);
        EXPECT_TRUE(printPlannedPages(printer, pages)) << row.name;
        EXPECT_EQ(printer.ends, 1) << row.name;
        SawPlan plan = pages.plan;
        plan.pageWidth = row.paper.width;
        plan.pageHeight = row.paper.height;
        EXPECT_EQ(printer.pages.size(), 1 + layOutSawPlan(plan).sheets.size()) << row.name;
        const std::vector<std::string>& setUp = printer.pages.front();
        EXPECT_TRUE(onPage(setUp, "Cove set-up")) << row.name;
        EXPECT_EQ(row.sheetsLine != nullptr, row.sheetsLine && onPage(setUp, row.sheetsLine))
            << row.name;
        EXPECT_EQ(onPage(setUp, "Blade tilted 30.0° toward the fence"), row.tilted) << row.name;

        // The same pages in shouted words: no English reaches the paper around them.
        RecordingPrinter shouting(row.paper);
        printPlannedPages(shouting, plannedPages(row.model, shouted));
        ASSERT_EQ(shouting.pages.size(), printer.pages.size()) << row.name;
        for (const auto& page : shouting.pages) {
            for (const std::string& text : page) EXPECT_FALSE(leaksEnglish(text)) << text;
        }
    }
}

}  // namespace
}  // namespace arcwright
