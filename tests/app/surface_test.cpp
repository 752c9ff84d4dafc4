// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The retained drawing surfaces: user scales, colours, styles, and drawings that stay.
#include <QImage>

#include "app/widgets/drawing_surface.h"
#include "window_harness.h"

using namespace arcwright;
using namespace arcwright::testing;

namespace {

bool anyPixelOf(const QImage& image, const QRect& area, const QColor& colour, int tolerance = 60) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green()) +
                    std::abs(c.blue() - colour.blue()) <=
                tolerance) {
                return true;
            }
        }
    }
    return false;
}

}  // namespace

class SurfaceTest : public QObject {
    Q_OBJECT

  private slots:
    // Each axis is scaled by itself; a negative height makes y grow upward.
    void userScaleMapsCorners_data() {
        QTest::addColumn<QRectF>("scale");
        QTest::addColumn<QPointF>("user");
        QTest::addColumn<QString>("corner");
        const QRectF section(0, 4000, 8000, -4000);
        QTest::newRow("section top left") << section << QPointF(0, 4000) << "topLeft";
        QTest::newRow("section bottom right") << section << QPointF(8000, 0) << "bottomRight";
        const QRectF iso(0, 20, 23, -17);
        QTest::newRow("iso bottom left") << iso << QPointF(0, 3) << "bottomLeft";
        QTest::newRow("iso top right") << iso << QPointF(23, 20) << "topRight";
        QTest::newRow("y down") << QRectF(0, 0, 10, 10) << QPointF(0, 10) << "bottomLeft";
    }
    void userScaleMapsCorners() {
        QFETCH(QRectF, scale);
        QFETCH(QPointF, user);
        QFETCH(QString, corner);
        QWidget host;
        host.resize(200, 120);
        DrawingSurface surface(QStringLiteral("Surface"), Qt::white, &host);
        surface.setGeometry(0, 0, 200, 120);
        // A red line from the corner's user point to the middle of the scale starts in the
        // corner of the area inside the border, and only there.
        DisplayList drawing;
        drawing.setScale(scale.x(), scale.y(), scale.width(), scale.height());
        drawing.drawLine(user.x(), user.y(), scale.x() + scale.width() / 2,
                         scale.y() + scale.height() / 2, Rgb{255, 0, 0});
        surface.show(&drawing);
        const QRect inner = surface.innerRect();
        const QSize near(4, 4);
        const std::map<QString, QRect> corners{
            {"topLeft", QRect(inner.topLeft(), near)},
            {"topRight", QRect(inner.topRight() - QPoint(3, 0), near)},
            {"bottomLeft", QRect(inner.bottomLeft() - QPoint(0, 3), near)},
            {"bottomRight", QRect(inner.bottomRight() - QPoint(3, 3), near)}};
        const QImage image = surface.grab().toImage();
        const auto reddish = [&](const QRect& area) {
            for (int y = area.top(); y <= area.bottom(); ++y) {
                for (int x = area.left(); x <= area.right(); ++x) {
                    const QColor c = image.pixelColor(x, y);
                    if (c.red() > 200 && c.green() < 200) return true;
                }
            }
            return false;
        };
        for (const auto& [name, area] : corners) QCOMPARE(reddish(area), name == corner);
    }

    void drawingStaysUntilCleared() {
        QWidget host;
        host.resize(300, 200);
        auto* surface = new DrawingSurface(QStringLiteral("Surface"), Qt::white, &host);
        surface->setGeometry(10, 10, 200, 120);
        DisplayList drawing;
        drawing.setScale(0, 10, 10, -10);
        drawing.drawLine(0, 5, 10, 5, Rgb{255, 0, 0});
        surface->show(&drawing);
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        const QRect midRow(2, 55, 190, 10);
        QVERIFY(anyPixelOf(surface->grab().toImage(), midRow, Qt::red));

        // Covered, hidden and shown again: the line is still there.
        QWidget cover(&host);
        cover.setGeometry(surface->geometry());
        cover.setAutoFillBackground(true);
        cover.show();
        cover.hide();
        host.hide();
        host.show();
        QVERIFY(anyPixelOf(surface->grab().toImage(), midRow, Qt::red));

        drawing.clear();
        surface->show(&drawing);
        QVERIFY(!anyPixelOf(surface->grab().toImage(), midRow, Qt::red));
    }

