#include "collection/puzzle_record_codec.h"

#include "common/byte_codec.h"

namespace qm {

namespace O = PuzzleRecordOffsets;

static_assert(O::Reserved + 30 == PuzzleRecord::kSize);
static_assert(O::Layout + kPageLayoutSize == O::Reserved);

void decodePuzzleRecord(PuzzleRecordImage image, PuzzleRecord& record)
{
    const ByteReader in(image);
    in.text(O::VersionTag, record.VersionTag);
    in.text(O::Category, record.Category);
    in.text(O::Title, record.Title);
    record.Width = in.i16(O::Width);
    record.Height = in.i16(O::Height);
    in.bytes(O::Letters, record.Letters);
    in.bytes(O::FillLetters, record.FillLetters);
    record.WordCount = in.i16(O::WordCount);
    for (int i = 0; i < kMaxWords; ++i) {
        in.text(O::Words + i * 31, record.Words[i]);
        in.text(O::Clues + i * 151, record.Clues[i]);
        record.StartCell[i] = in.i16(O::StartCell + i * 2);
        record.EndCell[i] = in.i16(O::EndCell + i * 2);
        record.Placed[i] = in.flag(O::Placed + i);
    }
    record.Generated = in.flag(O::Generated);
    in.text(O::BonusQuestion, record.BonusQuestion);
    record.HiddenPhraseUsed = in.flag(O::HiddenPhraseUsed);
    record.Layout = decodePageLayout(image.subspan<O::Layout, kPageLayoutSize>());
    in.bytes(O::Reserved, record.Reserved);
}

void encodePuzzleRecord(const PuzzleRecord& record, MutablePuzzleRecordImage image)
{
    ByteWriter out(image);
    out.text(O::VersionTag, record.VersionTag);
    out.text(O::Category, record.Category);
    out.text(O::Title, record.Title);
    out.i16(O::Width, record.Width);
    out.i16(O::Height, record.Height);
    out.bytes(O::Letters, record.Letters);
    out.bytes(O::FillLetters, record.FillLetters);
    out.i16(O::WordCount, record.WordCount);
    for (int i = 0; i < kMaxWords; ++i) {
        out.text(O::Words + i * 31, record.Words[i]);
        out.text(O::Clues + i * 151, record.Clues[i]);
        out.i16(O::StartCell + i * 2, record.StartCell[i]);
        out.i16(O::EndCell + i * 2, record.EndCell[i]);
        out.flag(O::Placed + i, record.Placed[i]);
    }
    out.flag(O::Generated, record.Generated);
    out.text(O::BonusQuestion, record.BonusQuestion);
    out.flag(O::HiddenPhraseUsed, record.HiddenPhraseUsed);
    encodePageLayout(record.Layout, image.subspan<O::Layout, kPageLayoutSize>());
    out.bytes(O::Reserved, record.Reserved);
}

}  // namespace qm
