// Where the two table windows appear: in the middle of the screen.
#pragma once

class QWidget;

namespace dalvo::ui {

void placeInScreenCentre(QWidget* window);

}  // namespace dalvo::ui
