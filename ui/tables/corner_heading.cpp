// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "ui/tables/corner_heading.h"

#include <QAbstractButton>
#include <QEvent>
#include <QStyleOptionHeader>
#include <QStylePainter>
#include <QTableView>

namespace dalvo::ui {

namespace {

// The view's own corner paints an empty header cell; this paints it with
// the button's text instead.
class CornerPainter : public QObject {
public:
    explicit CornerPainter(QAbstractButton* corner) : QObject(corner), corner_(corner)
    {
        corner->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != corner_ || event->type() != QEvent::Paint)
            return false;
        paint();
        return true;
    }

private:
    void paint()
    {
        QStyleOptionHeader option;
        option.initFrom(corner_);
        option.state = QStyle::State_None;
        if (corner_->isEnabled())
            option.state |= QStyle::State_Enabled;
        if (corner_->isActiveWindow())
            option.state |= QStyle::State_Active;
        if (corner_->isDown())
            option.state |= QStyle::State_Sunken;
        option.rect = corner_->rect();
        option.position = QStyleOptionHeader::OnlyOneSection;
        option.orientation = Qt::Horizontal;
        option.text = corner_->text();
        option.textAlignment = Qt::AlignCenter;
        QStylePainter painter(corner_);
        painter.drawControl(QStyle::CE_Header, option);
    }

    QAbstractButton* corner_;
};

}  // namespace

QAbstractButton* headVerticalHeader(QTableView* view, const QString& heading)
{
    auto* corner = view->findChild<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly);
    if (!corner)
        return nullptr;
    corner->setText(heading);
    // Read out as the heading it shows now rather than what it does.
    corner->setAccessibleName(heading);
    new CornerPainter(corner);
    return corner;
}

}  // namespace dalvo::ui
