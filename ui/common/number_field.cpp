// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "ui/common/number_field.h"

#include <QFontMetricsF>
#include <QLineEdit>
#include <QStyle>
#include <QVariant>
#include <algorithm>

namespace dalvo::ui {

namespace {

// The font the field was built with, kept the first time its number is
// fitted, so that a short number after a long one grows back to it.
const char* const kDesignFontProperty = "dalvoDesignFont";

// Space QLineEdit keeps between its contents rectangle and the text.
constexpr int kLineEditInnerMargin = 2;

constexpr double kPointStep = 0.5;

QFont designFont(QLineEdit* field)
{
    const QVariant kept = field->property(kDesignFontProperty);
    if (kept.isValid())
        return kept.value<QFont>();
    field->setProperty(kDesignFontProperty, field->font());
    return field->font();
}

// The width in which the field draws its text without scrolling.
double textRoom(const QLineEdit* field)
{
    const int frame =
        field->hasFrame() ? field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, field) : 0;
    const QMargins margins = field->textMargins();
    return field->contentsRect().width() - 2 * frame - margins.left() - margins.right() -
           2 * kLineEditInnerMargin;
}

bool fitsIn(const QFont& font, const QString& text, double room)
{
    // One pixel more, as the field lays the text out on whole pixels.
    return QFontMetricsF(font).horizontalAdvance(text) + 1.0 <= room;
}

// Without its exponent a mantissa reads as the wrong number, so a number in
// exponent form needs all of its text; otherwise the sign and the digits
// before the separator carry the magnitude.
QString magnitudePart(const QString& text)
{
    if (text.contains(QLatin1Char('E'), Qt::CaseInsensitive))
        return text;
    qsizetype end = 0;
    while (end < text.size() && (text[end].isDigit() || text[end] == QLatin1Char('-') ||
                                 text[end] == QLatin1Char('+') || text[end].isSpace()))
        ++end;
    return text.left(end);
}

// The largest size, in half points down from the font's own size, above
// `floor` at which `text` fits; `floor` itself when none does.
double largestFittingSize(QFont font, const QString& text, double room, double floor)
{
    for (double size = font.pointSizeF(); size > floor; size -= kPointStep) {
        font.setPointSizeF(size);
        if (fitsIn(font, text, room))
            return size;
    }
    return floor;
}

}  // namespace

void fitNumberFont(QLineEdit* field)
{
    const QString text = field->text();
    const double room = textRoom(field);

    QFont font = designFont(field);
    font.setPointSizeF(
        largestFittingSize(font, text, room, std::min(font.pointSizeF(), kSmallestNumberPointSize)));
    if (!fitsIn(font, magnitudePart(text), room))
        font.setPointSizeF(largestFittingSize(font, magnitudePart(text), room, kSmallestMagnitudePointSize));

    if (field->font() != font)
        field->setFont(font);
    field->setToolTip(fitsIn(font, text, room) ? QString() : text);
}

void showNumber(QLineEdit* field, const QString& text)
{
    if (field->text() != text)
        field->setText(text);
    field->setCursorPosition(0);
    fitNumberFont(field);
}

}  // namespace dalvo::ui
