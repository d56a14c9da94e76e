// The shape file the program ships, as the build made it from the text pictures.
#include <set>

#include <gtest/gtest.h>

#include "layout/shape_editor.h"
#include "layout/shape_file.h"
#include "layout/shape_list.h"
#include "shape_test_support.h"

namespace qm {
namespace {

// Counts the cells reached from the first cell of the shape through edge neighbours.
int connectedCells(const ShapeRecord& shape)
{
    const int width = shape.usedWidth();
    const int height = shape.usedHeight();
    std::vector<GridCell> open;
    std::set<std::pair<int, int>> seen;
    for (int r = 1; r <= height && open.empty(); ++r)
        for (int k = 1; k <= width && open.empty(); ++k)
            if (shape.inShape(r, k)) open.push_back({r, k});
    while (!open.empty()) {
        const GridCell cell = open.back();
        open.pop_back();
        if (cell.row < 1 || cell.row > height || cell.column < 1 || cell.column > width) continue;
        if (!shape.inShape(cell.row, cell.column) || !seen.insert({cell.row, cell.column}).second) continue;
        open.insert(open.end(), {{cell.row - 1, cell.column},
                                 {cell.row + 1, cell.column},
                                 {cell.row, cell.column - 1},
                                 {cell.row, cell.column + 1}});
    }
    return static_cast<int>(seen.size());
}

TEST(StarterShapes, AreUsableShapesOfFiveToThirtyCells)
{
    const ShapeFile file(QM_STARTER_SHAPE_FILE);
    auto count = file.recordCount();
    ASSERT_TRUE(count) << count.failure().describe();
    EXPECT_GE(*count, 20);
    EXPECT_EQ(std::filesystem::file_size(file.path()), static_cast<std::uintmax_t>(*count) * ShapeRecord::kSize);
    std::set<std::string> names;
    for (int i = 0; i < *count; ++i) {
        const ShapeRecord shape = file.ReadRecord(i).value();
        names.insert(shape.Name.text());
        EXPECT_GE(shape.Width, kMinShapeSize) << shape.Name.text();
        EXPECT_LE(shape.Width, kMaxShapeSize) << shape.Name.text();
        EXPECT_GE(shape.Height, kMinShapeSize) << shape.Name.text();
        EXPECT_LE(shape.Height, kMaxShapeSize) << shape.Name.text();
        const int cells = static_cast<int>(std::count(shape.Mask.begin(), shape.Mask.end(), 1));
        EXPECT_EQ(connectedCells(shape), cells) << shape.Name.text() << " falls apart";
        EXPECT_GE(cells, 100) << shape.Name.text() << " has too little room for words";
    }
    for (const char* name : {"Square", "Rectangle", "Circle", "Heart", "Star", "Diamond", "Triangle", "Cross", "House",
                             "Tree", "Apple", "Fish", "Letter A", "Digit 1"})
        EXPECT_TRUE(names.count(name)) << name;
    // A first new puzzle starts on the record of the default last shape.
    EXPECT_EQ(shapeEntryText(file.ReadRecord(1).value()), "15x15 Square");
}

}  // namespace
}  // namespace qm
