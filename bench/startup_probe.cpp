// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's own start-up, step for step as its main() does it, ending right after
// the window is first painted: what a user waits for before the window is there.
#include <QApplication>

#include "app/calculator/form1.h"
#include "app/widgets/look.h"
#include "first_paint.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Arcwright"));
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setWindowIcon(arcwright::look::appIcon());
    arcwright::look::installFontStandIns();
    arcwright::Form1 window;
    new QuitAfterFirstPaint(&window);
    window.show();
    return QApplication::exec();
}
