// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Builds the planner's controls. Everything sits in Qt layouts, so the window grows with
// the user's font size; the typeface and colours are the calculator's.
#include <QApplication>
#include <QButtonGroup>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/planner/core_words.h"
#include "app/planner/planner.h"
#include "app/widgets/controls.h"
#include "app/widgets/fitted_drawing.h"
#include "app/widgets/look.h"
#include "plan/planner_words.h"

namespace arcwright {

namespace {

void describe(QWidget* widget, const QString& name, const QString& tip) {
    widget->setAccessibleName(name);
    widget->setAccessibleDescription(tip);
    widget->setToolTip(tip);
}

QLabel* caption(const QString& text, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, look::kLightCyan);
    label->setPalette(pal);
    if (buddy) label->setBuddy(buddy);
    return label;
}

QLabel* readout(const char* objectName, const QColor& colour, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(objectName));
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, colour);
    label->setPalette(pal);
    return label;
}

}  // namespace

void Planner::createUi() {
    setObjectName(QStringLiteral("Planner"));
    setWindowTitle(tr("Plan a Cove"));
    setWindowIcon(look::appIcon());
    setAttribute(Qt::WA_DeleteOnClose, false);
    // The calculator's typeface at the desktop's own size.
    QFont font = QApplication::font();
    font.setFamilies(look::windowFont(8.25).families());
    setFont(font);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, look::kTeal);
    setPalette(pal);
    setAutoFillBackground(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(createInputs());
    layout->addWidget(createResults());
    layout->addWidget(createDrawingAndPasses(), 1);
    layout->addWidget(createButtons());
    layout->setMenuBar(createJobMenu());
    describe(this, tr("Plan a Cove"),
             tr("Works out the fence angle and the passes for the cove you want on your blade."));
    orderTabs();
    resize(sizeHint().expandedTo(QSize(720, 560)));
    usualHeight_ = height();
}

