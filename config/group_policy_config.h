#pragma once
// One group access policy: its multilink, forwarding, compression and filter settings.
#include <string>
#include <string_view>

#include "config/config_record.h"
#include "config/keyed_config_file.h"

namespace ptp::config {

class CPointToPointProfileGroupPolicyConfigData : public CSizedConfigRecord<9> {
  public:
    CPointToPointProfileGroupPolicyConfigData();

    [[nodiscard]] const std::string& GetGroupPolicy() const { return Text(kGroupPolicy); }
    void SetGroupPolicy(std::string_view value) { SetText(kGroupPolicy, value); }
    [[nodiscard]] int GetMultilinkEnable() const { return Int(kMultilinkEnable); }
    void SetMultilinkEnable(int value) { SetInt(kMultilinkEnable, value); }
    [[nodiscard]] const std::string& GetMultilinkMaxLinks() const {
        return Text(kMultilinkMaxLinks);
    }
    void SetMultilinkMaxLinks(std::string_view value) { SetText(kMultilinkMaxLinks, value); }
    [[nodiscard]] int GetMultilinkBACP() const { return Int(kMultilinkBACP); }
    void SetMultilinkBACP(int value) { SetInt(kMultilinkBACP, value); }
    [[nodiscard]] int GetTCPIPForwarding() const { return Int(kTCPIPForwarding); }
    void SetTCPIPForwarding(int value) { SetInt(kTCPIPForwarding, value); }
    [[nodiscard]] int GetTCPVJ() const { return Int(kTCPVJ); }
    void SetTCPVJ(int value) { SetInt(kTCPVJ, value); }
    [[nodiscard]] int GetTCPUseFilter() const { return Int(kTCPUseFilter); }
    void SetTCPUseFilter(int value) { SetInt(kTCPUseFilter, value); }
    [[nodiscard]] const std::string& GetTCPFilterName() const { return Text(kTCPFilterName); }
    void SetTCPFilterName(std::string_view value) { SetText(kTCPFilterName, value); }
    [[nodiscard]] const std::string& GetDescription() const { return Text(kDescription); }
    void SetDescription(std::string_view value) { SetText(kDescription, value); }

  private:
    enum Key : std::size_t {
        kGroupPolicy,
        kMultilinkEnable,
        kMultilinkMaxLinks,
        kMultilinkBACP,
        kTCPIPForwarding,
        kTCPVJ,
        kTCPUseFilter,
        kTCPFilterName,
        kDescription,
    };
};

class CPointToPointProfileGroupPolicyConfigFile
    : public CKeyedConfigFile<CPointToPointProfileGroupPolicyConfigData> {
  public:
    using CKeyedConfigFile::CKeyedConfigFile;
};

}  // namespace ptp::config
