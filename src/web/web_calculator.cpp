// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "web/web_calculator.h"

#include <array>
#include <nlohmann/json.hpp>
#include <optional>

#include "calculator/calculator_words.h"
#include "web/drawing_json.h"
#include "web/drawing_svg.h"

namespace arcwright::web {
namespace {

using Json = nlohmann::ordered_json;

struct InputName {
    std::string_view name;
    Box box;
};
constexpr std::array kInputs{
    InputName{"bladeHeight", Box::Text1},
    InputName{"angle", Box::Text2},
    InputName{"boardThickness", Box::Text3},
    InputName{"boardWidth", Box::Text4},
};

std::optional<Box> boxNamed(std::string_view name) {
    for (const InputName& input : kInputs) {
        if (input.name == name) return input.box;
    }
    return std::nullopt;
}

std::optional<AdjustTarget> targetNamed(std::string_view name) {
    if (name == "boardWidth") return AdjustTarget::BoardWidth;
    if (name == "boardThickness") return AdjustTarget::BoardThickness;
    if (name == "bladeHeight") return AdjustTarget::BladeHeight;
    return std::nullopt;
}

const char* targetName(AdjustTarget target) {
    switch (target) {
        case AdjustTarget::BoardThickness:
            return "boardThickness";
        case AdjustTarget::BladeHeight:
            return "bladeHeight";
        case AdjustTarget::BoardWidth:
            break;
    }
    return "boardWidth";
}

const char* colourName(BoxColour colour) {
    switch (colour) {
        case BoxColour::White:
            return "white";
        case BoxColour::Highlight:
            return "highlight";
        case BoxColour::Grey:
            return "grey";
        case BoxColour::Desktop:
            break;
    }
    return "desktop";
}

struct ViewName {
    std::string_view name;
    View view;
};
constexpr std::array kViews{
    ViewName{"section", View::Picture1},
    ViewName{"plan", View::Picture2},
    ViewName{"iso", View::Picture4},
};

Json captions(const FractionCaptions& c) {
    return Json::array({c.whole, c.numerator, c.slash, c.denominator, c.mark});
}

}  // namespace

WebCalculator::WebCalculator() {
    changedViews_.set();  // nothing drawn yet
    (void)calculator_.takeChanges();
    calculator_.setListener([this] { changedViews_ |= calculator_.takeChanges().views; });
}

void WebCalculator::type(std::string_view input, std::string text) {
    if (const auto box = boxNamed(input)) calculator_.editBox(*box, std::move(text));
}

void WebCalculator::focus(std::string_view input, bool hasFocus) {
    if (boxNamed(input) == Box::Text2) calculator_.focusAngleBox(hasFocus);
}

void WebCalculator::moveAngleBar(int degrees) {
    calculator_.moveAngleBar(degrees);
}

void WebCalculator::chooseTarget(std::string_view target) {
    if (const auto chosen = targetNamed(target)) calculator_.chooseTarget(*chosen);
}

void WebCalculator::chooseResolution(int denominator) {
    if (denominator == 16 || denominator == 32) calculator_.chooseResolution(denominator);
}

void WebCalculator::step(double inches, bool up) {
    for (const double column : {0.25, 0.125, 0.0625, 0.03125}) {
        if (inches == column) calculator_.pressStep({column, up});
    }
}

void WebCalculator::dismissSafetyNote() {
    calculator_.pressOk();
}

void WebCalculator::clickIsoView() {
    calculator_.clickIsoView();
}

void WebCalculator::refreshReadouts() {
    calculator_.refreshReadouts();
}

namespace {

Json shownJson(const Calculator& c) {
    Json inputs = Json::object();
    for (const InputName& input : kInputs) {
        inputs[std::string(input.name)] = {{"text", c.text(input.box)},
                                           {"colour", colourName(c.colour(input.box))}};
    }
    return {
        {"inputs", inputs},
        {"readouts",
         {{"boardWidth", captions(c.readout(Readout::Width))},
          {"boardThickness", captions(c.readout(Readout::Thickness))},
          {"bladeHeight", captions(c.readout(Readout::BladeHeight))},
          {"cutWidth", captions(c.readout(Readout::Cut))}}},
        {"resultCaption", c.label3()},
        {"cutWidth", c.label4()},
        {"bladeHeightHigh", c.shown(Shown::Label1)},
        {"cutTooWide", c.shown(Shown::Label2)},
        {"safetyNote", c.shown(Shown::Frame2)},
        {"angleBar", {{"enabled", c.angleBarEnabled()}, {"position", c.angleBarPosition()}}},
        {"target", targetName(c.target())},
        {"resolution", c.minFraction()},
    };
}

}  // namespace

std::string WebCalculator::state() const {
    Json doc = shownJson(calculator_);
    Json drawings = Json::object();
    for (const ViewName& v : kViews) {
        drawings[std::string(v.name)] = drawingJson(calculator_.view(v.view));
    }
    doc["drawings"] = drawings;
    return doc.dump();
}

std::string WebCalculator::shown() {
    Json doc = shownJson(calculator_);
    Json changed = Json::array();
    for (const ViewName& v : kViews) {
        if (changedViews_.test(static_cast<std::size_t>(v.view))) changed.push_back(v.name);
    }
    changedViews_.reset();
    doc["changedDrawings"] = changed;
    return doc.dump();
}

std::string WebCalculator::drawingSvg(std::string_view name, int width, int height) const {
    for (const ViewName& v : kViews) {
        if (v.name == name) return web::drawingSvg(calculator_.view(v.view), width, height);
    }
    return "";
}

std::string WebCalculator::words() {
    namespace w = calculator_words;
    return Json{{"boardWidth", w::kBoardWidth},
                {"boardThickness", w::kBoardThickness},
                {"cutAngle", w::kCutAngle},
                {"bladeHeight", w::kBladeHeight},
                {"widthOfCut", w::kWidthOfCut},
                {"bladeHeightHigh", w::kBladeHeightHigh},
                {"cutTooWide", w::kCutTooWide},
                {"warning", w::kWarning},
                {"ok", w::kOk},
                {"dimensionAdjustment", w::kDimensionAdjustment},
                {"minimumFraction", w::kMinimumFraction},
                {"sixteenths", w::kSixteenths},
                {"thirtySeconds", w::kThirtySeconds},
                {"print", w::kPrint},
                {"bladeCentreLine", w::kBladeCentreLine},
                {"isoView", w::kIsoView},
                {"safetyNote", w::kSafetyNote}}
        .dump();
}

}  // namespace arcwright::web
