#include "app/help_pages.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <optional>
#include <system_error>

#include "common/binary_file.h"
#include "common/cp1252.h"
#include "common/text_rules.h"

namespace qm {
namespace {

char lowered(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

bool startsWithNoCase(std::string_view text, std::size_t at, std::string_view prefix)
{
    return text.size() - at >= prefix.size() && equalsIgnoringCase(text.substr(at, prefix.size()), prefix);
}

// A character reference that names no character stands for the replacement character.
void appendReferenced(std::string& out, std::uint32_t code)
{
    if (code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) code = 0xFFFD;
    appendUtf8(out, code);
}

std::optional<std::uint32_t> numericEntity(std::string_view digits)
{
    const bool hex = !digits.empty() && (digits[0] == 'x' || digits[0] == 'X');
    if (hex) digits.remove_prefix(1);
    if (digits.empty() || digits.size() > 7) return std::nullopt;
    std::uint32_t code = 0;
    for (char c : digits) {
        const int digit = std::isdigit(static_cast<unsigned char>(c)) ? c - '0'
                          : hex && std::isxdigit(static_cast<unsigned char>(c)) ? lowered(c) - 'a' + 10
                                                                                  : -1;
        if (digit < 0) return std::nullopt;
        code = code * (hex ? 16 : 10) + static_cast<std::uint32_t>(digit);
    }
    return code;
}

// The entities the pages are written with; any other is kept as written.
std::optional<std::uint32_t> namedEntity(std::string_view name)
{
    struct Named {
        std::string_view name;
        std::uint32_t code;
    };
    static constexpr Named kNamed[] = {{"amp", '&'},     {"lt", '<'},       {"gt", '>'},      {"quot", '"'},
                                       {"apos", '\''},   {"nbsp", ' '},     {"ndash", 0x2013}, {"mdash", 0x2014},
                                       {"rarr", 0x2192}, {"larr", 0x2190},  {"hellip", 0x2026}, {"copy", 0xA9},
                                       {"times", 0xD7},  {"rsquo", 0x2019}, {"lsquo", 0x2018}, {"ldquo", 0x201C},
                                       {"rdquo", 0x201D}};
    for (const Named& named : kNamed)
        if (named.name == name) return named.code;
    return std::nullopt;
}

std::string decodeEntities(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] == '&') {
            const std::size_t semicolon = text.find(';', at + 1);
            if (semicolon != std::string_view::npos && semicolon - at <= 10) {
                const std::string_view name = text.substr(at + 1, semicolon - at - 1);
                const auto code = !name.empty() && name[0] == '#' ? numericEntity(name.substr(1)) : namedEntity(name);
                if (code) {
                    appendReferenced(out, *code);
                    at = semicolon;
                    continue;
                }
            }
        }
        out += text[at];
    }
    return out;
}

std::string foldBlanks(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        const bool blank = std::isspace(static_cast<unsigned char>(c)) != 0;
        if (blank && (out.empty() || out.back() == ' ')) continue;
        out += blank ? ' ' : c;
    }
    if (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
}

// A tag read from the text: its name in lower case ("/h2" for a closing one) and its attributes' text.
struct Tag {
    std::string name;
    std::string_view attributes;
    std::size_t end = 0;  // just past the '>'
};

Tag readTag(std::string_view html, std::size_t open)
{
    Tag tag;
    std::size_t at = open + 1;
    while (at < html.size() && (std::isalnum(static_cast<unsigned char>(html[at])) || html[at] == '/' ||
                                html[at] == '!' || html[at] == '-'))
        tag.name += lowered(html[at++]);
    // A comment ends at "-->", whatever it holds.
    const std::size_t close =
        tag.name.rfind("!--", 0) == 0 ? html.find("-->", at) : html.find('>', at);
    const std::size_t stop = close == std::string_view::npos ? html.size() : close;
    tag.attributes = html.substr(at, stop - at);
    tag.end = close == std::string_view::npos ? html.size() : close + (tag.name.rfind("!--", 0) == 0 ? 3 : 1);
    return tag;
}

