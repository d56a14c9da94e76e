#include "support/ui/window_catalog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QWidget>

namespace qm::test {

std::vector<CatalogWindow> windowCatalog()
{
    std::vector<CatalogWindow> catalog;
    addMainWindows(catalog);
    addCollectionWindows(catalog);
    addWordListWindows(catalog);
    addLayoutWindows(catalog);
    addOutputWindows(catalog);
    addLexiconWindows(catalog);
    return catalog;
}

void openAndLook(const CatalogWindow& window, double scale, const WindowLook& look)
{
    bool looked = false;
    window.open(scale, [&](QWidget& shown) {
        looked = true;
        look(shown);
    });
    EXPECT_TRUE(looked) << window.name << " did not open";
}

void showAndLook(QWidget& window, const WindowLook& look)
{
    window.show();
    QApplication::processEvents();
    look(window);
    window.close();
}

}  // namespace qm::test
