// The outcome of an operation that can fail: a value, or what failed with the file and reason.
#pragma once

#include <cassert>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <variant>

namespace qm {

enum class FailureKind {
    CannotOpen,        // the file could not be opened (or created); callers show their own message
    NoSuchRecord,      // an index names no record of the file
    BadContent,        // the file opened but is not of the kind expected; callers show their own message
    Io,                // any other input/output failure: reported with the file and the reason
    ChangedElsewhere,  // the record at the index is no longer the one read: another program changed the file
};

struct Failure {
    FailureKind kind = FailureKind::Io;
    std::filesystem::path path;
    std::string reason;

    // "path: reason", the text of an input/output error report.
    std::string describe() const { return path.string() + ": " + reason; }
};

class [[nodiscard]] Status {
public:
    Status() = default;
    Status(Failure failure) : m_failure(std::move(failure)) {}  // NOLINT: implicit by design

    bool ok() const { return !m_failure; }
    explicit operator bool() const { return ok(); }
    const Failure& failure() const
    {
        assert(m_failure);
        return *m_failure;
    }

private:
    std::optional<Failure> m_failure;
};

template <typename T>
class [[nodiscard]] Result {
public:
    Result(T value) : m_state(std::move(value)) {}            // NOLINT: implicit by design
    Result(Failure failure) : m_state(std::move(failure)) {}  // NOLINT: implicit by design

    bool ok() const { return std::holds_alternative<T>(m_state); }
    explicit operator bool() const { return ok(); }

    T& value() & { return std::get<T>(m_state); }
    const T& value() const& { return std::get<T>(m_state); }
    T&& value() && { return std::get<T>(std::move(m_state)); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }
    T& operator*() & { return value(); }
    const T& operator*() const& { return value(); }

    const Failure& failure() const { return std::get<Failure>(m_state); }
    Status status() const { return ok() ? Status() : Status(failure()); }

private:
    std::variant<T, Failure> m_state;
};

}  // namespace qm