QWidget* Planner::createInputs() {
    auto* panel = new QWidget(this);
    auto* grid = new QGridLayout(panel);
    struct Input {
        const char* objectName;
        QString caption;  // with the Alt key letter
        QString tip;
        PlanBox box;
        int row, column;
    };
    const QString units =
        tr(" Type a decimal or a shop fraction (3 1/2, 7/8), with in., mm or "
           "cm after it or none for the unit chosen below.");
    // In Tab order; the cove's place sits with the board it is measured on.
    const std::array<Input, kPlanBoxCount> inputs{{
        {"planCoveWidth", tr("Cove &width"),
         tr("Width of the cove you want at the board face.") + units, PlanBox::CoveWidth, 0, 0},
        {"planCoveDepth", tr("Cove &depth"),
         tr("Depth of the cove: the blade height of the last pass.") + units, PlanBox::CoveDepth, 1,
         0},
        {"planBoardWidth", tr("&Board width"),
         tr("Width of the board's face, the face the cove is cut into.") + units,
         PlanBox::BoardWidth, 0, 2},
        {"planBoardThickness", tr("Board &thickness"),
         tr("Thickness of the board, from its face to its back.") + units, PlanBox::BoardThickness,
         1, 2},
        {"planCoveOffset", tr("Cove from fence-side &edge"),
         tr("How far the cove's near edge lies from the board's edge that rides on the fence. "
            "Leave it empty to centre the cove.") +
             units,
         PlanBox::CoveOffset, 2, 2},
        {"planBladeDiameter", tr("Blade di&ameter"),
         tr("Diameter of your saw blade, 10 in. for most table saws.") + units,
         PlanBox::BladeDiameter, 3, 0},
        {"planKerf", tr("&Kerf"),
         tr("Width of the blade's teeth, the kerf: about 1/8 in. for a full-kerf blade, "
            "3/32 in. for a thin-kerf one.") +
             units,
         PlanBox::Kerf, 3, 2},
        {"planPassDepth", tr("Depth per &pass"),
         tr("The most to raise the blade between passes; light passes are safer.") + units,
         PlanBox::PassDepth, 2, 0},
        {"planTilt", tr("Blade t&ilt"),
         tr("How far the blade is tilted from upright, in degrees from 0 to 45; empty or 0 for "
            "an upright blade. A tilted blade cuts an asymmetric cove: one wall steep, the other "
            "gentle, as crown and bed mouldings have."),
         PlanBox::Tilt, 4, 0},
        {"planMaxHeight", tr("&Highest blade setting"),
         tr("How high your saw raises this blade above the table, upright, at its highest. "
            "Leave it empty for a safe figure from the blade's diameter; a tilted blade reaches "
            "less.") +
             units,
         PlanBox::MaxHeight, 5, 2},
    }};
    for (const Input& in : inputs) {
        auto* edit = new QLineEdit(panel);
        edit->setObjectName(QString::fromLatin1(in.objectName));
        const QString name = shown(boxName(in.box));  // as the refusals name it
        describe(edit, name, in.tip);
        grid->addWidget(caption(in.caption, edit, panel), in.row, in.column);
        grid->addWidget(edit, in.row, in.column + 1);
        boxes_[static_cast<std::size_t>(in.box)] = {edit, name};
        if (in.box == PlanBox::CoveOffset) edit->setPlaceholderText(tr("centred"));
        if (in.box == PlanBox::Tilt) edit->setPlaceholderText(tr("upright"));
    }

    // Which way the top of a tilted blade leans, in words beside the tilt.
    auto* leanRow = new QHBoxLayout;
    leanToward_ = new QRadioButton(tr("toward the fence"), panel);
    leanToward_->setObjectName(QStringLiteral("planTiltToward"));
    leanToward_->setChecked(true);
    describe(leanToward_, tr("Blade leans toward the fence"),
             tr("The top of the tilted blade leans toward the fence: the cove's steep wall is on "
                "the fence side."));
    leanAway_ = new QRadioButton(tr("away from the fence"), panel);
    leanAway_->setObjectName(QStringLiteral("planTiltAway"));
    describe(leanAway_, tr("Blade leans away from the fence"),
             tr("The top of the tilted blade leans away from the fence: the cove's steep wall is "
                "on the far side."));
    auto* leanGroup = new QButtonGroup(panel);
    for (QRadioButton* option : {leanToward_, leanAway_}) {
        QPalette pal = option->palette();
        pal.setColor(QPalette::WindowText, look::kLightCyan);
        option->setPalette(pal);
        leanRow->addWidget(option);
        leanGroup->addButton(option);
    }
    grid->addWidget(caption(tr("Blade leans"), nullptr, panel), 5, 0);
    grid->addLayout(leanRow, 5, 1);

    auto* unitRow = new QHBoxLayout;
    inches_ = new QRadioButton(tr("I&nches"), panel);
    inches_->setObjectName(QStringLiteral("planInches"));
    inches_->setChecked(true);
    describe(inches_, tr("Inches"),
             tr("Show lengths in inches and read numbers without a unit as inches."));
    millimetres_ = new QRadioButton(tr("&Millimetres"), panel);
    millimetres_->setObjectName(QStringLiteral("planMillimetres"));
    describe(millimetres_, tr("Millimetres"),
             tr("Show lengths in millimetres and read numbers without a unit as millimetres."));
    for (QRadioButton* option : {inches_, millimetres_}) {
        QPalette pal = option->palette();
        pal.setColor(QPalette::WindowText, look::kLightCyan);
        option->setPalette(pal);
        unitRow->addWidget(option);
    }
    auto* group = new QButtonGroup(panel);
    group->addButton(inches_);
    group->addButton(millimetres_);
    grid->addWidget(caption(tr("Units"), nullptr, panel), 4, 2);
    grid->addLayout(unitRow, 4, 3);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    return panel;
}

