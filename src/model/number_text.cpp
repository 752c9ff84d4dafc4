// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/number_text.h"

#include <cmath>
#include <cstddef>
#include <optional>
#include <string>

#include "model/decimal_conversions.h"

// Number text never goes through the C library's locale-aware conversions: the window
// toolkit sets the process locale from the environment, and a German desktop would then
// read "0.5 in." as 0 and write 2,500. The conversions (decimal_conversions.h) always
// use ".".

namespace arcwright {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isHexDigit(char c) {
    return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}
bool isPlaceholder(char c) {
    return c == '0' || c == '#';
}

// Finite, in range and never -0: what every reader of a box may rely on.
double tidy(double v) {
    if (!std::isfinite(v)) return 0.0;
    return v == 0.0 ? 0.0 : v;
}

// A run of decimal digits as a double; nothing when it does not fit.
std::optional<double> digitRunValue(std::string_view digits) {
    return conversions::best().readDecimal(digits);
}

class Cursor {
  public:
    explicit Cursor(std::string_view text) : text_(text) {}

    bool atEnd() const { return pos_ >= text_.size(); }
    char peek(std::size_t ahead = 0) const {
        return pos_ + ahead < text_.size() ? text_[pos_ + ahead] : '\0';
    }
    void skipBlanks() {
        while (!atEnd() && isBlank(text_[pos_])) ++pos_;
    }
    bool take(char c) {
        if (atEnd() || text_[pos_] != c) return false;
        ++pos_;
        return true;
    }
    std::string_view digits() {
        const std::size_t start = pos_;
        while (!atEnd() && isDigit(text_[pos_])) ++pos_;
        return text_.substr(start, pos_ - start);
    }

