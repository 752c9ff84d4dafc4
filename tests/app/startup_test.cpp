// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window as the woodworker first sees it, and the start-up sequence behind it.
#include <QRadioButton>

#include "app/calculator/angle_scroll_bar.h"
#include "app/widgets/drawing_surface.h"
#include "window_harness.h"

using namespace arcwright;
using namespace arcwright::testing;

class StartupTest : public QObject {
    Q_OBJECT

  private slots:
    void firstSight() {
        const auto window = openWindow();
        QCOMPARE(box(*window, "Text1")->text(), QStringLiteral("0.5 in."));
        QCOMPARE(box(*window, "Text2")->text(), QStringLiteral("45°"));
        QCOMPARE(box(*window, "Text3")->text(), QStringLiteral("0.75 in."));
        QCOMPARE(box(*window, "Text4")->text(), QStringLiteral("4.0 in."));
        QCOMPARE(caption(*window, "Label3"), QStringLiteral("Width of cut ="));
        QCOMPARE(caption(*window, "Label4"), QStringLiteral("3.082 in."));
        QCOMPARE(captionsOf(*window, {"Label5", "Label6", "Label7", "Label8", "Label9"}),
                 QStringLiteral("3|1|/|16|+ in."));
        QVERIFY(!control<QWidget>(*window, "Frame2")->isHidden());
        QVERIFY(control<QWidget>(*window, "Label1")->isHidden());
        QVERIFY(control<QWidget>(*window, "Label2")->isHidden());
        QCOMPARE(control<AngleScrollBar>(*window, "VScroll1")->angle(), 45);
        QVERIFY(control<AngleScrollBar>(*window, "VScroll1")->isEnabled());
        QCOMPARE(Form1::TestAccess::minFraction(*window), 16);
        QCOMPARE(Form1::TestAccess::drawScale(*window), 1000);
        QCOMPARE(Form1::TestAccess::solution(*window).pointCount, 100);
    }

    void readoutsBeforeAndAfterFirstRefresh() {
        const auto window = openWindow();
        // Only the adjustment target's row (board width) is refreshed by the start-up runs.
        QCOMPARE(captionsOf(*window, {"Label28", "Label27", "Label26", "Label25", "Label24"}),
                 QStringLiteral("4|||| in."));
        QCOMPARE(captionsOf(*window, {"Label29", "Label30", "Label31", "Label32", "Label33"}),
                 QStringLiteral("|3|/|4|in."));
        QCOMPARE(captionsOf(*window, {"Label36", "Label37", "Label38", "Label39", "Label40"}),
                 QStringLiteral("|1|/|2|in."));
    }

    void boxColours() {
        const auto window = openWindow();
        QCOMPARE(box(*window, "Text4")->palette().color(QPalette::Base), QColor(255, 255, 128));
        const QColor systemWindow = QApplication::palette().color(QPalette::Base);
        QCOMPARE(box(*window, "Text3")->palette().color(QPalette::Base), systemWindow);
        QCOMPARE(box(*window, "Text1")->palette().color(QPalette::Base), systemWindow);
    }

    void surfacesGetTheirScales_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRectF>("scale");  // left, top, width, height
        QTest::newRow("section") << "Picture1" << QRectF(0, 4000, 8000, -4000);
        QTest::newRow("plan") << "Picture2" << QRectF(0, 15, 15, -15);
        QTest::newRow("iso") << "Picture4" << QRectF(0, 20, 23, -17);
    }
    void surfacesGetTheirScales() {
        QFETCH(QString, name);
        QFETCH(QRectF, scale);
        const auto window = openWindow();
        auto* surface = window->findChild<DrawingSurface*>(name);
        const Scale& s = surface->displayList().scale();
        QCOMPARE(QRectF(s.left, s.top, s.width, s.height), scale);
        // Every surface holds a finished drawing of the start-up set-up.
        QVERIFY(!surface->displayList().primitives().empty());
    }

    void okHidesTheWarningFrame() {
        const auto window = openWindow();
        auto* ok = control<QWidget>(*window, "Command12");
        QVERIFY(ok->isVisible() && ok->isEnabled());
        QTest::mouseClick(ok, Qt::LeftButton);
        QVERIFY(control<QWidget>(*window, "Frame2")->isHidden());
        // Nothing else changed.
        QCOMPARE(caption(*window, "Label4"), QStringLiteral("3.082 in."));
    }
};

ARCWRIGHT_WINDOW_TEST_MAIN(StartupTest)
#include "startup_test.moc"
