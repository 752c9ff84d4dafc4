// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QString>

#include "model/number_text.h"

namespace arcwright {

// The number a box or a read-out shows, read the one way the whole window reads it: the
// number at the start of the text, 0 when there is none.
inline double valueOf(const QString& text) {
    return leadingNumber(text.toStdString());
}
inline double valueOf(const QLineEdit* box) {
    return valueOf(box->text());
}
inline double valueOf(const QLabel* label) {
    return valueOf(label->text());
}

}  // namespace arcwright
