// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen reader hears: names and descriptions through Qt's accessibility
// interface, descriptions that follow the window, warnings announced when they come up,
// tool tips, and the whole window worked from the keyboard.
#include "app/calculator/accessibility.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QRadioButton>
#include <vector>

#include "app/calculator/angle_scroll_bar.h"
#include "window_harness.h"

using namespace arcwright;
using namespace arcwright::testing;

namespace {

QAccessibleInterface* accessible(const QWidget& window, const QString& name) {
    auto* widget = window.findChild<QWidget*>(name);
    return widget ? QAccessible::queryAccessibleInterface(widget) : nullptr;
}

QString accessibleText(const QWidget& window, const QString& name, QAccessible::Text which) {
    QAccessibleInterface* iface = accessible(window, name);
    return iface ? iface->text(which) : QStringLiteral("<no interface for %1>").arg(name);
}

// Every announcement the window makes, as the platform bridge gets them.
struct Heard {
    QObject* object;
    QAccessible::Event type;
};
std::vector<Heard> heard;

void listen(const QAccessibleEvent& event) {
    heard.push_back({event.object(), event.type()});
}

int alertsFor(const QWidget* widget) {
    int count = 0;
    for (const Heard& h : heard) {
        if (h.object == widget && h.type == QAccessible::Alert) ++count;
    }
    return count;
}

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Form1> window_;

    QString description(const char* name) {
        return accessibleText(*window_, QString::fromLatin1(name), QAccessible::Description);
    }
    void closeWarning() {
        QTest::mouseClick(control<QWidget>(*window_, "Command12"), Qt::LeftButton);
    }
    void clickOption(const char* name) {
        auto* option = control<QRadioButton>(*window_, name);
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
        QVERIFY(option->isChecked());
    }

  private slots:
    void init() {
        heard.clear();
        watchAnnouncements(listen);
        window_ = openWindow();
    }
    void cleanup() {
        window_.reset();
        watchAnnouncements({});
    }

