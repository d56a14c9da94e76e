// The print options a layout brings with it when it is taken up.
#include <gtest/gtest.h>

#include "output/print/print_options.h"
#include "output/render_fixtures.h"

namespace qm::test {
namespace {

TEST(PrintOptions, TheLayoutSetsColumnsLowerCaseAndGrid)
{
    struct ObjectSpec {
        PageObjectKind kind;
        bool lowerCase = false;
        bool useGrid = false;
        int columns = 0;
    };
    struct Case {
        const char* name;
        std::vector<ObjectSpec> objects;
        int objectCount;  // of the objects given, the ones in use
        bool lowerCase, useGrid;
        int columns;
    };
    // The options start with lower case and grid set and 7 columns.
    const Case cases[] = {
        {"no grid and no word list keep the flags and give 3 columns", {{PageObjectKind::Title}}, 1, true, true, 3},
        {"the grid's flags", {{PageObjectKind::Puzzle, false, true}}, 1, false, true, 3},
        {"the word list's columns", {{PageObjectKind::Words, true, true, 2}}, 1, true, true, 2},
        {"the last word list counts",
         {{PageObjectKind::Words, false, false, 2}, {PageObjectKind::Words, false, false, 4}},
         2,
         true,
         true,
         4},
        {"objects out of use count for nothing",
         {{PageObjectKind::Words, false, false, 2}, {PageObjectKind::Puzzle, false, false, 0}},
         1,
         true,
         true,
         2},
        {"columns as stored, even none", {{PageObjectKind::Words, false, false, 0}}, 1, true, true, 0},
    };
    for (const Case& c : cases) {
        auto record = pageRecord();
        for (const ObjectSpec& wanted : c.objects) {
            PageObject& object = addObject(*record, wanted.kind, {0, 0, 100, 100});
            object.LowerCase = wanted.lowerCase;
            object.Transparent = wanted.useGrid;
            object.Columns = static_cast<std::int16_t>(wanted.columns);
        }
        record->Layout.ObjectCount = static_cast<std::int16_t>(c.objectCount);
        PrintOptions options;
        options.LowerCase = options.UseGrid = true;
        options.NumColumns = 7;
        ApplyLayoutOptions(options, record->Layout);
        EXPECT_EQ(options.LowerCase, c.lowerCase) << c.name;
        EXPECT_EQ(options.UseGrid, c.useGrid) << c.name;
        EXPECT_EQ(options.NumColumns, c.columns) << c.name;
    }
}

}  // namespace
}  // namespace qm::test
