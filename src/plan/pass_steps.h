// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Working a pass schedule at the saw: which pass is next, how far the blade goes up for
// it, and keeping that count while the planner works the plan out again. No Qt, no text.

#include <optional>
#include <vector>

#include "plan/blade_tilt.h"
#include "plan/cove_plan.h"

namespace arcwright {

// Two schedules are the same when they have as many passes and every pass's blade height
// and cove width agree to within this: far below the 1/64 in. a blade is set to, far above
// the rounding of the planner's boxes when it changes unit (a thousandth of a millimetre a
// box). Any change a woodworker makes on purpose starts the passes over; rewriting the
// same plan in other units does not.
inline constexpr double kSameLength = 0.001;  // inches

bool sameSchedule(const std::vector<PlanPass>& a, const std::vector<PlanPass>& b);

// What the drawing of the board end needs besides the passes.
struct SawSetUp {
    double boardWidth = 0.0;
    double boardThickness = 0.0;
    double angleDeg = 0.0;
    double bladeDiameter = 0.0;
    double kerf = 0.0;
    BladeTilt tilt;  // upright unless the blade is tilted
    // Where the finished cove's deepest line lies across the board, from the board's centre
    // line, negative toward the fence side; 0 draws the cove round the centre line.
    double deepestFromCentre = 0.0;
    // A tilted blade's passes do not share a deepest line: each pass's reach on the fence
    // side from the finished cove's deepest line (PlanPass::fenceSide), one a pass; upright
    // half its width, on the deepest line. Empty: every pass on the finished cove's deepest
    // line.
    std::vector<double> fenceSides;

    bool operator==(const SawSetUp&) const = default;
};

// The planner's request and result, for the blade at the result's tilt, as the saw works
// them.
SawSetUp sawSetUp(const PlanRequest& request, const PlanResult& result);

enum class PassState { Done, Current, ToCome };

// The count of a schedule being cut. The position runs from 0 (the first pass is next) to
// count() (every pass is made). A schedule the planner hands over again unchanged keeps
// the position; a different one starts over, and says so until the next move when passes
// had been made. The schedule that was being worked is held with its position until a pass
// of another is stepped through: a plan typed key by key through other values ("0.6" on
// the way to "0.625"), or through one that cannot be cut, carries on where it was once it
// is the same again.
class PassSteps {
  public:
    // The planner's schedule as it stands now (empty while the plan cannot be cut), with the
    // set-up that cuts it.
    void follow(std::vector<PlanPass> passes, const SawSetUp& setUp);

    int count() const { return static_cast<int>(passes_.size()); }
    const std::vector<PlanPass>& passes() const { return passes_; }
    // The set-up of the last schedule that had passes.
    const SawSetUp& setUp() const { return setUp_; }
    int position() const { return position_; }
    bool finished() const { return count() > 0 && position_ == count(); }
    // The pass to make now; nullptr when there is none or every pass is made.
    const PlanPass* current() const;
    // How much higher than the pass before it the blade stands for the current pass; for
    // the first pass its height above the table. 0 without a current pass.
    double rise() const;
    // The current pass is the last: its blade height is the cove's depth.
    bool atFinalHeight() const { return current() && position_ == count() - 1; }
    // The schedule in hand replaced a different one on which passes had been made, and the
    // count started over; true until the next move. Never while there are no passes.
    bool startedOver() const { return held_.has_value() && count() > 0; }
    PassState stateOf(int index) const;

    // Each returns whether the position moved.
    bool next();  // on to the next pass, or from the last to "every pass made"
    bool back();
    bool first();
    bool last();  // to the last pass, the one at full depth

  private:
    bool moveTo(int position);

    struct Held {
        std::vector<PlanPass> passes;
        int position = 0;
    };

    std::vector<PlanPass> passes_;
    SawSetUp setUp_;
    int position_ = 0;
    std::optional<Held> held_;  // the schedule worked before this one, nothing done on this
};

// Which outlines a drawing of a long schedule shows, so that it stays readable: every
// pass up to kMostOutlines passes; beyond that the first, every `every`-th pass (pass
// numbers that are multiples of it), the current and the last.
inline constexpr int kMostOutlines = 40;

struct OutlinePick {
    int every = 1;
    std::vector<int> indices;  // into the schedule, ascending, each once
};

// `position` as in PassSteps: count for no current pass.
OutlinePick outlinesToDraw(int count, int position);

}  // namespace arcwright
