// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The set-up template as it comes out of Qt's printer binding into a PDF file, measured
// from the file: the triangle's angle, its edges against the lengths printed beside them,
// and the board end's width.
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <cmath>
#include <numbers>
#include <optional>

#include "app/printing/qt_sheet_printer.h"
#include "pdf_measure.h"
#include "print/fence_template.h"
#include "print/page_shapes.h"
#include "window_harness.h"

using namespace arcwright;
using namespace arcwright::testing;

namespace {

// Written without the locale: the test runs under a decimal-comma one.
std::string decimalInches(double inches) {
    return formatNumber(inches, "0.0000") + " in.";
}

// The worked cove: 3 in. wide and 5/8 in. deep in a 4 x 3/4 in. board, a 1/8 in. kerf's
// flat at the bottom.
FenceTemplate covePage(double theta, QSizeF printable) {
    FenceTemplate t;
    t.fenceAngle = theta;
    t.boardWidth = 4.0;
    t.boardThickness = 0.75;
    const double halfFlat = 0.0625 * std::cos(theta * std::numbers::pi / 180.0);
    for (int i = 0; i <= 40; ++i) {
        const double x = 0.5 + 3.0 * i / 40;
        const double s = std::max(0.0, std::abs(x - 2.0) - halfFlat) / (1.5 - halfFlat);
        t.coveOutline.push_back({x - 2.0, 0.625 * (1.0 - s * s)});
    }
    t.pageWidth = printable.width();
    t.pageHeight = printable.height();
    t.setupLines = {"Cove 3 in. wide, 5/8 in. deep", "Board 4 in. x 3/4 in."};
    t.passTable = {{"Pass", "Blade height"}, {"1", "1/16 in."}, {"2", "1/8 in."}};
    t.length = decimalInches;
    return t;
}

// The nearest 1/32 in. as a woodworker writes it, "+" when the length is a little more.
std::string shopInches(double inches) {
    const long thirtySeconds = std::lround(inches * 32.0);
    long whole = thirtySeconds / 32;
    long part = thirtySeconds % 32;
    long denominator = 32;
    while (part != 0 && part % 2 == 0) {
        part /= 2;
        denominator /= 2;
    }
    std::string text = whole != 0 || part == 0 ? std::to_string(whole) : std::string();
    if (part != 0) {
        text +=
            (text.empty() ? "" : " ") + std::to_string(part) + "/" + std::to_string(denominator);
    }
    const double shown = thirtySeconds / 32.0;
    if (inches > shown + 1e-6) text += " +";
    if (inches < shown - 1e-6) text += " -";
    return text + " in.";
}

// The worked cove as the planner words it: 3 in. wide and 5/8 in. deep in a 4 x 3/4 in.
// board, on a 10 in. blade with a 1/8 in. kerf, passes of 1/16 in.
FenceTemplate workedCove(QSizeF printable) {
    constexpr double kDiameter = 10.0;
    constexpr double kKerf = 0.125;
    constexpr double kDepth = 0.625;
    const double chord = 2.0 * std::sqrt(kDepth * (kDiameter - kDepth));
    const double theta = std::asin(3.0 / std::hypot(chord, kKerf)) - std::atan2(kKerf, chord);
    const double degrees = theta * 180.0 / std::numbers::pi;
    const auto width = [&](double height, double z) {
        const double r = kDiameter / 2.0;
        const double c = 2.0 * std::sqrt(std::max(0.0, r * r - std::pow(z - (height - r), 2.0)));
        return std::sin(theta) * c + kKerf * std::cos(theta);
    };

    FenceTemplate t;
    t.fenceAngle = degrees;
    t.boardWidth = 4.0;
    t.boardThickness = 0.75;
    for (int i = 0; i <= 48; ++i) {
        const double z = kDepth * i / 48;
        t.coveOutline.insert(t.coveOutline.begin(), {-width(kDepth, z) / 2.0, z});
        t.coveOutline.push_back({width(kDepth, z) / 2.0, z});
    }
    t.pageWidth = printable.width();
    t.pageHeight = printable.height();
    const std::string angles = "Fence " + formatNumber(degrees, "0.0") + "\u00b0 to the blade, " +
                               formatNumber(90.0 - degrees, "0.0") +
                               "\u00b0 to the saw's front edge";
    t.setupLines = {"Cove 3 in. wide, 5/8 in. deep", "Board 4 in. wide, 3/4 in. thick",
                    "Blade 10 in. across, kerf 1/8 in.", angles, "Wood left each side 1/2 in."};
    t.passTable.push_back({"Pass", "Blade height", "", "Cove width"});
    for (int pass = 1; pass <= 10; ++pass) {
        const double height = pass / 16.0;
        t.passTable.push_back({std::to_string(pass), shopInches(height), decimalInches(height),
                               shopInches(width(height, 0.0))});
    }
    t.length = shopInches;
    return t;
}

}  // namespace

class TemplatePrintTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        for (const char* tool : {"pdftocairo", "pdftotext"}) {
            if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty()) {
                QSKIP(qPrintable(QStringLiteral("%1 (poppler-utils) is not installed")
                                     .arg(QLatin1String(tool))));
            }
        }
    }

    // The page is laid out from estimated text widths; the real face must never print wider,
    // or labels would run into the triangle's edges and the text into the triangle.
    void estimatesCoverThePrintedText_data() {
        QTest::addColumn<QString>("text");
        const TemplateTexts texts;
        for (const std::string& text :
             {texts.title, texts.boardEnd, texts.boardCutOff, texts.actualSize, texts.fenceLeg,
              texts.acrossLeg, texts.triangleOmitted, std::string("fence 36.8\u00b0"),
              std::string("10.9362 in."), std::string("3 15/16 in."), std::string("88.9 mm"),
              std::string("WWW MMM @@@ %%% mmm www"), std::string("Blade height (in.)"),
              std::string("iiii llll ffff tttt ||||")}) {
            QTest::newRow(text.c_str()) << QString::fromStdString(text);
        }
    }

    void estimatesCoverThePrintedText() {
        QFETCH(QString, text);
        QPrinter printer(QPrinter::HighResolution);
        for (const double size : {7.0, 9.0, 10.0, 14.0}) {
            for (const bool bold : {false, true}) {
                QFont font(QStringLiteral("Liberation Sans"));
                font.setPointSizeF(size);
                font.setBold(bold);
                if (QFontInfo(font).family() != QLatin1String("Liberation Sans")) {
                    QSKIP("Liberation Sans (fonts-liberation2) is not installed");
                }
                const double printed = QFontMetricsF(font, &printer).horizontalAdvance(text) *
                                       72.0 / printer.logicalDpiX();
                const double estimated = estimatedTextWidth(text.toStdString(), size);
                QVERIFY2(printed <= estimated,
                         qPrintable(QStringLiteral("%1 pt%2: printed %3, estimated %4")
                                        .arg(size)
                                        .arg(bold ? QStringLiteral(" bold") : QString())
                                        .arg(printed)
                                        .arg(estimated)));
            }
        }
    }

    // The worked example, as the user guide shows it: every line of the set-up reaches the
    // PDF, and the fence edge is at the worked angle.
    void workedExample() {
        const QString pdf = QDir(QCoreApplication::applicationDirPath())
                                .filePath(QStringLiteral("template-worked-example.pdf"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPageSize(QPageSize(QPageSize::Letter));
        const FenceTemplate page =
            workedCove(printer.pageLayout().paintRect(QPageLayout::Point).size());
        QCOMPARE(QString::number(page.fenceAngle, 'f', 1), QStringLiteral("36.8"));
        {
            QtSheetPrinter sheet(printer);
            QVERIFY(printFenceTemplate(sheet, page));
        }
        const QString text = toolOutput(QStringLiteral("pdftotext"),
                                        {QStringLiteral("-raw"), pdf, QStringLiteral("-")})
                                 .simplified();
        for (const auto& line : page.setupLines) {
            QVERIFY2(text.contains(QString::fromStdString(line)), line.c_str());
        }
        for (const auto& row : page.passTable) {
            for (const auto& cell : row)
                QVERIFY2(text.contains(QString::fromStdString(cell)), cell.c_str());
        }
        QVERIFY(text.contains(QStringLiteral("fence 36.8\u00b0")));
        QVERIFY(text.contains(QStringLiteral("53.2\u00b0")));
    }

    // Sizes whose coordinates the PDF writer cannot hold are clipped before they reach it:
    // the page stays readable and the text complete.
    void hugeSizesKeepTheText_data() {
        QTest::addColumn<double>("width");
        QTest::addColumn<double>("thickness");
        QTest::addColumn<double>("theta");
        QTest::newRow("board wider than the page") << 12.0 << 0.75 << 36.8;
        QTest::newRow("width 3579140") << 3579140.0 << 0.75 << 36.8;
        QTest::newRow("width 1e30") << 1e30 << 0.75 << 20.0;
        QTest::newRow("thickness 1e20") << 4.0 << 1e20 << 60.0;
        QTest::newRow("no angle") << 4.0 << 0.75 << std::nan("");
    }

    void hugeSizesKeepTheText() {
        QFETCH(double, width);
        QFETCH(double, thickness);
        QFETCH(double, theta);
        const QString pdf = QDir(QCoreApplication::applicationDirPath())
                                .filePath(QStringLiteral("template-%1.pdf")
                                              .arg(QTest::currentDataTag())
                                              .replace(QLatin1Char(' '), QLatin1Char('-')));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPageSize(QPageSize(QPageSize::Letter));
        FenceTemplate page =
            covePage(theta, printer.pageLayout().paintRect(QPageLayout::Point).size());
        page.boardWidth = width;
        page.boardThickness = thickness;
        {
            QtSheetPrinter sheet(printer);
            QVERIFY(printFenceTemplate(sheet, page));
        }
        const QString text = toolOutput(QStringLiteral("pdftotext"),
                                        {QStringLiteral("-raw"), pdf, QStringLiteral("-")})
                                 .simplified();
        QVERIFY2(!text.isEmpty(), "pdftotext found no text");
        for (const auto& line : page.setupLines) {
            QVERIFY2(text.contains(QString::fromStdString(line)), line.c_str());
        }
        for (const auto& row : page.passTable) {
            for (const auto& cell : row) {
                QVERIFY2(text.contains(QString::fromStdString(cell)), cell.c_str());
            }
        }
        QCOMPARE(text.contains(QStringLiteral("fence ")), std::isfinite(theta));
    }

    void measuresTrueOnPaper_data() {
        QTest::addColumn<double>("theta");
        for (const double theta : {5.0, 20.0, 36.8, 45.0, 60.0, 85.0}) {
            QTest::newRow(qPrintable(QString::number(theta))) << theta;
        }
    }

    void measuresTrueOnPaper() {
        QFETCH(double, theta);
        const QString pdf = QDir(QCoreApplication::applicationDirPath())
                                .filePath(QStringLiteral("template-%1.pdf").arg(theta));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPageSize(QPageSize(QPageSize::Letter));
        const QRectF printable = printer.pageLayout().paintRect(QPageLayout::Point);
        const FenceTemplate page = covePage(theta, printable.size());
        {
            QtSheetPrinter sheet(printer);
            QVERIFY(printFenceTemplate(sheet, page));
        }
        const auto layout = layOutFenceTemplate(page);
        QVERIFY(layout.triangle);

        const auto segments = pdfSegments(pdf);
        QVERIFY(!segments.empty());

        // Where the layout meant the corners to be; the measurements come from the file.
        const QPointF origin = printable.topLeft();
        const auto onPaper = [&](PagePoint p) { return origin + QPointF(p.x, p.y); };
        const QPointF right = onPaper(layout.triangle->rightAngle);
        const QPointF fenceEnd = onPaper(layout.triangle->fenceEnd);
        const QPointF acrossEnd = onPaper(layout.triangle->acrossEnd);
        const auto fenceLeg = segmentBetween(segments, fenceEnd, right);
        const auto fence = segmentBetween(segments, fenceEnd, acrossEnd);
        const auto acrossLeg = segmentBetween(segments, right, acrossEnd);
        const auto fenceLegOut = segmentBetween(segments, right, fenceEnd);
        QVERIFY(fenceLeg && fence && acrossLeg && fenceLegOut);

        QVERIFY2(std::abs(angleAtStart(*fenceLeg, *fence) - theta) < 0.1,
                 qPrintable(QString::number(angleAtStart(*fenceLeg, *fence))));
        QVERIFY(std::abs(angleAtStart(*fenceLegOut, *acrossLeg) - 90.0) < 0.1);

        // Each edge is what is printed beside it, at 72 points to the inch.
        const auto printed = printedLengths(pdf);
        for (const PdfSegment* edge : {&*fenceLeg, &*fence, &*acrossLeg}) {
            const double inches = edge->length() / 72.0;
            const bool found = std::any_of(printed.begin(), printed.end(),
                                           [&](double p) { return std::abs(p - inches) < 0.003; });
            QVERIFY2(
                found,
                qPrintable(QStringLiteral("no printed length for an edge of %1 in.").arg(inches)));
        }

        // The board end: its two sides, from the back to the face, 4 in. apart.
        std::vector<double> sides;
        const double top = origin.y() + layout.boardTop;
        const double face = origin.y() + layout.boardFace;
        for (const PdfSegment& s : segments) {
            if (std::abs(s.from.x() - s.to.x()) < 0.01 &&
                std::abs(std::min(s.from.y(), s.to.y()) - top) < 0.5 &&
                std::abs(std::max(s.from.y(), s.to.y()) - face) < 0.5) {
                sides.push_back(s.from.x());
            }
        }
        QCOMPARE(sides.size(), std::size_t{2});
        QVERIFY2(std::abs(std::abs(sides[1] - sides[0]) - 4.0 * 72) < 0.1,
                 qPrintable(QString::number(std::abs(sides[1] - sides[0]))));
        QVERIFY(std::abs(face - top - 0.75 * 72) < 0.1);
    }
};

ARCWRIGHT_WINDOW_TEST_MAIN(TemplatePrintTest)
#include "template_print_test.moc"
