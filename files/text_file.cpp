// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "files/text_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>

#include "files/file_reason.h"
#include "model/source_text.h"

namespace dalvo {

namespace {

enum class ReadStep { Open, Read };

Error readError(const std::string& path, ReadStep step, int errorNumber)
{
    return explained(step == ReadStep::Open ? sourceText("dalvo::Error", "%1 could not be opened: %2.")
                                            : sourceText("dalvo::Error", "%1 could not be read: %2."),
                     {quotedPath(path)}, {fileReason(errorNumber, FileAction::Read)});
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

Result<TextFile> readTextFile(const std::string& path, std::size_t limit)
{
    if (path.empty())
        return explained(sourceText("dalvo::Error", "No file name was given, so nothing was read."));
    std::error_code ec;
    if (std::filesystem::is_directory(std::filesystem::path(path), ec))
        return readError(path, ReadStep::Open, EISDIR);

    errno = 0;
    const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file)
        return readError(path, ReadStep::Open, errno);

    TextFile result;
    char buffer[64 * 1024];
    while (result.bytes.size() < limit) {
        const std::size_t wanted = std::min(sizeof buffer, limit - result.bytes.size());
        errno = 0;
        const std::size_t got = std::fread(buffer, 1, wanted, file.get());
        result.bytes.append(buffer, got);
        if (got < wanted) {
            if (std::ferror(file.get()))
                return readError(path, ReadStep::Read, errno);
            return result;
        }
    }
    // At the limit: anything more is left unread, and the reader is told.
    char probe = 0;
    result.cutShort = std::fread(&probe, 1, 1, file.get()) == 1;
    return result;
}

}  // namespace dalvo
