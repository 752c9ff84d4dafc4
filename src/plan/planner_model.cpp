// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "plan/planner_model.h"

#include "plan/cove_outline.h"
#include "plan/tilted_outline.h"

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
            break;
    }
    return nullptr;
}

PlannerModel::PlannerModel() {
    texts_[index(PlanBox::BladeDiameter)] = "10 in.";
    texts_[index(PlanBox::Kerf)] = "1/8 in.";
    texts_[index(PlanBox::PassDepth)] = "1/16 in.";
    recompute();
}

void PlannerModel::typeText(PlanBox box, std::string text) {
    texts_[index(box)] = std::move(text);
    recompute();
}

void PlannerModel::chooseLean(BladeLean lean) {
    if (lean == tilt_.lean) return;
    tilt_.lean = lean;
    recompute();
}

std::vector<BoardEndPoint> PlannerModel::outlineAt(double depth) const {
    if (!result_.hasAngle) return {};
    const PlanRequest& r = request_;
    if (!tilted()) return coveOutline(depth, result_.angleDeg, r.bladeDiameter, r.kerf);
    return tiltedCoveOutline(depth, result_.angleDeg, r.bladeDiameter, r.kerf, tilt_);
}

void PlannerModel::chooseUnit(LengthUnit unit) {
    if (unit == unit_) return;
    for (std::size_t i = 0; i < kPlanBoxCount; ++i) {
        if (static_cast<PlanBox>(i) == PlanBox::Tilt) continue;  // degrees in any unit
        if (const auto inches = readLength(texts_[i], unit_))
            texts_[i] = lengthBoxText(*inches, unit);
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
    }
    setLength(PlanBox::CoveDepth, bladeHeight);
    setLength(PlanBox::BoardWidth, boardWidth);
    setLength(PlanBox::BoardThickness, boardThickness);
    recompute();
}

std::optional<PlanBox> PlannerModel::firstUnreadable() const {
    for (std::size_t i = 0; i < kPlanBoxCount; ++i) {
        if (!readable_[i]) return static_cast<PlanBox>(i);
    }
    return std::nullopt;
}

void PlannerModel::setLength(PlanBox box, double inches) {
    texts_[index(box)] = lengthBoxText(inches, unit_);
}

void PlannerModel::recompute() {
    echo_.reset();
    PlanRequest request = request_;
    std::optional<double> offset;
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
        const auto inches = readLength(texts_[i], unit_);
        // An empty cove place is the centre.
        readable_[i] = inches || (box == PlanBox::CoveOffset && blank(texts_[i]));
        if (!readable_[i]) {
            allRead = false;
        } else if (box == PlanBox::CoveOffset) {
            offset = inches;
        } else {
            request.*requestField(box) = *inches;
        }
    }
    if (!allRead) return;
    request_ = request;
    coveOffset_ = offset;
    tilt_.degrees = tilt;
    placement_ = {};
    fence_ = {};
    CoveHalves halves;
    if (tilted()) {
        tilted_ = solveTilted(request_, tilt_);
        result_ = tilted_.plan;
        halves = {tilted_.cove.fenceSide.reach, tilted_.cove.farSide.reach};
    } else {
        // Upright: the planner's own numbers, exactly as ever.
        result_ = solve(request_);
        tilted_ = {};
        tilted_.plan = result_;
        const double half = request_.coveWidth / 2;
        halves = {half, half};
    }
    if (!result_.hasAngle) return;
    placement_ = placeCove(request_.boardWidth, halves, coveOffset_);
    if (tilted_.canCut() && placement_.canPlace()) {
        FenceSetup setup{result_.angleDeg, placement_.fenceToDeepest};
        setup.deepestOffset = tilted() ? tilted_.tableOffset : 0.0;
        fence_ = fencePosition(setup);
    }
}

}  // namespace arcwright
