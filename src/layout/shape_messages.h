// What the shape commands tell the user, and how a command ended.
#pragma once

#include "layout/command_outcome.h"

namespace qm {

namespace ShapeMessages {
inline constexpr MessageText NoShapesFound{"No saved shape information could be found.", "Warning"};
inline constexpr MessageText NoShapeSelected{"No shape selected.", "Error"};
inline constexpr MessageText CannotExport{"Shape could not be exported.", "Error"};
inline constexpr MessageText Exported{"Puzzle Shape Exported!", "OK"};
inline constexpr MessageText CannotImport{"Puzzle shape could not be imported.", "Error"};
inline constexpr MessageText CorruptImport{"Puzzle shape file is corrupt or incompatible.  Import aborted.", "Error"};
inline constexpr MessageText CannotAdd{"Unable to add shape.", "Disk Error"};
inline constexpr MessageText CannotDelete{"Unable to delete puzzle shape.", "Disk Error"};
inline constexpr MessageText WidthOutOfRange{"Width must be between 5 and 30.  Please re-enter width.", "Error"};
inline constexpr MessageText HeightOutOfRange{"Height must be between 5 and 30.  Please re-enter height.", "Error"};
inline constexpr const char* DeleteCaption = "Delete?";
}  // namespace ShapeMessages

using ShapeOutcome = CommandOutcome;

}  // namespace qm