    void dottedArcAndForeground() {
        QWidget host;
        DrawingSurface surface(QStringLiteral("Surface"), QColor(224, 224, 224), &host);
        surface.setGeometry(0, 0, 110, 110);
        DisplayList drawing;
        drawing.setScale(0, 15, 15, -15);
        drawing.setLineStyle(LineStyle::Dotted);
        drawing.drawLine(0, 7.5f, 15, 7.5f, std::nullopt);
        drawing.setLineStyle(LineStyle::Solid);
        // A quarter circle from straight down turning counter-clockwise to the right.
        drawing.drawArc(7.5f, 7.5f, 3, Rgb{128, 0, 0}, 3 * 3.14159265f / 2, 2 * 3.14159265f);
        surface.show(&drawing);
        const QImage image = surface.grab().toImage();
        // The dotted line in the foreground colour: dark pixels with gaps between them.
        int dark = 0;
        for (int x = 5; x < 105; ++x) dark += image.pixelColor(x, 55).lightness() < 128 ? 1 : 0;
        QVERIFY2(dark > 20 && dark < 90, qPrintable(QString::number(dark)));
        // Lower right quadrant has the arc; the upper left has none.
        QVERIFY(anyPixelOf(image, QRect(55, 60, 30, 30), QColor(128, 0, 0)));
        QVERIFY(!anyPixelOf(image, QRect(25, 25, 25, 25), QColor(128, 0, 0)));
    }

    void wildCoordinatesAreSafe() {
        QWidget host;
        DrawingSurface surface(QStringLiteral("Surface"), Qt::white, &host);
        surface.setGeometry(0, 0, 100, 100);
        DisplayList drawing;
        drawing.setScale(0, 4000, 8000, -4000);
        drawing.drawLine(-3e38f, -3e38f, 3e38f, 3e38f, std::nullopt);
        // A board face of a board typed far too wide still crosses the view.
        drawing.drawLine(-3e38f, 2000, 3e38f, 2000, std::nullopt);
        drawing.drawLine(0, 0, std::numeric_limits<float>::infinity(), 0, std::nullopt);
        drawing.drawArc(1e30f, 0, 1e30f, Rgb{}, 0, 1);
        surface.show(&drawing);
        const QImage image = surface.grab().toImage();  // must not hang or crash
        QVERIFY(!image.isNull());
        QVERIFY(anyPixelOf(image, QRect(5, 49, 90, 3), Qt::black));
    }

    // A line shorter than a pixel sets one pixel; a deep cove sets the same few pixels many
    // times over. Whatever was set last in a pixel is what shows, in every paint.
    void pointsOnOnePixelShowTheLastPen_data() {
        QTest::addColumn<QList<QColor>>("pens");
        const QColor red(255, 0, 0);
        const QColor yellow(255, 255, 0);
        QTest::newRow("red twice") << QList<QColor>{red, red};
        QTest::newRow("red then yellow") << QList<QColor>{red, yellow};
        QTest::newRow("red, yellow, red") << QList<QColor>{red, yellow, red};
        QTest::newRow("yellow, red twice, yellow") << QList<QColor>{yellow, red, red, yellow};
        // More runs of one pen than the surface counts before it starts its count again.
        QList<QColor> turns;
        for (int run = 0; run < 601; ++run) turns << (run % 2 == 0 ? yellow : red);
        QTest::newRow("601 pens in turn") << turns;
    }
    void pointsOnOnePixelShowTheLastPen() {
        QFETCH(QList<QColor>, pens);
        QWidget host;
        DrawingSurface surface(QStringLiteral("Surface"), Qt::white, &host);
        surface.setGeometry(0, 0, 100, 100);
        DisplayList drawing;
        drawing.setScale(0, 0, 100, 100);
        for (const QColor& pen : pens) {
            const Rgb colour{std::uint8_t(pen.red()), std::uint8_t(pen.green()),
                             std::uint8_t(pen.blue())};
            drawing.drawLine(50, 50, 50, 50, colour);
            drawing.drawLine(50.2f, 50.2f, 50.3f, 50.3f, colour);
        }
        surface.show(&drawing);
        const QPoint at = onSurface(surface, drawing, 50, 50).toPoint();
        const QRect around(at - QPoint(2, 2), QSize(5, 5));
        for (int paint = 1; paint <= 2; ++paint) {
            const QImage image = surface.grab().toImage();
            QVERIFY2(anyPixelOf(image, around, pens.last(), 0), qPrintable(QString::number(paint)));
            for (const QColor& pen : pens) {
                if (pen != pens.last()) QVERIFY(!anyPixelOf(image, around, pen, 0));
            }
        }
    }

