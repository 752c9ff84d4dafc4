// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "plan/planner_model.h"

#include "plan/saw_limits.h"

namespace arcwright {

namespace {

bool blank(const std::string& text) {
    return text.find_first_not_of(" \t") == std::string::npos;
}

}  // namespace

double PlanRequest::*requestField(PlanBox box) {
    switch (box) {
        case PlanBox::CoveWidth:
            return &PlanRequest::coveWidth;
        case PlanBox::CoveDepth:
            return &PlanRequest::coveDepth;
        case PlanBox::BoardWidth:
            return &PlanRequest::boardWidth;
        case PlanBox::BoardThickness:
            return &PlanRequest::boardThickness;
        case PlanBox::BladeDiameter:
            return &PlanRequest::bladeDiameter;
        case PlanBox::Kerf:
            return &PlanRequest::kerf;
        case PlanBox::PassDepth:
            return &PlanRequest::passDepth;
        case PlanBox::CoveOffset:
        case PlanBox::Tilt:
        case PlanBox::MaxHeight:
            break;
    }
    return nullptr;
}

bool takesZero(PlanBox box) {
    return box == PlanBox::Kerf || box == PlanBox::CoveOffset;
}

PlannerModel::PlannerModel() {
    texts_[index(PlanBox::BladeDiameter)] = "10 in.";
    texts_[index(PlanBox::Kerf)] = "1/8 in.";
    texts_[index(PlanBox::PassDepth)] = "1/16 in.";
    recompute();
}

void PlannerModel::typeText(PlanBox box, std::string text) {
    texts_[index(box)] = std::move(text);
    exact_[index(box)].reset();
    recompute();
}

void PlannerModel::chooseLean(BladeLean lean) {
    if (lean == tilt_.lean) return;
    tilt_.lean = lean;
    recompute();
}

std::vector<BoardEndPoint> PlannerModel::outlineAt(double depth) const {
    return planOutline(request_, result_, depth);
}

void PlannerModel::chooseUnit(LengthUnit unit) {
    if (unit == unit_) return;
    for (std::size_t i = 0; i < kPlanBoxCount; ++i) {
        if (static_cast<PlanBox>(i) == PlanBox::Tilt) continue;  // degrees in any unit
        const auto inches = exact_[i] ? exact_[i] : readLength(texts_[i], unit_);
        if (!inches) continue;
        texts_[i] = lengthBoxText(*inches, unit);
        exact_[i] = inches;
    }
    unit_ = unit;
    recompute();
}

void PlannerModel::takeSetup(std::optional<double> cutWidth, double bladeHeight, double boardWidth,
                             double boardThickness) {
    if (cutWidth) {
        setLength(PlanBox::CoveWidth, *cutWidth);
    } else {
        texts_[index(PlanBox::CoveWidth)].clear();
        exact_[index(PlanBox::CoveWidth)].reset();
    }
    setLength(PlanBox::CoveDepth, bladeHeight);
    setLength(PlanBox::BoardWidth, boardWidth);
    setLength(PlanBox::BoardThickness, boardThickness);
    recompute();
}

double PlannerModel::maxHeight() const {
    return maxHeight_ ? *maxHeight_ : defaultMaxHeight(request_.bladeDiameter);
}

std::vector<Sentence> PlannerModel::cautions() const {
    if (!usable()) return {};
    return cautionSentences(request_, result_, unit_);
}

void PlannerModel::restore(const std::array<std::string, kPlanBoxCount>& texts, LengthUnit unit,
                           BladeLean lean) {
    texts_ = texts;
    exact_ = {};  // the texts as typed are the lengths now
    unit_ = unit;
    tilt_.lean = lean;
    recompute();
}

std::optional<PlanBox> PlannerModel::firstUnreadable() const {
    for (std::size_t i = 0; i < kPlanBoxCount; ++i) {
        if (!readable_[i]) return static_cast<PlanBox>(i);
    }
    return std::nullopt;
}

BoxFault PlannerModel::fault(PlanBox box) const {
    const std::string& text = texts_[index(box)];
    if (readable(box)) return BoxFault::None;
    if (blank(text)) return BoxFault::Empty;
    if (box != PlanBox::Tilt && isLengthBelowZero(text, unit_)) return BoxFault::BelowZero;
    return BoxFault::NotALength;
}

void PlannerModel::setLength(PlanBox box, double inches) {
    texts_[index(box)] = lengthBoxText(inches, unit_);
    exact_[index(box)] = inches;
}

void PlannerModel::recompute() {
    echo_.reset();
    PlanRequest request = request_;
    std::optional<double> offset;
    std::optional<double> typedMaxHeight;
    double tilt = 0.0;
    bool allRead = true;
    for (std::size_t i = 0; i < kPlanBoxCount; ++i) {
        const auto box = static_cast<PlanBox>(i);
        if (box == PlanBox::Tilt) {
            // Empty is upright; the range is the plan's to check, so that it can say why.
            const auto degrees = blank(texts_[i]) ? std::optional(0.0) : readDegrees(texts_[i]);
            readable_[i] = degrees.has_value();
            if (degrees) tilt = *degrees;
            allRead = allRead && readable_[i];
            continue;
        }
        const auto inches = exact_[i] ? exact_[i] : readLength(texts_[i], unit_);
        // An empty cove place is the centre; an empty reach is the blade's usual one.
        const bool mayBeEmpty = box == PlanBox::CoveOffset || box == PlanBox::MaxHeight;
        readable_[i] = inches || (mayBeEmpty && blank(texts_[i]));
        if (!readable_[i]) {
            allRead = false;
        } else if (box == PlanBox::CoveOffset) {
            offset = inches;
        } else if (box == PlanBox::MaxHeight) {
            typedMaxHeight = inches;
        } else {
            request.*requestField(box) = *inches;
        }
    }
    if (!allRead) return;
    request_ = request;
    coveOffset_ = offset;
    maxHeight_ = typedMaxHeight;
    tilt_.degrees = tilt;
    placement_ = {};
    fence_ = {};
    result_ = solve(request_, tilt_);
    applySawLimits(request_, maxHeight(), result_);
    if (!result_.hasAngle) return;
    const CoveHalves halves{result_.cove.fenceSide.reach, result_.cove.farSide.reach};
    placement_ = placeCove(request_.boardWidth, halves, coveOffset_);
    if (result_.canCut() && placement_.canPlace()) {
        FenceSetup setup{result_.angleDeg, placement_.fenceToDeepest};
        setup.deepestOffset = result_.tableOffset;
        fence_ = fencePosition(setup);
    }
}

}  // namespace arcwright
