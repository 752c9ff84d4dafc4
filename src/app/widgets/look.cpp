// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/widgets/look.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <algorithm>
#include <array>
#include <cmath>
#include <map>

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
    QFont::insertSubstitutions(
        QString::fromLatin1(kWindowFamily),
        {QString::fromLatin1(kWindowStandIn), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(
        QString::fromLatin1(kSheetFamily),
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

// The icon's PNG sizes, drawn from data/icons/arcwright.svg by scripts/render-icons.sh and
// built into the program as resources (src/app/CMakeLists.txt).
constexpr std::array kIconSizes{16, 24, 32, 48, 64, 128, 256};

// Hands out those PNGs, each read only when its size is first asked for: start-up decodes
// no image, and a screen that never shows the window icon reads none.
class PngIconEngine : public QIconEngine {
  public:
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        // The smallest drawn size that covers the request, scaled down to it; never larger
        // than the largest drawn size.
        const int wanted = std::max(size.width(), size.height());
        const auto covering = std::find_if(kIconSizes.begin(), kIconSizes.end(),
                                           [&](int drawn) { return drawn >= wanted; });
        const int drawn = covering == kIconSizes.end() ? kIconSizes.back() : *covering;
        QPixmap& loaded = loaded_[drawn];
        if (loaded.isNull()) loaded.load(QStringLiteral(":/icons/arcwright-%1.png").arg(drawn));
        if (loaded.isNull() || loaded.width() <= wanted) return loaded;
        return loaded.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (const int drawn : kIconSizes) sizes.append(QSize(drawn, drawn));
        return sizes;
    }

    QIconEngine* clone() const override { return new PngIconEngine(*this); }

  private:
    std::map<int, QPixmap> loaded_;  // by size in pixels
};

}  // namespace

QIcon appIcon() {
    return QIcon(new PngIconEngine);  // the icon owns its engine
}

}  // namespace arcwright::look
