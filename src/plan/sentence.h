// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A sentence the planner says, written once in plain C++: its English text with %1, %2 …
// where its numbers go, the numbers as the length and fraction rules wrote them, and the
// context a translation is looked up in. The desktop shows it through its translations;
// a front end without them shows the English.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// Marks a text for the translators without translating it (lupdate finds it with
// -tr-function-alias QT_TRANSLATE_NOOP+=ARCWRIGHT_TR_NOOP).
#ifndef ARCWRIGHT_TR_NOOP
#define ARCWRIGHT_TR_NOOP(context, text) text
#endif

namespace arcwright {

struct Sentence;

// What goes in for one %n: a number or length as written, or a phrase of its own ("toward
// the fence", a box's name), translated before it goes in.
struct SentenceArg {
    // Defined below Sentence: their member `phrase` needs it whole.
    SentenceArg(std::string text);  // NOLINT: a number converts
    SentenceArg(const char* text);  // NOLINT
    SentenceArg(Sentence phrase);   // NOLINT: so does a phrase

    std::string text;
    std::vector<Sentence> phrase;  // one phrase, or none for the text above

    bool operator==(const SentenceArg&) const;
};

struct Sentence {
    const char* context = "";
    const char* text = "";
    std::vector<SentenceArg> args;

    // Out of line, as SentenceArg's: each compares the other's list.
    bool operator==(const Sentence&) const;
    bool empty() const { return std::string_view(text).empty(); }
};

inline SentenceArg::SentenceArg(std::string text) : text(std::move(text)) {}
inline SentenceArg::SentenceArg(const char* text) : text(text) {}
inline SentenceArg::SentenceArg(Sentence phrase) : phrase{std::move(phrase)} {}

// A text that is shown as it is, with nothing to translate: a length alone in a read-out.
Sentence asIs(std::string text);

// `pattern` with each %1 … %9 replaced by its argument; a % that names no argument stays.
std::string fillSentence(std::string_view pattern, const std::vector<std::string>& args);

// How a front end says a sentence: its own words for the pattern and for each phrase in it.
using Say = std::function<std::string(const Sentence&)>;

// `pattern` (the sentence's text as the front end words it) filled with the sentence's
// arguments, each phrase said by `say`.
std::string fillSentence(std::string_view pattern, const Sentence& sentence, const Say& say);

// The sentence in English, phrases and all.
std::string english(const Sentence& s);

// Several sentences, one a line.
std::string lines(const std::vector<Sentence>& sentences, const Say& say = english);

}  // namespace arcwright
