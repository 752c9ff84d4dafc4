// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Builds the window's controls at their fixed places. Positions are in twips.
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "adjust/step_rules.h"
#include "app/calculator/angle_scroll_bar.h"
#include "app/calculator/form1.h"
#include "app/widgets/controls.h"
#include "app/widgets/drawing_surface.h"
#include "app/widgets/look.h"
#include "app/widgets/safety_note.h"
#include "app/widgets/solid_group_box.h"
#include "arcwright_version.h"
#include "calculator/calculator_words.h"

namespace arcwright {
namespace {

// One fraction read-out row: "(" whole numerator slash denominator mark ")".
struct ReadoutRow {
    int top;
    std::array<int, 7> lefts;
    std::array<const char*, 7> names;
    std::array<const char*, 7> captions;
};

FractionReadout makeReadoutRow(QWidget* parent, const ReadoutRow& row) {
    const QFont font = look::windowFont(12);
    std::array<QLabel*, 7> labels{};
    for (std::size_t i = 0; i < labels.size(); ++i) {
        const QString caption = QString::fromUtf8(row.captions[i]);
        const bool bracket = i == 0 || i == 6;
        const int width = bracket ? 105 : (i == 5 ? 300 : (caption.isEmpty() ? 90 : 165));
        labels[i] = makeLabel(parent, row.names[i], caption, {row.lefts[i], row.top, width, 300},
                              font, look::kYellow);
        if (!bracket) setCaption(labels[i], caption);
    }
    return {labels[1], labels[2], labels[3], labels[4], labels[5]};
}

}  // namespace

void Form1::createUi() {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Arcwright"));
    setWindowIcon(look::appIcon());
    setFixedSize(look::px(10695), look::px(7845));
    setFont(look::windowFont(8.25));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, look::kTeal);
    setPalette(pal);
    setAutoFillBackground(true);

    createTitle();
    createInputs();
    createInputReadouts();
    createResultLine();
    createStepButtons();
    createResolution();
    createSurfaces();
    createWarnings();  // last, so the warning frame lies above everything
    setKeyboardOrder();
    describeControls();
}

void Form1::createTitle() {
    makeLabel(this, "Label13", tr("Arcwright  %1").arg(QLatin1String(kShownVersion)),
              {0, 0, 3015, 435}, look::windowFont(18, true, true), look::kBrown);
    makeLabel(this, "Label17", QStringLiteral("By Verrow"), {240, 360, 1485, 195},
              look::windowFont(8.25, true, true), std::nullopt);
}

void Form1::createInputs() {
    const QFont title = look::windowFont(12);
    makeLabel(this, "Label16", QString::fromUtf8(calculator_words::kBoardWidth),
              {600, 1200, 1500, 300}, title, look::kDarkCyan);
    in_.text4 = makeBox(this, "Text4", {}, {600, 1560, 1335, 420});
    in_.option2 = makeOption(this, "Option2", {}, {2160, 1080, 255, 495}, look::kTeal);
    in_.option2->setChecked(true);

    makeLabel(this, "Label15", QString::fromUtf8(calculator_words::kBoardThickness),
              {3960, 1080, 2010, 300}, title, look::kDarkCyan);
    in_.text3 = makeBox(this, "Text3", {}, {4080, 1440, 1335, 420});
    in_.option1 = makeOption(this, "Option1", {}, {6000, 960, 255, 495}, look::kTeal);

    makeLabel(this, "Label14", QString::fromUtf8(calculator_words::kCutAngle),
              {3120, 3120, 1200, 300}, title, look::kDarkCyan);
    in_.text2 = makeBox(this, "Text2", {}, {3720, 3600, 495, 420});

    makeLabel(this, "Label12", QString::fromUtf8(calculator_words::kBladeHeight),
              {480, 2760, 1575, 300}, title, look::kDarkCyan);
    in_.text1 = makeBox(this, "Text1", {}, {600, 3240, 1335, 420});
    in_.option3 = makeOption(this, "Option3", {}, {2160, 2760, 255, 495}, look::kTeal);
}

