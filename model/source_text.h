// Marks an English text that a window translates, so that the translation tools find it in plain C++.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

namespace dalvo {

// Returns `text` unchanged. lupdate reads each call as QT_TRANSLATE_NOOP, so
// `context` must be the context the window looks the text up in.
constexpr const char* sourceText(const char* /*context*/, const char* text)
{
    return text;
}

}  // namespace dalvo
