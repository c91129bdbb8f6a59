#include "lines/line_lcp_settings.h"

#include <cstdint>
#include <cstdio>
#include <limits>

#include "config/config_text.h"
#include "lines/line_value_text.h"
#include "platform/vocabulary/line.h"
#include "resources/ids/lines.h"

namespace ptp::lines {

namespace {

namespace ln = attr::line;
namespace value = code::line_value;

constexpr long kMinInterval = 1;
constexpr long kMaxInterval = std::numeric_limits<std::int16_t>::max();
constexpr long kMinCount = 1;
constexpr long kMaxCount = 255;
constexpr long kMaxRecoveryCount = 99;
constexpr long kMaxRecoveryInterval = 120;
// The retry timer in tenths of a second.
constexpr long kMinRetryTenths = 1;
constexpr long kMaxRetryTenths = 600;
constexpr std::string_view kDefaultInterval = "1";
constexpr std::string_view kDefaultRecoveryCount = "2";

// Tenths of a second from a text such as "3", "3.0" or "0.5"; -1 when it is not such a text.
long RetryTenths(std::string_view text) {
    text = config::Trim(text);
    const std::size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view("0") : text.substr(point + 1);
    if (fraction.size() != 1) return -1;
    if (!whole.empty() && !IsNumberInRange(whole, 0, kMaxRetryTenths)) return -1;
    if (!IsNumberInRange(fraction, 0, 9)) return -1;
    return config::TextToInt(whole) * 10 + config::TextToInt(fraction);
}

}  // namespace

void CLineLCPSettings::Read(const AttributeReader& read) {
    const std::string interval = read(ln::kAuthenticationInterval, "");
    m_nReauthenticate = !interval.empty() && !config::EqualsNoCase(interval, value::kNone);
    m_strInterval = m_nReauthenticate ? interval : std::string(kDefaultInterval);
    m_strAttempts = read(ln::kAuthenticationAttempts, m_strAttempts);
    m_strRetryTimer = read(ln::kConfigureRetryTimer, m_strRetryTimer);
    m_strMaxFailures = read(ln::kMaxConfigureFailures, m_strMaxFailures);
    m_strMaxRequests = read(ln::kMaxConfigureRequests, m_strMaxRequests);
    m_strMaxTerminates = read(ln::kMaxTerminateRequests, m_strMaxTerminates);
    const std::string count = read(ln::kRecoveryCount, m_strRecoveryCount);
    m_nSystemValue = config::EqualsNoCase(count, value::kSystemValue);
    m_strRecoveryCount = m_nSystemValue ? std::string(kDefaultRecoveryCount) : count;
    if (!m_nSystemValue) m_strRecoveryInterval = read(ln::kRecoveryInterval, m_strRecoveryInterval);
}

void CLineLCPSettings::Exchange(ui::CDataExchange* pDX) {
    ui::DDX_Check(pDX, IDC_LINE_REAUTHENTICATE, m_nReauthenticate);
    ui::DDX_Text(pDX, IDC_LINE_REAUTH_INTERVAL, m_strInterval);
    ui::DDX_Text(pDX, IDC_LINE_AUTH_ATTEMPTS, m_strAttempts);
    ui::DDX_Text(pDX, IDC_LINE_RETRY_TIMER, m_strRetryTimer);
    ui::DDX_Text(pDX, IDC_LINE_MAX_FAILURES, m_strMaxFailures);
    ui::DDX_Text(pDX, IDC_LINE_MAX_REQUESTS, m_strMaxRequests);
    ui::DDX_Text(pDX, IDC_LINE_MAX_TERMINATES, m_strMaxTerminates);
    ui::DDX_Check(pDX, IDC_LINE_RECOVERY_SYSVAL, m_nSystemValue);
    ui::DDX_Text(pDX, IDC_LINE_RECOVERY_COUNT, m_strRecoveryCount);
    ui::DDX_Text(pDX, IDC_LINE_RECOVERY_INTERVAL, m_strRecoveryInterval);
}

void CLineLCPSettings::UpdateControls(ui::CDialog& page, bool changesAllowed,
                                      bool systemValueOffered) const {
    const bool specific = !UsesSystemValue(systemValueOffered);
    page.Edit(IDC_LINE_REAUTH_INTERVAL).EnableWindow(changesAllowed && m_nReauthenticate);
    page.Button(IDC_LINE_RECOVERY_SYSVAL).EnableWindow(changesAllowed && systemValueOffered);
    page.Edit(IDC_LINE_RECOVERY_COUNT).EnableWindow(changesAllowed && specific);
    page.Edit(IDC_LINE_RECOVERY_INTERVAL).EnableWindow(changesAllowed && specific);
}

bool CLineLCPSettings::Validate(bool systemValueOffered, const Problem& problem) const {
    auto inRange = [&](const std::string& text, long low, long high, int control) {
        return IsNumberInRange(text, low, high) ||
               problem(IDS_LINE_VALUE_RANGE, control, {std::to_string(low), std::to_string(high)});
    };
    if (m_nReauthenticate &&
        !inRange(m_strInterval, kMinInterval, kMaxInterval, IDC_LINE_REAUTH_INTERVAL))
        return false;
    if (!inRange(m_strAttempts, kMinCount, kMaxCount, IDC_LINE_AUTH_ATTEMPTS)) return false;
    const long tenths = RetryTenths(m_strRetryTimer);
    if (tenths < kMinRetryTenths || tenths > kMaxRetryTenths)
        return problem(IDS_LINE_RETRY_TIMER_RANGE, IDC_LINE_RETRY_TIMER, {});
    for (const auto& [text, id] : {std::pair{&m_strMaxFailures, IDC_LINE_MAX_FAILURES},
                                   std::pair{&m_strMaxRequests, IDC_LINE_MAX_REQUESTS},
                                   std::pair{&m_strMaxTerminates, IDC_LINE_MAX_TERMINATES}}) {
        if (!inRange(*text, kMinCount, kMaxCount, id)) return false;
    }
    if (UsesSystemValue(systemValueOffered)) return true;
    return inRange(m_strRecoveryCount, 0, kMaxRecoveryCount, IDC_LINE_RECOVERY_COUNT) &&
           inRange(m_strRecoveryInterval, 0, kMaxRecoveryInterval, IDC_LINE_RECOVERY_INTERVAL);
}

std::string CLineLCPSettings::RetryTimerValue() const {
    const long tenths = RetryTenths(m_strRetryTimer);
    char text[16];
    std::snprintf(text, sizeof text, "%.1f", static_cast<double>(tenths) / 10.0);
    return text;
}

void CLineLCPSettings::Collect(CLineCommandValues& values, bool systemValueOffered) const {
    values.strAuthenticationInterval =
        m_nReauthenticate ? m_strInterval : std::string(value::kNone);
    values.strAuthenticationAttempts = m_strAttempts;
    values.strRetryTimer = RetryTimerValue();
    values.strMaxFailures = m_strMaxFailures;
    values.strMaxRequests = m_strMaxRequests;
    values.strMaxTerminates = m_strMaxTerminates;
    const bool system = UsesSystemValue(systemValueOffered);
    values.strRecoveryCount = system ? std::string(value::kSystemValue) : m_strRecoveryCount;
    values.strRecoveryInterval = system ? std::string() : m_strRecoveryInterval;
}

void CLineLCPSettings::Write(const AttributeWriter& write, bool systemValueOffered) const {
    write(ln::kAuthenticationInterval,
          m_nReauthenticate ? std::string_view(m_strInterval) : value::kNone);
    write(ln::kAuthenticationAttempts, m_strAttempts);
    write(ln::kConfigureRetryTimer, RetryTimerValue());
    write(ln::kMaxConfigureFailures, m_strMaxFailures);
    write(ln::kMaxConfigureRequests, m_strMaxRequests);
    write(ln::kMaxTerminateRequests, m_strMaxTerminates);
    if (UsesSystemValue(systemValueOffered)) {
        write(ln::kRecoveryCount, value::kSystemValue);
        return;
    }
    write(ln::kRecoveryCount, m_strRecoveryCount);
    write(ln::kRecoveryInterval, m_strRecoveryInterval);
}

}  // namespace ptp::lines
