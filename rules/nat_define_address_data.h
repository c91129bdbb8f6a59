#pragma once
// An address statement: a name for a list of addresses, an address range, the local addresses or
// a list of host names, with its mask and trust type.
#include <cstdint>
#include <string>
#include <vector>

#include "rules/nat_data.h"

namespace ptp::rules {

// How the addresses are given.
inline constexpr std::uint32_t kAddressList = 32188;       // written without a label
inline constexpr std::uint32_t kAddressIP = 32189;         // written after "IP = "
inline constexpr std::uint32_t kAddressHostNames = 32597;  // "HOST_NAME = {...}"
// The forms of the "IP = " kind.
inline constexpr std::uint32_t kAddressFormList = 32190;
inline constexpr std::uint32_t kAddressFormRange = 32192;
inline constexpr std::uint32_t kAddressFormLocal = 32193;

class CNATDefineAddressData : public CNATData {
  public:
    CNATDefineAddressData();
    CNATDefineAddressData(std::string_view text, bool& failed);
    CNATDefineAddressData(const CNATDefineAddressData&) = default;

    int Parse(std::string_view text) override;
    int ToText(std::vector<std::string>& clauses) const override;
    [[nodiscard]] std::unique_ptr<CNATData> Clone() const override;

    [[nodiscard]] std::uint32_t GetAddressKind() const { return m_dwAddressKind; }
    void SetAddressKind(std::uint32_t kind);
    [[nodiscard]] std::uint32_t GetIPForm() const { return m_dwIPForm; }
    void SetIPForm(std::uint32_t form);
    [[nodiscard]] const std::string& GetRangeStart() const { return m_strRangeStart; }
    void SetRangeStart(std::string_view value) { SetField(m_strRangeStart, value); }
    [[nodiscard]] const std::string& GetRangeEnd() const { return m_strRangeEnd; }
    void SetRangeEnd(std::string_view value) { SetField(m_strRangeEnd, value); }
    // The addresses of the label-less kind, and those of the "IP = " list form.
    [[nodiscard]] const std::vector<std::string>& GetAddresses() const { return m_addresses; }
    void SetAddresses(std::vector<std::string> addresses);
    [[nodiscard]] std::size_t GetAddressCount() const { return m_addresses.size(); }
    [[nodiscard]] const std::vector<std::string>& GetIPAddresses() const { return m_ipAddresses; }
    void SetIPAddresses(std::vector<std::string> addresses);
    [[nodiscard]] std::size_t GetIPAddressCount() const { return m_ipAddresses.size(); }
    [[nodiscard]] const std::vector<std::string>& GetHostNames() const { return m_hostNames; }
    void SetHostNames(std::vector<std::string> names);
    [[nodiscard]] const std::string& GetMask() const { return m_strMask; }
    void SetMask(std::string_view value) { SetField(m_strMask, value); }
    [[nodiscard]] const std::string& GetAddressType() const { return m_strType; }
    void SetAddressType(std::string_view value) { SetField(m_strType, value); }

  private:
    void ReadIPClause(std::string_view word, std::string_view& rest);

    std::uint32_t m_dwAddressKind = kAddressList;
    std::uint32_t m_dwIPForm = kAddressFormList;
    std::string m_strRangeStart;
    std::string m_strRangeEnd;
    std::vector<std::string> m_addresses;
    std::vector<std::string> m_ipAddresses;
    std::vector<std::string> m_hostNames;
    std::string m_strMask;
    std::string m_strType = "TRUSTED";
};

}  // namespace ptp::rules
