#pragma once
// The one "value or why not" of the platform layers. A layer names its own error type (the
// server's message, the console's error kind) and aliases these; interfaces between components
// still answer HRESULT or an error object, never one of these.
#include <optional>
#include <utility>
#include <variant>

namespace ptp {

// Success, or the error E.
template <typename E>
class [[nodiscard]] Status {
  public:
    Status() = default;
    Status(E error) : m_error(std::move(error)) {}  // NOLINT: failures convert implicitly
    static Status Ok() { return Status(); }

    [[nodiscard]] bool ok() const { return !m_error.has_value(); }
    explicit operator bool() const { return ok(); }
    [[nodiscard]] const E& error() const { return *m_error; }

  private:
    std::optional<E> m_error;
};

// A value T, or the error E.
template <typename T, typename E>
class [[nodiscard]] Result {
  public:
    Result(T value) : m_value(std::move(value)) {}  // NOLINT: values convert implicitly
    Result(E error) : m_value(std::move(error)) {}  // NOLINT: failures convert implicitly

    [[nodiscard]] bool ok() const { return std::holds_alternative<T>(m_value); }
    explicit operator bool() const { return ok(); }
    [[nodiscard]] T& value() { return std::get<T>(m_value); }
    [[nodiscard]] const T& value() const { return std::get<T>(m_value); }
    T& operator*() { return value(); }
    const T& operator*() const { return value(); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }
    [[nodiscard]] const E& error() const { return std::get<E>(m_value); }
    // The outcome without the value, for a caller that passes a failure on.
    [[nodiscard]] Status<E> status() const { return ok() ? Status<E>::Ok() : Status<E>(error()); }

  private:
    std::variant<T, E> m_value;
};

}  // namespace ptp
