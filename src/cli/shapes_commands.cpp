#include "cli/shapes_commands.h"

#include <memory>

#include "cli/record_commands.h"
#include "layout/shape_file.h"
#include "layout/shape_list.h"
#include "layout/shape_picture.h"

namespace qm::cli {
namespace {

struct ShapeCommands {
    using Kind = ShapeKind;
    static constexpr RecordCommandWords Words{"shapes", "shape", "Shape", "LAY", ""};

    static auto entryTexts()
    {
        return [](const ShapeRecord& shape, int /*index*/) { return shapeEntryText(shape); };
    }
    static void addFields(Json& entry, const ShapeRecord& shape)
    {
        entry["Name"] = recordText(shape.Name.view());
        entry["Width"] = shape.usedWidth();
        entry["Height"] = shape.usedHeight();
        entry["Mask"] = shapeRows(shape, '1', '0');
    }
};

void deleteShapeRecord(const RecordArgs& args)
{
    const Status removed = recordFile<ShapeKind>(args).DeleteRecord(args.index);
    if (!removed && removed.failure().kind == FailureKind::NoSuchRecord) refuse(ShapeMessages::NoShapeSelected.message);
    if (!removed) finish(CommandOutcome::fromFailure(removed.failure(), ShapeMessages::CannotDelete));
}

}  // namespace

void addShapesCommands(CLI::App& app)
{
    auto args = std::make_shared<RecordArgs>();
    CLI::App* shapes = addRecordCommands<ShapeCommands>(app, args);

    auto* deleteCommand = shapes->add_subcommand("delete", "Delete one shape; later shapes move down one place");
    deleteCommand->add_option("INDEX", args->index, "Record index, from 0")->check(DecimalDigits)->required();
    deleteCommand->callback([args] { deleteShapeRecord(*args); });
}

}  // namespace qm::cli
