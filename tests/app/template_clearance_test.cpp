// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The planner's printed pages read cleanly: printed to PDF over a table of set-ups, every
// word as pdftotext finds it is clear of every drawn line, the centre mark keeps off the
// sheets' cut and glue lines, and every sheet of the plan carries a real share of it.
#include <QDir>
#include <QPrinter>
#include <QStandardPaths>

#include "app/planner/planner_template.h"
#include "app/printing/qt_sheet_printer.h"
#include "pdf_measure.h"
#include "plan/planner_model.h"
#include "plan_measure.h"
#include "window_harness.h"

using namespace arcwright;
using namespace arcwright::testing;

namespace {

struct SetUp {
    // Cove width, depth, board width, thickness, blade, kerf, passes, the cove's place, tilt.
    QStringList boxes;
    bool millimetres = false;
    BladeLean lean = BladeLean::TowardFence;
    QPageSize::PageSizeId paper = QPageSize::Letter;
};

PlannerModel plannerFor(const SetUp& setUp) {
    PlannerModel model;
    if (setUp.millimetres) model.chooseUnit(LengthUnit::Millimetre);
    for (int i = 0; i < setUp.boxes.size(); ++i) {
        if (!setUp.boxes[i].isEmpty()) {
            model.typeText(static_cast<PlanBox>(i), setUp.boxes[i].toStdString());
        }
    }
    model.chooseLean(setUp.lean);
    return model;
}

// The planner's pages printed for the set-up, and where the plan's sheets went.
struct Printed {
    QPointF origin;  // the printable area's top left on the paper
    SawPlanLayout plan;
};

Printed printPages(const PlannerModel& model, QPageSize::PageSizeId paper, const QString& pdf) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setPageSize(QPageSize(paper));
    const QRectF area = printer.pageLayout().paintRect(QPageLayout::Point);
    TemplatePages pages = plannedPages(model);
    {
        QtSheetPrinter sheet(printer);
        templateDrawing(pages)(sheet);
    }
    pages.plan.pageWidth = area.width();
    pages.plan.pageHeight = area.height();
    return {area.topLeft(), layOutSawPlan(pages.plan)};
}

bool slanting(const PdfSegment& s) {
    return std::abs(s.from.x() - s.to.x()) > 0.01 && std::abs(s.from.y() - s.to.y()) > 0.01;
}

// How much of a sheet's window the drawing fills on paper: the box round the slanting
// lines inside it (the fence, the board, the cove, the hatching), as a share of its area.
// The blade line, the square line, the joining marks and the footer all run square.
double shareOnPaper(const std::vector<PdfSegment>& lines, const QRectF& window) {
    QRectF ink;
    for (const PdfSegment& s : lines) {
        if (!slanting(s)) continue;
        const QRectF box = QRectF(s.from, s.to).normalized().intersected(window);
        if (box.isValid() || box.width() > 0 || box.height() > 0) ink = ink.united(box);
    }
    return ink.width() * ink.height() / (window.width() * window.height());
}

// A word's box shrunk to its ink: pdftotext reports the face's whole ascent and descent.
QRectF inkOf(const PdfWord& word) {
    const double h = word.box.height();
    return word.box.adjusted(0.3, 0.12 * h, -0.3, -0.1 * h);
}

// The drawn lines that run through a word, as "word × line" for the failure message.
QStringList linesThroughWords(const std::vector<PdfWord>& words,
                              const std::vector<PdfSegment>& lines) {
    QStringList crossed;
    for (const PdfWord& word : words) {
        const QRectF ink = inkOf(word);
        for (const PdfSegment& s : lines) {
            if (segmentCrossesBox(s, ink)) {
                crossed << QStringLiteral("'%1' at (%2, %3) by (%4, %5)-(%6, %7)")
                               .arg(word.text)
                               .arg(word.box.left(), 0, 'f', 1)
                               .arg(word.box.top(), 0, 'f', 1)
                               .arg(s.from.x(), 0, 'f', 1)
                               .arg(s.from.y(), 0, 'f', 1)
                               .arg(s.to.x(), 0, 'f', 1)
                               .arg(s.to.y(), 0, 'f', 1);
                break;
            }
        }
    }
    return crossed;
}

}  // namespace

Q_DECLARE_METATYPE(SetUp)

class TemplateClearanceTest : public QObject {
    Q_OBJECT

    QDir out_;

