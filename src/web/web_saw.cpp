// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "web/web_saw.h"

#include <nlohmann/json.hpp>

#include "plan/saw_words.h"
#include "views/display_list.h"
#include "views/pass_view.h"
#include "web/drawing_colours.h"
#include "web/drawing_svg.h"
#include "web/web_planner.h"

namespace arcwright::web {

void WebSaw::follow(const WebPlanner& planner) {
    session_.follow(planner.model());
    setUpPage_ = session_.steps().position() == 0;
}

bool WebSaw::resumeAt(int passesMade) {
    const bool moved = session_.resumeAt(passesMade);
    setUpPage_ = session_.steps().position() == 0;
    return moved;
}

bool WebSaw::onSetUpPage() const {
    const PassSteps& steps = session_.steps();
    return setUpPage_ && steps.count() > 0 && steps.position() == 0;
}

bool WebSaw::next() {
    if (onSetUpPage()) {
        setUpPage_ = false;
        return true;
    }
    return session_.next();
}

bool WebSaw::back() {
    if (onSetUpPage()) return false;
    if (session_.steps().position() == 0 && session_.steps().count() > 0) {
        setUpPage_ = true;
        return true;
    }
    return session_.back();
}

bool WebSaw::first() {
    const bool moved = onSetUpPage();
    setUpPage_ = false;
    return session_.first() || moved;
}

bool WebSaw::last() {
    const bool moved = onSetUpPage();
    setUpPage_ = false;
    return session_.last() || moved;
}

std::string WebSaw::state() const {
    using Json = nlohmann::ordered_json;
    const PassSteps& steps = session_.steps();
    // Every outline is drawn in the browser's view: no note about outlines left out.
    constexpr int kEveryOutline = 1;
    const bool setUpPage = onSetUpPage();
    const SawTexts texts = setUpPage
                               ? setUpTexts(steps, session_.fence(), session_.unit(), kEveryOutline)
                               : sawTexts(steps, session_.unit(), kEveryOutline);
    Json cautions = Json::array();
    for (const Sentence& caution : session_.cautions()) cautions.push_back(english(caution));
    return Json{{"count", steps.count()}, {"position", steps.position()},
                {"setUpPage", setUpPage}, {"finished", steps.finished()},
                {"pass", texts.pass},     {"setLine", texts.setLine},
                {"height", texts.height}, {"rise", texts.rise},
                {"width", texts.width},   {"final", texts.final},
                {"then", texts.then},     {"note", texts.note},
                {"spoken", texts.spoken}, {"footer", english(session_.footer())},
                {"cautions", cautions}}
        .dump();
}

std::string WebSaw::drawingSvg(int width, int height) const {
    DisplayList drawing;
    drawPasses(drawing, session_.steps(),
               {double(width), double(height), passLinePixels(width, height)}, kPassColours);
    return web::drawingSvg(drawing, width, height);
}

}  // namespace arcwright::web
