// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The real window under thousands of seeded random events: typing, hostile and pasted
// texts, step buttons, options, the angle bar, clicks and focus changes. After every
// event, and after every change of a box's text inside one, the window must still agree
// with the core's own results, show its warnings by their rules and never show "nan" or
// "inf". ARCWRIGHT_SOAK_EVENTS and ARCWRIGHT_SOAK_SEED set the length and the seed; a
// failure names the seed and the events that led to it.
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>
#include <array>
#include <deque>
#include <random>

#include "adjust/step_rules.h"
#include "app/calculator/angle_scroll_bar.h"
#include "app/widgets/controls.h"
#include "app/widgets/drawing_surface.h"
#include "app/widgets/look.h"
#include "fractions/shop_fraction.h"
#include "geometry/cove_solver.h"
#include "model/number_text.h"
#include "readouts/readouts.h"
#include "window_harness.h"

using namespace arcwright;
using namespace arcwright::testing;

namespace {

constexpr std::array<const char*, 4> kBoxes{"Text1", "Text2", "Text3", "Text4"};
constexpr std::array<const char*, 5> kCutLabels{"Label5", "Label6", "Label7", "Label8", "Label9"};

// One event may take long under the sanitizers; one that takes this long is a hang.
constexpr qint64 kHangMs = 5000;

bool showsNonFinite(const QString& text) {
    static const QRegularExpression word(QStringLiteral("nan|inf"),
                                         QRegularExpression::CaseInsensitiveOption);
    return word.match(text).hasMatch();
}

// Texts a person might type or paste, sensible and otherwise.
QStringList hostileTexts() {
    QStringList texts{
        "",
        "-",
        "+",
        ".",
        "e",
        "1e308",
        "1e309",
        "1e999",
        "-1e999",
        "1e-999",
        "1e-320",
        "&H",
        "&HFFFFFFFFFFFF",
        "&HFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF",
        "&O7777777777777777777777",
        "&Q12",
        "9.99",
        "10",
        "10.0001",
        "-3",
        "-0",
        "0.0000001",
        "4.99",
        "4.995",
        "5",
        "6",
        "6.0000001",
        "7",
        "1 1/2",
        "1-1/2",
        "-3/4 in.",
        "11/2",
        "1/0",
        "0/0",
        "2,5",
        "nan",
        "inf",
        "-inf",
        "Infinity",
        "0x1p3",
        "1e",
        "1e+",
        "--5",
        "45°",
        "  .5in",
        "0.5 in.",
        "0.75 in.",
        "4.0 in.",
        "45",
        "90",
        "-45",
        "1e300",
        "½",
        "٣",
        "１",
        "0.25",
        "2",
    };
    texts << QString(400, QLatin1Char('9')) << (QStringLiteral("0.") + QString(400, '0') + "1")
          << (QStringLiteral("1") + QString(5000, '0'));
    return texts;
}

// A pasted text of 10,000 characters.
QString pastedText(std::mt19937& rng) {
    switch (rng() % 4) {
        case 0:
            return QString(10000, QLatin1Char('1'));
        case 1:
            return QStringLiteral("0.5") + QString(9997, QLatin1Char(' '));
        case 2:
            return QStringLiteral("0.") + QString(9998, QLatin1Char('3'));
        default: {
            QString text;
            text.reserve(10000);
            for (int i = 0; i < 10000; ++i) text.append(QChar(char16_t(0x20 + rng() % 0x5f)));
            return text;
        }
    }
}

// Types a text key by key. QTest only knows keys for Latin-1 characters; anything else
// arrives as a key event that carries the character, as from an input method.
void typeText(QLineEdit* b, const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() >= 0x20 && c.unicode() < 0x7f) {
            QTest::keyClick(b, c.toLatin1());
            continue;
        }
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(b, &press);
        QApplication::sendEvent(b, &release);
    }
}

// Replaces a box's text the way a person does: select all, then type.
void retypeText(QLineEdit* b, const QString& text) {
    b->setFocus();
    b->selectAll();
    QTest::keyClick(b, Qt::Key_Backspace);
    typeText(b, text);
}

// What the result line must show, worked out by the core from the box texts.
struct Expected {
    QString cutWidth;
    QStringList cutFraction;  // Label5..9
    bool tooWide = false;
};

