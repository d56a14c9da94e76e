// Every window of the program, each set up on scratch files as a user meets it, for the tests
// that go through all of them at once: no text cut off at any window size, no control a screen
// reader cannot name. A window added to the program gets its entry here.
#pragma once

#include <functional>
#include <string>
#include <vector>

class QWidget;

namespace qm::test {

// Looks at a window while it is shown.
using WindowLook = std::function<void(QWidget& window)>;

struct CatalogWindow {
    std::string name;  // the caption, and the state it is shown in where there are several
    // Sets the window up at the scale (the Window Size factor), shows it, hands it to look,
    // and closes it again.
    std::function<void(double scale, const WindowLook& look)> open;
    // False for the stand-ins of the platform's own windows (the font dialog, the help viewer),
    // which keep the desktop's size as the system's dialogs and help do.
    bool followsWindowSize = true;
};

// Every window, subsystem by subsystem.
std::vector<CatalogWindow> windowCatalog();

// Opens the window at the scale and looks at it; a window that did not open fails the test.
void openAndLook(const CatalogWindow& window, double scale, const WindowLook& look);

// The parts of the catalog, one for each subsystem's windows.
void addMainWindows(std::vector<CatalogWindow>& catalog);
void addCollectionWindows(std::vector<CatalogWindow>& catalog);
void addWordListWindows(std::vector<CatalogWindow>& catalog);
void addLayoutWindows(std::vector<CatalogWindow>& catalog);
void addOutputWindows(std::vector<CatalogWindow>& catalog);
void addLexiconWindows(std::vector<CatalogWindow>& catalog);

// An entry whose window is set up on a scene of its part of the catalog: a scene made at the
// scale, then open(scene, look).
template <typename Scene, typename Open>
CatalogWindow onScene(std::string name, Open open)
{
    return {std::move(name), [open](double scale, const WindowLook& look) {
                Scene scene(scale);
                open(scene, look);
            }};
}

// Shows the window as its command would (not modally, so that the look can run), lets it
// settle, hands it to look and closes it.
void showAndLook(QWidget& window, const WindowLook& look);

}  // namespace qm::test
