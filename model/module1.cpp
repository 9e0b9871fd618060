#include "model/module1.h"

namespace dalvo::Module1 {

History& history()
{
    static History theHistory;
    return theHistory;
}

}  // namespace dalvo::Module1