  private slots:
    void initTestCase() {
        for (const char* tool : {"pdftocairo", "pdftotext", "pdfinfo"}) {
            if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty()) {
                QSKIP(qPrintable(QStringLiteral("%1 (poppler-utils) is not installed")
                                     .arg(QLatin1String(tool))));
            }
        }
        out_ = QDir(QCoreApplication::applicationDirPath());
        out_.mkpath(QStringLiteral("template-clearance"));
        out_.cd(QStringLiteral("template-clearance"));
    }

    void pagesReadCleanly_data() {
        QTest::addColumn<SetUp>("setUp");
        const auto row = [](const char* name, QStringList boxes, bool mm, BladeLean lean,
                            QPageSize::PageSizeId paper) {
            QTest::newRow(name) << SetUp{std::move(boxes), mm, lean, paper};
        };
        constexpr auto toward = BladeLean::TowardFence;
        constexpr auto away = BladeLean::AwayFromFence;
        constexpr auto letter = QPageSize::Letter;
        constexpr auto a4 = QPageSize::A4;
        row("worked example, inches, Letter", {"3", "5/8", "4", "3/4"}, false, toward, letter);
        row("worked example, mm, A4", {"76.2", "15.9", "101.6", "19.1"}, true, toward, a4);
        row("narrow cove, wide board, Letter", {"1 1/2", "1/2", "5 1/2", "3/4", "8", "3/32", "1/8"},
            false, toward, letter);
        row("narrow cove, mm, A4", {"25", "10", "140", "19"}, true, toward, a4);
        row("wide cove, Letter", {"6", "1", "8", "1 1/2"}, false, toward, letter);
        row("wide cove, mm, A4", {"150", "25", "200", "38"}, true, toward, a4);
        row("ten degrees, A4", {"1", "5/8", "3", "3/4"}, false, toward, a4);
        row("offset cove, Letter", {"3", "5/8", "4 1/2", "1 1/4", "", "", "", "1/2"}, false, toward,
            letter);
        row("offset cove, mm, A4", {"76.2", "15.9", "114.3", "31.75", "", "", "", "12.7"}, true,
            toward, a4);
        row("tilted toward the fence, Letter", {"3", "5/8", "4 1/2", "1 1/4", "", "", "", "", "30"},
            false, toward, letter);
        row("tilted away, mm, A4", {"76.2", "15.9", "114.3", "31.75", "", "", "", "", "30"}, true,
            away, a4);
        row("tilted offset, A4", {"2", "1/2", "5", "1", "", "", "", "3/4", "20"}, false, away, a4);
    }

    // No drawn line runs through a word: not the triangle's edges, the board end, the
    // plan's lines, its hatching or the sheets' cut and glue lines.
    void pagesReadCleanly() {
        QFETCH(SetUp, setUp);
        const PlannerModel model = plannerFor(setUp);
        QVERIFY2(model.usable(), "the set-up cannot be cut");
        const QString name =
            QString::fromLatin1(QTest::currentDataTag())
                .replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9]+")), QStringLiteral("-"));
        const QString pdf = out_.filePath(name + QStringLiteral(".pdf"));
        const Printed printed = printPages(model, setUp.paper, pdf);
        const int pages = pdfPageCount(pdf);
        QVERIFY(pages >= 2);
        std::vector<std::vector<PdfWord>> words;  // page by page, from the first
        std::vector<std::vector<PdfSegment>> lines;
        QStringList crossed;
        for (int page = 1; page <= pages; ++page) {
            words.push_back(pdfWords(pdf, page));
            lines.push_back(pdfSegments(pdf, page));
            QVERIFY(!words.back().empty());
            for (const QString& c : linesThroughWords(words.back(), lines.back())) {
                crossed << QStringLiteral("page %1: %2").arg(page).arg(c);
            }
        }
        QVERIFY2(crossed.isEmpty(), qPrintable(crossed.join(QStringLiteral("; "))));

        // The plan's sheets: each carries a real share of the drawing, and the centre mark
        // stands whole on one of them, its cross clear of every cut edge and glue line.
        QCOMPARE(pages, 1 + static_cast<int>(printed.plan.sheets.size()));
        int wholeCentres = 0;
        for (std::size_t i = 0; i < printed.plan.sheets.size(); ++i) {
            const PlanSheet& sheet = printed.plan.sheets[i];
            const PageBox& w = sheet.window;
            const QRectF window =
                QRectF(w.left, w.top, w.width(), w.height()).translated(printed.origin);
            const auto& onSheet = lines[i + 1];
            const double share = shareOnPaper(onSheet, window);
            QStringList labelled;  // the words of the drawing's labels on the sheet
            for (const PdfWord& word : words[i + 1]) {
                if (window.contains(word.box) && word.text != QLatin1String("cut") &&
                    word.text != QLatin1String("glue")) {
                    labelled << word.text;
                }
            }
            QVERIFY2(share >= 0.1 || labelled.size() >= 3,
                     qPrintable(QStringLiteral("row %1, column %2 carries %3 % and '%4'")
                                    .arg(sheet.row)
                                    .arg(sheet.column)
                                    .arg(share * 100.0, 0, 'f', 1)
                                    .arg(labelled.join(QLatin1Char(' ')))));
            const auto centre = centrePoint(onSheet);
            if (!centre || !window.contains(*centre)) continue;
            std::vector<double> joinsAcross;  // x of the cut and glue lines
            std::vector<double> joinsDown;
            if (sheet.neighbourLeft) joinsAcross.push_back(window.left());
            if (sheet.neighbourRight) joinsAcross.push_back(window.right() - kSheetOverlap);
            if (sheet.neighbourAbove) joinsDown.push_back(window.top());
            if (sheet.neighbourBelow) joinsDown.push_back(window.bottom() - kSheetOverlap);
            const double cross = 0.3 * 72.0 + 2.0;
            const bool clear =
                std::all_of(joinsAcross.begin(), joinsAcross.end(),
                            [&](double x) { return std::abs(centre->x() - x) > cross; }) &&
                std::all_of(joinsDown.begin(), joinsDown.end(),
                            [&](double y) { return std::abs(centre->y() - y) > cross; }) &&
                window.adjusted(cross, cross, -cross, -cross).contains(*centre);
            wholeCentres += clear ? 1 : 0;
        }
        QVERIFY2(wholeCentres >= 1, "no sheet shows the centre mark clear of the joins");
    }
};

ARCWRIGHT_WINDOW_TEST_MAIN(TemplateClearanceTest)
#include "template_clearance_test.moc"
