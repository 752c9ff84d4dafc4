// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "plan/planner_model.h"

namespace arcwright {

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
            break;
    }
    return &PlanRequest::passDepth;
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

void PlannerModel::chooseUnit(LengthUnit unit) {
    if (unit == unit_) return;
    for (std::size_t i = 0; i < kPlanBoxCount; ++i) {
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
    bool allRead = true;
    for (std::size_t i = 0; i < kPlanBoxCount; ++i) {
        const auto inches = readLength(texts_[i], unit_);
        readable_[i] = inches.has_value();
        if (inches) {
            request.*requestField(static_cast<PlanBox>(i)) = *inches;
        } else {
            allRead = false;
        }
    }
    if (!allRead) return;
    request_ = request;
    result_ = solve(request_);
}

}  // namespace arcwright
