// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "ui/own_population/sheet_layout.h"

#include <QWidget>
#include <QWidgetItem>
#include <cmath>

#include "ui/common/control_sheet.h"
#include "ui/common/twips.h"

namespace dalvo::ui {

SheetLayout::SheetLayout(QWidget* owner, const ControlSheet& sheet, const ControlSet& controls)
    : QLayout(owner), design_(twipSize(sheet.twips.width(), sheet.twips.height()))
{
    setContentsMargins(0, 0, 0, 0);
    for (const ControlEntry& declared : sheet.controls) {
        if (!declared.parentRole.isEmpty() || declared.twips.isEmpty())
            continue;
        const QRect& t = declared.twips;
        places_.push_back({new QWidgetItem(controls[declared.role]), twipRect(t.x(), t.y(), t.width(), t.height())});
    }
}

SheetLayout::~SheetLayout()
{
    for (Place& place : places_)
        delete place.item;
}

// Every control comes from the sheet; nothing else is laid out here.
void SheetLayout::addItem(QLayoutItem* item)
{
    delete item;
}

QLayoutItem* SheetLayout::itemAt(int index) const
{
    return index >= 0 && index < count() ? places_[static_cast<std::size_t>(index)].item : nullptr;
}

QLayoutItem* SheetLayout::takeAt(int index)
{
    if (index < 0 || index >= count())
        return nullptr;
    QLayoutItem* item = places_[static_cast<std::size_t>(index)].item;
    places_.erase(places_.begin() + index);
    return item;
}

QSize SheetLayout::minimumSize() const
{
    return {static_cast<int>(std::ceil(design_.width() * kSmallestShare)),
            static_cast<int>(std::ceil(design_.height() * kSmallestShare))};
}

void SheetLayout::setGeometry(const QRect& rect)
{
    QLayout::setGeometry(rect);
    const double sx = design_.width() > 0 ? double(rect.width()) / design_.width() : 1.0;
    const double sy = design_.height() > 0 ? double(rect.height()) / design_.height() : 1.0;
    // Edges are scaled, not sizes, so that controls that touch keep touching.
    auto x = [&](int edge) { return rect.x() + static_cast<int>(std::lround(edge * sx)); };
    auto y = [&](int edge) { return rect.y() + static_cast<int>(std::lround(edge * sy)); };
    for (const Place& place : places_) {
        const QRect& p = place.pixels;
        const int top = y(p.y());
        QWidget* control = place.item->widget();
        const bool keepsHeight = control->sizePolicy().verticalPolicy() == QSizePolicy::Fixed;
        const int bottom = keepsHeight ? top + p.height() : y(p.y() + p.height());
        // Straight to the widget: the layout item would shrink a field to
        // its preferred height, and pass over a control hidden for now.
        control->setGeometry(QRect(QPoint(x(p.x()), top), QPoint(x(p.x() + p.width()) - 1, bottom - 1)));
    }
}

}  // namespace dalvo::ui
