// Places a window in the middle of the screen it is on.
#pragma once

class QWidget;

namespace dalvo::ui {

void centreOnScreen(QWidget* window);

}  // namespace dalvo::ui
