// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "files/file_reason.h"

#include <cerrno>
#include <system_error>

namespace dalvo {

std::string fileReason(int errorNumber, FileAction action)
{
    const bool reading = action == FileAction::Read;
    switch (errorNumber) {
        case EACCES:
        case EPERM:
            return reading ? "you have no permission to read it" : "you have no permission to write there";
        case ENOENT:
            return reading ? "there is no such file" : "there is no such folder";
        case ENOTDIR:
            return "a part of its path is not a folder";
        case EISDIR:
            return "it is a folder, not a file";
        case ENOSPC:
#ifdef EDQUOT
        case EDQUOT:
#endif
            return "the disk is full";
        case EROFS:
            return "the disk is read-only";
        case EFBIG:
            return "the file would be larger than this computer allows";
        case ENAMETOOLONG:
            return "the name is too long";
        case EIO:
            return "the disk reported an error";
        case 0:
            return reading ? "it could not be read" : "it could not be written";
        default:
            break;
    }
    std::string text = std::generic_category().message(errorNumber);
    if (!text.empty() && text.front() >= 'A' && text.front() <= 'Z')
        text.front() = static_cast<char>(text.front() - 'A' + 'a');
    return text;
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
