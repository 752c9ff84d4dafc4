// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/accessibility.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>

#include "app/box_value.h"
#include "app/drawing_surface.h"
#include "geometry/cove_solver.h"

namespace arcwright {
namespace {

QString numberText(double value) {
    return QString::fromStdString(plainNumberText(value));
}

QString inchesText(double value) {
    return value == 1.0 ? WindowDescriber::tr("%1 inch").arg(numberText(value))
                        : WindowDescriber::tr("%1 inches").arg(numberText(value));
}

// "3.082 in." as it stands on the result line, read out as "3.082 inches".
QString decimalInches(const QString& caption) {
    const QString unit = QStringLiteral(" in.");
    if (!caption.endsWith(unit)) return caption;
    return WindowDescriber::tr("%1 inches").arg(caption.chopped(unit.size()));
}

// A fraction read-out in words: "about 3 and 1/16 inches, a little more" (the true value
// is a little more than shown), "exactly 3/4 inch". Empty when the read-out is blank.
QString spokenFraction(const FractionReadout& row) {
    const QString w = row.whole->text().trimmed();
    const QString n = row.numerator->text().trimmed();
    const QString d = row.denominator->text().trimmed();
    const QString mark = row.mark->text();
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
    amount = singular ? WindowDescriber::tr("%1 inch").arg(amount)
                      : WindowDescriber::tr("%1 inches").arg(amount);

    // "-" marks a fraction rounded up (the board is a little less than shown), "+" one
    // rounded down or a remainder below the smallest fraction (a little more).
    if (mark.contains(QLatin1Char('-')))
        return WindowDescriber::tr("about %1, a little less").arg(amount);
    if (mark.contains(QLatin1Char('+')))
        return WindowDescriber::tr("about %1, a little more").arg(amount);
    return WindowDescriber::tr("exactly %1").arg(amount);
}

std::function<void(const QAccessibleEvent&)>& announcementWatcher() {
    static std::function<void(const QAccessibleEvent&)> watcher;
    return watcher;
}

// Sets a description only when it changes: each change is an event for the screen reader.
void describe(QWidget* widget, const QString& description) {
    if (widget->accessibleDescription() != description)
        widget->setAccessibleDescription(description);
}

// Words that never change; an empty description or tool tip is left unset.
void name(QWidget* widget, const QString& accessibleName, const QString& description = {},
          const QString& toolTip = {}) {
    widget->setAccessibleName(accessibleName);
    if (!description.isEmpty()) widget->setAccessibleDescription(description);
    if (!toolTip.isEmpty()) widget->setToolTip(toolTip);
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

std::array<QLabel*, 5> labelsOf(const FractionReadout& row) {
    return {row.whole, row.numerator, row.slash, row.denominator, row.mark};
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
    for (QRadioButton* option : {c_.widthTarget, c_.thicknessTarget, c_.bladeTarget}) {
        connect(option, &QRadioButton::toggled, this, [this] { describeSteps(); });
    }
    for (QWidget* warning : {c_.warningFrame, static_cast<QWidget*>(c_.bladeWarning),
                             static_cast<QWidget*>(c_.wideWarning)}) {
        warnings_.push_back({warning, false});
        warning->installEventFilter(this);
    }
    refresh();
}

void WindowDescriber::describeFixed() {
    name(c_.width, tr("Board width"),
         tr("Width of the board's face, the face the cove is cut into, in inches."),
         tr("Board width: the width of the face the cove is cut into, in inches. Type a decimal or "
            "a shop fraction such as 3 1/2. Widths over 6 in. are not worked out."));
    name(c_.thickness, tr("Board thickness"),
         tr("Thickness of the board, in inches, from the face the cove is cut into to its back."),
         tr("Board thickness: from the face the cove is cut into to the back of the board, in "
            "inches. Keep at least 1/4 in. of wood above the blade."));
    name(
        c_.angle, tr("Cut angle"),
        tr("Angle between the board's edge, which runs along the fence, and the saw blade, in "
           "degrees."),
        tr("Cut angle: the angle between the board's edge, which runs along the fence, and the saw "
           "blade, in degrees. Near 90° the fence lies square across the blade and the cove is at "
           "its widest; a small angle gives a narrow cove of the same depth."));
    name(c_.blade, tr("Blade height"),
         tr("Height of the blade above the saw table, in inches: the depth of the finished cove."),
         tr("Blade height: how far the blade stands above the saw table, in inches, which is the "
            "depth of the finished cove. Reach it a little at a time, over several passes."));
    name(
        c_.angleBar, tr("Cut angle bar"),
        tr("Sets the cut angle from 5 to 85 degrees: up for a larger angle, one degree an arrow, "
           "five a page. It does nothing while less than 1/4 inch of wood would stay above the "
           "blade."),
        tr("Cut angle: up for a larger angle, down for a smaller one, 5° to 85°. Locked while less "
           "than 1/4 in. of wood would stay above the blade."));
    name(c_.widthTarget, tr("Adjust board width"),
         tr("Selects the board width as the dimension the step buttons change."),
         tr("Step the board width with the + and - buttons."));
    name(c_.thicknessTarget, tr("Adjust board thickness"),
         tr("Selects the board thickness as the dimension the step buttons change."),
         tr("Step the board thickness with the + and - buttons."));
    name(c_.bladeTarget, tr("Adjust blade height"),
         tr("Selects the blade height as the dimension the step buttons change."),
         tr("Step the blade height with the + and - buttons."));
    name(c_.sixteenths, tr("Fractions in 16ths"),
         tr("Shows the shop fractions to the nearest 1/16 inch."),
         tr("Round the shop fractions to the nearest 1/16 in."));
    name(c_.thirtySeconds, tr("Fractions in 32nds"),
         tr("Shows the shop fractions to the nearest 1/32 inch."),
         tr("Round the shop fractions to the nearest 1/32 in."));
    name(c_.print, tr("Print"),
         tr("Prints a set-up sheet: a full-size end view of the board with the cove, to hold "
            "against "
            "the stock, and the set-up values."),
         tr("Print a set-up sheet: the board end with the cove at full size, to hold against the "
            "stock, and the set-up values."));
    name(c_.closeWarning, tr("OK"), tr("Closes the safety warning."));
    // The safety note is read out with its frame when the frame is announced.
    name(c_.warningFrame, tr("Warning!"), c_.safetyNote->text());
    name(c_.bladeWarning, tr("Blade height high!"),
         tr("The step was refused: it would leave less than 1/4 inch of wood above the blade."));
    name(c_.wideWarning, tr("Cut is too wide!"),
         tr("The cove would leave less than 1/4 inch of board on a side. Narrow the cut with a "
            "lower "
            "blade or a smaller angle, or use a wider board."));
    // The views' tool tips say what each drawing is; their descriptions, rewritten after
    // every recomputation, say what it shows now.
    name(c_.section, tr("Section view"), {},
         tr("Section: the end of the board to scale, lying face down on the saw table, with the "
            "cove "
            "cut into its face."));
    name(
        c_.plan, tr("Plan view"), {},
        tr("Plan: looking down on the saw table. The yellow line is the blade, the red outline the "
           "board crossing it at the cut angle (marked by the arc), the dotted lines the edges of "
           "the cove."));
    name(c_.iso, tr("Isometric view"), {},
         tr("The finished moulding: an 18-inch length, cove face up, seen from above at an angle. "
            "Click to redraw it."));
    name(c_.window, tr("Arcwright"), tr("Cove cut calculator for the table saw."));

    for (const StepControl& step : c_.steps) {
        step.button->setAccessibleName(step.up ? tr("Add %1 inch").arg(step.size)
                                               : tr("Subtract %1 inch").arg(step.size));
        step.button->setToolTip(
            (step.up ? tr("Add %1 in. to the selected dimension")
                     : tr("Take %1 in. off the selected dimension"))
                .arg(step.size) +
            tr(" (pick it with the round button beside the board width, thickness or blade "
               "height). A step that would leave less than 1/4 in. of wood above the blade is "
               "refused."));
    }
    const QString asFraction = tr("%1 as a shop fraction");
    for (const auto& [row, what] : {std::pair{c_.widthRow, tr("Board width")},
                                    {c_.thicknessRow, tr("Board thickness")},
                                    {c_.bladeRow, tr("Blade height")},
                                    {c_.cutRow, tr("Cut width")}}) {
        for (QLabel* label : labelsOf(row)) label->setAccessibleName(asFraction.arg(what));
    }
    c_.cutDecimal->setAccessibleName(tr("Cut width"));
}

void WindowDescriber::refresh() {
    describeReadout(c_.widthRow, tr("Board width"));
    describeReadout(c_.thicknessRow, tr("Board thickness"));
    describeReadout(c_.bladeRow, tr("Blade height"));
    describeCut();
    describeViews();
    describeSteps();
}

void WindowDescriber::describeReadout(const FractionReadout& row, const QString& what) {
    const QString words = spokenFraction(row);
    const QString description =
        words.isEmpty() ? tr("%1, not shown").arg(what) : tr("%1, %2").arg(what, words);
    for (QLabel* label : labelsOf(row)) describe(label, description);
}

void WindowDescriber::describeCut() {
    const QString decimal = c_.cutDecimal->text();
    QString description;
    if (decimal.isEmpty()) {
        description = tr("Cut width not shown: the cut is too wide for the board");
    } else {
        description = tr("Cut width, %1").arg(decimalInches(decimal));
        const QString words = spokenFraction(c_.cutRow);
        if (!words.isEmpty()) description = tr("%1, %2").arg(description, words);
    }
    describe(c_.cutDecimal, description);
    for (QLabel* label : labelsOf(c_.cutRow)) describe(label, description);
}

void WindowDescriber::describeViews() {
    const QString width = inchesText(valueOf(c_.width));
    const QString thickness = inchesText(valueOf(c_.thickness));
    const QString blade = inchesText(valueOf(c_.blade));
    const bool tooWide = !c_.wideWarning->isHidden();
    const QString cut = decimalInches(c_.cutDecimal->text());
    const bool cove = !tooWide && c_.solution->cutWidth() > 0.0;

    const QString board =
        tr("End view of the board to scale, %1 wide and %2 thick, ").arg(width, thickness);
    if (tooWide) {
        describe(c_.section, board + tr("with no cove drawn: the cut is too wide for the board"));
    } else if (!cove) {
        describe(c_.section, board + tr("with no cove: the blade does not stand above the table"));
    } else {
        describe(c_.section,
                 board + tr("with a cove %1 wide and %2 deep cut into its face").arg(cut, blade));
    }

    const QString angle = numberText(valueOf(c_.angle));
    describe(c_.plan,
             tooWide ? tr("Plan of the saw table from above: the blade, and the board crossing "
                          "it at %1 degrees, with no cut marked: the cut is too wide")
                           .arg(angle)
                     : tr("Plan of the saw table from above: the blade, and the board crossing "
                          "it at %1 degrees, with the edges of the cut, %2 apart, dotted")
                           .arg(angle, cut));

    // The isometric view keeps its last drawing while a warning is up.
    if (c_.bladeWarning->isHidden() && !tooWide) {
        describe(c_.iso, tr("An 18-inch length of the finished moulding, %1 wide and %2 thick, "
                            "with a cove %3 wide and %4 deep")
                             .arg(width, thickness, cut, blade));
    }
}

void WindowDescriber::describeSteps() {
    const QString target = c_.thicknessTarget->isChecked() ? tr("the board thickness")
                           : c_.bladeTarget->isChecked()   ? tr("the blade height")
                           : c_.widthTarget->isChecked()   ? tr("the board width")
                                                           : QString();
    for (const StepControl& step : c_.steps) {
        describe(step.button,
                 step.up
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
    for (Warning& warning : warnings_) {
        const bool shown = warning.widget->isVisible();
        if (shown && !warning.announced) {
            QAccessibleEvent alert(warning.widget, QAccessible::Alert);
            if (announcementWatcher()) announcementWatcher()(alert);
            QAccessible::updateAccessibility(&alert);
        }
        warning.announced = shown;
    }
}

void watchAnnouncements(std::function<void(const QAccessibleEvent&)> watcher) {
    announcementWatcher() = std::move(watcher);
}

}  // namespace arcwright
