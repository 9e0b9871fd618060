// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "files/batch_command.h"

#include <cerrno>
#include <optional>

#include "files/analysis_file.h"
#include "files/batch_projection.h"
#include "files/batch_reader.h"
#include "files/batch_formatter.h"
#include "files/file_reason.h"
#include "files/safe_write.h"
#include "files/text_file.h"
#include "model/long_term_outlook.h"

namespace dalvo {

namespace {

// What the student can do about a result file that could not be written:
// the result files' names and folder come from the data file's.
std::string adviceFor(const WriteFailure& failure)
{
    const std::string again = " then run the batch projection again.";
    if (!failure.unchanged)
        return " Correct what stood in the way," + again;
    const std::string unchanged = " No result file was changed.";
    switch (failure.errorNumber) {
        case ENAMETOOLONG:
            return unchanged +
                   " Give the data file a shorter name (the result files add up to 20 characters to it)," +
                   again;
        case EISDIR:
            return unchanged + " Remove or rename that folder," + again;
        case ENOSPC:
#ifdef EDQUOT
        case EDQUOT:
#endif
            return unchanged + " Make room on the disk," + again;
        case EROFS:
            return unchanged + " Copy the data file to a folder on a disk that can be written to," + again;
        default:
            return unchanged + " Make sure the data file's folder can be written to and has room," + again;
    }
}

bool onlyBlankLines(const std::string& text)
{
    return text.find_first_not_of(" \t\r\n") == std::string::npos;
}

}  // namespace

Result<void> runBatchProjection(const std::string& dataFileName)
{
    const std::string data = "The data file " + quotedPath(dataFileName);
    const std::string correctIt =
        " Correct the file and run the batch projection again; no result file was changed.";
    const std::string megabytes = std::to_string(kLargestTextFile / (1024 * 1024));

    Result<TextFile> file = readTextFile(dataFileName);
    if (!file)
        return Error{file.error().message + " Choose another data file."};
    if (file.value().cutShort && onlyBlankLines(file.value().bytes)) {
        return Error{data + " cannot be used. Its first " + megabytes +
                     " MB hold nothing but blank lines, and no more of a file is read; a data file starts "
                     "with a title and the highest age index n." +
                     correctIt};
    }
    const Result<BatchData> read = readBatchData(file.value().bytes);
    if (!read) {
        std::string message = data + " cannot be used. " + read.error().message;
        if (file.value().cutShort)
            message += " Only the first " + megabytes + " MB of the file were read.";
        return Error{message + correctIt};
    }
    const Result<ProjectedSteps> projected = projectBatch(*read);
    if (!projected)
        return Error{data + " cannot be projected. " + projected.error().message + correctIt};
    const Result<LongTermOutlook> outlook = analyseLongTerm(read->matrix);
    if (!outlook)
        return Error{data + " cannot be analysed. " + outlook.error().message + correctIt};

    // All three files are complete before any replaces an old one, and a
    // failure leaves all three as they were.
    const BatchResultNames names = batchResultNames(dataFileName);
    const std::string structure = ageStructureText(*projected);
    const std::string distribution = ageDistributionText(*projected);
    const std::string analysis = analysisFileText(*outlook, {read->title, read->matrix, read->initial});
    if (std::optional<WriteFailure> failed = replaceFiles({{names.ageStructure, structure},
                                                           {names.ageDistribution, distribution},
                                                           {names.analysis, analysis}}))
        return Error{failed->error.message + adviceFor(*failed)};
    return {};
}

}  // namespace dalvo
