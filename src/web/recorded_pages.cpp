// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "web/recorded_pages.h"

#include <cmath>
#include <nlohmann/json.hpp>

#include "print/planned_pages.h"
#include "print/sheet_printer.h"
#include "web/hex_colour.h"

namespace arcwright::web {
namespace {

using Json = nlohmann::ordered_json;

// A text's line, as a page moves down after a line break: the face's usual line spacing.
constexpr double kLineSpacing = 1.15;

// Points to two places: finer than any printer's dot.
double rounded(double v) {
    return std::isfinite(v) ? std::round(v * 100.0) / 100.0 : 0.0;
}

class RecordingPrinter final : public SheetPrinter {
  public:
    RecordingPrinter(double width, double height) : extent_{width, height} {
        pages_.push_back(Json::array());
    }

    PageExtent printableArea() const override { return extent_; }
    void setUnitPoints() override {}
    void setFontName(std::string_view family) override { font_ = family; }
    void setFontSize(double points) override { size_ = points; }
    void setEmphasis(bool on) override { bold_ = on; }
    void setTextPosition(float x, float y) override {
        x_ = x;
        y_ = y;
        after_ = false;
    }
    void printText(std::string_view text, bool lineBreak) override {
        Json item = {
            {"text", std::string(text)}, {"font", font_}, {"size", size_}, {"bold", bold_}};
        if (after_) {
            item["after"] = true;
        } else {
            item["x"] = rounded(x_);
        }
        item["y"] = rounded(y_);
        pages_.back().push_back(item);
        if (lineBreak) {
            x_ = 0;
            y_ += static_cast<float>(size_ * kLineSpacing);
            after_ = false;
        } else {
            after_ = true;
        }
    }
    bool newPage() override {
        pages_.push_back(Json::array());
        return true;
    }
    bool endDocument() override { return true; }
    void drawLine(float x1, float y1, float x2, float y2, std::optional<Rgb> colour) override {
        Json item = {{"line", {rounded(x1), rounded(y1), rounded(x2), rounded(y2)}}};
        if (colour) item["colour"] = hexColour(*colour);
        pages_.back().push_back(item);
    }

    Json pages() const {
        Json out = Json::array();
        for (const Json& items : pages_) out.push_back({{"items", items}});
        return out;
    }

  private:
    PageExtent extent_;
    std::vector<Json> pages_;
    std::string font_;
    double size_ = 10;
    bool bold_ = false;
    float x_ = 0, y_ = 0;
    bool after_ = false;
};

}  // namespace

std::string recordedPages(const PlannerModel& model, double width, double height) {
    RecordingPrinter printer(width, height);
    const bool printed = model.usable() && printPlannedPages(printer, plannedPages(model, english));
    return Json{{"printed", printed}, {"pages", printed ? printer.pages() : Json::array()}}.dump();
}

}  // namespace arcwright::web
