// The font dialog as the Options menu opens it for the label font of the windows.
#include "common/ui/font_choice_dialog.h"
#include "common/ui/ui_style.h"
#include "screenshots.h"

namespace qm::screenshots {

void takeFontChoiceScreenshots(ScreenshotFolder& folder)
{
    const UiStyle style;
    FontChoiceDialog fonts(FontRequest{"Label Font", fontChoiceOf(style.labelFont)});
    fonts.show();
    folder.save(fonts, "font-choice.png");
}

}  // namespace qm::screenshots
