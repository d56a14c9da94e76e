// What the width and quality boxes of the picture exports accept, for the dialogs and the
// command-line tool alike.
#pragma once

#include <optional>
#include <string_view>

namespace qm {

// A whole number of 1 to 9999 pixels (validPictureWidth), blanks around it allowed; nothing
// otherwise (the dialog then says "Invalid width specified.  Please correct.").
std::optional<int> ParsePictureWidth(std::string_view text);

// A whole number of 1 to 100; nothing otherwise ("Invalid factor entered.  Factor must be
// between 1 and 100").
std::optional<int> ParseJpegQuality(std::string_view text);

}  // namespace qm
