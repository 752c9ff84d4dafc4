// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The cove planner's work for one keystroke, without the window: the fence angle and
// the pass schedule, upright and with the blade tilted, the schedule alone, the board-end
// outline, and the seven box texts read with their units.

#include <benchmark/benchmark.h>

#include <array>
#include <string>

#include "plan/cove_outline.h"
#include "plan/cove_plan.h"
#include "plan/length_text.h"
#include "plan/tilted_outline.h"

using namespace arcwright;

namespace {

// A 3-in. cove 5/8 in. deep on a 10-in. blade with a 1/8-in. kerf, in 1/16-in. passes.
PlanRequest workedExample() {
    return {3.0, 0.625, 4.5, 1.25, 10.0, 0.125, 0.0625};
}

void planSolve(benchmark::State& state) {
    PlanRequest request = workedExample();
    for (auto _ : state) {
        benchmark::DoNotOptimize(request);
        const PlanResult result = solve(request);
        benchmark::DoNotOptimize(result.angleDeg);
        benchmark::DoNotOptimize(result.passes.data());
    }
}
BENCHMARK(planSolve);

// The worked example with the blade tilted 30° toward the fence: the fence-side edge is
// made by the far end of the kerf, where the inverse has a closed form.
void planSolveTilted(benchmark::State& state) {
    PlanRequest request = workedExample();
    const BladeTilt tilt{30.0, BladeLean::TowardFence};
    for (auto _ : state) {
        benchmark::DoNotOptimize(request);
        const PlanResult result = solve(request, tilt);
        benchmark::DoNotOptimize(result.angleDeg);
        benchmark::DoNotOptimize(result.passes.data());
    }
}
BENCHMARK(planSolveTilted);

// A 3.95-in. cove at 30°: the fence-side edge falls on the kerf's flat, solved along it.
void planSolveTiltedOnTheFlat(benchmark::State& state) {
    PlanRequest request = workedExample();
    request.coveWidth = 3.95;
    const BladeTilt tilt{30.0, BladeLean::TowardFence};
    for (auto _ : state) {
        benchmark::DoNotOptimize(request);
        const PlanResult result = solve(request, tilt);
        benchmark::DoNotOptimize(result.angleDeg);
        benchmark::DoNotOptimize(result.passes.data());
    }
}
BENCHMARK(planSolveTiltedOnTheFlat);

// A hair of tilt: the width humps as it does upright, and the hump is looked for first.
void planSolveTiltedHump(benchmark::State& state) {
    PlanRequest request = workedExample();
    const BladeTilt tilt{0.01, BladeLean::TowardFence};
    for (auto _ : state) {
        benchmark::DoNotOptimize(request);
        const PlanResult result = solve(request, tilt);
        benchmark::DoNotOptimize(result.angleDeg);
        benchmark::DoNotOptimize(result.passes.data());
    }
}
BENCHMARK(planSolveTiltedHump);

void planPassSchedule(benchmark::State& state) {
    double depth = 0.625;
    for (auto _ : state) {
        benchmark::DoNotOptimize(depth);
        const auto passes = passSchedule(depth, 0.0625, 36.8, 10.0, 0.125);
        benchmark::DoNotOptimize(passes.data());
    }
}
BENCHMARK(planPassSchedule);

void planOutline(benchmark::State& state) {
    double depth = 0.625;
    for (auto _ : state) {
        benchmark::DoNotOptimize(depth);
        const auto outline = coveOutline(depth, 36.8, 10.0, 0.125);
        benchmark::DoNotOptimize(outline.data());
    }
}
BENCHMARK(planOutline);

void planTiltedOutline(benchmark::State& state) {
    double depth = 0.625;
    const BladeTilt tilt{30.0, BladeLean::TowardFence};
    for (auto _ : state) {
        benchmark::DoNotOptimize(depth);
        const auto outline = tiltedCoveOutline(depth, 34.8, 10.0, 0.125, tilt);
        benchmark::DoNotOptimize(outline.data());
    }
}
BENCHMARK(planTiltedOutline);

void planReadBoxes(benchmark::State& state) {
    const std::array<std::string, 7> texts{"3",      "5/8",     "4 1/2",   "1 1/4",
                                           "10 in.", "1/8 in.", "1/16 in."};
    for (auto _ : state) {
        for (const std::string& text : texts) {
            benchmark::DoNotOptimize(readLength(text, LengthUnit::Inch));
        }
    }
}
BENCHMARK(planReadBoxes);

}  // namespace

BENCHMARK_MAIN();
