// The eight lines of the how-to screen, one for each button of the main window.
#pragma once

#include <array>
#include <string_view>

namespace dalvo {

// Indexed as the labels Label1(0) to Label1(7); on screen the "Print" line
// (index 7) sits between the "Intro" and the "Quit" lines.
const std::array<std::string_view, 8>& howToLines();

}  // namespace dalvo
