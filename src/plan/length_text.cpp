// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "plan/length_text.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <string>

#include "fractions/shop_fraction.h"
#include "model/number_text.h"
#include "plan/number_shape.h"

namespace arcwright {

namespace {

struct UnitWord {
    std::string_view word;
    double inchesPerUnit;
};

constexpr std::array<UnitWord, 7> kUnitWords{{{"in.", 1.0},
                                              {"in", 1.0},
                                              {"inch", 1.0},
                                              {"inches", 1.0},
                                              {"\"", 1.0},
                                              {"mm", 1 / kMillimetresPerInch},
                                              {"cm", 10 / kMillimetresPerInch}}};

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

bool sameWord(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != static_cast<unsigned char>(b[i])) {
            return false;
        }
    }
    return true;
}

// A nonzero digit before any exponent: such a text reading as 0 was out of range.
bool hasNonZeroMantissa(std::string_view number) {
    for (const char c : number) {
        if (c == 'e' || c == 'E') return false;
        if (c >= '1' && c <= '9') return true;
    }
    return false;
}

}  // namespace

std::optional<double> readLength(std::string_view text, LengthUnit bareUnit) {
    text = trimmed(text);
    // The unit is what follows the last digit.
    const std::size_t lastDigit = text.find_last_of("0123456789");
    if (lastDigit == std::string_view::npos) return std::nullopt;
    std::string_view unit = trimmed(text.substr(lastDigit + 1));
    std::string_view number = trimmed(text.substr(0, lastDigit + 1));
    // A point right after the digits belongs to them: "3." on the way to "3.5", "3. mm".
    if (text.substr(lastDigit + 1, 1) == ".") {
        number = text.substr(0, lastDigit + 2);
        unit = trimmed(text.substr(lastDigit + 2));
    }

    double scale = bareUnit == LengthUnit::Inch ? 1.0 : 1 / kMillimetresPerInch;
    if (!unit.empty()) {
        const auto* found = std::find_if(kUnitWords.begin(), kUnitWords.end(),
                                         [&](const UnitWord& u) { return sameWord(unit, u.word); });
        if (found == kUnitWords.end()) return std::nullopt;
        scale = found->inchesPerUnit;
    }
    // A decimal comma, as most of the world writes it, when there is no point beside it.
    std::string point(number);
    if (std::count(point.begin(), point.end(), ',') == 1 && point.find('.') == std::string::npos)
        std::replace(point.begin(), point.end(), ',', '.');
    number = point;
    if (!looksLikeOneNumber(number)) return std::nullopt;
    const double value = leadingNumber(number);
    if (value == 0.0 && hasNonZeroMantissa(number)) return std::nullopt;
    const double inches = value * scale;
    if (!(inches <= kLongestLength)) return std::nullopt;
    return inches;
}

bool isLengthBelowZero(std::string_view text, LengthUnit bareUnit) {
    text = trimmed(text);
    if (text.empty() || text.front() != '-') return false;
    const auto size = readLength(text.substr(1), bareUnit);
    return size && *size > 0;
}

std::optional<double> readDegrees(std::string_view text) {
    text = trimmed(text);
    for (const std::string_view unit : {"°", "degrees", "deg"}) {
        if (text.size() >= unit.size() && sameWord(text.substr(text.size() - unit.size()), unit)) {
            text = trimmed(text.substr(0, text.size() - unit.size()));
            break;
        }
    }
    if (!looksLikeOneDecimal(text)) return std::nullopt;
    return leadingNumber(text);
}

std::string lengthText(double inches, LengthUnit unit) {
    if (unit == LengthUnit::Millimetre) return formatNumber(inches * kMillimetresPerInch, "0.0 mm");
    return formatNumber(inches, "0.0### in.");
}

std::string shopFractionText(double inches) {
    // A length read back from millimetres lies a hair off its inches (50.8 mm is
    // 1.9999999999999998 in.): that is no "a little less" a rule could show.
    const double shown = std::isfinite(inches) ? std::round(inches * 1e9) / 1e9 : 0.0;
    // A length below zero (a wall's reach past the face's edge) reads as its size with a
    // minus sign, the mark saying whether that size is a little more or less: the fraction
    // rule itself counts whole inches down from below zero, "-1 29/32" for -3/32.
    if (shown < 0) return "-" + shopFractionText(-shown);
    const FractionCaptions f = ShowFraction(shown, 32, {true, " - in.", " + in.", " in."});
    std::string out = f.whole;
    if (!f.numerator.empty()) {
        if (!out.empty()) out += ' ';
        out += f.numerator + f.slash + f.denominator;
    }
    if (out.empty()) out.push_back('0');  // not `= "0"`: GCC 12 -O2 warns falsely on it
    // "+in." below one 1/32: keep it apart from the number as the other marks are.
    if (!f.mark.empty() && f.mark.front() != ' ') out += ' ';
    return out + f.mark;
}

std::string lengthBoxText(double inches, LengthUnit unit) {
    if (unit == LengthUnit::Millimetre) {
        return formatNumber(inches * kMillimetresPerInch, "0.0 mm");
    }
    return formatNumber(inches, "0.0###");
}

}  // namespace arcwright
