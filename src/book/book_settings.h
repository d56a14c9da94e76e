// The book choices the program remembers between books.
#pragma once

#include <string>

namespace qm {

struct BookSettings {
    int KeysPerPage = 4;
    bool PageNumbers = true;
    bool ContentsPage = false;
    bool FileOrder = false;
    std::string LastBookFile;  // where the last book was saved
};

}  // namespace qm
