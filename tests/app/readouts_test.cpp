// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The shop-fraction read-outs below the length boxes: the adjustment target's row after
// every recomputation, all three rows when the resolution is switched.
#include <QRadioButton>

#include "app/widgets/drawing_surface.h"
#include "window_harness.h"

using namespace arcwright;
using namespace arcwright::testing;

namespace {

QString widthRow(const QWidget& w) {
    return captionsOf(w, {"Label28", "Label27", "Label26", "Label25", "Label24"});
}
QString thicknessRow(const QWidget& w) {
    return captionsOf(w, {"Label29", "Label30", "Label31", "Label32", "Label33"});
}
QString bladeRow(const QWidget& w) {
    return captionsOf(w, {"Label36", "Label37", "Label38", "Label39", "Label40"});
}
QString cutRow(const QWidget& w) {
    return captionsOf(w, {"Label5", "Label6", "Label7", "Label8", "Label9"});
}

// What the window shows before any refresh of a row.
const QString kDesignWidth = QStringLiteral("4|||| in.");  // already refreshed at start-up
const QString kDesignThickness = QStringLiteral("|3|/|4|in.");
const QString kDesignBlade = QStringLiteral("|1|/|2|in.");

void clickOption(const QWidget& w, const char* name) {
    auto* option = control<QRadioButton>(w, name);
    QVERIFY(option->isVisible() && option->isEnabled());
    QTest::mouseClick(option, Qt::LeftButton);
    QVERIFY(option->isChecked());
}

}  // namespace

class ReadoutsTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Form1> window_;

  private slots:
    void init() {
        window_ = openWindow();
        QTest::mouseClick(control<QWidget>(*window_, "Command12"), Qt::LeftButton);
    }
    void cleanup() { window_.reset(); }

    // One box write, one recomputation: only the target's row is rewritten, then the
    // isometric view is asked for exactly once, warnings or not.
    void adjustedRowFollowsItsBox_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("boxName");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("width");
        QTest::addColumn<QString>("thickness");
        QTest::addColumn<QString>("blade");

        QTest::newRow("width 4") << "Option2"
                                 << "Text4"
                                 << "4" << kDesignWidth << kDesignThickness << kDesignBlade;
        QTest::newRow("width 0.3 keeps its zero whole")
            << "Option2"
            << "Text4"
            << "0.3"
            << "0|5|/|16|-in." << kDesignThickness << kDesignBlade;
        QTest::newRow("width 3.5 too wide still refreshed")
            << "Option2"
            << "Text4"
            << "3.5"
            << "3|1|/|2| in." << kDesignThickness << kDesignBlade;
        QTest::newRow("width 4.03 below one unit")
            << "Option2"
            << "Text4"
            << "4.03"
            << "4||||+in." << kDesignThickness << kDesignBlade;
        QTest::newRow("width not a number") << "Option2"
                                            << "Text4"
                                            << "abc"
                                            << "0|||| in." << kDesignThickness << kDesignBlade;
        QTest::newRow("width 5 1/2 typed as a fraction")
            << "Option2"
            << "Text4"
            << "5 1/2"
            << "5|1|/|2| in." << kDesignThickness << kDesignBlade;
        QTest::newRow("thickness 0.8 rounds up")
            << "Option1"
            << "Text3"
            << "0.8" << kDesignWidth << "|13|/|16|-in." << kDesignBlade;
        QTest::newRow("thickness 0.07 rounds down")
            << "Option1"
            << "Text3"
            << "0.07" << kDesignWidth << "|1|/|16|+in." << kDesignBlade;
        QTest::newRow("thickness 2.97 carries")
            << "Option1"
            << "Text3"
            << "2.97" << kDesignWidth << "3||||-in." << kDesignBlade;
        QTest::newRow("thickness 0.75 exact")
            << "Option1"
            << "Text3"
            << "0.75" << kDesignWidth << "|3|/|4| in." << kDesignBlade;
        QTest::newRow("blade 0.53") << "Option3"
                                    << "Text1"
                                    << "0.53" << kDesignWidth << kDesignThickness << "|1|/|2|+in.";
        QTest::newRow("blade empty reads 0")
            << "Option3"
            << "Text1"
            << "" << kDesignWidth << kDesignThickness << "|||| in.";
        QTest::newRow("thickness changed, width selected")
            << "Option2"
            << "Text3"
            << "0.8" << kDesignWidth << kDesignThickness << kDesignBlade;
        QTest::newRow("blade changed, thickness selected")
            << "Option1"
            << "Text1"
            << "0.3" << kDesignWidth << "|3|/|4| in." << kDesignBlade;
        QTest::newRow("angle changed, blade selected")
            << "Option3"
            << "Text2"
            << "30" << kDesignWidth << kDesignThickness << "|1|/|2| in.";
    }
    void adjustedRowFollowsItsBox() {
        QFETCH(QString, option);
        QFETCH(QString, boxName);
        QFETCH(QString, text);
        QFETCH(QString, width);
        QFETCH(QString, thickness);
        QFETCH(QString, blade);

        const int calls = Form1::TestAccess::isoViewCalls(*window_);
        clickOption(*window_, qPrintable(option));
        // Choosing a target refreshes nothing by itself.
        QCOMPARE(Form1::TestAccess::isoViewCalls(*window_), calls);
        QCOMPARE(widthRow(*window_), kDesignWidth);
        QCOMPARE(thicknessRow(*window_), kDesignThickness);
        QCOMPARE(bladeRow(*window_), kDesignBlade);

        box(*window_, qPrintable(boxName))->setText(text);
        QCOMPARE(Form1::TestAccess::isoViewCalls(*window_), calls + 1);
        QCOMPARE(widthRow(*window_), width);
        QCOMPARE(thicknessRow(*window_), thickness);
        QCOMPARE(bladeRow(*window_), blade);
    }

    // A row not selected shows what it showed when last refreshed, not its box.
    void unselectedRowKeepsItsLastRefresh() {
        clickOption(*window_, "Option1");
        box(*window_, "Text3")->setText(QStringLiteral("0.8"));
        QCOMPARE(thicknessRow(*window_), QStringLiteral("|13|/|16|-in."));
        clickOption(*window_, "Option2");
        box(*window_, "Text3")->setText(QStringLiteral("1.5"));
        box(*window_, "Text4")->setText(QStringLiteral("4.5"));
        QCOMPARE(thicknessRow(*window_), QStringLiteral("|13|/|16|-in."));
        QCOMPARE(widthRow(*window_), QStringLiteral("4|1|/|2| in."));
        clickOption(*window_, "Option1");
        QCOMPARE(thicknessRow(*window_), QStringLiteral("|13|/|16|-in."));
        box(*window_, "Text2")->setText(QStringLiteral("40"));
        QCOMPARE(thicknessRow(*window_), QStringLiteral("1|1|/|2| in."));
        QCOMPARE(widthRow(*window_), QStringLiteral("4|1|/|2| in."));
    }

    // Each keystroke is a recomputation of its own, each with one isometric call.
    void everyKeystrokeRefreshesTheRow() {
        clickOption(*window_, "Option1");
        const int calls = Form1::TestAccess::isoViewCalls(*window_);
        retype(box(*window_, "Text3"), QStringLiteral("0.8"));  // "", "0", "0.", "0.8"
        QCOMPARE(Form1::TestAccess::isoViewCalls(*window_), calls + 4);
        QCOMPARE(thicknessRow(*window_), QStringLiteral("|13|/|16|-in."));
    }

    // Choosing a resolution rewrites all three rows from the boxes as they stand, with
    // the spaced marks, and recomputes and redraws nothing.
    void resolutionRewritesAllRows_data() {
        QTest::addColumn<QString>("widthText");
        QTest::addColumn<QString>("thicknessText");
        QTest::addColumn<QString>("bladeText");
        QTest::addColumn<QStringList>("options");  // clicked in this order
        QTest::addColumn<int>("minFraction");
        QTest::addColumn<QString>("width");
        QTest::addColumn<QString>("thickness");
        QTest::addColumn<QString>("blade");

        const QStringList to32{QStringLiteral("Option5")};
        const QStringList to32and16{QStringLiteral("Option5"), QStringLiteral("Option4")};
        QTest::newRow("start-up set-up at 32nds") << "4.0 in."
                                                  << "0.75 in."
                                                  << "0.5 in." << to32 << 32 << "4|||| in."
                                                  << "|3|/|4| in"
                                                  << "|1|/|2| in.";
        QTest::newRow("thickness 0.8 at 32nds") << "4"
                                                << "0.8"
                                                << "0.5" << to32 << 32 << "4|||| in."
                                                << "|13|/|16|- in."
                                                << "|1|/|2| in.";
        QTest::newRow("thickness 0.8 back at 16ths") << "4"
                                                     << "0.8"
                                                     << "0.5" << to32and16 << 16 << "4|||| in."
                                                     << "|13|/|16|- in."
                                                     << "|1|/|2| in.";
        QTest::newRow("width 0.3 loses its zero whole") << "0.3"
                                                        << "0.75"
                                                        << "0.5" << to32 << 32 << "|5|/|16|- in."
                                                        << "|3|/|4| in"
                                                        << "|1|/|2| in.";
        QTest::newRow("width 4.03 below one 32nd") << "4.03"
                                                   << "0.75"
                                                   << "0.5" << to32 << 32 << "4||||+in."
                                                   << "|3|/|4| in"
                                                   << "|1|/|2| in.";
        QTest::newRow("odd 32nds stay unreduced") << "1.28125"
                                                  << "0.97"
                                                  << "0.03125" << to32 << 32 << "1|9|/|32| in."
                                                  << "|31|/|32|+ in."
                                                  << "|1|/|32| in.";
        QTest::newRow("same values at 16ths") << "1.28125"
                                              << "0.97"
                                              << "0.03125" << to32and16 << 16 << "1|5|/|16|- in."
                                              << "1||||- in."
                                              << "||||+in.";
        QTest::newRow("16ths chosen again at start-up")
            << "4.0 in."
            << "0.75 in."
            << "0.5 in." << QStringList{"Option4"} << 16 << "4|||| in."
            << "|3|/|4| in"
            << "|1|/|2| in.";
        QTest::newRow("thickness changed, width selected, rewritten")
            << "4.0 in."
            << "0.8"
            << "0.5 in." << QStringList{"Option4"} << 16 << "4|||| in."
            << "|13|/|16|- in."
            << "|1|/|2| in.";
    }
    void resolutionRewritesAllRows() {
        QFETCH(QString, widthText);
        QFETCH(QString, thicknessText);
        QFETCH(QString, bladeText);
        QFETCH(QStringList, options);
        QFETCH(int, minFraction);
        QFETCH(QString, width);
        QFETCH(QString, thickness);
        QFETCH(QString, blade);

        box(*window_, "Text4")->setText(widthText);
        box(*window_, "Text3")->setText(thicknessText);
        box(*window_, "Text1")->setText(bladeText);
        const int calls = Form1::TestAccess::isoViewCalls(*window_);
        const QString cutLine = caption(*window_, "Label4") + QLatin1Char('|') + cutRow(*window_);
        const auto isoPrimitives =
            control<DrawingSurface>(*window_, "Picture4")->displayList().primitives().size();

        for (const QString& option : options) clickOption(*window_, qPrintable(option));

        QCOMPARE(Form1::TestAccess::minFraction(*window_), minFraction);
        QCOMPARE(widthRow(*window_), width);
        QCOMPARE(thicknessRow(*window_), thickness);
        QCOMPARE(bladeRow(*window_), blade);
        QCOMPARE(Form1::TestAccess::isoViewCalls(*window_), calls);
        QCOMPARE(caption(*window_, "Label4") + QLatin1Char('|') + cutRow(*window_), cutLine);
        QCOMPARE(control<DrawingSurface>(*window_, "Picture4")->displayList().primitives().size(),
                 isoPrimitives);
    }

    // A click on the resolution already chosen rewrites the rows again, so the row last
    // refreshed by a recomputation switches to the spaced marks; the next recomputation
    // switches it back.
    void choosingTheSameResolutionAgain() {
        box(*window_, "Text4")->setText(QStringLiteral("4.3"));
        QCOMPARE(widthRow(*window_), QStringLiteral("4|5|/|16|-in."));
        clickOption(*window_, "Option4");
        QCOMPARE(widthRow(*window_), QStringLiteral("4|5|/|16|- in."));
        QCOMPARE(thicknessRow(*window_), QStringLiteral("|3|/|4| in"));

        clickOption(*window_, "Option5");
        clickOption(*window_, "Option1");
        box(*window_, "Text3")->setText(QStringLiteral("0.75"));
        QCOMPARE(thicknessRow(*window_), QStringLiteral("|3|/|4| in."));
        clickOption(*window_, "Option5");
        QCOMPARE(Form1::TestAccess::minFraction(*window_), 32);
        QCOMPARE(thicknessRow(*window_), QStringLiteral("|3|/|4| in"));
        QCOMPARE(widthRow(*window_), QStringLiteral("4|5|/|16|- in."));  // 9.6 32nds

        box(*window_, "Text2")->setText(QStringLiteral("45"));
        QCOMPARE(thicknessRow(*window_), QStringLiteral("|3|/|4| in."));
    }

    // The arrow keys move the choice inside the resolution frame like a click does.
    void resolutionByKeyboard() {
        auto* sixteenths = control<QRadioButton>(*window_, "Option4");
        auto* thirtySeconds = control<QRadioButton>(*window_, "Option5");
        box(*window_, "Text3")->setText(QStringLiteral("0.8"));
        const int calls = Form1::TestAccess::isoViewCalls(*window_);
        sixteenths->setFocus();
        QTRY_VERIFY(sixteenths->hasFocus());

        QTest::keyClick(sixteenths, Qt::Key_Down);
        QVERIFY(thirtySeconds->isChecked());
        QCOMPARE(Form1::TestAccess::minFraction(*window_), 32);
        QCOMPARE(thicknessRow(*window_), QStringLiteral("|13|/|16|- in."));  // 25.6 32nds
        QCOMPARE(widthRow(*window_), QStringLiteral("4|||| in."));

        box(*window_, "Text3")->setText(QStringLiteral("0.78"));  // 24.96 32nds, 12.48 16ths
        thirtySeconds->setFocus();
        QTRY_VERIFY(thirtySeconds->hasFocus());
        QTest::keyClick(thirtySeconds, Qt::Key_Up);
        QVERIFY(sixteenths->isChecked());
        QCOMPARE(Form1::TestAccess::minFraction(*window_), 16);
        QCOMPARE(thicknessRow(*window_), QStringLiteral("|3|/|4|+ in."));
        QCOMPARE(Form1::TestAccess::isoViewCalls(*window_), calls + 1);  // only the box write
        // The adjustment target stays where it was.
        QVERIFY(control<QRadioButton>(*window_, "Option2")->isChecked());
    }

    // The result line keeps its resolution until the next recomputation.
    void cutWidthTakesTheResolutionAtTheNextRecomputation() {
        QCOMPARE(cutRow(*window_), QStringLiteral("3|1|/|16|+ in."));
        clickOption(*window_, "Option5");
        QCOMPARE(cutRow(*window_), QStringLiteral("3|1|/|16|+ in."));
        box(*window_, "Text2")->setText(QStringLiteral("45"));  // same angle, new text
        QCOMPARE(caption(*window_, "Label4"), QStringLiteral("3.082 in."));
        QCOMPARE(cutRow(*window_), QStringLiteral("3|3|/|32|- in."));
        QCOMPARE(widthRow(*window_), QStringLiteral("4|||| in."));
    }
};

ARCWRIGHT_WINDOW_TEST_MAIN(ReadoutsTest)
#include "readouts_test.moc"
