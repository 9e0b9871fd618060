#include "ui/teaching/introduction_text.h"

namespace dalvo {

const std::array<std::string_view, 29>& introductionFragments()
{
    static constexpr std::array<std::string_view, 29> fragments = {
        "The Dalvo-Leslie matrix was developed by Dalvo (1942) and Leslie (1945) to project "
        "the growth of age-structured populations. ",
        "The first row (the red numbers) of the square matrix contains ",
        "the age-specific fecundities ",
        "of each age group, the subdiagnol column (the blue numbers) ",
        "contains the age-specific ",
        "survival rates. A single column matrix (vector) is used to represent ",
        "the age structure of the population. As the time approaches infinity, ",
        "the growth rate becomes constant and the age distribution becomes stable. ",
        "The program is designed for my ecological class.  You can use this ",
        "program to simulate the growth of this population.  You will see the ",
        "growth settles down to a stable increase rate as time approaching infinity. ",
        "Press on the graph button, you will see the change of the total population ",
        "size, the change of growth rate, age-structure, and the age distribution. ",
        "The finite rate of increase can be solved numerically. ",
        "A separate program of ours solves the finite rate of increase of a matrix of any size.  ",
        "You are welcome to download it free of charge from www.example.org/finite-rate/ . ",
        "The Dalvo-Leslie matrix is valid for age-structured populations. ",
        "However, it does not take the stage differentiation into account. ",
        "It ignores the sexual differentiation too. For insect and mite ",
        "populations, there are significant stage overlapping. It means that ",
        "individuals of the same age may be in different developmental stage. ",
        "Because individuals of different stages may be quite different in the ",
        "susceptibility to insecticides, predation rate, vulnerability to predator, ",
        "behavior, and others, it is important to take the age-stage structure ",
        "into consideration.  For such populations we recommend our separate ",
        "life-table program, which is based on the age-stage, two-sex life table ",
        "and takes both the developmental stages and the two sexes into account.  ",
        "It can be downloaded free of charge from www.example.org/life-table/ . ",
        "The two-sex life-table theory holds both in data analysis and in theory. ",
    };
    return fragments;
}

std::string introductionText()
{
    std::string text;
    for (std::string_view fragment : introductionFragments())
        text += fragment;
    return text;
}

}  // namespace dalvo
