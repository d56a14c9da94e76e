// Every control of every window has a name a screen reader can say: the name the accessibility
// interface gives (its own, its buddy label's, its text), as the AT-SPI bus passes it on.
#include <gtest/gtest.h>

#include "support/ui/window_catalog.h"
#include "support/ui/window_checks.h"

namespace qm {
namespace {

TEST(EveryWindow, NamesEveryControlForAScreenReader)
{
    for (const test::CatalogWindow& entry : test::windowCatalog()) {
        SCOPED_TRACE(entry.name);
        test::openAndLook(entry, 1.0, [](QWidget& window) {
            for (const std::string& control : test::namelessControls(window))
                ADD_FAILURE() << control << " has no name";
        });
    }
}

}  // namespace
}  // namespace qm
