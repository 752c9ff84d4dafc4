// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "job/planner_job.h"

namespace arcwright {

Job jobOf(const PlannerModel& model, int sawPass) {
    Job job;
    for (std::size_t i = 0; i < kPlanBoxCount; ++i)
        job.boxes[i] = model.text(static_cast<PlanBox>(i));
    job.unit = model.unit();
    job.lean = model.tilt().lean;
    job.sawPass = sawPass;
    return job;
}

void restoreJob(PlannerModel& model, const Job& job) {
    model.restore(job.boxes, job.unit, job.lean);
}

}  // namespace arcwright
