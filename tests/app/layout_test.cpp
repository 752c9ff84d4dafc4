// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Every control stands where the layout puts it, with its caption and start state.
#include <QAbstractButton>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyleOptionFrame>

#include "app/widgets/look.h"
#include "window_harness.h"

using namespace arcwright;
using namespace arcwright::testing;

class LayoutTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Form1> window_;

  private slots:
    void initTestCase() { window_ = openWindow(); }
    void cleanupTestCase() { window_.reset(); }

    void windowFrame() {
        QCOMPARE(window_->objectName(), QStringLiteral("Form1"));
        QCOMPARE(window_->windowTitle(), QStringLiteral("Arcwright"));
        QCOMPARE(window_->size(), QSize(713, 523));
        QCOMPARE(window_->minimumSize(), window_->maximumSize());
        QVERIFY(!window_->windowIcon().isNull());
        QCOMPARE(window_->palette().color(QPalette::Window), QColor(0, 128, 128));
    }

    // The window's icon is the board end of data/icons/arcwright.svg at every size a desktop
    // asks for: the nearest drawn size above, scaled down, and never more than the largest.
    void windowIcon_data() {
        QTest::addColumn<int>("asked");
        QTest::addColumn<int>("given");
        QTest::newRow("16, drawn") << 16 << 16;
        QTest::newRow("20, from 24") << 20 << 20;
        QTest::newRow("48, drawn") << 48 << 48;
        QTest::newRow("256, drawn") << 256 << 256;
        QTest::newRow("512, the largest") << 512 << 256;
    }
    void windowIcon() {
        QFETCH(int, asked);
        QFETCH(int, given);
        const QImage icon = window_->windowIcon().pixmap(QSize(asked, asked), 1.0).toImage();
        QCOMPARE(icon.size(), QSize(given, given));
        // Clear round the board; the end grain's colour right of the rings, above the cove.
        QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);
        const QColor wood = icon.pixelColor(given * 3 / 4, given * 36 / 100);
        const QColor expected(0xc4, 0x8c, 0x50);
        QVERIFY2(qAbs(wood.red() - expected.red()) <= 3 &&
                     qAbs(wood.green() - expected.green()) <= 3 &&
                     qAbs(wood.blue() - expected.blue()) <= 3 && wood.alpha() == 255,
                 qPrintable(wood.name(QColor::HexArgb)));
    }

    // Controls whose whole rectangle is fixed, in twips of their container.
    void fixedGeometry_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("twips");
        const auto row = [](const char* name, int l, int t, int w, int h) {
            QTest::newRow(name) << QString::fromLatin1(name) << QRect(l, t, w, h);
        };
        row("Text4", 600, 1560, 1335, 420);
        row("Text3", 4080, 1440, 1335, 420);
        row("Text2", 3720, 3600, 495, 420);
        row("Text1", 600, 3240, 1335, 420);
        row("Option2", 2160, 1080, 255, 495);
        row("Option1", 6000, 960, 255, 495);
        row("Option3", 2160, 2760, 255, 495);
        row("VScroll1", 6045, 2760, 255, 1800);
        row("Picture1", 1080, 5280, 5055, 1815);
        row("Picture2", 4440, 2760, 1607, 1800);
        row("Picture4", 7080, 4680, 3015, 2520);
        row("Frame2", 3240, 1440, 3855, 3135);
        row("Label47", 360, 600, 3255, 2415);
        row("Command12", 1440, 2520, 975, 495);
        row("Frame1", 7440, 3240, 1215, 1215);
        row("Option4", 120, 240, 855, 375);
        row("Option5", 120, 720, 855, 375);
        row("Command1", 9240, 3600, 1215, 495);
        row("Command9", 7800, 1440, 495, 495);
        row("Command8", 7800, 1920, 495, 495);
        row("Command2", 8400, 1440, 495, 495);
        row("Command3", 8400, 1920, 495, 495);
        row("Command6", 9000, 1440, 495, 495);
        row("Command7", 9000, 1920, 495, 495);
        row("Command5", 9600, 1440, 495, 495);
        row("Command4", 9600, 1920, 495, 495);
    }
    void fixedGeometry() {
        QFETCH(QString, name);
        QFETCH(QRect, twips);
        auto* w = window_->findChild<QWidget*>(name);
        QVERIFY2(w, qPrintable(name));
        const QRect expected(look::px(twips.left()), look::px(twips.top()), look::px(twips.width()),
                             look::px(twips.height()));
        QCOMPARE(w->geometry(), expected);
    }

    // Labels keep their place; their width follows the caption.
    void labelPlaces_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QPoint>("twips");
        QTest::addColumn<QString>("text");
        const auto row = [](const char* name, int l, int t, const char* text) {
            QTest::newRow(name) << QString::fromLatin1(name) << QPoint(l, t)
                                << QString::fromUtf8(text);
        };
        row("Label16", 600, 1200, "Board Width");
        row("Label15", 3960, 1080, "Board Thickness");
        row("Label14", 3120, 3120, "Cut Angle");
        row("Label12", 480, 2760, "Blade Height");
        row("Label3", 1200, 7200, "Width of cut =");
        row("Label4", 3000, 7200, "3.082 in.");
        row("Label10", 4080, 7200, "(");
        row("Label5", 4320, 7200, "3");
        row("Label6", 4800, 7200, "1");
        row("Label7", 5160, 7200, "/");
        row("Label8", 5280, 7200, "16");
        row("Label9", 5640, 7200, "+ in.");
        row("Label11", 6120, 7200, ")");
        row("Label1", 480, 4080, "Blade height high!");
        row("Label2", 2640, 7440, "Cut is too wide!");
        row("Label44", 7680, 720, "Dimension Adjustment");
        row("Label21", 7800, 1080, "1/4");
        row("Label18", 8400, 1080, "1/8");
        row("Label20", 9000, 1080, "1/16");
        row("Label19", 9600, 1080, "1/32");
        row("Label43", 7200, 3000, "Minimum Fraction");
        row("Label45", 4920, 4560, "Blade CL");
        row("Label46", 7440, 7200, "Iso View");
        row("Label13", 0, 0, "Arcwright  1.0");
        row("Label17", 240, 360, "By Verrow");
        row("Label23", 240, 2040, "(");
        row("Label22", 2280, 2040, ")");
        row("Label34", 3960, 1920, "(");
        row("Label35", 6000, 1920, ")");
        row("Label41", 480, 3720, "(");
        row("Label42", 2400, 3720, ")");
    }
    void labelPlaces() {
        QFETCH(QString, name);
        QFETCH(QPoint, twips);
        QFETCH(QString, text);
        auto* label = window_->findChild<QLabel*>(name);
        QVERIFY2(label, qPrintable(name));
        QCOMPARE(label->pos(), QPoint(look::px(twips.x()), look::px(twips.y())));
        QCOMPARE(label->text(), text);
        // The caption is never cut off by its own label.
        QVERIFY(label->width() >= label->fontMetrics().horizontalAdvance(text));
    }

    // The longest texts the program writes into its boxes fit without scrolling.
    void boxTextsFit_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::newRow("width after a 1/32 step") << "Text4"
                                                 << "5.96875 in.";
        QTest::newRow("thickness after a 1/32 step") << "Text3"
                                                     << "1.96875 in.";
        QTest::newRow("blade height in plain form") << "Text1"
                                                    << "0.96875";
        QTest::newRow("angle") << "Text2"
                               << "85°";
    }
    void boxTextsFit() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QLineEdit* target = box(*window_, qPrintable(name));
        QStyleOptionFrame option;
        option.initFrom(target);
        option.lineWidth =
            target->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, target);
        const QRect contents =
            target->style()->subElementRect(QStyle::SE_LineEditContents, &option, target);
        QVERIFY2(target->fontMetrics().horizontalAdvance(text) <= contents.width(),
                 qPrintable(QStringLiteral("%1 px for %2 px")
                                .arg(target->fontMetrics().horizontalAdvance(text))
                                .arg(contents.width())));
    }

    void captionsAndStartState() {
        QCOMPARE(control<QGroupBox>(*window_, "Frame2")->title(), QStringLiteral("Warning!"));
        QVERIFY(
            caption(*window_, "Label47")
                .contains(QStringLiteral(
                    "instruction.  Please check and double check before you cut.  BE CAREFUL!")));
        QVERIFY(!control<QWidget>(*window_, "Frame2")->isHidden());
        QVERIFY(control<QLabel>(*window_, "Label1")->isHidden());
        QVERIFY(control<QLabel>(*window_, "Label2")->isHidden());
        QVERIFY(control<QRadioButton>(*window_, "Option2")->isChecked());
        QVERIFY(control<QRadioButton>(*window_, "Option4")->isChecked());
        for (const char* name : {"Option1", "Option2", "Option3"}) {
            QVERIFY(control<QRadioButton>(*window_, name)->text().isEmpty());
        }
        QCOMPARE(control<QAbstractButton>(*window_, "Command1")->text(), QStringLiteral("Print"));
        QCOMPARE(control<QAbstractButton>(*window_, "Command12")->text(), QStringLiteral("OK"));
        const std::map<const char*, const char*> stepCaptions{
            {"Command9", "+"}, {"Command2", "+"}, {"Command6", "+"}, {"Command5", "+"},
            {"Command8", "-"}, {"Command3", "-"}, {"Command7", "-"}, {"Command4", "-"}};
        for (const auto& [name, text] : stepCaptions) {
            QCOMPARE(control<QAbstractButton>(*window_, name)->text(), QString::fromLatin1(text));
        }
    }

    void warningFrameLiesOnTop() {
        auto* frame = control<QWidget>(*window_, "Frame2");
        const QPoint inside = frame->geometry().center();
        QCOMPARE(window_->childAt(inside)->window(), window_.get());
        QWidget* hit = window_->childAt(inside);
        QVERIFY(hit == frame || frame->isAncestorOf(hit));
        // The width box and the step buttons stay usable beside it.
        for (const char* name : {"Text1", "Text4", "Command9", "Command1"}) {
            auto* w = control<QWidget>(*window_, name);
            QCOMPARE(window_->childAt(w->geometry().center()), w);
        }
    }

    void colours() {
        const auto textColour = [this](const char* name) {
            return control<QWidget>(*window_, name)->palette().color(QPalette::WindowText);
        };
        QCOMPARE(textColour("Label16"), QColor(0, 192, 192));
        QCOMPARE(textColour("Label28"), QColor(255, 255, 0));
        QCOMPARE(textColour("Label4"), QColor(255, 255, 0));
        QCOMPARE(textColour("Label1"), QColor(255, 0, 0));
        QCOMPARE(textColour("Label44"), QColor(128, 255, 255));
        QCOMPARE(textColour("Label13"), QColor(128, 64, 0));
        QCOMPARE(textColour("Label45"), QColor(255, 255, 128));
        QCOMPARE(control<QWidget>(*window_, "Frame2")->palette().color(QPalette::Window),
                 QColor(255, 192, 192));
        QCOMPARE(control<QWidget>(*window_, "Picture1")->palette().color(QPalette::Window),
                 QColor(255, 255, 255));
        QCOMPARE(control<QWidget>(*window_, "Picture2")->palette().color(QPalette::Window),
                 QColor(224, 224, 224));
    }

    // The warning frame shows its pink as every other control shows its colour: the style
    // must not shade the panel behind the text. Sampled on the frame's own rendering: the
    // margin between its border and its contents, and the background of the text block.
    void warningFramePaintsItsPink() {
        auto* frame = control<QGroupBox>(*window_, "Frame2");
        auto* text = control<QWidget>(*window_, "Label47");
        auto* ok = control<QWidget>(*window_, "Command12");
        QVERIFY(frame && text && ok && frame->isVisible());
        const QImage image = frame->grab().toImage();
        const QColor pink(255, 192, 192);

        // Inside the frame's line (which runs along the top of the contents), clear of the
        // text block and the OK button.
        const QRect inside = frame->contentsRect().adjusted(1, 3, 0, 0);
        QMap<QRgb, int> margin;
        for (int y = inside.top(); y <= inside.bottom(); ++y) {
            for (int x = inside.left(); x <= inside.right(); ++x) {
                const QPoint at(x, y);
                if (text->geometry().contains(at) ||
                    ok->geometry().adjusted(-2, -2, 2, 2).contains(at)) {
                    continue;
                }
                ++margin[image.pixel(at)];
            }
        }
        QCOMPARE(margin.size(), 1);
        QCOMPARE(QColor(margin.firstKey()), pink);

        // Behind the text: its most common colour is the background's.
        QMap<QRgb, int> behind;
        const QRect textArea = text->geometry();
        for (int y = textArea.top(); y <= textArea.bottom(); ++y) {
            for (int x = textArea.left(); x <= textArea.right(); ++x) ++behind[image.pixel(x, y)];
        }
        const auto most = std::max_element(behind.begin(), behind.end());
        QCOMPARE(QColor(most.key()), pink);
        QVERIFY2(most.value() * 2 > textArea.width() * textArea.height(),
                 "the text block is mostly not its background");
    }

    void tabOrder() {
        QWidget* current = control<QWidget>(*window_, "Picture1");
        QStringList visited{current->objectName()};
        for (int i = 0; i < 23; ++i) {
            current = current->nextInFocusChain();
            while (!(current->focusPolicy() & Qt::TabFocus) || !current->isVisible()) {
                current = current->nextInFocusChain();
            }
            visited << current->objectName();
        }
        const QStringList expected{"Picture1",  "Text1",    "Text2",    "Picture2",    "Text3",
                                   "Text4",     "VScroll1", "Command1", "CommandPlan", "Option2",
                                   "Command2",  "Command3", "Command6", "Command7",    "Command4",
                                   "Command5",  "Command8", "Command9", "Option4",     "Picture4",
                                   "Command12", "Picture1", "Text1",    "Text2"};
        QCOMPARE(visited, expected);
    }
};

ARCWRIGHT_WINDOW_TEST_MAIN(LayoutTest)
#include "layout_test.moc"
