// The introduction page on the Dalvo-Leslie matrix: its fragments and the joined text.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace dalvo {

// The 29 fragments in reading order. Each ends with a space, so that they
// run on as sentences when joined; none holds a line break, because the
// text box wraps the page itself.
const std::array<std::string_view, 29>& introductionFragments();

// The fragments joined with nothing between them.
std::string introductionText();

}  // namespace dalvo
