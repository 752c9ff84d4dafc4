// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The cove planner from seven arbitrary box texts, without the window: each text read
// as a length (the first byte picks inches or millimetres for bare numbers), the cove
// solved, its passes and outline made and every length written back as text. Input: the
// texts separated by '|', in the order cove width, cove depth, board width, board
// thickness, blade diameter, kerf, depth per pass.

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_checks.h"
#include "plan/cove_outline.h"
#include "plan/cove_plan.h"
#include "plan/length_text.h"

using namespace arcwright;
using namespace arcwright::fuzzing;

namespace {

void checkLength(double inches, LengthUnit unit) {
    checkText(lengthText(inches, unit), "a length text shows a non-finite number");
    checkText(lengthBoxText(inches, unit), "a box text shows a non-finite number");
    checkText(shopFractionText(inches), "a fraction shows a non-finite number");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    currentInput() = input;
    const LengthUnit unit = (size > 0 && (data[0] & 1)) ? LengthUnit::Millimetre : LengthUnit::Inch;
    const auto texts = boxTexts<7>(input);

    PlanRequest request;
    double PlanRequest::*const fields[] = {
        &PlanRequest::coveWidth,      &PlanRequest::coveDepth,     &PlanRequest::boardWidth,
        &PlanRequest::boardThickness, &PlanRequest::bladeDiameter, &PlanRequest::kerf,
        &PlanRequest::passDepth};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const auto inches = readLength(texts[i], unit);
        if (!inches) continue;  // the window keeps its start value for a bad box
        check(std::isfinite(*inches) && *inches >= 0, "a length reads as non-finite or negative");
        // What a box is given reads back as (nearly) the same length.
        const auto again = readLength(lengthBoxText(*inches, unit), unit);
        check(again.has_value(), "a box text does not read back");
        check(std::fabs(*again - *inches) <= 1e-3 * (1 + *inches), "a box text reads back off");
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
    return 0;
}
