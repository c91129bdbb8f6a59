#pragma once
// One L2TP virtual line: framing, speed, keep-alive, authentication and LCP settings.
#include <string>
#include <string_view>

#include "config/config_record.h"
#include "config/keyed_config_file.h"

namespace ptp::config {

class CPointToPointProfileL2TPLineData : public CSizedConfigRecord<19> {
  public:
    CPointToPointProfileL2TPLineData();

    [[nodiscard]] const std::string& GetLineName() const { return Text(kLineName); }
    void SetLineName(std::string_view value) { SetText(kLineName, value); }
    [[nodiscard]] const std::string& GetFraming() const { return Text(kFraming); }
    void SetFraming(std::string_view value) { SetText(kFraming, value); }
    [[nodiscard]] const std::string& GetBandwidth() const { return Text(kBandwidth); }
    void SetBandwidth(std::string_view value) { SetText(kBandwidth, value); }
    [[nodiscard]] const std::string& GetMaxFrameSize() const { return Text(kMaxFrameSize); }
    void SetMaxFrameSize(std::string_view value) { SetText(kMaxFrameSize, value); }
    [[nodiscard]] const std::string& GetActivePacketNbr() const { return Text(kActivePacketNbr); }
    void SetActivePacketNbr(std::string_view value) { SetText(kActivePacketNbr, value); }
    [[nodiscard]] const std::string& GetActivePacketSize() const { return Text(kActivePacketSize); }
    void SetActivePacketSize(std::string_view value) { SetText(kActivePacketSize, value); }
    [[nodiscard]] const std::string& GetActiveTunnelKeepAlive() const {
        return Text(kActiveTunnelKeepAlive);
    }
    void SetActiveTunnelKeepAlive(std::string_view value) {
        SetText(kActiveTunnelKeepAlive, value);
    }
    [[nodiscard]] const std::string& GetAuthRmtPeerPeriodic() const {
        return Text(kAuthRmtPeerPeriodic);
    }
    void SetAuthRmtPeerPeriodic(std::string_view value) { SetText(kAuthRmtPeerPeriodic, value); }
    [[nodiscard]] const std::string& GetAuthRmtPeerInterval() const {
        return Text(kAuthRmtPeerInterval);
    }
    void SetAuthRmtPeerInterval(std::string_view value) { SetText(kAuthRmtPeerInterval, value); }
    [[nodiscard]] const std::string& GetMaxAuthAttempts() const { return Text(kMaxAuthAttempts); }
    void SetMaxAuthAttempts(std::string_view value) { SetText(kMaxAuthAttempts, value); }
    [[nodiscard]] const std::string& GetLCPCfgRtyTimer() const { return Text(kLCPCfgRtyTimer); }
    void SetLCPCfgRtyTimer(std::string_view value) { SetText(kLCPCfgRtyTimer, value); }
    [[nodiscard]] const std::string& GetLCPMaxCfgFailures() const {
        return Text(kLCPMaxCfgFailures);
    }
    void SetLCPMaxCfgFailures(std::string_view value) { SetText(kLCPMaxCfgFailures, value); }
    [[nodiscard]] const std::string& GetLCPMaxCfgRequests() const {
        return Text(kLCPMaxCfgRequests);
    }
    void SetLCPMaxCfgRequests(std::string_view value) { SetText(kLCPMaxCfgRequests, value); }
    [[nodiscard]] const std::string& GetLCPMaxTermRequests() const {
        return Text(kLCPMaxTermRequests);
    }
    void SetLCPMaxTermRequests(std::string_view value) { SetText(kLCPMaxTermRequests, value); }
    [[nodiscard]] const std::string& GetRecoveryCountLimit() const {
        return Text(kRecoveryCountLimit);
    }
    void SetRecoveryCountLimit(std::string_view value) { SetText(kRecoveryCountLimit, value); }
    [[nodiscard]] const std::string& GetRecoveryTime() const { return Text(kRecoveryTime); }
    void SetRecoveryTime(std::string_view value) { SetText(kRecoveryTime, value); }
    [[nodiscard]] const std::string& GetReqRmtSysId() const { return Text(kReqRmtSysId); }
    void SetReqRmtSysId(std::string_view value) { SetText(kReqRmtSysId, value); }
    [[nodiscard]] const std::string& GetVldlName() const { return Text(kVldlName); }
    void SetVldlName(std::string_view value) { SetText(kVldlName, value); }
    [[nodiscard]] const std::string& GetLineDescription() const { return Text(kLineDescription); }
    void SetLineDescription(std::string_view value) { SetText(kLineDescription, value); }

  private:
    enum Key : std::size_t {
        kLineName,
        kFraming,
        kBandwidth,
        kMaxFrameSize,
        kActivePacketNbr,
        kActivePacketSize,
        kActiveTunnelKeepAlive,
        kAuthRmtPeerPeriodic,
        kAuthRmtPeerInterval,
        kMaxAuthAttempts,
        kLCPCfgRtyTimer,
        kLCPMaxCfgFailures,
        kLCPMaxCfgRequests,
        kLCPMaxTermRequests,
        kRecoveryCountLimit,
        kRecoveryTime,
        kReqRmtSysId,
        kVldlName,
        kLineDescription,
    };
};

class CPointToPointProfileL2TPLineConfigFile
    : public CKeyedConfigFile<CPointToPointProfileL2TPLineData> {
  public:
    using CKeyedConfigFile::CKeyedConfigFile;
};

}  // namespace ptp::config
