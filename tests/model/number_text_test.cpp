// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <ostream>
#include <string>

namespace arcwright {
namespace {

constexpr double kNan = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

template <typename Row>
std::string rowName(const testing::TestParamInfo<Row>& info) {
    return info.param.name;
}

// ---- leadingNumber -------------------------------------------------------------------

// Rows show as their name in test listings: the texts may hold tabs, line feeds or
// thousands of characters.
struct ReadRow {
    const char* name;
    std::string text;
    double expected;
};
void PrintTo(const ReadRow& row, std::ostream* os) {
    *os << row.name;
}

class LeadingNumber : public testing::TestWithParam<ReadRow> {};

TEST_P(LeadingNumber, Reads) {
    const ReadRow& row = GetParam();
    const double got = leadingNumber(row.text);
    EXPECT_EQ(got, row.expected) << '"' << row.text.substr(0, 60) << '"';
    if (row.expected == 0.0) {
        EXPECT_FALSE(std::signbit(got)) << "a zero reading is never -0";
    }
}

INSTANTIATE_TEST_SUITE_P(
    BoxTexts, LeadingNumber,
    testing::Values(
        ReadRow{"HalfInch", "0.5 in.", 0.5}, ReadRow{"Degrees", "45°", 45},
        ReadRow{"BarePoint", ".75", 0.75}, ReadRow{"StartWidth", "4.0 in.", 4},
        ReadRow{"CommaStops", "2,5", 2}, ReadRow{"Empty", "", 0},
        ReadRow{"BlanksAndUnit", "  .5in", 0.5}, ReadRow{"Letters", "abc", 0},
        ReadRow{"Exponent", "3e1", 30}, ReadRow{"NegativeExponent", "2E-1", 0.2},
        ReadRow{"ExponentThenUnit", "1.5e2in", 150}, ReadRow{"DanglingE", "2e", 2},
        ReadRow{"DanglingESign", "2e+x", 2}, ReadRow{"BlanksInsideExponent", "2e+ 5", 2e5},
        ReadRow{"EachIsNotExponent", "6each", 6}, ReadRow{"PlusSign", "+7", 7},
        ReadRow{"MinusPoint", "-.5", -0.5}, ReadRow{"SecondPointStops", "1.2.3", 1.2},
        ReadRow{"PointOnly", ".", 0}, ReadRow{"SignOnly", "-", 0}, ReadRow{"ExponentOnly", "e5", 0},
        ReadRow{"PointExponent", ".e5", 0}, ReadRow{"BlanksInsideDigits", "1 2 3", 123},
        ReadRow{"TabAndLineFeed", "\t-\n4 in", -4}, ReadRow{"NegativeZero", "-0", 0},
        ReadRow{"Hex", "&H10", 16}, ReadRow{"HexLowerCase", "&h1f", 31},
        ReadRow{"HexWithBlanks", "& H 1 0", 16}, ReadRow{"HexIsUnsigned", "&HFFFF", 65535},
        ReadRow{"Octal", "&O17", 15}, ReadRow{"OctalBadDigit", "&o8", 0},
        ReadRow{"HexNoDigits", "&H", 0}, ReadRow{"UnknownBase", "&Q1", 0},
        ReadRow{"LongOctalRoundsOnce", "&O" + std::string(30, '7'), std::ldexp(1.0, 90)},
        ReadRow{"Subnormal", "1e-310", 1e-310}, ReadRow{"LargestScale", "1e308", 1e308},
        ReadRow{"ThreeHundredDigits", "1" + std::string(300, '0'), 1e300},
        ReadRow{"FarApartDigits", "1" + std::string(10000, ' ') + "2", 12}),
    rowName<ReadRow>);

INSTANTIATE_TEST_SUITE_P(
    ShopFractions, LeadingNumber,
    testing::Values(
        ReadRow{"MixedWithBlank", "1 1/2", 1.5}, ReadRow{"MixedWithDash", "1-1/2", 1.5},
        ReadRow{"DashWithBlanks", "1 - 1/2 in.", 1.5}, ReadRow{"SeveralBlanks", "2 \t 3/8", 2.375},
        ReadRow{"Fraction", "3/4", 0.75}, ReadRow{"FractionWithUnit", "3/4 in.", 0.75},
        ReadRow{"ImproperFraction", "11/2", 5.5}, ReadRow{"LeadingBlanks", "   5/8in", 0.625},
        ReadRow{"NegativeMixed", "-1 1/2", -1.5}, ReadRow{"NegativeFraction", "-3/4", -0.75},
        ReadRow{"BlankAfterSign", "- 3/4", -0.75}, ReadRow{"PlusMixed", "+1 1/4", 1.25},
        ReadRow{"ZeroNumerator", "1 0/4", 1}, ReadRow{"NegativeZeroFraction", "-0/4", 0},
        ReadRow{"ZeroDenominator", "1/0", 1}, ReadRow{"MixedZeroDenominator", "1 1/0", 11},
        ReadRow{"DenominatorWithPoint", "3/4.5", 3}, ReadRow{"SecondSlash", "1 1/2/3", 11},
        ReadRow{"DecimalOverWhole", "1.5/2", 1.5}, ReadRow{"DenominatorExponent", "1/2e3", 1},
        ReadRow{"DoubleDash", "1--1/2", 1}, ReadRow{"NoNumerator", "/2", 0},
        ReadRow{"NoDenominator", "1/", 1}, ReadRow{"BlankBeforeSlash", "1 1 /2", 11},
        ReadRow{"SubtractionLike", "5 - 3", 5}),
    rowName<ReadRow>);

INSTANTIATE_TEST_SUITE_P(
    OutOfRange, LeadingNumber,
    testing::Values(ReadRow{"Overflow", "1e999", 0}, ReadRow{"NegativeOverflow", "-1e999 in.", 0},
                    ReadRow{"Underflow", "1e-999", 0},
                    ReadRow{"FourHundredDigits", std::string(400, '9'), 0},
                    ReadRow{"TinyAfterLongZeros", "0." + std::string(10000, '0') + "1", 0},
                    ReadRow{"HugeHex", "&H" + std::string(300, 'F'), 0},
                    ReadRow{"HugeOctal", "&O" + std::string(400, '7'), 0},
                    ReadRow{"HugeWholeInches", std::string(400, '9') + " 1/2", 0},
                    ReadRow{"HugeDenominator", "1/" + std::string(400, '9'), 0}),
    rowName<ReadRow>);

// Whatever is typed, the reading is a finite number and never -0.
TEST(LeadingNumberJunk, AnyTextReadsAsFiniteNumber) {
    const std::string alphabet = "0123456789..eE+-&HhOo/ \t\n,x°";
    std::uint32_t seed = 12345;
    auto next = [&seed] { return seed = seed * 1664525u + 1013904223u; };
    for (int round = 0; round < 3000; ++round) {
        std::string text(next() % (round < 2990 ? 40 : 12000), ' ');
        for (char& c : text) c = alphabet[(next() >> 8) % alphabet.size()];
        const double v = leadingNumber(text);
        ASSERT_TRUE(std::isfinite(v)) << text.substr(0, 80);
        ASSERT_FALSE(v == 0.0 && std::signbit(v)) << text.substr(0, 80);
    }
}

// ---- formatNumber --------------------------------------------------------------------

struct FormatRow {
    const char* name;
    double value;
    std::string pattern;
    std::string expected;
};
void PrintTo(const FormatRow& row, std::ostream* os) {
    *os << row.name;
}

class FormatNumber : public testing::TestWithParam<FormatRow> {};

TEST_P(FormatNumber, Writes) {
    const FormatRow& row = GetParam();
    EXPECT_EQ(formatNumber(row.value, row.pattern), row.expected)
        << "pattern \"" << row.pattern << '"';
}

INSTANTIATE_TEST_SUITE_P(
    ProgramPatterns, FormatNumber,
    testing::Values(
        FormatRow{"LengthHalf", 0.5, "0.0#### in.", "0.5 in."},
        FormatRow{"LengthWhole", 4, "0.0#### in.", "4.0 in."},
        FormatRow{"LengthSix", 6, "0.0#### in.", "6.0 in."},
        FormatRow{"LengthFiveDecimals", 0.78125, "0.0#### in.", "0.78125 in."},
        FormatRow{"LengthThirtySecond", 0.03125, "0.0#### in.", "0.03125 in."},
        FormatRow{"LengthRounded", 1.234567, "0.0#### in.", "1.23457 in."},
        FormatRow{"Angle", 45, "##°", "45°"}, FormatRow{"AngleOneDigit", 5, "##°", "5°"},
        FormatRow{"AngleZero", 0, "##°", "°"}, FormatRow{"CutWidth", 2.5, "0.##0 in.", "2.500 in."},
        FormatRow{"CutWidthRounded", 1.23456, "0.##0 in.", "1.235 in."},
        FormatRow{"CutWidthHalfUp", 0.0625, "0.##0 in.", "0.063 in."},
        FormatRow{"CutWidthWhole", 2, "0.##0 in.", "2.000 in."},
        FormatRow{"SheetPointAlways", 4, " #.##### in.", " 4. in."},
        FormatRow{"SheetHalf", 4.5, " #.##### in.", " 4.5 in."},
        FormatRow{"SheetZeroLead", 0.75, " 0.##### in.", " 0.75 in."},
        FormatRow{"SheetZeroLeadWhole", 1, " 0.##### in.", " 1. in."},
        FormatRow{"SheetPlain", 0.5, "0.##### in.", "0.5 in."},
        FormatRow{"PaddedAngle", 45, "00°", "45°"},
        FormatRow{"PaddedAngleOneDigit", 5, "00°", "05°"},
        FormatRow{"PaddedAngleWide", 123, "00°", "123°"}, FormatRow{"Bracket", 3, "( #", "( 3"},
        FormatRow{"BracketZero", 0, "( #", "( "}, FormatRow{"BlankCount", 5, " ##", " 5"},
        FormatRow{"BlankCountZero", 0, " ##", " "}, FormatRow{"Count", 16, "##", "16"},
        FormatRow{"CountZero", 0, "##", ""}, FormatRow{"CountWide", 1234, "##", "1234"}),
    rowName<FormatRow>);

INSTANTIATE_TEST_SUITE_P(
    Rounding, FormatNumber,
    testing::Values(FormatRow{"BinaryBelowHalf", 2.675, "0.00", "2.68"},
                    FormatRow{"BinaryBelowHalfSmall", 1.005, "0.00", "1.01"},
                    FormatRow{"TinyBinaryBelowHalf", 0.000015, "0.0####", "0.00002"},
                    FormatRow{"HalfAwayNotEven", 0.125, "0.00", "0.13"},
                    FormatRow{"NegativeHalfAway", -2.5, "0", "-3"},
                    FormatRow{"CarryIntoWhole", 9.9999, "0.0", "10.0"},
                    FormatRow{"CarryToHashPoint", 0.96, "#.#", "1."},
                    FormatRow{"HashOnlyFraction", 0.5, "#.##", ".5"},
                    FormatRow{"LeadingPointSection", 0.25, "x.##", "x.25"},
                    FormatRow{"FarBelowLastPlace", 1e-20, "0.0####", "0.0"},
                    FormatRow{"SecondSectionIsLiteral", 1.25, "0.0.0", "1.3.0"},
                    FormatRow{"PositionalZero", 5, "0#", "05"},
                    FormatRow{"Huge", 1e300, "0.0#### in.",
                              "1" + std::string(300, '0') + ".0 in."}),
    rowName<FormatRow>);

INSTANTIATE_TEST_SUITE_P(
    OddValues, FormatNumber,
    testing::Values(FormatRow{"NegativeLength", -0.5, "0.0#### in.", "-0.5 in."},
                    FormatRow{"NegativeAfterPrefix", -3, "( #", "( -3"},
                    FormatRow{"NegativeHashOnly", -0.5, "#.##", "-.5"},
                    FormatRow{"NegativeRoundsToZero", -0.0001, "0.##0 in.", "0.000 in."},
                    FormatRow{"NegativeZero", -0.0, "##", ""},
                    FormatRow{"NotANumber", kNan, "0.0#### in.", "0.0 in."},
                    FormatRow{"Infinity", kInf, "##°", "°"},
                    FormatRow{"NoPlaceholders", 3, "abc", "abc"},
                    FormatRow{"EmptyPattern", 2.5, "", "2.5"}),
    rowName<FormatRow>);

// ---- plainNumberText -----------------------------------------------------------------

struct PlainRow {
    const char* name;
    double value;
    const char* expected;
};
void PrintTo(const PlainRow& row, std::ostream* os) {
    *os << row.name;
}

class PlainNumberText : public testing::TestWithParam<PlainRow> {};

TEST_P(PlainNumberText, Writes) {
    EXPECT_EQ(plainNumberText(GetParam().value), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, PlainNumberText,
    testing::Values(PlainRow{"Fraction", 0.625, "0.625"}, PlainRow{"One", 1, "1"},
                    PlainRow{"SumOfTenths", 0.1 + 0.2, "0.3"}, PlainRow{"Zero", 0, "0"},
                    PlainRow{"NegativeZero", -0.0, "0"}, PlainRow{"Negative", -1.5, "-1.5"},
                    PlainRow{"Hundred", 100, "100"}, PlainRow{"SmallLead", 0.05, "0.05"},
                    PlainRow{"Third", 1.0 / 3, "0.333333333333333"},
                    PlainRow{"TwoThirdsRounded", 2.0 / 3, "0.666666666666667"},
                    PlainRow{"MixedDigits", 123456.789, "123456.789"},
                    PlainRow{"FifteenNines", 999999999999999, "999999999999999"},
                    PlainRow{"RoundsUpToExponent", 9.999999999999999e14, "1E+15"},
                    PlainRow{"ExponentLarge", 1e16, "1E+16"}, PlainRow{"Huge", -1e300, "-1E+300"},
                    PlainRow{"SmallestPlain", 1e-15, "0.000000000000001"},
                    PlainRow{"ExponentSmall", 1.5e-16, "1.5E-16"},
                    PlainRow{"Subnormal", 4.9e-324, "4.94065645841247E-324"},
                    PlainRow{"NotANumber", kNan, "0"}, PlainRow{"MinusInfinity", -kInf, "0"}),
    rowName<PlainRow>);

}  // namespace
}  // namespace arcwright
