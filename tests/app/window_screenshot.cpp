// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Shows the real window on a real X display (Xvfb), sets the boxes given on the command
// line, saves what the screen shows to a PNG and checks a few pixels of it.
//   window_screenshot OUT.png [Text1=0.25] [Text2=30] ... [hideWarning]
#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <cstdio>

#include "app/calculator/form1.h"
#include "app/widgets/look.h"

namespace {

int fail(const char* what) {
    std::fprintf(stderr, "screenshot check failed: %s\n", what);
    return 1;
}

bool near(const QColor& a, const QColor& b) {
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
               std::abs(a.blue() - b.blue()) <
           30;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    arcwright::look::installFontStandIns();
    if (argc < 2) return fail("usage: window_screenshot OUT.png [BoxName=text]... [hideWarning]");

    arcwright::Form1 window;
    window.move(0, 0);
    window.show();
    QApplication::setActiveWindow(&window);
    if (!QTest::qWaitForWindowExposed(&window)) return fail("window never shown");

    for (int i = 2; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg == QLatin1String("hideWarning")) {
            QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("Command12")),
                              Qt::LeftButton);
            continue;
        }
        const auto name = arg.section(QLatin1Char('='), 0, 0);
        auto* box = window.findChild<QLineEdit*>(name);
        if (!box) return fail("no such box");
        box->setText(arg.section(QLatin1Char('='), 1));
    }
    QTest::qWait(300);

    const QImage shot = window.screen()->grabWindow(window.winId()).toImage();
    if (!shot.save(QString::fromLocal8Bit(argv[1]))) return fail("could not save the PNG");
    std::printf("saved %s (%dx%d)\n", argv[1], shot.width(), shot.height());

    // What a person sees: the teal window, the white section view, the board drawn on it.
    if (shot.size() != QSize(713, 523)) return fail("window is not 713 x 523");
    if (!near(shot.pixelColor(690, 510), QColor(0, 128, 128))) return fail("no teal background");
    auto* section = window.findChild<QWidget*>(QStringLiteral("Picture1"));
    const QRect area = section->geometry().adjusted(4, 4, -4, -4);
    int inked = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (shot.pixelColor(x, y).lightness() < 128) ++inked;
        }
    }
    if (!near(shot.pixelColor(area.left() + 2, area.top() + 2), Qt::white)) {
        return fail("section view is not white");
    }
    if (inked < 100) return fail("no board drawn in the section view");
    return 0;
}
