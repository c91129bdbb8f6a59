#pragma once
// One PPPoE virtual line: the Ethernet line under it, keep-alive, authentication and LCP settings.
#include <string>
#include <string_view>

#include "config/config_record.h"
#include "config/keyed_config_file.h"

namespace ptp::config {

class CPointToPointProfilePPPoELineData : public CSizedConfigRecord<14> {
  public:
    CPointToPointProfilePPPoELineData();

    [[nodiscard]] const std::string& GetPELineName() const { return Text(kPELineName); }
    void SetPELineName(std::string_view value) { SetText(kPELineName, value); }
    [[nodiscard]] const std::string& GetPhysicalLineName() const { return Text(kPhysicalLineName); }
    void SetPhysicalLineName(std::string_view value) { SetText(kPhysicalLineName, value); }
    [[nodiscard]] const std::string& GetPEMaxFrameSize() const { return Text(kPEMaxFrameSize); }
    void SetPEMaxFrameSize(std::string_view value) { SetText(kPEMaxFrameSize, value); }
    [[nodiscard]] const std::string& GetKeepActiveSesAlv() const { return Text(kKeepActiveSesAlv); }
    void SetKeepActiveSesAlv(std::string_view value) { SetText(kKeepActiveSesAlv, value); }
    [[nodiscard]] const std::string& GetPEAuthRmtPeerPeriodic() const {
        return Text(kPEAuthRmtPeerPeriodic);
    }
    void SetPEAuthRmtPeerPeriodic(std::string_view value) {
        SetText(kPEAuthRmtPeerPeriodic, value);
    }
    [[nodiscard]] const std::string& GetPEAuthRmtPeerInterval() const {
        return Text(kPEAuthRmtPeerInterval);
    }
    void SetPEAuthRmtPeerInterval(std::string_view value) {
        SetText(kPEAuthRmtPeerInterval, value);
    }
    [[nodiscard]] const std::string& GetPEMaxAuthAttempts() const {
        return Text(kPEMaxAuthAttempts);
    }
    void SetPEMaxAuthAttempts(std::string_view value) { SetText(kPEMaxAuthAttempts, value); }
    [[nodiscard]] const std::string& GetPELCPCfgRtyTimer() const { return Text(kPELCPCfgRtyTimer); }
    void SetPELCPCfgRtyTimer(std::string_view value) { SetText(kPELCPCfgRtyTimer, value); }
    [[nodiscard]] const std::string& GetPELCPMaxCfgFailures() const {
        return Text(kPELCPMaxCfgFailures);
    }
    void SetPELCPMaxCfgFailures(std::string_view value) { SetText(kPELCPMaxCfgFailures, value); }
    [[nodiscard]] const std::string& GetPELCPMaxCfgRequests() const {
        return Text(kPELCPMaxCfgRequests);
    }
    void SetPELCPMaxCfgRequests(std::string_view value) { SetText(kPELCPMaxCfgRequests, value); }
    [[nodiscard]] const std::string& GetPELCPMaxTermRequests() const {
        return Text(kPELCPMaxTermRequests);
    }
    void SetPELCPMaxTermRequests(std::string_view value) { SetText(kPELCPMaxTermRequests, value); }
    [[nodiscard]] const std::string& GetPERecoveryCountLimit() const {
        return Text(kPERecoveryCountLimit);
    }
    void SetPERecoveryCountLimit(std::string_view value) { SetText(kPERecoveryCountLimit, value); }
    [[nodiscard]] const std::string& GetPERecoveryTime() const { return Text(kPERecoveryTime); }
    void SetPERecoveryTime(std::string_view value) { SetText(kPERecoveryTime, value); }
    [[nodiscard]] const std::string& GetPELineDescription() const {
        return Text(kPELineDescription);
    }
    void SetPELineDescription(std::string_view value) { SetText(kPELineDescription, value); }

  private:
    enum Key : std::size_t {
        kPELineName,
        kPhysicalLineName,
        kPEMaxFrameSize,
        kKeepActiveSesAlv,
        kPEAuthRmtPeerPeriodic,
        kPEAuthRmtPeerInterval,
        kPEMaxAuthAttempts,
        kPELCPCfgRtyTimer,
        kPELCPMaxCfgFailures,
        kPELCPMaxCfgRequests,
        kPELCPMaxTermRequests,
        kPERecoveryCountLimit,
        kPERecoveryTime,
        kPELineDescription,
    };
};

class CPointToPointProfilePPPoELineConfigFile
    : public CKeyedConfigFile<CPointToPointProfilePPPoELineData> {
  public:
    using CKeyedConfigFile::CKeyedConfigFile;
};

}  // namespace ptp::config
