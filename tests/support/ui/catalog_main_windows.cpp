// The catalog's windows of the program itself: the main window on a copy of the sample
// collection, its About box, the Tip of the Day and help, the font dialog of the user fonts, and the PDF book.
#include <QApplication>

#include "app/screen_size.h"
#include "app/ui/about_box.h"
#include "app/ui/help_viewer.h"
#include "app/ui/main_window.h"
#include "app/ui/tip_of_the_day_dialog.h"
#include "book/ui/book_dialog.h"
#include "collection/collection_file.h"
#include "common/ui/font_choice_dialog.h"
#include "support/temp_dir.h"
#include "support/ui/scripted_dialogs.h"
#include "support/ui/window_catalog.h"

namespace qm::test {
namespace {

int windowSizeOf(double scale)
{
    for (const ScreenSize& size : kScreenSizes)
        if (size.scale == scale) return size.windowSize;
    return 640;
}

void openMainWindow(double scale, const WindowLook& look)
{
    TempDir dir;
    ScriptedDialogs dialogs;
    const std::filesystem::path collection = dir / "SAMPLE.QZ3";
    std::filesystem::copy_file(QM_SAMPLE_COLLECTION, collection);
    writeFile(dir / "QMAZE3.INI", "[Misc]\r\nLast Group=" + collection.string() + "\r\nWindow Size=" +
                                      std::to_string(windowSizeOf(scale)) + "\r\nShow Tips=No\r\n");
    MainWindowEnvironment environment{QM_PROGRAM_DIR, dir.path(), &dialogs, QSize(1280, 1024)};
    TMainWin window(std::move(environment), programLinks());
    showAndLook(window, look);
}

}  // namespace

void addMainWindows(std::vector<CatalogWindow>& catalog)
{
    catalog.push_back({"Quillmaze 98 (main window)", openMainWindow});
    catalog.push_back({"About", [](double scale, const WindowLook& look) {
                           UiStyle style;
                           style.scale = scale;
                           AboutBox about(style);
                           showAndLook(about, look);
                       }});
    catalog.push_back({"Tip of the Day", [](double scale, const WindowLook& look) {
                           UiStyle style;
                           style.scale = scale;
                           TipOfTheDayDialog tips(style, {"A puzzle can hide up to 330 words, each with a clue."}, 0,
                                                  true);
                           showAndLook(tips, look);
                       }});
    catalog.push_back({"Quillmaze 98 Help",
                       [](double, const WindowLook& look) {
                           HelpViewer help(std::filesystem::path(QM_PROGRAM_DIR) / kHelpFolder);
                           help.showPage(kHelpContents);
                           showAndLook(help, look);
                       },
                       false});
    catalog.push_back({"Label Font",
                       [](double, const WindowLook& look) {
                           FontChoiceDialog fonts(FontRequest{"Label Font", FontChoice{QFont("Arial"), Qt::black}});
                           showAndLook(fonts, look);
                       },
                       false});
    catalog.push_back({kBookDialogCaption, [](double scale, const WindowLook& look) {
                           UiStyle style;
                           style.scale = scale;
                           const std::vector<std::string> categories =
                               CollectionFile(QM_SAMPLE_COLLECTION).ListPuzzles().CategoryNames;
                           TBookDialog book(style, categories, BookSettings(), PrintOptions());
                           showAndLook(book, look);
                       }});
}

}  // namespace qm::test
