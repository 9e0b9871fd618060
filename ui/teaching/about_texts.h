// The texts of the about screen: the notices, the citation request and where new versions are.
#pragma once

#include <string>
#include <string_view>

namespace dalvo {

std::string_view usageNotice();
std::string_view protectionNotice();
std::string_view rightsLine();
std::string_view makerNotice();

// The request to cite the program, for a program that has been kept up from
// 1997 to `year`; the year is written with at least four digits.
std::string citation(int year);

// The two places to download new versions, one line each with the
// organisation that runs it; every line ends with a line feed.
std::string newVersionNotice();

}  // namespace dalvo
