// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/planner/saw_words.h"

#include "app/planner/at_the_saw.h"
#include "app/planner/planner_words.h"

namespace arcwright {

namespace {

QString noPassLine() {
    return AtTheSaw::tr("No passes");
}

QString passLine(int number, int count) {
    return AtTheSaw::tr("Pass %1 of %2").arg(number).arg(count);
}

QString doneLine(int count) {
    return AtTheSaw::tr("Done: %1 of %1").arg(count);
}

QString widthText(double inches, LengthUnit unit) {
    return QString::fromStdString(lengthText(inches, unit));
}

// 2nd, 3rd, 13th, 21st.
QString ordinal(int n) {
    const int lastTwo = n % 100;
    if (lastTwo >= 11 && lastTwo <= 13) return AtTheSaw::tr("%1th").arg(n);
    switch (n % 10) {
        case 1:
            return AtTheSaw::tr("%1st").arg(n);
        case 2:
            return AtTheSaw::tr("%1nd").arg(n);
        case 3:
            return AtTheSaw::tr("%1rd").arg(n);
        default:
            return AtTheSaw::tr("%1th").arg(n);
    }
}

QString spokenFrom(const SawTexts& t) {
    QStringList parts;
    const QString set = t.height.isEmpty() ? t.setLine : t.setLine + QLatin1Char(' ') + t.height;
    for (const QString& part : {t.pass, set, t.rise, t.width, t.final, t.then, t.note}) {
        if (part.isEmpty()) continue;
        parts << (part.endsWith(QLatin1Char('.')) ? part : part + QLatin1Char('.'));
    }
    return parts.join(QLatin1Char(' '));
}

}  // namespace

QString sawHeightText(double inches, LengthUnit unit) {
    return AtTheSaw::tr("%1 (%2)").arg(QString::fromStdString(lengthText(inches, unit)),
                                       QString::fromStdString(shopFractionText(inches)));
}

SawTexts sawTexts(const PassSteps& steps, LengthUnit unit, int every) {
    SawTexts t;
    const int count = steps.count();
    QStringList notes;
    if (steps.startedOver()) {
        notes << AtTheSaw::tr("The plan changed: the passes start over from pass 1.");
    }
    if (every > 1) {
        notes << AtTheSaw::tr("Every %1 outline is drawn, with the first, this one and the last.")
                     .arg(ordinal(every));
    }
    t.note = notes.join(QLatin1Char(' '));

    if (count == 0) {
        t.pass = noPassLine();
        t.setLine = AtTheSaw::tr("The planner cannot cut this cove as it stands: see its window.");
    } else if (const PlanPass* pass = steps.current()) {
        t.pass = passLine(pass->number, count);
        t.setLine = AtTheSaw::tr("Set the blade to");
        t.height = sawHeightText(pass->bladeHeight, unit);
        t.rise = steps.position() == 0 ? AtTheSaw::tr("The first pass, up from the table")
                                       : AtTheSaw::tr("%1 higher than pass %2")
                                             .arg(plannerLength(steps.rise(), unit))
                                             .arg(pass->number - 1);
        t.width = AtTheSaw::tr("Leaves the cove %1 wide").arg(widthText(pass->coveWidth, unit));
        if (steps.atFinalHeight()) {
            t.final = AtTheSaw::tr("Final height: this pass cuts the cove to full depth.");
        }
        t.then = AtTheSaw::tr("Then make the pass.");
    } else {
        const PlanPass& last = steps.passes().back();
        t.pass = doneLine(count);
        t.setLine = AtTheSaw::tr("Every pass is made, the last at");
        t.height = sawHeightText(last.bladeHeight, unit);
        t.width = AtTheSaw::tr("The cove is %1 wide").arg(widthText(last.coveWidth, unit));
    }
    t.spoken = spokenFrom(t);
    return t;
}

QStringList passLineShapes(int count) {
    if (count == 0) return {noPassLine()};
    return {passLine(count, count), doneLine(count)};
}

}  // namespace arcwright
