// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/planner/at_the_saw.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

#include "app/planner/core_words.h"
#include "app/planner/watched_saw_session.h"
#include "app/widgets/announce.h"
#include "app/widgets/drawing_surface.h"
#include "app/widgets/look.h"
#include "app/widgets/safety_note.h"
#include "plan/plan_words.h"
#include "views/pass_view.h"

namespace arcwright {

namespace {

// The made passes grey, the one to make now red, those still to come faint: halfway from
// the made ones' grey to the white of the drawing.
PassColours passColours() {
    const QColor faint((look::kGrey.red() + look::kWhite.red()) / 2,
                       (look::kGrey.green() + look::kWhite.green()) / 2,
                       (look::kGrey.blue() + look::kWhite.blue()) / 2);
    return {look::rgb(look::kBrown), look::rgb(look::kTeal), look::rgb(look::kGrey),
            look::rgb(look::kRed), look::rgb(faint)};
}

QFont typeOf(int pixels) {
    QFont font = look::windowFont(12);
    font.setPixelSize(std::max(8, pixels));
    return font;
}

// The largest type, at most `tallest` pixels, in which each of `texts` fits `widest` pixels.
int fittedPixels(const QStringList& texts, double widest, double tallest) {
    int pixels = std::max(8, static_cast<int>(tallest));
    for (int tries = 0; tries < 8; ++tries) {
        const QFontMetricsF metrics(typeOf(pixels));
        double wide = 0;
        for (const QString& text : texts) wide = std::max(wide, metrics.horizontalAdvance(text));
        if (wide <= widest || pixels <= 8) break;
        // Type widens in step with its size; one more try mends the rounding.
        pixels = std::max(8, std::min(pixels - 1, static_cast<int>(pixels * widest / wide)));
    }
    return pixels;
}

void setColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette pal = widget->palette();
    pal.setColor(role, colour);
    widget->setPalette(pal);
}

}  // namespace

AtTheSaw::AtTheSaw(WatchedSawSession& session, QWidget& planner)
    : QWidget(&planner, Qt::Window), watched_(session), session_(session.session()) {
    createUi();
    connectEvents();
    refresh();
}

void AtTheSaw::createUi() {
    setObjectName(QStringLiteral("AtTheSaw"));
    setWindowTitle(tr("At the Saw"));
    setWindowIcon(look::appIcon());
    setAttribute(Qt::WA_DeleteOnClose, false);
    setColour(this, QPalette::Window, look::kTeal);
    setAutoFillBackground(true);
    // The view takes every key itself: its buttons are for the mouse and the knuckle.
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(tr("At the Saw"));
    setAccessibleDescription(
        tr("One pass of the planned cove at a time. Space or Enter: next pass; Backspace: the "
           "pass before; Home: the first pass; End: the last; F11: full screen; Escape: out of "
           "full screen, or close."));

    auto* layout = new QVBoxLayout(this);
    pass_ = line("sawPass", tr("Pass"), QString(), look::kWhite);
    setLine_ = line("sawSetLine", tr("What to do"),
                    tr("What to do before the pass: the blade height follows."), look::kLightCyan);
    height_ = line("sawHeight", tr("Blade height"),
                   tr("The height to set the blade to for this pass, in the planner's unit and "
                      "as a shop fraction."),
                   look::kYellow);
    rise_ = line("sawRise", tr("Rise"), tr("How much higher than the pass before."), look::kWhite);
    width_ = line("sawWidth", tr("Cove width"), tr("The width of the cove after this pass."),
                  look::kWhite);
    final_ = line("sawFinal", tr("Final height"),
                  tr("Says so on the last pass: its height is the cove's depth."), look::kPink);
    then_ =
        line("sawThen", tr("Then"), tr("Make the pass once the blade is set."), look::kLightCyan);
    note_ = line("sawNote", tr("Note"),
                 tr("Says when a change of the plan started the passes over, and which outlines "
                    "the drawing shows for a long schedule."),
                 look::kLightCyan);
    caution_ = line("sawCaution", tr("Cautions"),
                    tr("What the shop writers warn about in this plan, and why, with the set-up."),
                    look::kAmber);
    footer_ = line("sawFooter", tr("Fence and feed"),
                   tr("Which side of the blade the fence goes and which way to feed the board."),
                   look::kLightCyan);
    for (QLabel* wrapped : {setLine_, final_, note_, caution_, footer_}) {
        wrapped->setWordWrap(true);
    }

    drawing_ = new DrawingSurface(QStringLiteral("sawDrawing"), look::kWhite, this);
    drawing_->setFocusPolicy(Qt::NoFocus);
    drawing_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    drawing_->setMinimumHeight(40);
    drawing_->setAccessibleName(tr("Board end"));
    drawing_->setAccessibleDescription(
        tr("The end of the board face down on the saw table, with the outline of every pass: "
           "the passes made in grey, this pass in red, the passes to come faint."));

    back_ = button("sawBack", tr("Back (Backspace)"), tr("Back"),
                   tr("Back to the pass before. Key: Backspace; Home for the first pass."));
    fullScreen_ = button("sawFullScreen", tr("Full Screen (F11)"), tr("Full screen"),
                         tr("Fills the screen with the view, or gives the window back. Key: F11."));
    next_ = button("sawNext", tr("Next Pass (Space)"), tr("Next pass"),
                   tr("On to the next pass once this one is made. Key: Space or Enter; End for "
                      "the last pass."));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back_, 2);
    buttons->addWidget(fullScreen_, 1);
    buttons->addWidget(next_, 3);

    layout->addWidget(pass_);
    layout->addWidget(setLine_);
    layout->addWidget(height_);
    layout->addWidget(rise_);
    layout->addWidget(width_);
    layout->addWidget(final_);  // a line kept for it, so nothing moves on the last pass
    layout->addWidget(then_);
    layout->addWidget(drawing_, 1);
    layout->addWidget(note_);
    layout->addWidget(caution_);
    layout->addLayout(buttons);
    layout->addWidget(footer_);

    createSafetyNote();
    setMinimumSize(480, 360);
    resize(960, 720);
}

