// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/calculator/accessibility.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>

#include "app/widgets/announce.h"
#include "app/widgets/drawing_surface.h"
#include "model/number_text.h"

namespace arcwright {
namespace {

QString inches(const QString& amount, bool singular) {
    return singular ? WindowDescriber::tr("%1 inch").arg(amount)
                    : WindowDescriber::tr("%1 inches").arg(amount);
}

QString inchesText(double value) {
    return inches(QString::fromStdString(plainNumberText(value)), value == 1.0);
}

// "3.082 in." as it stands on the result line, read out as "3.082 inches".
QString decimalInches(const QString& caption) {
    const QString unit = QStringLiteral(" in.");
    if (!caption.endsWith(unit)) return caption;
    return inches(caption.chopped(unit.size()), false);
}

// A fraction read-out in words: "about 3 and 1/16 inches, a little more" (the true value
// is a little more than shown), "exactly 3/4 inch". Empty when the read-out is blank.
QString spokenFraction(const FractionCaptions& row) {
    const QString w = QString::fromStdString(row.whole).trimmed();
    const QString n = QString::fromStdString(row.numerator).trimmed();
    const QString d = QString::fromStdString(row.denominator).trimmed();
    const QString mark = QString::fromStdString(row.mark);
    if (w.isEmpty() && n.isEmpty() && mark.trimmed().isEmpty()) return {};

    const bool fraction = !n.isEmpty() && !d.isEmpty();
    const bool wholeShown = !w.isEmpty() && (w != QLatin1String("0") || !fraction);
    QString amount = wholeShown ? w : QString();
    if (fraction) {
        amount = wholeShown ? WindowDescriber::tr("%1 and %2/%3").arg(w, n, d)
                            : QStringLiteral("%1/%2").arg(n, d);
    }
    if (amount.isEmpty()) amount = QStringLiteral("0");
    // "1/2 inch", "1 inch", "3 and 1/16 inches".
    const bool singular = fraction ? !wholeShown : w == QLatin1String("1");
    amount = inches(amount, singular);

    // "-" marks a fraction rounded up (the board is a little less than shown), "+" one
    // rounded down or a remainder below the smallest fraction (a little more).
    if (mark.contains(QLatin1Char('-')))
        return WindowDescriber::tr("about %1, a little less").arg(amount);
    if (mark.contains(QLatin1Char('+')))
        return WindowDescriber::tr("about %1, a little more").arg(amount);
    return WindowDescriber::tr("exactly %1").arg(amount);
}

// Sets a description only when it changes: each change is an event for the screen reader.
void describe(QWidget* widget, const QString& description) {
    if (widget->accessibleDescription() != description)
        widget->setAccessibleDescription(description);
}

// The drawings are pictures to assistive tools, not empty panes.
class DrawingAccessible : public QAccessibleWidget {
  public:
    explicit DrawingAccessible(QWidget* widget) : QAccessibleWidget(widget, QAccessible::Graphic) {}
};

QAccessibleInterface* drawingFactory(const QString& className, QObject* object) {
    if (className == QLatin1String(DrawingSurface::staticMetaObject.className()) &&
        object->isWidgetType()) {
        return new DrawingAccessible(static_cast<QWidget*>(object));
    }
    return nullptr;
}

}  // namespace

WindowDescriber::WindowDescriber(DescribedControls controls, QObject* parent)
    : QObject(parent), c_(std::move(controls)) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(drawingFactory);
        return true;
    }();
    (void)factoryInstalled;

    describeFixed();
    for (const auto& [warning, which] : {std::pair<QWidget*, Shown>{c_.warn.frame2, Shown::Frame2},
                                         {c_.warn.label1, Shown::Label1},
                                         {c_.warn.label2, Shown::Label2}}) {
        warnings_.push_back({warning, which, false});
        warning->installEventFilter(this);
    }
    refresh(CalculatorChanges::all());
}

void WindowDescriber::refresh(const CalculatorChanges& changes) {
    const auto readout = [&](Readout r) { return changes.readouts[static_cast<std::size_t>(r)]; };
    if (readout(Readout::Width)) describeReadout(c_.out.width, Readout::Width, tr("Board width"));
    if (readout(Readout::Thickness)) {
        describeReadout(c_.out.thickness, Readout::Thickness, tr("Board thickness"));
    }
    if (readout(Readout::BladeHeight)) {
        describeReadout(c_.out.blade, Readout::BladeHeight, tr("Blade height"));
    }
    if (readout(Readout::Cut) || changes.label4) describeCut();
    if (changes.views.any()) describeViews();
    if (changes.target) describeSteps();
}

