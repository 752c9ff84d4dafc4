// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/look.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <cmath>

namespace arcwright::look {
namespace {
// The classic desktop faces the window and the sheet were laid out in, and their
// metric-compatible stand-ins from the Liberation family (DejaVu as a last resort).
constexpr const char* kWindowFamily = "MS Sans Serif";
constexpr const char* kWindowStandIn = "Liberation Sans";
constexpr const char* kSheetFamily = "Times New Roman";
constexpr const char* kSheetStandIn = "Liberation Serif";
}  // namespace

void installFontStandIns() {
    QFont::insertSubstitutions(QString::fromLatin1(kWindowFamily),
                               {QString::fromLatin1(kWindowStandIn), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QString::fromLatin1(kSheetFamily),
                               {QString::fromLatin1(kSheetStandIn), QStringLiteral("DejaVu Serif")});
}

QFont windowFont(double points, bool bold, bool italic) {
    // Asking for the stand-in by name spares the font database a miss and a fallback
    // search for every face and size of the window.
    QFont font;
    font.setFamilies({QString::fromLatin1(kWindowStandIn), QStringLiteral("DejaVu Sans"),
                      QString::fromLatin1(kWindowFamily)});
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    font.setBold(bold);
    font.setItalic(italic);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

QString sheetFontFamily() {
    return QString::fromLatin1(kSheetFamily);
}

namespace {

// Draws the icon at whatever size is asked for, when it is asked for: nothing is
// drawn at start-up for sizes the desktop never shows.
class CoveIconEngine : public QIconEngine {
  public:
    void paint(QPainter* p, const QRect& rect, QIcon::Mode, QIcon::State) override {
        p->save();
        p->setRenderHint(QPainter::Antialiasing);
        p->translate(rect.topLeft());
        p->scale(rect.width() / 64.0, rect.height() / 64.0);
        // The board end, face down, with the cove scooped out of the face.
        QPainterPath board;
        board.addRoundedRect(QRectF(4, 16, 56, 32), 2, 2);
        QPainterPath cove;
        cove.addEllipse(QRectF(14, 30, 36, 36));
        const QPainterPath end = board.subtracted(cove);
        p->fillPath(end, QColor(196, 140, 80));
        // Growth rings on the end grain, kept inside the board.
        p->save();
        p->setClipPath(end, Qt::IntersectClip);
        p->setPen(QPen(QColor(150, 96, 48), 1.2));
        p->drawArc(QRectF(-14, 4, 44, 40), 0, 90 * 16);
        p->drawArc(QRectF(-6, 12, 28, 24), 0, 90 * 16);
        p->restore();
        p->setPen(QPen(QColor(96, 56, 16), 2.5));
        p->drawPath(end);
        p->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return pixmap;
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        return {{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}, {128, 128}, {256, 256}};
    }

    QIconEngine* clone() const override { return new CoveIconEngine; }
};

}  // namespace

QIcon appIcon() {
    return QIcon(new CoveIconEngine);  // the icon owns its engine
}

}  // namespace arcwright::look
