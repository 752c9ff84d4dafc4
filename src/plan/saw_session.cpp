// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "plan/saw_session.h"

#include "plan/saw_words.h"

namespace arcwright {

void SawSession::follow(const PlannerModel& model) {
    const PlanResult& result = model.result();
    SawSetUp setUp = sawSetUp(model.request(), result);
    if (model.placement().canPlace()) {
        setUp.deepestFromCentre = model.placement().fenceToDeepest - model.request().boardWidth / 2;
    }
    // The fence goes with the schedule it was worked out for, as the set-up does.
    if (!result.passes.empty()) fence_ = model.fence();
    steps_.follow(result.passes, setUp);
    unit_ = model.unit();
    footer_ = model.fence().found ? sawFooter(model) : Sentence{};
    cautions_ = model.cautions();
}

bool SawSession::resumeAt(int passesMade) {
    bool movedAny = steps_.first();
    for (int made = 0; made < passesMade && steps_.next(); ++made) movedAny = true;
    return movedAny;
}

}  // namespace arcwright
