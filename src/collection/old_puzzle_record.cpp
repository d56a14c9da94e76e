#include "collection/old_puzzle_record.h"

#include <algorithm>

#include "common/byte_codec.h"

namespace qm {

namespace O = OldPuzzleRecordOffsets;

static_assert(O::EndCell + 2 * kMaxWords == OldPuzzleRecord::kSize);

void decodeOldPuzzleRecord(OldPuzzleRecordImage image, OldPuzzleRecord& record)
{
    const ByteReader in(image);
    in.text(O::Title, record.Title);
    record.GridSize = in.i16(O::GridSize);
    in.bytes(O::Letters, record.Letters);
    record.WordCount = in.i16(O::WordCount);
    for (int i = 0; i < kMaxWords; ++i) {
        in.text(O::Words + i * (kOldWordLimit + 1), record.Words[i]);
        record.StartCell[i] = in.i16(O::StartCell + i * 2);
        record.EndCell[i] = in.i16(O::EndCell + i * 2);
    }
}

std::unique_ptr<PuzzleRecord> convertOldPuzzle(const OldPuzzleRecord& old, const PageLayoutRecord& layout)
{
    auto record = std::make_unique<PuzzleRecord>();
    record->Layout = layout;
    record->VersionTag = kVersionTagText;
    record->Title = old.Title.view().substr(0, kTitleLimit);
    record->BonusQuestion.clear();
    record->Category = kConvertedCategory;

    const auto size = static_cast<std::int16_t>(std::clamp<int>(old.GridSize, 1, kGridStride));
    record->Width = size;
    record->Height = size;
    record->WordCount = static_cast<std::int16_t>(std::clamp<int>(old.WordCount, 0, kMaxWords));
    record->Letters = old.Letters;
    record->FillLetters = old.Letters;

    const auto cell = [](std::int16_t stored) {
        return static_cast<std::int16_t>(std::clamp<int>(stored, 1, kGridCells));
    };
    for (int i = 0; i < kMaxWords; ++i) {
        const bool placed = i < record->WordCount;
        record->Words[i] = placed ? old.Words[i].view() : std::string_view();
        record->Clues[i].clear();
        record->StartCell[i] = cell(old.StartCell[i]);
        record->EndCell[i] = cell(old.EndCell[i]);
        record->Placed[i] = placed;
    }
    record->Generated = true;
    record->HiddenPhraseUsed = false;
    return record;
}

}  // namespace qm
