#include "views/tables/table_window_place.h"

#include <QRect>
#include <QScreen>
#include <QWidget>

namespace dalvo::ui {

void placeInScreenCentre(QWidget* window)
{
    const QScreen* screen = window->screen();
    if (!screen)
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

}  // namespace dalvo::ui
