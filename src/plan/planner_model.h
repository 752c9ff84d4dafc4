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

#include "plan/cautions.h"
#include "plan/cove_placement.h"
#include "plan/cove_plan.h"
#include "plan/fence_position.h"
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
    // The cove's near edge from the board's fence-side edge; empty centres the cove.
    CoveOffset,
    // The blade's tilt from the vertical, in degrees; empty or 0 is upright.
    Tilt,
    // The highest the woodworker's saw raises the blade, upright; empty takes
    // defaultMaxHeight of the blade's diameter.
    MaxHeight,
};
inline constexpr std::size_t kPlanBoxCount = 10;

// The request field each box fills; none for the cove's place, which the plan does not
// depend on, for the tilt, which is not a length, nor for the saw's reach, which the plan
// is checked against.
double PlanRequest::*requestField(PlanBox box);

// Why a box cannot be read.
enum class BoxFault {
    None,
    Empty,       // nothing typed
    NotALength,  // not one length (for the tilt, not one angle)
    BelowZero,   // a length typed with a minus sign
};

// Boxes where nothing at all is a length the planner can use: no kerf on an ideal blade,
// the cove's near edge on the fence-side edge. The others need more than zero.
bool takesZero(PlanBox box);

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
    // Which way the top of a tilted blade leans.
    void chooseLean(BladeLean lean);
    // Rewrites every box that holds a length in the new unit, rounded as the unit is shown;
    // the lengths themselves stay exactly the same until the user types in the box.
    // Text that is not a length is left for the user to mend.
    void chooseUnit(LengthUnit unit);
    // The calculator's set-up: its cut width (none while it says the cut is too wide), its
    // blade height as the cove depth, and its board.
    void takeSetup(std::optional<double> cutWidth, double bladeHeight, double boardWidth,
                   double boardThickness);
    // Every box, the unit and the lean as a kept job has them: the texts are taken as
    // typed, in the unit given, and not rewritten as choosing a unit does.
    void restore(const std::array<std::string, kPlanBoxCount>& texts, LengthUnit unit,
                 BladeLean lean);
    // What the calculator showed for the set-up the planner typed into it; forgotten at the
    // next change.
    void echoFromCalculator(CalculatorEcho echo) { echo_ = std::move(echo); }

    const std::string& text(PlanBox box) const { return texts_[index(box)]; }
    // False while the box's text is not one length (or, for the cove's place, empty; for the
    // tilt, one angle or empty).
    bool readable(PlanBox box) const { return readable_[index(box)]; }
    std::optional<PlanBox> firstUnreadable() const;
    BoxFault fault(PlanBox box) const;
    LengthUnit unit() const { return unit_; }

    // The last request whose boxes could all be read, and its plan; kept while a box
    // cannot be read, for the user to compare.
    // The plan, for the blade at its tilt: its walls, how far its deepest point lies off the
    // blade line, each pass's walls, and what stops it, the saw's limits included.
    const PlanRequest& request() const { return request_; }
    const PlanResult& result() const { return result_; }
    const BladeTilt& tilt() const { return tilt_; }
    // Any tilt but upright, a tilt the saw cannot have included: for the words only, the
    // plan is the same for any tilt.
    bool tilted() const { return !(tilt_.degrees >= 0 && uprightTilt(tilt_.degrees)); }
    // The cove's outline at the board end as this blade cuts it at `depth` (a pass, or the
    // final depth), with the plan's fence angle and tilt; empty without an angle.
    std::vector<BoardEndPoint> outlineAt(double depth) const;
    // Where the cove lies across the board, and where the fence goes for it: worked out
    // with the plan whenever it has an angle; no fence position unless the plan can be cut
    // and the cove placed.
    const CovePlacement& placement() const { return placement_; }
    const FencePosition& fence() const { return fence_; }
    // The plan shown may be typed into the calculator, printed and worked at the saw.
    bool usable() const { return !firstUnreadable() && result_.canCut() && placement_.canPlace(); }
    const std::optional<CalculatorEcho>& echo() const { return echo_; }
    // The highest the saw raises this blade, upright: as typed, or from the diameter.
    double maxHeight() const;
    // The cautions of a usable plan, one sentence each; none for any other.
    std::vector<Sentence> cautions() const;

  private:
    static std::size_t index(PlanBox box) { return static_cast<std::size_t>(box); }
    void setLength(PlanBox box, double inches);
    void recompute();

    std::array<std::string, kPlanBoxCount> texts_;
    std::array<bool, kPlanBoxCount> readable_{};
    // The exact length behind a box the model wrote rounded; gone once the user types there.
    std::array<std::optional<double>, kPlanBoxCount> exact_{};
    LengthUnit unit_ = LengthUnit::Inch;
    PlanRequest request_;
    std::optional<double> coveOffset_;  // empty: centred
    std::optional<double> maxHeight_;   // empty: from the blade's diameter
    BladeTilt tilt_;
    PlanResult result_;
    CovePlacement placement_;
    FencePosition fence_;
    std::optional<CalculatorEcho> echo_;
};

}  // namespace arcwright
