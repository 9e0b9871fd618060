#include "ui/teaching/how_to_lines.h"

namespace dalvo {

const std::array<std::string_view, 8>& howToLines()
{
    static constexpr std::array<std::string_view, 8> lines = {
        "Press Project to calculate the population structure at  t+1.",
        "Press Transit to move the population structure to the left side.",
        "Press How To to see this page.",
        "Press Change Default Values to make change of the default values.",
        "Press Graph to see the graphs.",
        "Press Intro to see the theoretical introduction.",
        "Press Quit to quit the program.",
        "Press Print to print the page (your printer must be connected to LPT1).",
    };
    return lines;
}

}  // namespace dalvo
