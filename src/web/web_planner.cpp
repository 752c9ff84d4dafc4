// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "web/web_planner.h"

#include <nlohmann/json.hpp>
#include <optional>

#include "job/job.h"
#include "job/planner_job.h"
#include "plan/length_text.h"
#include "plan/plan_words.h"
#include "plan/planner_readouts.h"
#include "plan/planner_words.h"
#include "views/display_list.h"
#include "views/fitted_board_end.h"
#include "web/drawing_colours.h"
#include "web/drawing_svg.h"
#include "web/recorded_pages.h"
#include "web/web_calculator.h"

namespace arcwright::web {
namespace {

using Json = nlohmann::ordered_json;

std::optional<PlanBox> boxNamed(std::string_view name) {
    for (const JobBoxKey& entry : kJobBoxKeys) {
        if (entry.key == name) return entry.box;
    }
    return std::nullopt;
}

const char* faultName(BoxFault fault) {
    switch (fault) {
        case BoxFault::Empty:
            return "empty";
        case BoxFault::NotALength:
            return "notALength";
        case BoxFault::BelowZero:
            return "belowZero";
        case BoxFault::None:
            break;
    }
    return nullptr;
}

// A length as every planner read-out gives it: the unit's text and, in inches, the
// nearest shop fraction.
Json lengthJson(double inches, LengthUnit unit) {
    return {{"text", lengthText(inches, unit)}, {"spoken", spokenLength(inches, unit)}};
}

Json sentences(const std::vector<Sentence>& list) {
    Json out = Json::array();
    for (const Sentence& s : list) out.push_back(english(s));
    return out;
}

}  // namespace

void WebPlanner::type(std::string_view box, std::string text) {
    if (const auto named = boxNamed(box)) model_.typeText(*named, std::move(text));
}

void WebPlanner::chooseUnit(std::string_view unit) {
    if (unit == "in") model_.chooseUnit(LengthUnit::Inch);
    if (unit == "mm") model_.chooseUnit(LengthUnit::Millimetre);
}

void WebPlanner::chooseLean(std::string_view lean) {
    if (lean == "towardFence") model_.chooseLean(BladeLean::TowardFence);
    if (lean == "awayFromFence") model_.chooseLean(BladeLean::AwayFromFence);
}

void WebPlanner::takeSetup(const WebCalculator& calculator) {
    const Calculator& calc = calculator.calculator();
    model_.takeSetup(calc.shownCutWidth(), calc.value(Box::Text1), calc.value(Box::Text4),
                     calc.value(Box::Text3));
}

std::string WebPlanner::pages(double width, double height) const {
    return recordedPages(model_, width, height);
}

std::string WebPlanner::boardEndSvg(int width, int height) const {
    DisplayList drawing;
    drawPlannerBoardEnd(drawing, model_, {double(width), double(height), 1}, kBoardEndColours);
    return drawingSvg(drawing, width, height);
}

std::string WebPlanner::jobText(int sawPass) const {
    return writeJob(jobOf(model_, sawPass));
}

std::string WebPlanner::openJob(std::string_view text) {
    const JobRead read = readJob(text);
    if (!read.job) return read.problem ? read.problem : "";
    restoreJob(model_, *read.job);
    jobSawPass_ = read.job->sawPass;
    return "";
}

std::string WebPlanner::boxNames() {
    Json names = Json::object();
    for (const JobBoxKey& entry : kJobBoxKeys) {
        names[std::string(entry.key)] = english(boxName(entry.box));
    }
    return names.dump();
}

std::string WebPlanner::state() const {
    const PlannerModel& m = model_;
    const LengthUnit unit = m.unit();
    Json boxes = Json::object();
    for (const JobBoxKey& entry : kJobBoxKeys) {
        const char* fault = faultName(m.fault(entry.box));
        boxes[std::string(entry.key)] = {{"text", m.text(entry.box)},
                                         {"readable", m.readable(entry.box)},
                                         {"fault", fault ? Json(fault) : Json(nullptr)}};
    }
    const PlannerReadouts shown = plannerReadouts(m);
    const Json readouts = {{"angle", shown.angle},
                           {"complement", shown.complement},
                           {"bladeHeight", shown.bladeHeight},
                           {"woodFenceSide", english(shown.woodFenceSide)},
                           {"woodFarSide", english(shown.woodFarSide)},
                           {"thinFenceSide", shown.thinFenceSide},
                           {"thinFarSide", shown.thinFarSide},
                           {"fenceDistance", shown.fenceDistance},
                           {"bladeMark", english(shown.bladeMark)},
                           {"squareMark", english(shown.squareMark)},
                           {"fenceSide", english(shown.fenceSide)},
                           {"centrePoint", english(shown.centrePoint)},
                           {"steepWall", shown.steepWall},
                           {"gentleWall", shown.gentleWall}};
    const PlanResult& r = m.result();
    Json passes = Json::array();
    for (const PlanPass& pass : r.passes) {
        passes.push_back({{"number", pass.number},
                          {"bladeHeight", lengthJson(pass.bladeHeight, unit)},
                          {"coveWidth", lengthJson(pass.coveWidth, unit)}});
    }
    Json doc = {
        {"boxes", boxes},
        {"unit", unit == LengthUnit::Millimetre ? "mm" : "in"},
        {"lean", m.tilt().lean == BladeLean::AwayFromFence ? "awayFromFence" : "towardFence"},
        {"tilted", m.tilted()},
        {"maxHeight", lengthJson(m.maxHeight(), unit)},
        {"usable", m.usable()},
        {"plan",
         {{"problem", static_cast<int>(r.problem)},
          {"hasAngle", r.hasAngle},
          {"angle", r.hasAngle ? Json(angleText(r.angleDeg)) : Json(nullptr)},
          {"complement", r.hasAngle ? Json(angleText(r.complementDeg)) : Json(nullptr)},
          {"widestCove", lengthJson(r.widestCove, unit)},
          {"sawReach", lengthJson(r.sawReach, unit)},
          {"woodEachSide", lengthJson(r.woodEachSide, unit)},
          {"passes", passes}}},
        {"readouts", readouts},
        {"cautions", sentences(m.cautions())},
        {"words",
         {{"status", english(statusSentence(m))},
          {"warnings", sentences(planWarnings(m))},
          {"calculatorNote", english(calculatorNote(m))},
          {"passHeadings", sentences(passHeadings())},
          {"walls", m.tilted() ? Json(english(wallsHeading())) : Json(nullptr)}}},
    };
    if (m.tilted()) {
        for (std::size_t i = 0; i < r.passes.size(); ++i) {
            doc["plan"]["passes"][i]["walls"] =
                english(wallsCell(r.passes[i].fenceSide, r.passes[i].farSide, unit));
        }
    }
    return doc.dump();
}

}  // namespace arcwright::web
