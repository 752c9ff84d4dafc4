// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the cove planner says: why a cove cannot be cut and what would make it possible,
// which box holds text that is not a length, and the lengths of its read-outs.

#include <QString>

#include "plan/cove_plan.h"
#include "plan/length_text.h"

namespace arcwright {

// A length as the planner shows it: "0.625 in. (5/8 in.)" or "15.9 mm".
QString plannerLength(double inches, LengthUnit unit);

// A fence angle as the planner shows and types it: one decimal, "36.8°".
QString degreesText(double degrees);

// One sentence for a request that cannot be cut; empty when it can.
QString problemSentence(const PlanRequest& request, const PlanResult& result, LengthUnit unit);

// The warnings the calculator gives too, one line each; empty when there are none.
QString warningLines(const PlanResult& result);

// For a box whose text is not a length: names the box (by its label) and gives an
// example. The text itself is not repeated: it may be anything at all.
QString badBoxSentence(const QString& boxLabel, const QString& text);

// What the template's Print and Preview buttons do, for their tooltips while the cove can
// be cut.
QString printTemplateTip();
QString previewTemplateTip();

}  // namespace arcwright
