// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Renders the application icon into a hicolor icon tree, one PNG per size:
//   render_icons OUTDIR ICON_NAME  ->  OUTDIR/<n>x<n>/apps/ICON_NAME.png
// The pixels come from the same drawing the window uses for its own icon.
#include <QDir>
#include <QGuiApplication>
#include <QIcon>
#include <QPixmap>
#include <cstdio>

#include "app/look.h"

int main(int argc, char** argv) {
    // No display is needed, and the icon is drawn at its own size whatever the desktop's
    // scale factor.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qunsetenv("QT_SCALE_FACTOR");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: render_icons OUTDIR ICON_NAME\n");
        return 2;
    }
    const QString outDir = QString::fromLocal8Bit(argv[1]);
    const QString iconName = QString::fromLocal8Bit(argv[2]);
    const QIcon icon = arcwright::look::appIcon();
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString dir = QStringLiteral("%1/%2x%2/apps").arg(outDir).arg(size);
        const QPixmap pixmap = icon.pixmap(QSize(size, size), 1.0);
        if (!QDir().mkpath(dir) || pixmap.size() != QSize(size, size) ||
            !pixmap.save(QStringLiteral("%1/%2.png").arg(dir, iconName))) {
            std::fprintf(stderr, "render_icons: could not write the %dx%d icon\n", size, size);
            return 1;
        }
    }
    return 0;
}
