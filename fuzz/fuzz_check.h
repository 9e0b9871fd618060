// Stops a fuzzer on a broken property, so that libFuzzer keeps the input that broke it.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace dalvo::fuzzing {

inline void require(bool holds, const char* property, std::string_view input)
{
    if (holds)
        return;
    std::fprintf(stderr, "Property broken: %s\nInput (%zu bytes): %.*s\n", property, input.size(),
                 static_cast<int>(input.size()), input.data());
    std::abort();
}

}  // namespace dalvo::fuzzing
