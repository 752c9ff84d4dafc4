// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The eight step buttons, clicked on the real window: which box a press writes, what it
// writes, what it refuses, and the two flags it drives.
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>

#include "app/calculator/angle_scroll_bar.h"
#include "geometry/cove_solver.h"
#include "model/number_text.h"
#include "window_harness.h"

using namespace arcwright;
using namespace arcwright::testing;

namespace {

void press(const QWidget& w, const QString& name) {
    auto* button = control<QPushButton>(w, qPrintable(name));
    QVERIFY2(button, qPrintable(name));
    QVERIFY(button->isVisible() && button->isEnabled());
    QTest::mouseClick(button, Qt::LeftButton);
}

void select(const QWidget& w, const QString& name) {
    auto* option = control<QRadioButton>(w, qPrintable(name));
    QVERIFY(option->isVisible() && option->isEnabled());
    QTest::mouseClick(option, Qt::LeftButton);
    QVERIFY(option->isChecked());
}

const char* rowOf(const QString& option) {
    if (option == QLatin1String("Option1")) return "thickness";
    if (option == QLatin1String("Option3")) return "blade";
    return "width";
}

QString rowCaptions(const QWidget& w, const char* row) {
    if (qstrcmp(row, "thickness") == 0) {
        return captionsOf(w, {"Label29", "Label30", "Label31", "Label32", "Label33"});
    }
    if (qstrcmp(row, "blade") == 0) {
        return captionsOf(w, {"Label36", "Label37", "Label38", "Label39", "Label40"});
    }
    return captionsOf(w, {"Label28", "Label27", "Label26", "Label25", "Label24"});
}

const char* const kBoxes[] = {"Text4", "Text3", "Text1"};

}  // namespace

class StepButtonsTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Form1> window_;
    QLabel* warning() { return control<QLabel>(*window_, "Label1"); }
    AngleScrollBar* bar() { return control<AngleScrollBar>(*window_, "VScroll1"); }

  private slots:
    void init() {
        window_ = openWindow();
        QTest::mouseClick(control<QWidget>(*window_, "Command12"), Qt::LeftButton);
    }
    void cleanup() { window_.reset(); }

    // One press from a set-up. "written" is the target box's new text, empty for a
    // refused press, after which all three boxes must read as before. The flag columns
    // give the state of "Blade height high!" and the angle bar before and after.
    void onePress_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("width");
        QTest::addColumn<QString>("thickness");
        QTest::addColumn<QString>("blade");
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("warnedBefore");
        QTest::addColumn<bool>("barBefore");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("row");  // the target's read-out afterwards
        QTest::addColumn<bool>("warnedAfter");
        QTest::addColumn<bool>("barAfter");

        const QString W = QStringLiteral("Option2"), T = QStringLiteral("Option1"),
                      H = QStringLiteral("Option3");
        const QString refused;
        // clang-format off
        //                                                   opt  width      thickness  blade      button      warn   bar    written         row              warn   bar
        QTest::newRow("width 5.875 1/4+ over 6")        << W << "5.875" << "0.75" << "0.5"   << "Command9" << false << true  << refused << "5|7|/|8| in." << false << true;
        QTest::newRow("width 5.875 1/8+ reaches 6")     << W << "5.875" << "0.75" << "0.5"   << "Command2" << false << true  << "6.0 in." << "6|||| in." << false << true;
        QTest::newRow("width 6 1/32+ over 6")           << W << "6"     << "0.75" << "0.5"   << "Command5" << true  << false << refused << "6|||| in." << false << true;
        QTest::newRow("width 4 1/16+")                  << W << "4"     << "0.75" << "0.5"   << "Command6" << false << true  << "4.0625 in." << "4|1|/|16| in." << false << true;
        QTest::newRow("width 4 1/32- carries")          << W << "4"     << "0.75" << "0.5"   << "Command4" << true  << true  << "3.96875 in." << "4||||-in." << false << true;
        QTest::newRow("width 2.25 1/4- reaches 2")      << W << "2.25"  << "0.75" << "0.5"   << "Command8" << false << false << "2.0 in." << "2|||| in." << false << true;
        QTest::newRow("width 2.0625 1/4- under 2")      << W << "2.0625" << "0.75" << "0.5"  << "Command8" << false << false << refused << "2|1|/|16| in." << false << true;
        QTest::newRow("width 2.0625 1/8- slips under")  << W << "2.0625" << "0.75" << "0.5"  << "Command3" << false << false << "1.9375 in." << "1|15|/|16| in." << false << false;
        QTest::newRow("width 1.9375 1/4-")              << W << "1.9375" << "0.75" << "0.5"  << "Command8" << false << true  << refused << "1|15|/|16| in." << false << true;
        QTest::newRow("width 1.9375 1/8-")              << W << "1.9375" << "0.75" << "0.5"  << "Command3" << true  << true  << refused << "1|15|/|16| in." << false << true;
        QTest::newRow("width 1.9375 1/16-")             << W << "1.9375" << "0.75" << "0.5"  << "Command7" << false << false << refused << "1|15|/|16| in." << false << false;
        QTest::newRow("width 1.9375 1/32-")             << W << "1.9375" << "0.75" << "0.5"  << "Command4" << false << true  << refused << "1|15|/|16| in." << false << true;
        QTest::newRow("width 2 1/32- at the limit")     << W << "2"     << "0.75" << "0.5"   << "Command4" << false << true  << refused << "2|||| in." << false << true;
        QTest::newRow("width 2.03125 1/32- reaches 2")  << W << "2.03125" << "0.75" << "0.5" << "Command4" << false << true  << "2.0 in." << "2|||| in." << false << true;
        QTest::newRow("width empty 1/4+")               << W << ""      << "0.75" << "0.5"   << "Command9" << false << true  << "0.25 in." << "0|1|/|4| in." << false << true;
        QTest::newRow("width empty 1/16-")              << W << ""      << "0.75" << "0.5"   << "Command7" << false << true  << refused << "0|||| in." << false << true;
        QTest::newRow("width 5 1/2 1/4+")               << W << "5 1/2" << "0.75" << "0.5"   << "Command9" << false << true  << "5.75 in." << "5|3|/|4| in." << false << true;
        QTest::newRow("thickness 1.875 1/8+ reaches 2") << T << "4"     << "1.875" << "0.5"  << "Command2" << false << true  << "2.0 in." << "2|||| in." << false << true;
        QTest::newRow("thickness 2 1/4+")               << T << "4"     << "2"     << "0.5"  << "Command9" << false << false << refused << "2|||| in." << false << true;
        QTest::newRow("thickness 2 1/32+")              << T << "4"     << "2"     << "0.5"  << "Command5" << true  << true  << refused << "2|||| in." << false << true;
        QTest::newRow("thickness 1 1/2 1/8+")           << T << "4"     << "1 1/2" << "0.5"  << "Command2" << false << true  << "1.625 in." << "1|5|/|8| in." << false << true;
        QTest::newRow("thickness 0.75 1/32- too thin")  << T << "4"     << "0.75"  << "0.5"  << "Command4" << false << true  << refused << "|3|/|4| in." << true << false;
        QTest::newRow("thickness 0.75 1/4- too thin")   << T << "4"     << "0.75"  << "0.5"  << "Command8" << false << true  << refused << "|3|/|4| in." << true << false;
        QTest::newRow("thickness 1 1/4- leaves 1/4")    << T << "4"     << "1"     << "0.5"  << "Command8" << false << false << "0.75 in." << "|3|/|4| in." << false << true;
        QTest::newRow("thickness 0.75 1/8- blade 3/8")  << T << "4"     << "0.75"  << "0.375" << "Command3" << false << false << "0.625 in." << "|5|/|8| in." << false << false;
        QTest::newRow("thickness 0.75 1/16- blade 3/8") << T << "4"     << "0.75"  << "0.375" << "Command7" << true  << true  << "0.6875 in." << "|11|/|16| in." << false << true;
        QTest::newRow("thickness negative 1/16-")       << T << "4"     << "-0.5"  << "0.5"  << "Command7" << false << true  << refused << "-1|1|/|2| in." << false << true;
        QTest::newRow("thickness negative locked bar")  << T << "4"     << "-0.5"  << "0.5"  << "Command7" << true  << false << refused << "-1|1|/|2| in." << false << false;
        QTest::newRow("blade 0.5 1/32+ too high")       << H << "4"     << "0.75"  << "0.5"  << "Command5" << false << false << refused << "|1|/|2| in." << true << true;
        QTest::newRow("blade 0.375 1/8+ leaves 1/4")    << H << "4"     << "0.75"  << "0.375" << "Command2" << true << false << "0.5" << "|1|/|2| in." << false << true;
        QTest::newRow("blade 0.5 1/16+ plain text")     << H << "4"     << "1"     << "0.5"  << "Command6" << false << true  << "0.5625" << "|9|/|16| in." << false << true;
        QTest::newRow("blade 0.03125 1/32- to 0.0 in.") << H << "4"     << "0.75"  << "0.03125" << "Command4" << false << false << "0.0 in." << "|||| in." << false << false;
        QTest::newRow("blade 0.1 1/16- with unit")      << H << "4"     << "0.75"  << "0.1"  << "Command7" << false << true  << "0.0375 in." << "||||+in." << false << true;
        QTest::newRow("blade 0.25 1/4- to 0")           << H << "4"     << "0.75"  << "0.25" << "Command8" << false << false << "0" << "|||| in." << false << true;
        QTest::newRow("blade 0.375 1/4- plain text")    << H << "4"     << "0.75"  << "0.375" << "Command8" << true << true  << "0.125" << "|1|/|8| in." << false << true;
        QTest::newRow("blade 0.1 1/8- below 0")         << H << "4"     << "0.75"  << "0.1"  << "Command3" << false << false << refused << "|1|/|8|-in." << false << false;
        QTest::newRow("blade 0.1 1/4- below 0")         << H << "4"     << "0.75"  << "0.1"  << "Command8" << true  << false << refused << "|1|/|8|-in." << false << true;
        // clang-format on
    }
    void onePress() {
        QFETCH(QString, option);
        QFETCH(QString, width);
        QFETCH(QString, thickness);
        QFETCH(QString, blade);
        QFETCH(QString, button);
        QFETCH(bool, warnedBefore);
        QFETCH(bool, barBefore);
        QFETCH(QString, written);
        QFETCH(QString, row);
        QFETCH(bool, warnedAfter);
        QFETCH(bool, barAfter);

        select(*window_, option);
        box(*window_, "Text4")->setText(width);
        box(*window_, "Text3")->setText(thickness);
        box(*window_, "Text1")->setText(blade);
        // The two flags as earlier presses may have left them.
        warning()->setVisible(warnedBefore);
        bar()->setEnabled(barBefore);

        const QStringList before{box(*window_, "Text4")->text(), box(*window_, "Text3")->text(),
                                 box(*window_, "Text1")->text()};
        std::vector<std::unique_ptr<QSignalSpy>> spies;
        for (const char* name : kBoxes) {
            spies.push_back(
                std::make_unique<QSignalSpy>(box(*window_, name), &QLineEdit::textChanged));
        }
        const int calls = Form1::TestAccess::isoViewCalls(*window_);

        press(*window_, button);

        const bool accepted = !written.isEmpty();
        const char* target = option == QLatin1String("Option1")   ? "Text3"
                             : option == QLatin1String("Option3") ? "Text1"
                                                                  : "Text4";
        for (std::size_t i = 0; i < std::size(kBoxes); ++i) {
            const bool isTarget = qstrcmp(kBoxes[i], target) == 0;
            // Only the target box is ever written, and only once.
            QCOMPARE(spies[i]->count(), isTarget && accepted ? 1 : 0);
            QCOMPARE(box(*window_, kBoxes[i])->text(),
                     isTarget && accepted ? written : before[int(i)]);
        }
        // The write's own change handling is the one recomputation.
        QCOMPARE(Form1::TestAccess::isoViewCalls(*window_), accepted ? calls + 1 : calls);
        if (accepted) QCOMPARE(caption(*window_, "Label4"), expectedCutWidth(*window_));
        QCOMPARE(rowCaptions(*window_, rowOf(option)), row);
        QCOMPARE(!warning()->isHidden(), warnedAfter);
        QCOMPARE(bar()->isEnabled(), barAfter);
    }

    // The flags carried across presses. After each press the trace records
    // "W" or "-" for the warning and "E" or "D" for the angle bar.
    void flagsAcrossPresses_data() {
        QTest::addColumn<QStringList>("actions");  // option names select, others press
        QTest::addColumn<QString>("trace");

        QTest::newRow("refused thinning locks the bar until a plus")
            << QStringList{"Option1",  "Command4", "Option2", "Command3",
                           "Command7", "Command4", "Command9"}
            << "WD -D -D -D -E";
        QTest::newRow("quarter minus on the width frees the bar")
            << QStringList{"Option1", "Command4", "Option2", "Command8"} << "WD -E";
        QTest::newRow("quarter minus on the thickness locks it again")
            << QStringList{"Option1", "Command3", "Command8", "Command7"} << "WD WD WD";
        QTest::newRow("blade steps under a locked bar")
            << QStringList{"Option1", "Command7", "Option3", "Command4", "Command2", "Command4"}
            << "WD -D WE -E";
        QTest::newRow("refused raise keeps the bar free")
            << QStringList{"Option3", "Command5", "Command7", "Command6", "Command6"}
            << "WE -E -E WE";
    }
    void flagsAcrossPresses() {
        QFETCH(QStringList, actions);
        QFETCH(QString, trace);
        QStringList seen;
        for (const QString& action : actions) {
            if (action.startsWith(QLatin1String("Option"))) {
                select(*window_, action);
                continue;
            }
            press(*window_, action);
            seen << QStringLiteral("%1%2").arg(
                QChar(warning()->isHidden() ? QLatin1Char('-') : QLatin1Char('W')),
                QChar(bar()->isEnabled() ? QLatin1Char('E') : QLatin1Char('D')));
        }
        QCOMPARE(seen.join(QLatin1Char(' ')), trace);
    }

    // A typed change of the blade height hides the warning but leaves the bar locked.
    void typingHidesTheWarningOnly() {
        select(*window_, "Option1");
        press(*window_, "Command4");
        QVERIFY(!warning()->isHidden());
        retype(box(*window_, "Text1"), QStringLiteral("0.25"));
        QVERIFY(warning()->isHidden());
        QVERIFY(!bar()->isEnabled());
    }

    // With the thickness as target no button writes the width or the blade height,
    // whatever it decides: up to the 2 in. limit, then down to 1/4 in. above the blade.
    void thicknessTargetWritesOnlyItsBox() {
        select(*window_, "Option1");
        box(*window_, "Text3")->setText(QStringLiteral("1.5"));
        QSignalSpy width(box(*window_, "Text4"), &QLineEdit::textChanged);
        QSignalSpy blade(box(*window_, "Text1"), &QLineEdit::textChanged);
        QSignalSpy thickness(box(*window_, "Text3"), &QLineEdit::textChanged);
        const QStringList presses{"Command9", "Command9", "Command5", "Command2", "Command6",
                                  "Command8", "Command3", "Command7", "Command4", "Command8",
                                  "Command8", "Command8", "Command8", "Command4", "Command4"};
        for (const QString& name : presses) press(*window_, name);
        QCOMPARE(width.count(), 0);
        QCOMPARE(blade.count(), 0);
        QCOMPARE(box(*window_, "Text4")->text(), QStringLiteral("4.0 in."));
        QCOMPARE(box(*window_, "Text1")->text(), QStringLiteral("0.5 in."));
        QCOMPARE(thickness.count(), 10);
        QCOMPARE(box(*window_, "Text3")->text(), QStringLiteral("0.75 in."));
        QVERIFY(!warning()->isHidden());
        QVERIFY(!bar()->isEnabled());
    }
};

ARCWRIGHT_WINDOW_TEST_MAIN(StepButtonsTest)
#include "step_buttons_test.moc"