class Soak {
  public:
    explicit Soak(Form1& window) : window_(window) {
        for (const char* name : kBoxes) {
            QLineEdit* b = box(window_, name);
            typed_[b] = b->text();
            // Connected after the window's own handling, so this runs once that is done.
            QObject::connect(b, &QLineEdit::textChanged, b, [this, b] { boxChanged(b); });
        }
        expected_ = recompute();
        expectedBar_ = bar()->isEnabled();
        expectedLabel1 = !label("Label1")->isHidden();
    }

    QString failure;
    std::deque<QString> log;
    bool expectedLabel1 = false;
    // How much of the window the events reached.
    int recomputes = 0;
    int tooWide = 0;
    int keptAboveSix = 0;
    int bladeWarnings = 0;
    int barWrites = 0;
    int barBlocked = 0;

    void note(const QString& what) {
        log.push_back(what.left(120));
        if (log.size() > 15) log.pop_front();
    }

    void fail(const QString& what) {
        if (failure.isEmpty()) failure = what;
    }

    AngleScrollBar* bar() const { return control<AngleScrollBar>(window_, "VScroll1"); }
    QLabel* label(const char* name) const { return control<QLabel>(window_, name); }

    // A person typed or pasted into `b`: whatever it holds now is theirs.
    void userWrote(QLineEdit* b) { typed_[b] = b->text(); }

    // A step button press, checked against the step rules.
    void pressStep(const char* name, StepButton button) {
        auto* command = control<QPushButton>(window_, name);
        if (!command->isVisible() || !command->isEnabled()) return;
        const StepDecision decision = decideStep(
            button, target(), valueOf(box(window_, "Text4")->text()),
            valueOf(box(window_, "Text3")->text()), valueOf(box(window_, "Text1")->text()));
        QTest::mouseClick(command, Qt::LeftButton);
        expectedLabel1 = !decision.newText && decision.showBladeWarning;
        if (expectedLabel1) ++bladeWarnings;
        if (decision.enableScrollBar) expectedBar_ = true;
        if (!decision.newText && decision.disableScrollBar) expectedBar_ = false;
        if (decision.newText && targetBox()->text() != QString::fromStdString(*decision.newText)) {
            fail(QStringLiteral("step wrote \"%1\", the rules say \"%2\"")
                     .arg(targetBox()->text(), QString::fromStdString(*decision.newText)));
        }
    }

