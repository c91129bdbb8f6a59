#pragma once
// A filter statement: which packets of a filter set are permitted, denied or protected, by
// address, direction and service.
#include <cstdint>
#include <string>

#include "rules/nat_data.h"

namespace ptp::rules {

// How a filter names its service.
inline constexpr std::uint32_t kFilterServiceNamed = 32242;
inline constexpr std::uint32_t kFilterServiceProtocol = 32244;
inline constexpr std::uint32_t kFilterServiceIcmp = 32206;

class CNATFilterData : public CNATData {
  public:
    explicit CNATFilterData(int rulesLevel = 0);
    CNATFilterData(std::string_view text, bool& failed, int rulesLevel);
    CNATFilterData(const CNATFilterData&) = default;

    int Parse(std::string_view text) override;
    int ToText(std::vector<std::string>& clauses) const override;
    [[nodiscard]] std::unique_ptr<CNATData> Clone() const override;

    [[nodiscard]] const std::string& GetAction() const { return m_strAction; }
    void SetAction(std::string_view value) { SetField(m_strAction, value); }
    [[nodiscard]] const std::string& GetDirection() const { return m_strDirection; }
    void SetDirection(std::string_view value) { SetField(m_strDirection, value); }
    [[nodiscard]] const std::string& GetSrcAddrOperator() const { return m_strSrcAddrOperator; }
    void SetSrcAddrOperator(std::string_view value) { SetField(m_strSrcAddrOperator, value); }
    [[nodiscard]] const std::string& GetSrcAddr() const { return m_strSrcAddr; }
    void SetSrcAddr(std::string_view value) { SetField(m_strSrcAddr, value); }
    [[nodiscard]] const std::string& GetDstAddrOperator() const { return m_strDstAddrOperator; }
    void SetDstAddrOperator(std::string_view value) { SetField(m_strDstAddrOperator, value); }
    [[nodiscard]] const std::string& GetDstAddr() const { return m_strDstAddr; }
    void SetDstAddr(std::string_view value) { SetField(m_strDstAddr, value); }
    [[nodiscard]] const std::string& GetFragments() const { return m_strFragments; }
    void SetFragments(std::string_view value) { SetField(m_strFragments, value); }
    [[nodiscard]] const std::string& GetJournal() const { return m_strJournal; }
    void SetJournal(std::string_view value) { SetField(m_strJournal, value); }
    [[nodiscard]] const std::string& GetConnectionDefinition() const {
        return m_strConnectionDefinition;
    }
    void SetConnectionDefinition(std::string_view value) {
        SetField(m_strConnectionDefinition, value);
    }
    [[nodiscard]] const std::string& GetQosLevel() const { return m_strQosLevel; }
    void SetQosLevel(std::string_view value) { SetField(m_strQosLevel, value); }
    [[nodiscard]] std::uint32_t GetServiceKind() const { return m_dwServiceKind; }
    void SetServiceKind(std::uint32_t kind);
    [[nodiscard]] const std::string& GetService() const { return m_strService; }
    void SetService(std::string_view value) { SetField(m_strService, value); }
    [[nodiscard]] const std::string& GetProtocol() const { return m_strProtocol; }
    void SetProtocol(std::string_view value) { SetField(m_strProtocol, value); }
    [[nodiscard]] const std::string& GetSrcPortOperator() const { return m_strSrcPortOperator; }
    void SetSrcPortOperator(std::string_view value) { SetField(m_strSrcPortOperator, value); }
    [[nodiscard]] const std::string& GetSrcPort() const { return m_strSrcPort; }
    void SetSrcPort(std::string_view value) { SetField(m_strSrcPort, value); }
    [[nodiscard]] const std::string& GetDstPortOperator() const { return m_strDstPortOperator; }
    void SetDstPortOperator(std::string_view value) { SetField(m_strDstPortOperator, value); }
    [[nodiscard]] const std::string& GetDstPort() const { return m_strDstPort; }
    void SetDstPort(std::string_view value) { SetField(m_strDstPort, value); }
    [[nodiscard]] const std::string& GetIcmpTypeOperator() const { return m_strIcmpTypeOperator; }
    void SetIcmpTypeOperator(std::string_view value) { SetField(m_strIcmpTypeOperator, value); }
    [[nodiscard]] const std::string& GetIcmpType() const { return m_strIcmpType; }
    void SetIcmpType(std::string_view value) { SetField(m_strIcmpType, value); }
    [[nodiscard]] const std::string& GetIcmpCodeOperator() const { return m_strIcmpCodeOperator; }
    void SetIcmpCodeOperator(std::string_view value) { SetField(m_strIcmpCodeOperator, value); }
    [[nodiscard]] const std::string& GetIcmpCode() const { return m_strIcmpCode; }
    void SetIcmpCode(std::string_view value) { SetField(m_strIcmpCode, value); }
    [[nodiscard]] int GetRulesLevel() const { return m_nRulesLevel; }
    void SetRulesLevel(int level) { m_nRulesLevel = level; }

  private:
    std::string m_strAction = "PERMIT";
    std::string m_strDirection = "INBOUND";
    std::string m_strSrcAddrOperator = "=";
    std::string m_strSrcAddr;
    std::string m_strDstAddrOperator = "=";
    std::string m_strDstAddr;
    std::string m_strFragments = "*";
    std::string m_strJournal = "OFF";
    std::string m_strConnectionDefinition;
    std::string m_strQosLevel;
    std::uint32_t m_dwServiceKind = kFilterServiceNamed;
    std::string m_strService;
    std::string m_strProtocol = "TCP";
    std::string m_strSrcPortOperator = "=";
    std::string m_strSrcPort;
    std::string m_strDstPortOperator = "=";
    std::string m_strDstPort;
    std::string m_strIcmpTypeOperator = "=";
    std::string m_strIcmpType;
    std::string m_strIcmpCodeOperator = "=";
    std::string m_strIcmpCode;
    int m_nRulesLevel = 0;
};

}  // namespace ptp::rules
