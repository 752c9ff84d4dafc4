// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The calls the browser makes, timed natively: the same loops as tests/web/bench.js, so
// `bash scripts/web.sh bench` shows the module beside this build. Medians in microseconds.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "web/web_calculator.h"
#include "web/web_planner.h"

namespace {

double medianMicroseconds(int runs, const std::function<void(int)>& once) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        once(i);
        times.push_back(
            std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
                .count());
    }
    std::nth_element(times.begin(), times.begin() + runs / 2, times.end());
    return times[static_cast<std::size_t>(runs / 2)];
}

const char* const kAngles[] = {"36.8", "36.9", "37", "45", "30.25"};
const char* const kWidths[] = {"2.5", "2 5/8", "3", "2.75", "3 1/8"};

}  // namespace

int main() {
    using arcwright::web::WebCalculator;
    using arcwright::web::WebPlanner;
    WebCalculator calculator;
    calculator.dismissSafetyNote();
    WebPlanner planner;
    planner.type("coveDepth", "0.5");
    planner.type("boardWidth", "4");
    planner.type("boardThickness", "1");
    std::size_t sink = 0;
    const double keystroke =
        medianMicroseconds(400, [&](int i) { calculator.type("angle", kAngles[i % 5]); });
    const double keystrokeShown = medianMicroseconds(200, [&](int i) {
        calculator.type("angle", kAngles[i % 5]);
        sink += calculator.state().size();
    });
    const double plan = medianMicroseconds(400, [&](int i) {
        planner.type("coveWidth", kWidths[i % 5]);
        sink += planner.state().size();
    });
    std::printf(
        "native: a calculator keystroke %.1f us, with its state %.1f us; a planner "
        "solve with its state %.1f us (%zu)\n",
        keystroke, keystrokeShown, plan, sink % 10);
    return 0;
}
