// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>

#include "print/sheet_printer.h"
#include "views/clip.h"

namespace arcwright {

// Keeps a drawing within reach of the paper. A typed board a million inches wide has
// coordinates no printer can write (a PDF writer turns them into garbage and loses the whole
// page), so every line is cut back to a generous box around the page before it is drawn.

// The box around a page `width` by `height` (origin at its top left), `margin` wider on
// every side.
ClipBox boxAroundPage(double width, double height, double margin);

// Passes every operation on to `target`, with lines and rectangle edges clipped to `box`
// (in the printer's current unit). A rectangle that sticks out of the box is drawn as its
// four clipped edges. Text is passed on untouched: it never depends on the drawing.
class ClippingPrinter final : public SheetPrinter {
  public:
    ClippingPrinter(SheetPrinter& target, const ClipBox& box) : target_(target), box_(box) {}

    PageExtent printableArea() const override { return target_.printableArea(); }
    void setUnitPoints() override { target_.setUnitPoints(); }
    void setFontName(std::string_view family) override { target_.setFontName(family); }
    void setFontSize(double points) override { target_.setFontSize(points); }
    void setEmphasis(bool on) override { target_.setEmphasis(on); }
    void setTextPosition(float x, float y) override { target_.setTextPosition(x, y); }
    void drawLine(float x1, float y1, float x2, float y2) override;
    void drawRectangle(float x1, float y1, float x2, float y2) override;
    void printText(std::string_view text, bool lineBreak) override {
        target_.printText(text, lineBreak);
    }
    bool newPage() override { return target_.newPage(); }
    bool endDocument() override { return target_.endDocument(); }

  private:
    SheetPrinter& target_;
    ClipBox box_;
};

}  // namespace arcwright
