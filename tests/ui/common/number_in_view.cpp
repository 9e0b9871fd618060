// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "tests/ui/common/number_in_view.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QStyle>

namespace dalvo::ui {

namespace {

// What the student needs to see to read the magnitude: up to the decimal
// separator, or the whole text where an exponent follows.
QString magnitudePart(const QString& text, const QString& decimalSeparator)
{
    if (text.contains(QLatin1Char('E'), Qt::CaseInsensitive))
        return text;
    const qsizetype separator = text.indexOf(decimalSeparator);
    return separator < 0 ? text : text.left(separator);
}

}  // namespace

testing::AssertionResult magnitudeInView(QLineEdit* field, const QString& decimalSeparator)
{
    // The field works out how far it has scrolled when it paints.
    field->repaint();
    const QString text = field->text();
    const QFontMetrics metrics(field->font());
    const int frame = field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, field);
    const QRect drawn = field->contentsRect().adjusted(frame, 0, -frame, 0);

    // The cursor rectangle reaches 5 pixels to the left of the caret.
    const int caret = field->inputMethodQuery(Qt::ImCursorRectangle).toRect().left() + 5;
    const int start = caret - metrics.horizontalAdvance(text.left(field->cursorPosition()));
    const int magnitudeEnd = start + metrics.horizontalAdvance(magnitudePart(text, decimalSeparator));
    const int textEnd = start + metrics.horizontalAdvance(text);

    const QString where = field->objectName() + QStringLiteral(" \"") + text + QStringLiteral("\" at ") +
                          QString::number(field->font().pointSizeF()) + QStringLiteral(" pt: ");
    if (start < drawn.left())
        return testing::AssertionFailure() << (where + QStringLiteral("starts %1 px left of the field")
                                                           .arg(drawn.left() - start))
                                                  .toStdString();
    if (magnitudeEnd > drawn.right() + 1)
        return testing::AssertionFailure() << (where + QStringLiteral("its magnitude ends %1 px beyond the field")
                                                           .arg(magnitudeEnd - drawn.right() - 1))
                                                  .toStdString();
    if (textEnd > drawn.right() + 1 && field->toolTip() != text)
        return testing::AssertionFailure()
               << (where + QStringLiteral("cut, with the tooltip \"%1\"").arg(field->toolTip())).toStdString();
    return testing::AssertionSuccess();
}

}  // namespace dalvo::ui
