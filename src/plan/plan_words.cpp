// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "plan/plan_words.h"

#include "geometry/shop_rules.h"
#include "model/number_text.h"
#include "plan/saw_limits.h"

namespace arcwright {

namespace {
constexpr const char* kContext = "PlanWords";
}  // namespace

std::string angleText(double degrees) {
    return formatNumber(degrees, "0.0°");
}

std::string spokenLength(double inches, LengthUnit unit) {
    if (unit == LengthUnit::Millimetre) return lengthText(inches, unit);
    return lengthText(inches, unit) + " (" + shopFractionText(inches) + ")";
}

std::string ruleLength(double inches, LengthUnit unit) {
    return unit == LengthUnit::Millimetre ? lengthText(inches, unit) : shopFractionText(inches);
}

std::vector<Sentence> woodWarnings(const PlanResult& result, LengthUnit unit) {
    std::vector<Sentence> out;
    const std::string quarter = ruleLength(kQuarterInchOfWood, unit);
    if (result.thinSides) {
        out.push_back({kContext,
                       ARCWRIGHT_TR_NOOP("PlanWords", "Less than %1 of wood beside the cove!"),
                       {quarter}});
    }
    if (result.thinAboveBlade) {
        out.push_back({kContext,
                       ARCWRIGHT_TR_NOOP("PlanWords", "Less than %1 of wood above the blade!"),
                       {quarter}});
    }
    return out;
}

Sentence sawLimitSentence(const PlanResult& result, const BladeTilt& tilt, LengthUnit unit) {
    switch (result.problem) {
        case PlanProblem::BladeSizeUnusual:
            return {kContext,
                    ARCWRIGHT_TR_NOOP("PlanWords",
                                      "Table saws take blades from %1 to %2 across: enter your "
                                      "blade's diameter, e.g. 10 in. or 254 mm."),
                    {ruleLength(kSmallestTableSawBlade, unit),
                     ruleLength(kLargestTableSawBlade, unit)}};
        case PlanProblem::DeeperThanSawReaches:
            if (usableTilt(tilt.degrees) && !uprightTilt(tilt.degrees)) {
                return {kContext,
                        ARCWRIGHT_TR_NOOP("PlanWords",
                                          "Your saw raises this blade, tilted %1, no higher than "
                                          "%2, so the deepest cove it cuts is %2: make the cove "
                                          "shallower, or the tilt smaller, or enter your saw's "
                                          "highest blade setting."),
                        {angleText(tilt.degrees), spokenLength(result.sawReach, unit)}};
            }
            return {kContext,
                    ARCWRIGHT_TR_NOOP("PlanWords",
                                      "Your saw raises this blade no higher than %1, so the "
                                      "deepest cove it cuts is %1: make the cove shallower, or "
                                      "enter your saw's highest blade setting."),
                    {spokenLength(result.sawReach, unit)}};
        default:
            break;
    }
    return {};
}

}  // namespace arcwright
