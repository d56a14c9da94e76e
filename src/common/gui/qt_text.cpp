#include "common/gui/qt_text.h"

#include <utility>

#include "common/cp1252.h"

namespace qm {

QString toQString(std::string_view cp1252)
{
    QString text;
    text.reserve(static_cast<qsizetype>(cp1252.size()));
    for (char byte : cp1252)
        text.append(QChar(static_cast<char16_t>(cp1252ToCodePoint(static_cast<unsigned char>(byte)))));
    return text;
}

std::string toRecordText(const QString& text)
{
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar c : text) {
        const int byte = codePointToCp1252(c.unicode());
        bytes.push_back(byte < 0 ? '?' : static_cast<char>(byte));
    }
    return bytes;
}

QString withMemoLineBreaks(QString recordText) { return recordText.replace("\r\n", "\n"); }

QString withRecordLineBreaks(QString memoText) { return withMemoLineBreaks(std::move(memoText)).replace("\n", "\r\n"); }

}  // namespace qm
