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
#include <array>
#include <vector>

#include "app/drawing_surface.h"
#include "app/form1.h"
#include "model/number_text.h"

namespace arcwright {
namespace {

// ---------------------------------------------------------------------------------
// Words for lengths and fractions.

QString numberText(double value) {
    return QString::fromStdString(plainNumberText(value));
}

QString inchesText(double value) {
    return numberText(value) + (value == 1.0 ? QStringLiteral(" inch") : QStringLiteral(" inches"));
}

// "3.082 in." as it stands on the result line, read out as "3.082 inches".
QString decimalInches(const QString& caption) {
    const QString unit = QStringLiteral(" in.");
    if (caption.endsWith(unit)) return caption.chopped(unit.size()) + QStringLiteral(" inches");
    return caption;
}

double valueOf(const QLineEdit* box) {
    return leadingNumber(box->text().toStdString());
}

// ---------------------------------------------------------------------------------
// What each control is.

struct Described {
    const char* name;  // objectName
    const char* accessibleName;
    const char* description;
    const char* toolTip;  // none when empty
};

// Controls whose words never change.
const std::array<Described, 19> kFixed{{
    {"Text4", "Board width", "Width of the board's face, the face the cove is cut into, in inches.",
     "Board width: the width of the face the cove is cut into, in inches. Type a decimal or "
     "a shop fraction such as 3 1/2. Widths over 6 in. are not worked out."},
    {"Text3", "Board thickness",
     "Thickness of the board, in inches, from the face the cove is cut into to its back.",
     "Board thickness: from the face the cove is cut into to the back of the board, in "
     "inches. Keep at least 1/4 in. of wood above the blade."},
    {"Text2", "Cut angle",
     "Angle between the board's edge, which runs along the fence, and the saw blade, in "
     "degrees.",
     "Cut angle: the angle between the board's edge, which runs along the fence, and the saw "
     "blade, in degrees. Near 90° the fence lies square across the blade and the cove is at "
     "its widest; a small angle gives a narrow cove of the same depth."},
    {"Text1", "Blade height",
     "Height of the blade above the saw table, in inches: the depth of the finished cove.",
     "Blade height: how far the blade stands above the saw table, in inches, which is the "
     "depth of the finished cove. Reach it a little at a time, over several passes."},
    {"VScroll1", "Cut angle bar",
     "Sets the cut angle from 5 to 85 degrees: up for a larger angle, one degree an arrow, "
     "five a page. It does nothing while less than 1/4 inch of wood would stay above the "
     "blade.",
     "Cut angle: up for a larger angle, down for a smaller one, 5° to 85°. Locked while less "
     "than 1/4 in. of wood would stay above the blade."},
    {"Option2", "Adjust board width",
     "Selects the board width as the dimension the step buttons change.",
     "Step the board width with the + and - buttons."},
    {"Option1", "Adjust board thickness",
     "Selects the board thickness as the dimension the step buttons change.",
     "Step the board thickness with the + and - buttons."},
    {"Option3", "Adjust blade height",
     "Selects the blade height as the dimension the step buttons change.",
     "Step the blade height with the + and - buttons."},
    {"Option4", "Fractions in 16ths", "Shows the shop fractions to the nearest 1/16 inch.",
     "Round the shop fractions to the nearest 1/16 in."},
    {"Option5", "Fractions in 32nds", "Shows the shop fractions to the nearest 1/32 inch.",
     "Round the shop fractions to the nearest 1/32 in."},
    {"Command1", "Print",
     "Prints a set-up sheet: a full-size end view of the board with the cove, to hold against "
     "the stock, and the set-up values.",
     "Print a set-up sheet: the board end with the cove at full size, to hold against the "
     "stock, and the set-up values."},
    {"Command12", "OK", "Closes the safety warning.", ""},
    {"Frame2", "Warning!", "", ""},
    {"Label1", "Blade height high!",
     "The step was refused: it would leave less than 1/4 inch of wood above the blade.", ""},
    {"Label2", "Cut is too wide!",
     "The cove would leave less than 1/4 inch of board on a side. Narrow the cut with a lower "
     "blade or a smaller angle, or use a wider board.",
     ""},
    {"Picture1", "Section view", "", ""},
    {"Picture2", "Plan view", "", ""},
    {"Picture4", "Isometric view", "", ""},
    {"Form1", "Arcwright", "Cove cut calculator for the table saw.", ""},
}};

// Tool tips of the views say what each drawing is; their descriptions, rewritten after
// every recomputation, say what it shows now.
const std::array<std::pair<const char*, const char*>, 3> kViewTips{{
    {"Picture1",
     "Section: the end of the board to scale, lying face down on the saw table, with the cove "
     "cut into its face."},
    {"Picture2",
     "Plan: looking down on the saw table. The yellow line is the blade, the red outline the "
     "board crossing it at the cut angle (marked by the arc), the dotted lines the edges of "
     "the cove."},
    {"Picture4",
     "The finished moulding: an 18-inch length, cove face up, seen from above at an angle. "
     "Click to redraw it."},
}};

struct StepWords {
    const char* name;
    const char* size;
    bool up;
};

const std::array<StepWords, 8> kSteps{{
    {"Command9", "1/4", true},
    {"Command8", "1/4", false},
    {"Command2", "1/8", true},
    {"Command3", "1/8", false},
    {"Command6", "1/16", true},
    {"Command7", "1/16", false},
    {"Command5", "1/32", true},
    {"Command4", "1/32", false},
}};

// A read-out's labels: whole, numerator, slash, denominator, mark.
struct ReadoutWords {
    const char* what;
    std::array<const char*, 5> labels;
};

const std::array<ReadoutWords, 3> kInputReadouts{{
    {"Board width", {"Label28", "Label27", "Label26", "Label25", "Label24"}},
    {"Board thickness", {"Label29", "Label30", "Label31", "Label32", "Label33"}},
    {"Blade height", {"Label36", "Label37", "Label38", "Label39", "Label40"}},
}};
const ReadoutWords kCutReadout{"Cut width", {"Label5", "Label6", "Label7", "Label8", "Label9"}};

std::function<void(const QAccessibleEvent&)>& announcementWatcher() {
    static std::function<void(const QAccessibleEvent&)> watcher;
    return watcher;
}

// Sets a description only when it changes: each change is an event for the screen reader.
void describe(QWidget* widget, const QString& description) {
    if (widget && widget->accessibleDescription() != description) {
        widget->setAccessibleDescription(description);
    }
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

// Lives in the window, keeps the controls whose words follow the window's state and
// reports the warnings when they come up.
class Describer : public QObject {
  public:
    explicit Describer(Form1& window) : QObject(&window), window_(window) {
        setObjectName(QStringLiteral("AccessibilityDescriber"));
        const auto find = [&window](const char* name) {
            return window.findChild<QWidget*>(QString::fromLatin1(name));
        };
        const auto label = [&window](const char* name) {
            return window.findChild<QLabel*>(QString::fromLatin1(name));
        };
        width_ = window.findChild<QLineEdit*>(QStringLiteral("Text4"));
        thickness_ = window.findChild<QLineEdit*>(QStringLiteral("Text3"));
        angle_ = window.findChild<QLineEdit*>(QStringLiteral("Text2"));
        blade_ = window.findChild<QLineEdit*>(QStringLiteral("Text1"));
        cutDecimal_ = label("Label4");
        section_ = find("Picture1");
        plan_ = find("Picture2");
        iso_ = find("Picture4");
        bladeWarning_ = label("Label1");
        wideWarning_ = label("Label2");
        for (const ReadoutWords& words : kInputReadouts) readouts_.push_back(readout(words));
        cut_ = readout(kCutReadout);
        for (const StepWords& step : kSteps) {
            steps_.push_back({step, window.findChild<QAbstractButton*>(step.name)});
        }
        const std::array<std::pair<const char*, const char*>, 3> targets{{
            {"Option2", "the board width"},
            {"Option1", "the board thickness"},
            {"Option3", "the blade height"},
        }};
        for (const auto& [name, words] : targets) {
            auto* option = window.findChild<QRadioButton*>(QString::fromLatin1(name));
            if (!option) continue;
            targets_.push_back({option, QString::fromLatin1(words)});
            connect(option, &QRadioButton::toggled, this, [this] { describeSteps(); });
        }
        for (QWidget* warning : {find("Frame2"), static_cast<QWidget*>(bladeWarning_),
                                 static_cast<QWidget*>(wideWarning_)}) {
            if (!warning) continue;
            warnings_.push_back({warning, false});
            warning->installEventFilter(this);
        }
        cutDecimal_->setAccessibleName(QStringLiteral("Cut width"));
        // The safety note is read out with its frame when the frame is announced.
        if (QWidget* frame = find("Frame2")) {
            if (const QLabel* note = label("Label47")) describe(frame, note->text());
        }
    }

    void refresh() {
        for (const Readout& r : readouts_) describeReadout(r);
        describeCut();
        describeViews();
        describeSteps();
    }

  protected:
    // A warning is announced when it comes up, once: a recomputation hides and shows
    // "Cut is too wide!" again on every keystroke, so the check waits until the event
    // that changed it has finished.
    bool eventFilter(QObject* watched, QEvent* event) override {
        if ((event->type() == QEvent::Show || event->type() == QEvent::Hide) && !settlePending_) {
            settlePending_ = true;
            QTimer::singleShot(0, this, [this] { announceWarnings(); });
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    struct Readout {
        QString what;
        std::array<QLabel*, 5> labels{};
    };
    struct Step {
        StepWords words;
        QAbstractButton* button = nullptr;
    };
    struct Warning {
        QWidget* widget = nullptr;
        bool announced = false;
    };

    Readout readout(const ReadoutWords& words) const {
        Readout r{QString::fromLatin1(words.what), {}};
        for (std::size_t i = 0; i < r.labels.size(); ++i) {
            r.labels[i] = window_.findChild<QLabel*>(QString::fromLatin1(words.labels[i]));
            if (r.labels[i])
                r.labels[i]->setAccessibleName(r.what + QStringLiteral(" as a shop fraction"));
        }
        return r;
    }

    static QString fractionWords(const Readout& r) {
        return spokenFraction(r.labels[0]->text(), r.labels[1]->text(), r.labels[3]->text(),
                              r.labels[4]->text());
    }

    void describeReadout(const Readout& r) {
        const QString words = fractionWords(r);
        const QString description = words.isEmpty() ? r.what + QStringLiteral(", not shown")
                                                    : r.what + QStringLiteral(", ") + words;
        for (QLabel* label : r.labels) describe(label, description);
    }

    void describeCut() {
        const QString decimal = cutDecimal_->text();
        QString description;
        if (decimal.isEmpty()) {
            description = QStringLiteral("Cut width not shown: the cut is too wide for the board");
        } else {
            description = QStringLiteral("Cut width, ") + decimalInches(decimal);
            const QString words = fractionWords(cut_);
            if (!words.isEmpty()) description += QStringLiteral(", ") + words;
        }
        describe(cutDecimal_, description);
        for (QLabel* label : cut_.labels) describe(label, description);
    }

    void describeViews() {
        const double width = valueOf(width_);
        const double thickness = valueOf(thickness_);
        const double blade = valueOf(blade_);
        const bool tooWide = !wideWarning_->isHidden();
        const QString cut = decimalInches(cutDecimal_->text());
        const bool cove = !tooWide && window_.solution().cutWidth() > 0.0;

        QString section = QStringLiteral("End view of the board to scale, %1 wide and %2 thick, ")
                              .arg(inchesText(width), inchesText(thickness));
        if (tooWide) {
            section += QStringLiteral("with no cove drawn: the cut is too wide for the board");
        } else if (!cove) {
            section += QStringLiteral("with no cove: the blade does not stand above the table");
        } else {
            section += QStringLiteral("with a cove %1 wide and %2 deep cut into its face")
                           .arg(cut, inchesText(blade));
        }
        describe(section_, section);

        QString plan = QStringLiteral(
                           "Plan of the saw table from above: the blade, and the board crossing "
                           "it at %1 degrees")
                           .arg(numberText(valueOf(angle_)));
        plan += tooWide ? QStringLiteral(", with no cut marked: the cut is too wide")
                        : QStringLiteral(", with the edges of the cut, %1 apart, dotted").arg(cut);
        describe(plan_, plan);

        // The isometric view keeps its last drawing while a warning is up.
        if (bladeWarning_->isHidden() && !tooWide) {
            describe(iso_,
                     QStringLiteral("An 18-inch length of the finished moulding, %1 wide "
                                    "and %2 thick, with a cove %3 wide and %4 deep")
                         .arg(inchesText(width), inchesText(thickness), cut, inchesText(blade)));
        }
    }

    void describeSteps() {
        QString target;
        for (const auto& [option, words] : targets_) {
            if (option->isChecked()) target = words;
        }
        for (const Step& step : steps_) {
            if (!step.button) continue;
            const QString size = QString::fromLatin1(step.words.size);
            const QString action = step.words.up
                                       ? QStringLiteral("Add %1 inch to").arg(size)
                                       : QStringLiteral("Subtract %1 inch from").arg(size);
            describe(step.button,
                     QStringLiteral("%1 the selected dimension, now %2.").arg(action, target));
        }
    }

    void announceWarnings() {
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

    Form1& window_;
    QLineEdit* width_ = nullptr;
    QLineEdit* thickness_ = nullptr;
    QLineEdit* angle_ = nullptr;
    QLineEdit* blade_ = nullptr;
    QLabel* cutDecimal_ = nullptr;
    QWidget* section_ = nullptr;
    QWidget* plan_ = nullptr;
    QWidget* iso_ = nullptr;
    QLabel* bladeWarning_ = nullptr;
    QLabel* wideWarning_ = nullptr;
    std::vector<Readout> readouts_;
    Readout cut_;
    std::vector<Step> steps_;
    std::vector<std::pair<QRadioButton*, QString>> targets_;
    std::vector<Warning> warnings_;
    bool settlePending_ = false;
};

Describer* describerOf(Form1& window) {
    return dynamic_cast<Describer*>(window.findChild<QObject*>(
        QStringLiteral("AccessibilityDescriber"), Qt::FindDirectChildrenOnly));
}

}  // namespace

QString spokenFraction(const QString& whole, const QString& numerator, const QString& denominator,
                       const QString& mark) {
    const QString w = whole.trimmed();
    const QString n = numerator.trimmed();
    const QString d = denominator.trimmed();
    if (w.isEmpty() && n.isEmpty() && mark.trimmed().isEmpty()) return {};

    const bool fraction = !n.isEmpty() && !d.isEmpty();
    const bool wholeShown = !w.isEmpty() && (w != QLatin1String("0") || !fraction);
    QString amount = wholeShown ? w : QString();
    if (fraction) {
        if (wholeShown) amount += QStringLiteral(" and ");
        amount += n + QLatin1Char('/') + d;
    }
    if (amount.isEmpty()) amount = QStringLiteral("0");
    // "1/2 inch", "1 inch", "3 and 1/16 inches".
    const bool singular = fraction ? !wholeShown : w == QLatin1String("1");
    amount += singular ? QStringLiteral(" inch") : QStringLiteral(" inches");

    // "-" marks a fraction rounded up (the board is a little less than shown), "+" one
    // rounded down or a remainder below the smallest fraction (a little more).
    if (mark.contains(QLatin1Char('-')))
        return QStringLiteral("about ") + amount + QStringLiteral(", a little less");
    if (mark.contains(QLatin1Char('+')))
        return QStringLiteral("about ") + amount + QStringLiteral(", a little more");
    return QStringLiteral("exactly ") + amount;
}

void describeControls(Form1& window) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(drawingFactory);
        return true;
    }();
    (void)factoryInstalled;

    for (const Described& d : kFixed) {
        QWidget* widget = d.name == std::string_view("Form1")
                              ? &window
                              : window.findChild<QWidget*>(QString::fromLatin1(d.name));
        if (!widget) continue;
        widget->setAccessibleName(QString::fromUtf8(d.accessibleName));
        if (*d.description) widget->setAccessibleDescription(QString::fromUtf8(d.description));
        if (*d.toolTip) widget->setToolTip(QString::fromUtf8(d.toolTip));
    }
    for (const auto& [name, tip] : kViewTips) {
        if (auto* view = window.findChild<QWidget*>(QString::fromLatin1(name))) {
            view->setToolTip(QString::fromUtf8(tip));
        }
    }
    for (const StepWords& step : kSteps) {
        auto* button = window.findChild<QAbstractButton*>(QString::fromLatin1(step.name));
        if (!button) continue;
        const QString size = QString::fromLatin1(step.size);
        button->setAccessibleName(step.up ? QStringLiteral("Add %1 inch").arg(size)
                                          : QStringLiteral("Subtract %1 inch").arg(size));
        button->setToolTip(
            (step.up ? QStringLiteral("Add %1 in. to the selected dimension")
                     : QStringLiteral("Take %1 in. off the selected dimension"))
                .arg(size) +
            QStringLiteral(" (pick it with the round button beside the board width, thickness "
                           "or blade height). A step that would leave less than 1/4 in. of wood "
                           "above the blade is refused."));
    }
    (new Describer(window))->refresh();
}

void watchAnnouncements(std::function<void(const QAccessibleEvent&)> watcher) {
    announcementWatcher() = std::move(watcher);
}

void updateDescriptions(Form1& window) {
    if (Describer* describer = describerOf(window)) describer->refresh();
}

}  // namespace arcwright
