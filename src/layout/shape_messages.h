// What the shape commands tell the user.
#pragma once

#include "common/refusal.h"
#include "layout/record_kind.h"

namespace qm {

namespace ShapeMessages {
inline const Refusal NoShapesFound{"No saved shape information could be found.", kWarningCaption};
inline const Refusal NoShapeSelected{"No shape selected.", kErrorCaption};
inline const Refusal CannotExport{"Shape could not be exported.", kErrorCaption};
inline const Refusal Exported{"Puzzle Shape Exported!", "OK"};
inline const Refusal CannotImport{"Puzzle shape could not be imported.", kErrorCaption};
inline const Refusal CorruptImport{"Puzzle shape file is corrupt or incompatible.  Import aborted.", kErrorCaption};
inline const Refusal CannotAdd{"Unable to add shape.", "Disk Error"};
inline const Refusal CannotDelete{"Unable to delete puzzle shape.", "Disk Error"};
inline const Refusal WidthOutOfRange{"Width must be between 5 and 30.  Please re-enter width.", kErrorCaption};
inline const Refusal HeightOutOfRange{"Height must be between 5 and 30.  Please re-enter height.", kErrorCaption};
inline constexpr const char* DeleteCaption = "Delete?";
// As the shape list tells them.
inline constexpr RecordMessages List{NoShapesFound, NoShapeSelected, CannotDelete,  CannotExport, Exported,
                                     CannotImport,  CorruptImport,   CannotAdd,     DeleteCaption};
}  // namespace ShapeMessages

}  // namespace qm
