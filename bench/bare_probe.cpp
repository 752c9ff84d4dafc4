// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The yardstick for start-up time and memory: the least a Qt Widgets program can be, one
// window with one label, shown and quit after its first paint.
#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>

#include "first_paint.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("Hello"), &window));
    new QuitAfterFirstPaint(&window);
    window.show();
    return QApplication::exec();
}
