// What the shape list and the shape editor work on, in a scratch folder: the shape settings and
// the current shape, tied into the list's context.
#pragma once

#include "layout/shape_file.h"
#include "layout/ui/shape_list_window.h"
#include "support/temp_dir.h"
#include "support/ui/scripted_dialogs.h"

namespace qm::test {

struct ShapeListScene {
    ShapeFile shapeFile() const { return ShapeFile::inDirectory(dir.path()); }

    TempDir dir;
    ScriptedDialogs dialogs;
    UiStyle style;
    ShapeSettings settings;
    ShapeRecord current = makeNewShape();
    ShapeListContext context{dialogs, style, settings, current, dir.path()};
};

}  // namespace qm::test
