// Every window of the program at each of the four window sizes: no label, check box, radio
// button, push button, group box title or list entry shows less of its text than it needs.
#include <gtest/gtest.h>

#include "support/ui/window_catalog.h"
#include "support/ui/window_checks.h"

namespace qm {
namespace {

constexpr double kWindowSizes[] = {1.0, 1.25, 1.6, 2.0};

TEST(EveryWindow, ShowsEveryTextWholeAtEachWindowSize)
{
    for (const test::CatalogWindow& entry : test::windowCatalog()) {
        for (const double scale : kWindowSizes) {
            SCOPED_TRACE(entry.name + " at " + std::to_string(scale));
            test::openAndLook(entry, scale, [](QWidget& window) {
                for (const std::string& text : test::cutTexts(window)) ADD_FAILURE() << text;
            });
        }
    }
}

}  // namespace
}  // namespace qm