    // An action on the angle bar, as a person can make it: only while it is enabled.
    void moveBar(int action, std::mt19937& rng) {
        AngleScrollBar* b = bar();
        if (!b->isVisible() || !b->isEnabled()) return;
        QLineEdit* angleBox = box(window_, "Text2");
        const QString before = angleBox->text();
        // Less than 1/4 in. of wood above the blade: the angle is left alone.
        const bool blocked =
            valueOf(box(window_, "Text3")->text()) - 0.25 < valueOf(box(window_, "Text1")->text());
        const int valueBefore = b->value();
        switch (action) {
            case 0:  // an arrow
            case 1: {
                const int y = action == 0 ? 3 : b->height() - 3;
                QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(b->width() / 2, y));
                break;
            }
            case 2:  // the track, below or above the thumb
                QTest::mouseClick(b, Qt::LeftButton, {},
                                  QPoint(b->width() / 2, int(rng() % unsigned(b->height()))));
                break;
            case 3:
                b->triggerAction(QAbstractSlider::SliderToMinimum);
                break;
            case 4:
                b->triggerAction(QAbstractSlider::SliderToMaximum);
                break;
            default:  // a drag, reported only when let go
                b->setSliderDown(true);
                b->setSliderPosition(AngleScrollBar::kBottomAngle + int(rng() % 81));
                if (angleBox->text() != before) fail(QStringLiteral("the bar reported a drag"));
                b->setSliderDown(false);
                break;
        }
        if (b->value() == valueBefore) return;
        ++(blocked ? barBlocked : barWrites);
        const QString written = QString::fromStdString(formatNumber(b->angle(), "##°"));
        if (blocked && angleBox->text() != before) {
            fail(QStringLiteral("the bar wrote the angle with the blade too high"));
        } else if (!blocked && angleBox->text() != written) {
            fail(QStringLiteral("the bar at %1 left the angle box at \"%2\"")
                     .arg(b->angle())
                     .arg(angleBox->text()));
        }
    }

    // The sheet goes to a PDF file in place of the default printer. Printing only reads the
    // window, whatever the set-up: everything must look the same afterwards.
    void printTo(const QString& pdf) {
        auto* command = control<QPushButton>(window_, "Command1");
        if (!command->isVisible() || !command->isEnabled()) return;
        PrintHooks hooks;
        hooks.defaultPrinter = [pdf] {
            auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(pdf);
            return printer;
        };
        hooks.choosePrinter = [](QPrinter&) { return false; };
        hooks.tell = [this](const QString& message) { told << message; };
        window_.setPrintHooks(hooks);
        const QStringList before = windowState();
        const auto messages = told.size();
        QFile::remove(pdf);
        QTest::mouseClick(command, Qt::LeftButton);
        ++prints;
        if (windowState() != before) fail(QStringLiteral("printing changed the window"));
        if (told.size() == messages && QFileInfo(pdf).size() == 0) {
            fail(QStringLiteral("nothing was printed, and nothing said why"));
        }
    }
    QStringList told;
    int prints = 0;

    // Everything that must hold between events.
    void checkAll() {
        checkResults(QStringLiteral("after the event"));
        if (!label("Label1")->isHidden() != expectedLabel1) {
            fail(QStringLiteral("\"Blade height high!\" is %1")
                     .arg(expectedLabel1 ? "hidden" : "shown"));
        }
        if (bar()->isEnabled() != expectedBar_) {
            fail(QStringLiteral("the angle bar is %1").arg(expectedBar_ ? "disabled" : "enabled"));
        }
        QLineEdit* angleBox = box(window_, "Text2");
        if (angleBox->hasFocus() && angleBox->palette().color(QPalette::Base) != look::kGrey) {
            fail(QStringLiteral("the angle box has the focus but is not grey"));
        }
        for (const QLabel* l : window_.findChildren<QLabel*>()) {
            if (showsNonFinite(l->text())) {
                fail(QStringLiteral("%1 shows \"%2\"").arg(l->objectName(), l->text().left(60)));
            }
        }
        for (const char* name : kBoxes) {
            QLineEdit* b = box(window_, name);
            if (showsNonFinite(b->text()) && b->text() != typed_[b]) {
                fail(QStringLiteral("%1 was written as \"%2\"").arg(name, b->text().left(60)));
            }
        }
    }

  private:
    // What a person sees: every caption, box text and shown state, and the angle bar.
    QStringList windowState() const {
        QStringList state;
        for (const QLabel* l : window_.findChildren<QLabel*>()) {
            state << l->objectName() + '=' + l->text() + (l->isHidden() ? " hidden" : "");
        }
        for (const QLineEdit* b : window_.findChildren<QLineEdit*>()) state << b->text();
        state << QString::number(bar()->value()) + (bar()->isEnabled() ? " on" : " off");
        return state;
    }

    AdjustTarget target() const {
        if (control<QRadioButton>(window_, "Option1")->isChecked()) {
            return AdjustTarget::BoardThickness;
        }
        if (control<QRadioButton>(window_, "Option3")->isChecked())
            return AdjustTarget::BladeHeight;
        return AdjustTarget::BoardWidth;
    }
    QLineEdit* targetBox() const {
        switch (target()) {
            case AdjustTarget::BoardThickness:
                return box(window_, "Text3");
            case AdjustTarget::BladeHeight:
                return box(window_, "Text1");
            case AdjustTarget::BoardWidth:
                break;
        }
        return box(window_, "Text4");
    }

    Expected recompute() const {
        const CoveInputs in{valueOf(box(window_, "Text1")->text()),
                            valueOf(box(window_, "Text2")->text()),
                            valueOf(box(window_, "Text4")->text())};
        CoveSolution solution;
        solveCove(in, solution);
        Expected e;
        e.tooWide = solution.tooWide;
        e.cutWidth = QString::fromStdString(cutWidthText(solution));
        if (solution.tooWide) {
            e.cutFraction = QStringList{"", "", "", "", ""};
        } else {
            const FractionCaptions c = ShowFraction(
                solution.cutWidth(), (window_).calculator().minFraction(), readout::cutWidth());
            for (const std::string* s :
                 {&c.whole, &c.numerator, &c.slash, &c.denominator, &c.mark}) {
                e.cutFraction << QString::fromStdString(*s);
            }
        }
        return e;
    }

    // Runs right after the window has handled a change of `b`'s text, also in the middle
    // of a step or of typed text.
    void boxChanged(QLineEdit* b) {
        const bool widthBox = b == box(window_, "Text4");
        // A board wider than 6 in. keeps the results from before.
        if (!widthBox || valueOf(b->text()) <= 6.0) {
            expected_ = recompute();
            ++recomputes;
            if (expected_.tooWide) ++tooWide;
        } else {
            ++keptAboveSix;
        }
        if (b == box(window_, "Text1") || b == box(window_, "Text3")) {
            expectedLabel1 = false;
            if (!label("Label1")->isHidden()) fail(QStringLiteral("a box change left Label1 up"));
        }
        checkResults(
            QStringLiteral("when %1 became \"%2\"").arg(b->objectName(), b->text().left(40)));
    }

    void checkResults(const QString& when) {
        if (caption(window_, "Label4") != expected_.cutWidth) {
            fail(QStringLiteral("%1 the cut width shows \"%2\", the core says \"%3\"")
                     .arg(when, caption(window_, "Label4"), expected_.cutWidth));
        }
        QStringList shown;
        for (const char* name : kCutLabels) shown << caption(window_, name);
        if (shown != expected_.cutFraction) {
            fail(QStringLiteral("%1 the cut fraction shows %2, the core says %3")
                     .arg(when, shown.join('|'), expected_.cutFraction.join('|')));
        }
        if (!label("Label2")->isHidden() != expected_.tooWide) {
            fail(QStringLiteral("%1 \"Cut is too wide!\" is %2")
                     .arg(when, expected_.tooWide ? "hidden" : "shown"));
        }
    }

    Form1& window_;
    Expected expected_;
    bool expectedBar_ = true;
    QHash<QLineEdit*, QString> typed_;
};

