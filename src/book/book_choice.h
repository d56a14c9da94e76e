// What a book of a collection holds and how it is laid out, as the user chooses it.
#pragma once

#include <array>
#include <optional>
#include <string>

namespace qm {

// The order of the puzzles: as the main window lists them (category, then title) or as they lie
// in the file.
enum class BookOrder { Lists, File };

inline constexpr std::array<int, 4> kKeysPerPageChoices{1, 2, 4, 6};
inline bool validKeysPerPage(int keys)
{
    for (const int choice : kKeysPerPageChoices)
        if (keys == choice) return true;
    return false;
}

struct BookChoice {
    std::optional<std::string> Category;  // Windows-1252 bytes; nothing for every category
    BookOrder Order = BookOrder::Lists;
    int KeysPerPage = 4;
    bool PageNumbers = true;
    bool ContentsPage = false;
};

}  // namespace qm
