// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The warning frame's group box draws the style's frame line itself, to keep the style from
// loading every image plugin at start-up: it must stay pixel for pixel what the style draws,
// and must show its own colour inside.
#include <QGroupBox>
#include <QImage>
#include <cmath>

#include "app/widgets/solid_group_box.h"
#include "window_harness.h"

using namespace arcwright;

namespace {

// A box of the kind given, coloured as the warning frame is, drawn into an image of its own.
template <typename Box>
QImage drawn(const QString& title, bool checkable, QSize size, qreal ratio) {
    Box box(title);
    box.setCheckable(checkable);
    QPalette palette = box.palette();
    palette.setColor(QPalette::Window, QColor(0, 128, 128));
    box.setPalette(palette);
    box.setAutoFillBackground(true);
    box.resize(size);
    QImage image(size * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::magenta);
    box.render(&image);
    return image;
}

// Where the solid box paints its own panel, in device pixels.
QRect panelOf(const QString& title, bool checkable, QSize size, qreal ratio) {
    SolidGroupBox box(title);
    box.setCheckable(checkable);
    box.resize(size);
    const QRect logical(QPoint(3, box.contentsRect().top() + 2),
                        QPoint(size.width() - 3, size.height() - 3));
    return {(logical.topLeft() * ratio), logical.size() * ratio};
}

}  // namespace

class GroupBoxTest : public QObject {
    Q_OBJECT

  private slots:
    void framesAsTheStyleDoes_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("checkable");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<qreal>("ratio");
        QTest::newRow("the warning frame") << "Warning!" << false << QSize(257, 209) << 1.0;
        QTest::newRow("the warning frame, dense screen")
            << "Warning!" << false << QSize(257, 209) << 2.0;
        QTest::newRow("a long title, small box")
            << "A title wider than the box is" << false << QSize(60, 40) << 1.0;
        QTest::newRow("no title") << "" << false << QSize(120, 80) << 1.0;
        QTest::newRow("no title, dense screen") << "" << false << QSize(120, 80) << 2.0;
        QTest::newRow("with a check box") << "Warning!" << true << QSize(200, 100) << 1.0;
        QTest::newRow("with a check box, one and a half")
            << "Warning!" << true << QSize(200, 100) << 1.5;
        QTest::newRow("smaller than its corners") << "" << false << QSize(9, 9) << 1.0;
    }

    // Outside the panel every pixel is the style's; inside it the box's own colour.
    void framesAsTheStyleDoes() {
        QFETCH(QString, title);
        QFETCH(bool, checkable);
        QFETCH(QSize, size);
        QFETCH(qreal, ratio);
        const QImage style = drawn<QGroupBox>(title, checkable, size, ratio);
        const QImage solid = drawn<SolidGroupBox>(title, checkable, size, ratio);
        const QRect panel = panelOf(title, checkable, size, ratio);
        // At a ratio between whole numbers the panel's edge falls inside device pixels,
        // which are partly the panel's and partly the frame's.
        const int blur = ratio == std::floor(ratio) ? 0 : 1;
        const QRect inside = panel.adjusted(blur, blur, -blur, -blur);
        const QRect edge = panel.adjusted(-blur, -blur, blur, blur);
        int differ = 0;
        QPoint first(-1, -1);
        for (int y = 0; y < solid.height(); ++y) {
            for (int x = 0; x < solid.width(); ++x) {
                if (inside.contains(x, y)) {
                    QCOMPARE(solid.pixelColor(x, y), QColor(0, 128, 128));
                } else if (!edge.contains(x, y) && solid.pixel(x, y) != style.pixel(x, y)) {
                    if (differ++ == 0) first = QPoint(x, y);
                }
            }
        }
        QVERIFY2(differ == 0, qPrintable(QStringLiteral("%1 pixels differ from the style's, the "
                                                        "first at (%2, %3)")
                                             .arg(differ)
                                             .arg(first.x())
                                             .arg(first.y())));
    }

    // Under this style the box draws the frame itself: where it falls back to the style,
    // the image plugins are loaded again at start-up and the window costs more memory.
    void drawsTheFrameItselfUnderThisStyle() {
        SolidGroupBox box(QStringLiteral("Warning!"));
        box.resize(200, 100);
        QImage image(box.size(), QImage::Format_ARGB32_Premultiplied);
        box.render(&image);
        QVERIFY(box.drewOwnFrame());
    }
};

ARCWRIGHT_WINDOW_TEST_MAIN(GroupBoxTest)
#include "group_box_test.moc"
