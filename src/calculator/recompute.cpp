// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The recomputation behind every input change, and the read-outs and drawings it leaves.
#include "calculator/calculator.h"
#include "readouts/readouts.h"
#include "views/plan_view.h"

namespace arcwright {

void Calculator::RecomputeCove() {
    const CoveInputs inputs{value(Box::Text1), value(Box::Text2), value(Box::Text4)};
    show(Shown::Label2, false);
    FractionCaptions& cut = readouts_[index(Readout::Cut)];
    bool cutChanged = false;
    setCaption(cut.slash, "/", cutChanged);

    const SectionBoard board = sectionBoard(inputs.boardWidth, value(Box::Text3), drawScale_);
    solveCove(inputs, solution_);
    buildSectionOutline(board, solution_.pointCount, solution_.profileWidth, outline_);

    if (solution_.tooWide) {
        show(Shown::Label2, true);
        setLabel4(std::string());
        for (std::string* caption :
             {&cut.whole, &cut.numerator, &cut.slash, &cut.denominator, &cut.mark}) {
            setCaption(*caption, std::string(), cutChanged);
        }
    } else {
        setLabel4(cutWidthText(solution_));
        ShowFraction(solution_.cutWidth(), Readout::Cut, readout::cutWidth());
    }
    if (cutChanged) changes_.readouts.set(index(Readout::Cut));
    drawSection(canvas(View::Picture1), board, outline_, solution_.pointCount, !solution_.tooWide);

    // The plan view takes the cut width as the result line shows it.
    drawPlanView(canvas(View::Picture2), inputs.boardAngleDeg, inputs.boardWidth, shownCut_);
    UpdateAdjustedReadout();
}

void Calculator::UpdateAdjustedReadout() {
    switch (target_) {
        case AdjustTarget::BoardWidth:
            ShowFraction(value(Box::Text4), Readout::Width, readout::adjustedWidth());
            break;
        case AdjustTarget::BoardThickness:
            ShowFraction(value(Box::Text3), Readout::Thickness, readout::adjustedThickness());
            break;
        case AdjustTarget::BladeHeight:
            ShowFraction(value(Box::Text1), Readout::BladeHeight, readout::adjustedBladeHeight());
            break;
    }
    DrawIsoView();
}

void Calculator::UpdateAllReadouts() {
    ShowFraction(value(Box::Text4), Readout::Width, readout::allWidth());
    ShowFraction(value(Box::Text3), Readout::Thickness, readout::allThickness());
    ShowFraction(value(Box::Text1), Readout::BladeHeight, readout::allBladeHeight());
}

void Calculator::ShowFraction(double value, Readout readout, const FractionSettings& settings) {
    FractionCaptions captions = arcwright::ShowFraction(value, minFraction_, settings);
    FractionCaptions& shown = readouts_[index(readout)];
    if (captions == shown) return;
    shown = std::move(captions);
    changes_.readouts.set(index(readout));
}

void Calculator::DrawIsoView() {
    // While a warning is up the last good drawing stays.
    if (shown(Shown::Label1) || shown(Shown::Label2)) return;
    const IsoInputs inputs{value(Box::Text4), value(Box::Text3),    value(Box::Text1),
                           shownCut_,         solution_.pointCount, &solution_.profileHalfWidth};
    drawIsoView(canvas(View::Picture4), inputs, iso_);
}

}  // namespace arcwright
