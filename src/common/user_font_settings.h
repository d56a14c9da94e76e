// One of the three user interface fonts as the settings file keeps it.
#pragma once

#include <cstdint>
#include <string>

namespace qm {

struct UiFontSettings {
    std::string FontName = "Arial";
    bool Bold = false;
    bool Italic = false;
    std::int32_t Color = 0;  // 0x00BBGGRR
};

}  // namespace qm
