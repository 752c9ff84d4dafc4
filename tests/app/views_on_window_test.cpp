// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The three drawings as they appear on the window's surfaces, checked by their pixels.
#include <QImage>

#include "app/widgets/drawing_surface.h"
#include "window_harness.h"

using namespace arcwright;
using namespace arcwright::testing;

namespace {

// Whether anything darker than mid grey lies within `radius` pixels of a user point.
bool inkNear(const Form1& window, View view, DrawingSurface* surface, double x, double y,
             int radius = 2) {
    const QImage image = surface->grab().toImage();
    const QPoint centre = onSurface(*surface, window.calculator().view(view), x, y).toPoint();
    for (int dy = -radius; dy <= radius; ++dy) {
        for (int dx = -radius; dx <= radius; ++dx) {
            const QPoint p = centre + QPoint(dx, dy);
            if (image.rect().contains(p) && image.pixelColor(p).lightness() < 128) return true;
        }
    }
    return false;
}

}  // namespace

class ViewsOnWindowTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Form1> window_;
    DrawingSurface* surface(const char* name) { return control<DrawingSurface>(*window_, name); }

  private slots:
    void init() {
        window_ = openWindow();
        QTest::mouseClick(control<QWidget>(*window_, "Command12"), Qt::LeftButton);
    }
    void cleanup() { window_.reset(); }

    void sectionShowsTheCoveUntilTheCutIsTooWide() {
        DrawingSurface* section = surface("Picture1");
        // The deepest level of the start-up cove: 1/2 in. above the face, 0.316 in. wide.
        QVERIFY(inkNear(*window_, View::Picture1, section, 3842, 2125));
        // The mouth is open: the face line is painted over in white between the flanks.
        QVERIFY(!inkNear(*window_, View::Picture1, section, 4000, 1625, 0));
        QVERIFY(inkNear(*window_, View::Picture1, section, 2200, 1625, 0));

        box(*window_, "Text4")->setText(QStringLiteral("3.5"));
        QVERIFY(!control<QWidget>(*window_, "Label2")->isHidden());
        QVERIFY(!inkNear(*window_, View::Picture1, section, 3842, 2125));
        // An unbroken lower face.
        QVERIFY(inkNear(*window_, View::Picture1, section, 4000, 1625, 0));
    }

    void planViewFollowsTheAngle() {
        DrawingSurface* plan = surface("Picture2");
        retype(box(*window_, "Text2"), QStringLiteral("90"));
        // Square across the blade, the board's near edge runs level through the centre,
        // where the blade's line crosses it.
        const QImage image = plan->grab().toImage();
        for (const double x : {1.0, 4.0, 11.0, 14.0}) {
            const QPoint at =
                onSurface(*plan, window_->calculator().view(View::Picture2), x, 7.5).toPoint();
            QCOMPARE(image.pixelColor(at), QColor(255, 0, 0));  // the board's light red
        }
    }

    void isoViewKeepsItsPixelsWhileAWarningIsUp() {
        DrawingSurface* iso = surface("Picture4");
        const QImage before = iso->grab().toImage();

        box(*window_, "Text4")->setText(QStringLiteral("3"));  // too wide
        QCOMPARE(iso->grab().toImage(), before);
        QTest::mouseClick(iso, Qt::LeftButton);
        QCOMPARE(iso->grab().toImage(), before);

        // Blade height high, from a refused 1/32 step on the blade height.
        box(*window_, "Text4")->setText(QStringLiteral("4"));
        QTest::mouseClick(control<QWidget>(*window_, "Option3"), Qt::LeftButton);
        box(*window_, "Text3")->setText(QStringLiteral("0.75"));
        QTest::mouseClick(control<QWidget>(*window_, "Command5"), Qt::LeftButton);
        QVERIFY(!control<QWidget>(*window_, "Label1")->isHidden());
        box(*window_, "Text2")->setText(QStringLiteral("30"));  // angle box: no hiding
        QCOMPARE(iso->grab().toImage(), before);

        // Both warnings gone: the next drawing catches up with the boxes.
        box(*window_, "Text1")->setText(QStringLiteral("0.5"));
        QVERIFY(iso->grab().toImage() != before);
    }
};

ARCWRIGHT_WINDOW_TEST_MAIN(ViewsOnWindowTest)
#include "views_on_window_test.moc"
