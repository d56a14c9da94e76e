#include "app/settings.h"

#include <algorithm>
#include <climits>

#include "app/profile_file.h"
#include "common/binary_file.h"
#include "common/cp1252.h"

namespace qm {
namespace {

constexpr std::size_t kNoLimit = SIZE_MAX;
constexpr std::size_t kPathLimit = 149;

// Visits every key in the order of the settings file: section Misc first, the fonts last.
// Loading and saving walk the same list, so the two can never disagree on a name or an order.
template <typename Visitor>
void visitSettings(Settings& s, Visitor& v)
{
    constexpr const char* misc = "Misc";
    auto& m = s.Misc;
    v.text(misc, "Last Import Puzzle File", m.LastImportPuzzleFile, kPathLimit);
    v.text(misc, "Last Export Puzzle File", m.LastExportPuzzleFile, kPathLimit);
    v.text(misc, "Last Import Shape File", s.Shapes.LastImportShapeFile, kPathLimit);
    v.text(misc, "Last Export Shape File", s.Shapes.LastExportShapeFile, kPathLimit);
    v.text(misc, "Last Import Layout File", s.PageLayout.LastImportLayoutFile, kPathLimit);
    v.text(misc, "Last Export Layout File", s.PageLayout.LastExportLayoutFile, kPathLimit);
    v.text(misc, "Last Import Word File", s.WordList.LastImportWordFile, kPathLimit);
    v.text(misc, "Last Export Word File", s.WordList.LastExportWordFile, kPathLimit);
    auto& e = s.Exports;
    v.text(misc, "Last Export Bitmap File", e.LastExportBitmapFile, kPathLimit);
    v.text(misc, "Last Export JPEG File", e.LastExportJpegFile, kPathLimit);
    v.text(misc, "Last Export EMF File", e.LastExportEmfFile, kPathLimit);
    v.text(misc, "Last Export WMF File", e.LastExportWmfFile, kPathLimit);
    v.text(misc, "Last Export HTML File", e.LastExportHtmlFile, kPathLimit);
    v.text(misc, "Last Export Text File", e.LastExportTextFile, kPathLimit);
    v.text(misc, "Last Group", m.LastGroup, kPathLimit);
    for (std::size_t i = 0; i < m.LastFiles.size(); ++i)
        v.text(misc, "Last File " + std::to_string(i + 1), m.LastFiles[i], 254);
    v.integer(misc, "Window Size", m.WindowSize, 14);
    v.boolean(misc, "Background Bitmap", m.BackgroundBitmap);
    auto& lexicon = s.Lexicon;
    v.integer(misc, "Dictionary", lexicon.Dictionary);
    v.integer(misc, "User Dictionary", lexicon.UserDictionary);
    v.integer(misc, "Thesaurus", lexicon.Thesaurus);
    v.integer(misc, "User Thesaurus", lexicon.UserThesaurus);
    v.boolean(misc, "Show Tips", m.ShowTips);
    // Our own, behind the keys older files know.
    v.integer(misc, "Next Tip", m.NextTip);

    constexpr const char* html = "HTML";
    const std::pair<const char*, HtmlHeading*> headings[] = {{"First Header", &s.Html.FirstHeader},
                                                             {"Second Header", &s.Html.SecondHeader},
                                                             {"First Footer", &s.Html.FirstFooter},
                                                             {"Second Footer", &s.Html.SecondFooter}};
    for (const auto& [name, heading] : headings) {
        const std::string key = name;
        v.text(html, key, heading->Text, 999);
        v.boolean(html, "Bold " + key, heading->Bold);
        v.boolean(html, "Italic " + key, heading->Italic);
        v.boolean(html, "Center " + key, heading->Center);
        v.integer(html, "Font " + key, heading->Font);
    }
    v.boolean(html, "Horizontal Upper", s.Html.HorizontalUpper);
    v.boolean(html, "Horizontal Lower", s.Html.HorizontalLower);
    v.text(html, "Web Title", s.Html.WebTitle, kPathLimit, 100);
    // Our own, behind the keys older files know.
    v.text(html, "Last Play Page File", s.Html.LastPlayPageFile, kPathLimit);
    v.text(html, "Last Web Puzzles Index", s.Html.LastWebPuzzlesIndex, kPathLimit);
    v.boolean(html, "Play Show Answers", s.Html.PlayShowAnswers);

    constexpr const char* options = "Create Options";
    auto& words = s.WordList;
    auto& generation = words.Generation;
    v.boolean(options, "Use Clues", words.UseClues);
    v.boolean(options, "Shrink", generation.Shrink);
    v.integer(options, "Attempts", generation.Attempts);
    v.integer(options, "Integration", generation.Integration);
    v.character(options, "Sep Char", words.SepChar, ':');
    v.integer(options, "Import Option", words.ImportOption);
    v.integer(options, "Export Option", words.ExportOption);
    v.integer(options, "Last Shape", s.Shapes.LastShape);
    for (std::size_t i = 0; i < lexicon.IntKeys.size(); ++i)
        v.text(options, "Int Key " + std::to_string(i + 1), lexicon.IntKeys[i], kNoLimit, 4);
    // Our own, behind the keys older files know.
    v.boolean(options, "Avoid Second Readings", words.AvoidSecondReadings);
    v.boolean(options, "Place Every Word", generation.PlaceEveryWord);
    v.integer(options, "Packing Seconds", generation.PackingSeconds);

    // The keys of the allowed directions, in the order the file keeps them, with their codes.
    constexpr std::pair<const char*, int> directions[] = {{"Up Right", 2}, {"Down", 5},      {"Down Right", 4},
                                                          {"Left", 7},     {"Down Left", 6}, {"Up", 1},
                                                          {"Up Left", 8},  {"Right", 3}};
    for (const auto& [key, code] : directions) v.boolean("Create", key, generation.Allowed[code - 1]);

    constexpr const char* page = "Page Layout";
    auto& p = s.PageLayout;
    v.integer(page, "Zoom", p.Zoom);
    v.integer(page, "Page Designer Window Left", p.DesignerWindowLeft);
    v.integer(page, "Page Designer Window Top", p.DesignerWindowTop);
    v.integer(page, "Page Designer Window Width", p.DesignerWindowWidth);
    v.integer(page, "Page Designer Window Height", p.DesignerWindowHeight);
    v.integer(page, "Default Page", p.DefaultPage);

    constexpr const char* reports = "Reports";
    auto& r = s.Reports;
    auto& print = r.Print;
    v.boolean(reports, "Default Printer", r.DefaultPrinter);
    v.integer(reports, "Printer Index", r.PrinterIndex);
    v.integer(reports, "Report Viewing Window Left", r.ViewingWindowLeft);
    v.integer(reports, "Report Viewing Window Top", r.ViewingWindowTop);
    v.integer(reports, "Report Viewing Window Width", r.ViewingWindowWidth);
    v.integer(reports, "Report Viewing Window Height", r.ViewingWindowHeight);
    v.integer(reports, "Pixel Width", r.PixelWidth);
    v.integer(reports, "JPeg Compression Quality", r.JpegCompressionQuality);
    v.integer(reports, "Pixel Format", r.PixelFormat);
    v.boolean(reports, "Use Grid", print.UseGrid);
    v.boolean(reports, "Lower Case", print.LowerCase);
    v.boolean(reports, "Answer Key", print.AnswerKey);
    v.boolean(reports, "Print Title", print.PrintTitle);
    v.boolean(reports, "Print Body", print.PrintBody);
    v.boolean(reports, "Print Words", print.PrintWords);
    v.boolean(reports, "Print Bonus", print.PrintBonus);
    v.boolean(reports, "Clue Underscore", print.ClueUnderscore);
    v.boolean(reports, "Partial Underscore", print.PartialUnderscore);
    v.integer(reports, "Num Columns", print.NumColumns);
    v.integer(reports, "Word Option", print.WordOption);
    v.integer(reports, "First Letters", print.FirstLetters);
    v.integer(reports, "Last Letters", print.LastLetters);
    v.integer(reports, "Letter Spacing", print.LetterSpacing);
    v.integer(reports, "Line Spacing", print.LineSpacing);
    v.text(reports, "Last PDF File", r.LastPdfFile, kPathLimit);
    v.text(reports, "Last Export PNG File", s.Exports.LastExportPngFile, kPathLimit);
    v.text(reports, "Last Export SVG File", s.Exports.LastExportSvgFile, kPathLimit);

    constexpr const char* book = "Book";
    v.integer(book, "Keys Per Page", s.Book.KeysPerPage);
    v.boolean(book, "Page Numbers", s.Book.PageNumbers);
    v.boolean(book, "Contents Page", s.Book.ContentsPage);
    v.boolean(book, "File Order", s.Book.FileOrder);
    v.text(book, "Last Book File", s.Book.LastBookFile, kPathLimit);

    const std::pair<const char*, UiFontSettings*> fonts[] = {
        {"Edit Font", &s.EditFont}, {"Label Font", &s.LabelFont}, {"Button Font", &s.ButtonFont}};
    for (const auto& [section, font] : fonts) {
        v.text(section, "Font Name", font->FontName, kPathLimit);
        v.boolean(section, "Bold", font->Bold);
        v.boolean(section, "Italic", font->Italic);
        v.integer(section, "Color", font->Color);
    }
}

// The first count characters of UTF-8 text.
std::string firstCharacters(const std::string& text, std::size_t count)
{
    std::size_t pos = 0;
    for (std::size_t seen = 0; pos < text.size() && seen < count; ++seen) {
        ++pos;
        while (pos < text.size() && (static_cast<unsigned char>(text[pos]) & 0xC0) == 0x80) ++pos;
    }
    return text.substr(0, pos);
}

// Leading blanks and a sign are skipped and the digits up to the first other character taken.
// Trailing characters behind the digits drop the sign, as the profile functions read numbers.
int parseProfileInteger(std::string_view text)
{
    std::size_t pos = 0;
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) negative = text[pos++] == '-';
    long long value = 0;
    const std::size_t firstDigit = pos;
    for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos)
        value = std::min<long long>(value * 10 + (text[pos] - '0'), 1LL << 40);
    if (pos == firstDigit) return 0;
    if (pos < text.size()) negative = false;
    if (negative) value = -value;
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

class SettingsReader {
public:
    explicit SettingsReader(const ProfileDocument& document) : m_document(document) {}

