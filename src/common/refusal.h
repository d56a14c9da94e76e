// What the user is told when something they asked for cannot be done, or must be confirmed: the
// text of a message box and its caption.
#pragma once

#include <string>

namespace qm {

inline constexpr const char* kErrorCaption = "Error";
inline constexpr const char* kWarningCaption = "Warning";
inline constexpr const char* kNoticeCaption = "Notice";

struct Refusal {
    std::string message;
    std::string caption = kErrorCaption;

    bool operator==(const Refusal&) const = default;
};

}  // namespace qm
