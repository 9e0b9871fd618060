// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "files/batch_command.h"

#include <cerrno>
#include <optional>

#include "files/analysis_file.h"
#include "files/batch_formatter.h"
#include "files/batch_projection.h"
#include "files/batch_reader.h"
#include "files/file_reason.h"
#include "files/safe_write.h"
#include "files/text_file.h"
#include "model/long_term_outlook.h"
#include "model/source_text.h"

namespace dalvo {

namespace {

// What the student can do about a result file that could not be written,
// after the failure as %1: the result files' names and folder come from the
// data file's.
const char* adviceFor(const WriteFailure& failure)
{
    if (!failure.unchanged)
        return sourceText("dalvo::Error",
                          "%1 Correct what stood in the way, then run the batch projection again.");
    switch (failure.errorNumber) {
        case ENAMETOOLONG:
            return sourceText(
                "dalvo::Error",
                "%1 No result file was changed. Give the data file a shorter name (the result files "
                "add up to 20 characters to it), then run the batch projection again.");
        case EISDIR:
            return sourceText("dalvo::Error",
                              "%1 No result file was changed. Remove or rename that folder, then "
                              "run the batch projection again.");
        case ENOSPC:
#ifdef EDQUOT
        case EDQUOT:
#endif
            return sourceText("dalvo::Error",
                              "%1 No result file was changed. Make room on the disk, then run the "
                              "batch projection again.");
        case EROFS:
            return sourceText(
                "dalvo::Error",
                "%1 No result file was changed. Copy the data file to a folder on a disk that can be "
                "written to, then run the batch projection again.");
        default:
            return sourceText(
                "dalvo::Error",
                "%1 No result file was changed. Make sure the data file's folder can be written to "
                "and has room, then run the batch projection again.");
    }
}

bool onlyBlankLines(const std::string& text)
{
    return text.find_first_not_of(" \t\r\n") == std::string::npos;
}

}  // namespace

Result<void> runBatchProjection(const std::string& dataFileName)
{
    const std::string data = quotedPath(dataFileName);
    const std::string megabytes = std::to_string(kLargestTextFile / (1024 * 1024));

    Result<TextFile> file = readTextFile(dataFileName);
    if (!file)
        return explained(sourceText("dalvo::Error", "%1 Choose another data file."), {}, {file.error()});
    if (file.value().cutShort && onlyBlankLines(file.value().bytes)) {
        return explained(
            sourceText("dalvo::Error",
                       "The data file %1 cannot be used. Its first %2 MB hold nothing but blank lines, "
                       "and no more of a file is read; a data file starts with a title and the highest "
                       "age index n. Correct the file and run the batch projection again; no result "
                       "file was changed."),
            {data, megabytes});
    }
    const Result<BatchData> read = readBatchData(file.value().bytes);
    if (!read && file.value().cutShort)
        return explained(
            sourceText("dalvo::Error",
                       "The data file %1 cannot be used. %3 Only the first %2 MB of the file were "
                       "read. Correct the file and run the batch projection again; no result file "
                       "was changed."),
            {data, megabytes}, {read.error()});
    if (!read)
        return explained(sourceText("dalvo::Error",
                                    "The data file %1 cannot be used. %2 Correct the file and run the batch "
                                    "projection again; no result file was changed."),
                         {data}, {read.error()});
    const Result<ProjectedSteps> projected = projectBatch(*read);
    if (!projected)
        return explained(
            sourceText("dalvo::Error",
                       "The data file %1 cannot be projected. %2 Correct the file and run the batch "
                       "projection again; no result file was changed."),
            {data}, {projected.error()});
    const Result<LongTermOutlook> outlook = analyseLongTerm(read->matrix);
    if (!outlook)
        return explained(
            sourceText("dalvo::Error",
                       "The data file %1 cannot be analysed. %2 Correct the file and run the batch "
                       "projection again; no result file was changed."),
            {data}, {outlook.error()});

    // All three files are complete before any replaces an old one, and a
    // failure leaves all three as they were.
    const BatchResultNames names = batchResultNames(dataFileName);
    const std::string structure = ageStructureText(*projected);
    const std::string distribution = ageDistributionText(*projected);
    const std::string analysis = analysisFileText(*outlook, {read->title, read->matrix, read->initial});
    if (std::optional<WriteFailure> failed = replaceFiles({{names.ageStructure, structure},
                                                           {names.ageDistribution, distribution},
                                                           {names.analysis, analysis}}))
        return explained(adviceFor(*failed), {}, {failed->error});
    return {};
}

}  // namespace dalvo
