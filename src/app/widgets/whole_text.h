// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A box too narrow for its figure in the window's type scrolls the figure, and "36.8" reads
// "6.8": a fence set 30° wrong. A box kept whole sets a smaller size of the same face, only
// while its text would not fit, and its usual size again as soon as it does. The box itself
// neither moves nor grows.

class QLineEdit;

namespace arcwright {

// From now on, whenever the text changes.
void keepTextWhole(QLineEdit* box);

// The width the box has for its text, inside its frame and margins, in pixels.
double roomForText(const QLineEdit& box);

}  // namespace arcwright
