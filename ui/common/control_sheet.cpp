// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "ui/common/control_sheet.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFont>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTableView>
#include <QTextDocumentFragment>

#include "ui/common/clickable_label.h"
#include "ui/common/controls.h"
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

QWidget* makeWidget(const ControlEntry& declared, const QString& caption, QWidget* parent)
{
    switch (declared.kind) {
        case ControlKind::Button: {
            auto* button = new WrappingButton(caption, parent);
            // Enter presses the focused button, as students know it from other
            // programs; Qt leaves that to Space outside dialogs.
            button->setAutoDefault(true);
            return button;
        }
        case ControlKind::Label:
            return new QLabel(caption, parent);
        case ControlKind::ClickableLabel: {
            auto* label = new ClickableLabel(parent);
            label->setText(caption);
            return label;
        }
        case ControlKind::Picture:
            return new QLabel(parent);
        case ControlKind::ReadOnlyField:
        case ControlKind::EditableField: {
            auto* field = new QLineEdit(parent);
            field->setAlignment(Qt::AlignCenter);
            if (declared.kind == ControlKind::ReadOnlyField)
                field->setReadOnly(true);
            field->setFocusPolicy(declared.tabStop ? Qt::StrongFocus : Qt::ClickFocus);
            setBackground(field, Qt::white);
            return field;
        }
        case ControlKind::Frame:
            return new QGroupBox(caption, parent);
        case ControlKind::CheckBox:
            return new QCheckBox(caption, parent);
        case ControlKind::Own:
            break;
    }
    return nullptr;
}

// A clickable label's text as it shows, without its markup.
QString plainText(const QString& text)
{
    return Qt::mightBeRichText(text) ? QTextDocumentFragment::fromHtml(text).toPlainText() : text;
}

// A table's heading row and column, and the corner button between them
// that selects every cell, are widgets of their own that the view makes,
// and a screen reader reaches them apart from the cells.
void nameHeadings(QWidget* control)
{
    auto* table = qobject_cast<QTableView*>(control);
    if (!table)
        return;
    table->horizontalHeader()->setAccessibleName(
        QCoreApplication::translate("dalvo::ui::ControlSheet", "Column headings"));
    table->verticalHeader()->setAccessibleName(
        QCoreApplication::translate("dalvo::ui::ControlSheet", "Row headings"));
    if (auto* corner = table->findChild<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly))
        corner->setAccessibleName(QCoreApplication::translate("dalvo::ui::ControlSheet", "Select all cells"));
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

QFont fontOf(const SheetFont& font)
{
    QFont made = timesFont(font.pointSize, font.bold);
    if (font.face == Face::SansSerif) {
        made.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans")});
        made.setStyleHint(QFont::SansSerif);
    } else if (font.face == Face::Chinese) {
        made.setFamilies({QStringLiteral("AR PL UMing TW"), QStringLiteral("Times New Roman")});
    }
    made.setItalic(font.italic);
    return made;
}

const ControlEntry& ControlSheet::operator[](const QString& role) const
{
    for (const ControlEntry& declared : controls)
        if (declared.role == role)
            return declared;
    qFatal("No control %s on the sheet of %s", qPrintable(role), qPrintable(windowName));
}

QString ControlSheet::text(const char* source, const QList<int>& arguments) const
{
    if (!source)
        return {};
    QString translated = QCoreApplication::translate(context, source);
    for (int argument : arguments)
        translated = translated.arg(argument);
    return translated;
}

QString ControlSheet::spokenName(const ControlEntry& declared) const
{
    if (declared.accessibleName)
        return text(declared.accessibleName, declared.textArguments);
    QString caption;
    switch (declared.kind) {
        case ControlKind::Label:
        case ControlKind::Frame:
            return {};
        case ControlKind::Button:
        case ControlKind::CheckBox:
            caption = withoutMnemonic(text(declared.caption, declared.textArguments));
            break;
        case ControlKind::ClickableLabel:
            caption = plainText(text(declared.caption, declared.textArguments));
            break;
        default:
            break;
    }
    caption = caption.trimmed();
    return caption.isEmpty() ? text(declared.toolTip) : caption;
}

class ControlBuilder {
public:
    static void add(ControlSet& set, const QString& role, QWidget* widget)
    {
        set.widgets_.insert(role, widget);
    }
};

QWidget* ControlSet::operator[](const QString& role) const
{
    QWidget* widget = widgets_.value(role);
    if (!widget)
        qFatal("No control %s was built", qPrintable(role));
    return widget;
}

ControlSet buildControls(QWidget* window, const ControlSheet& sheet, const OwnControls& own)
{
    window->setObjectName(sheet.windowName);
    ControlSet built;
    for (const ControlEntry& declared : sheet.controls) {
        QWidget* parent = declared.parentRole.isEmpty() ? window : built[declared.parentRole];
        const QString caption = sheet.text(declared.caption, declared.textArguments);
        QWidget* widget = nullptr;
        if (declared.kind == ControlKind::Own) {
            widget = own.at(declared.role)(parent);
            if (widget->parentWidget() != parent)
                widget->setParent(parent);
            nameHeadings(widget);
        } else {
            widget = makeWidget(declared, caption, parent);
        }
        widget->setObjectName(declared.objectName);
        if (!declared.twips.isEmpty())
            widget->setGeometry(
                twipRect(declared.twips.x(), declared.twips.y(), declared.twips.width(), declared.twips.height()));
        if (declared.font.pointSize > 0)
            widget->setFont(fontOf(declared.font));
        if (declared.toolTip)
            widget->setToolTip(sheet.text(declared.toolTip));
        if (const QString name = sheet.spokenName(declared); !name.isEmpty())
            widget->setAccessibleName(name);
        if (!declared.shortcut.isEmpty()) {
            auto* button = qobject_cast<QAbstractButton*>(widget);
            Q_ASSERT(button);
            auto* shortcut = new QShortcut(declared.shortcut, window);
            QObject::connect(shortcut, &QShortcut::activated, button, &QAbstractButton::click);
        }
        ControlBuilder::add(built, declared.role, widget);
    }
    return built;
}

ControlEntry usualButton(const char* role, const char* objectName, const char* caption, QRect twips)
{
    return {.role = role,
            .objectName = objectName,
            .kind = ControlKind::Button,
            .caption = caption,
            .twips = twips,
            .font = {12, true}};
}

}  // namespace dalvo::ui
