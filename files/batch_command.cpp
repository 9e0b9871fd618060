#include "files/batch_command.h"

#include "files/batch_projection.h"
#include "files/batch_reader.h"
#include "files/batch_writer.h"
#include "files/file_reason.h"
#include "files/safe_write.h"
#include "files/text_file.h"

namespace dalvo {

Result<void> runBatchProjection(const std::string& dataFileName, BatchArrays& arrays,
                                std::string& exportFileName)
{
    arrays.BatchFileName = dataFileName;
    const std::string data = "The data file " + quotedPath(dataFileName);
    const std::string correctIt =
        " Correct the file and run the batch projection again; no result file was changed.";
    const std::string makeRoom =
        " No result file was changed. Make sure the data file's folder can be written to and has room, then "
        "run "
        "the batch projection again.";

    Result<TextFile> file = readTextFile(dataFileName);
    if (!file)
        return Error{file.error().message + " Choose another data file."};
    if (Result<void> read = readBatchData(file.value().bytes, arrays); !read) {
        std::string message = data + " cannot be used. " + read.error().message;
        if (file.value().cutShort)
            message += " Only the first " + std::to_string(kLargestTextFile / (1024 * 1024)) +
                       " MB of the file were read.";
        return Error{message + correctIt};
    }
    if (Result<void> projected = projectBatch(arrays); !projected)
        return Error{data + " cannot be projected. " + projected.error().message + correctIt};

    // Both files are complete before either replaces an old one.
    const BatchResultNames names = batchResultNames(dataFileName);
    Result<PendingFile> structure = PendingFile::write(names.ageStructure, ageStructureText(arrays));
    if (!structure)
        return Error{structure.error().message + makeRoom};
    Result<PendingFile> distribution = PendingFile::write(names.ageDistribution, ageDistributionText(arrays));
    if (!distribution)
        return Error{distribution.error().message + makeRoom};

    exportFileName = names.ageStructure;
    if (Result<void> committed = structure.value().commit(); !committed)
        return Error{committed.error().message + makeRoom};
    exportFileName = names.ageDistribution;
    if (Result<void> committed = distribution.value().commit(); !committed) {
        return Error{"The age-structure file " + quotedPath(names.ageStructure) + " was written, but " +
                     committed.error().message +
                     " Make sure the folder can be written to, then run the batch projection again."};
    }
    return {};
}

}  // namespace dalvo
