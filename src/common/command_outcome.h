// How a command ended: done, refused with the message the user sees, or failed on input/output.
#pragma once

#include <utility>

#include "common/refusal.h"
#include "common/result.h"

namespace qm {

// Done; refused, with the message the user sees; or failed on input/output, with the file and
// the system's reason.
struct CommandOutcome {
    enum class Kind { Done, Refused, Failed };

    Kind kind = Kind::Done;
    Refusal refusal;
    Failure failure;

    bool ok() const { return kind == Kind::Done; }
    static CommandOutcome done() { return {}; }
    static CommandOutcome refused(Refusal message) { return {Kind::Refused, std::move(message), {}}; }
    static CommandOutcome failed(Failure failure) { return {Kind::Failed, {}, std::move(failure)}; }
    // A failure to open the file is the given refusal; any other failure is reported as it is.
    static CommandOutcome fromFailure(const Failure& failure, const Refusal& cannotOpen)
    {
        return failure.kind == FailureKind::CannotOpen ? refused(cannotOpen) : failed(failure);
    }
};

}  // namespace qm
