// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "web/drawing_svg.h"

#include <cmath>
#include <cstdio>
#include <numbers>
#include <optional>

#include "web/hex_colour.h"

namespace arcwright::web {
namespace {

constexpr double kBorder = 2.0;
// Past this many pixels an arc is off any picture; the desktop skips it too.
constexpr double kLargestRadius = 1e5;

std::string colourText(const std::optional<Rgb>& colour) {
    return colour ? hexColour(*colour) : "currentColor";
}

// A pixel coordinate to two places; a coordinate past any picture is clamped, so the
// markup never holds an infinity.
void appendNumber(std::string& out, double v) {
    if (!std::isfinite(v)) v = 0.0;
    v = std::fmax(-1e6, std::fmin(1e6, v));
    char buf[32];
    const int n = std::snprintf(buf, sizeof buf, "%.2f", v);
    std::string_view text(buf, static_cast<std::size_t>(n));
    // "12.50" as "12.5", "3.00" as "3": the same numbers, shorter.
    while (text.back() == '0') text.remove_suffix(1);
    if (text.back() == '.') text.remove_suffix(1);
    if (text == "-0") text = "0";
    out += text;
}

std::string strokeAttributes(const Primitive& p) {
    std::string out = "fill=\"none\" stroke=\"" + colourText(p.colour) + "\" stroke-width=\"";
    appendNumber(out, p.width);
    out += '"';
    if (p.style == LineStyle::Dotted) out += " stroke-dasharray=\"1 2\"";
    return out;
}

}  // namespace

std::string drawingSvg(const DisplayList& drawing, int width, int height) {
    const Scale& s = drawing.scale();
    const double sx = s.width != 0.0f ? (width - 2 * kBorder) / static_cast<double>(s.width) : 0.0;
    const double sy =
        s.height != 0.0f ? (height - 2 * kBorder) / static_cast<double>(s.height) : 0.0;
    const auto px = [&](float x) { return kBorder + (x - s.left) * sx; };
    const auto py = [&](float y) { return kBorder + (y - s.top) * sy; };

    std::string out;
    std::string run;  // the path of the lines so far of one stroke
    std::string runStroke;
    const auto endRun = [&] {
        if (!run.empty()) out += "<path " + runStroke + " d=\"" + run + "\"/>";
        run.clear();
    };
    for (const Primitive& p : drawing.primitives()) {
        if (p.kind == Primitive::Kind::Line) {
            const std::string stroke = strokeAttributes(p);
            if (stroke != runStroke) {
                endRun();
                runStroke = stroke;
            }
            run += run.empty() ? "M" : " M";
            appendNumber(run, px(p.x1));
            run += ' ';
            appendNumber(run, py(p.y1));
            run += 'L';
            appendNumber(run, px(p.x2));
            run += ' ';
            appendNumber(run, py(p.y2));
            continue;
        }
        endRun();
        runStroke.clear();
        if (p.kind == Primitive::Kind::Polygon) {
            out += "<polygon stroke=\"none\" fill=\"" + colourText(p.colour) + "\" points=\"";
            bool first = true;
            for (const CanvasPoint& corner : drawing.corners(p)) {
                if (!first) out += ' ';
                first = false;
                appendNumber(out, px(corner.x));
                out += ',';
                appendNumber(out, py(corner.y));
            }
            out += "\"/>";
            continue;
        }
        const double cx = px(p.x1);
        const double cy = py(p.y1);
        const double r = std::fabs(p.r * sx);
        if (!std::isfinite(r) || r > kLargestRadius || !std::isfinite(cx) || !std::isfinite(cy))
            continue;
        const double span = p.end - p.start;
        out += "<path " + strokeAttributes(p) + " d=\"M";
        appendNumber(out, cx + r * std::cos(p.start));
        out += ' ';
        appendNumber(out, cy - r * std::sin(p.start));
        out += 'A';
        appendNumber(out, r);
        out += ' ';
        appendNumber(out, r);
        out += std::fabs(span) > std::numbers::pi ? " 0 1 " : " 0 0 ";
        out += span > 0 ? "0 " : "1 ";
        appendNumber(out, cx + r * std::cos(p.end));
        out += ' ';
        appendNumber(out, cy - r * std::sin(p.end));
        out += "\"/>";
    }
    endRun();
    return out;
}

}  // namespace arcwright::web