int envNumber(const char* name, int fallback) {
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}

}  // namespace

class SoakTest : public QObject {
    Q_OBJECT

  private slots:
    // Each hostile text written into each box, at both resolutions.
    void hostileTextInEveryBox_data() {
        QTest::addColumn<QString>("text");
        for (const QString& text : hostileTexts()) {
            QTest::newRow(
                qPrintable(text.left(24).isEmpty() ? QStringLiteral("empty") : text.left(24)))
                << text;
        }
    }
    void hostileTextInEveryBox() {
        QFETCH(QString, text);
        auto window = openWindow();
        Soak soak(*window);
        for (const char* resolution : {"Option4", "Option5"}) {
            QTest::mouseClick(control<QWidget>(*window, resolution), Qt::LeftButton);
            for (const char* name : kBoxes) {
                QLineEdit* b = box(*window, name);
                const QString before = b->text();
                b->setText(text);
                soak.userWrote(b);
                QCoreApplication::sendPostedEvents();
                soak.checkAll();
                QVERIFY2(soak.failure.isEmpty(), qPrintable(soak.failure));
                b->setText(before);
                soak.userWrote(b);
            }
        }
    }

    void randomEvents() {
        const int events = envNumber("ARCWRIGHT_SOAK_EVENTS", 3000);
        const auto seed = static_cast<unsigned>(envNumber("ARCWRIGHT_SOAK_SEED", 20240611));
        qInfo("soak: %d events, seed %u", events, seed);
        std::mt19937 rng(seed);
        const QStringList texts = hostileTexts();

        auto window = openWindow();
        Soak soak(*window);
        const QTemporaryDir paper;
        const QString pdf = paper.filePath(QStringLiteral("sheet.pdf"));
        qint64 slowest = 0;
        QElapsedTimer clock;

        const struct {
            const char* name;
            StepButton button;
        } steps[] = {{"Command9", {0.25, true}},    {"Command8", {0.25, false}},
                     {"Command2", {0.125, true}},   {"Command3", {0.125, false}},
                     {"Command6", {0.0625, true}},  {"Command7", {0.0625, false}},
                     {"Command5", {0.03125, true}}, {"Command4", {0.03125, false}}};
        const char* options[] = {"Option1", "Option2", "Option3", "Option4", "Option5"};
        const QString keys = QStringLiteral("0123456789..--+eE&HOF/ ,°x");

        for (int i = 0; i < events; ++i) {
            QLineEdit* b = box(*window, kBoxes[rng() % kBoxes.size()]);
            const unsigned kind = rng() % 100;
            clock.start();
            if (kind < 30) {
                // One key: a character, or an editing key.
                b->setFocus();
                const unsigned k = rng() % (keys.size() + 8);
                if (k < unsigned(keys.size())) {
                    soak.note(
                        QStringLiteral("type '%1' into %2").arg(keys[k]).arg(b->objectName()));
                    typeText(b, QString(keys[k]));
                } else {
                    static const std::pair<Qt::Key, Qt::KeyboardModifiers> editing[] = {
                        {Qt::Key_Backspace, {}},
                        {Qt::Key_Delete, {}},
                        {Qt::Key_Left, {}},
                        {Qt::Key_Home, {}},
                        {Qt::Key_End, {}},
                        {Qt::Key_A, Qt::ControlModifier},
                        {Qt::Key_Z, Qt::ControlModifier},
                        {Qt::Key_Y, Qt::ControlModifier}};
                    const auto& [key, modifiers] = editing[k - keys.size()];
                    soak.note(QStringLiteral("key %1 in %2").arg(int(key)).arg(b->objectName()));
                    QTest::keyClick(b, key, modifiers);
                }
                soak.userWrote(b);
            } else if (kind < 40) {
                // Retyped key by key, as a person does.
                const QString text = texts[int(rng() % unsigned(texts.size()))].left(24);
                soak.note(QStringLiteral("retype %1 as \"%2\"").arg(b->objectName(), text));
                retypeText(b, text);
                soak.userWrote(b);
            } else if (kind < 46) {
                const QString text = texts[int(rng() % unsigned(texts.size()))];
                soak.note(QStringLiteral("set %1 to \"%2\"").arg(b->objectName(), text));
                b->setText(text);
                soak.userWrote(b);
            } else if (kind < 49) {
                const QString text = pastedText(rng);
                soak.note(QStringLiteral("paste 10,000 characters into %1: \"%2...\"")
                              .arg(b->objectName(), text.left(20)));
                b->setCursorPosition(int(rng() % unsigned(b->text().size() + 1)));
                b->insert(text);
                soak.userWrote(b);
            } else if (kind < 63) {
                const auto& step = steps[rng() % std::size(steps)];
                soak.note(QStringLiteral("press %1").arg(step.name));
                soak.pressStep(step.name, step.button);
            } else if (kind < 72) {
                const char* option = options[rng() % std::size(options)];
                soak.note(QStringLiteral("click %1").arg(option));
                QTest::mouseClick(control<QWidget>(*window, option), Qt::LeftButton);
            } else if (kind < 88) {
                const int action = int(rng() % 6);
                soak.note(QStringLiteral("angle bar action %1").arg(action));
                soak.moveBar(action, rng);
            } else if (kind < 92) {
                soak.note(QStringLiteral("click the isometric view"));
                QTest::mouseClick(control<QWidget>(*window, "Picture4"), Qt::LeftButton);
            } else if (kind < 97) {
                soak.note(QStringLiteral("Tab"));
                QTest::keyClick(
                    QApplication::focusWidget() ? QApplication::focusWidget() : window.get(),
                    Qt::Key_Tab);
            } else if (kind < 98) {
                soak.note(QStringLiteral("with the boxes back to sensible values"));
                for (const auto& [name, text] :
                     {std::pair{"Text4", "4.0 in."}, std::pair{"Text3", "0.75 in."},
                      std::pair{"Text2", "45°"}, std::pair{"Text1", "0.5 in."}}) {
                    box(*window, name)->setText(QString::fromUtf8(text));
                    soak.userWrote(box(*window, name));
                }
            } else if (kind < 99) {
                soak.note(QStringLiteral("click OK on the warning frame"));
                auto* ok = control<QPushButton>(*window, "Command12");
                if (ok->isVisible()) QTest::mouseClick(ok, Qt::LeftButton);
            } else {
                soak.note(QStringLiteral("print"));
                soak.printTo(pdf);
            }
            // What the event left for later, painting included.
            QCoreApplication::sendPostedEvents();
            slowest = std::max(slowest, clock.elapsed());
            if (clock.elapsed() > kHangMs)
                soak.fail(QStringLiteral("the event took %1 ms").arg(clock.elapsed()));
            soak.checkAll();
            if (!soak.failure.isEmpty()) {
                QStringList lines{
                    QStringLiteral("event %1 of seed %2: %3").arg(i).arg(seed).arg(soak.failure),
                    QStringLiteral("last events:")};
                for (const QString& e : soak.log) lines << QStringLiteral("  ") + e;
                QFAIL(qPrintable(lines.join('\n')));
            }
        }
        qInfo(
            "soak: slowest event %lld ms; %d recomputations, %d too wide, %d widths above 6 "
            "kept, %d blade warnings, angle bar %d writes and %d blocked, %d sheets printed "
            "(%d not, with a message)",
            slowest, soak.recomputes, soak.tooWide, soak.keptAboveSix, soak.bladeWarnings,
            soak.barWrites, soak.barBlocked, soak.prints, int(soak.told.size()));
    }
};

ARCWRIGHT_WINDOW_TEST_MAIN(SoakTest)
#include "soak_test.moc"
