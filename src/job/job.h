// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A planner job as a woodworker keeps it: every box as typed, the unit, the blade's lean
// and the pass reached at the saw, written as a small versioned JSON text. The same text is
// a file on the desktop and a link in the browser, so reading it trusts nothing in it.

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "plan/blade_tilt.h"
#include "plan/length_text.h"
#include "plan/planner_model.h"

namespace arcwright {

struct Job {
    std::array<std::string, kPlanBoxCount> boxes;  // in PlanBox order
    LengthUnit unit = LengthUnit::Inch;
    BladeLean lean = BladeLean::TowardFence;
    int sawPass = 0;  // passes made at the saw

    bool operator==(const Job&) const = default;
};

// The name each box has in the text. A box whose key is missing from a job reads as empty.
struct JobBoxKey {
    PlanBox box;
    std::string_view key;
};
inline constexpr std::array kJobBoxKeys{
    JobBoxKey{PlanBox::CoveWidth, "coveWidth"},
    JobBoxKey{PlanBox::CoveDepth, "coveDepth"},
    JobBoxKey{PlanBox::BoardWidth, "boardWidth"},
    JobBoxKey{PlanBox::BoardThickness, "boardThickness"},
    JobBoxKey{PlanBox::BladeDiameter, "bladeDiameter"},
    JobBoxKey{PlanBox::Kerf, "kerf"},
    JobBoxKey{PlanBox::PassDepth, "passDepth"},
    JobBoxKey{PlanBox::CoveOffset, "coveOffset"},
    JobBoxKey{PlanBox::Tilt, "tilt"},
    JobBoxKey{PlanBox::MaxHeight, "maxHeight"},
};
static_assert(kJobBoxKeys.size() == kPlanBoxCount, "every planner box needs its key in a job");

inline constexpr int kJobVersion = 1;
// Far beyond any job written here (a few hundred bytes), small enough that a hostile file
// is refused before it is parsed.
inline constexpr std::size_t kLargestJob = 64 * 1024;
// Longer than anything a box needs ("12 15/32 in.", "254.0 mm"), in characters.
inline constexpr std::size_t kLongestBoxText = 64;
// More passes than any cove takes at the saw.
inline constexpr int kMostSawPasses = 100000;

// The job as one line of JSON.
std::string writeJob(const Job& job);

// A job read back, or the one sentence that says why there is none (a text marked for
// translation in the context "Job").
struct JobRead {
    std::optional<Job> job;
    const char* problem = nullptr;
};
JobRead readJob(std::string_view text);

}  // namespace arcwright
