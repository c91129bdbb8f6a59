#pragma once
// An ICMP service statement: a name for an ICMP type and code.
#include <string>

#include "rules/nat_data.h"

namespace ptp::rules {

class CNATIcmpServiceData : public CNATData {
  public:
    CNATIcmpServiceData();
    CNATIcmpServiceData(std::string_view text, bool& failed);
    CNATIcmpServiceData(const CNATIcmpServiceData&) = default;

    int Parse(std::string_view text) override;
    int ToText(std::vector<std::string>& clauses) const override;
    [[nodiscard]] std::unique_ptr<CNATData> Clone() const override;

    [[nodiscard]] const std::string& GetTypeOperator() const { return m_strTypeOperator; }
    void SetTypeOperator(std::string_view value) { SetField(m_strTypeOperator, value); }
    [[nodiscard]] const std::string& GetIcmpType() const { return m_strType; }
    void SetIcmpType(std::string_view value) { SetField(m_strType, value); }
    [[nodiscard]] const std::string& GetCodeOperator() const { return m_strCodeOperator; }
    void SetCodeOperator(std::string_view value) { SetField(m_strCodeOperator, value); }
    [[nodiscard]] const std::string& GetIcmpCode() const { return m_strCode; }
    void SetIcmpCode(std::string_view value) { SetField(m_strCode, value); }

  private:
    std::string m_strTypeOperator = "=";
    std::string m_strType;
    std::string m_strCodeOperator = "=";
    std::string m_strCode;
};

}  // namespace ptp::rules
