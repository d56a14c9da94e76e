// What the shape commands tell the user, and how a command ended.
#pragma once

#include <string>

#include "common/result.h"

namespace qm {

// A message with the caption of its box.
struct MessageText {
    const char* text;
    const char* caption;
};

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

// How a shape command ended: done; refused, with the message the user sees; or failed on
// input/output, with the file and the system's reason.
struct ShapeOutcome {
    enum class Kind { Done, Refused, Failed };

    Kind kind = Kind::Done;
    MessageText refusal{"", ""};
    Failure failure;

    bool ok() const { return kind == Kind::Done; }
    static ShapeOutcome done() { return {}; }
    static ShapeOutcome refused(MessageText message) { return {Kind::Refused, message, {}}; }
    static ShapeOutcome failed(Failure failure) { return {Kind::Failed, {"", ""}, std::move(failure)}; }
    // A failure to open the file is the given refusal; any other failure is reported as it is.
    static ShapeOutcome fromFailure(const Failure& failure, MessageText cannotOpen)
    {
        return failure.kind == FailureKind::CannotOpen ? refused(cannotOpen) : failed(failure);
    }
};

}  // namespace qm
