// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <string_view>
#include <vector>

#include "calculator/calculator.h"
#include "geometry/cove_solver.h"
#include "readouts/readouts.h"

namespace arcwright::testing {

// A calculator with its safety note dismissed, as after the first look, that remembers what
// every event told its listener.
class Session {
  public:
    Session() {
        calc.pressOk();
        (void)calc.takeChanges();
        calc.setListener([this] { events.push_back(calc.takeChanges()); });
    }

    // The changes of the events since the last call, and forgets them.
    std::vector<CalculatorChanges> take() { return std::exchange(events, {}); }

    Calculator calc;
    std::vector<CalculatorChanges> events;
};

// Replaces a box's text the way a person does: select all, delete, then type key by key,
// each key a change of its own.
inline void retype(Calculator& calc, Box box, std::string_view text) {
    calc.editBox(box, "");
    std::string typed;
    for (const char c : text) {
        typed += c;
        calc.editBox(box, typed);
    }
}

// The five captions of a fraction read-out, joined with "|".
inline std::string row(const Calculator& calc, Readout readout) {
    const FractionCaptions& c = calc.readout(readout);
    return c.whole + "|" + c.numerator + "|" + c.slash + "|" + c.denominator + "|" + c.mark;
}

// The cut width the boxes call for, worked out by the solver alone: the text the result
// line must show, empty when the cut is too wide.
inline std::string expectedCutWidth(const Calculator& calc) {
    CoveSolution solution;
    solveCove({calc.value(Box::Text1), calc.value(Box::Text2), calc.value(Box::Text4)}, solution);
    return cutWidthText(solution);
}

inline bool redrew(const CalculatorChanges& changes, View view) {
    return changes.views[static_cast<std::size_t>(view)];
}

// How many of the events redrew the view.
inline int redraws(const std::vector<CalculatorChanges>& events, View view) {
    int n = 0;
    for (const CalculatorChanges& c : events) n += redrew(c, view) ? 1 : 0;
    return n;
}

template <typename Row>
std::string rowName(const ::testing::TestParamInfo<Row>& info) {
    std::string name = info.param.name;
    for (char& c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    }
    return name;
}

}  // namespace arcwright::testing
