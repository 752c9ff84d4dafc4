// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "views/canvas.h"

namespace arcwright {

// The size of the printable area, in points.
struct PageExtent {
    double width = 0.0;
    double height = 0.0;
};

// A printed page: the drawings' canvas on paper, with the text and the page handling that only
// paper has. A page's unit is the point, 72 to the inch, from the top left of the printable
// area with y growing down: the drawings a page takes are laid out in it, so a screen
// surface's scale means nothing here (setScale leaves the unit as it is). What is printed
// stays on the page, so clear() has nothing to do. The first page opens with the first drawing
// or text, and newPage() moves on to the next.
class SheetPrinter : public Canvas {
  public:
    // The printable area of the paper this page goes on, so that a page can be laid out
    // to fill it; zero where the printer cannot tell.
    virtual PageExtent printableArea() const { return {}; }

    virtual void setUnitPoints() = 0;  // 72 per inch, origin top left, y down
    virtual void setFontName(std::string_view family) = 0;
    virtual void setFontSize(double points) = 0;
    virtual void setEmphasis(bool on) = 0;  // the title's bold
    virtual void setTextPosition(float x, float y) = 0;
    // Prints text at the current position; a line break returns to x = 0 one line down,
    // otherwise the position stays after the last character.
    virtual void printText(std::string_view text, bool lineBreak) = 0;
    // Ends the current page and starts the next one of the same document, with the unit,
    // font and text position as they were. False when the printer cannot: a page failed,
    // the document is ended, or the printer prints one page only.
    virtual bool newPage() { return false; }
    // Sends the document. False when the job could not be printed.
    virtual bool endDocument() = 0;

    // The canvas on paper. Lines in a colour, styles and widths are the printer's to honour;
    // the plain page needs only its lines, rectangles and text.
    void clear() override {}
    void setScale(float, float, float, float) override {}
    float scaleWidth() const override { return static_cast<float>(printableArea().width); }
    void setLineStyle(LineStyle) override {}
    void setLineWidth(float) override {}
    void fillPolygon(std::span<const CanvasPoint>, Rgb) override {}
    // An arc, in short straight lines.
    void drawArc(float cx, float cy, float radius, Rgb colour, float startRad,
                 float endRad) override;

    // A line in the page's ink.
    using Canvas::drawLine;
    void drawLine(float x1, float y1, float x2, float y2) {
        drawLine(x1, y1, x2, y2, std::nullopt);
    }
};

}  // namespace arcwright
