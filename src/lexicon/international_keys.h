// The characters the function keys F1 to F12 type in the word list editor. Each key's setting is
// a four-character code text, "0" and the character's Windows-1252 code: "0225" is a with acute.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qm {

// The dialog offers the 64 characters of the codes 192..255.
inline constexpr int kFirstOfferedCharacter = 192;
inline constexpr int kOfferedCharacters = 64;

// The position in the dialog's list of the key's setting; the first for a code it does not offer.
int offeredPosition(std::string_view setting);
// The setting of a position of the list: "0192" .. "0255".
std::string settingOfPosition(int position);
// The character a key types: the code's Windows-1252 byte, for a printable code 32..255 (not 127).
std::optional<char> typedCharacter(std::string_view setting);

}  // namespace qm
