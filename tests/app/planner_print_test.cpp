// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The planner's set-up template on the real window: the buttons follow whether the cove can
// be cut, the printed page measures true in either unit, the preview shows the printed
// page, and trouble with the printer changes nothing.
#include <QDir>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <cmath>
#include <map>
#include <numbers>

#include "app/planner/planner.h"
#include "app/planner/planner_template.h"
#include "app/printing/page_print.h"
#include "pdf_measure.h"
#include "plan_measure.h"
#include "window_harness.h"

using namespace arcwright;
using namespace arcwright::testing;

namespace {

std::unique_ptr<QPrinter> pdfPrinter(const QString& file) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(file);
    return printer;
}

QString pageText(const QString& pdf) {
    return toolOutput(QStringLiteral("pdftotext"),
                      {QStringLiteral("-raw"), pdf, QStringLiteral("-")})
        .simplified();
}

// The words of a PDF's first page that reach past its right edge, with how far they reach.
QStringList wordsPastTheRightEdge(const QString& pdf) {
    const QString boxes =
        toolOutput(QStringLiteral("pdftotext"),
                   {QStringLiteral("-bbox"), QStringLiteral("-f"), QStringLiteral("1"),
                    QStringLiteral("-l"), QStringLiteral("1"), pdf, QStringLiteral("-")});
    const QRegularExpression pageWidth(QStringLiteral("<page width=\"([0-9.]+)\""));
    const QRegularExpression word(QStringLiteral("<word [^>]*xMax=\"([0-9.]+)\"[^>]*>([^<]*)<"));
    const auto page = pageWidth.match(boxes);
    if (!page.hasMatch()) return {QStringLiteral("no page in %1").arg(pdf)};
    QStringList past;
    for (const auto& w : word.globalMatch(boxes)) {
        if (w.captured(1).toDouble() > page.captured(1).toDouble()) {
            past << QStringLiteral("%1 (to %2 pt)").arg(w.captured(2), w.captured(1));
        }
    }
    return past;
}

// Everything either window shows, to prove that printing leaves both alone.
QStringList everythingShown(const QWidget& window) {
    QStringList shown;
    for (const QLabel* label : window.findChildren<QLabel*>()) shown << label->text();
    for (const QLineEdit* edit : window.findChildren<QLineEdit*>()) shown << edit->text();
    for (const QTableWidget* table : window.findChildren<QTableWidget*>()) {
        for (int r = 0; r < table->rowCount(); ++r) {
            for (int c = 0; c < table->columnCount(); ++c) shown << table->item(r, c)->text();
        }
    }
    for (const QPushButton* button : window.findChildren<QPushButton*>()) {
        shown << button->text() + (button->isEnabled() ? QString() : QStringLiteral(" (off)"));
    }
    return shown;
}

// Records what the user is told and answers the print dialog.
struct Desk {
    QStringList told;
    int dialogs = 0;
    QString chosenFile;  // empty: the dialog is cancelled

    PrintHooks hooks(std::function<std::unique_ptr<QPrinter>()> defaultPrinter) {
        PrintHooks h;
        h.defaultPrinter = std::move(defaultPrinter);
        h.tell = [this](const QString& message) { told << message; };
        h.choosePrinter = [this](QPrinter& printer) {
            ++dialogs;
            if (chosenFile.isEmpty()) return false;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(chosenFile);
            return true;
        };
        return h;
    }
};

}  // namespace

class PlannerPrintTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Form1> window_;
    std::unique_ptr<QTemporaryDir> dir_;

    Planner* openPlanner() { return testing::openPlanner(*window_); }

    // The boxes in the order cove width, depth, board width, thickness, blade, kerf, passes.
    static void enter(Planner& planner, const QStringList& texts) {
        static constexpr std::array<const char*, 7> kBoxes{
            "planCoveWidth",     "planCoveDepth", "planBoardWidth", "planBoardThickness",
            "planBladeDiameter", "planKerf",      "planPassDepth"};
        for (int i = 0; i < texts.size(); ++i) {
            box(planner, kBoxes[static_cast<std::size_t>(i)])->setText(texts[i]);
        }
    }

    static QPushButton* button(const Planner& planner, const char* name) {
        return control<QPushButton>(planner, name);
    }

  private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
        window_ = openWindow();
        control<QPushButton>(*window_, "Command12")->click();  // the safety note
    }
    void cleanup() { window_.reset(); }

    // Both buttons are off exactly while the status line says why, and say the same.
    void buttonsFollowTheStatus_data() {
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<bool>("printable");
        QTest::newRow("worked example") << QStringList{"3", "5/8", "4", "3/4"} << true;
        QTest::newRow("wider than the board") << QStringList{"5", "5/8", "4", "3/4"} << false;
        QTest::newRow("deeper than the board") << QStringList{"3", "1", "4", "3/4"} << false;
        QTest::newRow("wider than the blade reaches")
            << QStringList{"3 3/4", "1/4", "4", "3/4"} << false;
        QTest::newRow("narrower than the kerf") << QStringList{"1/16", "1/4", "4", "3/4"} << false;
        QTest::newRow("no pass depth")
            << QStringList{"3", "5/8", "4", "3/4", "10", "1/8", "0"} << false;
        QTest::newRow("not a length") << QStringList{"3", "five eighths", "4", "3/4"} << false;
        QTest::newRow("empty box") << QStringList{"", "5/8", "4", "3/4"} << false;
    }
    void buttonsFollowTheStatus() {
        QFETCH(QStringList, boxes);
        QFETCH(bool, printable);
        Planner* planner = openPlanner();
        enter(*planner, boxes);
        const QString status = caption(*planner, "planStatus");
        QCOMPARE(status.isEmpty(), printable);
        for (const char* name : {"planPrint", "planPreview"}) {
            QPushButton* b = button(*planner, name);
            QVERIFY(b && b->isVisible());
            QCOMPARE(b->isEnabled(), printable);
            QVERIFY(!b->accessibleName().isEmpty());
            if (printable) {
                QVERIFY(!b->toolTip().isEmpty());
            } else {
                QCOMPARE(b->toolTip(), status);
            }
        }
        // Mended, the buttons come back with their own tooltips.
        enter(*planner, {"3", "5/8", "4", "3/4", "10", "1/8", "1/16"});
        QVERIFY(button(*planner, "planPrint")->isEnabled());
        QVERIFY(button(*planner, "planPrint")->toolTip() != status);
    }

    // Printed from the planner at true scale: the triangle's angle is the planner's θ to
    // 0.1°, every edge measures the length printed beside it, the board end is its true
    // width, and the page speaks the planner's unit.
    void measuresTrueOnPaper_data() {
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<bool>("millimetres");
        QTest::addColumn<QString>("board");  // inches, as typed
        QTest::addColumn<QStringList>("onPage");
        QTest::newRow("worked example, inches")
            << QStringList{"3", "5/8", "4", "3/4"} << false << "4"
            << QStringList{"Cove 3.0 in. (3 in.) wide, 0.625 in. (5/8 in.) deep",
                           "Board 4.0 in. (4 in.) wide, 0.75 in. (3/4 in.) thick",
                           "Blade 10.0 in. (10 in.) across, kerf 0.125 in. (1/8 in.)",
                           "Wood left 0.5 in. (1/2 in.) on the fence side, 0.5 in. (1/2 in.) on "
                           "the far side",
                           "Fence face 2.0 in. (2 in.) from the centre point, square to the fence",
                           "fence 36.8°",
                           "53.2°",
                           "10 5/8 in. 0.625 in. 3 in."};
        QTest::newRow("worked example, millimetres")
            << QStringList{"3", "5/8", "4", "3/4"} << true << "4"
            << QStringList{"Cove 76.2 mm wide, 15.9 mm deep",
                           "Board 101.6 mm wide, 19.1 mm thick",
                           "Blade 254.0 mm across, kerf 3.2 mm",
                           "Wood left 12.7 mm on the fence side, 12.7 mm on the far side",
                           "Fence face 50.8 mm from the centre point, square to the fence",
                           "fence 36.8°",
                           "10 15.9 mm 76.2 mm"};
        QTest::newRow("narrow cove in a wide board")
            << QStringList{"1 1/2", "1/2", "5 1/2", "3/4", "8", "3/32", "1/8"} << false << "5.5"
            << QStringList{"Blade 8.0 in. (8 in.) across, kerf 0.0938 in. (3/32 in.)"};
    }
    void measuresTrueOnPaper() {
        QFETCH(QStringList, boxes);
        QFETCH(bool, millimetres);
        QFETCH(QString, board);
        QFETCH(QStringList, onPage);
        Planner* planner = openPlanner();
        enter(*planner, boxes);
        if (millimetres) control<QRadioButton>(*planner, "planMillimetres")->click();
        QVERIFY(caption(*planner, "planStatus").isEmpty());
        const QString pdf = dir_->filePath(QStringLiteral("template.pdf"));
        Desk desk;
        planner->setPrintHooks(desk.hooks([&] { return pdfPrinter(pdf); }));

        QTest::mouseClick(button(*planner, "planPrint"), Qt::LeftButton);

        QCOMPARE(desk.told, QStringList());
        QCOMPARE(desk.dialogs, 0);
        const QString text = pageText(pdf);
        for (const QString& line : onPage) QVERIFY2(text.contains(line), qPrintable(line));
        // The set-up page speaks the planner's unit; the distances to measure at the saw
        // carry their shop fraction in inches beside them, in brackets.
        QString setUpPage = pdfPageText(pdf, 1);
        setUpPage.remove(QRegularExpression(QStringLiteral("\\([^()]* in\\.\\)")));
        QCOMPARE(setUpPage.contains(QLatin1String(" in.")), !millimetres);

        const double theta = planner->model().result().angleDeg;
        const double thickness = planner->model().request().boardThickness;
        const auto found = measureTemplate(pdf, theta, thickness * 72.0);
        QVERIFY2(found, "no set-up triangle on the page");
        QVERIFY2(std::abs(found->fenceAngle - theta) < 0.1,
                 qPrintable(QStringLiteral("%1° for %2°").arg(found->fenceAngle).arg(theta)));
        QVERIFY(std::abs(found->otherAngle - (90.0 - theta)) < 0.1);
        const std::vector<double> printed = printedLengths(pdf);
        for (const double edge : found->edges) {
            const double inches = edge / 72.0;
            QVERIFY2(
                std::any_of(printed.begin(), printed.end(),
                            [&](double p) { return std::abs(p - inches) < 0.003; }),
                qPrintable(QStringLiteral("no printed length for an edge of %1 in.").arg(inches)));
        }
        QCOMPARE(found->boardSides.size(), std::size_t{2});
        QVERIFY2(std::abs(std::abs(found->boardSides[1] - found->boardSides[0]) -
                          board.toDouble() * 72.0) < 0.1,
                 qPrintable(QString::number(found->boardSides[1] - found->boardSides[0])));
    }

    // The tilted set-up's words stay on the page, even where the steep wall reaches past the
    // face's edge and both walls' lengths carry their fractions.
    void theTiltedSetUpStaysOnThePage_data() {
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QString>("tilt");
        QTest::addColumn<bool>("towardFence");
        QTest::newRow("worked example, 30° toward the fence")
            << QStringList{"3", "5/8", "4 1/2", "1 1/4"} << "30" << true;
        QTest::newRow("1-in. cove, 45° away, its steep wall under the wood")
            << QStringList{"1", "5/8", "4 1/2", "1 1/4"} << "45" << false;
    }
    void theTiltedSetUpStaysOnThePage() {
        QFETCH(QStringList, boxes);
        QFETCH(QString, tilt);
        QFETCH(bool, towardFence);
        Planner* planner = openPlanner();
        enter(*planner, boxes);
        if (!towardFence) control<QRadioButton>(*planner, "planTiltAway")->click();
        box(*planner, "planTilt")->setText(tilt);
        QVERIFY2(planner->model().usable(), qPrintable(caption(*planner, "planStatus")));
        const QString pdf = dir_->filePath(QStringLiteral("tilted-words.pdf"));
        Desk desk;
        planner->setPrintHooks(desk.hooks([&] { return pdfPrinter(pdf); }));
        QTest::mouseClick(button(*planner, "planPrint"), Qt::LeftButton);
        const QStringList past = wordsPastTheRightEdge(pdf);
        QVERIFY2(past.isEmpty(), qPrintable(past.join(QStringLiteral(", "))));
    }

    // The board end on the template follows the tilted blade: on paper, at full size, the
    // cove's mouth reaches from its deepest point as far as the planner says on either side,
    // the steep wall on the fence side (at the left) for a blade leaning toward the fence.
    void theTemplatesCoveLeansWithTheBlade_data() {
        QTest::addColumn<bool>("towardFence");
        QTest::newRow("toward the fence") << true;
        QTest::newRow("away from the fence") << false;
    }
    void theTemplatesCoveLeansWithTheBlade() {
        QFETCH(bool, towardFence);
        Planner* planner = openPlanner();
        enter(*planner, {"3", "5/8", "4 1/2", "1 1/4"});
        if (!towardFence) control<QRadioButton>(*planner, "planTiltAway")->click();
        box(*planner, "planTilt")->setText(QStringLiteral("30"));
        QVERIFY2(caption(*planner, "planStatus").isEmpty(),
                 qPrintable(caption(*planner, "planStatus")));
        const QString pdf = dir_->filePath(QStringLiteral("tilted.pdf"));
        Desk desk;
        planner->setPrintHooks(desk.hooks([&] { return pdfPrinter(pdf); }));
        QTest::mouseClick(button(*planner, "planPrint"), Qt::LeftButton);
        QVERIFY(pdfPageText(pdf, 1).contains(QStringLiteral("Blade tilted 30.0°")));

        const double thickness = 1.25 * 72.0;
        const auto found = measureTemplate(pdf, planner->model().result().angleDeg, thickness);
        QVERIFY(found && found->boardSides.size() == 2);
        const double left = std::min(found->boardSides[0], found->boardSides[1]);
        const double right = std::max(found->boardSides[0], found->boardSides[1]);
        // The board's sides run from its back to its face: the face is their lower end.
        double face = 0;
        for (const PdfSegment& seg : pdfSegments(pdf)) {
            if (std::abs(seg.from.x() - seg.to.x()) < 0.01 &&
                std::abs(seg.length() - thickness) < 0.5 && std::abs(seg.from.x() - left) < 0.5) {
                face = std::max(seg.from.y(), seg.to.y());
            }
        }
        QVERIFY(face > 0);
        // The cove's outline: what lies between the sides, within its depth above the face.
        const double depth = 0.625 * 72.0;
        double mouthLeft = right, mouthRight = left, deepestY = face, deepestX = 0;
        for (const PdfSegment& seg : pdfSegments(pdf)) {
            for (const QPointF& p : {seg.from, seg.to}) {
                if (p.x() <= left + 0.5 || p.x() >= right - 0.5) continue;
                if (p.y() > face + 0.5 || p.y() < face - depth - 1.0) continue;
                if (std::abs(seg.from.y() - seg.to.y()) < 0.01 && std::abs(p.y() - face) < 0.5 &&
                    seg.length() > 3.0) {
                    continue;  // the face itself, beside the mouth
                }
                if (std::abs(p.y() - face) < 0.5) {
                    mouthLeft = std::min(mouthLeft, p.x());
                    mouthRight = std::max(mouthRight, p.x());
                }
                if (p.y() < deepestY) {
                    deepestY = p.y();
                    deepestX = p.x();
                }
            }
        }
        QVERIFY(std::abs(face - deepestY - depth) < 1.0);
        const TiltedCove& cove = planner->model().result().cove;
        // The deepest point on paper is a corner of the teeth's tilted flat, within half a
        // kerf of the point the planner measures from.
        const double slack = 0.0625 * 72.0 + 1.0;
        QVERIFY2(std::abs((deepestX - mouthLeft) - cove.fenceSide.reach * 72.0) < slack,
                 qPrintable(QStringLiteral("%1 pt, %2 in.")
                                .arg(deepestX - mouthLeft)
                                .arg(cove.fenceSide.reach)));
        QVERIFY(std::abs((mouthRight - deepestX) - cove.farSide.reach * 72.0) < slack);
        // The steep wall is the shorter reach, on the side the blade leans to.
        QCOMPARE(deepestX - mouthLeft < mouthRight - deepestX, towardFence);
    }

    // The preview paints the page the planner prints.
    void previewShowsThePrintedPage() {
        Planner* planner = openPlanner();
        enter(*planner, {"3", "5/8", "4", "3/4"});
        const QString printed = dir_->filePath(QStringLiteral("printed.pdf"));
        Desk desk;
        planner->setPrintHooks(desk.hooks([&] { return pdfPrinter(printed); }));
        QTest::mouseClick(button(*planner, "planPrint"), Qt::LeftButton);

        QTest::mouseClick(button(*planner, "planPreview"), Qt::LeftButton);
        auto* dialog =
            planner->findChild<QPrintPreviewDialog*>(QStringLiteral("planPreviewDialog"));
        QVERIFY(dialog && dialog->isVisible());
        auto* preview = dialog->findChild<QPrintPreviewWidget*>();
        QVERIFY(preview);
        preview->updatePreview();
        // The set-up page and every sheet of the plan after it.
        QTRY_VERIFY(QFileInfo::exists(printed));
        QVERIFY(pdfPageCount(printed) > 1);
        QCOMPARE(preview->pageCount(), pdfPageCount(printed));
        dialog->close();

        // The same drawing onto a PDF printer of the same paper, as the preview's Print would.
        const QString previewed = dir_->filePath(QStringLiteral("previewed.pdf"));
        const auto printer = pdfPrinter(previewed);
        QVERIFY(drawPageOn(*printer, templateDrawing(plannedPages(planner->model()))));
        QVERIFY(!pageText(printed).isEmpty());
        QCOMPARE(pageText(previewed), pageText(printed));
    }

    // No printer: the user is told and offered the print dialog; cancelled, or a file that
    // cannot be written, and nothing in either window has changed.
    void printerTroubleChangesNothing_data() {
        QTest::addColumn<bool>("chooseFile");
        QTest::newRow("dialog cancelled") << false;
        QTest::newRow("PDF file chosen") << true;
    }
    void printerTroubleChangesNothing() {
        QFETCH(bool, chooseFile);
        Planner* planner = openPlanner();
        enter(*planner, {"3", "5/8", "4", "3/4"});
        Desk desk;
        const QString chosen = dir_->filePath(QStringLiteral("chosen.pdf"));
        if (chooseFile) desk.chosenFile = chosen;
        QString offered;
        PrintHooks hooks = desk.hooks([]() -> std::unique_ptr<QPrinter> { return nullptr; });
        const auto choose = hooks.choosePrinter;
        hooks.choosePrinter = [&](QPrinter& printer) {
            offered = printer.outputFileName();
            return choose(printer);
        };
        planner->setPrintHooks(hooks);
        const QStringList calculator = everythingShown(*window_);
        const QStringList plannerBefore = everythingShown(*planner);

        QTest::mouseClick(button(*planner, "planPrint"), Qt::LeftButton);

        QCOMPARE(desk.told.size(), 1);
        QVERIFY2(desk.told.first().contains(QLatin1String("No printer")),
                 qPrintable(desk.told.first()));
        QCOMPARE(desk.dialogs, 1);
        QCOMPARE(QFileInfo(offered).fileName(), QStringLiteral("Arcwright fence template.pdf"));
        QCOMPARE(everythingShown(*window_), calculator);
        QCOMPARE(everythingShown(*planner), plannerBefore);
        QCOMPARE(QFileInfo::exists(chosen), chooseFile);
        if (chooseFile) QVERIFY(pageText(chosen).contains(QStringLiteral("fence 36.8°")));
    }

    // The plan of the saw table as the private print service prints it, after the set-up
    // page: every sheet has its key and check squares true to 0.003 in., the fence runs at
    // θ to the blade line and d from the centre point on the front side, and neighbouring
    // sheets laid cut edge on glue line carry the same lines on across the overlap.
    void planSheetsThroughTheQueue_data() {
        QTest::addColumn<QStringList>("boxes");  // cove, depth, board, thickness, offset
        QTest::addColumn<bool>("millimetres");
        QTest::addColumn<double>("distance");  // the fence's, inches: wood + half the cove
        QTest::newRow("worked example")
            << QStringList{"3", "5/8", "4 1/2", "1 1/4", ""} << false << 2.25;
        QTest::newRow("off centre in mm")
            << QStringList{"76.2", "15.875", "114.3", "31.75", "12.7"} << true << 2.0;
        QTest::newRow("ten degrees") << QStringList{"1", "5/8", "3", "3/4", ""} << false << 1.5;
    }
    void planSheetsThroughTheQueue() {
        QFETCH(QStringList, boxes);
        QFETCH(bool, millimetres);
        QFETCH(double, distance);
        const QString folder = qEnvironmentVariable("ARCWRIGHT_PRINT_OUT");
        if (folder.isEmpty()) QSKIP("no private print service (ARCWRIGHT_PRINT_OUT is not set)");
        const QString queue = qEnvironmentVariable("PRINTER", QStringLiteral("PDF"));
        if (QPrinterInfo::defaultPrinter().printerName() != queue) {
            QSKIP("the private print service's queue is not the default printer");
        }
        const QString pdf = folder + QLatin1Char('/') + queue + QStringLiteral(".pdf");
        QFile::remove(pdf);

        Planner* planner = openPlanner();
        if (millimetres) control<QRadioButton>(*planner, "planMillimetres")->click();
        enter(*planner, boxes.mid(0, 4));
        box(*planner, "planCoveOffset")->setText(boxes[4]);
        QCOMPARE(caption(*planner, "planStatus"), QString());
        Desk desk;
        PrintHooks hooks;  // the desktop's own printer: the private queue
        hooks.tell = [&desk](const QString& message) { desk.told << message; };
        planner->setPrintHooks(hooks);
        // How many sheets the plan takes on the queue's paper.
        QPrinter onQueue(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
        TemplatePages pages = plannedPages(planner->model());
        const QRectF area = onQueue.pageLayout().paintRectPoints();
        pages.plan.pageWidth = area.width();
        pages.plan.pageHeight = area.height();
        const SawPlanLayout layout = layOutSawPlan(pages.plan);
        QCOMPARE(layout.fit, PlanFit::Fits);
        const int expectedPages = 1 + static_cast<int>(layout.sheets.size());

        QTest::mouseClick(button(*planner, "planPrint"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(pdfPageCount(pdf) == expectedPages, 30'000);
        QCOMPARE(desk.told, QStringList());

        const double theta = planner->model().result().angleDeg;
        std::map<std::pair<int, int>, std::vector<PdfSegment>> sheets;  // by row and column
        std::optional<FenceOnPaper> fence;
        const QRegularExpression key(
            QStringLiteral("row (\\d+), column (\\d+) of (\\d+) x (\\d+)"));
        for (int page = 2; page <= expectedPages; ++page) {
            const std::vector<PdfSegment> lines = pdfSegments(pdf, page);
            const auto found = key.match(pdfPageText(pdf, page));
            QVERIFY2(found.hasMatch(), qPrintable(QStringLiteral("no key on page %1").arg(page)));
            QCOMPARE(found.captured(3).toInt(), layout.rows);
            QCOMPARE(found.captured(4).toInt(), layout.columns);
            sheets[{found.captured(1).toInt(), found.captured(2).toInt()}] = lines;
            const std::vector<double> sides = squareSides(lines);
            for (const double side : {72.0, 25.0 / 25.4 * 72.0}) {
                QVERIFY2(
                    std::any_of(sides.begin(), sides.end(),
                                [&](double s) { return std::abs(s - side) < 0.003 * 72; }),
                    qPrintable(QStringLiteral("page %1: no %2 pt square").arg(page).arg(side)));
            }
            if (const auto centre = centrePoint(lines)) {
                const auto front = frontmostLine(lines, *centre);
                if (front && (!fence || front->inFront > fence->inFront)) fence = front;
            }
        }
        QCOMPARE(static_cast<int>(sheets.size()), expectedPages - 1);
        QVERIFY2(fence, "no sheet with the centre point and the fence");
        QVERIFY2(std::abs(fence->fromBlade - theta) < 0.1,
                 qPrintable(QStringLiteral("%1° for %2°").arg(fence->fromBlade).arg(theta)));
        QVERIFY2(std::abs(fence->distance - distance * 72) < 72.0 / 64,
                 qPrintable(
                     QStringLiteral("%1 in. for %2 in.").arg(fence->distance / 72).arg(distance)));
        const double crossing = distance / std::sin(theta * std::numbers::pi / 180) * 72;
        QVERIFY(std::abs(fence->inFront - crossing) < 72.0 / 64);

        // Neighbours: the next sheet's cut edge on this sheet's glue line.
        int joins = 0;
        for (const auto& [at, mine] : sheets) {
            for (const bool across : {true, false}) {
                const std::pair<int, int> next{at.first + (across ? 0 : 1),
                                               at.second + (across ? 1 : 0)};
                const auto other = sheets.find(next);
                if (other == sheets.end()) continue;
                const auto glue = glueLine(mine, across);
                const auto cut = cutLine(other->second, across);
                QVERIFY(glue && cut);
                const double by = *glue - *cut;
                const QPointF shift = across ? QPointF(by, 0) : QPointF(0, by);
                std::vector<PdfSegment> moved;
                for (const PdfSegment& s : other->second)
                    moved.push_back({s.from + shift, s.to + shift});
                const auto there = linesRunningOn(mine, moved, {}, across, *glue, 36.0);
                const auto back = linesRunningOn(moved, mine, {}, across, *glue, 36.0);
                const QString where =
                    QStringLiteral("row %1, column %2, %3")
                        .arg(at.first)
                        .arg(at.second)
                        .arg(across ? QStringLiteral("right") : QStringLiteral("below"));
                QVERIFY2(there.unmatched == 0 && back.unmatched == 0, qPrintable(where));
                joins += there.matched;
            }
        }
        if (layout.sheets.size() > 1) QVERIFY(joins > 0);
    }
};

ARCWRIGHT_WINDOW_TEST_MAIN(PlannerPrintTest)
#include "planner_print_test.moc"
