// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/planner/planner.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStringList>
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
    showWood();
    showFence();
    showTilt();
    // A box that cannot be read is named first: the results above are the last ones that
    // could be worked out, kept for the user to compare.
    if (const auto bad = model_.firstUnreadable()) {
        const LengthBox& box = boxes_[static_cast<std::size_t>(*bad)];
        status_->setText(*bad == PlanBox::Tilt ? badTiltSentence(box.name, box.edit->text())
                                               : badBoxSentence(box.name, box.edit->text()));
    } else if (const QString tilt = tiltSentence(model_); !tilt.isEmpty()) {
        status_->setText(tilt);
    } else if (!result.canCut()) {
        status_->setText(problemSentence(request, result, unit));
    } else {
        status_->setText(placementSentence(model_.placement(), unit));
    }
    QStringList warnings;
    if (angle && !warningLines(result).isEmpty()) warnings << warningLines(result);
    if (!leaningWallsLines(model_).isEmpty()) warnings << leaningWallsLines(model_);
    warnings_->setText(warnings.join(QLatin1Char('\n')));
    endView_->redraw();
    showPasses();
    showNote();
    // The count at the saw follows every plan shown, with the fence's side at its foot.
    sawSession_.follow(request, result, model_.tilt(), unit,
                       model_.fence().found ? fenceSideRuleInOneLine() : QString());
    apply_->setEnabled(model_.usable());
    showWhetherPrintable();
}

void Planner::drawBoardEnd(Canvas& canvas, double width, double height) const {
    const PlanRequest& r = model_.request();
    const PlanResult& result = model_.result();
    drawPlannedBoardEnd(
        canvas, r.boardWidth, r.boardThickness,
        result.hasAngle
            ? placedOnBoard(model_.outlineAt(r.coveDepth), model_.placement(), r.boardWidth)
            : std::vector<BoardEndPoint>{},
        {width, height, 1},
        {look::rgb(look::kPaleYellow), look::rgb(look::kBrown), look::rgb(look::kTeal)});
}

// Each side's wood with its own quarter-inch check, pink where it fails.
void Planner::showWood() {
    const CovePlacement& placement = model_.placement();
    const bool shown = model_.result().hasAngle && placement.problem != PlacementProblem::NoBoard;
    struct Side {
        QLabel* label;
        double wood;
        bool thin;
    };
    for (const Side& side : {Side{woodFence_, placement.woodFenceSide, placement.thinFenceSide},
                             Side{woodFar_, placement.woodFarSide, placement.thinFarSide}}) {
        side.label->setText(shown ? woodText(side.wood, side.thin, model_.unit()) : QString());
        QPalette pal = side.label->palette();
        pal.setColor(QPalette::WindowText, shown && side.thin ? look::kPink : look::kYellow);
        side.label->setPalette(pal);
    }
}

// The fence's place only for a plan that can be cut where the cove was placed; kept, as the
// other results are, while a box cannot be read.
void Planner::showFence() {
    const FencePosition& fence = model_.fence();
    const bool shown = model_.result().canCut() && model_.placement().canPlace() && fence.found;
    const LengthUnit unit = model_.unit();
    fenceDistance_->setText(shown ? sawLength(fence.distance, unit) : QString());
    markBlade_->setText(shown ? markText(fence.bladeMark, unit) : QString());
    markSquare_->setText(shown ? markText(fence.squareMark, unit) : QString());
    fenceSide_->setText(shown ? fenceSideRule() : QString());
}

// The walls of a tilted blade's cove, from its deepest point to either edge at the face, and
// how to find the deepest line on the saw.
void Planner::showTilt() {
    const bool shown =
        model_.result().hasAngle && model_.tiltedPlan().tiltProblem == TiltProblem::None;
    const LengthUnit unit = model_.unit();
    if (!shown) {
        halfSteep_->clear();
        halfGentle_->clear();
    } else if (model_.tilted()) {
        const TiltedCove& cove = model_.tiltedPlan().cove;
        const BladeLean lean = model_.tilt().lean;
        halfSteep_->setText(plannerLength(steepWall(cove, lean).reach, unit));
        halfGentle_->setText(plannerLength(gentleWall(cove, lean).reach, unit));
    } else {
        const QString half = plannerLength(model_.request().coveWidth / 2, unit);
        halfSteep_->setText(half);
        halfGentle_->setText(half);
    }
    const QString centre = findingTheDeepestLine(model_);
    centrePoint_->setText(centre);
    centrePoint_->setAccessibleDescription(centre);
}

void Planner::showPasses() {
    const PlanResult& result = model_.result();
    const LengthUnit unit = model_.unit();
    // A tilted blade widens the two walls by different amounts: each pass's walls, from the
    // finished cove's deepest line, in a column of their own.
    const bool walls = model_.tilted() && model_.tiltedPlan().passes.size() == result.passes.size();
    passes_->setColumnCount(walls ? 4 : 3);
    if (walls) {
        passes_->setHorizontalHeaderItem(3, new QTableWidgetItem(tr("Fence side / far side")));
    }
    // The fourth column needs room: the table takes two thirds of the row then, and its
    // columns keep the width of their text, scrolling sideways rather than cutting it short.
    drawingAndPasses_->setStretch(1, walls ? 2 : 1);
    passes_->horizontalHeader()->setStretchLastSection(!walls);
    passes_->setRowCount(static_cast<int>(result.passes.size()));
    int row = 0;
    for (const PlanPass& pass : result.passes) {
        std::array<QString, 4> cells{QString::number(pass.number),
                                     plannerLength(pass.bladeHeight, unit),
                                     plannerLength(pass.coveWidth, unit), QString()};
        if (walls) {
            const TiltedPass& tilted = model_.tiltedPlan().passes[static_cast<std::size_t>(row)];
            cells[3] = tr("%1 / %2").arg(QString::fromStdString(lengthText(tilted.fenceSide, unit)),
                                         QString::fromStdString(lengthText(tilted.farSide, unit)));
        }
        for (int column = 0; column < passes_->columnCount(); ++column) {
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
    if (model_.tilted()) {
        note_->setText(
            tr("The calculator has this set-up. It works out an upright 10 in. blade with no "
               "kerf, so it shows %1, where your blade, tilted %2, cuts %3 wide.")
                .arg(calculatorCut, degreesText(model_.tilt().degrees),
                     QString::fromStdString(lengthText(request.coveWidth, model_.unit()))));
    } else if (idealBlade) {
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
