// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace arcwright {

// Where a control stands in its container, in twips.
struct TwipRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// A label without a background of its own, so its container's colour shows through.
// No colour: the desktop's text colour.
QLabel* makeLabel(QWidget* parent, const QString& name, const QString& caption, TwipRect at,
                  const QFont& font, std::optional<QColor> colour);
QLineEdit* makeBox(QWidget* parent, const QString& name, const QString& text, TwipRect at);
QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption, TwipRect at,
                        const QFont& font);
QRadioButton* makeOption(QWidget* parent, const QString& name, const QString& caption, TwipRect at,
                         const QColor& background);

// Sets a label's caption; the label takes the width of its caption and keeps its place.
void setCaption(QLabel* label, const QString& caption);

void setBoxColour(QLineEdit* box, const QColor& colour);

}  // namespace arcwright
