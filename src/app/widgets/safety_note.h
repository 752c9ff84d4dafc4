// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The safety note both windows show before any cut: written once, so that the calculator's
// warning frame and the view at the saw never say it differently.

#include <QString>

namespace arcwright {

QString safetyNoteText();

}  // namespace arcwright
