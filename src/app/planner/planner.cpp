// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/planner/planner.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>

#include "app/planner/planner_words.h"
#include "app/widgets/controls.h"
#include "app/widgets/fitted_drawing.h"
#include "app/widgets/look.h"
#include "geometry/cove_levels.h"
#include "model/number_text.h"
#include "plan/cove_outline.h"
#include "readouts/readouts.h"
#include "views/fitted_board_end.h"

namespace arcwright {

Planner::Planner(QWidget& window, Calculator& calculator)
    : QWidget(&window, Qt::Window), calculator_(calculator) {
    createUi();
    connectEvents();
    showModel();
}

void Planner::fillFromCalculator() {
    // The cut width is empty while the calculator says the cut is too wide.
    const Calculator& calc = calculator_;
    const bool cut = !QString::fromStdString(calc.label4()).trimmed().isEmpty();
    model_.takeSetup(cut ? std::optional(leadingNumber(calc.label4())) : std::nullopt,
                     calc.value(Box::Text1), calc.value(Box::Text4), calc.value(Box::Text3));
    showModel();
}

void Planner::showModel() {
    showBoxes();
    showResult();
}

// The boxes show the model's texts; writing one that the user is typing in would move the
// cursor, so only a text the model changed is written, without telling the model again.
void Planner::showBoxes() {
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        const auto box = static_cast<PlanBox>(i);
        QLineEdit* edit = boxes_[i].edit;
        const QString text = QString::fromStdString(model_.text(box));
        if (edit->text() != text) {
            const QSignalBlocker quiet(edit);
            edit->setText(text);
        }
        const bool readable = model_.readable(box);
        setBoxColour(edit, readable ? look::kWhite : look::kPink);
        edit->setProperty("badText", !readable);
    }
}

void Planner::showResult() {
    const PlanRequest& request = model_.request();
    const PlanResult& result = model_.result();
    const LengthUnit unit = model_.unit();
    const bool angle = result.hasAngle;
    angle_->setText(angle ? degreesText(result.angleDeg) : QString());
    complement_->setText(angle ? degreesText(result.complementDeg) : QString());
    bladeHeight_->setText(angle ? plannerLength(request.coveDepth, unit) : QString());
    fenceOffset_->setText(
        angle && result.woodEachSide >= 0 ? plannerLength(result.woodEachSide, unit) : QString());
    // A box that cannot be read is named first: the results above are the last ones that
    // could be worked out, kept for the user to compare.
    if (const auto bad = model_.firstUnreadable()) {
        const LengthBox& box = boxes_[static_cast<std::size_t>(*bad)];
        status_->setText(badBoxSentence(box.name, box.edit->text()));
    } else {
        status_->setText(problemSentence(request, result, unit));
    }
    warnings_->setText(angle ? warningLines(result) : QString());
    endView_->redraw();
    showPasses();
    showNote();
    // The count at the saw follows every plan shown; the fence rule goes with it once written.
    sawSession_.follow(request, result, unit, QString());
    apply_->setEnabled(model_.usable());
    showWhetherPrintable();
}

void Planner::drawBoardEnd(Canvas& canvas, double width, double height) const {
    const PlanRequest& r = model_.request();
    const PlanResult& result = model_.result();
    drawPlannedBoardEnd(
        canvas, r.boardWidth, r.boardThickness,
        result.hasAngle ? coveOutline(r.coveDepth, result.angleDeg, r.bladeDiameter, r.kerf)
                        : std::vector<BoardEndPoint>{},
        {width, height, 1},
        {look::rgb(look::kPaleYellow), look::rgb(look::kBrown), look::rgb(look::kTeal)});
}

void Planner::showPasses() {
    const PlanResult& result = model_.result();
    const LengthUnit unit = model_.unit();
    passes_->setRowCount(static_cast<int>(result.passes.size()));
    int row = 0;
    for (const PlanPass& pass : result.passes) {
        const std::array<QString, 3> cells{
            QString::number(pass.number), plannerLength(pass.bladeHeight, unit),
            QString::fromStdString(lengthText(pass.coveWidth, unit))};
        for (int column = 0; column < 3; ++column) {
            auto* item = new QTableWidgetItem(cells[static_cast<std::size_t>(column)]);
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            item->setTextAlignment(column == 0 ? Qt::AlignCenter
                                               : Qt::AlignVCenter | Qt::AlignLeft);
            passes_->setItem(row, column, item);
        }
        ++row;
    }
}

void Planner::applyToCalculator() {
    if (!model_.usable()) return;
    const PlanRequest& request = model_.request();
    // Typed as a user would: each box's change handling recomputes the calculator. The
    // width goes first, so the boxes after it are worked out with the new board.
    const auto length = [](double inches) { return formatNumber(inches, pattern::kLengthBox); };
    calculator_.editBox(Box::Text4, length(request.boardWidth));
    calculator_.editBox(Box::Text3, length(request.boardThickness));
    calculator_.editBox(Box::Text1, length(request.coveDepth));
    calculator_.editBox(Box::Text2, degreesText(model_.result().angleDeg).toStdString());
    model_.echoFromCalculator(
        {QString::fromStdString(calculator_.label4()).trimmed().toStdString()});
    showNote();
}

void Planner::showNote() {
    const auto& echo = model_.echo();
    if (!echo) {
        note_->clear();
        return;
    }
    const PlanRequest& request = model_.request();
    const QString shown = QString::fromStdString(echo->shownCut);
    const QString calculatorCut =
        shown.isEmpty() ? tr("\"Cut is too wide!\"") : tr("a cut %1 wide").arg(shown);
    const bool idealBlade = request.bladeDiameter == kBladeDiameter && request.kerf == 0;
    if (idealBlade) {
        note_->setText(tr("The calculator has this set-up and shows %1.").arg(calculatorCut));
    } else {
        note_->setText(
            tr("The calculator has this set-up. It works out a 10 in. blade with no kerf, so it "
               "shows %1, where your blade cuts %2 wide.")
                .arg(calculatorCut,
                     QString::fromStdString(lengthText(request.coveWidth, model_.unit()))));
    }
}

}  // namespace arcwright
