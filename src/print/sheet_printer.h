// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string_view>

namespace arcwright {

// The few printer operations the printed pages need. Coordinates are in the current
// unit (points), single precision; the first page opens with the first drawing or text,
// and newPage() moves on to the next.
// The size of the printable area, in points.
struct PageExtent {
    double width = 0.0;
    double height = 0.0;
};

class SheetPrinter {
  public:
    virtual ~SheetPrinter() = default;

    // The printable area of the paper this page goes on, so that a page can be laid out
    // to fill it; zero where the printer cannot tell.
    virtual PageExtent printableArea() const { return {}; }

    virtual void setUnitPoints() = 0;  // 72 per inch, origin top left, y down
    virtual void setFontName(std::string_view family) = 0;
    virtual void setFontSize(double points) = 0;
    virtual void setEmphasis(bool on) = 0;  // the title's bold
    virtual void setTextPosition(float x, float y) = 0;
    virtual void drawLine(float x1, float y1, float x2, float y2) = 0;
    virtual void drawRectangle(float x1, float y1, float x2, float y2) = 0;
    // Prints text at the current position; a line break returns to x = 0 one line down,
    // otherwise the position stays after the last character.
    virtual void printText(std::string_view text, bool lineBreak) = 0;
    // Ends the current page and starts the next one of the same document, with the unit,
    // font and text position as they were. False when the printer cannot: a page failed,
    // the document is ended, or the printer prints one page only.
    virtual bool newPage() { return false; }
    // Sends the document. False when the job could not be printed.
    virtual bool endDocument() = 0;
};

}  // namespace arcwright
