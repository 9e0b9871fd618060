#include "ui/teaching/about_texts.h"

#include "model/number_text.h"

namespace dalvo {

namespace {

constexpr std::string_view kHomePage = "https://www.example.org/dalvo-leslie/";

std::string fourDigitYear(int year)
{
    std::string digits = formatGeneral(year, NumberLocale{});
    if (year >= 0 && digits.size() < 4)
        digits.insert(0, 4 - digits.size(), '0');
    return digits;
}

}  // namespace

std::string_view usageNotice()
{
    return "This program is free for teaching and for non-commercial research. It may be copied for "
           "classes, but it may not be sold or changed without the maker's permission.";
}

std::string_view protectionNotice()
{
    return "This program is protected by copyright law. Selling or distributing it without permission "
           "is forbidden.";
}

std::string_view rightsLine()
{
    return "All rights reserved.";
}

std::string_view makerNotice()
{
    return "Made at the Example Ecology Laboratory.";
}

std::string citation(int year)
{
    std::string text = "If you use this program in your research, please cite the following ";
    text += " reference in your paper:";
    text += "\n\n";
    text += "Ecology Teaching Group, Example Ecology Laboratory. 1997-";
    text += fourDigitYear(year);
    text += ". ";
    text += "Computer program of Dalvo-Leslie matrix.";
    // The title keeps its own full stop and the citation adds one after it,
    // so the line reads "matrix.." on purpose.
    text += ". ";
    text += "\n";
    text += " ";
    text += kHomePage;
    return text;
}

std::string newVersionNotice()
{
    std::string text = "You can get new version of this program at following webs:\n";
    text += kHomePage;
    text += "\n";
    text += "(Example Ecology Laboratory) or\n";
    text += "https://ecology.example.org/teaching/\n";
    text += "(Example College, Department of Ecology).\n";
    return text;
}

}  // namespace dalvo
