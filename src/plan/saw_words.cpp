// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "plan/saw_words.h"

#include <cmath>
#include <utility>

#include "plan/plan_words.h"
#include "plan/planner_words.h"

namespace arcwright {

namespace {

constexpr const char* kContext = "SawWords";

Sentence words(const char* text, std::vector<SentenceArg> args = {}) {
    return {kContext, text, std::move(args)};
}

Sentence noPassLine() {
    return words(ARCWRIGHT_TR_NOOP("SawWords", "No passes"));
}

Sentence passLine(int number, int count) {
    return words(ARCWRIGHT_TR_NOOP("SawWords", "Pass %1 of %2"),
                 {std::to_string(number), std::to_string(count)});
}

Sentence setUpLine() {
    return words(ARCWRIGHT_TR_NOOP("SawWords", "Set up the saw"));
}

Sentence doneLine(int count) {
    return words(ARCWRIGHT_TR_NOOP("SawWords", "Done: %1 of %1"), {std::to_string(count)});
}

// 2nd, 3rd, 13th, 21st.
Sentence ordinal(int n) {
    const std::string number = std::to_string(n);
    const int lastTwo = n % 100;
    if (lastTwo >= 11 && lastTwo <= 13)
        return words(ARCWRIGHT_TR_NOOP("SawWords", "%1th"), {number});
    switch (n % 10) {
        case 1:
            return words(ARCWRIGHT_TR_NOOP("SawWords", "%1st"), {number});
        case 2:
            return words(ARCWRIGHT_TR_NOOP("SawWords", "%1nd"), {number});
        case 3:
            return words(ARCWRIGHT_TR_NOOP("SawWords", "%1rd"), {number});
        default:
            return words(ARCWRIGHT_TR_NOOP("SawWords", "%1th"), {number});
    }
}

// "30.0° toward the fence": how far the blade tilts and where its top leans.
Sentence tiltWords(const BladeTilt& tilt) {
    return tilt.lean == BladeLean::TowardFence
               ? words(ARCWRIGHT_TR_NOOP("SawWords", "%1 toward the fence"),
                       {angleText(tilt.degrees)})
               : words(ARCWRIGHT_TR_NOOP("SawWords", "%1 away from the fence"),
                       {angleText(tilt.degrees)});
}

bool tiltedBlade(const SawSetUp& setUp) {
    return !uprightTilt(setUp.tilt.degrees);
}

bool endsWith(const std::string& text, char c) {
    return !text.empty() && text.back() == c;
}

std::string notesOf(const PassSteps& steps, int every, const Say& say) {
    std::string notes;
    if (steps.startedOver()) {
        notes = say(words(
            ARCWRIGHT_TR_NOOP("SawWords", "The plan changed: the passes start over from pass 1.")));
    }
    if (every > 1) {
        if (steps.startedOver()) notes += ' ';
        notes += say(words(
            ARCWRIGHT_TR_NOOP("SawWords",
                              "Every %1 outline is drawn, with the first, this one and the last."),
            {ordinal(every)}));
    }
    return notes;
}

// Where the fence crosses a line through the centre point (`found` takes the distance), or
// that the mark named lies too far off to be of use.
Sentence markLine(Sentence name, const char* found, const std::optional<double>& inches,
                  LengthUnit unit) {
    if (!inches) {
        return words(ARCWRIGHT_TR_NOOP("SawWords", "%1: more than %2 away, use the other mark"),
                     {std::move(name), lengthText(kFarthestMark, unit)});
    }
    return words(found, {spokenLength(*inches, unit)});
}

std::string spokenFrom(const SawTexts& t) {
    std::string spoken;
    const std::string set = t.height.empty() ? t.setLine : t.setLine + ' ' + t.height;
    for (const std::string* part : {&t.pass, &set, &t.rise, &t.width, &t.final, &t.then, &t.note}) {
        if (part->empty()) continue;
        if (!spoken.empty()) spoken += ' ';
        spoken += *part;
        if (!endsWith(*part, '.')) spoken += '.';
    }
    return spoken;
}

}  // namespace

SawTexts sawTexts(const PassSteps& steps, LengthUnit unit, int every, const Say& say) {
    SawTexts t;
    const int count = steps.count();
    t.note = notesOf(steps, every, say);

    if (count == 0) {
        t.pass = say(noPassLine());
        t.setLine = say(words(ARCWRIGHT_TR_NOOP(
            "SawWords", "The planner cannot cut this cove as it stands: see its window.")));
    } else if (const PlanPass* pass = steps.current()) {
        t.pass = say(passLine(pass->number, count));
        t.setLine =
            say(tiltedBlade(steps.setUp())
                    ? words(ARCWRIGHT_TR_NOOP("SawWords", "With the blade tilted %1, set it to"),
                            {tiltWords(steps.setUp().tilt)})
                    : words(ARCWRIGHT_TR_NOOP("SawWords", "Set the blade to")));
        t.height = spokenLength(pass->bladeHeight, unit);
        t.rise =
            say(steps.position() == 0
                    ? words(ARCWRIGHT_TR_NOOP("SawWords", "The first pass, up from the table"))
                    : words(ARCWRIGHT_TR_NOOP("SawWords", "%1 higher than pass %2"),
                            {spokenLength(steps.rise(), unit), std::to_string(pass->number - 1)}));
        t.width = say(words(ARCWRIGHT_TR_NOOP("SawWords", "Leaves the cove %1 wide"),
                            {lengthText(pass->coveWidth, unit)}));
        if (steps.atFinalHeight()) {
            t.final = say(words(ARCWRIGHT_TR_NOOP(
                "SawWords", "Final height: this pass cuts the cove to full depth.")));
        }
        t.then = say(words(ARCWRIGHT_TR_NOOP("SawWords", "Then make the pass.")));
    } else {
        const PlanPass& last = steps.passes().back();
        t.pass = say(doneLine(count));
        t.setLine = say(words(ARCWRIGHT_TR_NOOP("SawWords", "Every pass is made, the last at")));
        t.height = spokenLength(last.bladeHeight, unit);
        t.width = say(words(ARCWRIGHT_TR_NOOP("SawWords", "The cove is %1 wide"),
                            {lengthText(last.coveWidth, unit)}));
    }
    t.spoken = spokenFrom(t);
    return t;
}

SawTexts setUpTexts(const PassSteps& steps, const FencePosition& fence, LengthUnit unit, int every,
                    const Say& say) {
    SawTexts t;
    const SawSetUp& s = steps.setUp();
    t.pass = say(setUpLine());
    t.setLine = say(words(ARCWRIGHT_TR_NOOP("SawWords", "Clamp the fence at")));
    t.height =
        say(words(ARCWRIGHT_TR_NOOP("SawWords", "%1 to the blade"), {angleText(s.angleDeg)}));
    if (fence.found) {
        // Fed toward the back, a fence from front left to back right runs to the right.
        const bool right = fence.feed.x >= 0;
        t.rise = say(markLine(
            words(ARCWRIGHT_TR_NOOP("SawWords", "Blade-line mark")),
            ARCWRIGHT_TR_NOOP("SawWords", "Blade-line mark %1 in front of the centre point"),
            fence.bladeMark, unit));
        t.width = say(markLine(
            words(ARCWRIGHT_TR_NOOP("SawWords", "Square-line mark")),
            right ? ARCWRIGHT_TR_NOOP("SawWords", "Square-line mark %1 right of the centre point")
                  : ARCWRIGHT_TR_NOOP("SawWords", "Square-line mark %1 left of the centre point"),
            fence.squareMark, unit));
        t.then =
            say(right ? words(ARCWRIGHT_TR_NOOP(
                            "SawWords", "Fence in front of the blade, front left to back right"))
                      : words(ARCWRIGHT_TR_NOOP(
                            "SawWords", "Fence in front of the blade, front right to back left")));
    } else {
        t.rise = say(words(ARCWRIGHT_TR_NOOP(
            "SawWords", "The cove cannot be placed as it stands: see the planner.")));
    }
    t.final = say(tiltedBlade(s)
                      ? words(ARCWRIGHT_TR_NOOP("SawWords", "Blade tilted %1"), {tiltWords(s.tilt)})
                      : words(ARCWRIGHT_TR_NOOP("SawWords", "Blade upright, not tilted")));
    t.note = notesOf(steps, every, say);
    t.spoken = spokenFrom(t);
    return t;
}

Sentence sawFooter(const PlannerModel& model) {
    if (!model.tilted()) return fenceSideRuleInOneLine();
    return words(ARCWRIGHT_TR_NOOP("SawWords",
                                   "Fence in front of the blade's centre, the board behind it; "
                                   "blade tilted %1, the cove's deepest line %2 off the blade "
                                   "line: feed from the front of the saw toward the back."),
                 {tiltWords(model.tilt()),
                  spokenLength(std::abs(model.result().tableOffset), model.unit())});
}

std::vector<std::string> passLineShapes(int count, const Say& say) {
    if (count == 0) return {say(noPassLine())};
    return {say(passLine(count, count)), say(doneLine(count)), say(setUpLine())};
}

}  // namespace arcwright
