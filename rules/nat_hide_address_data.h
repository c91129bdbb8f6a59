#pragma once
// A hide statement: addresses that leave the system behind one other address.
#include <string>

#include "rules/nat_data.h"

namespace ptp::rules {

class CNATHideAddressData : public CNATData {
  public:
    CNATHideAddressData();
    CNATHideAddressData(std::string_view text, bool& failed);
    CNATHideAddressData(const CNATHideAddressData&) = default;

    int Parse(std::string_view text) override;
    int ToText(std::vector<std::string>& clauses) const override;
    [[nodiscard]] std::unique_ptr<CNATData> Clone() const override;

    // The hidden address is the name field; ports are digits, empty when none is given.
    [[nodiscard]] const std::string& GetHiddenPort() const { return m_strHiddenPort; }
    void SetHiddenPort(std::string_view value) { SetField(m_strHiddenPort, value); }
    [[nodiscard]] const std::string& GetBehindAddress() const { return m_strBehindAddress; }
    void SetBehindAddress(std::string_view value) { SetField(m_strBehindAddress, value); }
    [[nodiscard]] const std::string& GetBehindPort() const { return m_strBehindPort; }
    void SetBehindPort(std::string_view value) { SetField(m_strBehindPort, value); }
    // The address hidden behind as written: address, or address ":" port.
    [[nodiscard]] std::string GetBehindAddressText() const;
    [[nodiscard]] const std::string& GetTimeout() const { return m_strTimeout; }
    void SetTimeout(std::string_view value) { SetField(m_strTimeout, value); }
    [[nodiscard]] const std::string& GetMaxConnections() const { return m_strMaxConnections; }
    void SetMaxConnections(std::string_view value) { SetField(m_strMaxConnections, value); }
    [[nodiscard]] const std::string& GetJournal() const { return m_strJournal; }
    void SetJournal(std::string_view value) { SetField(m_strJournal, value); }

  private:
    std::string m_strHiddenPort;
    std::string m_strBehindAddress;
    std::string m_strBehindPort;
    std::string m_strTimeout = "16";
    std::string m_strMaxConnections = "64";
    std::string m_strJournal = "OFF";
};

}  // namespace ptp::rules
