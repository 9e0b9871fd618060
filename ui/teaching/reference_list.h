// The literature behind the introduction: six references and the list built from them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace dalvo {

// One entry per reference, each split into the fragments it is written in:
// authors and year, title, then journal with volume and pages or publisher.
const std::vector<std::vector<std::string_view>>& referenceFragments();

// The references in order, each one's fragments joined directly, with two
// line feeds (an empty line) between references and nothing after the last.
std::string referenceList();

}  // namespace dalvo
