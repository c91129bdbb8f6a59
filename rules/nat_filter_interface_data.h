#pragma once
// A filter-interface statement: which filter sets apply to a line, an address, an interface or a
// PPP filter identifier (the value is the name field).
#include <cstdint>
#include <string>
#include <vector>

#include "rules/nat_data.h"

namespace ptp::rules {

inline constexpr std::uint32_t kFilterInterfaceLine = 32184;
inline constexpr std::uint32_t kFilterInterfaceIPAddress = 32185;
inline constexpr std::uint32_t kFilterInterfaceInterface = 32199;
inline constexpr std::uint32_t kFilterInterfacePPPFilterId = 32200;

class CNATFilterInterfaceData : public CNATData {
  public:
    CNATFilterInterfaceData();
    CNATFilterInterfaceData(std::string_view text, bool& failed);
    CNATFilterInterfaceData(const CNATFilterInterfaceData&) = default;

    int Parse(std::string_view text) override;
    int ToText(std::vector<std::string>& clauses) const override;
    [[nodiscard]] std::unique_ptr<CNATData> Clone() const override;

    [[nodiscard]] std::uint32_t GetInterfaceKind() const { return m_dwInterfaceKind; }
    void SetInterfaceKind(std::uint32_t kind);
    [[nodiscard]] const std::vector<std::string>& GetSetNames() const { return m_setNames; }
    void SetSetNames(std::vector<std::string> names);

  private:
    std::uint32_t m_dwInterfaceKind = kFilterInterfaceLine;
    std::vector<std::string> m_setNames;
};

}  // namespace ptp::rules
