#pragma once
// An IPv4 address as the host library reads what a user typed: four decimal numbers of at most
// three digits, each 0 to 255, separated by dots, nothing else (no blanks, no signs, no names).
#include <array>
#include <string>
#include <string_view>

namespace ptp::host {

class CBaseTCPIPAddress {
  public:
    explicit CBaseTCPIPAddress(std::string_view text);

    [[nodiscard]] bool IsValid() const { return m_bValid; }
    // The four numbers, left to right; zeros when the text is not valid.
    [[nodiscard]] const std::array<int, 4>& Parts() const { return m_parts; }

  private:
    bool m_bValid = false;
    std::array<int, 4> m_parts{};
};

}  // namespace ptp::host
