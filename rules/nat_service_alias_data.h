#pragma once
// A service statement: a name for a protocol with destination and source ports.
#include <cstdint>
#include <string>

#include "rules/nat_data.h"

namespace ptp::rules {

inline constexpr std::uint32_t kServiceAliasProtocol = 32247;

class CNATServiceAliasData : public CNATData {
  public:
    CNATServiceAliasData();
    CNATServiceAliasData(std::string_view text, bool& failed);
    CNATServiceAliasData(const CNATServiceAliasData&) = default;

    int Parse(std::string_view text) override;
    int ToText(std::vector<std::string>& clauses) const override;
    [[nodiscard]] std::unique_ptr<CNATData> Clone() const override;

    [[nodiscard]] std::uint32_t GetProtocolKind() const { return m_dwProtocolKind; }
    [[nodiscard]] const std::string& GetProtocol() const { return m_strProtocol; }
    void SetProtocol(std::string_view value);
    [[nodiscard]] const std::string& GetDstPortOperator() const { return m_strDstPortOperator; }
    void SetDstPortOperator(std::string_view value) { SetField(m_strDstPortOperator, value); }
    [[nodiscard]] const std::string& GetDstPort() const { return m_strDstPort; }
    void SetDstPort(std::string_view value) { SetField(m_strDstPort, value); }
    [[nodiscard]] const std::string& GetSrcPortOperator() const { return m_strSrcPortOperator; }
    void SetSrcPortOperator(std::string_view value) { SetField(m_strSrcPortOperator, value); }
    [[nodiscard]] const std::string& GetSrcPort() const { return m_strSrcPort; }
    void SetSrcPort(std::string_view value) { SetField(m_strSrcPort, value); }

  private:
    std::uint32_t m_dwProtocolKind = 0;
    std::string m_strProtocol = "TCP";
    std::string m_strDstPortOperator = "=";
    std::string m_strDstPort;
    std::string m_strSrcPortOperator = "=";
    std::string m_strSrcPort;
};

}  // namespace ptp::rules
