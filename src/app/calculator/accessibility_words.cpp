// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The words of the window's controls that never change: accessible names, the
// descriptions that carry no values, and the tool tips.
#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <tuple>
#include <utility>

#include "app/calculator/accessibility.h"
#include "app/calculator/angle_scroll_bar.h"
#include "app/widgets/drawing_surface.h"

namespace arcwright {
namespace {

// Words that never change; an empty description or tool tip is left unset.
void setWords(QWidget* widget, const QString& accessibleName, const QString& description = {},
              const QString& toolTip = {}) {
    widget->setAccessibleName(accessibleName);
    if (!description.isEmpty()) widget->setAccessibleDescription(description);
    if (!toolTip.isEmpty()) widget->setToolTip(toolTip);
}

}  // namespace

void WindowDescriber::describeFixed() {
    setWords(c_.in.text4, tr("Board width"),
             tr("Width of the board's face, the face the cove is cut into, in inches."),
             tr("Board width: the width of the face the cove is cut into, in inches. Type a "
                "decimal or a shop fraction such as 3 1/2. Widths over 6 in. are not worked out."));
    setWords(
        c_.in.text3, tr("Board thickness"),
        tr("Thickness of the board, in inches, from the face the cove is cut into to its back."),
        tr("Board thickness: from the face the cove is cut into to the back of the board, in "
           "inches. Keep at least 1/4 in. of wood above the blade."));
    setWords(c_.in.text2, tr("Cut angle"),
             tr("Angle between the board's edge, which runs along the fence, and the saw blade, in "
                "degrees."),
             tr("Cut angle: the angle between the board's edge, which runs along the fence, and "
                "the saw blade, in degrees. Near 90° the fence lies square across the blade and "
                "the cove is at its widest; a small angle gives a narrow cove of the same depth."));
    setWords(
        c_.in.text1, tr("Blade height"),
        tr("Height of the blade above the saw table, in inches: the depth of the finished cove."),
        tr("Blade height: how far the blade stands above the saw table, in inches, which is the "
           "depth of the finished cove. Reach it a little at a time, over several passes."));
    setWords(c_.in.vScroll1, tr("Cut angle bar"),
             tr("Sets the cut angle from 5 to 85 degrees: up for a larger angle, one degree an "
                "arrow, five a page. It does nothing while less than 1/4 inch of wood would stay "
                "above the blade."),
             tr("Cut angle: up for a larger angle, down for a smaller one, 5° to 85°. Locked while "
                "less than 1/4 in. of wood would stay above the blade."));
    // The round buttons that pick what the step buttons change.
    for (const auto& [option, dimension] : {std::pair{c_.in.option2, tr("board width")},
                                            {c_.in.option1, tr("board thickness")},
                                            {c_.in.option3, tr("blade height")}}) {
        setWords(option, tr("Adjust %1").arg(dimension),
                 tr("Selects the %1 as the dimension the step buttons change.").arg(dimension),
                 tr("Step the %1 with the + and - buttons.").arg(dimension));
    }
    for (const auto& [option, parts, denominator] :
         {std::tuple{c_.option4, tr("16ths"), 16}, {c_.option5, tr("32nds"), 32}}) {
        setWords(option, tr("Fractions in %1").arg(parts),
                 tr("Shows the shop fractions to the nearest 1/%1 inch.").arg(denominator),
                 tr("Round the shop fractions to the nearest 1/%1 in.").arg(denominator));
    }
    setWords(c_.command1, tr("Print"),
             tr("Prints a set-up sheet: a full-size end view of the board with the cove, to hold "
                "against the stock, and the set-up values."),
             tr("Print a set-up sheet: the board end with the cove at full size, to hold against "
                "the stock, and the set-up values."));
    setWords(c_.warn.command12, tr("OK"), tr("Closes the safety warning."));
    // The safety note is read out with its frame when the frame is announced.
    setWords(c_.warn.frame2, tr("Warning!"), c_.warn.label47->text());
    setWords(
        c_.warn.label1, tr("Blade height high!"),
        tr("The step was refused: it would leave less than 1/4 inch of wood above the blade."));
    setWords(c_.warn.label2, tr("Cut is too wide!"),
             tr("The cove would leave less than 1/4 inch of board on a side. Narrow the cut with a "
                "lower blade or a smaller angle, or use a wider board."));
    // The views' tool tips say what each drawing is; their descriptions, rewritten after
    // every recomputation, say what it shows now.
    setWords(c_.views.picture1, tr("Section view"), {},
             tr("Section: the end of the board to scale, lying face down on the saw table, with "
                "the cove cut into its face."));
    setWords(c_.views.picture2, tr("Plan view"), {},
             tr("Plan: looking down on the saw table. The yellow line is the blade, the red "
                "outline the board crossing it at the cut angle (marked by the arc), the dotted "
                "lines the edges of the cove."));
    setWords(c_.views.picture4, tr("Isometric view"), {},
             tr("The finished moulding: an 18-inch length, cove face up, seen from above at an "
                "angle. Click to redraw it."));
    setWords(c_.window, tr("Arcwright"), tr("Cove cut calculator for the table saw."));

    for (const StepControl& step : c_.steps) {
        step.button->setAccessibleName(step.press.up ? tr("Add %1 inch").arg(step.size)
                                                     : tr("Subtract %1 inch").arg(step.size));
        step.button->setToolTip((step.press.up ? tr("Add %1 in. to the selected dimension")
                                               : tr("Take %1 in. off the selected dimension"))
                                    .arg(step.size) +
                                tr(" (pick it with the round button beside the board width, "
                                   "thickness or blade height). A step that would leave less than "
                                   "1/4 in. of wood above the blade is refused."));
    }
    const QString asFraction = tr("%1 as a shop fraction");
    for (const auto& [row, what] : {std::pair{c_.out.width, tr("Board width")},
                                    {c_.out.thickness, tr("Board thickness")},
                                    {c_.out.blade, tr("Blade height")},
                                    {c_.out.cut, tr("Cut width")}}) {
        for (QLabel* label : row.labels()) label->setAccessibleName(asFraction.arg(what));
    }
    c_.out.label4->setAccessibleName(tr("Cut width"));
}

}  // namespace arcwright
