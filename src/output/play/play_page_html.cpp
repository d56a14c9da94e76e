#include "output/play/play_page_html.h"

#include <cstdio>

#include "output/play/answer_code.h"
#include "output/play/play_page_assets.h"

namespace qm {
namespace {

constexpr const char* kUntitled = "Word Search Puzzle";
// The mask of this slot names the puzzle in the browser's storage; no listed word has it.
constexpr std::uint32_t kPuzzleSlot = 0xFFFFFFFF;

std::string attribute(std::string_view name, std::string_view value)
{
    return " " + std::string(name) + "=\"" + HtmlEscaped(value) + "\"";
}

std::string hex(std::uint32_t value)
{
    char text[9];
    std::snprintf(text, sizeof text, "%08x", value);
    return text;
}

std::string head(const PlayPage& page)
{
    const std::string policy = std::string("default-src 'none'; script-src '") + kPlayScriptHash +
                               "'; style-src '" + kPlayStyleHash + "'; base-uri 'none'; form-action 'none'";
    const std::string title = page.title.empty() ? kUntitled : page.title;
    return "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
           "<meta http-equiv=\"Content-Security-Policy\"" + attribute("content", policy) + ">\n"
           "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
           "<meta name=\"generator\" content=\"Quillmaze 98\">\n"
           "<title>" + HtmlEscaped(title) + "</title>\n<style>" + kPlayStyle + "</style>\n</head>\n";
}

std::string gridRows(const PlayPage& page)
{
    std::string rows;
    auto cell = page.cells.begin();
    for (int row = 1; row <= page.height; ++row) {
        rows += "<div role=\"row\">";
        for (int column = 1; column <= page.width; ++column) {
            if (cell != page.cells.end() && cell->row == row && cell->column == column) {
                rows += "<span role=\"gridcell\" tabindex=\"-1\"" + attribute("data-row", std::to_string(row)) +
                        attribute("data-col", std::to_string(column)) + ">" + HtmlEscaped(cell->letter) + "</span>";
                ++cell;
            } else {
                rows += "<span class=\"hole\" aria-hidden=\"true\"></span>";
            }
        }
        rows += "</div>\n";
    }
    return rows;
}

std::string wordList(const PlayPage& page)
{
    if (page.words.empty()) return {};
    std::string list = std::string("<section class=\"list\"><h2>") + (page.clues ? "Clues" : "Words") + "</h2>\n" +
                       (page.clues ? "<ol" : "<ul") + " class=\"words\" aria-label=\"" +
                       (page.clues ? "Clues" : "Words to find") + "\">\n";
    for (const PlayWord& word : page.words)
        list += "<li" + attribute("data-word", std::to_string(word.number)) + attribute("data-found", "false") +
                (word.placed ? "" : " data-placed=\"false\"") + "><span class=\"entry\">" + HtmlEscaped(word.entry) +
                "</span></li>\n";
    return list + (page.clues ? "</ol>" : "</ul>") + "</section>\n";
}

std::string controls(const PlayPageOptions& options)
{
    std::string buttons = "<div class=\"controls\"><button type=\"button\" id=\"restart\">Start again</button>";
    if (options.showAnswersButton) buttons += "<button type=\"button\" id=\"show-answers\">Show answers</button>";
    return buttons + "</div>\n";
}

}  // namespace

std::string HtmlEscaped(std::string_view text)
{
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '&': escaped += "&amp;"; break;
        case '<': escaped += "&lt;"; break;
        case '>': escaped += "&gt;"; break;
        case '"': escaped += "&quot;"; break;
        case '\'': escaped += "&#39;"; break;
        default: escaped += c;
        }
    }
    return escaped;
}

std::string PlayPageHtml(const PlayPage& page, const PlayPageOptions& options)
{
    const std::uint32_t key = AnswerKeyOf(page);
    std::string html = head(page);
    html += "<body" + attribute("data-puzzle", hex(AnswerMask(key, kPuzzleSlot)) + "-" + std::to_string(page.width) + "x" +
                                                   std::to_string(page.height) + "-" + std::to_string(page.words.size())) +
            " data-solved=\"false\">\n<main" + attribute("data-answers", EncodedWords(page, key)) +
            attribute("data-phrase", EncodedPhrase(page, key)) + ">\n";
    if (!page.title.empty()) html += "<h1>" + HtmlEscaped(page.title) + "</h1>\n";
    html += "<p class=\"status\"><span id=\"found\"></span> <span id=\"clock\" aria-label=\"Time\">0:00</span></p>\n";
    html += "<div class=\"board\"><div class=\"grid\" role=\"grid\" aria-label=\"Letter grid\"" +
            attribute("data-cols", std::to_string(page.width)) + attribute("data-rows", std::to_string(page.height)) +
            ">\n" + gridRows(page) + "</div></div>\n";
    html += wordList(page);
    if (!page.bonusQuestion.empty()) html += "<p class=\"bonus\">" + HtmlEscaped(page.bonusQuestion) + "</p>\n";
    html += "<p id=\"solved\" hidden></p>\n" + controls(options);
    html += "<div id=\"announce\" class=\"announce\" aria-live=\"polite\" role=\"status\"></div>\n</main>\n";
    html += std::string("<script>") + kPlayScript + "</script>\n</body>\n</html>\n";
    return html;
}

}  // namespace qm
