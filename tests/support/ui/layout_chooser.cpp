#include "support/ui/layout_chooser.h"

namespace qm::test {

PageLayoutChooser layoutChooser(UserDialogs& dialogs, const UiStyle& style, PageLayoutSettings& settings,
                                std::filesystem::path programDirectory, std::filesystem::path collectionPath,
                                PageListMode mode)
{
    return [&dialogs, &style, &settings, programDirectory = std::move(programDirectory),
            collectionPath = std::move(collectionPath),
            mode](QWidget* parent, const PageLayoutRecord& current, const LayoutPreview& preview) {
        PageLayoutListContext context{dialogs, style, settings, programDirectory, collectionPath, {}, preview};
        PageLayoutListResult result = runPageLayoutList(parent, std::move(context), mode, current);
        settings = std::move(result.settings);
        return result.chosen;
    };
}

}  // namespace qm::test