void WindowDescriber::describeReadout(const FractionReadout& row, Readout readout,
                                      const QString& what) {
    const QString words = spokenFraction(c_.model->readout(readout));
    const QString description =
        words.isEmpty() ? tr("%1, not shown").arg(what) : tr("%1, %2").arg(what, words);
    for (QLabel* label : row.labels()) describe(label, description);
}

void WindowDescriber::describeCut() {
    const QString decimal = QString::fromStdString(c_.model->label4());
    QString description;
    if (decimal.isEmpty()) {
        description = tr("Cut width not shown: the cut is too wide for the board");
    } else {
        description = tr("Cut width, %1").arg(decimalInches(decimal));
        const QString words = spokenFraction(c_.model->readout(Readout::Cut));
        if (!words.isEmpty()) description = tr("%1, %2").arg(description, words);
    }
    describe(c_.out.label4, description);
    for (QLabel* label : c_.out.cut.labels()) describe(label, description);
}

void WindowDescriber::describeViews() {
    const Calculator& model = *c_.model;
    const QString width = inchesText(model.value(Box::Text4));
    const QString thickness = inchesText(model.value(Box::Text3));
    const QString blade = inchesText(model.value(Box::Text1));
    const bool tooWide = model.shown(Shown::Label2);
    const QString cut = decimalInches(QString::fromStdString(model.label4()));
    const bool cove = !tooWide && model.solution().cutWidth() > 0.0;

    const QString board =
        tr("End view of the board to scale, %1 wide and %2 thick, ").arg(width, thickness);
    if (tooWide) {
        describe(c_.views.picture1,
                 board + tr("with no cove drawn: the cut is too wide for the board"));
    } else if (!cove) {
        describe(c_.views.picture1,
                 board + tr("with no cove: the blade does not stand above the table"));
    } else {
        describe(c_.views.picture1,
                 board + tr("with a cove %1 wide and %2 deep cut into its face").arg(cut, blade));
    }

    const QString angle = QString::fromStdString(plainNumberText(model.value(Box::Text2)));
    describe(c_.views.picture2,
             tooWide ? tr("Plan of the saw table from above: the blade, and the board crossing it "
                          "at %1 degrees, with no cut marked: the cut is too wide")
                           .arg(angle)
                     : tr("Plan of the saw table from above: the blade, and the board crossing it "
                          "at %1 degrees, with the edges of the cut, %2 apart, dotted")
                           .arg(angle, cut));

    // The isometric view keeps its last drawing while a warning is up.
    if (!model.shown(Shown::Label1) && !tooWide) {
        describe(c_.views.picture4,
                 tr("An 18-inch length of the finished moulding, %1 wide and %2 thick, "
                    "with a cove %3 wide and %4 deep")
                     .arg(width, thickness, cut, blade));
    }
}

void WindowDescriber::describeSteps() {
    QString target;
    switch (c_.model->target()) {
        case AdjustTarget::BoardThickness:
            target = tr("the board thickness");
            break;
        case AdjustTarget::BladeHeight:
            target = tr("the blade height");
            break;
        case AdjustTarget::BoardWidth:
            target = tr("the board width");
            break;
    }
    for (const StepControl& step : c_.steps) {
        describe(step.button,
                 step.press.up
                     ? tr("Add %1 inch to the selected dimension, now %2.").arg(step.size, target)
                     : tr("Subtract %1 inch from the selected dimension, now %2.")
                           .arg(step.size, target));
    }
}

// A warning is announced when it comes up, once: a recomputation hides and shows "Cut is
// too wide!" again on every keystroke, so the check waits until the event that changed
// it has finished.
bool WindowDescriber::eventFilter(QObject* watched, QEvent* event) {
    if ((event->type() == QEvent::Show || event->type() == QEvent::Hide) && !settlePending_) {
        settlePending_ = true;
        QTimer::singleShot(0, this, [this] { announceWarnings(); });
    }
    return QObject::eventFilter(watched, event);
}

void WindowDescriber::announceWarnings() {
    settlePending_ = false;
    // A warning is up while the calculator shows it and the window is on the screen.
    const bool onScreen = c_.window->isVisible();
    for (Warning& warning : warnings_) {
        const bool shown = onScreen && c_.model->shown(warning.which);
        if (shown && !warning.announced) announce(warning.widget);
        warning.announced = shown;
    }
}

}  // namespace arcwright