    // A pixel set in one run and again hundreds of runs later, untouched between: the later
    // pen shows, however many runs the surface has counted meanwhile.
    void aPixelSetAgainLongAfterShowsTheLaterPen_data() {
        QTest::addColumn<int>("later");
        QTest::newRow("255 runs later") << 255;
        QTest::newRow("257 runs later") << 257;
        QTest::newRow("511 runs later") << 511;
    }
    void aPixelSetAgainLongAfterShowsTheLaterPen() {
        QFETCH(int, later);
        QWidget host;
        DrawingSurface surface(QStringLiteral("Surface"), Qt::white, &host);
        surface.setGeometry(0, 0, 100, 100);
        DisplayList drawing;
        drawing.setScale(0, 0, 100, 100);
        const Rgb red{255, 0, 0};
        const Rgb yellow{255, 255, 0};
        for (int run = 0; run <= later; ++run) {
            const Rgb pen = run % 2 == 0 ? red : yellow;
            if (run == 0 || run == later) {
                drawing.drawLine(30, 30, 30, 30, pen);
            } else {
                drawing.drawLine(70, 70, 70, 70, pen);
            }
        }
        surface.show(&drawing);
        const QColor last = later % 2 == 0 ? Qt::red : Qt::yellow;
        const QPoint at = onSurface(surface, drawing, 30, 30).toPoint();
        QVERIFY(
            anyPixelOf(surface.grab().toImage(), QRect(at - QPoint(2, 2), QSize(5, 5)), last, 0));
    }

    // A run of one pen longer than the painter is handed at once: every point of it shows,
    // the last as the first.
    void aLongRunDrawsEveryLine_data() {
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("rows");
        QTest::newRow("one short of the piece") << 31 << 33;
        QTest::newRow("just over the piece") << 41 << 25;
        QTest::newRow("three pieces and some") << 60 << 55;
    }
    void aLongRunDrawsEveryLine() {
        QFETCH(int, columns);
        QFETCH(int, rows);
        QWidget host;
        DrawingSurface surface(QStringLiteral("Surface"), Qt::white, &host);
        surface.setGeometry(0, 0, 3 * columns + 20, 3 * rows + 20);
        DisplayList drawing;
        drawing.setScale(0, 0, 3 * columns + 20, 3 * rows + 20);
        for (int row = 0; row < rows; ++row) {
            for (int column = 0; column < columns; ++column) {
                const float x = 10.0f + 3 * column;
                const float y = 10.0f + 3 * row;
                drawing.drawLine(x, y, x, y, Rgb{255, 0, 0});
            }
        }
        surface.show(&drawing);
        const QImage image = surface.grab().toImage();
        int missing = 0;
        for (int row = 0; row < rows; ++row) {
            for (int column = 0; column < columns; ++column) {
                const QPoint at =
                    onSurface(surface, drawing, 10 + 3 * column, 10 + 3 * row).toPoint();
                if (!anyPixelOf(image, QRect(at - QPoint(1, 1), QSize(3, 3)), Qt::red, 0)) {
                    ++missing;
                }
            }
        }
        QCOMPARE(missing, 0);
    }
};

ARCWRIGHT_WINDOW_TEST_MAIN(SurfaceTest)
#include "surface_test.moc"
