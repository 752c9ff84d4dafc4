// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "print/fence_template.h"

namespace arcwright::template_page {

// The template page's type and its text block: the notes, the set-up in words and the pass
// table, set in lines from estimated widths.
inline constexpr double kLabelSize = 9.0;
inline constexpr double kBodySize = 10.0;
inline constexpr double kSmallestBodySize = 7.0;

inline double linePitch(double size) {
    return size * 1.25;
}

// Greedy word wrap to an estimated width; a word longer than the width gets a line of its
// own.
std::vector<std::string> wrap(std::string_view text, double width, double size);

// A string placed from the text block's top left.
struct PlacedText {
    double x = 0.0;
    double y = 0.0;
    std::string text;
    bool emphasis = false;
};

struct TextBlock {
    std::vector<PlacedText> texts;
    double size = kBodySize;
    double width = 0.0;
    double height = 0.0;
    bool full = false;  // passes were left out for want of room

    void add(double x, double y, std::string text, bool emphasis = false);
};

// Notes, the set-up lines, then the pass table, at a type size, for `room` points of height.
TextBlock textBlock(const FenceTemplate& page, double size, const std::vector<std::string>& notes,
                    double room);

}  // namespace arcwright::template_page
