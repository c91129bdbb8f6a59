#pragma once
// A map statement: one address translated to another, on a line or a PPP filter identifier.
#include <string>

#include "rules/nat_data.h"

namespace ptp::rules {

class CNATMapAddressData : public CNATData {
  public:
    CNATMapAddressData();
    CNATMapAddressData(std::string_view text, bool& failed);
    CNATMapAddressData(const CNATMapAddressData&) = default;

    int Parse(std::string_view text) override;
    int ToText(std::vector<std::string>& clauses) const override;
    [[nodiscard]] std::unique_ptr<CNATData> Clone() const override;

    // The mapped address is the name field.
    [[nodiscard]] const std::string& GetToAddress() const { return m_strToAddress; }
    void SetToAddress(std::string_view value) { SetField(m_strToAddress, value); }
    // A line name, or a PPP filter identifier when IsPPPFilterId.
    [[nodiscard]] const std::string& GetLine() const { return m_strLine; }
    void SetLine(std::string_view value) { SetField(m_strLine, value); }
    [[nodiscard]] bool IsPPPFilterId() const { return m_bPPPFilterId; }
    void SetPPPFilterId(bool pppFilterId);
    [[nodiscard]] const std::string& GetJournal() const { return m_strJournal; }
    void SetJournal(std::string_view value) { SetField(m_strJournal, value); }

  private:
    std::string m_strToAddress;
    std::string m_strLine;
    bool m_bPPPFilterId = false;
    std::string m_strJournal = "OFF";
};

}  // namespace ptp::rules
