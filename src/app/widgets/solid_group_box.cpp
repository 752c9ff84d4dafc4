// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/widgets/solid_group_box.h"

#include <QImageReader>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QStylePainter>
#include <array>

namespace arcwright {
namespace {

// Where Fusion keeps its group box frame, and how much of each edge of it is corner.
constexpr auto kFusionFrameImage = ":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png";
constexpr int kFrameCorner = 6;
// Fusion's gap between a titled box's title line and its frame's top edge.
constexpr int kFusionFrameGap = 3;

// The eight pieces of a frame image round `target`, the corners as they are and the edges
// stretched along their length, as qDrawBorderPixmap places them with stretched tiles; its
// ninth piece, the centre, is left out.
std::array<QPainter::PixmapFragment, 8> borderPieces(const QRect& target, const QSize& image,
                                                     int corner) {
    // The column and row edges of the three-by-three grid, in the target and in the image.
    const std::array<qreal, 4> xs{qreal(target.left()), qreal(target.left() + corner),
                                  qreal(target.right() - corner + 1),
                                  qreal(target.left() + target.width())};
    const std::array<qreal, 4> ys{qreal(target.top()), qreal(target.top() + corner),
                                  qreal(target.bottom() - corner + 1),
                                  qreal(target.top() + target.height())};
    const std::array<qreal, 3> sourceXs{0, qreal(corner), qreal(image.width() - corner)};
    const std::array<qreal, 3> sourceYs{0, qreal(corner), qreal(image.height() - corner)};
    const std::array<qreal, 3> sourceWidths{qreal(corner), qreal(image.width() - 2 * corner),
                                            qreal(corner)};
    const std::array<qreal, 3> sourceHeights{qreal(corner), qreal(image.height() - 2 * corner),
                                             qreal(corner)};
    const auto piece = [&](std::size_t column, std::size_t row) {
        const QRectF source(sourceXs[column], sourceYs[row], sourceWidths[column],
                            sourceHeights[row]);
        const QPointF centre(0.5 * (xs[column] + xs[column + 1]), 0.5 * (ys[row] + ys[row + 1]));
        return QPainter::PixmapFragment::create(centre, source,
                                                (xs[column + 1] - xs[column]) / source.width(),
                                                (ys[row + 1] - ys[row]) / source.height());
    };
    // In qDrawBorderPixmap's order: the corners, the top and bottom edges, the sides.
    return {piece(0, 0), piece(2, 0), piece(0, 2), piece(2, 2),
            piece(1, 0), piece(1, 2), piece(0, 1), piece(2, 1)};
}

}  // namespace

const QPixmap& SolidGroupBox::frameImage() {
    if (!frameImageRead_) {
        frameImageRead_ = true;
        // Told the format and kept from guessing it, the reader decodes the PNG with Qt's own
        // decoder and loads no plugin (it only lists them).
        QImageReader reader(QString::fromLatin1(kFusionFrameImage), "png");
        reader.setAutoDetectImageFormat(false);
        frameImage_ = QPixmap::fromImage(reader.read());
    }
    return frameImage_;
}

void SolidGroupBox::drawFrame(QPainter& painter, const QStyleOptionGroupBox& option) {
    QRect frame =
        style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxFrame, this);
    // Fusion lowers the frame's top edge below the title line, or lets it rise when there
    // is neither title nor check box.
    int top = kFusionFrameGap;
    if (isCheckable() || !title().isEmpty()) {
        top += std::max(style()->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight, &option, this),
                        option.fontMetrics.height());
    }
    frame.setTop(frame.top() + top);
    const QPixmap& image = frameImage();
    const auto pieces = borderPieces(frame, image.size(), kFrameCorner);
    painter.drawPixmapFragments(pieces.data(), static_cast<int>(pieces.size()), image);
}

void SolidGroupBox::paintEvent(QPaintEvent* event) {
    drewOwnFrame_ = style()->name() == QLatin1String("fusion") && !frameImage().isNull();
    if (drewOwnFrame_) {
        // QGroupBox's own paint, with the frame drawn here instead of by the style.
        QStylePainter painter(this);
        QStyleOptionGroupBox option;
        initStyleOption(&option);
        if (option.subControls & QStyle::SC_GroupBoxFrame) drawFrame(painter, option);
        option.subControls &= ~QStyle::SC_GroupBoxFrame;
        painter.drawComplexControl(QStyle::CC_GroupBox, option);
    } else {
        QGroupBox::paintEvent(event);
    }
    // The frame's line runs round the widget's edge below the title, at the top of the
    // contents; one pixel of highlight lies inside it, and the shaded panel inside that.
    const QRect panel(QPoint(3, contentsRect().top() + 2), QPoint(width() - 3, height() - 3));
    QPainter painter(this);
    painter.fillRect(panel, palette().color(backgroundRole()));
}

}  // namespace arcwright
