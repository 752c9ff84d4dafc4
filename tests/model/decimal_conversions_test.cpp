// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The portable conversions against the C++ library's, bit for bit, over the edges of a
// double's range and a large generated table: the browser build reads and writes every
// number through the portable ones.
#include "model/decimal_conversions.h"

#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace arcwright {
namespace {

using conversions::Conversions;

// Equal as bits: -0 is not 0, and two "nothing"s are equal.
bool sameBits(std::optional<double> a, std::optional<double> b) {
    if (a.has_value() != b.has_value()) return false;
    return !a || std::bit_cast<std::uint64_t>(*a) == std::bit_cast<std::uint64_t>(*b);
}

std::string shown(std::optional<double> v) {
    if (!v) return "nothing";
    char buf[64];
    std::snprintf(buf, sizeof buf, "%a", *v);
    return buf;
}

class PortableConversions : public ::testing::Test {
  protected:
    void SetUp() override {
        const auto library = conversions::charconv();
        if (!library) GTEST_SKIP() << "this C++ library has no floating-point <charconv>";
        library_ = *library;
    }
    Conversions library_{};
    Conversions portable_ = conversions::portable();
    std::mt19937_64 random_{20261210};
};

// Decimal texts that sit on an edge: zeros, the smallest subnormals and the rounding to them,
// the largest double and one step past, digit runs too long for any double, bare points.
const std::vector<std::string> kDecimalEdges = {
    "0",
    "-0",
    "0.0",
    "0e-999",
    "00000.00000",
    "1",
    "-1",
    ".5",
    "5.",
    "-.5",
    "0.1",
    "0.3",
    "2.5",
    "1e-400",
    "2.4e-324",
    "2.4703282292062327e-324",
    "2.4703282292062328e-324",
    "2.5e-324",
    "4.9e-324",
    "-4.9e-324",
    "1e-310",
    "2.2250738585072011e-308",
    "2.2250738585072014e-308",
    "1e308",
    "1.7976931348623157e308",
    "1.7976931348623158e308",
    "1.7976931348623159e308",
    "1e309",
    "-1e309",
    "1e400",
    "9007199254740993",
    "123456789012345678901234567890",
    std::string(400, '9'),
    "0." + std::string(400, '0') + "1",
    "1E5",
    "1e+5",
    "1e-5",
    "0.000000000000000000000000000000001e-290",
};

TEST_F(PortableConversions, ReadDecimalEdges) {
    for (const std::string& text : kDecimalEdges) {
        EXPECT_TRUE(sameBits(portable_.readDecimal(text), library_.readDecimal(text)))
            << text.substr(0, 60) << ": " << shown(portable_.readDecimal(text)) << " against "
            << shown(library_.readDecimal(text));
    }
}

TEST_F(PortableConversions, ReadDecimalGenerated) {
    std::uniform_int_distribution<int> length(1, 25), digit(0, 9), exponent(-345, 345), coin(0, 3);
    for (int i = 0; i < 200'000; ++i) {
        std::string text = coin(random_) == 0 ? "-" : "";
        const int digits = length(random_);
        const int point = coin(random_) == 0 ? -1 : static_cast<int>(random_() % (digits + 1));
        for (int d = 0; d < digits; ++d) {
            if (d == point) text += '.';
            text += static_cast<char>('0' + digit(random_));
        }
        if (coin(random_) != 0) text += "e" + std::to_string(exponent(random_));
        ASSERT_TRUE(sameBits(portable_.readDecimal(text), library_.readDecimal(text)))
            << text << ": " << shown(portable_.readDecimal(text)) << " against "
            << shown(library_.readDecimal(text));
    }
}

TEST_F(PortableConversions, ReadHexGenerated) {
    std::uniform_int_distribution<int> length(1, 300), digit(0, 15);
    std::vector<std::string> texts = {"0",
                                      "1f",
                                      "ffffffffffffffff",
                                      "20000000000001",
                                      "1fffffffffffff8",
                                      std::string(256, 'f'),
                                      std::string(255, 'f')};
    for (int i = 0; i < 50'000; ++i) {
        std::string text;
        const int n = i < 40'000 ? 1 + i % 30 : length(random_);
        for (int d = 0; d < n; ++d) text += "0123456789abcdef"[digit(random_)];
        texts.push_back(text);
    }
    for (const std::string& text : texts) {
        ASSERT_TRUE(sameBits(portable_.readHex(text), library_.readHex(text)))
            << text << ": " << shown(portable_.readHex(text)) << " against "
            << shown(library_.readHex(text));
    }
}

TEST_F(PortableConversions, Scientific15) {
    std::vector<double> values = {0.0,
                                  DBL_TRUE_MIN,
                                  DBL_MIN,
                                  DBL_MAX,
                                  1.0,
                                  0.1,
                                  0.0625,
                                  1e23,
                                  5e-324,
                                  1e-310,
                                  0.5,
                                  2.5,
                                  1.000000000000005,
                                  0.3 - 0.1,
                                  9.999999999999995e22,
                                  1e15,
                                  123456789012345.5};
    std::uniform_int_distribution<std::uint64_t> bits(0, 0x7FEF'FFFF'FFFF'FFFFull);
    std::uniform_real_distribution<double> shop(0.0, 100.0);
    for (int i = 0; i < 200'000; ++i) {
        values.push_back(i % 2 == 0 ? std::bit_cast<double>(bits(random_)) : shop(random_));
    }
    for (const double v : values) {
        ASSERT_EQ(portable_.scientific15(v), library_.scientific15(v)) << shown(v);
    }
}

}  // namespace
}  // namespace arcwright
