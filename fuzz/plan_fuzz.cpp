// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The cove planner from seven arbitrary box texts and a tilt, without the window: each
// text read as a length (the first byte picks inches or millimetres for bare numbers, its
// next bit the way the blade leans), the cove solved upright and at the tilt given, its
// passes and outline made and every length written back as text. Input: the texts
// separated by '|', in the order cove width, cove depth, board width, board thickness,
// blade diameter, kerf, depth per pass, then the tilt in degrees as C reads a number
// ("nan", "-inf" and "1e999" included; an empty or missing tilt is upright).

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "fuzz_checks.h"
#include "plan/cove_outline.h"
#include "plan/cove_plan.h"
#include "plan/length_text.h"
#include "plan/tilted_outline.h"

using namespace arcwright;
using namespace arcwright::fuzzing;

namespace {

void checkLength(double inches, LengthUnit unit) {
    checkText(lengthText(inches, unit), "a length text shows a non-finite number");
    checkText(lengthBoxText(inches, unit), "a box text shows a non-finite number");
    checkText(shopFractionText(inches), "a fraction shows a non-finite number");
}

void checkTilted(const PlanRequest& request, const PlanResult& upright, const BladeTilt& tilt,
                 LengthUnit unit) {
    const PlanResult result = solve(request, tilt);
    const PlanResult& plan = result;
    const bool badTilt = result.tiltProblem == TiltProblem::NotANumber ||
                         result.tiltProblem == TiltProblem::Negative ||
                         result.tiltProblem == TiltProblem::PastMaxTilt;
    check(badTilt != usableTilt(tilt.degrees), "a tilt problem for a usable tilt, or none");
    if (badTilt) check(!plan.hasAngle && plan.passes.empty(), "an angle for a bad tilt");
    for (const double v :
         {plan.angleDeg, plan.complementDeg, plan.widestCove, plan.bladeRadius, plan.woodEachSide,
          plan.smallestPassDepth, result.narrowestCove, result.deepestCut, result.cove.width,
          result.cove.fenceSide.reach, result.cove.farSide.reach, result.cove.fenceSide.undercut,
          result.cove.farSide.undercut, result.tableOffset}) {
        check(std::isfinite(v), "a tilted result is not finite");
        checkLength(v, unit);
    }
    if (usableTilt(tilt.degrees) && uprightTilt(tilt.degrees)) {
        check(plan.problem == upright.problem && plan.angleDeg == upright.angleDeg &&
                  plan.passes == upright.passes && plan.cove == upright.cove &&
                  planOutline(request, plan, request.coveDepth) ==
                      planOutline(request, upright, request.coveDepth) &&
                  plan.tableOffset == 0,
              "upright, the plan at this tilt differs from the upright one");
    }
    if (plan.hasAngle && result.tiltProblem == TiltProblem::None) {
        check(plan.angleDeg >= 0 && plan.angleDeg <= 90, "tilted fence angle outside 0..90");
        const double width = tiltedCoveAtFace(plan.angleDeg, request.coveDepth,
                                              request.bladeDiameter, request.kerf, tilt)
                                 .width;
        check(std::fabs(width - request.coveWidth) <= 1e-9 * (1 + request.coveWidth),
              "the solved tilted angle does not cut the wanted width");
        check(steepWall(result.cove, tilt.lean).reach <=
                  gentleWall(result.cove, tilt.lean).reach + 1e-9 * (1 + request.coveWidth),
              "the steep wall is the longer");
    }
    check(result.canCut() == !result.passes.empty(), "tilted passes without a cove, or none");
    if (plan.hasAngle) {
        check(plan.passes == passSchedule(request.coveDepth, request.passDepth, plan.angleDeg,
                                          request.bladeDiameter, request.kerf, tilt) ||
                  !result.canCut(),
              "the plan's passes are not the schedule's");
    }
    double lastFence = -1e300, lastFar = -1e300;
    for (const PlanPass& pass : result.passes) {
        for (const double v : {pass.bladeHeight, pass.coveWidth, pass.fenceSide, pass.farSide}) {
            check(std::isfinite(v), "a tilted pass is not finite");
        }
        const double slack = 1e-9 * (1 + pass.coveWidth);
        check(std::fabs(pass.fenceSide + pass.farSide - pass.coveWidth) <= slack,
              "a pass's walls do not add up to its width");
        check(pass.fenceSide >= lastFence - slack && pass.farSide >= lastFar - slack,
              "a pass cuts back a wall");
        lastFence = pass.fenceSide;
        lastFar = pass.farSide;
    }
    if (result.canCut()) {
        check(result.passes.back().bladeHeight == request.coveDepth,
              "the last tilted pass is not at full depth");
    }
    const auto outline = tiltedCoveOutline(request.coveDepth, plan.angleDeg, request.bladeDiameter,
                                           request.kerf, tilt);
    check(!result.canCut() || !outline.empty(), "no outline for a tilted cove that can be cut");
    for (const BoardEndPoint& p : outline) {
        check(std::isfinite(p.x) && std::isfinite(p.depth), "a tilted outline point is not finite");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    currentInput() = input;
    const LengthUnit unit = (size > 0 && (data[0] & 1)) ? LengthUnit::Millimetre : LengthUnit::Inch;
    const auto texts = boxTexts<8>(input);

    PlanRequest request;
    double PlanRequest::*const fields[] = {
        &PlanRequest::coveWidth,      &PlanRequest::coveDepth,     &PlanRequest::boardWidth,
        &PlanRequest::boardThickness, &PlanRequest::bladeDiameter, &PlanRequest::kerf,
        &PlanRequest::passDepth};
    for (std::size_t i = 0; i < std::size(fields); ++i) {
        const auto inches = readLength(texts[i], unit);
        if (!inches) continue;  // the window keeps its start value for a bad box
        check(std::isfinite(*inches) && *inches >= 0, "a length reads as non-finite or negative");
        // What a box is given reads back as the same length to within half the step the
        // box shows: 0.1 mm in millimetres, 0.0001 in. in inches.
        const auto again = readLength(lengthBoxText(*inches, unit), unit);
        check(again.has_value(), "a box text does not read back");
        const double halfStep =
            unit == LengthUnit::Millimetre ? 0.05 / kMillimetresPerInch : 0.00005;
        check(std::fabs(*again - *inches) <= halfStep + 1e-9 * (1 + *inches),
              "a box text reads back off");
        request.*fields[i] = *inches;
    }

    const PlanResult result = solve(request);
    for (const double v : {result.angleDeg, result.complementDeg, result.widestCove,
                           result.bladeRadius, result.woodEachSide, result.smallestPassDepth}) {
        check(std::isfinite(v), "a result is not finite");
        checkLength(v, unit);
    }
    check(result.canCut() || result.passes.empty(), "passes for a cove that cannot be cut");
    if (result.hasAngle) {
        check(result.angleDeg >= 0 && result.angleDeg <= 90, "fence angle outside 0..90");
        const double width = coveWidthAtFace(result.angleDeg, request.coveDepth,
                                             request.bladeDiameter, request.kerf);
        check(std::fabs(width - request.coveWidth) <= 1e-9 * (1 + request.coveWidth),
              "the solved angle does not cut the wanted width");
    }
    if (result.canCut()) {
        check(!result.passes.empty() && result.passes.size() <= kMaxPasses,
              "pass count outside 1..kMaxPasses");
        check(result.passes.back().bladeHeight == request.coveDepth,
              "the last pass is not at full depth");
        double last = 0.0;
        for (const PlanPass& pass : result.passes) {
            check(std::isfinite(pass.coveWidth), "a pass width is not finite");
            check(pass.bladeHeight > last, "passes do not rise");
            check(pass.bladeHeight - last <= request.passDepth * (1 + 1e-9),
                  "a pass is deeper than the pass depth");
            last = pass.bladeHeight;
        }
    }
    const auto outline =
        coveOutline(request.coveDepth, result.angleDeg, request.bladeDiameter, request.kerf);
    for (const BoardEndPoint& p : outline) {
        check(std::isfinite(p.x) && std::isfinite(p.depth), "an outline point is not finite");
    }

    const std::string tiltText(texts[7]);
    const double tiltDeg = tiltText.empty() ? 0.0 : std::strtod(tiltText.c_str(), nullptr);
    const BladeLean lean =
        (size > 0 && (data[0] & 2)) ? BladeLean::AwayFromFence : BladeLean::TowardFence;
    checkTilted(request, result, {tiltDeg, lean}, unit);
    return 0;
}
