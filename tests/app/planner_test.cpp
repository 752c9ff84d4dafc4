// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The cove planner on the real window: opened from the calculator, worked on every
// keystroke, and its set-up handed back to the calculator's boxes.
#include "app/planner/planner.h"

#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

#include "app/widgets/controls.h"
#include "app/widgets/fitted_drawing.h"
#include "plan/cove_plan.h"
#include "plan/length_text.h"
#include "window_harness.h"

using namespace arcwright;
using namespace arcwright::testing;

namespace {

constexpr std::array<const char*, 7> kBoxes{
    "planCoveWidth",     "planCoveDepth", "planBoardWidth", "planBoardThickness",
    "planBladeDiameter", "planKerf",      "planPassDepth"};

// Everything the calculator shows, to prove the planner leaves it alone.
QStringList calculatorState(const QWidget& window) {
    QStringList state;
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (!label->window()->inherits("arcwright::Planner")) {
            state << label->objectName() + QLatin1Char('=') + label->text();
        }
    }
    for (const char* name : {"Text1", "Text2", "Text3", "Text4"})
        state << box(window, name)->text();
    return state;
}

// Every text the planner shows, but for the label named `except`.
QStringList plannerTexts(const Planner& planner, const QString& except = {}) {
    QStringList texts;
    for (const QLabel* label : planner.findChildren<QLabel*>()) {
        if (label->objectName() != except || except.isEmpty()) texts << label->text();
    }
    const auto* table = planner.findChild<QTableWidget*>(QStringLiteral("planPasses"));
    for (int r = 0; r < table->rowCount(); ++r) {
        for (int c = 0; c < table->columnCount(); ++c) texts << table->item(r, c)->text();
    }
    return texts;
}

// What the planner worked out, without its status line.
QStringList resultTexts(const Planner& planner) {
    return plannerTexts(planner, QStringLiteral("planStatus"));
}

// A click on a round button's circle, where a person clicks it.
void choose(QRadioButton* option) {
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
}

bool showsNonFinite(const QStringList& texts) {
    for (const QString& t : texts) {
        const QString lower = t.toLower();
        if (lower.contains(QLatin1String("nan")) || lower.contains(QLatin1String("inf"))) {
            return true;
        }
    }
    return false;
}

}  // namespace

class PlannerTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Form1> window_;

    Planner* openPlanner() { return testing::openPlanner(*window_); }
    static QString text(const Planner& planner, const char* label) {
        return caption(planner, label);
    }
    // The worked example: a 3-in. cove 5/8 in. deep on a 10-in. blade with a 1/8-in. kerf.
    Planner* workedExample() {
        Planner* planner = openPlanner();
        retype(box(*planner, "planCoveWidth"), QStringLiteral("3"));
        retype(box(*planner, "planCoveDepth"), QStringLiteral("5/8"));
        retype(box(*planner, "planBoardWidth"), QStringLiteral("4 1/2"));
        retype(box(*planner, "planBoardThickness"), QStringLiteral("1 1/4"));
        return planner;
    }

  private slots:
    void init() {
        window_ = openWindow();
        control<QPushButton>(*window_, "Command12")->click();  // the safety note
    }
    void cleanup() { window_.reset(); }

    void buttonSitsUnderPrint() {
        auto* button = control<QPushButton>(*window_, "CommandPlan");
        QVERIFY(button && button->isVisible());
        QCOMPARE(button->text(), QStringLiteral("Plan a Cove..."));
        QCOMPARE(button->geometry(),
                 QRect(look::px(9240), look::px(4155), look::px(1215), look::px(435)));
        QCOMPARE(button->font(), window_->font());
        QVERIFY(!button->accessibleName().isEmpty());
        QVERIFY(!button->toolTip().isEmpty());
    }

    void opensFilledFromTheCalculator() {
        Planner* planner = openPlanner();
        QVERIFY(planner && planner->isVisible());
        QCOMPARE(planner->windowTitle(), QStringLiteral("Plan a Cove"));
        const QStringList filled{QStringLiteral("3.082"),   QStringLiteral("0.5"),
                                 QStringLiteral("4.0"),     QStringLiteral("0.75"),
                                 QStringLiteral("10 in."),  QStringLiteral("1/8 in."),
                                 QStringLiteral("1/16 in.")};
        for (std::size_t i = 0; i < kBoxes.size(); ++i) {
            QCOMPARE(box(*planner, kBoxes[i])->text(), filled[static_cast<int>(i)]);
        }
        // The calculator's 3.082 in. cut, 1/2 in. deep, on a blade with a kerf.
        const PlanResult expected = solve({3.082, 0.5, 4, 0.75, 10, 0.125, 0.0625});
        QCOMPARE(text(*planner, "planAngle"),
                 QString::fromStdString(formatNumber(expected.angleDeg, "0.0°")));
        QCOMPARE(text(*planner, "planStatus"), QString());
    }

    void oneInstanceRaisedOnSecondClick() {
        Planner* planner = openPlanner();
        retype(box(*planner, "planCoveWidth"), QStringLiteral("2"));
        window_->activateWindow();
        QApplication::setActiveWindow(window_.get());
        QCOMPARE(openPlanner(), planner);
        QCOMPARE(window_->findChildren<Planner*>().size(), qsizetype(1));
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(planner));
        QCOMPARE(box(*planner, "planCoveWidth")->text(), QStringLiteral("2"));  // kept
        // Closed and opened again, it takes the calculator's boxes as they are then.
        planner->close();
        retype(box(*window_, "Text1"), QStringLiteral("0.25"));
        QCOMPARE(openPlanner(), planner);
        QCOMPARE(box(*planner, "planCoveDepth")->text(), QStringLiteral("0.25"));
        QCOMPARE(caption(*window_, "Label4"), QStringLiteral("2.208 in."));
        QCOMPARE(box(*planner, "planCoveWidth")->text(), QStringLiteral("2.208"));
    }

    void tooWideCutLeavesTheCoveWidthEmpty() {
        retype(box(*window_, "Text4"), QStringLiteral("3"));
        QCOMPARE(caption(*window_, "Label4"), QString());
        Planner* planner = openPlanner();
        QCOMPARE(box(*planner, "planCoveWidth")->text(), QString());
        QVERIFY(text(*planner, "planStatus").startsWith(QStringLiteral("Cove width")));
    }

    void worksOutEveryKeystroke() {
        Planner* planner = workedExample();
        QCOMPARE(text(*planner, "planAngle"), QStringLiteral("36.8°"));
        QLineEdit* kerf = box(*planner, "planKerf");
        kerf->setFocus();
        kerf->selectAll();
        QTest::keyClick(kerf, Qt::Key_Backspace);
        QVERIFY(text(*planner, "planStatus").startsWith(QStringLiteral("Kerf")));
        QCOMPARE(text(*planner, "planAngle"), QStringLiteral("36.8°"));  // kept while bad
        // Each keystroke of "0.125": the angle walks from the ideal blade's to the real one's.
        const QStringList angles{"38.3°", "38.3°", "37.1°", "36.9°", "36.8°"};
        const QString typed = QStringLiteral("0.125");
        for (int i = 0; i < typed.size(); ++i) {
            QTest::keyClick(kerf, typed.at(i).toLatin1());
            QCOMPARE(text(*planner, "planAngle"), angles[i]);
            QCOMPARE(text(*planner, "planStatus"), QString());
        }
        QCOMPARE(text(*planner, "planComplement"), QStringLiteral("53.2°"));
        QCOMPARE(text(*planner, "planBladeHeight"), QStringLiteral("0.625 in. (5/8 in.)"));
        QCOMPARE(text(*planner, "planFenceOffset"), QStringLiteral("0.75 in. (3/4 in.)"));
    }

    void readsUnitsAndFractions_data() {
        QTest::addColumn<QString>("boxName");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("angle");
        const auto row = [](const char* name, const char* boxName, const char* typed,
                            const char* angle) {
            QTest::newRow(name) << QString::fromLatin1(boxName) << QString::fromUtf8(typed)
                                << QString::fromUtf8(angle);
        };
        row("millimetres", "planCoveWidth", "76.2 mm", "36.8°");
        row("centimetres", "planCoveWidth", "7.62 cm", "36.8°");
        row("inches word", "planCoveWidth", "3 inches", "36.8°");
        row("mixed fraction", "planCoveWidth", "2 1/2", "29.6°");
        row("dashed fraction depth", "planCoveDepth", "0-5/8", "36.8°");
        row("no kerf", "planKerf", "0", "38.3°");
        row("thin kerf in mm", "planKerf", "2.4mm", "37.2°");
        row("8-in. blade", "planBladeDiameter", "8", "42.6°");
    }
    void readsUnitsAndFractions() {
        QFETCH(QString, boxName);
        QFETCH(QString, typed);
        QFETCH(QString, angle);
        Planner* planner = workedExample();
        retype(box(*planner, qPrintable(boxName)), typed);
        QCOMPARE(text(*planner, "planAngle"), angle);
        QCOMPARE(text(*planner, "planStatus"), QString());
    }

    void switchesUnits() {
        Planner* planner = workedExample();
        choose(control<QRadioButton>(*planner, "planMillimetres"));
        QCOMPARE(planner->model().unit(), LengthUnit::Millimetre);
        QCOMPARE(box(*planner, "planCoveWidth")->text(), QStringLiteral("76.2 mm"));
        QCOMPARE(box(*planner, "planKerf")->text(), QStringLiteral("3.175 mm"));
        QCOMPARE(text(*planner, "planAngle"), QStringLiteral("36.8°"));
        QCOMPARE(text(*planner, "planBladeHeight"), QStringLiteral("15.9 mm"));
        const auto* table = planner->findChild<QTableWidget*>(QStringLiteral("planPasses"));
        QCOMPARE(table->item(table->rowCount() - 1, 1)->text(), QStringLiteral("15.9 mm"));
        // A bare number now reads as millimetres.
        retype(box(*planner, "planCoveWidth"), QStringLiteral("76.2"));
        QCOMPARE(text(*planner, "planAngle"), QStringLiteral("36.8°"));
        choose(control<QRadioButton>(*planner, "planInches"));
        QCOMPARE(box(*planner, "planCoveWidth")->text(), QStringLiteral("3.0"));
        QCOMPARE(text(*planner, "planBladeHeight"), QStringLiteral("0.625 in. (5/8 in.)"));
    }

    void badTextMarksTheBox_data() {
        QTest::addColumn<QString>("boxName");
        QTest::addColumn<QString>("named");
        QTest::newRow("cove width") << "planCoveWidth"
                                    << "Cove width";
        QTest::newRow("cove depth") << "planCoveDepth"
                                    << "Cove depth";
        QTest::newRow("board width") << "planBoardWidth"
                                     << "Board width";
        QTest::newRow("board thickness") << "planBoardThickness"
                                         << "Board thickness";
        QTest::newRow("blade diameter") << "planBladeDiameter"
                                        << "Blade diameter";
        QTest::newRow("kerf") << "planKerf"
                              << "Kerf";
        QTest::newRow("pass depth") << "planPassDepth"
                                    << "Depth per pass";
    }
    void badTextMarksTheBox() {
        QFETCH(QString, boxName);
        QFETCH(QString, named);
        Planner* planner = workedExample();
        const QStringList before = resultTexts(*planner);
        QLineEdit* edit = box(*planner, qPrintable(boxName));
        const QString good = edit->text();
        for (const QString& bad : {QStringLiteral("abc"), QStringLiteral("3 ft"),
                                   QStringLiteral("1/0"), QStringLiteral("-2")}) {
            edit->setText(bad);  // pasted: one change, from good text to bad
            QCOMPARE(edit->palette().color(QPalette::Base), look::kPink);
            const QString status = text(*planner, "planStatus");
            QVERIFY2(status.startsWith(named) && status.contains(QStringLiteral("3 1/2")),
                     qPrintable(status));
            QVERIFY(!control<QPushButton>(*planner, "planApply")->isEnabled());
            QCOMPARE(resultTexts(*planner), before);  // nothing else changes
        }
        retype(edit, good);
        QCOMPARE(edit->palette().color(QPalette::Base), look::kWhite);
        QCOMPARE(text(*planner, "planStatus"), QString());
    }

    // Every reason the cove cannot be cut, in one sentence that names the way out.
    void saysWhyItCannot_data() {
        QTest::addColumn<QString>("boxName");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("sentence");
        QTest::addColumn<bool>("hasAngle");
        QTest::newRow("no blade") << "planBladeDiameter"
                                  << "0"
                                  << "diameter above 0" << false;
        QTest::newRow("kerf as wide as blade") << "planKerf"
                                               << "10"
                                               << "less than the" << false;
        QTest::newRow("no board") << "planBoardWidth"
                                  << "0"
                                  << "width and thickness" << false;
        QTest::newRow("no depth") << "planCoveDepth"
                                  << "0"
                                  << "cove depth above 0" << false;
        QTest::newRow("past the axle") << "planCoveDepth"
                                       << "5 1/2"
                                       << "no deeper than its radius, 5.0 in." << false;
        QTest::newRow("no width") << "planCoveWidth"
                                  << "0"
                                  << "cove width above 0" << false;
        QTest::newRow("narrower than kerf") << "planCoveWidth"
                                            << "0.1"
                                            << "the teeth cut 0.125 in." << false;
        QTest::newRow("wider than reach") << "planCoveWidth"
                                          << "4.9"
                                          << "cuts at most 4.8428 in. wide" << false;
        QTest::newRow("wider than board") << "planBoardWidth"
                                          << "2.5"
                                          << "wider than the board (2.5 in.)" << true;
        QTest::newRow("through the board") << "planBoardThickness"
                                           << "5/8"
                                           << "back of a 0.625 in. board" << true;
        QTest::newRow("no pass depth") << "planPassDepth"
                                       << "0"
                                       << "between passes" << true;
        QTest::newRow("too many passes") << "planPassDepth"
                                         << "0.0001"
                                         << "more than 500 passes" << true;
    }
    void saysWhyItCannot() {
        QFETCH(QString, boxName);
        QFETCH(QString, typed);
        QFETCH(QString, sentence);
        QFETCH(bool, hasAngle);
        Planner* planner = workedExample();
        const QStringList before = calculatorState(*window_);
        retype(box(*planner, qPrintable(boxName)), typed);
        const QString status = text(*planner, "planStatus");
        QVERIFY2(status.contains(sentence), qPrintable(status));
        QCOMPARE(text(*planner, "planAngle").isEmpty(), !hasAngle);
        QCOMPARE(planner->findChild<QTableWidget*>()->rowCount(), 0);
        QVERIFY(!control<QPushButton>(*planner, "planApply")->isEnabled());
        QVERIFY(!showsNonFinite(plannerTexts(*planner)));
        QCOMPARE(calculatorState(*window_), before);
    }

    void leavesTheCalculatorAloneUntilUsed() {
        const QStringList before = calculatorState(*window_);
        Planner* planner = workedExample();
        choose(control<QRadioButton>(*planner, "planMillimetres"));
        retype(box(*planner, "planKerf"), QStringLiteral("abc"));
        QCOMPARE(calculatorState(*window_), before);
    }

    void usedInTheCalculator_data() {
        QTest::addColumn<QString>("kerf");
        QTest::addColumn<QString>("angle");
        QTest::addColumn<QString>("note");
        QTest::newRow("real blade") << "1/8"
                                    << "36.8°"
                                    << "10 in. blade with no kerf";
        QTest::newRow("ideal blade") << "0"
                                     << "38.3°"
                                     << "has this set-up and shows a cut";
    }
    void usedInTheCalculator() {
        QFETCH(QString, kerf);
        QFETCH(QString, angle);
        QFETCH(QString, note);
        Planner* planner = workedExample();
        retype(box(*planner, "planKerf"), kerf);
        QTest::mouseClick(control<QPushButton>(*planner, "planApply"), Qt::LeftButton);
        QCOMPARE(box(*window_, "Text4")->text(), QStringLiteral("4.5 in."));
        QCOMPARE(box(*window_, "Text3")->text(), QStringLiteral("1.25 in."));
        QCOMPARE(box(*window_, "Text1")->text(), QStringLiteral("0.625 in."));
        QCOMPARE(box(*window_, "Text2")->text(), angle);
        // The calculator worked the set-up out through its own change handling.
        const QString cut = caption(*window_, "Label4");
        QCOMPARE(cut, expectedCutWidth(*window_));
        QVERIFY(!cut.isEmpty());
        const QString said = text(*planner, "planNote");
        QVERIFY2(said.contains(note) && said.contains(cut), qPrintable(said));
        // The ideal blade at the rounded angle cuts what the planner asked for, near enough;
        // the real set-up on the ideal blade comes out narrower than the real blade cuts.
        const double shown = leadingNumber(cut.toStdString());
        if (kerf == QLatin1String("0")) {
            QVERIFY(std::fabs(shown - 3.0) < 0.01);
        } else {
            QVERIFY(shown < 3.0 - 0.05);
        }
    }

    void showsNoNonFiniteNumber_data() {
        QTest::addColumn<QString>("typed");
        for (const char* t :
             {"1e308", "1e-320", "99999999999", "0.0000001", "nan", "inf", "1e999", "5", "0"}) {
            QTest::newRow(t) << QString::fromLatin1(t);
        }
    }
    void showsNoNonFiniteNumber() {
        QFETCH(QString, typed);
        Planner* planner = workedExample();
        for (const char* name : kBoxes) {
            QLineEdit* edit = box(*planner, name);
            const QString was = edit->text();
            retype(edit, typed);
            QVERIFY2(!showsNonFinite(plannerTexts(*planner)), name);
            retype(edit, was);
        }
    }

    void passesAndEndView() {
        Planner* planner = workedExample();
        const auto* table = planner->findChild<QTableWidget*>(QStringLiteral("planPasses"));
        QCOMPARE(table->rowCount(), 10);
        QCOMPARE(table->item(0, 0)->text(), QStringLiteral("1"));
        QCOMPARE(table->item(0, 1)->text(), QStringLiteral("0.0625 in. (1/16 in.)"));
        QCOMPARE(table->item(9, 1)->text(), QStringLiteral("0.625 in. (5/8 in.)"));
        QCOMPARE(table->item(9, 2)->text(), QStringLiteral("3.0 in."));
        // Something was painted where the cove is.
        const QImage picture = planner->findChild<FittedDrawing*>()->grab().toImage();
        QVERIFY(picture.pixelColor(picture.width() / 2, picture.height() / 2) != look::kTeal);
    }

    // Keyboard only: Tab visits every input, the units, the table and the buttons, and each
    // has words for screen readers.
    void keyboardAndWords() {
        Planner* planner = openPlanner();
        QApplication::setActiveWindow(planner);
        QLineEdit* first = box(*planner, "planCoveWidth");
        first->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(first));
        QStringList visited{first->objectName()};
        for (int i = 0; i < 14; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        const QStringList expected{"planCoveWidth",      "planCoveDepth",     "planBoardWidth",
                                   "planBoardThickness", "planBladeDiameter", "planKerf",
                                   "planPassDepth",      "planInches",        "planEndView",
                                   "planPasses",         "planApply",         "planPrint",
                                   "planPreview",        "planAtSaw",         "planCoveWidth"};
        QCOMPARE(visited, expected);
        for (QWidget* w : planner->findChildren<QWidget*>()) {
            if (!(w->focusPolicy() & Qt::TabFocus) || w->objectName().isEmpty()) continue;
            QVERIFY2(!w->accessibleName().isEmpty(), qPrintable(w->objectName()));
            QVERIFY2(!w->toolTip().isEmpty(), qPrintable(w->objectName()));
        }
        // Space on "Use in Calculator" hands the set-up over.
        control<QPushButton>(*planner, "planApply")->setFocus();
        QTest::keyClick(control<QPushButton>(*planner, "planApply"), Qt::Key_Space);
        QTRY_VERIFY(!text(*planner, "planNote").isEmpty());
    }
};

ARCWRIGHT_WINDOW_TEST_MAIN(PlannerTest)
#include "planner_test.moc"