    // The start-up window, control by control, as assistive tools read it.
    void namesAndDescriptions_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description");
        const auto row = [](const char* control, const char* name, const char* description) {
            QTest::newRow(control) << QString::fromLatin1(control) << QString::fromUtf8(name)
                                   << QString::fromUtf8(description);
        };
        row("Text4", "Board width", "Width of the board's face");
        row("Text2", "Cut angle",
            "between the board's edge, which runs along the fence, and "
            "the saw blade");
        row("VScroll1", "Cut angle bar", "from 5 to 85 degrees");
        row("Option2", "Adjust board width", "board width as the dimension the step buttons");
        row("Option4", "Fractions in 16ths", "nearest 1/16 inch");
        row("Command9", "Add 1/4 inch",
            "Add 1/4 inch to the selected dimension, now the board width.");
        row("Command8", "Subtract 1/4 inch",
            "Subtract 1/4 inch from the selected dimension, now the board width.");
        row("Command1", "Print", "full-size end view of the board with the cove");
        row("Frame2", "Warning!", "can be very dangerous");
        row("Label4", "Cut width",
            "Cut width, 3.082 inches, about 3 and 1/16 inches, a little more");
        row("Label9", "Cut width as a shop fraction",
            "Cut width, 3.082 inches, about 3 and 1/16 inches, a little more");
        row("Label28", "Board width as a shop fraction", "Board width, exactly 4 inches");
        row("Label24", "Board width as a shop fraction", "Board width, exactly 4 inches");
        row("Label30", "Board thickness as a shop fraction", "Board thickness, exactly 3/4 inch");
        row("Label37", "Blade height as a shop fraction", "Blade height, exactly 1/2 inch");
        row("Label1", "Blade height high!", "less than 1/4 inch of wood above the blade");
        row("Label2", "Cut is too wide!", "less than 1/4 inch of board on a side");
        row("Picture1", "Section view",
            "End view of the board to scale, 4 inches wide and 0.75 inches thick, with a cove "
            "3.082 inches wide and 0.5 inches deep cut into its face");
        row("Picture2", "Plan view",
            "Plan of the saw table from above: the blade, and the board crossing it at 45 "
            "degrees, with the edges of the cut, 3.082 inches apart, dotted");
        row("Picture4", "Isometric view",
            "An 18-inch length of the finished moulding, 4 inches wide and 0.75 inches thick, "
            "with a cove 3.082 inches wide and 0.5 inches deep");
    }
    void namesAndDescriptions() {
        QFETCH(QString, control);
        QFETCH(QString, name);
        QFETCH(QString, description);
        QAccessibleInterface* iface = accessible(*window_, control);
        QVERIFY2(iface, qPrintable(control));
        QCOMPARE(iface->text(QAccessible::Name), name);
        QVERIFY2(iface->text(QAccessible::Description).contains(description),
                 qPrintable(iface->text(QAccessible::Description)));
    }

    // A control added later without words shows up here.
    void everyControlAndReadoutIsDescribed() {
        const auto described = [](QWidget* w) {
            QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
            return iface && !iface->text(QAccessible::Name).isEmpty() &&
                   !iface->text(QAccessible::Description).isEmpty();
        };
        for (QWidget* w : window_->findChildren<QWidget*>()) {
            if (w->focusPolicy() & Qt::TabFocus)
                QVERIFY2(described(w), qPrintable(w->objectName()));
        }
        for (int n = 4; n <= 40; ++n) {
            if (n > 9 && n < 24) continue;
            if (n == 34 || n == 35) continue;  // brackets around the thickness read-out
            auto* label = window_->findChild<QWidget*>(QStringLiteral("Label%1").arg(n));
            QVERIFY(label);
            QVERIFY2(described(label), qPrintable(label->objectName()));
        }
        // Tool tips on the boxes, the step buttons, the resolution and the views.
        for (const char* name :
             {"Text1", "Text2", "Text3", "Text4", "Command2", "Command3", "Command4", "Command5",
              "Command6", "Command7", "Command8", "Command9", "Option4", "Option5", "Picture1",
              "Picture2", "Picture4"}) {
            QVERIFY2(!control<QWidget>(*window_, name)->toolTip().isEmpty(), name);
        }
    }

    void drawingsArePictures_data() {
        QTest::addColumn<QString>("control");
        QTest::newRow("section") << "Picture1";
        QTest::newRow("plan") << "Picture2";
        QTest::newRow("isometric") << "Picture4";
    }
    void drawingsArePictures() {
        QFETCH(QString, control);
        QAccessibleInterface* iface = accessible(*window_, control);
        QVERIFY(iface);
        QCOMPARE(iface->role(), QAccessible::Graphic);
    }

    // Typing into a box: the read-outs and drawings say what they show afterwards.
    void descriptionsFollowTyping_data() {
        QTest::addColumn<QString>("boxName");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("probe");
        QTest::addColumn<QString>("expected");
        QTest::newRow("blade lower, cut narrower")
            << "Text1"
            << "0.375"
            << "Label4"
            << "Cut width, 2.687 inches, about 2 and 11/16 inches, a little less";
        QTest::newRow("width too narrow for the cut")
            << "Text4"
            << "3"
            << "Label4"
            << "Cut width not shown: the cut is too wide for the board";
        QTest::newRow("too wide, no cove in the section")
            << "Text4"
            << "3"
            << "Picture1"
            << "End view of the board to scale, 3 inches wide and 0.75 inches thick, with no "
               "cove drawn: the cut is too wide for the board";
        QTest::newRow("too wide, isometric view keeps its drawing")
            << "Text4"
            << "3"
            << "Picture4"
            << "An 18-inch length of the finished moulding, 4 inches wide and 0.75 inches thick, "
               "with a cove 3.082 inches wide and 0.5 inches deep";
        QTest::newRow("width a hair over whole inches")
            << "Text4"
            << "4.03"
            << "Label26"
            << "Board width, about 4 inches, a little more";
        QTest::newRow("width rounded up into the next inch")
            << "Text4"
            << "5.99"
            << "Label25"
            << "Board width, about 6 inches, a little less";
        QTest::newRow("width in fractions") << "Text4"
                                            << "4 5/8"
                                            << "Label27"
                                            << "Board width, exactly 4 and 5/8 inches";
        QTest::newRow("width of one inch, singular") << "Text4"
                                                     << "1"
                                                     << "Label28"
                                                     << "Board width, exactly 1 inch";
        QTest::newRow("width above 6 changes nothing")
            << "Text4"
            << "47"
            << "Picture1"
            << "End view of the board to scale, 4 inches wide and 0.75 inches thick, with a cove "
               "3.082 inches wide and 0.5 inches deep cut into its face";
        QTest::newRow("angle in the plan")
            << "Text2"
            << "30"
            << "Picture2"
            << "Plan of the saw table from above: the blade, and the board crossing it at 30 "
               "degrees, with the edges of the cut, 2.179 inches apart, dotted";
        QTest::newRow("no blade, no cove")
            << "Text1"
            << "0"
            << "Picture1"
            << "End view of the board to scale, 4 inches wide and 0.75 inches thick, with no "
               "cove: the blade does not stand above the table";
    }
    void descriptionsFollowTyping() {
        QFETCH(QString, boxName);
        QFETCH(QString, typed);
        QFETCH(QString, probe);
        QFETCH(QString, expected);
        closeWarning();
        retype(box(*window_, qPrintable(boxName)), typed);
        QCOMPARE(accessibleText(*window_, probe, QAccessible::Description), expected);
    }

    // Switching the resolution rewrites the three input read-outs and their words; the
    // cut width follows at the next recomputation.
    void resolutionSwitchRewritesDescriptions() {
        closeWarning();
        retype(box(*window_, "Text3"), QStringLiteral("0.8"));  // width is the target
        QCOMPARE(description("Label30"), QStringLiteral("Board thickness, exactly 3/4 inch"));
        clickOption("Option5");
        QCOMPARE(description("Label30"),
                 QStringLiteral("Board thickness, about 13/16 inch, a little less"));
        retype(box(*window_, "Text1"), QStringLiteral("0.35"));
        QCOMPARE(
            description("Label4"),
            QStringLiteral("Cut width, 2.599 inches, about 2 and 19/32 inches, a little more"));
    }

    void stepButtonsNameTheTarget_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("target");
        QTest::newRow("thickness") << "Option1"
                                   << "the board thickness";
        QTest::newRow("blade height") << "Option3"
                                      << "the blade height";
        QTest::newRow("back to width") << "Option2"
                                       << "the board width";
    }
    void stepButtonsNameTheTarget() {
        QFETCH(QString, option);
        QFETCH(QString, target);
        closeWarning();
        if (option == QLatin1String("Option2")) clickOption("Option3");
        clickOption(qPrintable(option));
        for (const char* name : {"Command9", "Command3", "Command4"}) {
            QVERIFY2(description(name).endsWith(QStringLiteral("now %1.").arg(target)),
                     qPrintable(description(name)));
        }
    }

    // Each warning is announced once when it comes up, and again only after it has gone.
    void warningsAreAnnounced() {
        auto* frame = control<QWidget>(*window_, "Frame2");
        auto* tooWide = control<QWidget>(*window_, "Label2");
        auto* bladeHigh = control<QWidget>(*window_, "Label1");
        QTRY_COMPARE(alertsFor(frame), 1);
        closeWarning();

        QTest::keyClick(box(*window_, "Text4"), Qt::Key_End);
        retype(box(*window_, "Text4"), QStringLiteral("3"));
        QTRY_COMPARE(alertsFor(tooWide), 1);
        // Still too wide at every keystroke: no second alert.
        QTest::keyClicks(box(*window_, "Text4"), QStringLiteral(".1"));
        QTest::qWait(20);
        QCOMPARE(alertsFor(tooWide), 1);
        retype(box(*window_, "Text4"), QStringLiteral("5"));
        QTest::qWait(20);
        QVERIFY(tooWide->isHidden());
        retype(box(*window_, "Text4"), QStringLiteral("2.5"));
        QTRY_COMPARE(alertsFor(tooWide), 2);

        // A refused step: blade height 0.5 + 1/4 would leave no wood above it.
        clickOption("Option3");
        QCOMPARE(alertsFor(bladeHigh), 0);
        QTest::mouseClick(control<QWidget>(*window_, "Command9"), Qt::LeftButton);
        QVERIFY(bladeHigh->isVisible());
        QTRY_COMPARE(alertsFor(bladeHigh), 1);
        QCOMPARE(alertsFor(frame), 1);
    }

    // In a woodworker's words.
    void toolTips_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("words");
        const auto row = [](const char* control, const char* words) {
            QTest::newRow(control) << QString::fromLatin1(control) << QString::fromUtf8(words);
        };
        row("Text2", "between the board's edge, which runs along the fence, and the saw blade");
        row("VScroll1", "Locked while less than 1/4 in. of wood would stay above the blade");
        row("Command9", "Add 1/4 in. to the selected dimension");
        row("Command4", "less than 1/4 in. of wood above the blade is refused");
        row("Option5", "nearest 1/32 in.");
        row("Picture1", "end of the board to scale");
        row("Picture2", "the board crossing it at the cut angle");
        row("Picture4", "18-inch length");
    }
    void toolTips() {
        QFETCH(QString, control);
        QFETCH(QString, words);
        const QString tip = window_->findChild<QWidget*>(control)->toolTip();
        QVERIFY2(tip.contains(words), qPrintable(tip));
    }

    // The Tab key reaches every control, in order, with real key presses.
    void tabKeyVisitsEveryControl() {
        auto* first = control<QWidget>(*window_, "Picture1");
        first->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), first);
        QStringList visited{first->objectName()};
        for (int i = 0; i < 21; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        const QStringList expected{"Picture1",  "Text1",    "Text2",    "Picture2",    "Text3",
                                   "Text4",     "VScroll1", "Command1", "CommandPlan", "Option2",
                                   "Command2",  "Command3", "Command6", "Command7",    "Command4",
                                   "Command5",  "Command8", "Command9", "Option4",     "Picture4",
                                   "Command12", "Picture1"};
        QCOMPARE(visited, expected);
    }

    // Reached with the Tab key, then worked with the keys a person uses.
    void keysWorkTheControls_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("probe");
        QTest::addColumn<QString>("expected");
        QTest::newRow("space on 1/4 +") << "Command9" << int(Qt::Key_Space) << "Text4"
                                        << "4.25 in.";
        QTest::newRow("space on 1/32 -") << "Command4" << int(Qt::Key_Space) << "Text4"
                                         << "3.96875 in.";
        QTest::newRow("arrow up on the angle bar") << "VScroll1" << int(Qt::Key_Up) << "Text2"
                                                   << "46°";
        QTest::newRow("page down on the angle bar")
            << "VScroll1" << int(Qt::Key_PageDown) << "Text2"
            << "40°";
        QTest::newRow("arrow to the blade-height option")
            << "Option2" << int(Qt::Key_Down) << "Option3"
            << "checked";
        QTest::newRow("arrow to 32nds") << "Option4" << int(Qt::Key_Down) << "Label9"
                                        << "- in.";  // 3.082 at 32nds: 3 3/32, rounded up
        QTest::newRow("space on OK") << "Command12" << int(Qt::Key_Space) << "Frame2"
                                     << "hidden";
    }
    void keysWorkTheControls() {
        QFETCH(QString, start);
        QFETCH(int, key);
        QFETCH(QString, probe);
        QFETCH(QString, expected);
        auto* first = window_->findChild<QWidget*>(QStringLiteral("Picture1"));
        first->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), first);
        for (int i = 0; i < 25 && QApplication::focusWidget()->objectName() != start; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(QApplication::focusWidget()->objectName(), start);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        // A click on 32nds reaches the cut width at the next recomputation.
        if (start == QLatin1String("Option4")) {
            QVERIFY(control<QRadioButton>(*window_, "Option5")->isChecked());
            QCOMPARE((*window_).calculator().minFraction(), 32);
            retype(box(*window_, "Text2"), QStringLiteral("45"));
        }
        auto* target = window_->findChild<QWidget*>(probe);
        QString observed;
        if (auto* edit = qobject_cast<QLineEdit*>(target)) {
            observed = edit->text();
        } else if (auto* label = qobject_cast<QLabel*>(target)) {
            observed = label->text();
        } else if (auto* option = qobject_cast<QRadioButton*>(target)) {
            observed = option->isChecked() ? QStringLiteral("checked") : QStringLiteral("not");
        } else {
            observed = target->isHidden() ? QStringLiteral("hidden") : QStringLiteral("shown");
        }
        QCOMPARE(observed, expected);
    }
};

ARCWRIGHT_WINDOW_TEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
