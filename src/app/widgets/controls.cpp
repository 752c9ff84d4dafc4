// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/widgets/controls.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

#include "app/widgets/look.h"
#include "app/widgets/whole_text.h"

namespace arcwright {
namespace {

void place(QWidget* w, TwipRect at) {
    w->setGeometry(look::px(at.left), look::px(at.top), look::px(at.width), look::px(at.height));
}

// A new control with its caption (or text) and object name, in its parent.
template <class Control>
Control* make(QWidget* parent, const QString& name, const QString& caption) {
    auto* control = new Control(caption, parent);
    control->setObjectName(name);
    return control;
}

int captionWidth(const QLabel* label, const QString& caption) {
    if (caption.isEmpty()) return 0;
    return label->fontMetrics().horizontalAdvance(caption) + 1;
}

}  // namespace

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& caption, TwipRect at,
                  const QFont& font, std::optional<QColor> colour) {
    auto* label = make<QLabel>(parent, name, caption);
    label->setFont(font);
    label->setAutoFillBackground(false);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextFormat(Qt::PlainText);
    if (colour) {
        QPalette pal = label->palette();
        pal.setColor(QPalette::WindowText, *colour);
        label->setPalette(pal);
    }
    place(label, at);
    // A static caption never gets clipped by a stand-in face that runs a little wide.
    label->resize(std::max(label->width(), captionWidth(label, caption)), label->height());
    return label;
}

QLineEdit* makeBox(QWidget* parent, const QString& name, const QString& text, TwipRect at) {
    auto* box = make<QLineEdit>(parent, name, text);
    box->setFont(look::windowFont(12));
    box->setAlignment(Qt::AlignCenter);
    box->setTextMargins(0, 0, 0, 0);
    place(box, at);
    keepTextWhole(box);
    return box;
}

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption, TwipRect at,
                        const QFont& font) {
    auto* button = make<QPushButton>(parent, name, caption);
    button->setFont(font);
    button->setAutoDefault(false);
    place(button, at);
    return button;
}

QRadioButton* makeOption(QWidget* parent, const QString& name, const QString& caption, TwipRect at,
                         const QColor& background) {
    auto* option = make<QRadioButton>(parent, name, caption);
    QPalette pal = option->palette();
    pal.setColor(QPalette::Window, background);
    option->setPalette(pal);
    option->setAutoFillBackground(false);  // the container's teal shows through
    place(option, at);
    return option;
}

void setCaption(QLabel* label, const QString& caption) {
    label->setText(caption);
    label->resize(captionWidth(label, caption), label->height());
}

void setBoxColour(QLineEdit* box, const QColor& colour) {
    QPalette pal = box->palette();
    pal.setColor(QPalette::Base, colour);
    box->setPalette(pal);
}

}  // namespace arcwright
