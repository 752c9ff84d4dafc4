// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The shapes a planner box takes, against the same shapes written as regular expressions:
// every text of up to five characters from the characters that matter, and many longer
// ones, must be taken or refused alike. Then the cases a woodworker types, good and bad.
#include "plan/number_shape.h"

#include <gtest/gtest.h>

#include <random>
#include <regex>
#include <string>

namespace arcwright {
namespace {

const std::regex kOneNumber(
    R"([+]?((\d+(\.\d*)?|\.\d+)([eE][+-]?\d+)?|(\d+( *- *| +))?\d+/0*[1-9]\d*))");
const std::regex kOneDecimal(R"([+-]?(\d+(\.\d*)?|\.\d+))");
constexpr std::string_view kAlphabet = "019. -+/eE";

void expectAlike(const std::string& text) {
    EXPECT_EQ(looksLikeOneNumber(text), std::regex_match(text, kOneNumber)) << '"' << text << '"';
    EXPECT_EQ(looksLikeOneDecimal(text), std::regex_match(text, kOneDecimal)) << '"' << text << '"';
}

TEST(NumberShape, EveryShortTextAsTheExpressionsSay) {
    std::string text;
    for (std::size_t length = 0; length <= 5; ++length) {
        std::size_t count = 1;
        for (std::size_t i = 0; i < length; ++i) count *= kAlphabet.size();
        for (std::size_t n = 0; n < count; ++n) {
            text.clear();
            for (std::size_t i = 0, k = n; i < length; ++i, k /= kAlphabet.size()) {
                text += kAlphabet[k % kAlphabet.size()];
            }
            expectAlike(text);
            if (::testing::Test::HasFailure()) return;
        }
    }
}

TEST(NumberShape, LongerTextsAsTheExpressionsSay) {
    std::mt19937 random(20261210);
    std::uniform_int_distribution<std::size_t> length(6, 14), pick(0, kAlphabet.size() - 1);
    for (int i = 0; i < 100'000 && !::testing::Test::HasFailure(); ++i) {
        std::string text;
        for (std::size_t n = length(random); n > 0; --n) text += kAlphabet[pick(random)];
        expectAlike(text);
    }
}

struct Typed {
    const char* text;
    bool number;   // one length
    bool decimal;  // one angle
};

class TypedShapes : public ::testing::TestWithParam<Typed> {};

TEST_P(TypedShapes, TakenOrRefused) {
    EXPECT_EQ(looksLikeOneNumber(GetParam().text), GetParam().number);
    EXPECT_EQ(looksLikeOneDecimal(GetParam().text), GetParam().decimal);
}

INSTANTIATE_TEST_SUITE_P(
    Planner, TypedShapes,
    ::testing::Values(Typed{"2.5", true, true}, Typed{".5", true, true}, Typed{"3.", true, true},
                      Typed{"1e3", true, false}, Typed{"+2", true, true}, Typed{"-2", false, true},
                      Typed{"3/4", true, false}, Typed{"1 1/2", true, false},
                      Typed{"1-1/2", true, false}, Typed{"1 - 1/2", true, false},
                      Typed{"12  3/8", true, false}, Typed{"1.2.3", false, false},
                      Typed{"3/4/5", false, false}, Typed{"1/0", false, false},
                      Typed{"1/00", false, false}, Typed{"1/007", true, false},
                      Typed{"1--1/2", false, false}, Typed{"1 1", false, false},
                      Typed{".", false, false}, Typed{"", false, false}, Typed{"1e", false, false},
                      Typed{"1.5/2", false, false}, Typed{"2,5", false, false}));

}  // namespace
}  // namespace arcwright