    void text(const std::string& section, const std::string& key, std::string& field, std::size_t readLimit,
              std::size_t keptLimit = kNoLimit)
    {
        if (auto value = read(section, key)) field = firstCharacters(*value, std::min(readLimit, keptLimit));
    }
    void boolean(const std::string& section, const std::string& key, bool& field)
    {
        if (auto value = read(section, key)) {
            for (char& c : *value)
                if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
            field = *value == "YES";
        }
    }
    template <typename Integer>
    void integer(const std::string& section, const std::string& key, Integer& field, std::size_t readLimit = kNoLimit)
    {
        if (auto value = read(section, key)) field = parseProfileInteger(firstCharacters(*value, readLimit));
    }
    void character(const std::string& section, const std::string& key, char& field, char whenEmpty)
    {
        if (auto value = read(section, key)) {
            const std::string byte = utf8ToCp1252(firstCharacters(*value, 1));
            field = byte.empty() ? whenEmpty : byte[0];
        }
    }

private:
    // Values in UTF-8; a value that is not valid UTF-8 comes from a file written on Windows.
    std::optional<std::string> read(const std::string& section, const std::string& key) const
    {
        auto value = m_document.value(section, key);
        if (value && !isValidUtf8(*value)) value = cp1252ToUtf8(*value);
        return value;
    }

