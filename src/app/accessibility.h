// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>

class QAccessibleEvent;
class QString;

namespace arcwright {

class Form1;

// Gives every input, option, button, read-out and drawing of the window an accessible
// name and description, puts tool tips on the controls a woodworker asks about, and
// reports the warnings to assistive tools when they come up. Call once, after the
// controls are built.
void describeControls(Form1& window);

// Brings the descriptions that carry values (the read-outs, the drawings, the step
// buttons) up to date with what the window now shows. Cheap enough for every keystroke.
void updateDescriptions(Form1& window);

// A fraction read-out in words, from its captions: "about 3 and 1/16 inches, a little
// more" (the true value is a little more than shown), "exactly 3/4 inch". Empty when the
// read-out is blank.
QString spokenFraction(const QString& whole, const QString& numerator, const QString& denominator,
                       const QString& mark);

// Sees every warning announcement just before it goes to the platform's accessibility
// bridge; an empty function stops watching. The bridge only passes events on while an
// assistive tool listens, so this is how a test hears them.
void watchAnnouncements(std::function<void(const QAccessibleEvent&)> watcher);

}  // namespace arcwright
