// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The core as the page and node see it. Each class is made with `new` in JavaScript and
// freed with `.delete()` by whoever made it; everything else crosses as strings and numbers
// (the states are JSON texts), so nothing else needs freeing.

#include <emscripten/bind.h>

#include <string>

#include "web/web_calculator.h"
#include "web/web_planner.h"
#include "web/web_saw.h"

using arcwright::web::WebCalculator;
using arcwright::web::WebPlanner;
using arcwright::web::WebSaw;
using emscripten::class_;
using emscripten::optional_override;

EMSCRIPTEN_BINDINGS(arcwright) {
    class_<WebCalculator>("Calculator")
        .constructor<>()
        .function("type", optional_override([](WebCalculator& c, const std::string& input,
                                               const std::string& text) { c.type(input, text); }))
        .function("focus", optional_override([](WebCalculator& c, const std::string& input,
                                                bool hasFocus) { c.focus(input, hasFocus); }))
        .function("moveAngleBar", &WebCalculator::moveAngleBar)
        .function("chooseTarget", optional_override([](WebCalculator& c, const std::string& t) {
                      c.chooseTarget(t);
                  }))
        .function("chooseResolution", &WebCalculator::chooseResolution)
        .function("step", &WebCalculator::step)
        .function("dismissSafetyNote", &WebCalculator::dismissSafetyNote)
        .function("clickIsoView", &WebCalculator::clickIsoView)
        .function("refreshReadouts", &WebCalculator::refreshReadouts)
        .function("state", &WebCalculator::state)
        .function("shown", &WebCalculator::shown)
        .function("drawingSvg",
                  optional_override([](const WebCalculator& c, const std::string& n, int width,
                                       int height) { return c.drawingSvg(n, width, height); }))
        .class_function("words", &WebCalculator::words);

    class_<WebPlanner>("Planner")
        .constructor<>()
        .function("type", optional_override([](WebPlanner& p, const std::string& box,
                                               const std::string& text) { p.type(box, text); }))
        .function("chooseUnit",
                  optional_override([](WebPlanner& p, const std::string& u) { p.chooseUnit(u); }))
        .function("chooseLean",
                  optional_override([](WebPlanner& p, const std::string& l) { p.chooseLean(l); }))
        .function("takeSetup", &WebPlanner::takeSetup)
        .function("jobText", &WebPlanner::jobText)
        .function("openJob", optional_override(
                                 [](WebPlanner& p, const std::string& t) { return p.openJob(t); }))
        .function("jobSawPass", &WebPlanner::jobSawPass)
        .function("pages", &WebPlanner::pages)
        .function("boardEndSvg", &WebPlanner::boardEndSvg)
        .function("state", &WebPlanner::state)
        .class_function("boxNames", &WebPlanner::boxNames);

    class_<WebSaw>("Saw")
        .constructor<>()
        .function("follow", &WebSaw::follow)
        .function("next", &WebSaw::next)
        .function("back", &WebSaw::back)
        .function("first", &WebSaw::first)
        .function("last", &WebSaw::last)
        .function("resumeAt", &WebSaw::resumeAt)
        .function("passesMade", &WebSaw::passesMade)
        .function("state", &WebSaw::state)
        .function("drawingSvg", &WebSaw::drawingSvg);
}
