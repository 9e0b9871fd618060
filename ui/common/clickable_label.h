// A label or picture that reports clicks and double-clicks like a button, and the rule that tells a click.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include <QLabel>

class QMouseEvent;


namespace dalvo::ui {

// A click is a left-button press and a left-button release that both land
// on the widget, so that dragging off it cancels; a double-click cancels a
// pending press.
class ClickRule {
public:
    void press(const QMouseEvent& event);
    // Whether this release completes a click on `widget`.
    bool release(const QMouseEvent& event, const QWidget& widget);
    void cancel() { pressed_ = false; }

private:
    bool pressed_ = false;
};


class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickableLabel(QWidget* parent);

signals:
    void clicked();
    void doubleClicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    ClickRule clicks_;
};

}  // namespace dalvo::ui