    const ProfileDocument& m_document;
};

class SettingsWriter {
public:
    explicit SettingsWriter(ProfileDocument& document) : m_document(document) {}

    void text(const std::string& section, const std::string& key, const std::string& field, std::size_t,
              std::size_t = kNoLimit)
    {
        m_document.setValue(section, key, field);
    }
    void boolean(const std::string& section, const std::string& key, bool field)
    {
        m_document.setValue(section, key, field ? "Yes" : "No");
    }
    template <typename Integer>
    void integer(const std::string& section, const std::string& key, Integer field, std::size_t = kNoLimit)
    {
        m_document.setValue(section, key, std::to_string(field));
    }
    void character(const std::string& section, const std::string& key, char field, char)
    {
        m_document.setValue(section, key, cp1252ToUtf8(std::string_view(&field, 1)));
    }

private:
    ProfileDocument& m_document;
};

std::filesystem::path settingsPath(const std::filesystem::path& workingDirectory)
{
    return workingDirectory / kSettingsFileName;
}

ProfileDocument readDocument(const std::filesystem::path& workingDirectory)
{
    auto contents = readWholeFile(settingsPath(workingDirectory));
    return ProfileDocument::parse(contents ? *contents : std::string());
}

std::string textWithSettings(ProfileDocument document, const Settings& settings)
{
    SettingsWriter writer(document);
    Settings copy = settings;
    visitSettings(copy, writer);
    return document.text();
}

Settings defaultSettings(const std::filesystem::path& workingDirectory)
{
    Settings s;
    const std::string wd = workingDirectory.string();
    for (std::string* path :
         {&s.Misc.LastImportPuzzleFile, &s.Misc.LastExportPuzzleFile, &s.Shapes.LastImportShapeFile,
          &s.Shapes.LastExportShapeFile, &s.PageLayout.LastImportLayoutFile, &s.PageLayout.LastExportLayoutFile,
          &s.WordList.LastImportWordFile, &s.WordList.LastExportWordFile, &s.Exports.LastExportBitmapFile,
          &s.Exports.LastExportJpegFile, &s.Exports.LastExportEmfFile, &s.Exports.LastExportWmfFile,
          &s.Exports.LastExportHtmlFile, &s.Exports.LastExportTextFile, &s.Html.LastPlayPageFile})
        *path = wd;
    std::error_code ignored;
    const bool sampleOnly = std::filesystem::exists(workingDirectory / "SAMPLE.QZ3", ignored) &&
                            !std::filesystem::exists(workingDirectory / "DEFAULT.QZ3", ignored);
    s.Misc.LastGroup = (workingDirectory / (sampleOnly ? "SAMPLE.QZ3" : "DEFAULT.QZ3")).string();
    return s;
}

}  // namespace

Settings LoadSettings(const std::filesystem::path& workingDirectory)
{
    Settings settings = defaultSettings(workingDirectory);
    const ProfileDocument document = readDocument(workingDirectory);
    SettingsReader reader(document);
    visitSettings(settings, reader);
    return settings;
}

std::string settingsFileText(const Settings& settings, const std::filesystem::path& workingDirectory)
{
    return textWithSettings(readDocument(workingDirectory), settings);
}

Status SaveSettings(const Settings& settings, const std::filesystem::path& workingDirectory, const FileFaults& faults)
{
    // The file keeps the sections and keys of others, so one that is there but cannot be read is
    // not written over with only ours.
    const std::filesystem::path path = settingsPath(workingDirectory);
    auto old = readWholeFile(path, faults);
    std::error_code absent;
    if (!old && (std::filesystem::exists(path, absent) || absent)) return old.failure();
    return writeFileAtomically(path, textWithSettings(ProfileDocument::parse(old ? *old : std::string()), settings),
                               faults);
}

}  // namespace qm
