// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The labels of one sheet of the saw-table plan, placed where they cross no drawn line and
// no other label: a word with a line through it is a word misread at the saw.

#include <string>
#include <vector>

#include "print/page_shapes.h"
#include "print/template_triangle.h"
#include "views/clip.h"

namespace arcwright::saw_plan {

inline constexpr double kPlanLabelSize = 8.0;

class SheetLabels {
  public:
    // The window the labels must keep inside and the lines drawn in it, in points.
    SheetLabels(const PageBox& window, std::vector<Segment> lines);

    // A line drawn on the sheet after the labels were begun (the joining marks).
    void avoid(const Segment& line) { lines_.push_back(line); }

    // Places the label at the first of its candidate centres that lies wholly in the
    // window and is clear of every line and label; false when none is.
    bool place(template_page::Label label, const std::vector<PagePoint>& centres);

    // Beside a point, best on the side `side` points to.
    void besidePoint(PagePoint at, PagePoint side, std::vector<std::string> lines);

    // Beside the part of a line this sheet shows, on the side `side` points to.
    void besideLine(PagePoint a, PagePoint b, PagePoint side, std::vector<std::string> lines);

    const std::vector<template_page::Label>& placed() const { return placed_; }

  private:
    bool clear(const PageBox& box) const;

    PageBox inside_;
    std::vector<Segment> lines_;
    std::vector<template_page::Label> placed_;
};

}  // namespace arcwright::saw_plan
