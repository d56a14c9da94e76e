// How the main window names the current collection.
#pragma once

#include <string>
#include <string_view>

namespace qm {

inline constexpr const char* kApplicationTitle = "Quillmaze 98";

// The file name without its folder and without its last four characters (the extension with
// its dot): /home/ann/SCHOOL.QZ3 gives SCHOOL.
std::string collectionDisplayName(std::string_view path);

// "Quillmaze 98 (SCHOOL)".
std::string mainWindowCaption(std::string_view path);

}  // namespace qm
