// The About box: program name, version and what the program is for.
#pragma once

#include "common/ui/ui_style.h"

namespace qm {

class AboutBox : public StyledDialog {
public:
    explicit AboutBox(const UiStyle& style, QWidget* parent = nullptr);
};

}  // namespace qm
