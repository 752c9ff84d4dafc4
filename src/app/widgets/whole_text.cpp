// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/widgets/whole_text.h"

#include <QFontMetricsF>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

namespace arcwright {

namespace {

// QLineEdit keeps this much clear inside its contents on either side, and a pixel for the
// cursor after the text.
constexpr double kLineEditMargin = 2.0;
constexpr double kCursor = 1.0;
constexpr int kSmallestPixels = 8;  // smaller than this a figure is no longer read at a glance

constexpr const char* kUsualFont = "arcwrightUsualFont";

void fit(QLineEdit* box) {
    const QFont usual = box->property(kUsualFont).value<QFont>();
    QFont font = usual;
    const double room = roomForText(*box);
    const QString text = box->text();
    while (QFontMetricsF(font).horizontalAdvance(text) > room &&
           font.pixelSize() > kSmallestPixels) {
        font.setPixelSize(font.pixelSize() - 1);
    }
    if (box->font() != font) box->setFont(font);
}

}  // namespace

double roomForText(const QLineEdit& box) {
    QStyleOptionFrame option;
    option.initFrom(&box);
    option.lineWidth =
        box.hasFrame() ? box.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &box) : 0;
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    const QRect contents = box.style()->subElementRect(QStyle::SE_LineEditContents, &option, &box);
    const QMargins margins = box.textMargins();
    return contents.width() - margins.left() - margins.right() - 2 * kLineEditMargin - kCursor;
}

void keepTextWhole(QLineEdit* box) {
    // Sizes are in pixels (the window's type is set so); a point-sized font keeps its size.
    if (box->font().pixelSize() <= 0) return;
    box->setProperty(kUsualFont, box->font());
    QObject::connect(box, &QLineEdit::textChanged, box, [box] { fit(box); });
    fit(box);
}

}  // namespace arcwright
