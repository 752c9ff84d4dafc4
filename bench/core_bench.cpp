// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The recomputation that every keystroke runs, without the window: the four box texts
// read as numbers, the cove solved level by level, the cut width written as decimal text
// and as a shop fraction.

#include <benchmark/benchmark.h>

#include <string>

#include "calculator/calculator.h"
#include "fractions/shop_fraction.h"
#include "geometry/cove_solver.h"
#include "model/number_text.h"
#include "readouts/readouts.h"

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

// One keystroke in the calculator's model: a new blade height, its change handling and the
// whole recomputation with its read-outs and the three drawings, as the window runs it. The
// keystrokes alternate between two heights, so every one changes the text.
void keystrokeInTheModel(benchmark::State& state) {
    const Boxes boxes = boxesFor(static_cast<int>(state.range(0)));
    Calculator calc;
    calc.pressOk();
    calc.editBox(Box::Text4, boxes.width);
    calc.editBox(Box::Text3, boxes.thickness);
    calc.editBox(Box::Text2, boxes.angle);
    calc.editBox(Box::Text1, boxes.blade);
    std::string other = boxes.blade;
    other[2] = other[2] == '9' ? '8' : '6';  // 4.89 or 0.6 in.
    const std::string heights[2] = {other, boxes.blade};
    int i = 0;
    for (auto _ : state) {
        calc.editBox(Box::Text1, heights[i]);
        i = 1 - i;
        (void)calc.takeChanges();
        benchmark::DoNotOptimize(calc.label4().data());
    }
    state.counters["levels"] = calc.solution().pointCount;
}
BENCHMARK(keystrokeInTheModel)->ArgName("levels")->Arg(100)->Arg(1000);

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