QLabel* AtTheSaw::line(const char* objectName, const QString& name, const QString& description,
                       const QColor& colour) {
    auto* label = new QLabel(this);
    label->setObjectName(QString::fromLatin1(objectName));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignCenter);
    setColour(label, QPalette::WindowText, colour);
    label->setAccessibleName(name);
    label->setAccessibleDescription(description);
    return label;
}

QPushButton* AtTheSaw::button(const char* objectName, const QString& caption, const QString& name,
                              const QString& description) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(QString::fromLatin1(objectName));
    b->setFocusPolicy(Qt::NoFocus);
    b->setAutoDefault(false);
    b->setAccessibleName(name);
    b->setAccessibleDescription(description);
    b->setToolTip(description);
    return b;
}

// The calculator's pink note, over the whole view until it is read and closed.
void AtTheSaw::createSafetyNote() {
    safety_ = new QFrame(this);
    safety_->setObjectName(QStringLiteral("sawSafety"));
    safety_->setFrameShape(QFrame::Box);
    setColour(safety_, QPalette::Window, look::kPink);
    safety_->setAutoFillBackground(true);
    safety_->setAccessibleName(tr("Warning!"));
    safety_->setAccessibleDescription(safetyNoteText());
    auto* column = new QVBoxLayout(safety_);
    safetyTitle_ = new QLabel(tr("Warning!"), safety_);
    safetyTitle_->setObjectName(QStringLiteral("sawSafetyTitle"));
    safetyTitle_->setAlignment(Qt::AlignCenter);
    setColour(safetyTitle_, QPalette::WindowText, Qt::black);
    safetyTitle_->setAccessibleName(tr("Warning!"));
    safetyTitle_->setAccessibleDescription(tr("The heading of the safety note."));
    safetyText_ = new QLabel(safetyNoteText(), safety_);
    safetyText_->setObjectName(QStringLiteral("sawSafetyText"));
    safetyText_->setWordWrap(true);
    safetyText_->setAlignment(Qt::AlignCenter);
    setColour(safetyText_, QPalette::WindowText, Qt::black);
    safetyText_->setAccessibleName(tr("Safety note"));
    safetyText_->setAccessibleDescription(safetyNoteText());
    safetyOk_ = new QPushButton(tr("OK (Space)"), safety_);
    safetyOk_->setObjectName(QStringLiteral("sawSafetyOk"));
    safetyOk_->setFocusPolicy(Qt::NoFocus);
    safetyOk_->setAutoDefault(false);
    safetyOk_->setAccessibleName(tr("OK"));
    safetyOk_->setAccessibleDescription(tr("Closes the safety note. Key: Space or Enter."));
    column->addWidget(safetyTitle_);
    column->addWidget(safetyText_, 1);
    column->addWidget(safetyOk_, 0, Qt::AlignHCenter);
    safety_->hide();
}

void AtTheSaw::connectEvents() {
    connect(&watched_, &WatchedSawSession::changed, this, &AtTheSaw::refresh);
    connect(next_, &QPushButton::clicked, this, &AtTheSaw::forward);
    connect(back_, &QPushButton::clicked, this, &AtTheSaw::backward);
    connect(fullScreen_, &QPushButton::clicked, this, &AtTheSaw::toggleFullScreen);
    connect(safetyOk_, &QPushButton::clicked, this, &AtTheSaw::closeSafetyNote);
    drawing_->installEventFilter(this);
}

