// How the windows show a core's failure: a warning that does not block the event loop.
#pragma once

#include <QString>
#include <string_view>

class QWidget;

namespace dalvo::ui {

// Core texts are UTF-8.
QString toQString(std::string_view text);

// A window-modal warning named "problemMessage"; the window's timers keep
// running while it is up.
void showProblem(QWidget* window, const QString& message);

}  // namespace dalvo::ui
