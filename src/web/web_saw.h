// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The view at the saw for the browser: the count through the planner's passes, the set-up
// page before pass 1, and what each pass says, in the core's words, as JSON.

#include <string>

#include "plan/saw_session.h"

namespace arcwright::web {

class WebPlanner;

class WebSaw {
  public:
    // The plan the planner shows now; the count starts at the set-up page.
    void follow(const WebPlanner& planner);
    // As the desktop's view moves: the set-up page comes before pass 1, Space or Enter
    // goes on, Backspace back, Home to pass 1, End to the last pass. Each returns whether
    // the page changed.
    bool next();
    bool back();
    bool first();
    bool last();
    bool onSetUpPage() const;
    // This many passes made already, as a kept job says.
    bool resumeAt(int passesMade);
    int passesMade() const { return session_.steps().position(); }

    // The page in hand: its lines, the footer and the cautions, as JSON.
    std::string state() const;
    // The board end at the saw with every pass's outline, the pass in hand in red, as SVG
    // elements for a picture of `width` by `height` pixels (drawing_svg.h).
    std::string drawingSvg(int width, int height) const;

  private:
    SawSession session_;
    bool setUpPage_ = true;
};

}  // namespace arcwright::web
