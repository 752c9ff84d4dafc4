// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Between the planner and a kept job.

#include "job/job.h"
#include "plan/planner_model.h"

namespace arcwright {

// What the planner shows now, with the passes made at the saw.
Job jobOf(const PlannerModel& model, int sawPass);

// The planner as the job left it; the pass at the saw is the caller's to restore once the
// plan is worked out.
void restoreJob(PlannerModel& model, const Job& job);

}  // namespace arcwright
