// How an operation ended: done, with what it made; refused, with the message the user sees;
// failed on input/output, with the file and the system's reason; or cancelled by the user.
#pragma once

#include <utility>
#include <variant>

#include "common/refusal.h"
#include "common/result.h"

namespace qm {

// The ending of an outcome without its value: what reportCommandOutcome reads.
struct Ending {
    enum class Kind { Done, Refused, Failed, Cancelled };

    Kind kind = Kind::Done;
    Refusal refusal;  // Refused
    // Failed; for Refused the failure that caused it, when one did (a file that could not be
    // opened, a record another program changed).
    Failure failure;

    bool ok() const { return kind == Kind::Done; }
    explicit operator bool() const { return ok(); }
};

template <typename T = std::monostate>
struct Outcome : Ending {
    T value{};  // Done; for the other endings whatever was made before the end

    static Outcome done(T value = {})
    {
        Outcome outcome;
        outcome.value = std::move(value);
        return outcome;
    }
    static Outcome refused(Refusal message, Failure cause = {})
    {
        return endingAs({Kind::Refused, std::move(message), std::move(cause)});
    }
    static Outcome failed(Failure failure) { return endingAs({Kind::Failed, {}, std::move(failure)}); }
    static Outcome cancelled(T madeSoFar = {})
    {
        Outcome outcome = endingAs({Kind::Cancelled, {}, {}});
        outcome.value = std::move(madeSoFar);
        return outcome;
    }
    // A failure to open the file is the given refusal; any other failure is reported as it is.
    static Outcome fromFailure(const Failure& failure, const Refusal& cannotOpen)
    {
        return failure.kind == FailureKind::CannotOpen ? refused(cannotOpen) : failed(failure);
    }
    // Another operation's ending passed on, with no value of this one's.
    static Outcome endingAs(Ending ending)
    {
        Outcome outcome;
        static_cast<Ending&>(outcome) = std::move(ending);
        return outcome;
    }
};

// An outcome that carries no value.
using CommandOutcome = Outcome<>;

}  // namespace qm
