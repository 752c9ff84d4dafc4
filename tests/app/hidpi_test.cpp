// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window on a high-density screen. Run once at the desktop's plain ratio and once with
// QT_SCALE_FACTOR=2: the layout in device-independent pixels must not move, and the drawings
// must be drawn at the screen's own resolution, not blown up. Screenshots of both runs are
// left in hidpi/ in the build tree.
#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QImage>
#include <QLineEdit>
#include <QPixmap>
#include <QTextStream>

#include "app/widgets/drawing_surface.h"
#include "app/widgets/whole_text.h"
#include "window_harness.h"

using namespace arcwright;
using namespace arcwright::testing;

namespace {

int askedRatio() {
    const QByteArray factor = qgetenv("QT_SCALE_FACTOR");
    return factor.isEmpty() ? 1 : factor.toInt();
}

QString outPath(const QString& file) {
    QDir().mkpath(QStringLiteral("hidpi"));
    return QStringLiteral("hidpi/") + file;
}

// Every named control with its place in device-independent pixels, one per line.
QStringList layoutOf(const QWidget& window) {
    QStringList lines;
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        if (w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_"))) {
            continue;
        }
        const QRect g = w->geometry();
        lines << QStringLiteral("%1 %2 %3 %4 %5 %6")
                     .arg(w->objectName())
                     .arg(g.x())
                     .arg(g.y())
                     .arg(g.width())
                     .arg(g.height())
                     .arg(w->isVisibleTo(&window) ? 1 : 0);
    }
    lines.sort();
    return lines;
}

bool dark(const QImage& image, int x, int y) {
    return qGray(image.pixel(x, y)) < 64;
}
bool light(const QImage& image, int x, int y) {
    return qGray(image.pixel(x, y)) > 192;
}

}  // namespace

class HiDpiTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Form1> window_;
    int ratio_ = 1;

    DrawingSurface* section() { return control<DrawingSurface>(*window_, "Picture1"); }

  private slots:
    void initTestCase() {
        ratio_ = askedRatio();
        window_ = openWindow();
        QTest::mouseClick(control<QWidget>(*window_, "Command12"), Qt::LeftButton);
    }
    void cleanupTestCase() { window_.reset(); }

    void windowRunsAtTheAskedRatio() {
        QCOMPARE(window_->devicePixelRatio(), qreal(ratio_));
        QCOMPARE(window_->size(), QSize(713, 523));
    }

    // The plain run writes the layout down; the dense run must match it control by control.
    void layoutDoesNotMove() {
        const QStringList layout = layoutOf(*window_);
        QVERIFY(layout.size() > 60);
        QFile file(outPath(QStringLiteral("layout-%1x.txt").arg(ratio_)));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text));
        QTextStream(&file) << layout.join(QLatin1Char('\n')) << '\n';
        file.close();
        if (ratio_ == 1) return;

        QFile plain(outPath(QStringLiteral("layout-1x.txt")));
        if (!plain.open(QIODevice::ReadOnly | QIODevice::Text)) {
            QSKIP("no layout from the plain run to compare with (run app.hidpi_test first)");
        }
        const QStringList expected =
            QString::fromUtf8(plain.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(layout, expected);
    }

    // Captions still fit their labels when the text is drawn at a finer grid.
    void captionsFit() {
        for (const QLabel* label : window_->findChildren<QLabel*>()) {
            if (label->text().isEmpty() || label->wordWrap()) continue;
            const int needed = label->fontMetrics().horizontalAdvance(label->text());
            QVERIFY2(needed <= label->width(),
                     qPrintable(QStringLiteral("%1 \"%2\" needs %3 px, has %4")
                                    .arg(label->objectName(), label->text())
                                    .arg(needed)
                                    .arg(label->width())));
        }
    }

    void screenshot() {
        const QPixmap shot = window_->grab();
        QCOMPARE(shot.devicePixelRatio(), qreal(ratio_));
        QCOMPARE(shot.size(), QSize(713, 523) * ratio_);
        QVERIFY(shot.save(outPath(QStringLiteral("window-%1x.png").arg(ratio_))));
    }

    // The board's lines in the section view are one device-independent pixel wide: one
    // device pixel at ratio 1, two at ratio 2, solid, with clean paper on either side.
    void sectionLinesAreCrisp_data() {
        QTest::addColumn<QPointF>("from");  // user units: thousandths of an inch
        QTest::addColumn<bool>("level");    // level line: thickness counted down a column
        // The 4 x 0.75 in. board is centred on (4000, 2000).
        QTest::newRow("back of the board") << QPointF(2500, 2375) << true;
        QTest::newRow("left end") << QPointF(2000, 2200) << false;
        QTest::newRow("right end") << QPointF(6000, 1800) << false;
    }
    void sectionLinesAreCrisp() {
        QFETCH(QPointF, from);
        QFETCH(bool, level);
        const QImage image = section()->grab().toImage();
        QCOMPARE(image.size(), section()->size() * ratio_);
        const QPointF at =
            onSurface(*section(), window_->calculator().view(View::Picture1), from.x(), from.y());
        // A line covers whole device pixels: at ratio 1 the pixel its position falls in, at
        // ratio 2 the two device pixels either side of the nearest device pixel edge.
        const int along = ratio_ * int(level ? at.x() : at.y()) + ratio_ / 2;
        const double across = (level ? at.y() : at.x()) * ratio_;
        const int start = ratio_ % 2 == 1 ? int(std::floor(across)) : int(std::lround(across)) - 1;
        const auto pixelDark = [&](int across) {
            return level ? dark(image, along, across) : dark(image, across, along);
        };
        const auto pixelLight = [&](int across) {
            return level ? light(image, along, across) : light(image, across, along);
        };
        for (int i = 0; i < ratio_; ++i)
            QVERIFY2(pixelDark(start + i), qPrintable(QString::number(i)));
        QVERIFY(pixelLight(start - 1));
        QVERIFY(pixelLight(start + ratio_));
    }

    // A picture blown up from the plain ratio is made of solid 2 x 2 blocks; one drawn at
    // the dense ratio has finer steps along the cove's curve.
    void coveIsDrawnAtTheScreensResolution() {
        if (ratio_ == 1) QSKIP("only a dense screen has a finer grid");
        const QImage image = section()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        int finer = 0;
        for (int y = 0; y + 1 < image.height(); y += 2) {
            for (int x = 0; x + 1 < image.width(); x += 2) {
                const QRgb p = image.pixel(x, y);
                if (image.pixel(x + 1, y) != p || image.pixel(x, y + 1) != p ||
                    image.pixel(x + 1, y + 1) != p) {
                    ++finer;
                }
            }
        }
        QVERIFY2(finer > 50, qPrintable(QString::number(finer)));
    }

    // Every figure of up to six characters shows whole in each of the four boxes, focused or
    // not, and a figure that fits keeps the window's type; the boxes do not move. Last, as it
    // types into the boxes.
    void figuresShowWhole() {
        const QStringList layout = layoutOf(*window_);
        for (const char* name : {"Text1", "Text2", "Text3", "Text4"}) {
            QLineEdit* edit = box(*window_, name);
            const QFont usual = edit->font();
            const QString before = edit->text();
            for (const char* figure :
                 {"36.8", "17.35", "89.99", "0.0625", "12.375", "254.0", "45"}) {
                const QString text = QString::fromLatin1(figure);
                retype(edit, text);
                for (const bool focused : {true, false}) {
                    if (!focused)
                        box(*window_, name == QByteArrayView("Text1") ? "Text4" : "Text1")
                            ->setFocus();
                    const double needed =
                        QFontMetricsF(edit->font()).horizontalAdvance(edit->text());
                    QVERIFY2(needed <= roomForText(*edit),
                             qPrintable(QStringLiteral("%1 \"%2\" needs %3 px, has %4")
                                            .arg(QString::fromLatin1(name), text)
                                            .arg(needed)
                                            .arg(roomForText(*edit))));
                }
                if (QFontMetricsF(usual).horizontalAdvance(text) <= roomForText(*edit)) {
                    QCOMPARE(edit->font(), usual);
                }
            }
            retype(edit, before);
            QCOMPARE(edit->font(), usual);
        }
        QCOMPARE(layoutOf(*window_), layout);
    }
};

ARCWRIGHT_WINDOW_TEST_MAIN(HiDpiTest)
#include "hidpi_test.moc"
