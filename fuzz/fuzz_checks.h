// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Property checks shared by the fuzz targets. A broken property aborts with the input
// that broke it, so libFuzzer keeps the input as a crash artifact.

#include <array>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace arcwright::fuzzing {

// The input currently being tried, for the failure message.
inline std::string_view& currentInput() {
    static std::string_view input;
    return input;
}

[[noreturn]] inline void fail(const char* what, std::string_view detail) {
    std::fprintf(stderr, "\nPROPERTY BROKEN: %s\n  detail: \"%.*s\"\n  input (%zu bytes): \"", what,
                 static_cast<int>(detail.size() > 300 ? 300 : detail.size()), detail.data(),
                 currentInput().size());
    for (const char c : currentInput().substr(0, 300)) {
        const auto u = static_cast<unsigned char>(c);
        if (std::isprint(u) && c != '"' && c != '\\') {
            std::fputc(c, stderr);
        } else {
            std::fprintf(stderr, "\\x%02x", u);
        }
    }
    std::fprintf(stderr, "\"\n");
    std::abort();
}

inline void check(bool ok, const char* what, std::string_view detail = {}) {
    if (!ok) fail(what, detail);
}

// True when a text shows a non-finite number the way C or C++ would write one: "nan",
// "-nan", "inf", "infinity", in any case.
inline bool showsNonFinite(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower.find("nan") != std::string::npos || lower.find("inf") != std::string::npos;
}

inline void checkText(std::string_view text, const char* where) {
    check(!showsNonFinite(text), where, text);
}

// The fuzzer's bytes as the texts of `Boxes` input boxes, separated by '|'; boxes past the
// last bar stay empty.
template <std::size_t Boxes>
std::array<std::string_view, Boxes> boxTexts(std::string_view input) {
    std::array<std::string_view, Boxes> texts{};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const std::size_t bar = input.find('|');
        texts[i] = input.substr(0, bar);
        if (bar == std::string_view::npos) break;
        input.remove_prefix(bar + 1);
    }
    return texts;
}

}  // namespace arcwright::fuzzing