void Form1::createInputReadouts() {
    out_.width = makeReadoutRow(
        this, {2040,
               {240, 480, 960, 1320, 1440, 1800, 2280},
               {"Label23", "Label28", "Label27", "Label26", "Label25", "Label24", "Label22"},
               {"(", "4", "", "", "", "in.", ")"}});
    out_.thickness = makeReadoutRow(
        this, {1920,
               {3960, 4200, 4680, 5040, 5160, 5520, 6000},
               {"Label34", "Label29", "Label30", "Label31", "Label32", "Label33", "Label35"},
               {"(", "", "3", "/", "4", "in.", ")"}});
    out_.blade = makeReadoutRow(
        this, {3720,
               {480, 720, 1200, 1560, 1680, 2040, 2400},
               {"Label41", "Label36", "Label37", "Label38", "Label39", "Label40", "Label42"},
               {"(", "", "1", "/", "2", "in.", ")"}});
}

void Form1::createResultLine() {
    const QFont font = look::windowFont(12);
    out_.label3 = makeLabel(this, "Label3", QString::fromUtf8(calculator_words::kWidthOfCut),
                            {1200, 7200, 1545, 300}, font, std::nullopt);
    out_.label4 = makeLabel(this, "Label4", QStringLiteral("Label4"), {3000, 7200, 825, 300}, font,
                            look::kYellow);
    makeLabel(this, "Label10", QStringLiteral("("), {4080, 7200, 105, 300}, font, look::kYellow);
    out_.cut.whole =
        makeLabel(this, "Label5", QStringLiteral("X"), {4320, 7200, 195, 300}, font, look::kYellow);
    out_.cut.numerator = makeLabel(this, "Label6", QStringLiteral("XX"), {4800, 7200, 375, 300},
                                   font, look::kYellow);
    out_.cut.slash =
        makeLabel(this, "Label7", QStringLiteral("/"), {5160, 7200, 90, 300}, font, look::kYellow);
    out_.cut.denominator = makeLabel(this, "Label8", QStringLiteral("16"), {5280, 7200, 315, 300},
                                     font, look::kYellow);
    out_.cut.mark =
        makeLabel(this, "Label9", QStringLiteral("X"), {5640, 7200, 195, 300}, font, look::kYellow);
    makeLabel(this, "Label11", QStringLiteral(")"), {6120, 7200, 105, 300}, font, look::kYellow);
}

void Form1::createWarnings() {
    const QFont warningFont = look::windowFont(9.75);
    warn_.label1 = makeLabel(this, "Label1", QString::fromUtf8(calculator_words::kBladeHeightHigh),
                             {480, 4080, 1875, 240}, warningFont, look::kRed);
    warn_.label1->hide();
    warn_.label2 = makeLabel(this, "Label2", QString::fromUtf8(calculator_words::kCutTooWide),
                             {2640, 7440, 1575, 240}, warningFont, look::kRed);
    warn_.label2->hide();

    warn_.frame2 = new SolidGroupBox(QString::fromUtf8(calculator_words::kWarning), this);
    warn_.frame2->setObjectName(QStringLiteral("Frame2"));
    warn_.frame2->setGeometry(look::px(3240), look::px(1440), look::px(3855), look::px(3135));
    QPalette pal = warn_.frame2->palette();
    pal.setColor(QPalette::Window, look::kPink);
    warn_.frame2->setPalette(pal);
    warn_.frame2->setAutoFillBackground(true);
    warn_.label47 = makeLabel(warn_.frame2, "Label47", safetyNoteText(), {360, 600, 3255, 2415},
                              font(), std::nullopt);
    warn_.label47->setWordWrap(true);
    warn_.label47->setGeometry(look::px(360), look::px(600), look::px(3255), look::px(2415));
    warn_.command12 =
        makeButton(warn_.frame2, "Command12", QString::fromUtf8(calculator_words::kOk),
                   {1440, 2520, 975, 495}, font());
    warn_.frame2->hide();
    warn_.frame2->raise();
}

void Form1::createStepButtons() {
    makeLabel(this, "Label44", QString::fromUtf8(calculator_words::kDimensionAdjustment),
              {7680, 720, 2715, 300}, look::windowFont(12), look::kLightCyan);
    struct Column {
        int left;
        const char* heading;
        const char* headingName;
        const char* plusName;
        const char* minusName;
        double step;
    };
    const std::array<Column, 4> columns{{
        {7800, "1/4", "Label21", "Command9", "Command8", 0.25},
        {8400, "1/8", "Label18", "Command2", "Command3", 0.125},
        {9000, "1/16", "Label20", "Command6", "Command7", 0.0625},
        {9600, "1/32", "Label19", "Command5", "Command4", 0.03125},
    }};
    const QFont captionFont = look::windowFont(18);
    for (const Column& c : columns) {
        makeLabel(this, c.headingName, QString::fromUtf8(c.heading), {c.left, 1080, 495, 300},
                  look::windowFont(12), look::kYellow);
        auto* plus = makeButton(this, c.plusName, QStringLiteral("+"), {c.left, 1440, 495, 495},
                                captionFont);
        auto* minus = makeButton(this, c.minusName, QStringLiteral("-"), {c.left, 1920, 495, 495},
                                 captionFont);
        steps_.push_back({plus, QString::fromUtf8(c.heading), {c.step, true}});
        steps_.push_back({minus, QString::fromUtf8(c.heading), {c.step, false}});
    }
}

