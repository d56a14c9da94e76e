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

Json styleJson(const StoredFontStyle& style)
{
    Json flags = Json::array();
    for (const StoredBool flag : style) flags.push_back(static_cast<bool>(flag));
    return flags;
}

Json pageObjectJson(const PageObject& o)
{
    Json json;
    json["Kind"] = o.Kind;
    json["Name"] = recordText(o.Name.view());
    json["Bounds"] = Json::array({o.Bounds.Left, o.Bounds.Top, o.Bounds.Right, o.Bounds.Bottom});
    json["FontName"] = recordText(o.FontName.view());
    json["FontSize"] = o.FontSize;
    json["FontColor"] = o.FontColor;
    json["FontStyle"] = styleJson(o.FontStyle);
    json["Font2Name"] = recordText(o.Font2Name.view());
    json["Font2Size"] = o.Font2Size;
    json["Font2Color"] = o.Font2Color;
    json["Font2Style"] = styleJson(o.Font2Style);
    json["BlockColor"] = o.BlockColor;
    json["LineColor"] = o.LineColor;
    json["LowerCase"] = static_cast<bool>(o.LowerCase);
    json["LineWidth"] = o.LineWidth;
    json["Alignment"] = o.Alignment;
    json["Text"] = recordText(o.text());
    json["Transparent"] = static_cast<bool>(o.Transparent);
    json["Columns"] = o.Columns;
    json["MakeItFit"] = static_cast<bool>(o.MakeItFit);
    json["FillInShape"] = static_cast<bool>(o.FillInShape);
    json["FillColor"] = o.FillColor;
    json["BorderColor"] = o.BorderColor;
    json["UseBorder"] = static_cast<bool>(o.UseBorder);
    json["BorderWidth"] = o.BorderWidth;
    json["BitmapFile"] = recordText(o.BitmapFile.view());
    json["UsedFontSize"] = o.UsedFontSize;
    return json;
}

}  // namespace

Json pageLayoutHeaderJson(const PageLayoutRecord& layout)
{
    Json json;
    json["Name"] = recordText(layout.Name.view());
    json["PaperName"] = recordText(layout.PaperName.view());
    json["PageWidth"] = layout.PageWidth;
    json["PageHeight"] = layout.PageHeight;
    json["PixelWidth"] = layout.PixelWidth;
    json["PixelHeight"] = layout.PixelHeight;
    json["Inches"] = static_cast<bool>(layout.Inches);
    json["ObjectCount"] = usedObjectCount(layout);
    json["Portrait"] = static_cast<bool>(layout.Portrait);
    json["Zoom"] = layout.Zoom;
    return json;
}

Json pageLayoutJson(const PageLayoutRecord& layout)
{
    Json json = pageLayoutHeaderJson(layout);
    Json objects = Json::array();
    for (int k = 0; k < usedObjectCount(layout); ++k) objects.push_back(pageObjectJson(layout.Objects[k]));
    json["Objects"] = std::move(objects);
    return json;
}

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
    json["Layout"] = pageLayoutJson(record.Layout);
    return json;
}

}  // namespace qm::cli