std::string attributeOf(std::string_view attributes, std::string_view name)
{
    for (std::size_t at = 0; at < attributes.size(); ++at) {
        if (!startsWithNoCase(attributes, at, name)) continue;
        if (at > 0 && !std::isspace(static_cast<unsigned char>(attributes[at - 1]))) continue;
        std::size_t equals = at + name.size();
        while (equals < attributes.size() && attributes[equals] == ' ') ++equals;
        if (equals >= attributes.size() || attributes[equals] != '=') continue;
        std::size_t value = equals + 1;
        while (value < attributes.size() && attributes[value] == ' ') ++value;
        if (value >= attributes.size()) return {};
        const char quote = attributes[value];
        if (quote == '"' || quote == '\'') {
            const std::size_t end = attributes.find(quote, value + 1);
            return decodeEntities(attributes.substr(value + 1, (end == std::string_view::npos ? attributes.size() : end) -
                                                                   value - 1));
        }
        std::size_t end = value;
        while (end < attributes.size() && !std::isspace(static_cast<unsigned char>(attributes[end]))) ++end;
        return decodeEntities(attributes.substr(value, end - value));
    }
    return {};
}

int headingLevel(const std::string& name)
{
    return name.size() == 2 && name[0] == 'h' && name[1] >= '1' && name[1] <= '6' ? name[1] - '0' : 0;
}

}  // namespace

std::string plainTextOfHtml(std::string_view html)
{
    std::string text;
    for (std::size_t at = 0; at < html.size();) {
        if (html[at] != '<') {
            const std::size_t next = std::min(html.find('<', at), html.size());
            text.append(html.substr(at, next - at));
            at = next;
            continue;
        }
        const Tag tag = readTag(html, at);
        // Words either side of a tag that is not inline markup stay apart.
        static constexpr std::string_view kInline[] = {"a", "/a", "b", "/b", "i", "/i", "code", "/code",
                                                       "kbd", "/kbd", "em", "/em", "strong", "/strong", "span", "/span"};
        if (std::find(std::begin(kInline), std::end(kInline), tag.name) == std::end(kInline)) text += ' ';
        at = tag.end;
    }
    return foldBlanks(decodeEntities(text));
}

HelpPage parseHelpPage(std::string file, std::string_view html)
{
    HelpPage page;
    page.file = std::move(file);
    std::size_t bodyStart = 0;
    for (std::size_t at = html.find('<'); at != std::string_view::npos; at = html.find('<', at)) {
        const Tag tag = readTag(html, at);
        if (tag.name == "title") {
            const std::size_t end = html.find("</", tag.end);
            page.title = plainTextOfHtml(html.substr(tag.end, (end == std::string_view::npos ? html.size() : end) - tag.end));
        } else if (tag.name == "body") {
            bodyStart = tag.end;
        } else if (const int level = headingLevel(tag.name)) {
            const std::string closing = "</" + tag.name;
            std::size_t end = tag.end;
            while (end < html.size() && !startsWithNoCase(html, end, closing)) ++end;
            page.headings.push_back({level, attributeOf(tag.attributes, "id"),
                                     plainTextOfHtml(html.substr(tag.end, end - tag.end))});
        } else if (tag.name == "a") {
            std::string href = attributeOf(tag.attributes, "href");
            if (!href.empty()) page.links.push_back(std::move(href));
        }
        at = std::max(tag.end, at + 1);
    }
    page.text = plainTextOfHtml(html.substr(std::min(bodyStart, html.size())));
    for (const HelpHeading& heading : page.headings)
        if (page.title.empty()) page.title = heading.text;
    if (page.title.empty()) page.title = page.file;
    return page;
}

std::vector<HelpPage> readHelpPages(const std::filesystem::path& folder)
{
    std::vector<std::filesystem::path> files;
    std::error_code error;
    for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end; entry.increment(error)) {
        const std::filesystem::path& path = entry->path();
        std::error_code sizeError;
        if (!hasExtension(path.string(), ".html") || !entry->is_regular_file(sizeError)) continue;
        if (entry->file_size(sizeError) > kLargestHelpPage || sizeError) continue;
        files.push_back(path);
    }
    std::sort(files.begin(), files.end());
    std::vector<HelpPage> pages;
    for (const std::filesystem::path& path : files) {
        auto html = readWholeFile(path);
        if (html) pages.push_back(parseHelpPage(path.filename().string(), html.value()));
    }
    return pages;
}

}  // namespace qm
