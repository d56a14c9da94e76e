#include "cli/record_json.h"

namespace qm::cli {
namespace {

Json gridJson(const PuzzleGrid& grid)
{
    Json rows = Json::array();
    for (int row = 0; row < kGridStride; ++row) {
        const auto* start = reinterpret_cast<const char*>(grid.data() + row * kGridStride);
        rows.push_back(recordText(std::string_view(start, kGridStride)));
    }
    return rows;
}

}  // namespace

Json puzzleRecordJson(const PuzzleRecord& record)
{
    Json words = Json::array(), clues = Json::array(), starts = Json::array(), ends = Json::array(),
         placed = Json::array();
    for (int i = 0; i < kMaxWords; ++i) {
        words.push_back(recordText(record.Words[i].view()));
        clues.push_back(recordText(record.Clues[i].view()));
        starts.push_back(record.StartCell[i]);
        ends.push_back(record.EndCell[i]);
        placed.push_back(static_cast<bool>(record.Placed[i]));
    }
    Json json;
    json["VersionTag"] = recordText(record.VersionTag.view());
    json["Category"] = recordText(record.Category.view());
    json["Title"] = recordText(record.Title.view());
    json["Width"] = record.usedWidth();
    json["Height"] = record.usedHeight();
    json["Letters"] = gridJson(record.Letters);
    json["FillLetters"] = gridJson(record.FillLetters);
    json["WordCount"] = record.usedWordCount();
    json["Words"] = std::move(words);
    json["Clues"] = std::move(clues);
    json["StartCell"] = std::move(starts);
    json["EndCell"] = std::move(ends);
    json["Placed"] = std::move(placed);
    json["Generated"] = static_cast<bool>(record.Generated);
    json["BonusQuestion"] = recordText(record.BonusQuestion.view());
    json["HiddenPhraseUsed"] = static_cast<bool>(record.HiddenPhraseUsed);
    return json;
}

}  // namespace qm::cli
