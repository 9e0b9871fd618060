// The number rules' regional settings, taken from the system's locale.
#pragma once

#include "model/number_text.h"

namespace dalvo::ui {

NumberLocale numberLocaleOfSystem();

}  // namespace dalvo::ui
