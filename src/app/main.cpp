// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>
#include <QPushButton>

#include "app/calculator/form1.h"
#include "app/planner/planner.h"
#include "app/printing/sending_at_quit.h"
#include "app/widgets/look.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Arcwright"));
    // Where the settings (the recent jobs) are kept.
    QApplication::setOrganizationName(QStringLiteral("Verrow"));
    // Ties the window to its launcher, so the desktop shows the launcher's icon and name.
    QGuiApplication::setDesktopFileName(QStringLiteral(ARCWRIGHT_APP_ID));
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setWindowIcon(arcwright::look::appIcon());
    arcwright::look::installFontStandIns();
    arcwright::Form1 window;
    window.show();
    // `arcwright cove.arcwright`: the planner comes up, as its button brings it, with the job.
    if (const QStringList args = QApplication::arguments(); args.size() > 1) {
        window.findChild<QPushButton*>(QStringLiteral("CommandPlan"))->click();
        if (auto* planner = window.findChild<arcwright::Planner*>()) planner->openJob(args.at(1));
    }
    arcwright::sendBeforeSessionEnds(app);
    const int exitCode = QApplication::exec();
    // The windows are closed but not yet gone: the sheets asked for go out first.
    arcwright::sendBeforeQuitting();
    return exitCode;
}
