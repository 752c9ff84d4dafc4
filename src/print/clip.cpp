// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/clip.h"

namespace arcwright {

ClipBox boxAroundPage(double width, double height, double margin) {
    return {-margin, -margin, width + margin, height + margin};
}

}  // namespace arcwright
