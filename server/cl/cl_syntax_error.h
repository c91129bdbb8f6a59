#pragma once
// The result of a parsing step: a value, or the column and the reason it was refused.
#include <cstddef>
#include <optional>
#include <string>
#include <utility>

namespace ptp::server::cl {

struct ClSyntaxError {
    std::size_t position = 0;  // 1-based column, 0 when the whole command is concerned
    std::string message;
};

template <typename T>
class [[nodiscard]] ClSyntaxResult {
  public:
    ClSyntaxResult(T value) : m_value(std::move(value)) {}
    ClSyntaxResult(ClSyntaxError error) : m_error(std::move(error)) {}

    [[nodiscard]] bool Ok() const { return m_value.has_value(); }
    [[nodiscard]] const T& Value() const { return *m_value; }
    [[nodiscard]] T& Value() { return *m_value; }
    [[nodiscard]] const ClSyntaxError& Error() const { return m_error; }

  private:
    std::optional<T> m_value;
    ClSyntaxError m_error;
};

}  // namespace ptp::server::cl
