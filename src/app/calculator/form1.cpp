// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/calculator/form1.h"

#include <QApplication>
#include <QButtonGroup>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "app/calculator/accessibility.h"
#include "app/calculator/angle_scroll_bar.h"
#include "app/planner/planner.h"
#include "app/widgets/controls.h"
#include "app/widgets/drawing_surface.h"
#include "app/widgets/look.h"

namespace arcwright {
namespace {

// Of a group of option buttons only the selected one is visited by the Tab key.
void tabOnlySelected(std::initializer_list<QRadioButton*> group) {
    for (QRadioButton* option : group) {
        option->setFocusPolicy(option->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

QColor shownColour(BoxColour colour, const QWidget* box) {
    switch (colour) {
        case BoxColour::White:
            return look::kWhite;
        case BoxColour::Highlight:
            return look::kPaleYellow;
        case BoxColour::Grey:
            return look::kGrey;
        case BoxColour::Desktop:
            break;
    }
    return QApplication::palette(box).color(QPalette::Base);
}

QString fromModel(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

Form1::Form1(QWidget* parent) : QWidget(parent) {
    createUi();
    connectEvents();
    model_.setListener([this] { showChanges(model_.takeChanges()); });
    showChanges(model_.takeChanges());  // the start-up, all of it
}

Form1::~Form1() {
    model_.setListener(nullptr);
    // The surfaces are destroyed after the model they show.
    for (DrawingSurface* surface : {views_.picture1, views_.picture2, views_.picture4}) {
        surface->show(nullptr);
    }
}

void Form1::connectEvents() {
    const std::array<std::pair<QLineEdit*, Box>, kBoxCount> boxes{{
        {in_.text1, Box::Text1},
        {in_.text2, Box::Text2},
        {in_.text3, Box::Text3},
        {in_.text4, Box::Text4},
    }};
    for (const auto& [edit, box] : boxes) {
        connect(edit, &QLineEdit::textChanged, this,
                [this, box](const QString& text) { forwardText(box, text); });
    }
    in_.text2->installEventFilter(this);
    connect(in_.vScroll1, &AngleScrollBar::angleChanged, this,
            [this](int degrees) { model_.moveAngleBar(degrees); });

    // The target options get a group of their own: left to auto-exclusion they would
    // count the resolution options of Frame1 as rivals, and a click on the selected
    // target would then clear it and leave no target selected.
    auto* targets = new QButtonGroup(this);
    const std::array<std::pair<QRadioButton*, AdjustTarget>, 3> options{{
        {in_.option1, AdjustTarget::BoardThickness},
        {in_.option2, AdjustTarget::BoardWidth},
        {in_.option3, AdjustTarget::BladeHeight},
    }};
    for (const auto& [option, target] : options) {
        targets->addButton(option);
        connect(option, &QRadioButton::toggled, this, [this, target](bool on) {
            if (on) model_.chooseTarget(target);
        });
    }
    // A click on the resolution already chosen rewrites the read-outs again, as choosing
    // it does; toggled alone would stay silent for it.
    connect(option4_, &QRadioButton::clicked, this, [this] { model_.chooseResolution(16); });
    connect(option5_, &QRadioButton::clicked, this, [this] { model_.chooseResolution(32); });
    for (QRadioButton* option : {option4_, option5_}) {
        connect(option, &QRadioButton::toggled, this, [this] {
            tabOnlySelected({option4_, option5_});
        });
    }
    tabOnlySelected({in_.option1, in_.option2, in_.option3});
    tabOnlySelected({option4_, option5_});

    for (const StepControl& step : steps_) {
        connect(step.button, &QAbstractButton::clicked, this,
                [this, press = step.press] { model_.pressStep(press); });
    }
    connect(warn_.command12, &QPushButton::clicked, this, [this] { model_.pressOk(); });
    connect(views_.picture4, &DrawingSurface::clicked, this, [this] { model_.clickIsoView(); });
    connect(command1_, &QPushButton::clicked, this, &Form1::printSheet);
    connect(commandPlan_, &QPushButton::clicked, this, &Form1::openPlanner);
}

void Form1::forwardText(Box box, const QString& text) {
    if (showing_) return;
    model_.editBox(box, text.toStdString());
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == in_.text2) {
        if (event->type() == QEvent::FocusIn) model_.focusAngleBox(true);
        if (event->type() == QEvent::FocusOut) model_.focusAngleBox(false);
    }
    return QWidget::eventFilter(watched, event);
}

void Form1::showChanges(const CalculatorChanges& changes) {
    const bool wasShowing = std::exchange(showing_, true);
    const std::array<const FractionReadout*, kReadoutCount> readouts{&out_.width, &out_.thickness,
                                                                     &out_.blade, &out_.cut};
    for (std::size_t i = 0; i < kReadoutCount; ++i) {
        if (changes.readouts[i]) showReadout(*readouts[i], static_cast<Readout>(i));
    }
    if (changes.label3) setCaption(out_.label3, fromModel(model_.label3()));
    if (changes.label4) setCaption(out_.label4, fromModel(model_.label4()));

    const std::array<QWidget*, kShownCount> shown{warn_.label1, warn_.label2, warn_.frame2};
    for (std::size_t i = 0; i < kShownCount; ++i) {
        if (changes.shown[i]) shown[i]->setVisible(model_.shown(static_cast<Shown>(i)));
    }
    if (changes.angleBar) in_.vScroll1->setEnabled(model_.angleBarEnabled());
    if (changes.target) {
        switch (model_.target()) {
            case AdjustTarget::BoardThickness:
                in_.option1->setChecked(true);
                break;
            case AdjustTarget::BoardWidth:
                in_.option2->setChecked(true);
                break;
            case AdjustTarget::BladeHeight:
                in_.option3->setChecked(true);
                break;
        }
        tabOnlySelected({in_.option1, in_.option2, in_.option3});
    }
    if (changes.resolution) (model_.minFraction() == 32 ? option5_ : option4_)->setChecked(true);

    const std::array<DrawingSurface*, kViewCount> surfaces{views_.picture1, views_.picture2,
                                                           views_.picture4};
    for (std::size_t i = 0; i < kViewCount; ++i) {
        if (changes.views[i]) surfaces[i]->show(&model_.view(static_cast<View>(i)));
    }
    describer_->refresh(changes);
    const std::array<QLineEdit*, kBoxCount> boxes{in_.text1, in_.text2, in_.text3, in_.text4};
    for (std::size_t i = 0; i < kBoxCount; ++i) {
        const auto box = static_cast<Box>(i);
        // Last, so that whoever watches a box sees the results of its change already. The
        // box the user is typing in holds the model's text already; writing it again would
        // move the cursor.
        if (changes.texts[i] && boxes[i]->text() != fromModel(model_.text(box))) {
            boxes[i]->setText(fromModel(model_.text(box)));
        }
        if (changes.colours[i]) setBoxColour(boxes[i], shownColour(model_.colour(box), boxes[i]));
    }
    showing_ = wasShowing;
}

void Form1::showReadout(const FractionReadout& labels, Readout readout) {
    const FractionCaptions& captions = model_.readout(readout);
    setCaption(labels.whole, fromModel(captions.whole));
    setCaption(labels.numerator, fromModel(captions.numerator));
    setCaption(labels.slash, fromModel(captions.slash));
    setCaption(labels.denominator, fromModel(captions.denominator));
    setCaption(labels.mark, fromModel(captions.mark));
}

// One planner: the first opening takes the calculator's boxes; after that it comes back
// as the user left it, the calculator's set-up coming in only by its own button.
void Form1::openPlanner() {
    if (!planner_) {
        planner_ = new Planner(*this, model_);
        planner_->fillFromCalculator();
    }
    if (!planner_->isVisible()) planner_->show();
    planner_->raise();
    planner_->activateWindow();
}

}  // namespace arcwright