void AtTheSaw::open() {
    if (!isVisible()) {
        announced_.clear();  // a view opened again says where the count stands
        setUpPage_ = session_.steps().position() == 0;
        refresh();
        safety_->show();
        safety_->raise();
    }
    show();
    raise();
    activateWindow();
    setFocus();
    if (safetyNoteShown()) {
        announce(safety_);
    } else {
        announceIfChanged();
    }
}

bool AtTheSaw::safetyNoteShown() const {
    return safety_->isVisible();
}

void AtTheSaw::closeSafetyNote() {
    safety_->hide();
    setFocus();
    announceIfChanged();
}

void AtTheSaw::keyPressEvent(QKeyEvent* event) {
    // A key held down, or a pedal kept pressed, moves one pass, never several.
    if (event->isAutoRepeat()) {
        event->accept();
        return;
    }
    const int key = event->key();
    const bool forward = key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
    if (key == Qt::Key_F11) {
        toggleFullScreen();
    } else if (key == Qt::Key_Escape) {
        if (isFullScreen()) {
            showNormal();
        } else {
            close();
        }
    } else if (safetyNoteShown()) {
        if (forward) closeSafetyNote();  // the note is read before any pass is shown
    } else if (forward) {
        this->forward();
    } else if (key == Qt::Key_Backspace) {
        backward();
    } else if (key == Qt::Key_Home) {
        toFirst();
    } else if (key == Qt::Key_End) {
        toLast();
    } else {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

bool AtTheSaw::onSetUpPage() const {
    const PassSteps& steps = session_.steps();
    return setUpPage_ && steps.count() > 0 && steps.position() == 0;
}

void AtTheSaw::forward() {
    const PassSteps& steps = session_.steps();
    if (onSetUpPage()) {
        setUpPage_ = false;
        refresh();
    } else if (steps.atFinalHeight()) {
        watched_.next();  // every pass made: the count says so when the view opens again
        close();
    } else {
        watched_.next();
    }
}

void AtTheSaw::backward() {
    if (onSetUpPage()) return;
    if (session_.steps().position() == 0 && session_.steps().count() > 0) {
        setUpPage_ = true;
        refresh();
    } else {
        watched_.back();
    }
}

void AtTheSaw::toFirst() {
    const bool moved = onSetUpPage();
    setUpPage_ = false;
    watched_.first();
    if (moved) refresh();
}

void AtTheSaw::toLast() {
    const bool moved = onSetUpPage() && session_.steps().count() == 1;
    setUpPage_ = false;
    watched_.last();
    if (moved) refresh();
}

void AtTheSaw::toggleFullScreen() {
    if (isFullScreen()) {
        showNormal();
    } else {
        showFullScreen();
    }
}

void AtTheSaw::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowStateChange) {
        fullScreen_->setText(isFullScreen() ? tr("Leave Full Screen (F11)")
                                            : tr("Full Screen (F11)"));
    }
    QWidget::changeEvent(event);
}

bool AtTheSaw::eventFilter(QObject* watched, QEvent* event) {
    if (watched == drawing_ && event->type() == QEvent::Resize) redraw();
    return QWidget::eventFilter(watched, event);
}

void AtTheSaw::resizeEvent(QResizeEvent* event) {
    scaleType();
    const int inset = std::min(width(), height()) / 20;
    safety_->setGeometry(rect().adjusted(inset, inset, -inset, -inset));
    QWidget::resizeEvent(event);
}

void AtTheSaw::refresh() {
    const PassSteps& steps = session_.steps();
    drawnEvery_ = outlinesToDraw(steps.count(), steps.position()).every;
    // A schedule worked out for another set-up starts on the set-up page.
    if (steps.count() > 0 && !(steps.setUp() == shownSetUp_)) {
        shownSetUp_ = steps.setUp();
        if (steps.position() == 0) setUpPage_ = true;
    }
    texts_ = onSetUpPage() ? setUpTexts(steps, session_.fence(), session_.unit(), drawnEvery_, said)
                           : sawTexts(steps, session_.unit(), drawnEvery_, said);
    for (const auto& [label, text] :
         {std::pair{pass_, &texts_.pass}, std::pair{setLine_, &texts_.setLine},
          std::pair{height_, &texts_.height}, std::pair{rise_, &texts_.rise},
          std::pair{width_, &texts_.width}, std::pair{final_, &texts_.final},
          std::pair{then_, &texts_.then}, std::pair{note_, &texts_.note}}) {
        label->setText(QString::fromStdString(*text));
    }
    // Read with the set-up, before the first cut; the passes keep the room for the drawing.
    caution_->setText(onSetUpPage() ? shownLines(session_.cautions()) : QString());
    caution_->setVisible(!caution_->text().isEmpty());
    footer_->setText(shown(session_.footer()));
    footer_->setVisible(!footer_->text().isEmpty());
    pass_->setAccessibleDescription(spoken());
    back_->setEnabled(steps.count() > 0 && (steps.position() > 0 || !onSetUpPage()));
    next_->setEnabled(steps.count() > 0 && !steps.finished());
    // On the last pass the button finishes the work and closes the view.
    const bool done = steps.atFinalHeight() && !onSetUpPage();
    next_->setText(done ? tr("Done (Space)") : tr("Next Pass (Space)"));
    next_->setAccessibleName(done ? tr("Done") : tr("Next pass"));
    // A closed view keeps its words up to date for the count, and sizes its type and draws
    // the board only once it is shown.
    if (!isVisible()) return;
    scaleType();
    redraw();
    announceIfChanged();
}

