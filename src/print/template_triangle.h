// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <vector>

#include "print/fence_template.h"
#include "print/page_shapes.h"
#include "print/template_text.h"

namespace arcwright::template_page {

// The set-up triangle of the template page with its labels, and where it fits.

// Lines of a label, centred on a point.
struct Label {
    std::vector<std::string> lines;
    double size = kLabelSize;
    PagePoint centre;

    double width() const;
    double height() const;
    // How far the label reaches from its centre along a direction of unit length.
    double reach(PagePoint direction) const;
    PageBox box() const;
};

struct TriangleDrawing {
    SetupTriangle corners;
    std::vector<Label> labels;  // beside the three edges, then at the two sharp corners
};

// The radius of the arc that marks the angle at a corner between two others.
double arcRadius(PagePoint corner, PagePoint p, PagePoint q);

double hypotenuseOf(const SetupTriangle& triangle);

// The largest triangle with its labels that fits the area and stays out of `keepClear`,
// in whichever direction of the fence leg gives the longer fence edge; none when that is
// too small to set a fence by.
std::optional<TriangleDrawing> largestTriangle(const FenceTemplate& page, const PageBox& area,
                                               const PageBox& keepClear);

}  // namespace arcwright::template_page
