#pragma once
// One DHCP server or relay that the DHCP WAN client uses.
#include <string>
#include <string_view>

#include "config/config_record.h"
#include "config/keyed_config_file.h"

namespace ptp::config {

class CPointToPointRASDHCPConfigData : public CSizedConfigRecord<2> {
  public:
    CPointToPointRASDHCPConfigData();

    [[nodiscard]] const std::string& GetAddress() const { return Text(kAddress); }
    void SetAddress(std::string_view value) { SetText(kAddress, value); }
    [[nodiscard]] const std::string& GetServerType() const { return Text(kServerType); }
    void SetServerType(std::string_view value) { SetText(kServerType, value); }

  private:
    enum Key : std::size_t {
        kAddress,
        kServerType,
    };
};

class CPointToPointRASDHCPConfigFile : public CKeyedConfigFile<CPointToPointRASDHCPConfigData> {
  public:
    using CKeyedConfigFile::CKeyedConfigFile;
};

}  // namespace ptp::config
