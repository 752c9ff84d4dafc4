// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>

#include "views/clip.h"

namespace arcwright {

// Keeps a drawing within reach of the paper. A typed board a million inches wide has
// coordinates no printer can write (a PDF writer turns them into garbage and loses the whole
// page), so the printer cuts every line back to a generous box around the page.

// The box around a page `width` by `height` (origin at its top left), `margin` wider on
// every side.
ClipBox boxAroundPage(double width, double height, double margin);

}  // namespace arcwright