void AtTheSaw::showEvent(QShowEvent* event) {
    scaleType();
    redraw();
    QWidget::showEvent(event);
}

void AtTheSaw::redraw() {
    const QRect inner = drawing_->innerRect();
    const double width = inner.width();
    const double height = inner.height();
    drawPasses(board_, session_.steps(), {width, height, passLinePixels(width, height)},
               passColours());
    drawing_->show(&board_);
}

// Type from the window's size: the pass line across most of the width, the blade height
// nearly as large, the rest in a size still readable from a couple of metres; all of it
// smaller together where the lines would leave the drawing less than a fifth of the height.
void AtTheSaw::scaleType() {
    const PassSteps& steps = session_.steps();
    const double wide = width() * 0.9;
    QStringList heights;
    for (const PlanPass& pass : steps.passes()) {
        heights << QString::fromStdString(spokenLength(pass.bladeHeight, session_.unit()));
    }
    if (heights.isEmpty() || onSetUpPage()) heights << height_->text();
    QStringList passLines;
    for (const std::string& line : passLineShapes(steps.count(), said)) {
        passLines << QString::fromStdString(line);
    }
    int passPixels = fittedPixels(passLines, wide, height() * 0.2);
    int heightPixels = fittedPixels(heights, wide, height() * 0.13);
    int medium = std::max(12, static_cast<int>(std::min(width() / 34.0, height() / 26.0)));
    // The set-up page's marks and a tilted blade's line stay on one line each.
    medium = std::min(
        medium, fittedPixels({setLine_->text(), rise_->text(), width_->text(), then_->text()}, wide,
                             medium));

    // Line heights grow with the type; the layout's spacing and the drawing's share do not.
    const auto lineHeight = [](int pixels) { return QFontMetrics(typeOf(pixels)).height(); };
    const QMargins margins = layout()->contentsMargins();
    const int rows = 10;  // the lines, the drawing, the buttons and the footer
    const double fixed =
        margins.top() + margins.bottom() + rows * layout()->spacing() + height() / 5.0;
    // The footer, the fence's side and the feed, runs over as many lines as it needs.
    const auto footerHeight = [&](int pixels) {
        if (footer_->text().isEmpty()) return 0;
        return QFontMetrics(typeOf(pixels))
            .boundingRect(QRect(0, 0, static_cast<int>(wide), 100000), Qt::TextWordWrap,
                          footer_->text())
            .height();
    };
    const double lines = lineHeight(passPixels) + lineHeight(heightPixels) +
                         5 * lineHeight(medium) + lineHeight(medium * 3 / 4) +
                         footerHeight(medium * 3 / 4) + 2 * medium;
    if (fixed + lines > height()) {
        const double shrink = std::max(0.3, (height() - fixed) / lines);
        passPixels = static_cast<int>(passPixels * shrink);
        heightPixels = static_cast<int>(heightPixels * shrink);
        medium = std::max(9, static_cast<int>(medium * shrink));
    }
    const int small = std::max(8, medium * 3 / 4);

    pass_->setFont(typeOf(passPixels));
    height_->setFont(typeOf(heightPixels));
    for (QLabel* label : {setLine_, rise_, width_, final_, then_}) label->setFont(typeOf(medium));
    for (QLabel* label : {note_, caution_, footer_}) label->setFont(typeOf(small));
    // Every line keeps its height when it has nothing to say, so nothing moves pass to pass.
    for (QLabel* label : {pass_, setLine_, height_, rise_, width_, final_, then_, note_}) {
        label->setMinimumHeight(QFontMetrics(label->font()).height());
    }
    for (QPushButton* b : {back_, next_, safetyOk_}) {
        b->setFont(typeOf(medium));
        b->setMinimumHeight(medium * 2);
    }
    fullScreen_->setFont(typeOf(small));
    fullScreen_->setMinimumHeight(medium * 2);
    safetyTitle_->setFont(typeOf(medium * 3 / 2));
    safetyText_->setFont(typeOf(medium));
}

void AtTheSaw::announceIfChanged() {
    if (!isVisible() || safetyNoteShown() || spoken() == announced_) return;
    announced_ = spoken();
    announce(pass_);
}

}  // namespace arcwright
