// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The planner's template: printed on the default printer, or shown in a print preview.
// Both only read the planner, so a failed or cancelled print leaves it as it was.
#include <QLabel>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <array>
#include <utility>

#include "app/planner/planner.h"
#include "app/planner/planner_template.h"
#include "app/printing/page_print.h"

namespace arcwright {

QString Planner::printTemplateTip() {
    return tr(
        "Prints the set-up template on the default printer at actual size: the triangle that "
        "sets the fence angle, the board end with the cove at full size and the passes, then "
        "the full-size plan of the saw table to clamp the fence by.");
}

QString Planner::previewTemplateTip() {
    return tr(
        "Shows the set-up template as it will print; from there it can go to any printer or "
        "be saved as a PDF file.");
}

// While the cove cannot be cut there is no template: the buttons say why, in the words of
// the status line.
void Planner::showWhetherPrintable() {
    const QString why = status_->text();
    const bool printable = why.isEmpty() && model_.usable();
    const std::array<std::pair<QPushButton*, QString>, 2> buttons{
        {{print_, printTemplateTip()}, {preview_, previewTemplateTip()}}};
    for (const auto& [button, whatItDoes] : buttons) {
        const QString tip = printable ? whatItDoes : why;
        button->setEnabled(printable);
        button->setToolTip(tip);
        button->setAccessibleDescription(tip);
    }
}

void Planner::printTemplate() {
    if (!print_->isEnabled()) return;
    printPage(this, printHooks_, tr("Arcwright fence template"),
              templateDrawing(plannedPages(model_)));
}

// The preview draws the page as it stood at the click, on the preview's own printer, so
// the paper chosen there is the paper it is laid out for.
void Planner::previewTemplate() {
    if (!preview_->isEnabled()) return;
    auto* dialog = new QPrintPreviewDialog(this);
    dialog->setObjectName(QStringLiteral("planPreviewDialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(tr("Fence template preview"));
    dialog->printer()->setDocName(tr("Arcwright fence template"));
    dialog->printer()->setFullPage(false);
    const DrawPage page = templateDrawing(plannedPages(model_));
    connect(dialog, &QPrintPreviewDialog::paintRequested, dialog,
            [page](QPrinter* printer) { drawPageOn(*printer, page); });
    dialog->open();
}

}  // namespace arcwright
