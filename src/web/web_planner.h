// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The planner for the browser, in the woodworker's words: every box by what it holds, the
// unit, the blade's lean, the calculator's set-up taken over, a job kept and opened, and
// everything worked out as one JSON text (each box and whether it reads, the fence angle,
// the passes, where the cove lies and where the fence goes, the warnings and cautions), in
// the same length and fraction rules as the desktop.

#include <string>
#include <string_view>

#include "plan/planner_model.h"

namespace arcwright::web {

class WebCalculator;

class WebPlanner {
  public:
    // `box`: a job's key for it ("coveWidth", "coveDepth", "boardWidth", "boardThickness",
    // "bladeDiameter", "kerf", "passDepth", "coveOffset", "tilt", "maxHeight"); another
    // name does nothing.
    void type(std::string_view box, std::string text);
    // "in" or "mm".
    void chooseUnit(std::string_view unit);
    // "towardFence" or "awayFromFence".
    void chooseLean(std::string_view lean);
    void takeSetup(const WebCalculator& calculator);

    // The job as kept text, with `sawPass` passes made at the saw.
    std::string jobText(int sawPass) const;
    // Opens a kept job: "" when it opened, else the one sentence that says why it did not
    // (and nothing changed).
    std::string openJob(std::string_view text);
    // The pass at the saw the last job opened had reached.
    int jobSawPass() const { return jobSawPass_; }

    // What the planner calls each box, as its sentences name it: {"coveWidth": "Cove
    // width", …}, by the job's keys.
    static std::string boxNames();

    // Everything the planner shows, as JSON.
    std::string state() const;
    // The fence template and the plan of the saw table as printed on paper whose printable
    // area is `width` by `height` points (recorded_pages.h).
    std::string pages(double width, double height) const;
    // The board end with the planned cove, as SVG elements for a picture of `width` by
    // `height` pixels (drawing_svg.h).
    std::string boardEndSvg(int width, int height) const;

    const PlannerModel& model() const { return model_; }

  private:
    PlannerModel model_;
    int jobSawPass_ = 0;
};

}  // namespace arcwright::web
