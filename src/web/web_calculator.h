// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The calculator for the browser, in the woodworker's words: the four inputs by what they
// hold, the events the window passes on, and everything it shows as one JSON text (the
// boxes, their colours, the read-outs, the result line, the warnings, the safety note, the
// angle bar and the three drawings as lists of lines, arcs and polygons). The same text is
// written natively, so the browser build can be compared with the desktop's byte for byte.

#include <bitset>
#include <string>
#include <string_view>

#include "calculator/calculator.h"

namespace arcwright::web {

class WebCalculator {
  public:
    WebCalculator();
    WebCalculator(const WebCalculator&) = delete;
    WebCalculator& operator=(const WebCalculator&) = delete;

    // `input`: "bladeHeight", "angle", "boardThickness" or "boardWidth"; another name does
    // nothing. Each call is one change of the box's text, as a keystroke or a paste is.
    void type(std::string_view input, std::string text);
    // `input` gains or loses the focus; only the angle box cares.
    void focus(std::string_view input, bool hasFocus);
    void moveAngleBar(int degrees);
    // "boardWidth", "boardThickness" or "bladeHeight".
    void chooseTarget(std::string_view target);
    void chooseResolution(int denominator);
    // A step button: 0.25, 0.125, 0.0625 or 0.03125 in., up or down.
    void step(double inches, bool up);
    void dismissSafetyNote();
    void clickIsoView();
    // Every read-out shows its box again, as after another window typed a set-up in.
    void refreshReadouts();

    // Everything the calculator shows, as JSON.
    std::string state() const;
    // What a page redraws after an event: the state without the drawings, with the names of
    // the drawings that changed since the last call ("changedDrawings"), which it forgets.
    std::string shown();
    // One drawing as SVG markup for a picture of `width` by `height` pixels; empty for
    // another name.
    std::string drawingSvg(std::string_view name, int width, int height) const;
    // The window's fixed words: titles, captions, warnings, the safety note, button names.
    static std::string words();

    const Calculator& calculator() const { return calculator_; }

  private:
    Calculator calculator_;
    std::bitset<kViewCount> changedViews_;
};

}  // namespace arcwright::web
