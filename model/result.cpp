// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "model/result.h"

namespace dalvo {

Error explained(const char* text, std::vector<std::string> arguments, std::vector<Error> nested)
{
    std::vector<std::string> all = arguments;
    for (const Error& inner : nested)
        all.push_back(inner.message);
    return Error{withArguments(text, all), text, std::move(arguments), std::move(nested)};
}

std::string withArguments(std::string_view text, const std::vector<std::string>& arguments)
{
    std::string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t n = i + 1 < text.size() ? static_cast<std::size_t>(text[i + 1] - '0') : 0;
        if (text[i] == '%' && n >= 1 && n <= 9 && n <= arguments.size()) {
            result += arguments[n - 1];
            ++i;
        } else {
            result += text[i];
        }
    }
    return result;
}

}  // namespace dalvo