QWidget* Planner::createResults() {
    auto* panel = new QWidget(this);
    auto* grid = new QGridLayout(panel);
    angle_ = readout("planAngle", look::kYellow, panel);
    describe(angle_, tr("Fence angle to the blade"),
             tr("Angle between the fence and the blade, one decimal."));
    complement_ = readout("planComplement", look::kYellow, panel);
    describe(complement_, tr("Fence angle to the saw's front edge"),
             tr("The same fence angle measured from the saw table's front edge: 90° less the "
                "angle to the blade."));
    bladeHeight_ = readout("planBladeHeight", look::kYellow, panel);
    describe(bladeHeight_, tr("Final blade height"),
             tr("Blade height of the last pass, the depth of the cove."));
    woodFence_ = readout("planWoodFence", look::kYellow, panel);
    describe(woodFence_, tr("Wood left on the fence side"),
             tr("Wood between the cove and the board's edge that rides on the fence; less than "
                "1/4 in. is too little to cut safely."));
    woodFar_ = readout("planWoodFar", look::kYellow, panel);
    describe(woodFar_, tr("Wood left on the far side"),
             tr("Wood between the cove and the board's edge away from the fence; less than "
                "1/4 in. is too little to cut safely."));
    fenceDistance_ = readout("planFenceDistance", look::kYellow, panel);
    describe(fenceDistance_, tr("Fence from the centre point"),
             tr("How far the fence face stands from the blade's centre point, measured square "
                "to the fence."));
    markBlade_ = readout("planMarkBlade", look::kYellow, panel);
    describe(markBlade_, tr("Fence mark on the blade line"),
             tr("Where the fence face crosses the blade line, measured from the centre point "
                "toward the front of the saw."));
    markSquare_ = readout("planMarkSquare", look::kYellow, panel);
    describe(markSquare_, tr("Fence mark square to the blade"),
             tr("Where the fence face crosses the line square to the blade through the centre "
                "point, measured from the centre point to the right."));
    fenceSide_ = readout("planFenceSide", look::kLightCyan, panel);
    describe(fenceSide_, tr("Fence side and feed"),
             tr("Which side of the blade the fence goes and which way to feed the board."));
    centrePoint_ = readout("planCentrePoint", look::kLightCyan, panel);
    centrePoint_->setText(shown(findingTheCentrePoint()));
    describe(centrePoint_, tr("Finding the centre point"), shown(findingTheCentrePoint()));
    halfSteep_ = readout("planHalfSteep", look::kYellow, panel);
    describe(halfSteep_, tr("Steep wall"),
             tr("Across the board face from the cove's deepest point to its edge on the steep "
                "side, the side the blade leans toward; half the width with the blade upright."));
    halfGentle_ = readout("planHalfGentle", look::kYellow, panel);
    describe(halfGentle_, tr("Gentle wall"),
             tr("Across the board face from the cove's deepest point to its edge on the gentle "
                "side; half the width with the blade upright."));
    // Each read-out with its caption before it, in the row and caption column given.
    const auto place = [&](const QString& text, QLabel* value, int row, int column) {
        grid->addWidget(caption(text, value, panel), row, column);
        grid->addWidget(value, row, column + 1);
    };
    place(tr("Fence to blade"), angle_, 0, 0);
    place(tr("Fence to front edge"), complement_, 0, 2);
    place(tr("Final blade height"), bladeHeight_, 1, 0);
    place(tr("Wood, fence side"), woodFence_, 2, 0);
    place(tr("Wood, far side"), woodFar_, 2, 2);
    place(tr("Fence face from centre point"), fenceDistance_, 3, 0);
    place(tr("Crosses the blade line, in front"), markBlade_, 4, 0);
    place(tr("Crosses the square line, right"), markSquare_, 4, 2);
    place(tr("Steep wall, from the deepest point"), halfSteep_, 5, 0);
    place(tr("Gentle wall"), halfGentle_, 5, 2);

    status_ = readout("planStatus", look::kWhite, panel);
    describe(status_, tr("Planner status"),
             tr("Empty while the cove can be cut; otherwise why not, and what would make it "
                "possible."));
    warnings_ = readout("planWarning", look::kPink, panel);
    describe(warnings_, tr("Planner warnings"),
             tr("Warns when less than 1/4 in. of wood is left beside the cove or above the "
                "blade."));
    cautions_ = readout("planCaution", look::kAmber, panel);
    describe(cautions_, tr("Cautions"),
             tr("What the shop writers warn about in this plan, and why; the plan still stands."));
    note_ = readout("planNote", look::kLightCyan, panel);
    describe(note_, tr("Calculator note"),
             tr("What the calculator shows after \"Use in Calculator\"."));
    // A refusal stands in a frame of its own with the warning icon, so that it reads as one.
    statusFrame_ = new QFrame(panel);
    statusFrame_->setObjectName(QStringLiteral("planStatusFrame"));
    QPalette framePal = statusFrame_->palette();
    framePal.setColor(QPalette::Window, look::kPink);
    framePal.setColor(QPalette::WindowText, look::kRed);
    statusFrame_->setPalette(framePal);
    auto* statusRow = new QHBoxLayout(statusFrame_);
    statusRow->setContentsMargins(4, 4, 4, 4);
    statusIcon_ = new QLabel(statusFrame_);
    statusIcon_->setObjectName(QStringLiteral("planStatusIcon"));
    const int iconSize = style()->pixelMetric(QStyle::PM_SmallIconSize);
    statusIcon_->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(iconSize));
    statusIcon_->setAlignment(Qt::AlignTop);
    statusIcon_->hide();
    status_->setParent(statusFrame_);
    statusRow->addWidget(statusIcon_);
    statusRow->addWidget(status_, 1);
    int row = 6;
    for (QLabel* line : {fenceSide_, centrePoint_, status_, warnings_, cautions_, note_}) {
        line->setWordWrap(true);
        if (line == status_) {
            grid->addWidget(statusFrame_, row++, 0, 1, 4);
            continue;
        }
        grid->addWidget(line, row++, 0, 1, 4);
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    return panel;
}

