// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/planner/core_words.h"

#include <QCoreApplication>

namespace arcwright {

std::string said(const Sentence& sentence) {
    const QString pattern = QCoreApplication::translate(sentence.context, sentence.text);
    return fillSentence(pattern.toStdString(), sentence, said);
}

QString shown(const Sentence& sentence) {
    return QString::fromStdString(said(sentence));
}

QString shownLines(const std::vector<Sentence>& sentences) {
    return QString::fromStdString(lines(sentences, said));
}

}  // namespace arcwright
