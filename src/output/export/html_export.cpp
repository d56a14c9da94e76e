#include "output/export/html_export.h"

#include <algorithm>

#include "common/binary_file.h"
#include "common/cp1252.h"
#include "common/text_rules.h"
#include "output/export/export_messages.h"

namespace qm {
namespace {

constexpr const char* kLineEnd = "\r\n";
constexpr const char* kRuleLine = "  <HR><P>";
constexpr int kSmallestFontSize = 1;
constexpr int kLargestFontSize = 7;

std::string line(std::string_view text) { return std::string(text) + kLineEnd; }

// One line, or nothing for an empty block.
std::string blockLine(const HtmlHeading& block)
{
    if (block.Text.empty()) return {};
    const int size = std::clamp(block.Font, kSmallestFontSize, kLargestFontSize);
    std::string html = "<FONT SIZE=" + std::to_string(size) + ">" + utf8ToCp1252(block.Text) + "</FONT>";
    if (block.Bold) html = "<B>" + html + "</B>";
    if (block.Italic) html = "<I>" + html + "</I>";
    if (block.Center) html = "<CENTER>" + html + "</CENTER>";
    return line("  " + html + "<P>");
}

// A file name as a relative URL: letters, digits and the marks that mean nothing in a path or
// an attribute stay; every other byte of the UTF-8 name is written as %XX.
std::string relativeUrl(const std::filesystem::path& name)
{
    constexpr std::string_view kKept = "-._~!$'()*+,;=@";
    constexpr std::string_view kHex = "0123456789ABCDEF";
    std::string url;
    for (const char c : name.string()) {
        const auto byte = static_cast<unsigned char>(c);
        const bool letterOrDigit = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
        if (letterOrDigit || kKept.find(c) != std::string_view::npos) {
            url += c;
        } else {
            url += '%';
            url += kHex[byte >> 4];
            url += kHex[byte & 0x0F];
        }
    }
    return url;
}

}  // namespace

std::filesystem::path HtmlPicturePath(const std::filesystem::path& htmlFile)
{
    std::filesystem::path picture = htmlFile;
    return picture.replace_extension("JPG");
}

std::string HtmlPageText(const HtmlSettings& settings, const std::filesystem::path& pictureName)
{
    const std::string title = std::string(trimmed(utf8ToCp1252(settings.WebTitle))).substr(0, kWebTitleLimit);
    std::string page = line("<HTML>") + line(" <HEAD>") + line("  <TITLE>" + title + "</TITLE>") +
                       line("  <META NAME=\"GENERATOR\" CONTENT=\"Norvale / Quillmaze 97\">") + line(" </HEAD>") +
                       line(" <BODY>") + blockLine(settings.FirstHeader) + blockLine(settings.SecondHeader);
    if (settings.HorizontalUpper) page += line(kRuleLine);
    page += line("  <CENTER><IMG SRC=\"" + relativeUrl(pictureName) + "\" ALT=\"Quillmaze 97 Puzzle\"></CENTER><P>");
    if (settings.HorizontalLower) page += line(kRuleLine);
    page += blockLine(settings.FirstFooter) + blockLine(settings.SecondFooter) + line(" </BODY>") + line("</HTML>");
    return page;
}

CommandOutcome SaveHtmlPage(const HtmlSettings& settings, const std::filesystem::path& htmlFile,
                            const FileFaults& faults)
{
    const std::string page = HtmlPageText(settings, HtmlPicturePath(htmlFile).filename());
    if (Status written = writeFileAtomically(htmlFile, page, faults); !written)
        return CommandOutcome::fromFailure(written.failure(), ExportMessages::HtmlCannotCreate);
    return CommandOutcome::done();
}

}  // namespace qm
