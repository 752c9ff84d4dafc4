#include "app/look.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <cmath>

namespace arcwright::look {
namespace {
const QString kWindowFamily = QStringLiteral("MS Sans Serif");
const QString kSheetFamily = QStringLiteral("Times New Roman");
}  // namespace

void installFontStandIns() {
    // Liberation's faces are metric-compatible with the classic desktop faces.
    QFont::insertSubstitutions(kWindowFamily,
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(
        kSheetFamily, {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
}

QFont windowFont(double points, bool bold, bool italic) {
    QFont font(kWindowFamily);
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    font.setBold(bold);
    font.setItalic(italic);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

QString sheetFontFamily() {
    return kSheetFamily;
}

QIcon appIcon() {
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / 64.0, size / 64.0);
        // The board end, face down, with the cove scooped out of the face.
        QPainterPath board;
        board.addRoundedRect(QRectF(4, 16, 56, 32), 2, 2);
        QPainterPath cove;
        cove.addEllipse(QRectF(14, 30, 36, 36));
        p.fillPath(board.subtracted(cove), QColor(196, 140, 80));
        p.setPen(QPen(QColor(96, 56, 16), 2.5));
        p.drawPath(board.subtracted(cove));
        // Grain rings on the end.
        p.setPen(QPen(QColor(150, 96, 48), 1.2));
        p.drawArc(QRectF(-14, 4, 44, 40), 0, 90 * 16);
        p.drawArc(QRectF(-6, 12, 28, 24), 0, 90 * 16);
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace arcwright::look
