// How a command of the shape and layout lists ended, and the messages they show.
#pragma once

#include <utility>

#include "common/result.h"

namespace qm {

// A message with the caption of its box.
struct MessageText {
    const char* text;
    const char* caption;
};

// Done; refused, with the message the user sees; or failed on input/output, with the file and
// the system's reason.
struct CommandOutcome {
    enum class Kind { Done, Refused, Failed };

    Kind kind = Kind::Done;
    MessageText refusal{"", ""};
    Failure failure;

    bool ok() const { return kind == Kind::Done; }
    static CommandOutcome done() { return {}; }
    static CommandOutcome refused(MessageText message) { return {Kind::Refused, message, {}}; }
    static CommandOutcome failed(Failure failure) { return {Kind::Failed, {"", ""}, std::move(failure)}; }
    // A failure to open the file is the given refusal; any other failure is reported as it is.
    static CommandOutcome fromFailure(const Failure& failure, MessageText cannotOpen)
    {
        return failure.kind == FailureKind::CannotOpen ? refused(cannotOpen) : failed(failure);
    }
};

}  // namespace qm
