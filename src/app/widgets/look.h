// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>
#include <cstdint>

#include "views/canvas.h"

namespace arcwright::look {

// Window geometry is laid out in twips: 15 to a pixel at 96 dpi.
constexpr int px(int twips) {
    return (twips + 7) / 15;
}

// Colours of the window.
inline const QColor kTeal{0, 128, 128};
inline const QColor kDarkCyan{0, 192, 192};
inline const QColor kLightCyan{128, 255, 255};
inline const QColor kYellow{255, 255, 0};
inline const QColor kPaleYellow{255, 255, 128};  // box of the adjustment target
inline const QColor kWhite{255, 255, 255};
inline const QColor kGrey{128, 128, 128};  // angle box while it has the focus
inline const QColor kLightGrey{224, 224, 224};
inline const QColor kRed{255, 0, 0};
inline const QColor kPink{255, 192, 192};
inline const QColor kAmber{255, 208, 128};  // cautions: the plan stands, but take care
inline const QColor kBrown{128, 64, 0};

// A colour as the drawings take it.
inline Rgb rgb(const QColor& c) {
    return {static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
            static_cast<std::uint8_t>(c.blue())};
}

// Installed stand-ins for the window's and the sheet's typefaces; call once before
// any widget is made.
void installFontStandIns();

// The window's typeface at a point size (8.25, 9.75, 12, 18), sized in pixels so
// text fits its twips-sized control whatever the desktop's logical dpi.
QFont windowFont(double points, bool bold = true, bool italic = false);

// The printed sheet's typeface family.
QString sheetFontFamily();

// The application icon: a board end with a cove cut into its face.
QIcon appIcon();

}  // namespace arcwright::look
