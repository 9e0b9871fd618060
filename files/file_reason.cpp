// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "files/file_reason.h"

#include <cerrno>
#include <system_error>

#include "model/source_text.h"

namespace dalvo {

Error fileReason(int errorNumber, FileAction action)
{
    const bool reading = action == FileAction::Read;
    switch (errorNumber) {
        case EACCES:
        case EPERM:
            return explained(reading ? sourceText("dalvo::Error", "you have no permission to read it")
                                     : sourceText("dalvo::Error", "you have no permission to write there"));
        case ENOENT:
            return explained(reading ? sourceText("dalvo::Error", "there is no such file")
                                     : sourceText("dalvo::Error", "there is no such folder"));
        case ENOTDIR:
            return explained(sourceText("dalvo::Error", "a part of its path is not a folder"));
        case EISDIR:
            return explained(sourceText("dalvo::Error", "it is a folder, not a file"));
        case ENOSPC:
#ifdef EDQUOT
        case EDQUOT:
#endif
            return explained(sourceText("dalvo::Error", "the disk is full"));
        case EROFS:
            return explained(sourceText("dalvo::Error", "the disk is read-only"));
        case EFBIG:
            return explained(
                sourceText("dalvo::Error", "the file would be larger than this computer allows"));
        case ENAMETOOLONG:
            return explained(sourceText("dalvo::Error", "the name is too long"));
        case EIO:
            return explained(sourceText("dalvo::Error", "the disk reported an error"));
        case 0:
            return explained(reading ? sourceText("dalvo::Error", "it could not be read")
                                     : sourceText("dalvo::Error", "it could not be written"));
        default:
            break;
    }
    // The system's own words, which have no translation here.
    std::string text = std::generic_category().message(errorNumber);
    if (!text.empty() && text.front() >= 'A' && text.front() <= 'Z')
        text.front() = static_cast<char>(text.front() - 'A' + 'a');
    return Error{text};
}

std::string quotedPath(const std::string& path)
{
    std::string shown = "\"";
    for (char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        shown += (byte < 0x20 || byte == 0x7F) ? '?' : c;
    }
    shown += '"';
    return shown;
}

}  // namespace dalvo
