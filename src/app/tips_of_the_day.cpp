#include "app/tips_of_the_day.h"

#include <system_error>

#include "common/binary_file.h"
#include "common/cp1252.h"
#include "common/text_rules.h"

namespace qm {
namespace {

std::size_t characterCount(std::string_view utf8)
{
    std::size_t count = 0;
    for (const char byte : utf8)
        if ((static_cast<unsigned char>(byte) & 0xC0) != 0x80) ++count;
    return count;
}

bool holdsControlCharacters(std::string_view text)
{
    for (const char byte : text)
        if (static_cast<unsigned char>(byte) < 0x20 || byte == 0x7F) return true;
    return false;
}

bool endsSentence(std::string_view text)
{
    return !text.empty() && (text.back() == '.' || text.back() == '?' || text.back() == '!');
}

class TipCollector {
public:
    void addLine(std::string_view line)
    {
        if (line.empty()) {
            finishTip();
            return;
        }
        if (!m_tip.empty()) m_tip += endsSentence(m_tip) ? "  " : " ";
        m_tip += line;
    }

    std::vector<std::string> finish()
    {
        finishTip();
        return std::move(m_tips);
    }

private:
    void finishTip()
    {
        if (!m_tip.empty() && characterCount(m_tip) <= kLongestTip && isValidUtf8(m_tip) &&
            !holdsControlCharacters(m_tip))
            m_tips.push_back(m_tip);
        m_tip.clear();
    }

    std::string m_tip;
    std::vector<std::string> m_tips;
};

}  // namespace

std::vector<std::string> parseTips(std::string_view text)
{
    TipCollector tips;
    for (const std::string_view line : textLines(text)) {
        const std::string_view content = trimmed(line);
        if (content.starts_with('#')) continue;
        tips.addLine(content);
    }
    return tips.finish();
}

std::vector<std::string> loadTips(const std::filesystem::path& file)
{
    std::vector<std::string> tips;
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    if (!error && size <= kLargestTipsFile) {
        if (const auto contents = readWholeFile(file)) {
            DecodedTextFile decoded = decodeTextFile(*contents);
            if (decoded.encoding == TextFileEncoding::Windows1252) decoded.text = cp1252ToUtf8(decoded.text);
            tips = parseTips(decoded.text);
        }
    }
    if (tips.empty()) tips.emplace_back(kFallbackTip);
    return tips;
}

std::size_t firstTip(int nextTip, std::size_t count)
{
    if (count == 0) return 0;
    const auto wrapped = static_cast<long long>(nextTip) % static_cast<long long>(count);
    return static_cast<std::size_t>(wrapped < 0 ? wrapped + static_cast<long long>(count) : wrapped);
}

int nextTipAfter(std::size_t shown, std::size_t count)
{
    return count == 0 ? 0 : static_cast<int>((shown + 1) % count);
}

}  // namespace qm
