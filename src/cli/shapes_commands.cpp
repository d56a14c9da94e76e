#include "cli/shapes_commands.h"

#include <iostream>
#include <memory>

#include "cli/cli_support.h"
#include "layout/shape_file.h"
#include "layout/shape_list.h"
#include "layout/shape_picture.h"
#include "layout/shape_transfer.h"

namespace qm::cli {
namespace {

struct ShapesArgs {
    std::string directory;
    int index = 0;
    std::string exchangeFile;

    ShapeFile shapeFile() const
    {
        return ShapeFile::inDirectory(directory.empty() ? programDirectory() : std::filesystem::path(directory));
    }
};

// A record the file does not have, or a file that is not there, leaves nothing to select.
void refuseMissingRecord(const Failure& failure)
{
    if (failure.kind == FailureKind::NoSuchRecord || failure.kind == FailureKind::CannotOpen)
        refuse(ShapeMessages::NoShapeSelected.message);
    failIo(failure);
}

void listShapes(const ShapesArgs& args)
{
    const ShapeFile file = args.shapeFile();
    Json shapes = Json::array();
    auto headings = file.ListShapes();
    const int count = headings ? static_cast<int>(headings->size()) : 0;
    for (int i = 0; i < count; ++i) {
        auto shape = file.ReadShape(i);
        if (!shape) failIo(shape.failure());
        Json entry;
        entry["index"] = i;
        entry["entry"] = recordText(shapeEntryText(*shape));
        entry["Name"] = recordText(shape->Name.view());
        entry["Width"] = shape->usedWidth();
        entry["Height"] = shape->usedHeight();
        entry["Mask"] = shapeRows(*shape, '1', '0');
        shapes.push_back(std::move(entry));
    }
    if (count == 0) std::cerr << ShapeMessages::NoShapesFound.message << '\n';
    printJson(shapes);
}

void exportShapeRecord(const ShapesArgs& args)
{
    auto shape = args.shapeFile().ReadShape(args.index);
    if (!shape) refuseMissingRecord(shape.failure());
    finish(exportShape(*shape, args.exchangeFile));
}

void importShapeRecord(const ShapesArgs& args)
{
    const ShapeImport imported = importShape(args.shapeFile(), args.exchangeFile);
    finish(imported.outcome);
    Json out;
    out["index"] = imported.index;
    out["entry"] = recordText(shapeEntryText(*imported.shape));
    printJson(out);
}

void deleteShapeRecord(const ShapesArgs& args)
{
    const Status removed = args.shapeFile().DeleteShape(args.index);
    if (!removed && removed.failure().kind == FailureKind::NoSuchRecord) refuse(ShapeMessages::NoShapeSelected.message);
    if (!removed) finish(ShapeOutcome::fromFailure(removed.failure(), ShapeMessages::CannotDelete));
}

}  // namespace

void addShapesCommands(CLI::App& app)
{
    auto args = std::make_shared<ShapesArgs>();
    auto* shapes = app.add_subcommand("shapes", "Work on the shape file QZFLAY.DAT");
    shapes->require_subcommand(1);
    shapes->fallthrough();
    shapes->add_option("--dir", args->directory, "Directory holding QZFLAY.DAT (default: the program directory)");

    auto* list = shapes->add_subcommand("list", "List every shape of the file as JSON, in file order");
    list->callback([args] { listShapes(*args); });

    auto* exportCommand = shapes->add_subcommand("export", "Write one shape to a .LAY file");
    exportCommand->add_option("INDEX", args->index, "Record index, from 0")->check(DecimalDigits)->required();
    exportCommand->add_option("FILE", args->exchangeFile, "Shape file to write (*.LAY)")->required();
    exportCommand->callback([args] { exportShapeRecord(*args); });

    auto* importCommand = shapes->add_subcommand("import", "Append the shape of a .LAY file; prints its index");
    importCommand->add_option("FILE", args->exchangeFile, "Shape file to read (*.LAY)")->required();
    importCommand->callback([args] { importShapeRecord(*args); });

    auto* deleteCommand = shapes->add_subcommand("delete", "Delete one shape; later shapes move down one place");
    deleteCommand->add_option("INDEX", args->index, "Record index, from 0")->check(DecimalDigits)->required();
    deleteCommand->callback([args] { deleteShapeRecord(*args); });
}

}  // namespace qm::cli
