// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/planner/saw_session.h"

namespace arcwright {

void SawSession::follow(const PlanRequest& request, const PlanResult& result, LengthUnit unit,
                        const QString& footer) {
    steps_.follow(result.passes, sawSetUp(request, result));
    unit_ = unit;
    footer_ = footer;
    emit changed();
}

}  // namespace arcwright
