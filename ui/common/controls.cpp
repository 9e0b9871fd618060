#include "ui/common/controls.h"

#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>

#include "ui/common/twips.h"
#include "ui/common/wrapping_button.h"

namespace dalvo::ui {

QFont timesFont(double pointSize, bool bold)
{
    QFont font(QStringLiteral("Times New Roman"));
    font.setStyleHint(QFont::Serif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

void setTextColour(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::WindowText, colour);
        palette.setColor(group, QPalette::Text, colour);
        palette.setColor(group, QPalette::ButtonText, colour);
    }
    widget->setPalette(palette);
}

void setBackground(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::Base, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QLineEdit* makeReadOnlyField(QWidget* parent, const QString& name, int x, int y, int width, int height,
                             double pointSize, bool tabStop)
{
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setGeometry(twipRect(x, y, width, height));
    field->setFont(timesFont(pointSize));
    field->setAlignment(Qt::AlignCenter);
    field->setReadOnly(true);
    field->setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
    setBackground(field, Qt::white);
    return field;
}

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption, const QString& toolTip,
                        int x, int y, int width, int height)
{
    auto* button = new WrappingButton(caption, parent);
    button->setObjectName(name);
    button->setToolTip(toolTip);
    button->setGeometry(twipRect(x, y, width, height));
    button->setFont(timesFont(12, true));
    // Enter presses the focused button, as students know it from other
    // programs; Qt leaves that to Space outside dialogs.
    button->setAutoDefault(true);
    return button;
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& caption, int x, int y, int width,
                  int height, double pointSize)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setGeometry(twipRect(x, y, width, height));
    label->setFont(timesFont(pointSize));
    return label;
}

void giveSingleBorder(QLabel* label)
{
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setLineWidth(1);
}

}  // namespace dalvo::ui
