#include "lexicon/international_keys.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

TEST(InternationalKeysTest, ASettingGivesItsListPositionAndTheCharacterTyped)
{
    const struct {
        const char* setting;
        int position;  // in the dialog's list
        std::optional<char> typed;
    } cases[] = {
        {"0225", 33, '\xE1'},
        {"0241", 49, '\xF1'},
        {"0192", 0, '\xC0'},
        {"0255", 63, '\xFF'},
        // Codes the dialog does not offer show its first entry.
        {"0100", 0, 'd'},
        {"0191", 0, '\xBF'},
        {"0256", 0, std::nullopt},
        {"", 0, std::nullopt},
        {"abc", 0, std::nullopt},
        {"0009", 0, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(offeredPosition(c.setting), c.position) << c.setting;
        EXPECT_EQ(typedCharacter(c.setting), c.typed) << c.setting;
    }
}

TEST(InternationalKeysTest, AChosenPositionIsStoredAsFourCharacters)
{
    EXPECT_EQ(settingOfPosition(0), "0192");
    EXPECT_EQ(settingOfPosition(33), "0225");
    EXPECT_EQ(settingOfPosition(63), "0255");
}

}  // namespace
}  // namespace qm
