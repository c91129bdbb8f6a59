#pragma once
// The remote access services settings: RADIUS and the DHCP WAN client. The file holds one record.
#include <string>
#include <string_view>

#include "config/config_record.h"
#include "config/keyed_config_file.h"

namespace ptp::config {

class CPointToPointRASConfigData : public CSizedConfigRecord<6> {
  public:
    CPointToPointRASConfigData();

    [[nodiscard]] int GetRadiusEnabled() const { return Int(kRadiusEnabled); }
    void SetRadiusEnabled(int value) { SetInt(kRadiusEnabled, value); }
    [[nodiscard]] int GetRadiusAcctServerEnabled() const { return Int(kRadiusAcctServerEnabled); }
    void SetRadiusAcctServerEnabled(int value) { SetInt(kRadiusAcctServerEnabled, value); }
    [[nodiscard]] int GetRadiusAuthServerEnabled() const { return Int(kRadiusAuthServerEnabled); }
    void SetRadiusAuthServerEnabled(int value) { SetInt(kRadiusAuthServerEnabled, value); }
    [[nodiscard]] int GetRadiusAddressConfigEnabled() const {
        return Int(kRadiusAddressConfigEnabled);
    }
    void SetRadiusAddressConfigEnabled(int value) { SetInt(kRadiusAddressConfigEnabled, value); }
    [[nodiscard]] int GetDHCPWanClientEnabled() const { return Int(kDHCPWanClientEnabled); }
    void SetDHCPWanClientEnabled(int value) { SetInt(kDHCPWanClientEnabled, value); }
    [[nodiscard]] const std::string& GetDHCPWanClientLocalIPAddress() const {
        return Text(kDHCPWanClientLocalIPAddress);
    }
    void SetDHCPWanClientLocalIPAddress(std::string_view value) {
        SetText(kDHCPWanClientLocalIPAddress, value);
    }

  private:
    enum Key : std::size_t {
        kRadiusEnabled,
        kRadiusAcctServerEnabled,
        kRadiusAuthServerEnabled,
        kRadiusAddressConfigEnabled,
        kDHCPWanClientEnabled,
        kDHCPWanClientLocalIPAddress,
    };
};

class CPointToPointRASConfigFile : public CKeyedConfigFile<CPointToPointRASConfigData> {
  public:
    using CKeyedConfigFile::CKeyedConfigFile;
};

}  // namespace ptp::config
