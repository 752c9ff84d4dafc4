// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>

#include "app/calculator/form1.h"
#include "app/widgets/look.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Arcwright"));
    // Ties the window to its launcher, so the desktop shows the launcher's icon and name.
    QGuiApplication::setDesktopFileName(QStringLiteral(ARCWRIGHT_APP_ID));
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setWindowIcon(arcwright::look::appIcon());
    arcwright::look::installFontStandIns();
    arcwright::Form1 window;
    window.show();
    return QApplication::exec();
}
