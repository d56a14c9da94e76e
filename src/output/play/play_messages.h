// The texts of the play pages: refusals and the captions of their windows, shared by the windows
// and the command-line tool.
#pragma once

#include "common/refusal.h"

namespace qm::PlayMessages {

inline constexpr const char* PageCaption = "Save Interactive Web Page";
inline constexpr const char* CollectionCaption = "Save Collection as Web Puzzles";
inline const Refusal CannotCreatePage{"Unable to create the web page.", kErrorCaption};
inline const Refusal CannotCreateFolder{"Unable to create the folder of the web puzzles.", kErrorCaption};
inline const Refusal NothingToPlay{"There is no generated puzzle to put on the web pages.", kErrorCaption};

}  // namespace qm::PlayMessages
