// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "plan/pass_steps.h"

#include <algorithm>
#include <cmath>

namespace arcwright {

namespace {

// Written so that a nan on either side is never "close".
bool close(double a, double b) {
    return std::fabs(a - b) <= kSameLength;
}

}  // namespace

bool sameSchedule(const std::vector<PlanPass>& a, const std::vector<PlanPass>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const PlanPass& x, const PlanPass& y) {
                          return x.number == y.number && close(x.bladeHeight, y.bladeHeight) &&
                                 close(x.coveWidth, y.coveWidth);
                      });
}

SawSetUp sawSetUp(const PlanRequest& request, const PlanResult& result) {
    SawSetUp setUp;
    setUp.boardWidth = request.boardWidth;
    setUp.boardThickness = request.boardThickness;
    setUp.angleDeg = result.angleDeg;
    setUp.bladeDiameter = request.bladeDiameter;
    setUp.kerf = request.kerf;
    setUp.tilt = result.tilt;
    setUp.fenceSides.reserve(result.passes.size());
    for (const PlanPass& pass : result.passes) setUp.fenceSides.push_back(pass.fenceSide);
    return setUp;
}

void PassSteps::follow(std::vector<PlanPass> passes, const SawSetUp& setUp) {
    if (!passes.empty()) setUp_ = setUp;
    if (sameSchedule(passes_, passes)) {
        passes_ = std::move(passes);  // the new numbers, whatever rounding they differ by
        return;
    }
    if (held_ && sameSchedule(held_->passes, passes)) {
        position_ = held_->position;  // back to the schedule being worked
        held_.reset();
    } else {
        // The schedule being worked stays the one held while the planner passes through
        // others. Before its first pass is made there is no count to lose or to speak of.
        if (!held_ && position_ > 0) held_ = Held{passes_, position_};
        position_ = 0;
    }
    passes_ = std::move(passes);
}

const PlanPass* PassSteps::current() const {
    if (position_ >= count()) return nullptr;
    return &passes_[static_cast<std::size_t>(position_)];
}

double PassSteps::rise() const {
    const PlanPass* pass = current();
    if (!pass) return 0.0;
    if (position_ == 0) return pass->bladeHeight;
    return pass->bladeHeight - passes_[static_cast<std::size_t>(position_ - 1)].bladeHeight;
}

PassState PassSteps::stateOf(int index) const {
    if (index < position_) return PassState::Done;
    if (index == position_) return PassState::Current;
    return PassState::ToCome;
}

bool PassSteps::moveTo(int position) {
    if (count() == 0) return false;
    const int to = std::clamp(position, 0, count());
    if (to == position_) return false;
    position_ = to;
    held_.reset();  // this is the schedule being worked now
    return true;
}

bool PassSteps::next() {
    return moveTo(position_ + 1);
}

bool PassSteps::back() {
    return moveTo(position_ - 1);
}

bool PassSteps::first() {
    return moveTo(0);
}

bool PassSteps::last() {
    return moveTo(count() - 1);
}

OutlinePick outlinesToDraw(int count, int position) {
    OutlinePick pick;
    if (count <= 0) return pick;
    // The smallest step that keeps the multiples within kMostOutlines.
    pick.every = count <= kMostOutlines ? 1 : (count + kMostOutlines - 1) / kMostOutlines;
    for (int index = 0; index < count; ++index) {
        const int number = index + 1;
        if (number % pick.every == 0 || index == 0 || index == position || index == count - 1) {
            pick.indices.push_back(index);
        }
    }
    return pick;
}

}  // namespace arcwright
