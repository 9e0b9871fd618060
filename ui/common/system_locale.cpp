#include "ui/common/system_locale.h"

#include <QLocale>

namespace dalvo::ui {

NumberLocale numberLocaleOfSystem()
{
    return NumberLocale{QLocale::system().decimalPoint().toStdString()};
}

}  // namespace dalvo::ui
