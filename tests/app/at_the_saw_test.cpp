// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The view at the saw on the real windows: opened from the planner, worked pass by pass from
// the keyboard, keeping its count through closing and through the planner's recomputations,
// and large enough to read from across the shop.
#include "app/planner/at_the_saw.h"

#include <QAccessibleEvent>
#include <QDir>
#include <QImage>
#include <QRadioButton>

#include "app/calculator/accessibility.h"
#include "app/planner/core_words.h"
#include "app/widgets/drawing_surface.h"
#include "plan/planner_words.h"
#include "window_harness.h"

using namespace arcwright;
using namespace arcwright::testing;

namespace {

struct Heard {
    QString object;
    QString description;
};

// Keys as a test row spells them: "space space backspace".
QList<Qt::Key> keysOf(const QString& spelled) {
    static const QMap<QString, Qt::Key> names{
        {"space", Qt::Key_Space}, {"return", Qt::Key_Return},
        {"enter", Qt::Key_Enter}, {"backspace", Qt::Key_Backspace},
        {"home", Qt::Key_Home},   {"end", Qt::Key_End},
        {"a", Qt::Key_A},         {"right", Qt::Key_Right},
        {"tab", Qt::Key_Tab}};
    QList<Qt::Key> keys;
    for (const QString& name : spelled.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        keys << names.value(name, Qt::Key_unknown);
    }
    return keys;
}

// How far across the window the pixels of a label's text reach, as a share of the width.
double textSpan(const QImage& shot, const QRect& band, const QColor& background) {
    int left = shot.width();
    int right = -1;
    for (int y = std::max(0, band.top()); y <= std::min(shot.height() - 1, band.bottom()); ++y) {
        for (int x = 0; x < shot.width(); ++x) {
            const QColor c = shot.pixelColor(x, y);
            const int off = std::abs(c.red() - background.red()) +
                            std::abs(c.green() - background.green()) +
                            std::abs(c.blue() - background.blue());
            if (off > 120) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    return right < left ? 0.0 : double(right - left + 1) / shot.width();
}

// Controls of the view laid over one another, or squeezed below their type's height: what
// a window too small for its type would do.
QStringList crowded(const QWidget& view) {
    QStringList found;
    QList<const QWidget*> shown;
    for (const QWidget* w : view.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (w->isVisible() && w->objectName() != QLatin1String("sawSafety")) shown << w;
    }
    for (const QWidget* w : shown) {
        if (qobject_cast<const QLabel*>(w) && w->height() < w->fontMetrics().height()) {
            found << w->objectName() + QStringLiteral(" squeezed");
        }
        for (const QWidget* other : shown) {
            if (w < other && w->geometry().intersects(other->geometry())) {
                found << w->objectName() + QLatin1Char('/') + other->objectName();
            }
        }
    }
    return found;
}

}  // namespace

class AtTheSawTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Form1> window_;
    Planner* planner_ = nullptr;
    std::vector<Heard> heard_;

    static QString text(const QWidget& view, const char* name) { return caption(view, name); }

    // The worked example in the planner: a 3-in. cove 5/8 in. deep, in 1/16-in. passes.
    void plan(const char* passDepth = "1/16") {
        retype(box(*planner_, "planCoveWidth"), QStringLiteral("3"));
        retype(box(*planner_, "planCoveDepth"), QStringLiteral("5/8"));
        retype(box(*planner_, "planBoardWidth"), QStringLiteral("4 1/2"));
        retype(box(*planner_, "planBoardThickness"), QStringLiteral("1 1/4"));
        retype(box(*planner_, "planPassDepth"), QString::fromLatin1(passDepth));
    }

    // Opens the view from the planner's button, as a user does.
    AtTheSaw* openView() {
        QTest::mouseClick(control<QPushButton>(*planner_, "planAtSaw"), Qt::LeftButton);
        auto* view = planner_->findChild<AtTheSaw*>();
        if (view) [[maybe_unused]]
            const bool shown = QTest::qWaitForWindowExposed(view);
        return view;
    }

    // Opened, with the safety note read and closed by the key a woodworker would use, and
    // the set-up page after it passed on to pass 1.
    AtTheSaw* openedAndRead() {
        AtTheSaw* view = openView();
        if (!view) return nullptr;
        QTest::keyClick(view, Qt::Key_Return);
        QTest::keyClick(view, Qt::Key_Return);
        return view;
    }

    static void press(AtTheSaw& view, const QString& keys) {
        for (const Qt::Key key : keysOf(keys)) QTest::keyClick(&view, key);
    }

    QStringList heardObjects() const {
        QStringList names;
        for (const Heard& h : heard_) names << h.object;
        return names;
    }

  private slots:
    void init() {
        heard_.clear();
        watchAnnouncements([this](const QAccessibleEvent& event) {
            if (event.type() != QAccessible::Alert) return;
            const auto* widget = qobject_cast<const QWidget*>(event.object());
            if (widget && widget->window()->inherits("arcwright::AtTheSaw")) {
                heard_.push_back({widget->objectName(), widget->accessibleDescription()});
            }
        });
        window_ = openWindow();
        control<QPushButton>(*window_, "Command12")->click();  // the calculator's own note
        planner_ = openPlanner(*window_);
        QVERIFY(planner_);
        plan();
    }
    void cleanup() {
        window_.reset();
        watchAnnouncements({});
    }

    void opensFromThePlannersButtonRow() {
        auto* button = control<QPushButton>(*planner_, "planAtSaw");
        QVERIFY(button && button->isVisible());
        QCOMPARE(button->text().remove(QLatin1Char('&')), QStringLiteral("At the Saw..."));
        QCOMPARE(button->parentWidget(),
                 control<QPushButton>(*planner_, "planPreview")->parentWidget());
        QVERIFY(!button->accessibleName().isEmpty() && !button->toolTip().isEmpty());
        AtTheSaw* view = openView();
        QVERIFY(view && view->isVisible() && view->isWindow());
        QCOMPARE(view->objectName(), QStringLiteral("AtTheSaw"));
        QCOMPARE(view->windowTitle(), QStringLiteral("At the Saw"));
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(view));
        // A second click raises the same view.
        QApplication::setActiveWindow(planner_);
        QCOMPARE(openView(), view);
        QCOMPARE(planner_->findChildren<AtTheSaw*>().size(), qsizetype(1));
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(view));
    }

    // The safety note is the calculator's, word for word, shown on top as the view opens.
    void safetyNoteFirst() {
        AtTheSaw* view = openView();
        QVERIFY(view->safetyNoteShown());
        QCOMPARE(text(*view, "sawSafetyText"), caption(*window_, "Label47"));
        QCOMPARE(heardObjects(), QStringList{"sawSafety"});
        QApplication::processEvents();
        QDir().mkpath(QStringLiteral("at-the-saw"));
        QVERIFY(view->grab().save(QStringLiteral("at-the-saw/safety-note.png")));
        // Space reads it away without moving on a pass: the set-up comes first.
        QTest::keyClick(view, Qt::Key_Space);
        QVERIFY(!view->safetyNoteShown());
        QCOMPARE(text(*view, "sawPass"), QStringLiteral("Set up the saw"));
        QCOMPARE(heardObjects(), (QStringList{"sawSafety", "sawPass"}));
        // At the foot, which side of the blade the fence goes and which way to feed.
        QVERIFY(control<QLabel>(*view, "sawFooter")->isVisible());
        QCOMPARE(text(*view, "sawFooter"), shown(fenceSideRuleInOneLine()));
    }

    // Every line of the view, pass by pass, to the end and beyond.
    // The plan's cautions stand at the saw with the set-up, before the first cut; a plain
    // cove shows none.
    void cautionsStandAtTheSaw() {
        plan("3/16");
        AtTheSaw* view = openView();
        QVERIFY(view);
        QTest::keyClick(view, Qt::Key_Return);  // the safety note
        auto* caution = control<QLabel>(*view, "sawCaution");
        QVERIFY(caution && caution->isVisible());
        QVERIFY2(caution->text().startsWith(QStringLiteral("Passes of up to 0.1875 in.")),
                 qPrintable(caution->text()));
        QVERIFY(crowded(*view).isEmpty());
        QTest::keyClick(view, Qt::Key_Space);  // on to pass 1
        QVERIFY(!caution->isVisible());
        plan("1/16");
        QVERIFY(caution->text().isEmpty() && !caution->isVisible());
    }

    void textAndOrder_data() {
        QTest::addColumn<QString>("passDepth");
        QTest::addColumn<QStringList>("lines");  // one entry a pass: its lines joined by "|"
        QTest::newRow("10 passes") << "1/16"
                                   << QStringList{
                                          "Pass 1 of 10|Set the blade to|0.0625 in. (1/16 in.)|"
                                          "The first pass, up from the table|"
                                          "Leaves the cove 1.0442 in. wide||Then make the pass.",
                                          "Pass 2 of 10|Set the blade to|0.125 in. (1/8 in.)|"
                                          "0.0625 in. (1/16 in.) higher than pass 1|"
                                          "Leaves the cove 1.4311 in. wide||Then make the pass.",
                                      };
        QTest::newRow("1 pass") << "5/8"
                                << QStringList{
                                       "Pass 1 of 1|Set the blade to|0.625 in. (5/8 in.)|"
                                       "The first pass, up from the table|"
                                       "Leaves the cove 3.0 in. wide|"
                                       "Final height: this pass cuts the cove to full depth.|"
                                       "Then make the pass."};
    }
    void textAndOrder() {
        QFETCH(QString, passDepth);
        QFETCH(QStringList, lines);
        plan(qPrintable(passDepth));
        AtTheSaw* view = openedAndRead();
        const auto shown = [view] {
            QStringList parts;
            for (const char* name : {"sawPass", "sawSetLine", "sawHeight", "sawRise", "sawWidth",
                                     "sawFinal", "sawThen"}) {
                parts << text(*view, name);
            }
            return parts.join(QLatin1Char('|'));
        };
        for (const QString& expected : lines) {
            QCOMPARE(shown(), expected);
            QTest::keyClick(view, Qt::Key_Space);
        }
        // The rest of the schedule in order, each pass from the planner's own table.
        const std::vector<PlanPass>& passes = planner_->model().result().passes;
        for (std::size_t i = lines.size(); i < passes.size(); ++i) {
            const QString number = QString::number(passes[i].number);
            QCOMPARE(text(*view, "sawPass"),
                     QStringLiteral("Pass %1 of %2").arg(number).arg(passes.size()));
            QVERIFY(text(*view, "sawRise")
                        .endsWith(QStringLiteral("pass %1").arg(passes[i].number - 1)));
            QCOMPARE(text(*view, "sawFinal").isEmpty(), i + 1 < passes.size());
            QTest::keyClick(view, Qt::Key_Space);
        }
        if (passes.size() == 10) {
            QCOMPARE(text(*view, "sawFinal"), QString());  // gone once the pass is made
        }
        const QString count = QString::number(passes.size());
        QCOMPARE(text(*view, "sawPass"), QStringLiteral("Done: %1 of %1").arg(count));
        QCOMPARE(text(*view, "sawHeight"), QStringLiteral("0.625 in. (5/8 in.)"));
        QCOMPARE(text(*view, "sawWidth"), QStringLiteral("The cove is 3.0 in. wide"));
        QCOMPARE(text(*view, "sawThen"), QString());
        QVERIFY(!control<QPushButton>(*view, "sawNext")->isEnabled());
        QVERIFY(control<QPushButton>(*view, "sawBack")->isEnabled());
    }

    void keys_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("pass");
        QTest::newRow("nothing pressed") << ""
                                         << "Pass 1 of 10";
        QTest::newRow("space") << "space space space"
                               << "Pass 4 of 10";
        QTest::newRow("return") << "return"
                                << "Pass 2 of 10";
        QTest::newRow("keypad enter") << "enter enter"
                                      << "Pass 3 of 10";
        QTest::newRow("backspace") << "space space space backspace"
                                   << "Pass 3 of 10";
        QTest::newRow("backspace at the first") << "backspace"
                                                << "Set up the saw";
        QTest::newRow("backspace past the set-up") << "backspace backspace"
                                                   << "Set up the saw";
        QTest::newRow("home from the set-up") << "backspace home"
                                              << "Pass 1 of 10";
        QTest::newRow("end from the set-up") << "backspace end"
                                             << "Pass 10 of 10";
        QTest::newRow("end") << "end"
                             << "Pass 10 of 10";
        QTest::newRow("past the end") << "end space"
                                      << "Done: 10 of 10";
        QTest::newRow("home") << "space space end home"
                              << "Pass 1 of 10";
        QTest::newRow("other keys do nothing") << "space a right tab"
                                               << "Pass 2 of 10";
    }
    void keys() {
        QFETCH(QString, keys);
        QFETCH(QString, pass);
        AtTheSaw* view = openedAndRead();
        // The keys go wherever the keyboard's focus is once the view is open.
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(view));
        for (const Qt::Key key : keysOf(keys)) QTest::keyClick(QApplication::focusWidget(), key);
        QCOMPARE(text(*view, "sawPass"), pass);
        // The last pass made closes the view.
        QCOMPARE(view->isVisible(), pass != QStringLiteral("Done: 10 of 10"));
    }

    // A pedal held down sends the key again and again: it moves one pass.
    void heldKeyMovesOnePass() {
        AtTheSaw* view = openedAndRead();
        QTest::keyPress(view, Qt::Key_Space);
        for (int i = 0; i < 5; ++i) {
            QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "),
                             true);
            QApplication::sendEvent(view, &repeat);
        }
        QTest::keyRelease(view, Qt::Key_Space);
        QCOMPARE(text(*view, "sawPass"), QStringLiteral("Pass 2 of 10"));
    }

    void buttonsMoveToo() {
        AtTheSaw* view = openView();
        QTest::keyClick(view, Qt::Key_Return);  // the safety note
        auto* next = control<QPushButton>(*view, "sawNext");
        auto* back = control<QPushButton>(*view, "sawBack");
        QVERIFY(!back->isEnabled());  // nothing before the set-up
        QTest::mouseClick(next, Qt::LeftButton);
        QCOMPARE(text(*view, "sawPass"), QStringLiteral("Pass 1 of 10"));
        QVERIFY(back->isEnabled());
        QTest::mouseClick(next, Qt::LeftButton);
        QTest::mouseClick(next, Qt::LeftButton);
        QCOMPARE(text(*view, "sawPass"), QStringLiteral("Pass 3 of 10"));
        QTest::mouseClick(back, Qt::LeftButton);
        QCOMPARE(text(*view, "sawPass"), QStringLiteral("Pass 2 of 10"));
        // Every control has words for screen readers.
        for (QWidget* w : view->findChildren<QWidget*>()) {
            if (w->objectName().isEmpty()) continue;
            QVERIFY2(!w->accessibleName().isEmpty(), qPrintable(w->objectName()));
            QVERIFY2(!w->accessibleDescription().isEmpty(), qPrintable(w->objectName()));
        }
    }

    // Each change of pass is heard once, with what to do; a key that moves nothing is silent.
    void announcesEveryChange() {
        AtTheSaw* view = openedAndRead();
        heard_.clear();
        press(*view, QStringLiteral("space backspace home end"));
        QCOMPARE(heardObjects(), (QStringList{"sawPass", "sawPass", "sawPass"}));
        QVERIFY(heard_[0].description.startsWith(
            QStringLiteral("Pass 2 of 10. Set the blade to 0.125 in. (1/8 in.).")));
        QVERIFY(heard_[0].description.endsWith(QStringLiteral("Then make the pass.")));
        QVERIFY(heard_[1].description.startsWith(QStringLiteral("Pass 1 of 10.")));
        QVERIFY2(heard_[2].description.contains(QStringLiteral("Final height")),
                 qPrintable(heard_[2].description));
    }

    void fullScreen() {
        AtTheSaw* view = openedAndRead();
        auto* toggle = control<QPushButton>(*view, "sawFullScreen");
        QTest::keyClick(view, Qt::Key_F11);
        QTRY_VERIFY(view->windowState() & Qt::WindowFullScreen);
        QVERIFY(toggle->text().startsWith(QStringLiteral("Leave")));
        QTest::keyClick(view, Qt::Key_Escape);  // leaves full screen, keeps the view
        QTRY_VERIFY(!(view->windowState() & Qt::WindowFullScreen));
        QVERIFY(view->isVisible());
        QTest::mouseClick(toggle, Qt::LeftButton);
        QTRY_VERIFY(view->windowState() & Qt::WindowFullScreen);
        QTest::mouseClick(toggle, Qt::LeftButton);
        QTRY_VERIFY(!(view->windowState() & Qt::WindowFullScreen));
        QTest::keyClick(view, Qt::Key_Escape);
        QVERIFY(!view->isVisible());
    }

    void countKeptAcrossCloseAndReopen() {
        AtTheSaw* view = openedAndRead();
        press(*view, QStringLiteral("space space space space"));
        view->close();
        QVERIFY(!view->isVisible());
        QCOMPARE(openView(), view);
        QVERIFY(view->safetyNoteShown());  // once more on opening
        QTest::keyClick(view, Qt::Key_Space);
        QCOMPARE(text(*view, "sawPass"), QStringLiteral("Pass 5 of 10"));
        QCOMPARE(heardObjects().last(), QStringLiteral("sawPass"));  // where the count stands
    }

    // Changes in the planner that leave the passes as they were keep the count, shown in the
    // planner's new unit; with the view closed as well as open.
    void unchangedScheduleKeepsThePass() {
        AtTheSaw* view = openedAndRead();
        press(*view, QStringLiteral("space space space space"));
        retype(box(*planner_, "planBoardWidth"), QStringLiteral("5"));
        QCOMPARE(text(*view, "sawPass"), QStringLiteral("Pass 5 of 10"));
        QTest::mouseClick(
            control<QRadioButton>(*planner_, "planMillimetres"), Qt::LeftButton, {},
            QPoint(8, control<QRadioButton>(*planner_, "planMillimetres")->height() / 2));
        QCOMPARE(planner_->model().unit(), LengthUnit::Millimetre);
        QCOMPARE(text(*view, "sawPass"), QStringLiteral("Pass 5 of 10"));
        // The planner shows 1/16 in. as 1.6 mm and keeps it exact: five passes are 5/16 in.,
        // shown in millimetres alone.
        QCOMPARE(text(*view, "sawHeight"), QStringLiteral("7.9 mm"));
        QCOMPARE(text(*view, "sawNote"), QString());
        view->close();
        // Through a value the planner cannot cut and back: the count waits for it.
        QLineEdit* width = box(*planner_, "planCoveWidth");
        const QString was = width->text();
        retype(width, QStringLiteral("0"));
        QCOMPARE(text(*view, "sawPass"), QStringLiteral("No passes"));
        retype(width, was);
        openView();
        QTest::keyClick(view, Qt::Key_Space);
        QCOMPARE(text(*view, "sawPass"), QStringLiteral("Pass 5 of 10"));
    }

    void changedScheduleStartsOver() {
        AtTheSaw* view = openedAndRead();
        press(*view, QStringLiteral("space space space space"));
        heard_.clear();
        retype(box(*planner_, "planCoveDepth"), QStringLiteral("3/4"));
        // Another cove: the fence is set again before its first pass.
        QCOMPARE(text(*view, "sawPass"), QStringLiteral("Set up the saw"));
        QVERIFY2(text(*view, "sawNote").contains(QStringLiteral("start over")),
                 qPrintable(text(*view, "sawNote")));
        QVERIFY(!heard_.empty());
        QVERIFY(heard_.back().description.contains(QStringLiteral("start over")));
        QTest::keyClick(view, Qt::Key_Space);
        QCOMPARE(text(*view, "sawPass"), QStringLiteral("Pass 1 of 12"));
        QTest::keyClick(view, Qt::Key_Space);
        QCOMPARE(text(*view, "sawPass"), QStringLiteral("Pass 2 of 12"));
        QCOMPARE(text(*view, "sawNote"), QString());
    }

    void nothingToCut() {
        AtTheSaw* view = openedAndRead();
        retype(box(*planner_, "planCoveWidth"), QStringLiteral("0"));
        QCOMPARE(text(*view, "sawPass"), QStringLiteral("No passes"));
        QVERIFY(text(*view, "sawSetLine").contains(QStringLiteral("cannot cut")));
        QCOMPARE(text(*view, "sawHeight"), QString());
        QVERIFY(!control<QPushButton>(*view, "sawNext")->isEnabled());
        QVERIFY(!control<QPushButton>(*view, "sawBack")->isEnabled());
        press(*view, QStringLiteral("space end"));
        QCOMPARE(text(*view, "sawPass"), QStringLiteral("No passes"));
        // Nothing drawn inside the surface's border.
        auto* drawing = view->findChild<DrawingSurface*>();
        const QImage picture = drawing->grab().toImage();
        const QRect inner = drawing->innerRect();
        for (int y = inner.top(); y <= inner.bottom(); y += 3) {
            for (int x = inner.left(); x <= inner.right(); x += 3) {
                QCOMPARE(picture.pixelColor(x, y), look::kWhite);
            }
        }
    }

    void fiveHundredPasses() {
        plan("0.00125");
        AtTheSaw* view = openedAndRead();
        QCOMPARE(text(*view, "sawPass"), QStringLiteral("Pass 1 of 500"));
        QVERIFY2(text(*view, "sawNote").contains(QStringLiteral("Every 13th outline is drawn")),
                 qPrintable(text(*view, "sawNote")));
        QTest::keyClick(view, Qt::Key_End);
        QCOMPARE(text(*view, "sawPass"), QStringLiteral("Pass 500 of 500"));
        QVERIFY(!text(*view, "sawFinal").isEmpty());
        // The pass line keeps inside the window at the most passes there are.
        view->resize(view->minimumSize());
        QTRY_COMPARE(view->size(), view->minimumSize());
        QApplication::processEvents();
        auto* pass = control<QLabel>(*view, "sawPass");
        QVERIFY(pass->fontMetrics().horizontalAdvance(pass->text()) <= pass->width());
        QCOMPARE(crowded(*view), QStringList());
        QVERIFY(view->findChild<DrawingSurface*>()->height() >= view->height() / 5 - 1);
        QDir().mkpath(QStringLiteral("at-the-saw"));
        QVERIFY(view->grab().save(QStringLiteral("at-the-saw/pass-500-smallest.png")));
    }

    // Read from across the shop: at either size the pass line spans most of the window.
    void passTextFillsTheWidth_data() {
        QTest::addColumn<QSize>("size");
        QTest::newRow("window 640x480") << QSize(640, 480);
        QTest::newRow("wide 1280x720") << QSize(1280, 720);
    }
    void passTextFillsTheWidth() {
        QFETCH(QSize, size);
        AtTheSaw* view = openedAndRead();
        press(*view, QStringLiteral("space space space space"));  // pass 5: some made, some to come
        view->resize(size);
        QTRY_COMPARE(view->size(), size);
        QApplication::processEvents();
        QCOMPARE(crowded(*view), QStringList());
        QVERIFY(view->findChild<DrawingSurface*>()->height() >= view->height() / 5 - 1);
        const QImage shot = view->grab().toImage();
        QDir().mkpath(QStringLiteral("at-the-saw"));
        QVERIFY(shot.save(
            QStringLiteral("at-the-saw/pass-%1x%2.png").arg(size.width()).arg(size.height())));
        const QRect band = control<QLabel>(*view, "sawPass")->geometry();
        const double span = textSpan(shot, band, look::kTeal);
        QVERIFY2(span > 0.6 && span < 1.0, qPrintable(QString::number(span)));
        // The blade height, the number to set, is nearly as large.
        const QRect heightBand = control<QLabel>(*view, "sawHeight")->geometry();
        const double heightSpan = textSpan(shot, heightBand, look::kTeal);
        QVERIFY2(heightSpan > 0.45, qPrintable(QString::number(heightSpan)));
    }
};

ARCWRIGHT_WINDOW_TEST_MAIN(AtTheSawTest)
#include "at_the_saw_test.moc"
