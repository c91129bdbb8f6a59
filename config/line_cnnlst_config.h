#pragma once
// One ISDN connection list: network type and the kinds of calls it accepts and makes.
#include <string>
#include <string_view>

#include "config/config_record.h"
#include "config/keyed_config_file.h"

namespace ptp::config {

class CPointToPointProfileLineCnnlstData : public CSizedConfigRecord<9> {
  public:
    CPointToPointProfileLineCnnlstData();

    [[nodiscard]] const std::string& GetCnnLstName() const { return Text(kCnnLstName); }
    void SetCnnLstName(std::string_view value) { SetText(kCnnLstName, value); }
    [[nodiscard]] const std::string& GetNetworkType() const { return Text(kNetworkType); }
    void SetNetworkType(std::string_view value) { SetText(kNetworkType, value); }
    [[nodiscard]] int GetUnrestrictedIn() const { return Int(kUnrestrictedIn); }
    void SetUnrestrictedIn(int value) { SetInt(kUnrestrictedIn, value); }
    [[nodiscard]] int GetV110In() const { return Int(kV110In); }
    void SetV110In(int value) { SetInt(kV110In, value); }
    [[nodiscard]] int GetDOVIn() const { return Int(kDOVIn); }
    void SetDOVIn(int value) { SetInt(kDOVIn, value); }
    [[nodiscard]] int GetAsyncIn() const { return Int(kAsyncIn); }
    void SetAsyncIn(int value) { SetInt(kAsyncIn, value); }
    [[nodiscard]] int GetSyncIn() const { return Int(kSyncIn); }
    void SetSyncIn(int value) { SetInt(kSyncIn, value); }
    [[nodiscard]] const std::string& GetInfoXferTypeOut() const { return Text(kInfoXferTypeOut); }
    void SetInfoXferTypeOut(std::string_view value) { SetText(kInfoXferTypeOut, value); }
    [[nodiscard]] const std::string& GetCnnLstDescription() const {
        return Text(kCnnLstDescription);
    }
    void SetCnnLstDescription(std::string_view value) { SetText(kCnnLstDescription, value); }

  private:
    enum Key : std::size_t {
        kCnnLstName,
        kNetworkType,
        kUnrestrictedIn,
        kV110In,
        kDOVIn,
        kAsyncIn,
        kSyncIn,
        kInfoXferTypeOut,
        kCnnLstDescription,
    };
};

class CPointToPointProfileLineCnnlstConfigFile
    : public CKeyedConfigFile<CPointToPointProfileLineCnnlstData> {
  public:
    using CKeyedConfigFile::CKeyedConfigFile;
};

}  // namespace ptp::config
