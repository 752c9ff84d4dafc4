// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "readouts/readouts.h"

#include "model/number_text.h"

namespace arcwright {

std::string cutWidthText(const CoveSolution& solution) {
    return solution.tooWide ? std::string() : formatNumber(solution.cutWidth(), pattern::kCutWidth);
}

namespace readout {
namespace {
// The adjusted row squeezes its marks; the all-readouts rows and the cut width leave a
// blank before "in." when the fraction was rounded.
FractionSettings tight(bool wholeZeroBlank) {
    return {wholeZeroBlank, "-in.", "+in.", " in."};
}
FractionSettings spaced(bool wholeZeroBlank, const char* exact = " in.") {
    return {wholeZeroBlank, "- in.", "+ in.", exact};
}
}  // namespace

FractionSettings adjustedWidth() {
    return tight(false);
}
FractionSettings adjustedThickness() {
    return tight(true);
}
FractionSettings adjustedBladeHeight() {
    return tight(true);
}
FractionSettings allWidth() {
    return spaced(true);
}
FractionSettings allThickness() {
    return spaced(true, " in");
}
FractionSettings allBladeHeight() {
    return spaced(true);
}
FractionSettings cutWidth() {
    return spaced(false);
}
}  // namespace readout

}  // namespace arcwright
