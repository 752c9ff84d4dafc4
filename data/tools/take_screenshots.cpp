// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Pictures for the user guide, taken from the real window:
//   take_screenshots OUTDIR SHEET.pdf TEMPLATE.pdf
// writes OUTDIR/arcwright-warning.png (the window as it opens, with the safety note),
// OUTDIR/arcwright-window.png (the start-up set-up once the note is closed) and prints the
// set-up sheet of that set-up through the Print button into SHEET.pdf; then opens the cove
// planner with "Plan a Cove..." and saves it planning the README's worked example (a 3-in.
// cove 5/8 in. deep on a 10-in. blade with a 1/8-in. kerf), handed to the calculator with
// "Use in Calculator", as OUTDIR/arcwright-planner.png, and prints that cove's set-up template
// on letter paper through "Print Template" into TEMPLATE.pdf.
#include <QApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTest>
#include <cstdio>
#include <memory>

#include "app/calculator/form1.h"
#include "app/planner/planner.h"
#include "app/widgets/look.h"

namespace {

bool save(QWidget& window, const QString& path) {
    const bool saved = window.grab().save(path);
    std::printf("%s %s\n", saved ? "saved" : "could not save", qPrintable(path));
    return saved;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    arcwright::look::installFontStandIns();
    if (argc != 4) {
        std::fprintf(stderr, "usage: take_screenshots OUTDIR SHEET.pdf TEMPLATE.pdf\n");
        return 2;
    }
    const QString outDir = QString::fromLocal8Bit(argv[1]);
    const QString sheet = QFileInfo(QString::fromLocal8Bit(argv[2])).absoluteFilePath();
    const QString fenceTemplate = QFileInfo(QString::fromLocal8Bit(argv[3])).absoluteFilePath();

    arcwright::Form1 window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) return 1;
    if (!save(window, outDir + QStringLiteral("/arcwright-warning.png"))) return 1;

    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("Command12")), Qt::LeftButton);
    if (!save(window, outDir + QStringLiteral("/arcwright-window.png"))) return 1;

    // The Print button, with a PDF file standing in for the default printer.
    arcwright::PrintHooks hooks;
    hooks.defaultPrinter = [sheet] {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(sheet);
        return printer;
    };
    bool told = false;
    hooks.tell = [&told](const QString& message) {
        std::fprintf(stderr, "%s\n", qPrintable(message));
        told = true;
    };
    window.setPrintHooks(hooks);
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    if (told || !QFileInfo::exists(sheet)) {
        std::fprintf(stderr, "the set-up sheet was not printed\n");
        return 1;
    }
    std::printf("printed %s\n", qPrintable(sheet));

    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("CommandPlan")),
                      Qt::LeftButton);
    auto* planner = window.findChild<arcwright::Planner*>();
    if (!planner || !QTest::qWaitForWindowExposed(planner)) return 1;
    const auto type = [planner](const char* box, const char* text) {
        auto* edit = planner->findChild<QLineEdit*>(QString::fromLatin1(box));
        edit->selectAll();
        QTest::keyClicks(edit, QString::fromUtf8(text));
    };
    type("planCoveWidth", "3");
    type("planCoveDepth", "5/8");
    type("planBoardWidth", "4 1/2");
    type("planBoardThickness", "1 1/4");
    QTest::mouseClick(planner->findChild<QPushButton*>(QStringLiteral("planApply")),
                      Qt::LeftButton);
    QTest::qWait(200);
    if (!save(*planner, outDir + QStringLiteral("/arcwright-planner.png"))) return 1;

    arcwright::PrintHooks templateHooks = hooks;
    templateHooks.defaultPrinter = [fenceTemplate] {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(fenceTemplate);
        printer->setPageSize(QPageSize(QPageSize::Letter));
        return printer;
    };
    planner->setPrintHooks(templateHooks);
    QTest::mouseClick(planner->findChild<QPushButton*>(QStringLiteral("planPrint")),
                      Qt::LeftButton);
    if (told || !QFileInfo::exists(fenceTemplate)) {
        std::fprintf(stderr, "the set-up template was not printed\n");
        return 1;
    }
    std::printf("printed %s\n", qPrintable(fenceTemplate));
    return 0;
}
