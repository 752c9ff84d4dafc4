// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The cove planner's state, for the planner window to show: the text of every box as the
// user typed it, the unit lengths are shown and read in, and what the planner made of
// them. Every change works the plan out again at once. No Qt, no words: the window words
// what it shows.

#include <array>
#include <optional>
#include <string>

#include "plan/cove_plan.h"
#include "plan/length_text.h"

namespace arcwright {

// The planner's boxes, in the order the window lists them.
enum class PlanBox {
    CoveWidth,
    CoveDepth,
    BoardWidth,
    BoardThickness,
    BladeDiameter,
    Kerf,
    PassDepth,
};
inline constexpr std::size_t kPlanBoxCount = 7;

// The request field each box fills.
double PlanRequest::*requestField(PlanBox box);

// What the calculator shows after the planner typed a set-up into it.
struct CalculatorEcho {
    std::string shownCut;  // its cut width as the result line shows it; empty: too wide
};

class PlannerModel {
  public:
    // Empty cove and board boxes, a 10 in. blade with a 1/8 in. kerf, passes of 1/16 in.
    PlannerModel();

    // A box's text as the user typed it.
    void typeText(PlanBox box, std::string text);
    // Rewrites every box that holds a length in the new unit; the lengths stay the same.
    // Text that is not a length is left for the user to mend.
    void chooseUnit(LengthUnit unit);
    // The calculator's set-up: its cut width (none while it says the cut is too wide), its
    // blade height as the cove depth, and its board.
    void takeSetup(std::optional<double> cutWidth, double bladeHeight, double boardWidth,
                   double boardThickness);
    // What the calculator showed for the set-up the planner typed into it; forgotten at the
    // next change.
    void echoFromCalculator(CalculatorEcho echo) { echo_ = std::move(echo); }

    const std::string& text(PlanBox box) const { return texts_[index(box)]; }
    // False while the box's text is not one length.
    bool readable(PlanBox box) const { return readable_[index(box)]; }
    std::optional<PlanBox> firstUnreadable() const;
    LengthUnit unit() const { return unit_; }

    // The last request whose boxes could all be read, and its plan; kept while a box
    // cannot be read, for the user to compare.
    const PlanRequest& request() const { return request_; }
    const PlanResult& result() const { return result_; }
    // The plan shown may be typed into the calculator, printed and worked at the saw.
    bool usable() const { return !firstUnreadable() && result_.canCut(); }
    const std::optional<CalculatorEcho>& echo() const { return echo_; }

  private:
    static std::size_t index(PlanBox box) { return static_cast<std::size_t>(box); }
    void setLength(PlanBox box, double inches);
    void recompute();

    std::array<std::string, kPlanBoxCount> texts_;
    std::array<bool, kPlanBoxCount> readable_{};
    LengthUnit unit_ = LengthUnit::Inch;
    PlanRequest request_;
    PlanResult result_;
    std::optional<CalculatorEcho> echo_;
};

}  // namespace arcwright
