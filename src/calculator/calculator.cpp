// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calculator/calculator.h"

#include <utility>

#include "geometry/shop_rules.h"
#include "model/number_text.h"
#include "readouts/readouts.h"

namespace arcwright {

namespace {

// What the four boxes hold when the window opens.
constexpr double kStartBladeHeight = 0.5;
constexpr double kStartAngle = 45.0;
constexpr double kStartThickness = 0.75;
constexpr double kStartWidth = 4.0;

}  // namespace

CalculatorChanges CalculatorChanges::all() {
    CalculatorChanges c;
    c.texts.set();
    c.colours.set();
    c.readouts.set();
    c.label3 = c.label4 = true;
    c.shown.set();
    c.angleBar = c.target = c.resolution = true;
    c.views.set();
    return c;
}

// Every public event tells the listener once, at its end, whatever it set off on the way.
class EventScope {
  public:
    explicit EventScope(int& depth, std::function<void()> done)
        : depth_(depth), done_(std::move(done)) {
        ++depth_;
    }
    ~EventScope() {
        if (--depth_ == 0) done_();
    }
    EventScope(const EventScope&) = delete;
    EventScope& operator=(const EventScope&) = delete;

  private:
    int& depth_;
    std::function<void()> done_;
};

Calculator::Calculator() {
    // The controls as they are built: the boxes' design texts, the read-outs' sample
    // captions, the width box already highlighted, 16ths chosen but not yet in force.
    texts_ = {".5", "45°", ".75", "4"};
    for (std::size_t i = 0; i < kBoxCount; ++i) values_[i] = leadingNumber(texts_[i]);
    colours_.fill(BoxColour::Desktop);
    colours_[index(Box::Text4)] = BoxColour::Highlight;
    readouts_[index(Readout::Width)] = {"4", "", "", "", "in."};
    readouts_[index(Readout::Thickness)] = {"", "3", "/", "4", "in."};
    readouts_[index(Readout::BladeHeight)] = {"", "1", "/", "2", "in."};
    readouts_[index(Readout::Cut)] = {"X", "XX", "/", "16", "X"};
    label3_ = "Width of cut:";
    label4_ = "Label4";
    shownCut_ = leadingNumber(label4_);
    startUp();
    changes_ = CalculatorChanges::all();
}

void Calculator::startUp() {
    show(Shown::Frame2, true);
    minFraction_ = 16;
    setCaption(label3_, "Width of cut =", changes_.label3);
    // Each write runs the box's change handling, and so a recomputation, while the drawing
    // scale is still 0.
    writeBox(Box::Text1, formatNumber(kStartBladeHeight, pattern::kLengthBox));
    writeBox(Box::Text2, formatNumber(kStartAngle, pattern::kAngleBox));
    writeBox(Box::Text3, formatNumber(kStartThickness, pattern::kLengthBox));
    writeBox(Box::Text4, formatNumber(kStartWidth, pattern::kLengthBox));
    drawScale_ = kDrawScale;

    const auto k = static_cast<float>(drawScale_);
    canvas(View::Picture1).clear();
    canvas(View::Picture1).setScale(0, 4 * k, 8 * k, -4 * k);
    canvas(View::Picture2).clear();
    canvas(View::Picture2).setScale(0, 15, 15, -15);
    canvas(View::Picture4).clear();
    canvas(View::Picture4).setScale(0, 20, 23, -17);
    RecomputeCove();
}

CalculatorChanges Calculator::takeChanges() {
    return std::exchange(changes_, CalculatorChanges{});
}

void Calculator::notify() {
    if (listener_ && changes_.any()) listener_();
}

// ---- events --------------------------------------------------------------------------------

void Calculator::editBox(Box box, std::string text) {
    if (text == texts_[index(box)]) return;
    const EventScope event(depth_, [this] { notify(); });
    writeBox(box, std::move(text));
}

void Calculator::focusAngleBox(bool hasFocus) {
    const EventScope event(depth_, [this] { notify(); });
    setColour(Box::Text2, hasFocus ? BoxColour::Grey : BoxColour::White);
}

void Calculator::moveAngleBar(int degrees) {
    const EventScope event(depth_, [this] { notify(); });
    angleBar_ = degrees;
    // With less than a quarter inch of wood above the blade the angle is left alone.
    if (value(Box::Text3) - kQuarterInchOfWood < value(Box::Text1)) return;
    writeBox(Box::Text2, formatNumber(degrees, pattern::kAngleBox));
}

void Calculator::chooseTarget(AdjustTarget target) {
    const EventScope event(depth_, [this] { notify(); });
    if (target != target_) changes_.target = true;
    target_ = target;
    const Box highlighted = targetBox();
    for (const Box box : {Box::Text1, Box::Text3, Box::Text4}) {
        setColour(box, box == highlighted ? BoxColour::Highlight : BoxColour::White);
    }
}

void Calculator::chooseResolution(int denominator) {
    const EventScope event(depth_, [this] { notify(); });
    if (denominator != minFraction_) changes_.resolution = true;
    minFraction_ = denominator;
    UpdateAllReadouts();
}

void Calculator::refreshReadouts() {
    const EventScope event(depth_, [this] { notify(); });
    UpdateAllReadouts();
}

void Calculator::pressStep(StepButton button) {
    const EventScope event(depth_, [this] { notify(); });
    const StepDecision decision =
        decideStep(button, target_, value(Box::Text4), value(Box::Text3), value(Box::Text1));
    if (decision.enableScrollBar) enableAngleBar(true);
    show(Shown::Label1, false);
    if (decision.newText) {
        // The box's own change handling recomputes.
        writeBox(targetBox(), *decision.newText);
        return;
    }
    if (decision.showBladeWarning) show(Shown::Label1, true);
    if (decision.disableScrollBar) enableAngleBar(false);
}

void Calculator::pressOk() {
    const EventScope event(depth_, [this] { notify(); });
    show(Shown::Frame2, false);
}

void Calculator::clickIsoView() {
    const EventScope event(depth_, [this] { notify(); });
    DrawIsoView();
}

// ---- change handling -----------------------------------------------------------------------

void Calculator::writeBox(Box box, std::string text) {
    std::string& current = texts_[index(box)];
    if (text == current) return;
    current = std::move(text);
    values_[index(box)] = leadingNumber(current);
    changes_.texts.set(index(box));
    boxChanged(box);
}

void Calculator::boxChanged(Box box) {
    switch (box) {
        case Box::Text1:
        case Box::Text3:
            show(Shown::Label1, false);
            RecomputeCove();
            return;
        case Box::Text2:
            RecomputeCove();
            return;
        case Box::Text4:
            // Wider than the fence set-up takes: the last results stay.
            if (value(Box::Text4) <= kWidestBoard) RecomputeCove();
            return;
    }
}

void Calculator::show(Shown what, bool on) {
    bool& shown = shown_[index(what)];
    if (shown == on) return;
    shown = on;
    changes_.shown.set(index(what));
}

void Calculator::setColour(Box box, BoxColour colour) {
    BoxColour& current = colours_[index(box)];
    if (current == colour) return;
    current = colour;
    changes_.colours.set(index(box));
}

void Calculator::enableAngleBar(bool on) {
    if (angleBarEnabled_ == on) return;
    angleBarEnabled_ = on;
    changes_.angleBar = true;
}

void Calculator::setCaption(std::string& caption, std::string text, bool& changed) {
    if (caption == text) return;
    caption = std::move(text);
    changed = true;
}

void Calculator::setLabel4(std::string text) {
    if (label4_ == text) return;
    label4_ = std::move(text);
    shownCut_ = leadingNumber(label4_);
    changes_.label4 = true;
}

Box Calculator::targetBox() const {
    switch (target_) {
        case AdjustTarget::BoardThickness:
            return Box::Text3;
        case AdjustTarget::BladeHeight:
            return Box::Text1;
        case AdjustTarget::BoardWidth:
            break;
    }
    return Box::Text4;
}

DisplayList& Calculator::canvas(View v) {
    changes_.views.set(index(v));
    return views_[index(v)];
}

}  // namespace arcwright
