// Tells a click from a press and a release, the way a button does.
#pragma once

class QMouseEvent;
class QWidget;

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

}  // namespace dalvo::ui
