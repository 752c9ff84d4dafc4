// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fractions/shop_fraction.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numeric>
#include <ostream>
#include <string>

#include "readouts/readouts.h"

namespace arcwright {

void PrintTo(const FractionCaptions& c, std::ostream* os) {
    *os << '"' << c.whole << "\" | \"" << c.numerator << "\" | \"" << c.slash << "\" | \""
        << c.denominator << "\" | \"" << c.mark << '"';
}

namespace {

FractionCaptions captions(const char* whole, const char* numerator, const char* denominator,
                          const char* mark) {
    return {whole, numerator, *numerator ? "/" : "", denominator, mark};
}

struct FractionRow {
    const char* name;
    double value;
    int minFraction;
    FractionSettings (*settings)();
    FractionCaptions expected;
};
void PrintTo(const FractionRow& row, std::ostream* os) {
    *os << row.name;
}

class ShowFractionTable : public testing::TestWithParam<FractionRow> {};

TEST_P(ShowFractionTable, Captions) {
    const FractionRow& row = GetParam();
    EXPECT_EQ(ShowFraction(row.value, row.minFraction, row.settings()), row.expected)
        << "value " << row.value << " at 1/" << row.minFraction;
}

std::string rowName(const testing::TestParamInfo<FractionRow>& info) {
    return info.param.name;
}

using readout::adjustedThickness;

INSTANTIATE_TEST_SUITE_P(
    Sixteenths, ShowFractionTable,
    testing::Values(
        FractionRow{"RoundsUp", 0.30, 16, adjustedThickness, captions("", "5", "16", "-in.")},
        FractionRow{"ExactReduced", 0.75, 16, adjustedThickness, captions("", "3", "4", " in.")},
        FractionRow{"WholeInches", 4.0, 16, adjustedThickness, captions("4", "", "", " in.")},
        FractionRow{"BelowOneUnit", 4.03, 16, adjustedThickness, captions("4", "", "", "+in.")},
        FractionRow{"CarryIntoNextInch", 2.97, 16, adjustedThickness,
                    captions("3", "", "", "-in.")},
        FractionRow{"OneUnitExact", 0.0625, 16, adjustedThickness, captions("", "1", "16", " in.")},
        FractionRow{"OneUnitUnder", 0.07, 16, adjustedThickness, captions("", "1", "16", "+in.")},
        FractionRow{"TieGoesUp", 0.09375, 16, adjustedThickness, captions("", "1", "8", "-in.")},
        FractionRow{"Half", 3.5, 16, adjustedThickness, captions("3", "1", "2", " in.")},
        FractionRow{"NegativeFloors", -0.3, 16, adjustedThickness,
                    captions("-1", "11", "16", "+in.")},
        FractionRow{"NegativeWhole", -2, 16, adjustedThickness, captions("-2", "", "", " in.")},
        FractionRow{"ZeroBlank", 0, 16, adjustedThickness, captions("", "", "", " in.")},
        FractionRow{"ZeroShown", 0, 16, readout::adjustedWidth, captions("0", "", "", " in.")},
        FractionRow{"CarryNeverBlank", 0.99, 16, adjustedThickness, captions("1", "", "", "-in.")},
        FractionRow{"WidthShowsZero", 0.3, 16, readout::adjustedWidth,
                    captions("0", "5", "16", "-in.")},
        FractionRow{"HairBelowOneUnit", std::nextafter(0.0625, 0.0), 16, adjustedThickness,
                    captions("", "", "", "+in.")},
        FractionRow{"HairBelowTie", std::nextafter(0.09375, 0.0), 16, adjustedThickness,
                    captions("", "1", "16", "+in.")},
        FractionRow{"SameAtThirtySecondsRoundsUp", 1.28125, 16, adjustedThickness,
                    captions("1", "5", "16", "-in.")}),
    rowName);

INSTANTIATE_TEST_SUITE_P(
    ThirtySeconds, ShowFractionTable,
    testing::Values(
        FractionRow{"Half", 0.5, 32, adjustedThickness, captions("", "1", "2", " in.")},
        FractionRow{"OddExact", 1.28125, 32, adjustedThickness, captions("1", "9", "32", " in.")},
        FractionRow{"JustUnderInch", 0.97, 32, adjustedThickness, captions("", "31", "32", "+in.")},
        FractionRow{"Carry", 2.99, 32, adjustedThickness, captions("3", "", "", "-in.")},
        FractionRow{"ReducedToSixteenths", 6.0 / 32, 32, adjustedThickness,
                    captions("", "3", "16", " in.")},
        FractionRow{"OneUnit", 1.0 / 32, 32, adjustedThickness, captions("", "1", "32", " in.")}),
    rowName);

INSTANTIATE_TEST_SUITE_P(
    ReadoutMarks, ShowFractionTable,
    testing::Values(FractionRow{"CutWidthRoundedUp", 2.30, 16, readout::cutWidth,
                                captions("2", "5", "16", "- in.")},
                    FractionRow{"CutWidthRoundedDown", 2.07, 16, readout::cutWidth,
                                captions("2", "1", "16", "+ in.")},
                    FractionRow{"CutWidthBelowUnitNoBlank", 2.03, 16, readout::cutWidth,
                                captions("2", "", "", "+in.")},
                    FractionRow{"CutWidthZeroShown", 0.02, 16, readout::cutWidth,
                                captions("0", "", "", "+in.")},
                    FractionRow{"AllThicknessExactNoStop", 0.75, 16, readout::allThickness,
                                captions("", "3", "4", " in")},
                    FractionRow{"AllThicknessWholeKeepsStop", 1.0, 16, readout::allThickness,
                                captions("1", "", "", " in.")},
                    FractionRow{"AllWidthBlanksZero", 0.5, 16, readout::allWidth,
                                captions("", "1", "2", " in.")},
                    FractionRow{"AdjustedBladeHeightBlanksZero", 0.3, 16,
                                readout::adjustedBladeHeight, captions("", "5", "16", "-in.")},
                    FractionRow{"AllBladeHeightRoundedUp", 0.3, 16, readout::allBladeHeight,
                                captions("", "5", "16", "- in.")},
                    FractionRow{"AllBladeHeightRoundedDown", 0.51, 32, readout::allBladeHeight,
                                captions("", "1", "2", "+ in.")}),
    rowName);

constexpr double kNan = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    OddInputs, ShowFractionTable,
    testing::Values(
        FractionRow{"NotANumber", kNan, 16, readout::adjustedWidth, captions("", "", "", " in.")},
        FractionRow{"Infinity", -kInf, 32, readout::cutWidth, captions("", "", "", " in.")},
        FractionRow{"BeyondPlainDigits", 1e15, 16, readout::cutWidth,
                    captions("1E+15", "", "", " in.")},
        FractionRow{"ZeroResolutionMeansSixteenths", 0.75, 0, adjustedThickness,
                    captions("", "3", "4", " in.")},
        FractionRow{"NegativeResolution", 0.3, -8, adjustedThickness,
                    captions("", "5", "16", "-in.")},
        FractionRow{"TwelfthsReduce", 0.52, 12, adjustedThickness, captions("", "1", "2", "+in.")},
        FractionRow{"ThirdsCannotReduce", 0.7, 3, adjustedThickness,
                    captions("", "2", "3", "+in.")},
        FractionRow{"HalvesCarry", 0.75, 2, adjustedThickness, captions("1", "", "", "-in.")},
        FractionRow{"PrimeResolution", 0.25, std::numeric_limits<int>::max(), adjustedThickness,
                    captions("", "536870912", "2147483647", "-in.")}),
    rowName);

// Every exact step of a resolution comes out in lowest terms, with the denominator a
// divisor of the resolution.
class LowestTerms : public testing::TestWithParam<int> {};

TEST_P(LowestTerms, EveryStepExact) {
    const int m = GetParam();
    for (int n = 1; n < m; ++n) {
        const FractionCaptions c =
            ShowFraction(3.0 + static_cast<double>(n) / m, m, readout::adjustedWidth());
        const int g = std::gcd(n, m);
        EXPECT_EQ(
            c, captions("3", std::to_string(n / g).c_str(), std::to_string(m / g).c_str(), " in."))
            << n << "/" << m;
    }
}

INSTANTIATE_TEST_SUITE_P(Resolutions, LowestTerms, testing::Values(16, 32),
                         [](const testing::TestParamInfo<int>& info) {
                             return "Per" + std::to_string(info.param);
                         });

}  // namespace
}  // namespace arcwright
