// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A front end's words stood in by shouting: each pattern in capitals, its numbers as they
// are, so any English that reaches a page or a screen without going through the front
// end's words shows in lower case.

#include <cctype>
#include <string>

#include "plan/sentence.h"

namespace arcwright::shouting {

inline std::string shouted(const Sentence& s) {
    std::string pattern = s.text;
    for (char& c : pattern) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return fillSentence(pattern, s, shouted);
}

// Lower-case words left once the units of the lengths are taken out.
inline bool leaksEnglish(std::string text) {
    for (const std::string unit : {"in.", "mm"}) {
        for (auto at = text.find(unit); at != std::string::npos; at = text.find(unit)) {
            text.erase(at, unit.size());
        }
    }
    for (const char c : text) {
        if (c >= 'a' && c <= 'z') return true;
    }
    return false;
}

}  // namespace arcwright::shouting
