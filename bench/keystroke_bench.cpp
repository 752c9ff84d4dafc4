// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

// One keystroke in the blade-height box of the real window, on the offscreen platform:
// from the key event, through the recomputation and every caption, until the window and
// all three drawing surfaces have been painted again. Each keystroke replaces one digit,
// alternating between two, so every one changes the text and recomputes.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <vector>

#include "app/calculator/form1.h"
#include "app/widgets/drawing_surface.h"
#include "app/widgets/look.h"

using namespace arcwright;

namespace {

// Counts paint events of the surfaces.
class PaintCounter : public QObject {
  public:
    int painted = 0;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++painted;
        return QObject::eventFilter(watched, event);
    }
};

QLineEdit* box(const QWidget& window, const char* name) {
    return window.findChild<QLineEdit*>(QLatin1String(name));
}

struct SetUp {
    const char* blade;
    const char* angle;
    const char* thickness;
    const char* width;
    int digit;     // position of the digit the keystrokes replace
    char keys[2];  // the two digits typed in turn
};

// The start-up set-up, 0.5 <-> 0.6 in. (100 and 120 levels), and nearly the deepest cut
// the tables hold, 4.89 <-> 4.99 in. (about 980 and 1000 levels).
constexpr SetUp kSetUps[] = {
    {"0.5 in.", "45°", "0.75 in.", "4.0 in.", 2, {'6', '5'}},
    {"4.99 in.", "30°", "5.5 in.", "6.0 in.", 2, {'8', '9'}},
};

void keystroke(benchmark::State& state) {
    const SetUp& setUp = kSetUps[state.range(0)];
    Form1 window;
    window.show();
    QApplication::setActiveWindow(&window);
    if (!QTest::qWaitForWindowExposed(&window)) {
        state.SkipWithError("the window was not exposed");
        return;
    }
    // The warning frame is dismissed, as it is after the first look.
    window.findChild<QPushButton*>(QStringLiteral("Command12"))->click();
    box(window, "Text4")->setText(QString::fromUtf8(setUp.width));
    box(window, "Text3")->setText(QString::fromUtf8(setUp.thickness));
    box(window, "Text2")->setText(QString::fromUtf8(setUp.angle));
    QLineEdit* text1 = box(window, "Text1");
    text1->setText(QString::fromUtf8(setUp.blade));
    text1->setFocus();
    QApplication::processEvents();

    PaintCounter counters[3];
    const char* surfaces[3] = {"Picture1", "Picture2", "Picture4"};
    for (int i = 0; i < 3; ++i) {
        window.findChild<DrawingSurface*>(QLatin1String(surfaces[i]))
            ->installEventFilter(&counters[i]);
    }
    QLabel* label4 = window.findChild<QLabel*>(QStringLiteral("Label4"));

    std::vector<double> micros;
    micros.reserve(1 << 16);
    int next = 0;
    bool allPainted = true;
    for (auto _ : state) {
        const int before[3] = {counters[0].painted, counters[1].painted, counters[2].painted};
        const QString shownBefore = label4->text();
        const auto start = std::chrono::steady_clock::now();

        text1->setSelection(setUp.digit, 1);
        QTest::keyClick(text1, setUp.keys[next]);
        // Everything the keystroke left for later: the update requests, which paint.
        QCoreApplication::sendPostedEvents();

        const auto stop = std::chrono::steady_clock::now();
        const double seconds = std::chrono::duration<double>(stop - start).count();
        state.SetIterationTime(seconds);
        micros.push_back(seconds * 1e6);
        next ^= 1;
        for (int i = 0; i < 3; ++i) allPainted = allPainted && counters[i].painted > before[i];
        allPainted = allPainted && label4->text() != shownBefore;
    }
    if (!allPainted)
        state.SkipWithError("a keystroke left a surface unpainted or the result unchanged");
    if (!micros.empty()) {
        std::sort(micros.begin(), micros.end());
        state.counters["median_us"] = micros[micros.size() / 2];
        state.counters["p90_us"] = micros[micros.size() * 9 / 10];
        state.counters["max_us"] = micros.back();
    }
    state.counters["levels"] = window.calculator().solution().pointCount;
}
BENCHMARK(keystroke)->ArgName("deep")->Arg(0)->Arg(1)->UseManualTime()->Unit(
    benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    look::installFontStandIns();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
