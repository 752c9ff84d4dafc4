// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The recomputation that every keystroke runs, without the window: the four box texts
// read as numbers, the cove solved level by level, the cut width written as decimal text
// and as a shop fraction.

#include <benchmark/benchmark.h>

#include <string>

#include "fractions/shop_fraction.h"
#include "geometry/cove_solver.h"
#include "model/number_text.h"
#include "readouts/readouts.h"
#include "views/display_list.h"
#include "views/iso_view.h"
#include "views/plan_view.h"
#include "views/section_view.h"

using namespace arcwright;

namespace {

struct Boxes {
    std::string blade, angle, thickness, width;
};

// The start-up set-up (100 levels), and the deepest cut the tables hold (about 1000
// levels) at an angle that keeps it narrower than a 6-inch board, so the read-outs are
// written rather than emptied.
Boxes boxesFor(int levels) {
    if (levels <= 100) return {"0.5 in.", "45°", "0.75 in.", "4.0 in."};
    return {"4.99 in.", "30°", "5.5 in.", "6.0 in."};
}

void recompute(benchmark::State& state) {
    const Boxes boxes = boxesFor(static_cast<int>(state.range(0)));
    const FractionSettings settings = readout::cutWidth();
    CoveSolution solution;
    for (auto _ : state) {
        const CoveInputs in{leadingNumber(boxes.blade), leadingNumber(boxes.angle),
                            leadingNumber(boxes.width)};
        benchmark::DoNotOptimize(leadingNumber(boxes.thickness));
        solveCove(in, solution);
        FractionCaptions cut;
        if (!solution.tooWide) cut = ShowFraction(solution.cutWidth(), 16, settings);
        const std::string text = cutWidthText(solution);
        benchmark::DoNotOptimize(text.data());
        benchmark::DoNotOptimize(cut.mark.data());
    }
    if (solution.tooWide) state.SkipWithError("the set-up is too wide; nothing was written");
    state.counters["levels"] = solution.pointCount;
}
BENCHMARK(recompute)->ArgName("levels")->Arg(100)->Arg(1000);

// The same with the three drawings made into display lists, as the window makes them.
void recomputeAndDraw(benchmark::State& state) {
    const Boxes boxes = boxesFor(static_cast<int>(state.range(0)));
    CoveSolution solution;
    SectionOutline outline;
    IsoTables iso;
    DisplayList section, plan, isoView;
    for (auto _ : state) {
        const double blade = leadingNumber(boxes.blade);
        const double angle = leadingNumber(boxes.angle);
        const double thickness = leadingNumber(boxes.thickness);
        const double width = leadingNumber(boxes.width);
        const SectionBoard board = drawSectionBoard(section, width, thickness, kDrawScale);
        solveCove({blade, angle, width}, solution);
        buildSectionOutline(board, solution.pointCount, solution.profileWidth, outline);
        drawCoveOutline(section, board, outline, solution.pointCount);
        const FractionCaptions cut = ShowFraction(solution.cutWidth(), 16, readout::cutWidth());
        const double shown = leadingNumber(cutWidthText(solution));
        drawPlanView(plan, angle, width, shown);
        const FractionCaptions row = ShowFraction(width, 16, readout::adjustedWidth());
        drawIsoView(
            isoView,
            {width, thickness, blade, shown, solution.pointCount, &solution.profileHalfWidth}, iso);
        benchmark::DoNotOptimize(cut.mark.data());
        benchmark::DoNotOptimize(row.mark.data());
    }
    state.counters["levels"] = solution.pointCount;
}
BENCHMARK(recomputeAndDraw)->ArgName("levels")->Arg(100)->Arg(1000);

// The pieces, to see where the time of a recomputation goes.
void solveOnly(benchmark::State& state) {
    const Boxes boxes = boxesFor(static_cast<int>(state.range(0)));
    const CoveInputs in{leadingNumber(boxes.blade), leadingNumber(boxes.angle),
                        leadingNumber(boxes.width)};
    CoveSolution solution;
    for (auto _ : state) {
        solveCove(in, solution);
        benchmark::DoNotOptimize(solution.profileWidth.data());
    }
}
BENCHMARK(solveOnly)->ArgName("levels")->Arg(100)->Arg(1000);

void readBox(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(leadingNumber("0.75 in."));
}
BENCHMARK(readBox);

void writeCutWidth(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(formatNumber(3.0822070018, pattern::kCutWidth));
}
BENCHMARK(writeCutWidth);

void showFraction(benchmark::State& state) {
    const FractionSettings settings = readout::cutWidth();
    for (auto _ : state) benchmark::DoNotOptimize(ShowFraction(3.0822070018, 16, settings));
}
BENCHMARK(showFraction);

}  // namespace

BENCHMARK_MAIN();
