// The version the program and its command-line tool answer with.
#pragma once

#include <string>

namespace qm {

// "3.0.0", set by the build from the project's version.
const char* programVersion();

// "Quillmaze 98 3.0.0": what --version prints.
std::string programVersionText();

}  // namespace qm
