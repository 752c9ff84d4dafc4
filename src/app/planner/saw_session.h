// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The count at the saw as the planner keeps it: the passes of the plan it shows, the pass
// the woodworker is at, and what the view at the saw shows besides. It outlives the view,
// so that closing the view never loses the count.

#include <QObject>
#include <QString>

#include "plan/cove_plan.h"
#include "plan/length_text.h"
#include "plan/pass_steps.h"

namespace arcwright {

class SawSession : public QObject {
    Q_OBJECT
  public:
    // The plan as the planner has just worked it out, in the unit it shows, with the
    // one-line rule for the fence and the feed to stand at the foot of the view.
    void follow(const PlanRequest& request, const PlanResult& result, LengthUnit unit,
                const QString& footer);

    const PassSteps& steps() const { return steps_; }
    LengthUnit unit() const { return unit_; }
    const QString& footer() const { return footer_; }

    void next() { moved(steps_.next()); }
    void back() { moved(steps_.back()); }
    void first() { moved(steps_.first()); }
    void last() { moved(steps_.last()); }

  signals:
    void changed();

  private:
    void moved(bool moved) {
        if (moved) emit changed();
    }

    PassSteps steps_;
    LengthUnit unit_ = LengthUnit::Inch;
    QString footer_;
};

}  // namespace arcwright
