// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "plan/cautions.h"

#include <algorithm>
#include <string>

#include "model/number_text.h"
#include "plan/plan_words.h"

namespace arcwright {

namespace {

constexpr double kTolerance = 1e-9;  // a length typed in millimetres

// The most the blade goes up between two passes, the first from the table.
double deepestRise(const std::vector<PlanPass>& passes) {
    double below = 0.0;
    double deepest = 0.0;
    for (const PlanPass& pass : passes) {
        deepest = std::max(deepest, pass.bladeHeight - below);
        below = pass.bladeHeight;
    }
    return deepest;
}

constexpr const char* kContext = "Cautions";

}  // namespace

std::vector<Caution> cautionsFor(const PlanRequest& r, const PlanResult& result) {
    std::vector<Caution> out;
    if (!result.canCut() || result.passes.empty()) return out;
    if (result.angleDeg > kSteepestFenceDeg + kTolerance) out.push_back(Caution::SteepFence);
    if (deepestRise(result.passes) > kDeepestPass + kTolerance) out.push_back(Caution::DeepPasses);
    if (r.kerf < kTolerance) out.push_back(Caution::NoKerf);
    if (result.passes.size() > static_cast<std::size_t>(kMostPasses)) {
        out.push_back(Caution::ManyPasses);
    }
    if (r.boardWidth < kNarrowestHeldBoard - kTolerance) out.push_back(Caution::NarrowBoard);
    return out;
}

std::vector<Sentence> cautionSentences(const PlanRequest& r, const PlanResult& result,
                                       LengthUnit unit) {
    std::vector<Sentence> out;
    for (const Caution caution : cautionsFor(r, result)) {
        switch (caution) {
            case Caution::SteepFence:
                out.push_back({kContext,
                               ARCWRIGHT_TR_NOOP("Cautions",
                                                 "The fence crosses the blade at %1, more than %2: "
                                                 "the board is fed nearly square across the blade, "
                                                 "which pulls it hard sideways. Clamp the fence at "
                                                 "both ends, feed slowly and keep your hands on "
                                                 "push blocks."),
                               {angleText(result.angleDeg), angleText(kSteepestFenceDeg)}});
                break;
            case Caution::DeepPasses:
                out.push_back(
                    {kContext,
                     ARCWRIGHT_TR_NOOP("Cautions",
                                       "Passes of up to %1 are deeper than %2: shop practice is "
                                       "about %3 a pass, with a slow, light final pass. A deep "
                                       "pass makes the blade grab the board."),
                     {spokenLength(deepestRise(result.passes), unit),
                      ruleLength(kDeepestPass, unit), ruleLength(kUsualPass, unit)}});
                break;
            case Caution::NoKerf:
                out.push_back(
                    {kContext,
                     ARCWRIGHT_TR_NOOP("Cautions",
                                       "No kerf is given: the plan takes the teeth as a line, so "
                                       "the cove comes out wider than planned. Enter your blade's "
                                       "kerf."),
                     {}});
                break;
            case Caution::ManyPasses:
                out.push_back(
                    {kContext,
                     ARCWRIGHT_TR_NOOP("Cautions",
                                       "This cove takes %1 passes, more than %2: check "
                                       "the fence's clamps every few passes, or raise "
                                       "the blade a little more each pass."),
                     {std::to_string(result.passes.size()), std::to_string(kMostPasses)}});
                break;
            case Caution::NarrowBoard:
                out.push_back({kContext,
                               ARCWRIGHT_TR_NOOP("Cautions",
                                                 "A board narrower than %1 brings your hands "
                                                 "close to the blade: cut the cove in a wider "
                                                 "board and rip the moulding free afterwards."),
                               {ruleLength(kNarrowestHeldBoard, unit)}});
                break;
        }
    }
    return out;
}

}  // namespace arcwright
