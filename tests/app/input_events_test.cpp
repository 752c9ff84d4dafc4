// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What every input event does: typing, the angle bar, focus, the target options.
#include <QRadioButton>

#include "app/calculator/angle_scroll_bar.h"
#include "app/widgets/drawing_surface.h"
#include "fractions/shop_fraction.h"
#include "geometry/cove_solver.h"
#include "model/number_text.h"
#include "window_harness.h"

using namespace arcwright;
using namespace arcwright::testing;

namespace {

void clickArrow(AngleScrollBar* bar, bool up) {
    QVERIFY(bar->isVisible() && bar->isEnabled());
    const int y = up ? 3 : bar->height() - 3;
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() / 2, y));
}

}  // namespace

class InputEventsTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Form1> window_;
    AngleScrollBar* bar() { return control<AngleScrollBar>(*window_, "VScroll1"); }

  private slots:
    void init() {
        window_ = openWindow();
        QTest::mouseClick(control<QWidget>(*window_, "Command12"), Qt::LeftButton);
    }
    void cleanup() { window_.reset(); }

    void angleBarStepsOneDegreeAndRecomputesOnce() {
        const int before = Form1::TestAccess::isoViewCalls(*window_);
        clickArrow(bar(), true);
        QCOMPARE(box(*window_, "Text2")->text(), QStringLiteral("46°"));
        QCOMPARE(Form1::TestAccess::isoViewCalls(*window_), before + 1);
        clickArrow(bar(), false);
        clickArrow(bar(), false);
        QCOMPARE(box(*window_, "Text2")->text(), QStringLiteral("44°"));
        QCOMPARE(caption(*window_, "Label4"), expectedCutWidth(*window_));
    }

    void angleBarTrackClickMovesFive() {
        // A click on the track below the thumb lowers the angle by 5.
        QTest::mouseClick(bar(), Qt::LeftButton, {},
                          QPoint(bar()->width() / 2, bar()->height() - 20));
        QCOMPARE(box(*window_, "Text2")->text(), QStringLiteral("40°"));
    }

    void angleBarEnds_data() {
        QTest::addColumn<int>("action");
        QTest::addColumn<QString>("text");
        QTest::newRow("top") << int(QAbstractSlider::SliderToMinimum) << "85°";
        QTest::newRow("bottom") << int(QAbstractSlider::SliderToMaximum) << "5°";
    }
    void angleBarEnds() {
        QFETCH(int, action);
        QFETCH(QString, text);
        bar()->triggerAction(static_cast<QAbstractSlider::SliderAction>(action));
        QCOMPARE(box(*window_, "Text2")->text(), text);
        QCOMPARE(caption(*window_, "Label4"), expectedCutWidth(*window_));
    }

    void angleBarKeepsStillWhileDragged() {
        const int before = Form1::TestAccess::isoViewCalls(*window_);
        bar()->setSliderDown(true);
        bar()->setSliderPosition(30);
        QCOMPARE(box(*window_, "Text2")->text(), QStringLiteral("45°"));
        QCOMPARE(Form1::TestAccess::isoViewCalls(*window_), before);
        bar()->setSliderDown(false);  // let go
        QCOMPARE(box(*window_, "Text2")->text(), QStringLiteral("60°"));
    }

    void angleBarBlockedWhileBladeIsTooHigh() {
        retype(box(*window_, "Text1"), QStringLiteral("0.6"));
        const QString cut = caption(*window_, "Label4");
        clickArrow(bar(), true);
        QCOMPARE(box(*window_, "Text2")->text(), QStringLiteral("45°"));
        QCOMPARE(caption(*window_, "Label4"), cut);
        // Exactly 1/4 in. of wood left is enough.
        retype(box(*window_, "Text1"), QStringLiteral("0.5"));
        clickArrow(bar(), true);
        QCOMPARE(box(*window_, "Text2")->text(), QStringLiteral("47°"));
    }

    void typedAngleNeverMovesTheBar() {
        retype(box(*window_, "Text2"), QStringLiteral("95"));
        QCOMPARE(bar()->angle(), 45);
        QCOMPARE(caption(*window_, "Label4"), expectedCutWidth(*window_));
    }

    // Every keystroke recomputes once and leaves the result line matching the boxes.
    void typingKeyByKey_data() {
        QTest::addColumn<QString>("boxName");
        QTest::addColumn<QString>("typed");
        QTest::newRow("blade 0.25") << "Text1"
                                    << "0.25";
        QTest::newRow("blade as a fraction") << "Text1"
                                             << "3/8 in.";
        QTest::newRow("angle 30") << "Text2"
                                  << "30";
        QTest::newRow("width 3.5 turns too wide") << "Text4"
                                                  << "3.5";
        QTest::newRow("width with junk") << "Text4"
                                         << "x5";
        QTest::newRow("thickness") << "Text3"
                                   << "1.25";
    }
    void typingKeyByKey() {
        QFETCH(QString, boxName);
        QFETCH(QString, typed);
        QLineEdit* target = box(*window_, qPrintable(boxName));
        target->setFocus();
        target->selectAll();
        QTest::keyClick(target, Qt::Key_Backspace);
        for (const QChar c : typed) {
            const int before = Form1::TestAccess::isoViewCalls(*window_);
            QTest::keyClicks(target, QString(c));
            const double width = leadingNumber(box(*window_, "Text4")->text().toStdString());
            QCOMPARE(Form1::TestAccess::isoViewCalls(*window_), width <= 6 ? before + 1 : before);
            const bool tooWide = !control<QWidget>(*window_, "Label2")->isHidden();
            QCOMPARE(caption(*window_, "Label4"), tooWide ? QString() : expectedCutWidth(*window_));
        }
        QCOMPARE(target->text(), typed);
    }

    void widthAboveSixKeepsEveryResult() {
        retype(box(*window_, "Text4"), QStringLiteral("6"));
        QCOMPARE(caption(*window_, "Label28"), QStringLiteral("6"));
        const int calls = Form1::TestAccess::isoViewCalls(*window_);
        const auto section =
            control<DrawingSurface>(*window_, "Picture1")->displayList().primitives().size();
        QTest::keyClicks(box(*window_, "Text4"), QStringLiteral(".5"));  // "6.5"
        QCOMPARE(Form1::TestAccess::isoViewCalls(*window_), calls + 1);  // "6." is still 6
        // Typing over the selection goes straight from 6.5 to 7: nothing runs.
        box(*window_, "Text4")->selectAll();
        QTest::keyClicks(box(*window_, "Text4"), QStringLiteral("7"));
        QCOMPARE(box(*window_, "Text4")->text(), QStringLiteral("7"));
        QCOMPARE(Form1::TestAccess::isoViewCalls(*window_), calls + 1);
        QCOMPARE(caption(*window_, "Label28"), QStringLiteral("6"));
        QCOMPARE(caption(*window_, "Label4"), QStringLiteral("3.082 in."));
        QCOMPARE(control<DrawingSurface>(*window_, "Picture1")->displayList().primitives().size(),
                 section);
    }

    void tooWideEmptiesTheResultLineAndComesBack() {
        retype(box(*window_, "Text4"), QStringLiteral("3.5"));
        QVERIFY(!control<QWidget>(*window_, "Label2")->isHidden());
        QCOMPARE(captionsOf(*window_, {"Label4", "Label5", "Label6", "Label7", "Label8", "Label9"}),
                 QStringLiteral("|||||"));
        QCOMPARE(control<QLabel>(*window_, "Label6")->width(), 0);
        retype(box(*window_, "Text4"), QStringLiteral("4"));
        QVERIFY(control<QWidget>(*window_, "Label2")->isHidden());
        QCOMPARE(captionsOf(*window_, {"Label4", "Label5", "Label6", "Label7", "Label8", "Label9"}),
                 QStringLiteral("3.082 in.|3|1|/|16|+ in."));
    }

    void typedBladeHeightNeverShowsTheWarning() {
        retype(box(*window_, "Text1"), QStringLiteral("0.7"));
        QVERIFY(control<QWidget>(*window_, "Label1")->isHidden());
    }

    void angleBoxGreyWhileFocused() {
        QLineEdit* angle = box(*window_, "Text2");
        angle->setFocus();
        QTRY_VERIFY(angle->hasFocus());
        QCOMPARE(angle->palette().color(QPalette::Base), QColor(128, 128, 128));
        box(*window_, "Text1")->setFocus();
        QTRY_VERIFY(!angle->hasFocus());
        QCOMPARE(angle->palette().color(QPalette::Base), QColor(255, 255, 255));
    }

    void targetOptionsRecolourOnly_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("highlighted");
        QTest::newRow("thickness") << "Option1"
                                   << "Text3";
        QTest::newRow("blade") << "Option3"
                               << "Text1";
        QTest::newRow("width") << "Option2"
                               << "Text4";
    }
    void targetOptionsRecolourOnly() {
        QFETCH(QString, option);
        QFETCH(QString, highlighted);
        if (option == QLatin1String("Option2")) {
            QTest::mouseClick(control<QWidget>(*window_, "Option3"), Qt::LeftButton);
        }
        const int calls = Form1::TestAccess::isoViewCalls(*window_);
        QTest::mouseClick(control<QWidget>(*window_, qPrintable(option)), Qt::LeftButton);
        QVERIFY(control<QRadioButton>(*window_, qPrintable(option))->isChecked());
        for (const char* name : {"Text1", "Text3", "Text4"}) {
            const QColor expected =
                highlighted == QLatin1String(name) ? QColor(255, 255, 128) : QColor(255, 255, 255);
            QCOMPARE(box(*window_, name)->palette().color(QPalette::Base), expected);
        }
        QCOMPARE(Form1::TestAccess::isoViewCalls(*window_), calls);
    }
};

ARCWRIGHT_WINDOW_TEST_MAIN(InputEventsTest)
#include "input_events_test.moc"
