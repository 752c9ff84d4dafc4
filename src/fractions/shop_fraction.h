// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// fractions owns the shop-fraction rule: a length rounded to 1/16 or 1/32 in., reduced,
// with a mark that says which way it was rounded. Which read-out uses which marks is
// the read-outs' business.

#include <string>

namespace arcwright {

// The five captions of a fraction read-out, left to right.
struct FractionCaptions {
    std::string whole;
    std::string numerator;
    std::string slash;
    std::string denominator;
    std::string mark;

    bool operator==(const FractionCaptions&) const = default;
};

// How one read-out writes a zero whole part and its over/under marks.
struct FractionSettings {
    bool wholeZeroBlank;
    std::string minusMark;  // rounded up: the true value is a little less
    std::string plusMark;   // rounded down: the true value is a little more
    std::string exactMark;
};

// A length rounded to the nearest 1/minFraction inch (16 or 32), reduced to lowest
// terms, with a mark that says whether the shown value is exact, over or under.
FractionCaptions ShowFraction(double value, int minFraction, const FractionSettings& settings);

}  // namespace arcwright
