// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The core's sentences on the desktop: each looked up in the desktop's translations by its
// context and English text, then filled with its numbers and phrases, said the same way.

#include <QString>
#include <string>
#include <vector>

#include "plan/sentence.h"

namespace arcwright {

// The sentence as the desktop says it, for the core's composers (a Say).
std::string said(const Sentence& sentence);

QString shown(const Sentence& sentence);
// Several, one a line.
QString shownLines(const std::vector<Sentence>& sentences);

}  // namespace arcwright
