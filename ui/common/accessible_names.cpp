#include "ui/common/accessible_names.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QLabel>
#include <QLineEdit>
#include <QTextDocumentFragment>

#include "ui/common/clickable_label.h"

namespace dalvo::ui {

namespace {

QString plainText(const QLabel& label)
{
    const QString text = label.text();
    const bool rich = label.textFormat() == Qt::RichText ||
                      (label.textFormat() == Qt::AutoText && Qt::mightBeRichText(text));
    return rich ? QTextDocumentFragment::fromHtml(text).toPlainText() : text;
}

// What the student reads on the control, or nothing for a control that
// shows no fixed caption of its own.
QString caption(const QWidget& control)
{
    if (const auto* button = qobject_cast<const QAbstractButton*>(&control))
        return withoutMnemonic(button->text());
    if (const auto* label = qobject_cast<const ClickableLabel*>(&control))
        return plainText(*label);
    return {};
}

// Buttons, fields, clickable labels and pictures, and the scrolling views:
// tables, text boxes and charts. Plain text labels are read by their text.
bool isControl(const QWidget& widget)
{
    if (qobject_cast<const QAbstractButton*>(&widget) || qobject_cast<const QLineEdit*>(&widget) ||
        qobject_cast<const ClickableLabel*>(&widget) || qobject_cast<const QAbstractScrollArea*>(&widget))
        return true;
    const auto* label = qobject_cast<const QLabel*>(&widget);
    return label != nullptr && !label->pixmap().isNull();
}

}  // namespace

QString withoutMnemonic(const QString& caption)
{
    QString spoken;
    spoken.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&')) {
            if (i + 1 < caption.size() && caption[i + 1] == QLatin1Char('&')) {
                spoken += QLatin1Char('&');
                ++i;
            }
            continue;
        }
        spoken += caption[i];
    }
    return spoken;
}

void nameControlsForScreenReaders(QWidget* window)
{
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (!isControl(*control) || !control->accessibleName().isEmpty())
            continue;
        const QString name = caption(*control).trimmed();
        control->setAccessibleName(name.isEmpty() ? control->toolTip() : name);
    }
}

}  // namespace dalvo::ui
