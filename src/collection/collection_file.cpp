#include "collection/collection_file.h"

#include <unordered_map>

#include "collection/puzzle_record_codec.h"
#include "common/binary_file.h"

namespace qm {
namespace {

constexpr std::int64_t kRecordSize = PuzzleRecord::kSize;

// Category and title lie next to each other near the start of the record.
constexpr std::size_t kListedBytesOffset = PuzzleRecordOffsets::Category;
constexpr std::size_t kListedBytesSize = PuzzleRecordOffsets::Width - PuzzleRecordOffsets::Category;

using RecordBuffer = std::array<std::uint8_t, PuzzleRecord::kSize>;

}  // namespace

PuzzleList CollectionFile::ListPuzzles() const
{
    PuzzleList list;
    auto file = records().openForReading();
    if (!file) return list;
    auto size = file->size();
    if (!size) return list;
    const std::int64_t count = *size / kRecordSize;

    std::unordered_map<std::string, std::uint32_t> positionOf;
    std::array<std::uint8_t, kListedBytesSize> listed{};
    StoredText<20> category;
    decltype(PuzzleRecord::Title) title;
    list.PuzzleEntries.reserve(static_cast<std::size_t>(count));
    for (std::int64_t k = 0; k < count; ++k) {
        // A read that fails part way ends the listing with what was read so far.
        if (!file->readExact(k * kRecordSize + kListedBytesOffset, listed)) break;
        std::copy_n(listed.begin(), category.bytes.size(), category.bytes.begin());
        std::copy_n(listed.begin() + (PuzzleRecordOffsets::Title - kListedBytesOffset), title.bytes.size(),
                    title.bytes.begin());
        auto [it, added] =
            positionOf.try_emplace(category.text(), static_cast<std::uint32_t>(list.CategoryNames.size()));
        if (added) list.CategoryNames.push_back(it->first);
        const std::uint32_t tag = (it->second << 16) + static_cast<std::uint32_t>(k & 0xFFFF);
        list.PuzzleEntries.push_back(PuzzleEntry{title.text(), tag, static_cast<int>(k), static_cast<int>(it->second)});
    }
    return list;
}

Result<int> CollectionFile::recordCount() const { return records().count(); }

Result<std::unique_ptr<PuzzleRecord>> CollectionFile::ReadPuzzle(int index) const
{
    auto buffer = std::make_unique<RecordBuffer>();
    if (auto read = readRecordBytes(index, *buffer); !read) return read.failure();
    auto record = std::make_unique<PuzzleRecord>();
    decodePuzzleRecord(*buffer, *record);
    return record;
}

Result<int> CollectionFile::AppendPuzzle(const PuzzleRecord& record)
{
    auto buffer = std::make_unique<RecordBuffer>();
    encodePuzzleRecord(record, *buffer);
    return appendRecordBytes(*buffer);
}

Status CollectionFile::readRecordBytes(int index, std::span<std::uint8_t, PuzzleRecord::kSize> bytes) const
{
    return records().read(index, bytes);
}

Result<int> CollectionFile::appendRecordBytes(std::span<const std::uint8_t, PuzzleRecord::kSize> bytes)
{
    // The 16-bit halves of a list tag hold at most 65,536 record indexes.
    auto count = records().count();
    if (count && *count >= 65536) return Failure{FailureKind::Io, m_path, "a collection holds at most 65,536 puzzles"};
    return records().append(bytes);
}

Status CollectionFile::ReplacePuzzle(int index, const PuzzleRecord& record, std::span<const std::uint8_t> loaded)
{
    auto buffer = std::make_unique<RecordBuffer>();
    encodePuzzleRecord(record, *buffer);
    return records().replace(index, *buffer, loaded);
}

Status CollectionFile::DeletePuzzle(int index) { return records().remove(index); }

Status CollectionFile::DeleteListedPuzzle(int index, std::string_view title, std::string_view category)
{
    auto bytes = std::make_unique<RecordBuffer>();
    const Failure changed{FailureKind::ChangedElsewhere, m_path, "the puzzle was changed by another program"};
    if (auto read = readRecordBytes(index, *bytes); !read)
        return read.failure().kind == FailureKind::NoSuchRecord ? changed : read;
    auto stored = std::make_unique<PuzzleRecord>();
    decodePuzzleRecord(*bytes, *stored);
    if (stored->Title.view() != title || stored->Category.view() != category) return changed;
    // The bytes read are the ones that must still be there when the file is locked for the delete.
    return records().remove(index, *bytes);
}

Status CollectionFile::CreateCollection() { return records().create(); }

void resetToNewPuzzle(PuzzleRecord& record, const PageLayoutRecord& layout)
{
    for (int i = 0; i < kMaxWords; ++i) {
        record.Words[i].clear();
        record.Clues[i].clear();
        record.Placed[i] = false;
    }
    record.Category.clear();
    record.Title.clear();
    record.Width = 15;
    record.Height = 15;
    record.WordCount = 0;
    record.Generated = false;
    record.HiddenPhraseUsed = false;
    record.BonusQuestion.clear();
    record.Layout = layout;
}

}  // namespace qm
