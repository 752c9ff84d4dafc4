// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The planner's set-up template on the real window: the buttons follow whether the cove can
// be cut, the printed page measures true in either unit, the preview shows the printed
// page, and trouble with the printer changes nothing.
#include <QDir>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>

#include "app/planner/planner.h"
#include "app/planner/planner_template.h"
#include "app/printing/page_print.h"
#include "pdf_measure.h"
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
                           "Wood left each side 0.5 in. (1/2 in.)",
                           "fence 36.8°",
                           "53.2°",
                           "10 5/8 in. 0.625 in. 3 in."};
        QTest::newRow("worked example, millimetres")
            << QStringList{"3", "5/8", "4", "3/4"} << true << "4"
            << QStringList{"Cove 76.2 mm wide, 15.9 mm deep",
                           "Board 101.6 mm wide, 19.1 mm thick",
                           "Blade 254.0 mm across, kerf 3.2 mm",
                           "Wood left each side 12.7 mm",
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
        QCOMPARE(text.contains(QLatin1String(" in.")), !millimetres);

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
        QCOMPARE(preview->pageCount(), 1);
        dialog->close();

        // The same drawing onto a PDF printer of the same paper, as the preview's Print would.
        const QString previewed = dir_->filePath(QStringLiteral("previewed.pdf"));
        const auto printer = pdfPrinter(previewed);
        QVERIFY(drawPageOn(*printer, templateDrawing(plannedTemplate(planner->model().request(),
                                                                     planner->model().result(),
                                                                     planner->model().unit()))));
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
};

ARCWRIGHT_WINDOW_TEST_MAIN(PlannerPrintTest)
#include "planner_print_test.moc"
