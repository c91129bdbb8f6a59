#pragma once
// The link control protocol's settings of a PPP line as the LCP pages of the line sheets show
// them: periodic re-authentication of the remote peer and the attempts it gets, the
// configure-retry timer and counts, and the error-recovery limits (or the system value).
#include <functional>
#include <string>
#include <vector>

#include "lines/line_command_values.h"
#include "platform/ui/ddx.h"
#include "platform/ui/dialog.h"

namespace ptp::lines {

class CLineLCPSettings {
  public:
    // Reads the settings of a line; `read` answers an attribute, or `fallback` when the line
    // does not carry it.
    using AttributeReader = std::function<std::string(int id, const std::string& fallback)>;
    using AttributeWriter = std::function<void(int id, std::string_view value)>;
    // A problem: shows the message (with its arguments) with the focus on the control; false.
    using Problem =
        std::function<bool(UINT message, int control, const std::vector<std::string>& args)>;

    void Read(const AttributeReader& read);
    void Exchange(ui::CDataExchange* pDX);
    // Greys what does not apply; `systemValueOffered` says whether the recovery limits may come
    // from the system value.
    void UpdateControls(ui::CDialog& page, bool changesAllowed, bool systemValueOffered) const;
    [[nodiscard]] bool Validate(bool systemValueOffered, const Problem& problem) const;
    void Collect(CLineCommandValues& values, bool systemValueOffered) const;
    void Write(const AttributeWriter& write, bool systemValueOffered) const;

  private:
    [[nodiscard]] bool UsesSystemValue(bool offered) const { return offered && m_nSystemValue; }
    [[nodiscard]] std::string RetryTimerValue() const;

    int m_nReauthenticate = 0;
    std::string m_strInterval = "1";
    std::string m_strAttempts = "5";
    std::string m_strRetryTimer = "3.0";
    std::string m_strMaxFailures = "5";
    std::string m_strMaxRequests = "10";
    std::string m_strMaxTerminates = "2";
    int m_nSystemValue = 0;
    std::string m_strRecoveryCount = "2";
    std::string m_strRecoveryInterval = "5";
};

}  // namespace ptp::lines