  private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

// True when what follows a denominator would carry on a number: "3/4.5", "1/2/3", "1/2e3".
bool continuesNumber(const Cursor& at) {
    const char c = at.peek();
    if (c == '.' || c == '/') return true;
    if (c == 'e' || c == 'E') {
        const char n = at.peek(1);
        return isDigit(n) || ((n == '+' || n == '-') && isDigit(at.peek(2)));
    }
    return false;
}

// A shop measurement as typed: "3/4", "1 1/2", "1-1/2", "-1 1/2 in.". Nothing when the
// text does not start with one; 0 when one of its parts is too long for a double.
std::optional<double> shopFraction(std::string_view text) {
    Cursor at(text);
    at.skipBlanks();
    bool negative = false;
    if (at.take('-')) {
        negative = true;
    } else {
        at.take('+');
    }
    at.skipBlanks();

    const std::string_view first = at.digits();
    if (first.empty()) return std::nullopt;

    std::string_view whole;
    std::string_view numerator;
    if (at.peek() == '/') {
        numerator = first;
    } else {
        whole = first;
        // Between whole inches and the fraction: blanks, or one dash with optional blanks.
        const bool blankBefore = isBlank(at.peek());
        at.skipBlanks();
        const bool dash = at.take('-');
        if (!blankBefore && !dash) return std::nullopt;
        at.skipBlanks();
        numerator = at.digits();
        if (numerator.empty() || at.peek() != '/') return std::nullopt;
    }
    at.take('/');
    const std::string_view denominator = at.digits();
    if (denominator.empty() || continuesNumber(at)) return std::nullopt;

    const auto den = digitRunValue(denominator);
    const auto num = digitRunValue(numerator);
    const auto inches = whole.empty() ? std::optional<double>(0.0) : digitRunValue(whole);
    if (den && *den == 0.0) return std::nullopt;  // "1/0" is no fraction
    if (!den || !num || !inches) return 0.0;

    const double magnitude = *inches + *num / *den;
    return tidy(negative ? -magnitude : magnitude);
}

// "&H1F" / "&O17": a whole number in base 16 or 8. Octal digits are regrouped into hex
// so that long runs round correctly instead of drifting digit by digit.
double radixNumber(std::string_view packed) {
    const char base = packed.size() > 1 ? packed[1] : '\0';
    std::string hex;
    if (base == 'H' || base == 'h') {
        std::size_t i = 2;
        while (i < packed.size() && isHexDigit(packed[i])) {
            hex.push_back(packed[i++]);
        }
    } else {
        std::string bits;
        for (std::size_t i = 2; i < packed.size() && packed[i] >= '0' && packed[i] <= '7'; ++i) {
            const int d = packed[i] - '0';
            bits.push_back((d & 4) ? '1' : '0');
            bits.push_back((d & 2) ? '1' : '0');
            bits.push_back((d & 1) ? '1' : '0');
        }
        bits.insert(0, (4 - bits.size() % 4) % 4, '0');
        for (std::size_t i = 0; i < bits.size(); i += 4) {
            const int nibble = (bits[i] - '0') * 8 + (bits[i + 1] - '0') * 4 +
                               (bits[i + 2] - '0') * 2 + (bits[i + 3] - '0');
            hex.push_back("0123456789abcdef"[nibble]);
        }
    }
    if (hex.empty()) return 0.0;
    const auto v = conversions::best().readHex(hex);
    return v ? tidy(*v) : 0.0;
}

// The number at the start of a text with every blank already removed.
double packedNumber(std::string_view packed) {
    if (packed.size() >= 2 && packed[0] == '&') {
        const char base = packed[1];
        if (base == 'H' || base == 'h' || base == 'O' || base == 'o') return radixNumber(packed);
        return 0.0;
    }

    std::size_t i = 0;
    std::size_t start = 0;
    if (i < packed.size() && (packed[i] == '+' || packed[i] == '-')) {
        if (packed[i] == '+') start = 1;  // the conversions take "-" but not "+"
        ++i;
    }
    std::size_t digitCount = 0;
    bool point = false;
    for (; i < packed.size(); ++i) {
        const char c = packed[i];
        if (isDigit(c)) {
            ++digitCount;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (digitCount == 0) return 0.0;

    if (i < packed.size() && (packed[i] == 'e' || packed[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < packed.size() && (packed[j] == '+' || packed[j] == '-')) ++j;
        if (j < packed.size() && isDigit(packed[j])) {
            while (j < packed.size() && isDigit(packed[j])) ++j;
            i = j;
        }
    }

    const auto v = conversions::best().readDecimal(packed.substr(start, i - start));
    if (!v) return 0.0;  // beyond the range of a double, or underflow
    return tidy(*v);
}

// The value rounded to 15 significant digits: the digits without a point, and the
// decimal exponent of the first one (0.0625 gives "625000000000000" and -2).
struct SignificantDigits {
    std::string digits;
    int exponent = 0;
};

SignificantDigits significantDigits(double magnitude) {
    const std::string scientific = conversions::best().scientific15(magnitude);
    const std::string_view text(scientific);
    SignificantDigits out;
    const std::size_t e = text.find('e');
    for (std::size_t i = 0; i < e; ++i) {
        if (text[i] != '.') out.digits.push_back(text[i]);
    }
    // The exponent: a sign and at most three digits.
    std::string_view expText = text.substr(e + 1);
    const bool negative = !expText.empty() && expText.front() == '-';
    if (!expText.empty() && (expText.front() == '+' || negative)) expText.remove_prefix(1);
    for (const char c : expText) out.exponent = out.exponent * 10 + (c - '0');
    if (negative) out.exponent = -out.exponent;
    return out;
}

// Adds one to a decimal digit string in place.
void increment(std::string& digits) {
    for (std::size_t i = digits.size(); i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            return;
        }
        digits[i] = '0';
    }
    digits.insert(digits.begin(), '1');
}

// round(|value| * 10^decimals) as decimal digits, rounding a half away from zero on the
// 15-significant-digit form of the value. No leading zeros; "0" for zero.
std::string scaledDigits(double magnitude, std::size_t decimals) {
    if (magnitude == 0.0) return "0";
    const SignificantDigits sig = significantDigits(magnitude);
    const long long keep =
        static_cast<long long>(sig.exponent) + 1 + static_cast<long long>(decimals);
    std::string out;
    if (keep < 0) return "0";
    const auto kept = static_cast<std::size_t>(keep);
    if (kept >= sig.digits.size()) {
        out = sig.digits;
        out.append(kept - sig.digits.size(), '0');
    } else {
        out = sig.digits.substr(0, kept);
        if (sig.digits[kept] >= '5') increment(out);
    }
    const std::size_t nonZero = out.find_first_not_of('0');
    return nonZero == std::string::npos ? "0" : out.substr(nonZero);
}

}  // namespace

double leadingNumber(std::string_view text) {
    if (const auto fraction = shopFraction(text)) return *fraction;

    std::string packed;
    packed.reserve(text.size());
    for (const char c : text) {
        if (!isBlank(c)) packed.push_back(c);
    }
    return packedNumber(packed);
}

std::string formatNumber(double value, std::string_view pattern) {
    if (!std::isfinite(value)) value = 0.0;
    if (pattern.empty()) return plainNumberText(value);

    // The number section begins at the first placeholder, or at a point right before one.
    std::size_t begin = 0;
    while (begin < pattern.size()) {
        const char c = pattern[begin];
        if (isPlaceholder(c)) break;
        if (c == '.' && begin + 1 < pattern.size() && isPlaceholder(pattern[begin + 1])) break;
        ++begin;
    }
    if (begin == pattern.size()) return std::string(pattern);

    std::size_t end = begin;
    std::size_t point = std::string_view::npos;
    while (end < pattern.size()) {
        const char c = pattern[end];
        if (c == '.' && point == std::string_view::npos) {
            point = end;
        } else if (!isPlaceholder(c)) {
            break;
        }
        ++end;
    }

    const std::string_view intPart =
        pattern.substr(begin, (point == std::string_view::npos ? end : point) - begin);
    const std::string_view fracPart = point == std::string_view::npos
                                          ? std::string_view{}
                                          : pattern.substr(point + 1, end - point - 1);
    const std::size_t decimals = fracPart.size();

    std::string digits = scaledDigits(std::fabs(value), decimals);
    if (digits.size() <= decimals) digits.insert(0, decimals + 1 - digits.size(), '0');
    std::string whole = digits.substr(0, digits.size() - decimals);
    std::string fraction = digits.substr(digits.size() - decimals);
    const bool negative = value < 0.0 && digits.find_first_not_of('0') != std::string::npos;

    // A "0" before the point forces every place from it to the point to be written.
    const std::size_t firstZero = intPart.find('0');
    const std::size_t minWhole =
        firstZero == std::string_view::npos ? 0 : intPart.size() - firstZero;
    if (whole == "0") whole.clear();
    if (whole.size() < minWhole) whole.insert(0, minWhole - whole.size(), '0');

    // After the point, places up to the last "0" are always written, later ones only
    // while they are not trailing zeros.
    const std::size_t lastZero = fracPart.rfind('0');
    const std::size_t minDecimals = lastZero == std::string_view::npos ? 0 : lastZero + 1;
    while (fraction.size() > minDecimals && fraction.back() == '0') fraction.pop_back();

    std::string out(pattern.substr(0, begin));
    if (negative) out.push_back('-');
    out += whole;
    if (point != std::string_view::npos) {
        out.push_back('.');
        out += fraction;
    }
    out += pattern.substr(end);
    return out;
}

std::string plainNumberText(double value) {
    if (!std::isfinite(value) || value == 0.0) return "0";
    const SignificantDigits sig = significantDigits(std::fabs(value));
    std::string digits = sig.digits;
    const std::size_t used = digits.find_last_not_of('0');
    digits.resize(used + 1);  // the first digit of a nonzero value is never 0

    std::string out = value < 0.0 ? "-" : "";
    if (sig.exponent >= 15 || sig.exponent < -15) {
        out.push_back(digits[0]);
        if (digits.size() > 1) {
            out.push_back('.');
            out.append(digits, 1);
        }
        out += sig.exponent < 0 ? "E-" : "E+";
        out += std::to_string(sig.exponent < 0 ? -sig.exponent : sig.exponent);
        return out;
    }
    if (sig.exponent < 0) {
        out += "0.";
        out.append(static_cast<std::size_t>(-sig.exponent - 1), '0');
        out += digits;
        return out;
    }
    const auto wholeDigits = static_cast<std::size_t>(sig.exponent) + 1;
    if (digits.size() <= wholeDigits) {
        out += digits;
        out.append(wholeDigits - digits.size(), '0');
    } else {
        out.append(digits, 0, wholeDigits);
        out.push_back('.');
        out.append(digits, wholeDigits);
    }
    return out;
}

}  // namespace arcwright
