#include "ui/common/controls.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStylePainter>

#include "ui/common/twips.h"

namespace dalvo::ui {

namespace {

// A push button whose caption wraps onto several lines when the button is narrow.
class WrappingButton : public QPushButton {
public:
    WrappingButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {}

protected:
    void paintEvent(QPaintEvent* event) override;
};

void WrappingButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    if (text().isEmpty())
        return;
    const int margin = style()->pixelMetric(QStyle::PM_ButtonMargin, &option, this) / 2;
    painter.drawItemText(rect().adjusted(margin, margin, -margin, -margin),
                         Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, palette(), isEnabled(),
                         text(), QPalette::ButtonText);
}

}  // namespace

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

void nameControls(const std::vector<ControlName>& names)
{
    for (const ControlName& entry : names)
        entry.control->setObjectName(entry.name);
}

QLineEdit* makeReadOnlyField(QWidget* parent, int x, int y, int width, int height, double pointSize,
                             bool tabStop)
{
    auto* field = new QLineEdit(parent);
    field->setGeometry(twipRect(x, y, width, height));
    field->setFont(timesFont(pointSize));
    field->setAlignment(Qt::AlignCenter);
    field->setReadOnly(true);
    field->setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
    setBackground(field, Qt::white);
    return field;
}

QPushButton* makeButton(QWidget* parent, const QString& caption, const QString& toolTip, int x, int y,
                        int width, int height)
{
    auto* button = new WrappingButton(caption, parent);
    button->setToolTip(toolTip);
    button->setGeometry(twipRect(x, y, width, height));
    button->setFont(timesFont(12, true));
    // Enter presses the focused button, as students know it from other
    // programs; Qt leaves that to Space outside dialogs.
    button->setAutoDefault(true);
    return button;
}

QLabel* makeLabel(QWidget* parent, const QString& caption, int x, int y, int width, int height,
                  double pointSize)
{
    auto* label = new QLabel(caption, parent);
    label->setGeometry(twipRect(x, y, width, height));
    label->setFont(timesFont(pointSize));
    return label;
}

QLineEdit* makeReadOnlyField(QWidget* parent, const QString& name, int x, int y, int width, int height,
                             double pointSize, bool tabStop)
{
    QLineEdit* field = makeReadOnlyField(parent, x, y, width, height, pointSize, tabStop);
    field->setObjectName(name);
    return field;
}

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption, const QString& toolTip,
                        int x, int y, int width, int height)
{
    QPushButton* button = makeButton(parent, caption, toolTip, x, y, width, height);
    button->setObjectName(name);
    return button;
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& caption, int x, int y, int width,
                  int height, double pointSize)
{
    QLabel* label = makeLabel(parent, caption, x, y, width, height, pointSize);
    label->setObjectName(name);
    return label;
}

void giveSingleBorder(QLabel* label)
{
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setLineWidth(1);
}

// The usable area, so that a panel or task bar never covers the window.
void centreOnScreen(QWidget* window)
{
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    window->setGeometry(
        QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window->size(), screen->availableGeometry()));
}

}  // namespace dalvo::ui
