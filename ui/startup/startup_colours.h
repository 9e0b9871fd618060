// The colours of the start-up windows.
#pragma once

#include <QColor>

namespace dalvo::ui::startupColours {

inline const QColor darkBlue{0, 0, 64};

}  // namespace dalvo::ui::startupColours