QWidget* Planner::createDrawingAndPasses() {
    auto* panel = new QWidget(this);
    auto* row = new QHBoxLayout(panel);
    drawingAndPasses_ = row;
    endView_ = new FittedDrawing(QStringLiteral("planEndView"), look::kWhite, panel);
    endView_->setFocusPolicy(Qt::NoFocus);  // a picture: nothing to do there by keyboard
    endView_->setDraw([this](Canvas& canvas, double width, double height) {
        drawBoardEnd(canvas, width, height);
    });
    describe(endView_, tr("Board end"),
             tr("The end of the board to scale, face down on the saw table, with the cove as "
                "your blade cuts it: its flat bottom is as wide as the teeth leave it. The "
                "fence side is at the left."));
    passes_ = new QTableWidget(0, 3, panel);
    passes_->setObjectName(QStringLiteral("planPasses"));
    QStringList headings;
    for (const Sentence& heading : passHeadings()) headings << shown(heading);
    passes_->setHorizontalHeaderLabels(headings);
    passes_->verticalHeader()->hide();
    passes_->setWordWrap(false);
    passes_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    passes_->horizontalHeader()->setStretchLastSection(true);
    passes_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    passes_->setTabKeyNavigation(false);  // Tab leaves the table; arrows move in it
    describe(passes_, tr("Passes"),
             tr("One row a pass: the blade height to set and the cove's width after the pass; "
                "with the blade tilted, also how far the pass reaches on the fence side and on "
                "the far side of the finished cove's deepest point."));
    row->addWidget(endView_, 1);
    row->addWidget(passes_, 1);
    return panel;
}

