// Lays a sheet's controls out at their places scaled to the room the widget has: a tab drawn at one size that grows and shrinks with its window.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include <QLayout>
#include <QRect>
#include <QSize>
#include <vector>

namespace dalvo::ui {

struct ControlSheet;
class ControlSet;

// At the sheet's own size every control sits exactly where the sheet puts
// it; in more or less room each edge moves in proportion. A control that
// keeps its height (a field, a check box) keeps it and moves with its top.
// The sheet's size is the preferred size; the layout gives way down to
// kSmallestShare of it, below which texts would no longer fit.
class SheetLayout : public QLayout {
public:
    static constexpr double kSmallestShare = 0.72;

    // Lays out the controls of `sheet` that sit on `owner` itself.
    SheetLayout(QWidget* owner, const ControlSheet& sheet, const ControlSet& controls);
    ~SheetLayout() override;

    void addItem(QLayoutItem* item) override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    int count() const override { return static_cast<int>(places_.size()); }
    QSize sizeHint() const override { return design_; }
    QSize minimumSize() const override;
    void setGeometry(const QRect& rect) override;

private:
    struct Place {
        QLayoutItem* item = nullptr;
        QRect pixels;  // at the sheet's size
    };
    std::vector<Place> places_;
    QSize design_;
};

}  // namespace dalvo::ui
