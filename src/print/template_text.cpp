// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/template_text.h"

#include <algorithm>
#include <cmath>

#include "print/page_shapes.h"

namespace arcwright::template_page {

namespace {

constexpr double kColumnGap = 12.0;  // between the columns of the pass table

// The pass table's column edges and overall width at a type size.
struct TableColumns {
    std::vector<double> left;
    double width = 0.0;
};

TableColumns tableColumns(const std::vector<std::vector<std::string>>& table, double size) {
    std::vector<double> widest;
    for (const auto& row : table) {
        widest.resize(std::max(widest.size(), row.size()), 0.0);
        for (std::size_t c = 0; c < row.size(); ++c) {
            widest[c] = std::max(widest[c], estimatedTextWidth(row[c], size));
        }
    }
    TableColumns columns;
    double x = 0.0;
    for (const double w : widest) {
        columns.left.push_back(x);
        x += w + kColumnGap;
    }
    columns.width = std::max(0.0, x - kColumnGap);
    return columns;
}

}  // namespace

std::vector<std::string> wrap(std::string_view text, double width, double size) {
    std::vector<std::string> lines;
    std::string line;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find(' ', start), text.size());
        const std::string_view word = text.substr(start, end - start);
        const std::string joined =
            line.empty() ? std::string(word) : line + " " + std::string(word);
        if (!line.empty() && estimatedTextWidth(joined, size) > width) {
            lines.push_back(line);
            line = std::string(word);
        } else {
            line = joined;
        }
        start = end + 1;
    }
    if (!line.empty() || lines.empty()) lines.push_back(line);
    return lines;
}

void TextBlock::add(double x, double y, std::string text, bool emphasis) {
    width = std::max(width, x + estimatedTextWidth(text, size));
    height = std::max(height, y + linePitch(size));
    texts.push_back({x, y, std::move(text), emphasis});
}

// A pass table longer than the room runs on in further columns, each under the headings;
// what still does not fit the page's width is left out between the first passes and the
// last, which sets the final blade height and always prints.
TextBlock textBlock(const FenceTemplate& page, double size, const std::vector<std::string>& notes,
                    double room) {
    TextBlock block;
    block.size = size;
    const double pitch = linePitch(size);
    const auto& table = page.passTable;
    const TableColumns columns = tableColumns(table, size);

    double lineWidth = columns.width;
    for (const auto& line : page.setupLines)
        lineWidth = std::max(lineWidth, estimatedTextWidth(line, size));
    const double pageWidth = std::max(page.pageWidth, 1.0);
    const double noteWidth = std::clamp(lineWidth, 18.0 * size, pageWidth);
    double y = 0.0;
    // Notes a half line apart, a whole line before the set-up.
    for (const auto& note : notes) {
        for (auto& line : wrap(note, noteWidth, size)) {
            block.add(0.0, y, std::move(line));
            y += pitch;
        }
        y += pitch / 2.0;
    }
    if (!notes.empty()) y += pitch / 2.0;
    for (const auto& line : page.setupLines) {
        block.add(0.0, y, line);
        y += pitch;
    }
    if (table.empty()) return block;
    y += pitch;

    const std::size_t passes = table.size() - 1;
    const auto perColumn =
        static_cast<std::size_t>(std::max(1.0, std::floor((room - y) / pitch) - 1.0));
    const std::size_t columnsNeeded =
        std::max<std::size_t>(1, (passes + perColumn - 1) / perColumn);
    const auto columnsThatFit = static_cast<std::size_t>(std::max(
        1.0, std::floor((pageWidth + 2.0 * kColumnGap) / (columns.width + 2.0 * kColumnGap))));
    const std::size_t tableColumnsUsed = std::min(columnsNeeded, columnsThatFit);
    std::vector<std::size_t> rows;  // indices into the table, past the headings
    if (passes <= tableColumnsUsed * perColumn) {
        for (std::size_t r = 1; r <= passes; ++r) rows.push_back(r);
    } else {
        block.full = true;
        const std::size_t kept = tableColumnsUsed * perColumn;
        for (std::size_t r = 1; r + 2 <= kept; ++r) rows.push_back(r);
        rows.push_back(0);  // the gap
        rows.push_back(passes);
    }
    const auto headings = [&](double x) {
        for (std::size_t c = 0; c < table[0].size(); ++c) {
            block.add(x + columns.left[c], y, table[0][c], true);
        }
    };
    if (rows.empty()) headings(0.0);
    const std::size_t rowsPerColumn = (rows.size() + tableColumnsUsed - 1) / tableColumnsUsed;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const double x =
            static_cast<double>(i / rowsPerColumn) * (columns.width + 2.0 * kColumnGap);
        if (i % rowsPerColumn == 0) headings(x);
        const double rowY = y + static_cast<double>(i % rowsPerColumn + 1) * pitch;
        if (rows[i] == 0) {
            block.add(x, rowY, "\u2026");
            continue;
        }
        const auto& row = table[rows[i]];
        for (std::size_t c = 0; c < row.size(); ++c) block.add(x + columns.left[c], rowY, row[c]);
    }
    return block;
}

}  // namespace arcwright::template_page