QWidget* Planner::createButtons() {
    // A row of its own under a rule, with room for more buttons beside "Use in Calculator".
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("planButtons"));
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    auto* rule = new QFrame(panel);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    column->addWidget(rule);
    auto* buttons = new QHBoxLayout;
    buttons->setObjectName(QStringLiteral("planButtonRow"));
    take_ = new QPushButton(tr("Take the &Calculator's Set-up"), panel);
    take_->setObjectName(QStringLiteral("planTake"));
    take_->setAutoDefault(false);
    describe(take_, tr("Take the Calculator's Set-up"),
             tr("Fills the cove width, cove depth and board from the calculator's boxes as they "
                "are now, over what is typed here."));
    buttons->addWidget(take_);
    buttons->addStretch(1);
    apply_ = new QPushButton(tr("&Use in Calculator"), panel);
    apply_->setObjectName(QStringLiteral("planApply"));
    apply_->setAutoDefault(false);
    describe(apply_, tr("Use in Calculator"),
             tr("Types this set-up into the calculator's boxes: board width and thickness, "
                "blade height and the fence angle."));
    buttons->addWidget(apply_);
    print_ = new QPushButton(tr("P&rint Template"), panel);
    print_->setObjectName(QStringLiteral("planPrint"));
    print_->setAutoDefault(false);
    describe(print_, tr("Print Template"), printTemplateTip());
    buttons->addWidget(print_);
    preview_ = new QPushButton(tr("Pre&view..."), panel);
    preview_->setObjectName(QStringLiteral("planPreview"));
    preview_->setAutoDefault(false);
    describe(preview_, tr("Preview template"), previewTemplateTip());
    buttons->addWidget(preview_);
    atSaw_ = new QPushButton(tr("At the &Saw..."), panel);
    atSaw_->setObjectName(QStringLiteral("planAtSaw"));
    atSaw_->setAutoDefault(false);
    describe(atSaw_, tr("At the Saw"),
             tr("Opens a view to work from at the saw: one pass at a time in large type, "
                "stepped on with Space and Backspace."));
    buttons->addWidget(atSaw_);
    column->addLayout(buttons);
    return panel;
}

void Planner::connectEvents() {
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        connect(boxes_[i].edit, &QLineEdit::textChanged, this, [this, i](const QString& text) {
            model_.typeText(static_cast<PlanBox>(i), text.toStdString());
            showModel();
        });
    }
    for (const auto& [option, lean] : {std::pair{leanToward_, BladeLean::TowardFence},
                                       std::pair{leanAway_, BladeLean::AwayFromFence}}) {
        connect(option, &QRadioButton::toggled, this, [this, lean = lean](bool on) {
            if (!on) return;
            model_.chooseLean(lean);
            showModel();
        });
    }
    const auto chooseUnit = [this](LengthUnit unit) {
        model_.chooseUnit(unit);
        showModel();
    };
    connect(inches_, &QRadioButton::toggled, this, [chooseUnit](bool on) {
        if (on) chooseUnit(LengthUnit::Inch);
    });
    connect(millimetres_, &QRadioButton::toggled, this, [chooseUnit](bool on) {
        if (on) chooseUnit(LengthUnit::Millimetre);
    });
    connect(take_, &QPushButton::clicked, this, &Planner::fillFromCalculator);
    connect(apply_, &QPushButton::clicked, this, &Planner::applyToCalculator);
    connect(print_, &QPushButton::clicked, this, &Planner::printTemplate);
    connect(preview_, &QPushButton::clicked, this, &Planner::previewTemplate);
    connect(atSaw_, &QPushButton::clicked, this, &Planner::openAtTheSaw);
    // Nothing to work at the saw until the plan has passes.
    connect(&sawSession_, &WatchedSawSession::changed, atSaw_,
            [this] { atSaw_->setEnabled(sawSession().steps().count() > 0); });
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
}

void Planner::orderTabs() {
    const auto boxOf = [this](PlanBox box) -> QWidget* {
        return boxes_[static_cast<std::size_t>(box)].edit;
    };
    const std::array<QWidget*, 18> chain{boxOf(PlanBox::CoveWidth),
                                         boxOf(PlanBox::BoardWidth),
                                         boxOf(PlanBox::CoveDepth),
                                         boxOf(PlanBox::BoardThickness),
                                         boxOf(PlanBox::PassDepth),
                                         boxOf(PlanBox::CoveOffset),
                                         boxOf(PlanBox::BladeDiameter),
                                         boxOf(PlanBox::Kerf),
                                         boxOf(PlanBox::Tilt),
                                         inches_,
                                         millimetres_,
                                         leanToward_,
                                         leanAway_,
                                         boxOf(PlanBox::MaxHeight),
                                         passes_,
                                         take_,
                                         apply_,
                                         print_};
    for (std::size_t i = 0; i + 1 < chain.size(); ++i) setTabOrder(chain[i], chain[i + 1]);
    setTabOrder(print_, preview_);
    setTabOrder(preview_, atSaw_);
}

}  // namespace arcwright
