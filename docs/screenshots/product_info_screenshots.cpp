// The Tip of the Day on the tips the program ships, the About box, and the help window at the
// manual's first page.
#include "app/tips_of_the_day.h"
#include "app/ui/about_box.h"
#include "app/ui/help_viewer.h"
#include "app/ui/tip_of_the_day_dialog.h"
#include "screenshots.h"

namespace qm::screenshots {

void takeProductInfoScreenshots(ScreenshotFolder& folder)
{
    const std::vector<std::string> tips = loadTips(QM_TIPS_FILE);
    require(tips.size() >= 30, "the tips of the day are shipped beside the program");
    UiStyle style;
    TipOfTheDayDialog tip(style, tips, 0, true);
    tip.show();
    folder.save(tip, "tip-of-the-day.png");

    AboutBox about(style);
    about.show();
    folder.save(about, "about.png");

    HelpViewer help(QM_HELP_FOLDER);
    require(help.showPage("getting_started.html"), "the manual is shipped beside the program");
    help.show();
    folder.save(help, "help-viewer.png");
}

}  // namespace qm::screenshots
