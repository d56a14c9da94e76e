#include "lexicon/international_keys.h"

#include "common/text_rules.h"

namespace qm {

int offeredPosition(std::string_view setting)
{
    const auto code = leadingNumber(setting);
    if (!code || *code < kFirstOfferedCharacter || *code >= kFirstOfferedCharacter + kOfferedCharacters) return 0;
    return static_cast<int>(*code - kFirstOfferedCharacter);
}

std::string settingOfPosition(int position) { return "0" + std::to_string(kFirstOfferedCharacter + position); }

std::optional<char> typedCharacter(std::string_view setting)
{
    const auto code = leadingNumber(setting);
    if (!code || *code < ' ' || *code > 255 || *code == 127) return std::nullopt;
    return static_cast<char>(static_cast<unsigned char>(*code));
}

}  // namespace qm
