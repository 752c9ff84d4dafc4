// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The planner's count at the saw (plan/saw_session.h) with a signal for the windows that
// show it: every change of the plan and every move of the count.

#include <QObject>

#include "plan/saw_session.h"

namespace arcwright {

class WatchedSawSession : public QObject {
    Q_OBJECT
  public:
    const SawSession& session() const { return session_; }

    void follow(const PlannerModel& model) {
        session_.follow(model);
        emit changed();
    }
    void next() { moved(session_.next()); }
    void back() { moved(session_.back()); }
    void first() { moved(session_.first()); }
    void last() { moved(session_.last()); }
    void resumeAt(int passesMade) { moved(session_.resumeAt(passesMade)); }

  signals:
    void changed();

  private:
    void moved(bool moved) {
        if (moved) emit changed();
    }

    SawSession session_;
};

}  // namespace arcwright
