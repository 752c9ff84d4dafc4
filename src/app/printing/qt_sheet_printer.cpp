// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/printing/qt_sheet_printer.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QLineF>
#include <QPdfWriter>
#include <QPen>
#include <QPolygonF>
#include <QPrinter>
#include <QRectF>
#include <algorithm>

#include "app/printing/print_queue.h"

namespace arcwright {
namespace {

constexpr double kPointsPerInch = 72.0;
// Lines are kept within this much of the page. Qt's PDF writer prints a coordinate through
// an unsigned 32-bit integer: from 2^32 device pixels on (3.58 million inches at 1200 dpi)
// the page's drawing instructions come out as garbage and the whole page is lost. A hundred
// inches all round stays far inside that at any printer resolution.
constexpr double kMarginInches = 100.0;
constexpr double kMostDevicePixels = 1e9;

QString text(const char* source) {
    return QCoreApplication::translate("QtSheetPrinter", source);
}

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QtSheetPrinter::QtSheetPrinter(QPrinter& printer, Queue queue)
    : device_(printer),
      printer_(&printer),
      spool_(queue == Queue::Spool ? QueueSpool::divert(printer) : nullptr),
      family_(QFont().family()) {}

QtSheetPrinter::QtSheetPrinter(QPdfWriter& writer, const QString& fileName)
    : device_(writer), fileName_(fileName), family_(QFont().family()) {}

QtSheetPrinter::~QtSheetPrinter() {
    // A page given up half way is discarded rather than sent.
    if (page_ == Page::Open) {
        if (printer_ != nullptr) printer_->abort();
        painter_.end();
    }
}

PageExtent QtSheetPrinter::printableArea() const {
    return {device_.width() * kPointsPerInch / device_.logicalDpiX(),
            device_.height() * kPointsPerInch / device_.logicalDpiY()};
}

void QtSheetPrinter::setUnitPoints() {
    // The device's own resolution, never the screen's.
    scaleX_ = device_.logicalDpiX() / kPointsPerInch;
    scaleY_ = device_.logicalDpiY() / kPointsPerInch;
}

void QtSheetPrinter::setFontName(std::string_view family) {
    family_ = fromUtf8(family);
}

void QtSheetPrinter::setFontSize(double points) {
    fontSize_ = points;
}

void QtSheetPrinter::setEmphasis(bool on) {
    emphasis_ = on;
}

void QtSheetPrinter::setTextPosition(float x, float y) {
    position_ = QPointF(x, y);
}

void QtSheetPrinter::drawLine(float x1, float y1, float x2, float y2, std::optional<Rgb> colour) {
    if (!openPage()) return;
    if (colour || lineWidth_ != 1.0) {
        painter_.save();
        painter_.setPen(ink(colour));
        drawClipped(toDevice(x1, y1), toDevice(x2, y2));
        painter_.restore();
        return;
    }
    drawClipped(toDevice(x1, y1), toDevice(x2, y2));
}

void QtSheetPrinter::setLineWidth(float points) {
    lineWidth_ = points;
}

// The pen of a line: black unless a colour is asked for; one dot of the printer, the finest
// line it draws, unless a width is.
QPen QtSheetPrinter::ink(std::optional<Rgb> colour) const {
    const QColor c = colour ? QColor(colour->r, colour->g, colour->b) : QColor(Qt::black);
    return QPen(c, lineWidth_ == 1.0 ? 0.0 : lineWidth_ * scaleX_);
}

void QtSheetPrinter::fillPolygon(std::span<const CanvasPoint> corners, Rgb colour) {
    if (corners.size() < 3 || !openPage()) return;
    QPolygonF polygon;
    for (const CanvasPoint& c : corners) {
        const QPointF at = toDevice(c.x, c.y);
        if (!deviceBox_.contains(at.x(), at.y())) return;  // nothing a page could show
        polygon << at;
    }
    painter_.save();
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(QColor(colour.r, colour.g, colour.b));
    painter_.drawPolygon(polygon);
    painter_.restore();
}

void QtSheetPrinter::drawRectangle(float x1, float y1, float x2, float y2) {
    if (!openPage()) return;
    const QPointF a = toDevice(x1, y1);
    const QPointF b = toDevice(x2, y2);
    if (deviceBox_.contains(a.x(), a.y()) && deviceBox_.contains(b.x(), b.y())) {
        painter_.drawRect(QRectF(a, b).normalized());
        return;
    }
    drawClipped(a, {b.x(), a.y()});
    drawClipped({b.x(), a.y()}, b);
    drawClipped(b, {a.x(), b.y()});
    drawClipped({a.x(), b.y()}, a);
}

void QtSheetPrinter::drawClipped(const QPointF& from, const QPointF& to) {
    const auto clipped = clipSegment({from.x(), from.y(), to.x(), to.y()}, deviceBox_);
    if (clipped) painter_.drawLine(QLineF(clipped->x1, clipped->y1, clipped->x2, clipped->y2));
}

void QtSheetPrinter::printText(std::string_view text, bool lineBreak) {
    if (!openPage()) return;
    const QFont font = currentFont();
    const QString line = fromUtf8(text);
    // Metrics at the printer's resolution, in device pixels.
    const QFontMetricsF metrics(font, &device_);
    const QPointF topLeft = toDevice(position_.x(), position_.y());
    // Text far off the page cannot be seen, and its coordinates could not be written.
    if (deviceBox_.contains(topLeft.x(), topLeft.y())) {
        painter_.setFont(font);
        painter_.drawText(QPointF(topLeft.x(), topLeft.y() + metrics.ascent()), line);
    }
    if (lineBreak) {
        position_ = QPointF(0.0, position_.y() + metrics.lineSpacing() / scaleY_);
    } else {
        position_.rx() += metrics.horizontalAdvance(line) / scaleX_;
    }
}

bool QtSheetPrinter::newPage() {
    // A first page with nothing on it is still a page: it opens, so the next one follows it.
    if (!openPage()) return false;
    if (!device_.newPage()) {
        failure_ = text("The next page could not be started.");
        return false;
    }
    return true;
}

bool QtSheetPrinter::endDocument() {
    switch (page_) {
        case Page::Failed:
            return false;
        case Page::NotOpened:
        case Page::Ended:
            // Nothing was drawn, so there is no page to send.
            return true;
        case Page::Open:
            break;
    }
    page_ = Page::Ended;
    const bool ended =
        painter_.end() && (printer_ == nullptr || printer_->printerState() != QPrinter::Error);
    if (!ended && failure_.isEmpty()) failure_ = text("The page could not be finished.");
    // A page that could not be started leaves the document short of it.
    return failure_.isEmpty();
}

bool QtSheetPrinter::openPage() {
    if (page_ == Page::Open) return true;
    if (page_ != Page::NotOpened) return false;
    if (!painter_.begin(&device_)) {
        page_ = Page::Failed;
        if (printer_ == nullptr) {
            failure_ = text("The file %1 could not be written.").arg(fileName_);
        } else {
            failure_ =
                printer_->outputFileName().isEmpty() || spool_
                    ? text("The printer %1 could not be opened.").arg(printer_->printerName())
                    : text("The file %1 could not be written.").arg(printer_->outputFileName());
        }
        return false;
    }
    page_ = Page::Open;
    const double margin = std::min(
        kMarginInches * std::max(device_.logicalDpiX(), device_.logicalDpiY()), kMostDevicePixels);
    deviceBox_ = boxAroundPage(device_.width(), device_.height(), margin);
    // One dot of the printer: the finest line it draws, to trace the cove by.
    painter_.setPen(QPen(Qt::black, 0.0));
    painter_.setBrush(Qt::NoBrush);
    return true;
}

QPointF QtSheetPrinter::toDevice(double x, double y) const {
    return {x * scaleX_, y * scaleY_};
}

QFont QtSheetPrinter::currentFont() const {
    QFont font(family_);
    font.setPointSizeF(fontSize_);
    font.setBold(emphasis_);
    return font;
}

}  // namespace arcwright
