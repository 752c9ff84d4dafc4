// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/calculator/form1.h"

#include <QButtonGroup>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "app/calculator/angle_scroll_bar.h"
#include "app/planner/planner.h"
#include "app/widgets/box_value.h"
#include "app/widgets/controls.h"
#include "app/widgets/drawing_surface.h"
#include "app/widgets/look.h"
#include "geometry/shop_rules.h"
#include "model/number_text.h"
#include "readouts/readouts.h"
#include "views/plan_view.h"

namespace arcwright {
namespace {

// What the four boxes hold when the window opens.
constexpr double kStartBladeHeight = 0.5;
constexpr double kStartAngle = 45.0;
constexpr double kStartThickness = 0.75;
constexpr double kStartWidth = 4.0;

QString formatted(double value, std::string_view pattern) {
    return QString::fromStdString(formatNumber(value, pattern));
}

// Of a group of option buttons only the selected one is visited by the Tab key.
void tabOnlySelected(std::initializer_list<QRadioButton*> group) {
    for (QRadioButton* option : group) {
        option->setFocusPolicy(option->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

}  // namespace

Form1::Form1(QWidget* parent) : QWidget(parent) {
    createUi();
    connectEvents();
    startUp();
}

Form1::~Form1() = default;

void Form1::connectEvents() {
    connect(in_.text1, &QLineEdit::textChanged, this, &Form1::onLengthBoxChanged);
    connect(in_.text3, &QLineEdit::textChanged, this, &Form1::onLengthBoxChanged);
    connect(in_.text2, &QLineEdit::textChanged, this, &Form1::RecomputeCove);
    connect(in_.text4, &QLineEdit::textChanged, this, &Form1::onWidthBoxChanged);
    in_.text2->installEventFilter(this);
    connect(in_.vScroll1, &AngleScrollBar::angleChanged, this, &Form1::onAngleBarChanged);

    // The target options get a group of their own: left to auto-exclusion they would
    // count the resolution options of Frame1 as rivals, and a click on the selected
    // target would then clear it and leave no target selected.
    auto* targets = new QButtonGroup(this);
    for (QRadioButton* option : {in_.option1, in_.option2, in_.option3}) targets->addButton(option);
    connect(in_.option1, &QRadioButton::toggled, this, [this](bool on) {
        if (on) selectTarget(in_.text3);
    });
    connect(in_.option2, &QRadioButton::toggled, this, [this](bool on) {
        if (on) selectTarget(in_.text4);
    });
    connect(in_.option3, &QRadioButton::toggled, this, [this](bool on) {
        if (on) selectTarget(in_.text1);
    });
    // A click on the resolution already chosen rewrites the read-outs again, as choosing
    // it does; toggled alone would stay silent for it.
    connect(option4_, &QRadioButton::clicked, this, [this] { chooseResolution(16); });
    connect(option5_, &QRadioButton::clicked, this, [this] { chooseResolution(32); });
    for (QRadioButton* option : {option4_, option5_}) {
        connect(option, &QRadioButton::toggled, this, [this] {
            tabOnlySelected({option4_, option5_});
        });
    }
    tabOnlySelected({in_.option1, in_.option2, in_.option3});
    tabOnlySelected({option4_, option5_});

    connect(warn_.command12, &QPushButton::clicked, warn_.frame2, &QWidget::hide);
    connect(views_.picture4, &DrawingSurface::clicked, this, &Form1::DrawIsoView);
    connect(command1_, &QPushButton::clicked, this, &Form1::printSheet);
    connect(commandPlan_, &QPushButton::clicked, this, &Form1::openPlanner);
}

void Form1::startUp() {
    warn_.frame2->show();
    minFraction_ = 16;
    setCaption(out_.label3, QStringLiteral("Width of cut ="));
    // Each write runs the box's change handling, and so a recomputation, while the
    // drawing scale is still 0.
    in_.text1->setText(formatted(kStartBladeHeight, pattern::kLengthBox));
    in_.text2->setText(formatted(kStartAngle, pattern::kAngleBox));
    in_.text3->setText(formatted(kStartThickness, pattern::kLengthBox));
    in_.text4->setText(formatted(kStartWidth, pattern::kLengthBox));
    drawScale_ = kDrawScale;

    const auto k = static_cast<float>(drawScale_);
    views_.picture1->clear();
    views_.picture1->setScale(0, 4 * k, 8 * k, -4 * k);
    views_.picture2->clear();
    views_.picture2->setScale(0, 15, 15, -15);
    views_.picture4->clear();
    views_.picture4->setScale(0, 20, 23, -17);
    RecomputeCove();
}

void Form1::onLengthBoxChanged() {
    warn_.label1->hide();
    RecomputeCove();
}

void Form1::onWidthBoxChanged() {
    // Wider than 6 in. is past what the fence set-up handles: keep the last results.
    if (valueOf(in_.text4) <= kWidestBoard) RecomputeCove();
}

void Form1::onAngleBarChanged(int degrees) {
    // With less than 1/4 in. of wood above the blade the angle is left alone.
    if (valueOf(in_.text3) - kQuarterInchOfWood < valueOf(in_.text1)) return;
    in_.text2->setText(formatted(degrees, pattern::kAngleBox));
}

void Form1::selectTarget(QLineEdit* highlighted) {
    for (QLineEdit* box : {in_.text1, in_.text3, in_.text4}) {
        setBoxColour(box, box == highlighted ? look::kPaleYellow : look::kWhite);
    }
    tabOnlySelected({in_.option1, in_.option2, in_.option3});
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == in_.text2) {
        if (event->type() == QEvent::FocusIn) setBoxColour(in_.text2, look::kGrey);
        if (event->type() == QEvent::FocusOut) setBoxColour(in_.text2, look::kWhite);
    }
    return QWidget::eventFilter(watched, event);
}

AdjustTarget Form1::adjustTarget() const {
    if (in_.option1->isChecked()) return AdjustTarget::BoardThickness;
    if (in_.option3->isChecked()) return AdjustTarget::BladeHeight;
    return AdjustTarget::BoardWidth;
}

QLineEdit* Form1::targetBox() const {
    switch (adjustTarget()) {
        case AdjustTarget::BoardThickness:
            return in_.text3;
        case AdjustTarget::BladeHeight:
            return in_.text1;
        case AdjustTarget::BoardWidth:
            break;
    }
    return in_.text4;
}

void Form1::RecomputeCove() {
    const CoveInputs inputs{valueOf(in_.text1), valueOf(in_.text2), valueOf(in_.text4)};
    warn_.label2->hide();
    setCaption(out_.cut.slash, QStringLiteral("/"));

    const SectionBoard board =
        drawSectionBoard(*views_.picture1, inputs.boardWidth, valueOf(in_.text3), drawScale_);
    solveCove(inputs, solution_);
    buildSectionOutline(board, solution_.pointCount, solution_.profileWidth, outline_);

    if (solution_.tooWide) {
        warn_.label2->show();
        for (QLabel* label : {out_.label4, out_.cut.whole, out_.cut.numerator, out_.cut.slash,
                              out_.cut.denominator, out_.cut.mark}) {
            setCaption(label, QString());
        }
    } else {
        drawCoveOutline(*views_.picture1, board, outline_, solution_.pointCount);
        setCaption(out_.label4, QString::fromStdString(cutWidthText(solution_)));
        ShowFraction(solution_.cutWidth(), out_.cut, readout::cutWidth());
    }

    drawPlanView(*views_.picture2, inputs.boardAngleDeg, inputs.boardWidth, valueOf(out_.label4));
    UpdateAdjustedReadout();
    describer_->refresh();
}

void Form1::UpdateAdjustedReadout() {
    switch (adjustTarget()) {
        case AdjustTarget::BoardWidth:
            ShowFraction(valueOf(in_.text4), out_.width, readout::adjustedWidth());
            break;
        case AdjustTarget::BoardThickness:
            ShowFraction(valueOf(in_.text3), out_.thickness, readout::adjustedThickness());
            break;
        case AdjustTarget::BladeHeight:
            ShowFraction(valueOf(in_.text1), out_.blade, readout::adjustedBladeHeight());
            break;
    }
    DrawIsoView();
}

void Form1::UpdateAllReadouts() {
    ShowFraction(valueOf(in_.text4), out_.width, readout::allWidth());
    ShowFraction(valueOf(in_.text3), out_.thickness, readout::allThickness());
    ShowFraction(valueOf(in_.text1), out_.blade, readout::allBladeHeight());
    describer_->refresh();
}

void Form1::chooseResolution(int denominator) {
    minFraction_ = denominator;
    UpdateAllReadouts();
}

void Form1::ShowFraction(double value, const FractionReadout& readout,
                         const FractionSettings& settings) {
    const FractionCaptions captions = arcwright::ShowFraction(value, minFraction_, settings);
    setCaption(readout.slash, QString::fromStdString(captions.slash));
    setCaption(readout.whole, QString::fromStdString(captions.whole));
    setCaption(readout.numerator, QString::fromStdString(captions.numerator));
    setCaption(readout.denominator, QString::fromStdString(captions.denominator));
    setCaption(readout.mark, QString::fromStdString(captions.mark));
}

void Form1::DrawIsoView() {
    ++isoViewCalls_;
    // While a warning is up the last good drawing stays.
    if (!warn_.label1->isHidden() || !warn_.label2->isHidden()) return;
    const IsoInputs inputs{valueOf(in_.text4),   valueOf(in_.text3),   valueOf(in_.text1),
                           valueOf(out_.label4), solution_.pointCount, &solution_.profileHalfWidth};
    drawIsoView(*views_.picture4, inputs, iso_);
}

void Form1::pressStep(StepButton button) {
    const StepDecision decision = decideStep(button, adjustTarget(), valueOf(in_.text4),
                                             valueOf(in_.text3), valueOf(in_.text1));
    if (decision.enableScrollBar) in_.vScroll1->setEnabled(true);
    warn_.label1->hide();
    if (decision.newText) {
        // The box's own change handling recomputes.
        targetBox()->setText(QString::fromStdString(*decision.newText));
        return;
    }
    if (decision.showBladeWarning) warn_.label1->show();
    if (decision.disableScrollBar) in_.vScroll1->setEnabled(false);
}

// One planner: a second click brings the open one to the front as it is; a closed one
// opens again with the calculator's boxes as they are then.
void Form1::openPlanner() {
    if (!planner_) planner_ = new Planner(*this);
    if (!planner_->isVisible()) {
        planner_->fillFromCalculator();
        planner_->show();
    }
    planner_->raise();
    planner_->activateWindow();
}

}  // namespace arcwright
