// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/planner/planner.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStringList>
#include <QTableWidget>
#include <algorithm>

#include "app/planner/core_words.h"
#include "app/widgets/announce.h"
#include "app/widgets/controls.h"
#include "app/widgets/fitted_drawing.h"
#include "app/widgets/look.h"
#include "geometry/cove_levels.h"
#include "model/number_text.h"
#include "plan/cove_outline.h"
#include "plan/plan_words.h"
#include "plan/planner_readouts.h"
#include "plan/planner_words.h"
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
    const Calculator& calc = calculator_;
    model_.takeSetup(calc.shownCutWidth(), calc.value(Box::Text1), calc.value(Box::Text4),
                     calc.value(Box::Text3));
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
        if (box == PlanBox::MaxHeight) {
            edit->setPlaceholderText(
                QString::fromStdString(lengthText(model_.maxHeight(), model_.unit())));
        }
        edit->setProperty("badText", !readable);
    }
}

void Planner::showResult() {
    const PlannerReadouts readouts = plannerReadouts(model_);
    const auto text = [](const std::string& s) { return QString::fromStdString(s); };
    angle_->setText(text(readouts.angle));
    complement_->setText(text(readouts.complement));
    bladeHeight_->setText(text(readouts.bladeHeight));
    showWood(readouts);
    showFence(readouts);
    showTilt(readouts);
    // A box that cannot be read is named first, and the results above are cleared: a
    // figure of the last plan beside a refusal would be read as this one's.
    showStatus(shown(statusSentence(model_)));
    warnings_->setText(shownLines(planWarnings(model_)));
    cautions_->setText(shownLines(model_.cautions()));
    cautions_->setVisible(!cautions_->text().isEmpty());
    endView_->redraw();
    showPasses();
    showNote();
    // The count at the saw follows every plan shown, with the fence's side at its foot.
    sawSession_.follow(model_);
    apply_->setEnabled(model_.usable());
    showWhetherPrintable();
    fitToContent();
}

void Planner::showStatus(const QString& sentence) {
    const bool refused = !sentence.isEmpty();
    status_->setText(sentence);
    status_->setProperty("refused", refused);
    statusIcon_->setVisible(refused);
    statusFrame_->setFrameShape(refused ? QFrame::Box : QFrame::NoFrame);
    statusFrame_->setAutoFillBackground(refused);
    QPalette pal = status_->palette();
    pal.setColor(QPalette::WindowText, refused ? QColor(Qt::black) : look::kWhite);
    status_->setPalette(pal);
    // A screen reader hears the refusal when it comes up or changes, not at every keystroke
    // that leaves it standing.
    status_->setAccessibleDescription(refused ? sentence : status_->toolTip());
    if (refused && sentence != announced_) announce(status_);
    announced_ = sentence;
}

void Planner::fitToContent() {
    if (!isVisible() || !layout()) return;
    layout()->activate();
    const int needed = layout()->hasHeightForWidth() ? layout()->totalHeightForWidth(width())
                                                     : sizeHint().height();
    const int height = std::max(needed, usualHeight_);
    if (height != this->height()) resize(width(), height);
}

void Planner::drawBoardEnd(Canvas& canvas, double width, double height) const {
    drawPlannerBoardEnd(
        canvas, model_, {width, height, 1},
        {look::rgb(look::kPaleYellow), look::rgb(look::kBrown), look::rgb(look::kTeal)});
}

// Each side's wood with its own quarter-inch check, pink where it fails.
void Planner::showWood(const PlannerReadouts& readouts) {
    struct Side {
        QLabel* label;
        const Sentence& wood;
        bool thin;
    };
    for (const Side& side : {Side{woodFence_, readouts.woodFenceSide, readouts.thinFenceSide},
                             Side{woodFar_, readouts.woodFarSide, readouts.thinFarSide}}) {
        side.label->setText(arcwright::shown(side.wood));
        QPalette pal = side.label->palette();
        pal.setColor(QPalette::WindowText, side.thin ? look::kPink : look::kYellow);
        side.label->setPalette(pal);
    }
}

void Planner::showFence(const PlannerReadouts& readouts) {
    fenceDistance_->setText(QString::fromStdString(readouts.fenceDistance));
    markBlade_->setText(arcwright::shown(readouts.bladeMark));
    markSquare_->setText(arcwright::shown(readouts.squareMark));
    fenceSide_->setText(arcwright::shown(readouts.fenceSide));
}

// The walls of a tilted blade's cove, from its deepest point to either edge at the face, and
// how to find the deepest line on the saw.
void Planner::showTilt(const PlannerReadouts& readouts) {
    halfSteep_->setText(QString::fromStdString(readouts.steepWall));
    halfGentle_->setText(QString::fromStdString(readouts.gentleWall));
    const QString centre = arcwright::shown(readouts.centrePoint);
    centrePoint_->setText(centre);
    centrePoint_->setAccessibleDescription(centre);
}

void Planner::showPasses() {
    const PlanResult& result = model_.result();
    const LengthUnit unit = model_.unit();
    // A tilted blade widens the two walls by different amounts: each pass's walls, from the
    // finished cove's deepest line, in a column of their own.
    const bool walls = model_.tilted();
    passes_->setColumnCount(walls ? 4 : 3);
    if (walls) {
        passes_->setHorizontalHeaderItem(3, new QTableWidgetItem(shown(wallsHeading())));
    }
    // The fourth column needs room: the table takes two thirds of the row then, and its
    // columns keep the width of their text, scrolling sideways rather than cutting it short.
    drawingAndPasses_->setStretch(1, walls ? 2 : 1);
    passes_->horizontalHeader()->setStretchLastSection(!walls);
    passes_->setRowCount(planShown() ? static_cast<int>(result.passes.size()) : 0);
    int row = 0;
    for (const PlanPass& pass : result.passes) {
        if (row == passes_->rowCount()) break;
        std::array<QString, 4> cells{QString::number(pass.number),
                                     QString::fromStdString(spokenLength(pass.bladeHeight, unit)),
                                     QString::fromStdString(spokenLength(pass.coveWidth, unit)),
                                     QString()};
        if (walls) {
            cells[3] = shown(wallsCell(pass.fenceSide, pass.farSide, unit));
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
    calculator_.editBox(Box::Text2, angleText(model_.result().angleDeg));
    // The hand-over is the planner's own event: every read-out under the boxes shows the
    // length now in its box, as a resolution switch shows them.
    calculator_.refreshReadouts();
    model_.echoFromCalculator(
        {QString::fromStdString(calculator_.label4()).trimmed().toStdString()});
    showNote();
}

void Planner::showNote() {
    note_->setText(shown(calculatorNote(model_)));
}

}  // namespace arcwright
