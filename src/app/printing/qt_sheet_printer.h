// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QPainter>
#include <QPointF>
#include <QString>
#include <memory>

#include "app/printing/print_queue.h"
#include "print/clip.h"
#include "print/sheet_printer.h"

class QPagedPaintDevice;
class QPdfWriter;
class QPrinter;

namespace arcwright {

// The pages of one document on a Qt printer or PDF writer. Coordinates are points scaled
// from the device's own resolution, with the origin at the top left of the printable area;
// nothing is fitted to the page, so an inch of board is an inch on paper. The first page
// opens with the first drawing or text, newPage() starts the next, and endDocument()
// finishes the document. Every line is clipped once, here, to a box well around the page, so
// no coordinate reaches the PDF writer that it cannot write, whatever document is drawn; a
// polygon or text far off the page is left out.
class QtSheetPrinter final : public SheetPrinter {
  public:
    enum class Queue {
        Spool,   // a printer for a print queue writes into a spool file (see takeSpool())
        Direct,  // the printer paints where Qt sends it, as in a print preview
    };

    // `printer` must outlive this object and is used for one document only.
    explicit QtSheetPrinter(QPrinter& printer, Queue queue = Queue::Spool);
    // The same on a PDF writer that writes `fileName`.
    QtSheetPrinter(QPdfWriter& writer, const QString& fileName);
    ~QtSheetPrinter() override;
    QtSheetPrinter(const QtSheetPrinter&) = delete;
    QtSheetPrinter& operator=(const QtSheetPrinter&) = delete;

    PageExtent printableArea() const override;
    void setUnitPoints() override;
    void setFontName(std::string_view family) override;
    void setFontSize(double points) override;
    void setEmphasis(bool on) override;
    void setTextPosition(float x, float y) override;
    using SheetPrinter::drawLine;
    void drawLine(float x1, float y1, float x2, float y2, std::optional<Rgb> colour) override;
    void drawRectangle(float x1, float y1, float x2, float y2) override;
    void fillPolygon(std::span<const CanvasPoint> corners, Rgb colour) override;
    void setLineWidth(float points) override;
    void printText(std::string_view text, bool lineBreak) override;
    bool newPage() override;
    bool endDocument() override;

    // Why the page was not printed, for the user; empty while nothing has failed.
    const QString& failure() const { return failure_; }

    // The finished page waiting for its queue; nullptr when the printer wrote a file.
    std::unique_ptr<QueueSpool> takeSpool() { return std::move(spool_); }

  private:
    enum class Page { NotOpened, Open, Failed, Ended };

    bool openPage();
    QPointF toDevice(double x, double y) const;
    QFont currentFont() const;
    void drawClipped(const QPointF& from, const QPointF& to);
    QPen ink(std::optional<Rgb> colour) const;

    QPagedPaintDevice& device_;
    QPrinter* printer_ = nullptr;  // null on a PDF writer
    QString fileName_;             // the PDF writer's file
    QPainter painter_;
    std::unique_ptr<QueueSpool> spool_;
    Page page_ = Page::NotOpened;
    ClipBox deviceBox_;  // in device pixels, set when the page opens
    QString failure_;

    // Device pixels per unit; 1 until the unit is set to points.
    double scaleX_ = 1.0;
    double scaleY_ = 1.0;

    double lineWidth_ = 1.0;  // points; 1 is the printer's finest line

    QString family_;
    double fontSize_ = 12.0;
    bool emphasis_ = false;
    QPointF position_;  // current text position, top left of the next text, in units
};

}  // namespace arcwright
