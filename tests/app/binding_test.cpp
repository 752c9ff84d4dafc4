// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window as a view of its calculator: every control's event reaches the model, and what
// the model changes reaches the controls. The rules themselves are tested on the model
// (tests/calculator).
#include <QImage>
#include <QRadioButton>

#include "app/calculator/angle_scroll_bar.h"
#include "window_harness.h"

using namespace arcwright;
using namespace arcwright::testing;

namespace {

void clickArrow(AngleScrollBar* bar, bool up) {
    QVERIFY(bar->isVisible() && bar->isEnabled());
    const int y = up ? 3 : bar->height() - 3;
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() / 2, y));
}

void click(const QWidget& window, const char* name) {
    auto* widget = control<QWidget>(window, name);
    QVERIFY2(widget && widget->isVisible() && widget->isEnabled(), name);
    QTest::mouseClick(widget, Qt::LeftButton);
}

QString fromModel(const std::string& text) {
    return QString::fromStdString(text);
}

// A read-out's five labels against the model's captions.
void compareRow(const QWidget& window, std::initializer_list<const char*> labels,
                const FractionCaptions& captions) {
    QCOMPARE(captionsOf(window, labels),
             fromModel(captions.whole + "|" + captions.numerator + "|" + captions.slash + "|" +
                       captions.denominator + "|" + captions.mark));
}

}  // namespace

class BindingTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Form1> window_;
    const Calculator& model() { return window_->calculator(); }
    AngleScrollBar* bar() { return control<AngleScrollBar>(*window_, "VScroll1"); }

    // Every label and box of the window shows what the model holds.
    void compareWithTheModel() {
        QCOMPARE(box(*window_, "Text1")->text(), fromModel(model().text(Box::Text1)));
        QCOMPARE(box(*window_, "Text2")->text(), fromModel(model().text(Box::Text2)));
        QCOMPARE(box(*window_, "Text3")->text(), fromModel(model().text(Box::Text3)));
        QCOMPARE(box(*window_, "Text4")->text(), fromModel(model().text(Box::Text4)));
        QCOMPARE(caption(*window_, "Label3"), fromModel(model().label3()));
        QCOMPARE(caption(*window_, "Label4"), fromModel(model().label4()));
        compareRow(*window_, {"Label28", "Label27", "Label26", "Label25", "Label24"},
                   model().readout(Readout::Width));
        compareRow(*window_, {"Label29", "Label30", "Label31", "Label32", "Label33"},
                   model().readout(Readout::Thickness));
        compareRow(*window_, {"Label36", "Label37", "Label38", "Label39", "Label40"},
                   model().readout(Readout::BladeHeight));
        compareRow(*window_, {"Label5", "Label6", "Label7", "Label8", "Label9"},
                   model().readout(Readout::Cut));
        QCOMPARE(!control<QWidget>(*window_, "Label1")->isHidden(), model().shown(Shown::Label1));
        QCOMPARE(!control<QWidget>(*window_, "Label2")->isHidden(), model().shown(Shown::Label2));
        QCOMPARE(!control<QWidget>(*window_, "Frame2")->isHidden(), model().shown(Shown::Frame2));
        QCOMPARE(bar()->isEnabled(), model().angleBarEnabled());
    }

  private slots:
    void init() {
        window_ = openWindow();
        click(*window_, "Command12");
    }
    void cleanup() { window_.reset(); }

    void startsAsTheModelStarts() {
        window_ = openWindow();
        QVERIFY(!control<QWidget>(*window_, "Frame2")->isHidden());
        compareWithTheModel();
        QCOMPARE(box(*window_, "Text4")->palette().color(QPalette::Base), look::kPaleYellow);
        QCOMPARE(box(*window_, "Text1")->palette().color(QPalette::Base),
                 QApplication::palette().color(QPalette::Base));
        click(*window_, "Command12");
        QVERIFY(control<QWidget>(*window_, "Frame2")->isHidden());
    }

    // Each keystroke reaches the model, and the result line follows it key by key.
    void everyKeystrokeReachesTheModel() {
        QLineEdit* blade = box(*window_, "Text1");
        blade->setFocus();
        blade->selectAll();
        QTest::keyClick(blade, Qt::Key_Backspace);
        for (const QChar c : QStringLiteral("0.25")) {
            QTest::keyClicks(blade, QString(c));
            compareWithTheModel();
            QCOMPARE(caption(*window_, "Label4"), expectedCutWidth(*window_));
        }
        QCOMPARE(caption(*window_, "Label4"), QStringLiteral("2.208 in."));
        // A label takes the width of its caption; an empty one takes no room.
        retype(box(*window_, "Text4"), QStringLiteral("2"));
        QVERIFY(!control<QWidget>(*window_, "Label2")->isHidden());
        QCOMPARE(control<QLabel>(*window_, "Label6")->width(), 0);
        compareWithTheModel();
    }

    // The window never writes a box the user is typing in: the cursor stays where it was.
    void typingInTheMiddleKeepsTheCursor() {
        QLineEdit* width = box(*window_, "Text4");
        width->setFocus();
        width->setCursorPosition(1);  // "4|.0 in."
        QTest::keyClick(width, Qt::Key_5);
        QCOMPARE(width->text(), QStringLiteral("45.0 in."));
        QCOMPARE(width->cursorPosition(), 2);
        QCOMPARE(fromModel(model().text(Box::Text4)), width->text());
    }

    void optionsReachTheModel_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("highlighted");
        QTest::newRow("thickness") << "Option1"
                                   << "Text3";
        QTest::newRow("blade") << "Option3"
                               << "Text1";
    }
    void optionsReachTheModel() {
        QFETCH(QString, option);
        QFETCH(QString, highlighted);
        click(*window_, qPrintable(option));
        QVERIFY(control<QRadioButton>(*window_, qPrintable(option))->isChecked());
        for (const char* name : {"Text1", "Text3", "Text4"}) {
            QCOMPARE(box(*window_, name)->palette().color(QPalette::Base),
                     highlighted == QLatin1String(name) ? look::kPaleYellow : look::kWhite);
        }
        // Of the target options only the chosen one is on the Tab key's way.
        QCOMPARE(control<QWidget>(*window_, qPrintable(option))->focusPolicy(), Qt::StrongFocus);
        QCOMPARE(control<QWidget>(*window_, "Option2")->focusPolicy(), Qt::ClickFocus);
    }

    // A step button writes the target box through the model; a refused one shows its
    // warning and locks the angle bar.
    void stepButtonsReachTheModel() {
        click(*window_, "Command9");
        QCOMPARE(box(*window_, "Text4")->text(), QStringLiteral("4.25 in."));
        compareWithTheModel();
        click(*window_, "Option1");
        click(*window_, "Command4");
        QVERIFY(control<QWidget>(*window_, "Label1")->isVisible());
        QVERIFY(!bar()->isEnabled());
        compareWithTheModel();
        click(*window_, "Command5");  // + frees the bar
        QVERIFY(bar()->isEnabled());
        compareWithTheModel();
    }

    void angleBarReachesTheModel() {
        clickArrow(bar(), true);
        QCOMPARE(box(*window_, "Text2")->text(), QStringLiteral("46°"));
        compareWithTheModel();
        // A click on the track below the thumb lowers the angle by 5.
        QTest::mouseClick(bar(), Qt::LeftButton, {},
                          QPoint(bar()->width() / 2, bar()->height() - 20));
        QCOMPARE(box(*window_, "Text2")->text(), QStringLiteral("41°"));
        bar()->triggerAction(QAbstractSlider::SliderToMinimum);
        QCOMPARE(box(*window_, "Text2")->text(), QStringLiteral("85°"));
        bar()->triggerAction(QAbstractSlider::SliderToMaximum);
        QCOMPARE(box(*window_, "Text2")->text(), QStringLiteral("5°"));
        compareWithTheModel();
    }

    // While the thumb is dragged nothing is passed on; letting go passes the angle.
    void aDraggedThumbTellsTheModelWhenLetGo() {
        bar()->setSliderDown(true);
        bar()->setSliderPosition(30);
        QCOMPARE(box(*window_, "Text2")->text(), QStringLiteral("45°"));
        QCOMPARE(model().angleBarPosition(), 45);
        bar()->setSliderDown(false);
        QCOMPARE(box(*window_, "Text2")->text(), QStringLiteral("60°"));
        QCOMPARE(model().angleBarPosition(), 60);
    }

    void angleBoxFocusReachesTheModel() {
        QLineEdit* angle = box(*window_, "Text2");
        angle->setFocus();
        QTRY_VERIFY(angle->hasFocus());
        QCOMPARE(angle->palette().color(QPalette::Base), look::kGrey);
        QCOMPARE(model().colour(Box::Text2), BoxColour::Grey);
        box(*window_, "Text1")->setFocus();
        QTRY_VERIFY(!angle->hasFocus());
        QCOMPARE(angle->palette().color(QPalette::Base), look::kWhite);
    }

    // The resolution by a click and by the arrow keys inside its frame.
    void resolutionReachesTheModel() {
        click(*window_, "Option5");
        QCOMPARE(model().minFraction(), 32);
        compareWithTheModel();
        auto* sixteenths = control<QRadioButton>(*window_, "Option4");
        auto* thirtySeconds = control<QRadioButton>(*window_, "Option5");
        thirtySeconds->setFocus();
        QTRY_VERIFY(thirtySeconds->hasFocus());
        QTest::keyClick(thirtySeconds, Qt::Key_Up);
        QVERIFY(sixteenths->isChecked());
        QCOMPARE(model().minFraction(), 16);
        compareWithTheModel();
        QCOMPARE(sixteenths->focusPolicy(), Qt::StrongFocus);
        QCOMPARE(thirtySeconds->focusPolicy(), Qt::ClickFocus);
    }

    // A click on the isometric view redraws it from the boxes as they are: after a warning
    // has been hidden without a recomputation, the drawing catches up only with the click.
    void aClickOnTheIsometricViewReachesTheModel() {
        auto* iso = control<DrawingSurface>(*window_, "Picture4");
        click(*window_, "Option3");
        click(*window_, "Command5");  // refused raise: "Blade height high!"
        QVERIFY(control<QWidget>(*window_, "Label1")->isVisible());
        const QImage before = iso->grab().toImage();
        retype(box(*window_, "Text4"), QStringLiteral("5"));  // drawn while warned: kept
        QCOMPARE(iso->grab().toImage(), before);
        click(*window_, "Option2");
        retype(box(*window_, "Text4"), QStringLiteral("6"));
        click(*window_, "Command5");  // refused at 6 in., no warning: hides the old one
        QVERIFY(control<QWidget>(*window_, "Label1")->isHidden());
        QCOMPARE(iso->grab().toImage(), before);
        QTest::mouseClick(iso, Qt::LeftButton);
        QVERIFY(iso->grab().toImage() != before);
    }
};

ARCWRIGHT_WINDOW_TEST_MAIN(BindingTest)
#include "binding_test.moc"
