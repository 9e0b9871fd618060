#include "files/export_file_name.h"

namespace dalvo {

std::string& ExportFileName()
{
    static std::string name;
    return name;
}

}  // namespace dalvo
