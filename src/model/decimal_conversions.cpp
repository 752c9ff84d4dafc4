// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/decimal_conversions.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <system_error>

namespace arcwright::conversions {
namespace {

bool hasNonzeroDigit(std::string_view text) {
    for (const char c : text) {
        if (c == 'e' || c == 'E') break;
        if (c >= '1' && c <= '9') return true;
    }
    return false;
}

// strtod, then the range rule <charconv> follows: an infinite result overflowed, and a zero
// from nonzero digits underflowed; a subnormal result is a number like any other.
std::optional<double> viaStrtod(const std::string& text, std::string_view digits) {
    char* end = nullptr;
    const double v = std::strtod(text.c_str(), &end);
    if (end != text.c_str() + text.size()) return std::nullopt;
    if (std::isinf(v) || (v == 0.0 && hasNonzeroDigit(digits))) return std::nullopt;
    return v;
}

std::optional<double> portableDecimal(std::string_view text) {
    return viaStrtod(std::string(text), text);
}

std::optional<double> portableHex(std::string_view digits) {
    return viaStrtod("0x" + std::string(digits), digits);
}

std::string portableScientific(double magnitude) {
    char buf[64];
    const int n = std::snprintf(buf, sizeof buf, "%.14e", magnitude);
    return n > 0 ? std::string(buf, static_cast<std::size_t>(n)) : std::string();
}

#if defined(__cpp_lib_to_chars)
std::optional<double> charconvRead(std::string_view text, std::chars_format format) {
    double v = 0.0;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), v, format);
    if (ec != std::errc{} || ptr != text.data() + text.size()) return std::nullopt;
    return v;
}

std::optional<double> charconvDecimal(std::string_view text) {
    return charconvRead(text, std::chars_format::general);
}

std::optional<double> charconvHex(std::string_view digits) {
    return charconvRead(digits, std::chars_format::hex);
}

std::string charconvScientific(double magnitude) {
    char buf[64];
    const auto res =
        std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific, 14);
    return std::string(buf, res.ptr);
}
#endif

}  // namespace

Conversions portable() {
    return {portableDecimal, portableHex, portableScientific};
}

std::optional<Conversions> charconv() {
#if defined(__cpp_lib_to_chars)
    return Conversions{charconvDecimal, charconvHex, charconvScientific};
#else
    return std::nullopt;
#endif
}

Conversions best() {
    return charconv().value_or(portable());
}

}  // namespace arcwright::conversions
