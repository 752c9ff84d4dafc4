// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "plan/sentence.h"

namespace arcwright {

// As a defaulted comparison would: the texts by address (each is one literal), the
// arguments in turn.
bool SentenceArg::operator==(const SentenceArg& other) const {
    return text == other.text && phrase == other.phrase;
}

bool Sentence::operator==(const Sentence& other) const {
    return context == other.context && this->text == other.text && args == other.args;
}

namespace {
// The pattern of a text that has nothing to translate.
constexpr const char* kAsIs = "%1";
}  // namespace

Sentence asIs(std::string text) {
    return {"", kAsIs, {std::move(text)}};
}

std::string fillSentence(std::string_view pattern, const std::vector<std::string>& args) {
    std::string out;
    out.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
            const auto n = static_cast<std::size_t>(pattern[i + 1] - '1');
            if (n < args.size()) {
                out += args[n];
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

std::string fillSentence(std::string_view pattern, const Sentence& sentence, const Say& say) {
    std::vector<std::string> args;
    args.reserve(sentence.args.size());
    for (const SentenceArg& arg : sentence.args) {
        args.push_back(arg.phrase.empty() ? arg.text : say(arg.phrase.front()));
    }
    return fillSentence(pattern, args);
}

std::string english(const Sentence& s) {
    return fillSentence(s.text, s, english);
}

std::string lines(const std::vector<Sentence>& sentences, const Say& say) {
    std::string out;
    for (const Sentence& s : sentences) {
        if (!out.empty()) out += '\n';
        out += say(s);
    }
    return out;
}

}  // namespace arcwright
