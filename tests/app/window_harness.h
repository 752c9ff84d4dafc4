// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "app/calculator/form1.h"
#include "app/planner/planner.h"
#include "app/widgets/drawing_surface.h"
#include "app/widgets/look.h"
#include "geometry/cove_solver.h"
#include "model/number_text.h"
#include "readouts/readouts.h"

namespace arcwright::testing {

// Runs a Qt Test class on the offscreen platform with the program's own style and
// fonts, under a decimal-comma locale to prove nothing depends on it.
#define ARCWRIGHT_WINDOW_TEST_MAIN(TestClass)                           \
    int main(int argc, char** argv) {                                   \
        qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() \
                                       ? QByteArray("offscreen")        \
                                       : qgetenv("QT_QPA_PLATFORM"));   \
        QApplication app(argc, argv);                                   \
        QApplication::setStyle(QStringLiteral("Fusion"));               \
        arcwright::look::installFontStandIns();                         \
        TestClass tc;                                                   \
        return QTest::qExec(&tc, argc, argv);                           \
    }

// A fresh, shown and active window for each test.
inline std::unique_ptr<Form1> openWindow() {
    auto window = std::make_unique<Form1>();
    window->show();
    QApplication::setActiveWindow(window.get());
    window->activateWindow();
    [[maybe_unused]] const bool exposed = QTest::qWaitForWindowExposed(window.get());
    return window;
}

template <class T>
T* control(const QWidget& window, const char* name) {
    return window.findChild<T*>(QString::fromLatin1(name));
}

inline QString caption(const QWidget& window, const char* name) {
    const auto* label = control<QLabel>(window, name);
    return label ? label->text() : QStringLiteral("<missing %1>").arg(QLatin1String(name));
}

inline QLineEdit* box(const QWidget& window, const char* name) {
    return control<QLineEdit>(window, name);
}

// A text's value, read as the window reads it: the number at its start.
inline double valueOf(const QString& text) {
    return leadingNumber(text.toStdString());
}

// A box's value, read as the window reads it.
inline double valueIn(const QWidget& window, const char* name) {
    return valueOf(box(window, name)->text());
}

// The cut width the boxes call for, worked out by the core alone: the text the result
// line must show, empty when the cut is too wide.
inline QString expectedCutWidth(const QWidget& window) {
    CoveSolution solution;
    solveCove({valueIn(window, "Text1"), valueIn(window, "Text2"), valueIn(window, "Text4")},
              solution);
    return QString::fromStdString(cutWidthText(solution));
}

// Where a point of a surface's user scale lands on the widget: the scale maps its left, top,
// width and height onto the area inside the border.
inline QPointF onSurface(const DrawingSurface& surface, const DisplayList& drawing, double x,
                         double y) {
    const Scale& s = drawing.scale();
    const QRectF inner = surface.innerRect();
    return {inner.left() + (x - s.left) * inner.width() / s.width,
            inner.top() + (y - s.top) * inner.height() / s.height};
}

// Replaces a box's text the way a person does: select all, then type key by key.
inline void retype(QLineEdit* box, const QString& text) {
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, text);
}

// The five captions of a fraction read-out, joined with "|" for compact comparisons.
inline QString captionsOf(const QWidget& window, std::initializer_list<const char*> names) {
    QStringList parts;
    for (const char* name : names) parts << caption(window, name);
    return parts.join(QLatin1Char('|'));
}

// Opens the planner from the window's "Plan a Cove..." button, as a user would.
inline Planner* openPlanner(Form1& window) {
    QTest::mouseClick(control<QPushButton>(window, "CommandPlan"), Qt::LeftButton);
    auto* planner = window.findChild<Planner*>();
    if (planner) [[maybe_unused]]
        const bool shown = QTest::qWaitForWindowExposed(planner);
    return planner;
}

}  // namespace arcwright::testing
