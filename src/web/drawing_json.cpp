// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "web/drawing_json.h"

#include "web/hex_colour.h"

namespace arcwright::web {
namespace {

using Json = nlohmann::ordered_json;

Json colourJson(const std::optional<Rgb>& colour) {
    return colour ? Json(hexColour(*colour)) : Json(nullptr);
}

}  // namespace

Json drawingJson(const DisplayList& drawing) {
    Json items = Json::array();
    for (const Primitive& p : drawing.primitives()) {
        Json item = {{"colour", colourJson(p.colour)},
                     {"dotted", p.style == LineStyle::Dotted},
                     {"width", p.width}};
        switch (p.kind) {
            case Primitive::Kind::Line:
                item["kind"] = "line";
                item["points"] = {p.x1, p.y1, p.x2, p.y2};
                break;
            case Primitive::Kind::Arc:
                item["kind"] = "arc";
                item["centre"] = {p.x1, p.y1};
                item["radius"] = p.r;
                item["from"] = p.start;
                item["to"] = p.end;
                break;
            case Primitive::Kind::Polygon: {
                item["kind"] = "polygon";
                Json points = Json::array();
                for (const CanvasPoint& corner : drawing.corners(p)) {
                    points.push_back(corner.x);
                    points.push_back(corner.y);
                }
                item["points"] = points;
                break;
            }
        }
        items.push_back(item);
    }
    const Scale& s = drawing.scale();
    return {{"scale", {s.left, s.top, s.width, s.height}}, {"items", items}};
}

}  // namespace arcwright::web
