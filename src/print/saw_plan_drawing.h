// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the saw-table plan shows, in inches on the table, before it is cut into sheets:
// its lines and the labels that go beside them.

#include <cstddef>
#include <string>
#include <vector>

#include "print/saw_plan.h"

namespace arcwright::saw_plan {

struct TableSegment {
    TablePoint from;
    TablePoint to;
};

// A label that goes beside a line on every sheet that shows enough of it, on the side
// `side` points to (a direction on the table).
struct LineLabel {
    TableSegment line;
    std::string text;
    TablePoint side;
};

// A label beside a point, on the sheet that shows the point, best on the side `side`
// points to.
struct PointLabel {
    TablePoint at;
    std::string text;
    TablePoint side;
};

struct PlanDrawing {
    std::vector<TableSegment> lines;
    // Lines from this one on are the blade line and the line square to it, which run
    // across the whole drawing.
    std::size_t guidesFrom = 0;
    // In the order they are placed: a label that finds no room on a sheet is left off it.
    std::vector<LineLabel> lineLabels;
    std::vector<PointLabel> pointLabels;
    // Its extent, room for the labels included: left, back, right, front.
    double left = 0.0, back = 0.0, right = 0.0, front = 0.0;
    bool cutShort = false;  // the lines stop kFarthestMark from the centre point
};

// The drawing for a plan whose fence position was found.
PlanDrawing planDrawing(const SawPlan& plan);

// Fills "%1", "%2", … in order.
std::string filledIn(std::string text, const std::vector<std::string>& values);

}  // namespace arcwright::saw_plan
