// The program-wide path of the result file being written, shared by the run export and the batch projection.
#pragma once

#include <string>

namespace dalvo {

// Empty at start; keeps the last path written to after a command has ended.
std::string& ExportFileName();

}  // namespace dalvo
