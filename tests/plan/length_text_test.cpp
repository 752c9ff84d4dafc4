// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "plan/length_text.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <utility>

namespace arcwright {
namespace {

struct ReadRow {
    const char* name;
    std::string text;
    LengthUnit bare;
    std::optional<double> inches;
};
void PrintTo(const ReadRow& row, std::ostream* os) {
    *os << row.name;
}

class ReadLength : public testing::TestWithParam<ReadRow> {};

TEST_P(ReadLength, Reads) {
    const ReadRow& row = GetParam();
    const auto got = readLength(row.text, row.bare);
    ASSERT_EQ(got.has_value(), row.inches.has_value()) << '"' << row.text << '"';
    if (got) {
        EXPECT_NEAR(*got, *row.inches, 1e-12) << '"' << row.text << '"';
    }
}

constexpr auto kIn = LengthUnit::Inch;
constexpr auto kMm = LengthUnit::Millimetre;

INSTANTIATE_TEST_SUITE_P(
    BoxTexts, ReadLength,
    testing::Values(
        ReadRow{"Decimal", "3.5", kIn, 3.5}, ReadRow{"BarePoint", ".75", kIn, 0.75},
        ReadRow{"MixedFraction", "3 1/2", kIn, 3.5}, ReadRow{"DashedFraction", "3-1/2", kIn, 3.5},
        ReadRow{"Fraction", "7/8", kIn, 0.875}, ReadRow{"FractionWithUnit", "3 1/2 in.", kIn, 3.5},
        ReadRow{"InchesWord", "2 Inches", kIn, 2}, ReadRow{"InchMark", "1/8\"", kMm, 0.125},
        ReadRow{"Millimetres", "89 mm", kIn, 89 / 25.4},
        ReadRow{"Centimetres", "8.9 cm", kIn, 89 / 25.4},
        ReadRow{"UpperCaseUnitNoBlank", "89MM", kIn, 89 / 25.4},
        ReadRow{"BareInMillimetres", "3.2", kMm, 3.2 / 25.4},
        ReadRow{"FractionInMillimetreMode", "1/8 in", kMm, 0.125},
        ReadRow{"Blanks", "  0.625  ", kIn, 0.625}, ReadRow{"Exponent", "1e-1", kIn, 0.1},
        ReadRow{"Zero", "0", kIn, 0.0}, ReadRow{"TrailingPoint", "3.", kIn, 3.0},
        ReadRow{"TrailingPointThenUnit", "3. mm", kIn, 3 / 25.4}, ReadRow{"PlusSign", "+2", kIn, 2},
        // Bad text: no number, more than one number, another unit, out of range.
        ReadRow{"Empty", "", kIn, std::nullopt}, ReadRow{"Blank", "   ", kIn, std::nullopt},
        ReadRow{"Letters", "abc", kIn, std::nullopt}, ReadRow{"UnitOnly", "mm", kIn, std::nullopt},
        ReadRow{"Feet", "3 ft", kIn, std::nullopt},
        ReadRow{"TwoPoints", "1.2.3", kIn, std::nullopt},
        ReadRow{"TwoSlashes", "3/4/5", kIn, std::nullopt},
        ReadRow{"ZeroDenominator", "1/0", kIn, std::nullopt},
        ReadRow{"SpacedSlash", "3 / 4", kIn, std::nullopt},
        ReadRow{"TwoCommas", "2,5,1", kIn, std::nullopt},
        ReadRow{"CommaAndPoint", "1,002.5", kIn, std::nullopt},
        ReadRow{"Hex", "&H10", kIn, std::nullopt}, ReadRow{"Negative", "-3", kIn, std::nullopt},
        ReadRow{"BeyondDouble", "1e999", kIn, std::nullopt}, ReadRow{"Longest", "1e6", kIn, 1e6},
        ReadRow{"LongerThanAnyBoard", "1e7", kIn, std::nullopt},
        ReadRow{"HugeInMillimetres", "1e300 mm", kIn, std::nullopt},
        ReadRow{"DanglingExponent", "2e", kIn, std::nullopt},
        ReadRow{"NumberAfterUnit", "3 in 4", kIn, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

// A length typed below zero is told apart from text that is no length at all.
TEST(LengthBelowZero, IsAMinusBeforeALength) {
    struct Row {
        const char* text;
        LengthUnit bare;
        bool below;
    };
    for (const Row& row : {Row{"-3", kIn, true}, Row{" -1/8 in.", kMm, true},
                           Row{"-2,5", kMm, true}, Row{"-0", kIn, false}, Row{"3", kIn, false},
                           Row{"-abc", kIn, false}, Row{"--3", kIn, false}, Row{"", kIn, false}}) {
        EXPECT_EQ(isLengthBelowZero(row.text, row.bare), row.below) << '"' << row.text << '"';
    }
}

struct ShowRow {
    const char* name;
    double inches;
    std::string inchText, mmText, fraction, inchBox, mmBox;
};
void PrintTo(const ShowRow& row, std::ostream* os) {
    *os << row.name;
}

class ShowLength : public testing::TestWithParam<ShowRow> {};

TEST_P(ShowLength, Writes) {
    const ShowRow& row = GetParam();
    EXPECT_EQ(lengthText(row.inches, kIn), row.inchText);
    EXPECT_EQ(lengthText(row.inches, kMm), row.mmText);
    EXPECT_EQ(shopFractionText(row.inches), row.fraction);
    EXPECT_EQ(lengthBoxText(row.inches, kIn), row.inchBox);
    EXPECT_EQ(lengthBoxText(row.inches, kMm), row.mmBox);
    // What a box is given reads back as the same length, to the shown places.
    EXPECT_NEAR(*readLength(row.inchBox, kIn), row.inches, 5e-5);
    EXPECT_NEAR(*readLength(row.mmBox, kIn), row.inches, 0.05 / 25.4 + 1e-12);
}

INSTANTIATE_TEST_SUITE_P(
    Lengths, ShowLength,
    testing::Values(
        ShowRow{"FiveEighths", 0.625, "0.625 in.", "15.9 mm", "5/8 in.", "0.625", "15.9 mm"},
        ShowRow{"ALittleMore", 3.082207, "3.0822 in.", "78.3 mm", "3 3/32 - in.", "3.0822",
                "78.3 mm"},
        ShowRow{"ALittleLess", 2.99, "2.99 in.", "75.9 mm", "3 - in.", "2.99", "75.9 mm"},
        ShowRow{"UnderAThirtySecond", 4.01, "4.01 in.", "101.9 mm", "4 +in.", "4.01", "101.9 mm"},
        ShowRow{"Sixteenth", 0.0625, "0.0625 in.", "1.6 mm", "1/16 in.", "0.0625", "1.6 mm"},
        ShowRow{"Whole", 4, "4.0 in.", "101.6 mm", "4 in.", "4.0", "101.6 mm"},
        ShowRow{"Zero", 0, "0.0 in.", "0.0 mm", "0 in.", "0.0", "0.0 mm"},
        // Read back from millimetres a whole inch comes out a hair under; it is still whole.
        ShowRow{"BackFromMillimetres", 101.6 * (1 / 25.4) / 2, "2.0 in.", "50.8 mm", "2 in.", "2.0",
                "50.8 mm"}),
    [](const auto& info) { return std::string(info.param.name); });

// Below zero, as a wall's reach past the face's edge can be: the size with a minus sign.
TEST(ShopFraction, ReadsALengthBelowZeroAsItsSizeWithAMinus) {
    const std::pair<double, std::string> rows[] = {
        {-0.0885, "-3/32 - in."}, {-0.625, "-5/8 in."}, {-1.5, "-1 1/2 in."},
        {-2.99, "-3 - in."},      {-4.01, "-4 +in."},   {-1e-12, "0 in."},
    };
    for (const auto& [inches, fraction] : rows) {
        EXPECT_EQ(shopFractionText(inches), fraction) << inches;
    }
}

}  // namespace
}  // namespace arcwright
