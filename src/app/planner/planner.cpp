// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/planner/planner.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>

#include "app/planner/board_end_view.h"
#include "app/planner/planner_words.h"
#include "app/widgets/box_value.h"
#include "app/widgets/controls.h"
#include "app/widgets/look.h"
#include "geometry/cove_levels.h"
#include "model/number_text.h"
#include "plan/cove_outline.h"
#include "readouts/readouts.h"

namespace arcwright {

namespace {

// The calculator's boxes and its cut width, found by the names the window gives them.
struct CalculatorBoxes {
    QLineEdit* bladeHeight = nullptr;  // Text1
    QLineEdit* angle = nullptr;        // Text2
    QLineEdit* thickness = nullptr;    // Text3
    QLineEdit* width = nullptr;        // Text4
    QLabel* cutWidth = nullptr;        // Label4, empty while the cut is too wide

    explicit CalculatorBoxes(const QWidget& calculator)
        : bladeHeight(calculator.findChild<QLineEdit*>(QStringLiteral("Text1"))),
          angle(calculator.findChild<QLineEdit*>(QStringLiteral("Text2"))),
          thickness(calculator.findChild<QLineEdit*>(QStringLiteral("Text3"))),
          width(calculator.findChild<QLineEdit*>(QStringLiteral("Text4"))),
          cutWidth(calculator.findChild<QLabel*>(QStringLiteral("Label4"))) {}

    bool found() const { return bladeHeight && angle && thickness && width && cutWidth; }
};

}  // namespace

Planner::Planner(QWidget& calculator) : QWidget(&calculator, Qt::Window), calculator_(calculator) {
    createUi();
    connectEvents();
    recompute();
}

void Planner::fillFromCalculator() {
    const CalculatorBoxes calc(calculator_);
    if (!calc.found()) return;
    const auto box = [this](const char* name) {
        return findChild<QLineEdit*>(QString::fromLatin1(name));
    };
    const auto write = [this](QLineEdit* edit, double inches) {
        const QSignalBlocker quiet(edit);
        edit->setText(QString::fromStdString(lengthBoxText(inches, unit_)));
    };
    // The cut width is empty while the calculator says the cut is too wide.
    if (calc.cutWidth->text().trimmed().isEmpty()) {
        const QSignalBlocker quiet(box("planCoveWidth"));
        box("planCoveWidth")->clear();
    } else {
        write(box("planCoveWidth"), valueOf(calc.cutWidth->text()));
    }
    write(box("planCoveDepth"), valueOf(calc.bladeHeight->text()));
    write(box("planBoardWidth"), valueOf(calc.width->text()));
    write(box("planBoardThickness"), valueOf(calc.thickness->text()));
    note_->clear();
    recompute();
}

void Planner::recompute() {
    PlanRequest request = request_;
    const LengthBox* firstBad = nullptr;
    for (const LengthBox& box : boxes_) {
        const auto inches = readLength(box.edit->text().toStdString(), unit_);
        setBoxColour(box.edit, inches ? look::kWhite : look::kPink);
        box.edit->setProperty("badText", !inches);
        if (inches) {
            request.*box.field = *inches;
        } else if (!firstBad) {
            firstBad = &box;
        }
    }
    note_->clear();
    if (firstBad) {
        // Only the sentence changes: the last results stay for the user to compare.
        status_->setText(badBoxSentence(firstBad->name, firstBad->edit->text()));
        apply_->setEnabled(false);
        showWhetherPrintable();
        return;
    }
    request_ = request;
    result_ = solve(request_);
    showResult();
}

void Planner::showResult() {
    const bool angle = result_.hasAngle;
    angle_->setText(angle ? degreesText(result_.angleDeg) : QString());
    complement_->setText(angle ? degreesText(result_.complementDeg) : QString());
    bladeHeight_->setText(angle ? plannerLength(request_.coveDepth, unit_) : QString());
    fenceOffset_->setText(angle && result_.woodEachSide >= 0
                              ? plannerLength(result_.woodEachSide, unit_)
                              : QString());
    status_->setText(problemSentence(request_, result_, unit_));
    warnings_->setText(angle ? warningLines(result_) : QString());
    endView_->setBoard(request_.boardWidth, request_.boardThickness,
                       angle ? coveOutline(request_.coveDepth, result_.angleDeg,
                                           request_.bladeDiameter, request_.kerf)
                             : std::vector<BoardEndPoint>{});
    showPasses();
    sawSession_.follow(request_, result_, unit_, QString());  // the fence rule, once written
    apply_->setEnabled(result_.canCut());
    showWhetherPrintable();
}

void Planner::showPasses() {
    passes_->setRowCount(static_cast<int>(result_.passes.size()));
    int row = 0;
    for (const PlanPass& pass : result_.passes) {
        const std::array<QString, 3> cells{
            QString::number(pass.number), plannerLength(pass.bladeHeight, unit_),
            QString::fromStdString(lengthText(pass.coveWidth, unit_))};
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

void Planner::switchUnit(LengthUnit unit) {
    if (unit == unit_) return;
    // Every length keeps its value: bare numbers are rewritten in the new unit. Text
    // that is not a length is left for the user to mend.
    for (const LengthBox& box : boxes_) {
        const auto inches = readLength(box.edit->text().toStdString(), unit_);
        if (!inches) continue;
        const QSignalBlocker quiet(box.edit);
        box.edit->setText(QString::fromStdString(lengthBoxText(*inches, unit)));
    }
    unit_ = unit;
    recompute();
}

void Planner::applyToCalculator() {
    const CalculatorBoxes calc(calculator_);
    if (!result_.canCut() || !calc.found()) return;
    // Typed as a user would: each box's change handling recomputes the calculator. The
    // width goes first, so the boxes after it are worked out with the new board.
    const auto length = [](double inches) {
        return QString::fromStdString(formatNumber(inches, pattern::kLengthBox));
    };
    calc.width->setText(length(request_.boardWidth));
    calc.thickness->setText(length(request_.boardThickness));
    calc.bladeHeight->setText(length(request_.coveDepth));
    calc.angle->setText(degreesText(result_.angleDeg));

    const QString shown = calc.cutWidth->text().trimmed();
    const QString calculatorCut =
        shown.isEmpty() ? tr("\"Cut is too wide!\"") : tr("a cut %1 wide").arg(shown);
    const bool idealBlade = request_.bladeDiameter == kBladeDiameter && request_.kerf == 0;
    if (idealBlade) {
        note_->setText(tr("The calculator has this set-up and shows %1.").arg(calculatorCut));
    } else {
        note_->setText(
            tr("The calculator has this set-up. It works out a 10 in. blade with no kerf, so it "
               "shows %1, where your blade cuts %2 wide.")
                .arg(calculatorCut, QString::fromStdString(lengthText(request_.coveWidth, unit_))));
    }
}

}  // namespace arcwright
