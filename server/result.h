#pragma once
// Results of store operations. The store never throws across its API: a failure carries the
// server's message identifier (such as "CPF2105") and its text, ready to be put into a command
// reply or an error object.
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace ptp::server {

struct Error {
    std::string messageId;  // "CPF2105", or empty for failures without a server message
    std::string text;

    // "CPF2105: Object PRF1 not found." as the server puts it in command replies.
    [[nodiscard]] std::string Reply() const;
};

class [[nodiscard]] Status {
  public:
    Status() = default;
    Status(Error error) : m_error(std::move(error)) {}  // NOLINT: failures convert implicitly
    static Status Ok() { return Status(); }

    bool ok() const { return !m_error.has_value(); }
    explicit operator bool() const { return ok(); }
    const Error& error() const { return *m_error; }

  private:
    std::optional<Error> m_error;
};

template <typename T>
class [[nodiscard]] Result {
  public:
    Result(T value) : m_value(std::move(value)) {}      // NOLINT
    Result(Error error) : m_error(std::move(error)) {}  // NOLINT

    bool ok() const { return m_value.has_value(); }
    explicit operator bool() const { return ok(); }
    T& value() { return *m_value; }
    const T& value() const { return *m_value; }
    T& operator*() { return *m_value; }
    const T& operator*() const { return *m_value; }
    T* operator->() { return &*m_value; }
    const T* operator->() const { return &*m_value; }
    const Error& error() const { return *m_error; }
    Status status() const { return ok() ? Status::Ok() : Status(*m_error); }

  private:
    std::optional<T> m_value;
    std::optional<Error> m_error;
};

}  // namespace ptp::server
