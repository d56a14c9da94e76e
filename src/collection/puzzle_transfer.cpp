#include "collection/puzzle_transfer.h"

#include <array>
#include <memory>
#include <system_error>

#include "collection/qzv_file.h"
#include "common/binary_file.h"
#include "common/text_order.h"
#include "common/text_rules.h"

namespace qm {
namespace {

namespace M = PuzzleTransferMessages;

using RecordBytes = std::array<std::uint8_t, PuzzleRecord::kSize>;

std::string comparablePath(const std::filesystem::path& path)
{
    std::error_code ignored;
    const std::filesystem::path absolute = std::filesystem::absolute(path, ignored);
    return (absolute.empty() ? path : absolute).lexically_normal().string();
}

}  // namespace

std::optional<ImportFileKind> importFileKind(const std::filesystem::path& path)
{
    const std::string name = path.string();
    if (hasExtension(name, ".QZ3")) return ImportFileKind::Collection;
    if (hasExtension(name, ".QZV")) return ImportFileKind::OldPuzzle;
    return std::nullopt;
}

bool sameCollectionFile(const std::filesystem::path& a, const std::filesystem::path& b)
{
    std::error_code error;
    if (std::filesystem::equivalent(a, b, error) && !error) return true;
    return equalsIgnoringCase(comparablePath(a), comparablePath(b));
}

std::vector<TransferEntry> puzzlesByTitle(const CollectionFile& collection)
{
    std::vector<TransferEntry> entries;
    for (const PuzzleEntry& entry : collection.ListPuzzles().PuzzleEntries)
        entries.push_back(TransferEntry{entry.title, entry.recordIndex()});
    sortByListedText(entries, [](const TransferEntry& entry) -> std::string_view { return entry.title; });
    return entries;
}

CommandOutcome importPuzzles(const CollectionFile& from, const std::vector<int>& recordIndexes, CollectionFile& into)
{
    if (sameCollectionFile(from.path(), into.path())) return CommandOutcome::refused(M::ImportOfOpenFile);
    if (!canOpen(from.path(), BinaryFile::Mode::ReadOnly, from.faults()) ||
        !canOpen(into.path(), BinaryFile::Mode::ReadWriteCreate, into.faults()))
        return CommandOutcome::refused(M::CannotImport);
    auto record = std::make_unique<RecordBytes>();
    for (const int index : recordIndexes) {
        if (Status read = from.readRecordBytes(index, *record); !read) return CommandOutcome::failed(read.failure());
        if (auto appended = into.appendRecordBytes(*record); !appended)
            return CommandOutcome::failed(appended.failure());
    }
    return CommandOutcome::done();
}

CommandOutcome exportPuzzles(const CollectionFile& from, const std::vector<int>& recordIndexes,
                             const std::filesystem::path& to)
{
    // Writing over the open collection would empty it before its puzzles were read.
    if (sameCollectionFile(from.path(), to)) return CommandOutcome::refused(M::ExportOntoOpenFile);
    if (!canOpen(from.path(), BinaryFile::Mode::ReadOnly, from.faults()))
        return CommandOutcome::refused(M::CannotExport);
    std::string contents;
    contents.reserve(recordIndexes.size() * PuzzleRecord::kSize);
    auto record = std::make_unique<RecordBytes>();
    for (const int index : recordIndexes) {
        if (Status read = from.readRecordBytes(index, *record); !read) return CommandOutcome::failed(read.failure());
        contents.append(reinterpret_cast<const char*>(record->data()), record->size());
    }
    if (Status written = writeFileAtomically(to, contents, from.faults()); !written)
        return CommandOutcome::fromFailure(written.failure(), M::CannotExport);
    return CommandOutcome::done();
}

OldPuzzleImport importOldPuzzle(const std::filesystem::path& qzvFile, const PageLayoutRecord& layout,
                                WorkingCopy& working, CollectionFile& collection)
{
    OldPuzzleImport result;
    auto old = readQzvFile(qzvFile, collection.faults());
    if (!old) {
        const Failure& failure = old.failure();
        result.outcome = failure.kind == FailureKind::BadContent
                             ? CommandOutcome::refused(M::OldPuzzleCorrupt)
                             : CommandOutcome::fromFailure(failure, M::OldPuzzleCannotOpen);
        return result;
    }
    working.record = convertOldPuzzle(*old, layout);
    working.IsNewPuzzle = true;
    const Outcome<int> stored = StoreWorkingCopy(working, collection);
    if (stored.ok())
        result.recordIndex = stored.value;
    else
        result.outcome = CommandOutcome::endingAs(stored);
    return result;
}

}  // namespace qm
