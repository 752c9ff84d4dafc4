// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Arbitrary bytes as the text of an input box: the number read from it must be finite,
// and writing it back through every display pattern of the program, or as plain text,
// must give digits that read back as the same number.

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_checks.h"
#include "model/number_text.h"

using namespace arcwright;
using namespace arcwright::fuzzing;

namespace {

struct Pattern {
    std::string_view text;
    int decimals;    // places after the point
    bool readsBack;  // the written text starts with the number (after blanks)
};

// Every pattern the window and the printed sheet write numbers through.
constexpr std::array<Pattern, 10> kPatterns{{
    {"0.0#### in.", 5, true},
    {"##°", 0, true},
    {"0.##0 in.", 3, true},
    {" #.##### in.", 5, true},
    {" 0.##### in.", 5, true},
    {"0.##### in.", 5, true},
    {"00°", 0, true},
    {"( #", 0, false},
    {" ##", 0, true},
    {"##", 0, true},
}};

// Below this the digits of a pattern still carry the whole value; above it the 15
// significant digits of the rounding take over and the tolerance below covers them.
constexpr double kReadBackLimit = 1e12;

void checkPattern(double value, const Pattern& p) {
    const std::string text = formatNumber(value, p.text);
    checkText(text, "formatNumber wrote a non-finite number");
    if (!p.readsBack || std::fabs(value) >= kReadBackLimit) return;
    const double back = leadingNumber(text);
    const double half = 0.5 * std::pow(10.0, -p.decimals);
    const double tolerance = half * (1 + 1e-9) + std::fabs(value) * 1e-13;
    check(std::fabs(back - value) <= tolerance, "pattern text does not read back", text);
}

void checkPlain(double value) {
    const std::string text = plainNumberText(value);
    checkText(text, "plainNumberText wrote a non-finite number");
    check(!text.empty(), "plainNumberText wrote nothing");
    const std::size_t e = text.find('E');
    const std::string_view mantissa = std::string_view(text).substr(0, e);
    if (mantissa.find('.') != std::string_view::npos) {
        check(mantissa.back() != '0' && mantissa.back() != '.', "plain text keeps trailing zeros",
              text);
    }
    const double back = leadingNumber(text);
    // 15 significant digits: a relative error of at most 5e-15. Values near the bottom of
    // the double range may come back as 0.
    check(std::fabs(back - value) <= std::fabs(value) * 1e-14 + 1e-300,
          "plain text does not read back", text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    currentInput() = text;

    const double value = leadingNumber(text);
    check(std::isfinite(value), "leadingNumber is not finite");
    check(!(value == 0.0 && std::signbit(value)), "leadingNumber gave -0");

    // Blanks in front of a number change nothing.
    const double padded = leadingNumber(" \t" + std::string(text));
    check(padded == value, "leading blanks change the number");

    // A minus in front of a number that starts with a digit negates it.
    if (size > 0 && text[0] >= '0' && text[0] <= '9') {
        const double negated = leadingNumber("-" + std::string(text));
        check(negated == -value, "a leading minus does not negate the number");
    }

    for (const Pattern& p : kPatterns) checkPattern(value, p);
    checkPlain(value);
    return 0;
}
