#include "app/old_data_conversion.h"

#include <array>
#include <memory>
#include <system_error>

#include "collection/collection_file.h"
#include "collection/old_puzzle_record.h"
#include "common/binary_file.h"
#include "common/record_file.h"
#include "layout/shape_file.h"

namespace qm {
namespace {

namespace M = OldDataMessages;

// The old file is deleted once everything in it was converted.
CommandOutcome deleteConverted(const std::filesystem::path& oldFile)
{
    std::error_code error;
    if (!std::filesystem::remove(oldFile, error) || error)
        return CommandOutcome::failed(Failure{FailureKind::Io, oldFile, error ? error.message() : "not deleted"});
    return CommandOutcome::done();
}

}  // namespace

OldDataConversion convertOldPuzzles(const OldDataFolders& folders, const PageLayoutRecord& layout,
                                    const FileFaults& faults)
{
    OldDataConversion result;
    const FixedRecordFile oldPuzzles(folders.oldPuzzleFile(), OldPuzzleRecord::kSize, {}, faults);
    const auto count = oldPuzzles.count();
    if (!count) {
        result.outcome = CommandOutcome::fromFailure(count.failure(), M::CannotReadOldFile);
        return result;
    }
    CollectionFile collection(folders.convertedCollection(), {}, faults);
    if (!canOpen(collection.path(), BinaryFile::Mode::ReadWriteCreate, faults)) {
        result.outcome = CommandOutcome::refused(M::CannotSavePuzzles);
        return result;
    }
    auto image = std::make_unique<std::array<std::uint8_t, OldPuzzleRecord::kSize>>();
    auto old = std::make_unique<OldPuzzleRecord>();
    for (int i = 0; i < *count; ++i) {
        if (Status read = oldPuzzles.read(i, *image); !read) {
            result.outcome = CommandOutcome::failed(read.failure());
            return result;
        }
        decodeOldPuzzleRecord(*image, *old);
        if (auto appended = collection.AppendPuzzle(*convertOldPuzzle(*old, layout)); !appended) {
            result.outcome = CommandOutcome::failed(appended.failure());
            return result;
        }
        ++result.converted;
    }
    result.outcome = deleteConverted(oldPuzzles.path());
    return result;
}

OldDataConversion convertOldShapes(const OldDataFolders& folders)
{
    OldDataConversion result;
    const ShapeFile oldShapes(folders.oldShapeFile());
    const auto count = oldShapes.recordCount();
    if (!count) {
        result.outcome = CommandOutcome::fromFailure(count.failure(), M::CannotReadOldFile);
        return result;
    }
    ShapeFile shapes = ShapeFile::inDirectory(folders.programDirectory);
    if (!canOpen(shapes.path(), BinaryFile::Mode::ReadWriteCreate)) {
        result.outcome = CommandOutcome::refused(M::CannotAddShapes);
        return result;
    }
    for (int i = 0; i < *count; ++i) {
        auto shape = oldShapes.ReadRecord(i);
        if (!shape) {
            result.outcome = CommandOutcome::failed(shape.failure());
            return result;
        }
        if (auto appended = shapes.AppendRecord(*shape); !appended) {
            result.outcome = CommandOutcome::failed(appended.failure());
            return result;
        }
        ++result.converted;
    }
    result.outcome = deleteConverted(oldShapes.path());
    return result;
}

}  // namespace qm
