// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <clocale>
#include <locale>
#include <stdexcept>
#include <string>

#include "model/number_text.h"

namespace arcwright {
namespace {

// The window toolkit adopts the desktop's locale; a decimal comma must not leak into
// what the boxes read or the labels show.
TEST(NumberTextLocale, DecimalCommaLocaleChangesNothing) {
    const char* set = std::setlocale(LC_ALL, "de_DE.UTF-8");
    bool cxxSet = true;
    try {
        std::locale::global(std::locale("de_DE.UTF-8"));
    } catch (const std::runtime_error&) {
        cxxSet = false;
    }
    if (set == nullptr || !cxxSet) {
        std::locale::global(std::locale::classic());
        std::setlocale(LC_ALL, "C");
        // A build machine often has no locale but C; scripts/setup.sh generates this one.
        GTEST_SKIP() << "locale de_DE.UTF-8 is not installed; scripts/setup.sh generates it";
    }
    EXPECT_EQ(std::string(std::localeconv()->decimal_point), ",");

    EXPECT_EQ(leadingNumber("0.5 in."), 0.5);
    EXPECT_EQ(leadingNumber("1 1/2 in."), 1.5);
    EXPECT_EQ(formatNumber(2.5, "0.##0 in."), "2.500 in.");
    EXPECT_EQ(formatNumber(0.78125, "0.0#### in."), "0.78125 in.");
    EXPECT_EQ(plainNumberText(0.625), "0.625");
    EXPECT_EQ(plainNumberText(1.5e-16), "1.5E-16");

    std::locale::global(std::locale::classic());
    std::setlocale(LC_ALL, "C");
}

}  // namespace
}  // namespace arcwright
