#include "output/print/print_options.h"

namespace qm {
namespace {

constexpr int kColumnsWithoutWordList = 3;

}  // namespace

void ApplyLayoutOptions(PrintOptions& options, const PageLayoutRecord& layout)
{
    options.NumColumns = kColumnsWithoutWordList;
    for (int k = 0; k < usedObjectCount(layout); ++k) {
        const PageObject& object = layout.Objects[k];
        if (object.kind() == PageObjectKind::Puzzle) {
            options.LowerCase = static_cast<bool>(object.LowerCase);
            options.UseGrid = object.UseGrid();
        } else if (object.kind() == PageObjectKind::Words) {
            options.NumColumns = object.Columns;
        }
    }
}

}  // namespace qm
