// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Measuring a printed page from its PDF file with poppler's tools: the straight lines as
// pdftocairo draws them into an SVG, and the lengths written on the page as pdftotext
// finds them.
#include <QFile>
#include <QLineF>
#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QTransform>
#include <algorithm>
#include <optional>
#include <vector>

namespace arcwright::testing {

// What a tool writes to its standard output; empty when it failed.
inline QString toolOutput(const QString& program, const QStringList& args) {
    QProcess process;
    process.start(program, args);
    if (!process.waitForFinished(60'000) || process.exitCode() != 0) return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

struct PdfSegment {
    QPointF from, to;
    double length() const { return QLineF(from, to).length(); }
};

// Every straight piece of every path of pdftocairo's SVG, in points from the page's top
// left. Qt writes each line as its own path; the page's own transform, if any, is applied.
inline std::vector<PdfSegment> svgSegments(const QString& svg) {
    std::vector<PdfSegment> segments;
    const QRegularExpression path(QStringLiteral("<path[^>]*\\sd=\"([^\"]*)\"[^>]*>"));
    const QRegularExpression matrix(QStringLiteral("transform=\"matrix\\(([^)]*)\\)\""));
    const QRegularExpression step(QStringLiteral("([ML])\\s*(-?[\\d.]+)\\s+(-?[\\d.]+)"));
    for (auto it = path.globalMatch(svg); it.hasNext();) {
        const auto element = it.next();
        QTransform transform;
        if (const auto m = matrix.match(element.captured(0)); m.hasMatch()) {
            const QStringList v = m.captured(1).split(QRegularExpression(QStringLiteral("[ ,]+")));
            if (v.size() == 6) {
                transform = QTransform(v[0].toDouble(), v[1].toDouble(), v[2].toDouble(),
                                       v[3].toDouble(), v[4].toDouble(), v[5].toDouble());
            }
        }
        std::optional<QPointF> last;
        for (auto s = step.globalMatch(element.captured(1)); s.hasNext();) {
            const auto move = s.next();
            const QPointF p =
                transform.map(QPointF(move.captured(2).toDouble(), move.captured(3).toDouble()));
            if (move.captured(1) == QLatin1String("L") && last) segments.push_back({*last, p});
            last = p;
        }
    }
    return segments;
}

// The straight pieces of one page of a PDF, the first unless told; empty when pdftocairo
// could not draw it.
inline std::vector<PdfSegment> pdfSegments(const QString& pdf, int page = 1) {
    const QString svgFile = pdf + QStringLiteral(".%1.svg").arg(page);
    QFile::remove(svgFile);
    const QString number = QString::number(page);
    toolOutput(QStringLiteral("pdftocairo"), {QStringLiteral("-svg"), QStringLiteral("-f"), number,
                                              QStringLiteral("-l"), number, pdf, svgFile});
    QFile svg(svgFile);
    if (!svg.open(QIODevice::ReadOnly)) return {};
    // The glyphs' outlines stand in <defs> at the origin; only what is drawn counts.
    QString drawn = QString::fromUtf8(svg.readAll());
    drawn.remove(QRegularExpression(QStringLiteral("<defs>.*</defs>"),
                                    QRegularExpression::DotMatchesEverythingOption));
    return svgSegments(drawn);
}

// The segment from near `a` to near `b` (within a point), turned to run from a to b.
inline std::optional<PdfSegment> segmentBetween(const std::vector<PdfSegment>& segments, QPointF a,
                                                QPointF b) {
    for (const PdfSegment& s : segments) {
        if (QLineF(s.from, a).length() < 1.0 && QLineF(s.to, b).length() < 1.0) return s;
        if (QLineF(s.from, b).length() < 1.0 && QLineF(s.to, a).length() < 1.0)
            return PdfSegment{s.to, s.from};
    }
    return std::nullopt;
}

// The angle between two segments that start at the same point, 0° to 180°.
inline double angleAtStart(const PdfSegment& p, const PdfSegment& q) {
    const double d = std::abs(QLineF(p.from, p.to).angleTo(QLineF(q.from, q.to)));
    return d > 180.0 ? 360.0 - d : d;
}

// How many pages a PDF has; 0 when pdfinfo cannot read it.
inline int pdfPageCount(const QString& pdf) {
    const QString info = toolOutput(QStringLiteral("pdfinfo"), {pdf});
    const auto match = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

// The text of one page, its runs of blanks and line breaks made single blanks.
inline QString pdfPageText(const QString& pdf, int page) {
    const QString number = QString::number(page);
    return toolOutput(QStringLiteral("pdftotext"),
                      {QStringLiteral("-raw"), QStringLiteral("-f"), number, QStringLiteral("-l"),
                       number, pdf, QStringLiteral("-")})
        .simplified();
}

// Every length written on the page as a decimal followed by "in." or "mm", in inches.
inline std::vector<double> printedLengths(const QString& pdf) {
    std::vector<double> lengths;
    const QString boxes = toolOutput(QStringLiteral("pdftotext"),
                                     {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    const QRegularExpression word(
        QStringLiteral(">(\\d+\\.\\d+)</word>\\s*<word[^>]*>(in\\.|mm)</word>"));
    for (auto it = word.globalMatch(boxes); it.hasNext();) {
        const auto match = it.next();
        const double value = match.captured(1).toDouble();
        lengths.push_back(match.captured(2) == QLatin1String("mm") ? value / 25.4 : value);
    }
    return lengths;
}

// A set-up triangle and a board end found on a printed template, in points.
struct TemplateOnPaper {
    double fenceAngle = 0.0;         // the acute angle nearer the expected θ
    double otherAngle = 0.0;         // the other acute angle
    std::vector<double> edges;       // the three edges' lengths
    std::vector<double> boardSides;  // x of the vertical lines as long as the board is thick
};

// Finds the one right triangle with legs over an inch and its hypotenuse drawn, and the
// board end's sides, without knowing where the page put them (a print queue may move the
// page's origin).
inline std::optional<TemplateOnPaper> measureTemplate(const QString& pdf, double theta,
                                                      double thicknessPoints) {
    const std::vector<PdfSegment> segments = pdfSegments(pdf);
    const auto near = [](QPointF a, QPointF b) { return QLineF(a, b).length() < 0.5; };
    std::optional<TemplateOnPaper> found;
    for (std::size_t i = 0; i < segments.size() && !found; ++i) {
        for (std::size_t j = i + 1; j < segments.size() && !found; ++j) {
            PdfSegment p = segments[i];
            PdfSegment q = segments[j];
            if (p.length() < 72.0 || q.length() < 72.0) continue;
            // Both turned to start at the shared corner.
            if (near(p.to, q.from) || near(p.to, q.to)) std::swap(p.from, p.to);
            if (near(q.to, p.from)) std::swap(q.from, q.to);
            if (!near(p.from, q.from) || std::abs(angleAtStart(p, q) - 90.0) > 0.5) continue;
            const auto hypotenuse = segmentBetween(segments, p.to, q.to);
            if (!hypotenuse) continue;
            const double atP = angleAtStart(PdfSegment{p.to, p.from}, *hypotenuse);
            const double atQ = 90.0 - atP;
            TemplateOnPaper t;
            const bool pIsFence = std::abs(atP - theta) < std::abs(atQ - theta);
            t.fenceAngle = pIsFence ? atP : atQ;
            t.otherAngle = pIsFence ? atQ : atP;
            t.edges = {p.length(), q.length(), hypotenuse->length()};
            found = t;
        }
    }
    if (!found) return std::nullopt;
    for (const PdfSegment& s : segments) {
        if (std::abs(s.from.x() - s.to.x()) < 0.01 &&
            std::abs(s.length() - thicknessPoints) < 0.3) {
            found->boardSides.push_back(s.from.x());
        }
    }
    return found;
}

// A word of a page as pdftotext finds it, its box in points from the page's top left.
struct PdfWord {
    QString text;
    QRectF box;
};

inline std::vector<PdfWord> pdfWords(const QString& pdf, int page) {
    const QString number = QString::number(page);
    const QString boxes = toolOutput(QStringLiteral("pdftotext"),
                                     {QStringLiteral("-bbox"), QStringLiteral("-f"), number,
                                      QStringLiteral("-l"), number, pdf, QStringLiteral("-")});
    const QRegularExpression word(
        QStringLiteral("<word xMin=\"([-0-9.]+)\" yMin=\"([-0-9.]+)\" xMax=\"([-0-9.]+)\" "
                       "yMax=\"([-0-9.]+)\">([^<]*)</word>"));
    std::vector<PdfWord> words;
    for (auto it = word.globalMatch(boxes); it.hasNext();) {
        const auto w = it.next();
        words.push_back(
            {w.captured(5), QRectF(QPointF(w.captured(1).toDouble(), w.captured(2).toDouble()),
                                   QPointF(w.captured(3).toDouble(), w.captured(4).toDouble()))});
    }
    return words;
}

// Whether any part of a segment lies inside a box (Liang-Barsky clipping).
inline bool segmentCrossesBox(const PdfSegment& s, const QRectF& box) {
    const QPointF d = s.to - s.from;
    double lo = 0.0;
    double hi = 1.0;
    const auto edge = [&](double p, double q) {
        if (p == 0.0) return q >= 0.0;
        const double t = q / p;
        if (p < 0.0) {
            lo = std::max(lo, t);
        } else {
            hi = std::min(hi, t);
        }
        return lo <= hi;
    };
    return edge(-d.x(), s.from.x() - box.left()) && edge(d.x(), box.right() - s.from.x()) &&
           edge(-d.y(), s.from.y() - box.top()) && edge(d.y(), box.bottom() - s.from.y());
}

}  // namespace arcwright::testing
