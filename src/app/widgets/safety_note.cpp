// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/widgets/safety_note.h"

#include <QCoreApplication>

#include "calculator/calculator_words.h"

namespace arcwright {

QString safetyNoteText() {
    return QCoreApplication::translate(calculator_words::kSafetyNoteContext,
                                       calculator_words::kSafetyNote);
}

}  // namespace arcwright
