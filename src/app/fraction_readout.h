// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>

class QLabel;

namespace arcwright {

// Five labels side by side that show one length as a shop fraction.
struct FractionReadout {
    QLabel* whole = nullptr;
    QLabel* numerator = nullptr;
    QLabel* slash = nullptr;
    QLabel* denominator = nullptr;
    QLabel* mark = nullptr;

    std::array<QLabel*, 5> labels() const { return {whole, numerator, slash, denominator, mark}; }
};

}  // namespace arcwright
