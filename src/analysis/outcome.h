// SPDX-License-Identifier: GPL-3.0-or-later
// A value, or the plain-words reason why there is none.
#pragma once

#include <string>
#include <utility>
#include <variant>

namespace cuneola::analysis {

// Why an answer is missing.
enum class FailureKind {
    BeyondSeparation, // beta below the separation point: the layer has separated
    OutOfRange,       // an input outside the range the library supports
    NoSuchBranch,     // a reversed-flow solution asked for where none exists
    NotConverged,     // an iteration did not settle; the message says which and why
    NotDefined,       // a derived quantity that has no meaning for this input
    Cancelled         // the caller asked a long computation to stop
};

struct Failure {
    FailureKind kind = FailureKind::NotConverged;
    std::string message; // a sentence for the user
};

// Either a T or a Failure; a failed outcome never carries a number.
template <class T>
class Outcome {
public:
    Outcome(T value) : m_state(std::move(value)) {}
    Outcome(Failure failure) : m_state(std::move(failure)) {}

    bool ok() const { return std::holds_alternative<T>(m_state); }
    explicit operator bool() const { return ok(); }

    const T& value() const { return std::get<T>(m_state); }
    T& value() { return std::get<T>(m_state); }
    const T& operator*() const { return value(); }
    const T* operator->() const { return &value(); }
    const Failure& failure() const { return std::get<Failure>(m_state); }

private:
    std::variant<T, Failure> m_state;
};

inline Failure fail(FailureKind kind, std::string message) { return Failure{kind, std::move(message)}; }

} // namespace cuneola::analysis
