// Keeps the rest of the click or key press that left one window from acting in the window shown in its place.
#pragma once

#include <QElapsedTimer>
#include <QObject>

class QWidget;
class QWindow;

namespace dalvo::ui {

// A double-click whose first click closes a window has its second click land
// on the window underneath, and a key held down repeats into the window that
// takes the focus. Once armed, the guard swallows in `window` the clicks that
// follow within the double-click time of each other, and the repeats and
// release of a key held down from before, so that leaving one window does
// nothing else. A click after a pause, or a fresh key press, ends it.
class TrailingInputGuard : public QObject {
    Q_OBJECT
public:
    explicit TrailingInputGuard(QWidget* window);
    ~TrailingInputGuard() override;

    // Call with the window shown, right after the input that left the other one.
    void arm();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool swallowMouse(QEvent* event);
    bool swallowKey(QEvent* event);
    void disarmWhenDone();

    QWidget* window_;
    bool clicksArmed_ = false;
    bool releasePending_ = false;
    bool keysArmed_ = false;
    QElapsedTimer sinceLastClick_;
};

}  // namespace dalvo::ui
