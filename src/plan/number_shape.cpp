// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "plan/number_shape.h"

#include <cstddef>

namespace arcwright {
namespace {

// Reads one shape of number text from the front of a text, advancing past what it took.
class Shape {
  public:
    explicit Shape(std::string_view text) : text_(text) {}
    bool done() const { return at_ == text_.size(); }
    bool take(char c) {
        if (at_ < text_.size() && text_[at_] == c) {
            ++at_;
            return true;
        }
        return false;
    }
    bool takeEither(char a, char b) { return take(a) || take(b); }
    // One or more digits.
    bool digits() {
        const std::size_t from = at_;
        while (at_ < text_.size() && text_[at_] >= '0' && text_[at_] <= '9') ++at_;
        return at_ > from;
    }
    std::size_t spaces() {
        const std::size_t from = at_;
        while (take(' ')) {
        }
        return at_ - from;
    }
    // A decimal: digits with an optional point and more digits, or a point and digits.
    bool decimal() {
        if (digits()) {
            if (take('.')) digits();
            return true;
        }
        return take('.') && digits();
    }
    // An exponent, when one follows in full; nothing is taken otherwise.
    bool exponent() {
        const std::size_t from = at_;
        if (takeEither('e', 'E')) {
            takeEither('+', '-');
            if (digits()) return true;
        }
        at_ = from;
        return false;
    }
    // A denominator: digits, not all zeros.
    bool denominator() {
        const std::size_t from = at_;
        if (!digits()) return false;
        return text_.substr(from, at_ - from).find_first_not_of('0') != std::string_view::npos;
    }
    std::size_t at() const { return at_; }
    void rewind(std::size_t to) { at_ = to; }

  private:
    std::string_view text_;
    std::size_t at_ = 0;
};

}  // namespace

bool looksLikeOneNumber(std::string_view number) {
    Shape decimal(number);
    decimal.take('+');
    const std::size_t start = decimal.at();
    if (decimal.decimal()) {
        decimal.exponent();
        if (decimal.done()) return true;
    }
    Shape fraction(number);
    fraction.rewind(start);
    if (!fraction.digits()) return false;
    if (!fraction.take('/')) {
        // Whole inches, then blanks with at most one dash among them.
        const std::size_t before = fraction.spaces();
        const bool dash = fraction.take('-');
        fraction.spaces();
        if (!dash && before == 0) return false;
        if (!fraction.digits() || !fraction.take('/')) return false;
    }
    return fraction.denominator() && fraction.done();
}

bool looksLikeOneDecimal(std::string_view text) {
    Shape shape(text);
    shape.takeEither('+', '-');
    return shape.decimal() && shape.done();
}

}  // namespace arcwright