void Form1::createResolution() {
    makeLabel(this, "Label43", QString::fromUtf8(calculator_words::kMinimumFraction),
              {7200, 3000, 1815, 240}, look::windowFont(9.75), std::nullopt);
    frame1_ = new QFrame(this);
    frame1_->setObjectName(QStringLiteral("Frame1"));
    frame1_->setGeometry(look::px(7440), look::px(3240), look::px(1215), look::px(1215));
    frame1_->setFrameShape(QFrame::Box);
    frame1_->setFrameShadow(QFrame::Sunken);
    option4_ = makeOption(frame1_, "Option4", QString::fromUtf8(calculator_words::kSixteenths),
                          {120, 240, 855, 375}, look::kTeal);
    option5_ = makeOption(frame1_, "Option5", QString::fromUtf8(calculator_words::kThirtySeconds),
                          {120, 720, 855, 375}, look::kTeal);
    option4_->setChecked(true);

    command1_ = makeButton(this, "Command1", QString::fromUtf8(calculator_words::kPrint),
                           {9240, 3600, 1215, 495}, font());
    commandPlan_ =
        makeButton(this, "CommandPlan", tr("Plan a Cove..."), {9240, 4155, 1215, 435}, font());
    commandPlan_->setAccessibleName(tr("Plan a cove"));
    commandPlan_->setAccessibleDescription(
        tr("Opens the cove planner: the fence angle and passes for the cove you want, on your "
           "own blade."));
    commandPlan_->setToolTip(
        tr("Plan a cove: start from the cove you want and your blade's diameter and kerf, and "
           "get the fence angle, the blade height and the passes."));
}

void Form1::createSurfaces() {
    views_.picture1 = new DrawingSurface(QStringLiteral("Picture1"), look::kWhite, this);
    views_.picture1->setGeometry(look::px(1080), look::px(5280), look::px(5055), look::px(1815));
    views_.picture2 = new DrawingSurface(QStringLiteral("Picture2"), look::kLightGrey, this);
    views_.picture2->setGeometry(look::px(4440), look::px(2760), look::px(1607), look::px(1800));
    views_.picture4 =
        new DrawingSurface(QStringLiteral("Picture4"), palette().color(QPalette::Base), this);
    views_.picture4->setGeometry(look::px(7080), look::px(4680), look::px(3015), look::px(2520));

    in_.vScroll1 = new AngleScrollBar(this);
    in_.vScroll1->setObjectName(QStringLiteral("VScroll1"));
    in_.vScroll1->setGeometry(look::px(6045), look::px(2760), look::px(255), look::px(1800));
    in_.vScroll1->setAngle(45);

    makeLabel(this, "Label45", QString::fromUtf8(calculator_words::kBladeCentreLine),
              {4920, 4560, 780, 195}, font(), look::kPaleYellow);
    makeLabel(this, "Label46", QString::fromUtf8(calculator_words::kIsoView),
              {7440, 7200, 1035, 300}, look::windowFont(12), look::kDarkCyan);
}

void Form1::setKeyboardOrder() {
    // steps_ holds Command9, 8, 2, 3, 6, 7, 5, 4, column by column.
    const auto button = [this](std::size_t i) { return static_cast<QWidget*>(steps_[i].button); };
    const std::array<QWidget*, 23> order{
        views_.picture1, in_.text1, in_.text2,   views_.picture2, in_.text3,       in_.text4,
        in_.vScroll1,    command1_, in_.option2, in_.option1,     button(2),       button(3),
        button(4),       button(5), button(7),   button(6),       in_.option3,     button(1),
        button(0),       option4_,  option5_,    views_.picture4, warn_.command12,
    };
    for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
    setTabOrder(command1_, commandPlan_);  // the planner's button right after Print
}

}  // namespace arcwright
