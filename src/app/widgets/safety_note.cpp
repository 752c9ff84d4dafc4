// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/widgets/safety_note.h"

#include <QCoreApplication>

namespace arcwright {

QString safetyNoteText() {
    // The two blanks after the full stops are the note as it has always read.
    return QCoreApplication::translate(
        "SafetyNote",
        "This software calculates data for an operation that can be very dangerous if not "
        "performed with great awareness and care. If you have never cut coves on a tablesaw, "
        "please consult a good reference for instruction.  Please check and double check "
        "before you cut.  BE CAREFUL!");
}

}  // namespace arcwright
