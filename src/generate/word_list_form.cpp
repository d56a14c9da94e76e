#include "generate/word_list_form.h"

#include <algorithm>
#include <bit>

#include "common/text_rules.h"
#include "generate/build_puzzles.h"
#include "generate/generate_messages.h"

namespace qm {
namespace {

namespace M = GenerateMessages;

std::string_view cut(std::string_view text, std::size_t limit) { return text.substr(0, std::min(text.size(), limit)); }

// Word and clue of a row as a record stores them.
std::string_view storedWord(const WordListRow& row) { return cut(trimmed(row.Word), kWordLimit); }

bool hasWord(const WordListRow& row) { return !trimmed(row.Word).empty(); }

template <std::size_t N>
bool textDiffers(const StoredText<N>& reference, const StoredText<N>& edited)
{
    return !reference.sameText(edited);
}

}  // namespace

void fillRowsFromRecord(WordListForm& form, const PuzzleRecord& record)
{
    for (int i = 0; i < kMaxWords; ++i) {
        WordListRow& row = form.Rows[i];
        row.Word = record.Words[i].text();
        row.Clue = record.Clues[i].text();
        row.Used = static_cast<bool>(record.Placed[i]);
    }
}

WordListForm formFromRecord(const PuzzleRecord& record, const WordListSettings& settings)
{
    WordListForm form;
    form.Title = record.Title.text();
    form.Category = record.Category.text();
    form.BonusQuestion = record.BonusQuestion.text();
    fillRowsFromRecord(form, record);
    form.UseClues = settings.UseClues;
    form.Directions = settings.Generation.Allowed;
    form.Integration = std::clamp(settings.Generation.Integration, 0, kMaxIntegration);
    form.AttemptsText = std::to_string(settings.Generation.Attempts);
    form.Shrink = settings.Generation.Shrink;
    form.PlaceEveryWord = settings.Generation.PlaceEveryWord;
    form.PackingSeconds = settings.Generation.usedPackingSeconds();
    return form;
}

void storeFormSettings(const WordListForm& form, WordListSettings& settings)
{
    settings.UseClues = form.UseClues;
    settings.Generation.Allowed = form.Directions;
    settings.Generation.Integration = std::clamp(form.Integration, 0, kMaxIntegration);
    settings.Generation.Shrink = form.Shrink;
    settings.Generation.PlaceEveryWord = form.PlaceEveryWord;
    settings.Generation.PackingSeconds = std::clamp(form.PackingSeconds, 1, kMaxPackingSeconds);
    if (const int attempts = attemptsOf(form.AttemptsText); attempts >= 1 && attempts <= kMaxAttempts)
        settings.Generation.Attempts = attempts;
}

int GetWordCount(const WordListForm& form) { return countWords(form.Rows); }

int countWords(const WordListRows& rows) { return static_cast<int>(std::count_if(rows.begin(), rows.end(), hasWord)); }

int attemptsOf(std::string_view text)
{
    const auto number = leadingNumber(text);
    // The edit holds at most three digits; a longer number still counts as out of range.
    return number ? static_cast<int>(std::min<std::int64_t>(*number, kMaxAttempts + 1)) : 0;
}

Outcome<FormFocus> CheckAttempts(std::string_view text)
{
    const int attempts = attemptsOf(text);
    if (attempts < 1 || attempts > kMaxAttempts) return refusedAt(M::AttemptsOutOfRange, FormField::Attempts);
    return Outcome<FormFocus>::done();
}

void SetValues(const WordListForm& form, PuzzleRecord& working)
{
    working.BonusQuestion.assign(trimmed(form.BonusQuestion));
    working.Title.assign(trimmed(form.Title));
    working.Category.assign(trimmed(form.Category));
    int count = 0;
    for (const WordListRow& row : form.Rows) {
        if (!hasWord(row)) continue;
        working.Words[count].assign(trimmed(row.Word));
        working.Clues[count].assign(trimmed(row.Clue));
        ++count;
    }
    working.WordCount = static_cast<std::int16_t>(count);
    for (int slot = count; slot < kMaxWords; ++slot) {
        working.Words[slot].clear();
        working.Clues[slot].clear();
    }
}

void AdjustWordClues(WordListForm& form, PuzzleRecord& working, bool useClues)
{
    form.UseClues = useClues;
    for (int i = 0; i < kMaxWords; ++i) {
        working.Words[i].assign(form.Rows[i].Word);
        working.Clues[i].assign(form.Rows[i].Clue);
    }
    fillRowsFromRecord(form, working);
}

Outcome<CheckedCreate> CheckCreate(const WordListForm& form, const ShapeRecord& shape)
{
    if (trimmed(form.Title).empty()) return refusedAt<CheckedCreate>(M::NoTitle, FormField::Title);
    if (trimmed(form.Category).empty()) return refusedAt<CheckedCreate>(M::NoCategory, FormField::Category);
    if (GetWordCount(form) == 0) return refusedAt<CheckedCreate>(M::NoWords, FormField::WordsGrid);
    if (const auto attempts = CheckAttempts(form.AttemptsText); !attempts.ok())
        return endingOfCheck<CheckedCreate>(attempts);

    // The check counts the spaces inside a word, although only its letters are placed.
    const std::size_t largest = static_cast<std::size_t>(std::max(shape.usedWidth(), shape.usedHeight()));
    for (int i = 0; i < kMaxWords; ++i) {
        const WordListRow& row = form.Rows[i];
        if (!hasWord(row) || storedWord(row).size() <= largest) continue;
        return refusedAt<CheckedCreate>(M::wordTooLong(storedWord(row), largest), FormField::WordCell, i + 1);
    }
    for (int i = 0; i < kMaxWords; ++i) {
        const WordListRow& row = form.Rows[i];
        const std::size_t clueLength = trimmed(row.Clue).size();
        if (!hasWord(row) || clueLength <= kClueLimit) continue;
        return refusedAt<CheckedCreate>(M::clueTooLong(storedWord(row), clueLength - kClueLimit), FormField::ClueCell,
                                        i + 1);
    }
    Outcome<CheckedCreate> passed;
    passed.value.attempts = attemptsOf(form.AttemptsText);
    return passed;
}

void PrepareCreate(const WordListForm& form, const ShapeRecord& shape, PuzzleRecord& working)
{
    working.Width = static_cast<std::int16_t>(shape.usedWidth());
    working.Height = static_cast<std::int16_t>(shape.usedHeight());
    SetValues(form, working);
}

Outcome<FormFocus> CheckScreenedRun(const WordListForm& form, const GenerationRun& run)
{
    if (!run.EveryAttemptScreened) return Outcome<FormFocus>::done();
    // The run's words are the form's rows with a word, packed in order.
    int slot = 0;
    for (int i = 0; i < kMaxWords && run.ScreenedWord > 0; ++i) {
        const WordListRow& row = form.Rows[i];
        if (!hasWord(row) || ++slot != run.ScreenedWord) continue;
        return refusedAt(M::screenedWord(storedWord(row)), FormField::WordCell, i + 1);
    }
    return refusedAt(M::ScreenedCrossings);
}

Outcome<FormFocus> CheckSave(const WordListForm& form)
{
    if (trimmed(form.Title).empty()) return refusedAt(M::NoTitle, FormField::Title);
    if (trimmed(form.Category).empty()) return refusedAt(M::NoCategory, FormField::Category);
    return Outcome<FormFocus>::done();
}

bool PageLayoutHeaderChanged(const PageLayoutRecord& reference, const PageLayoutRecord& edited)
{
    // The page sizes compare by their stored bits, so a size read back from a file never counts
    // as changed through rounding, and NaN equals itself.
    auto sameBits = [](double a, double b) {
        return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
    };
    return !reference.Name.sameText(edited.Name) || !reference.PaperName.sameText(edited.PaperName) ||
           !sameBits(reference.PageWidth, edited.PageWidth) || !sameBits(reference.PageHeight, edited.PageHeight) ||
           reference.PixelWidth != edited.PixelWidth || reference.PixelHeight != edited.PixelHeight ||
           reference.Inches.raw != edited.Inches.raw || reference.ObjectCount != edited.ObjectCount ||
           reference.Portrait.raw != edited.Portrait.raw || reference.Zoom != edited.Zoom;
}

bool PuzzleChanged(const PuzzleRecord& reference, const PuzzleRecord& edited)
{
    if (textDiffers(reference.BonusQuestion, edited.BonusQuestion) || textDiffers(reference.Title, edited.Title) ||
        textDiffers(reference.Category, edited.Category))
        return true;
    for (int i = 0; i < kMaxWords; ++i)
        if (textDiffers(reference.Words[i], edited.Words[i]) || textDiffers(reference.Clues[i], edited.Clues[i]))
            return true;
    return PageLayoutHeaderChanged(reference.Layout, edited.Layout);
}

void deleteRow(WordListForm& form, int row)
{
    if (row < 1 || row > kMaxWords) return;
    std::move(form.Rows.begin() + row, form.Rows.end(), form.Rows.begin() + row - 1);
    form.Rows.back() = WordListRow{};
}

Outcome<FormFocus> CheckDeleteAll(const WordListForm& form)
{
    if (GetWordCount(form) == 0) return refusedAt(M::AllWordsCleared);
    return Outcome<FormFocus>::done();
}

void clearAllWords(WordListForm& form)
{
    for (WordListRow& row : form.Rows) {
        row.Word.clear();
        row.Clue.clear();
    }
}

}  // namespace qm
