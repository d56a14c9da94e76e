// Record texts (Windows-1252 bytes) at the boundary to Qt strings.
#pragma once

#include <string>
#include <string_view>

#include <QString>

namespace qm {

QString toQString(std::string_view cp1252);
// Characters without a Windows-1252 byte become '?'.
std::string toRecordText(const QString& text);

// Records and settings keep the lines of a text apart with CR LF; a memo (QPlainTextEdit) shows
// and returns them with LF alone.
QString withMemoLineBreaks(QString recordText);
QString withRecordLineBreaks(QString memoText);

}  // namespace qm
