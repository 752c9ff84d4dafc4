// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the view at the saw says for the pass in hand, line by line, and all of it in one
// sentence for screen readers.

#include <QString>
#include <QStringList>

#include "plan/length_text.h"
#include "plan/pass_steps.h"

namespace arcwright {

struct SawTexts {
    QString pass;     // "Pass 4 of 10"
    QString setLine;  // "Set the blade to"
    QString height;   // the number first: "0.25 in. (1/4 in.)"
    QString rise;     // "0.0625 in. (1/16 in.) higher than pass 3"
    QString width;    // "Leaves the cove 1.9362 in. wide"
    QString final;    // on the last pass only
    QString then;     // "Then make the pass."
    QString note;     // the count started over; not every outline drawn
    QString spoken;   // the lines above as one announcement
};

// `every` is the drawing's: above 1 the note says which outlines it shows.
SawTexts sawTexts(const PassSteps& steps, LengthUnit unit, int every);

// A blade height to set: the number first, in the planner's unit, then the shop fraction:
// "0.25 in. (1/4 in.)", "6.4 mm (1/4 in.)".
QString sawHeightText(double inches, LengthUnit unit);

// Every shape of pass line a schedule of `count` passes gives ("Pass 10 of 10",
// "Done: 10 of 10"): the type is sized to the widest, so it keeps its size from pass to pass.
QStringList passLineShapes(int count);

}  // namespace arcwright
