#include "lines/point_to_point_profile_line_lcp_page.h"

#include <cstdint>
#include <cstdio>
#include <limits>

#include "config/config_text.h"
#include "lines/line_value_text.h"
#include "lines/point_to_point_profile_line_property_sheet.h"
#include "platform/ui/ddx.h"
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

CPointToPointProfileLineLCPPage::CPointToPointProfileLineLCPPage(
    CPointToPointProfileLinePropertySheet* pSheet)
    : CPointToPointProfileLinePage(IDD_LINE_LCP, pSheet) {
    for (int id : {IDC_LINE_REAUTHENTICATE, IDC_LINE_RECOVERY_SYSVAL}) {
        OnClicked(id, [this] {
            UpdateData(ui::TRUE);
            UpdateControls();
        });
    }
}

void CPointToPointProfileLineLCPPage::Load() {
    if (m_pSheet->GetMode() == CPointToPointProfileLinePropertySheet::Mode::New) return;
    const std::string interval = m_pSheet->GetLineText(ln::kAuthenticationInterval);
    m_nReauthenticate = !interval.empty() && !config::EqualsNoCase(interval, value::kNone);
    m_strReauthenticateInterval = m_nReauthenticate ? interval : std::string(kDefaultInterval);
    // An attribute the line does not carry keeps the initial value.
    m_strAttempts = m_pSheet->GetLineText(ln::kAuthenticationAttempts, m_strAttempts);
    m_strRetryTimer = m_pSheet->GetLineText(ln::kConfigureRetryTimer, m_strRetryTimer);
    m_strMaxFailures = m_pSheet->GetLineText(ln::kMaxConfigureFailures, m_strMaxFailures);
    m_strMaxRequests = m_pSheet->GetLineText(ln::kMaxConfigureRequests, m_strMaxRequests);
    m_strMaxTerminates = m_pSheet->GetLineText(ln::kMaxTerminateRequests, m_strMaxTerminates);
    const std::string count = m_pSheet->GetLineText(ln::kRecoveryCount, m_strRecoveryCount);
    m_nRecoverySystemValue = config::EqualsNoCase(count, value::kSystemValue);
    m_strRecoveryCount = m_nRecoverySystemValue ? std::string(kDefaultRecoveryCount) : count;
    if (!m_nRecoverySystemValue)
        m_strRecoveryInterval = m_pSheet->GetLineText(ln::kRecoveryInterval, m_strRecoveryInterval);
}

ui::BOOL CPointToPointProfileLineLCPPage::OnInitDialog() {
    CPointToPointProfileLinePage::OnInitDialog();
    UpdateControls();
    return ui::TRUE;
}

void CPointToPointProfileLineLCPPage::DoDataExchange(ui::CDataExchange* pDX) {
    ui::DDX_Check(pDX, IDC_LINE_REAUTHENTICATE, m_nReauthenticate);
    ui::DDX_Text(pDX, IDC_LINE_REAUTH_INTERVAL, m_strReauthenticateInterval);
    ui::DDX_Text(pDX, IDC_LINE_AUTH_ATTEMPTS, m_strAttempts);
    ui::DDX_Text(pDX, IDC_LINE_RETRY_TIMER, m_strRetryTimer);
    ui::DDX_Text(pDX, IDC_LINE_MAX_FAILURES, m_strMaxFailures);
    ui::DDX_Text(pDX, IDC_LINE_MAX_REQUESTS, m_strMaxRequests);
    ui::DDX_Text(pDX, IDC_LINE_MAX_TERMINATES, m_strMaxTerminates);
    ui::DDX_Check(pDX, IDC_LINE_RECOVERY_SYSVAL, m_nRecoverySystemValue);
    ui::DDX_Text(pDX, IDC_LINE_RECOVERY_COUNT, m_strRecoveryCount);
    ui::DDX_Text(pDX, IDC_LINE_RECOVERY_INTERVAL, m_strRecoveryInterval);
}

bool CPointToPointProfileLineLCPPage::UsesSystemValue() const {
    return m_nRecoverySystemValue && m_pSheet->GetCapabilityA();
}

void CPointToPointProfileLineLCPPage::UpdateControls() {
    const bool changeable = m_pSheet->ChangesAllowed();
    Edit(IDC_LINE_REAUTH_INTERVAL).EnableWindow(changeable && m_nReauthenticate);
    // The system value of the recovery limits is a choice only servers with CapabilityA offer.
    Button(IDC_LINE_RECOVERY_SYSVAL).EnableWindow(changeable && m_pSheet->GetCapabilityA());
    Edit(IDC_LINE_RECOVERY_COUNT).EnableWindow(changeable && !UsesSystemValue());
    Edit(IDC_LINE_RECOVERY_INTERVAL).EnableWindow(changeable && !UsesSystemValue());
}

bool CPointToPointProfileLineLCPPage::Validate() {
    EnsureLoaded();
    if (m_nReauthenticate && !CheckRange(m_strReauthenticateInterval, kMinInterval, kMaxInterval,
                                         IDC_LINE_REAUTH_INTERVAL))
        return false;
    if (!CheckRange(m_strAttempts, kMinCount, kMaxCount, IDC_LINE_AUTH_ATTEMPTS)) return false;
    const long tenths = RetryTenths(m_strRetryTimer);
    if (tenths < kMinRetryTenths || tenths > kMaxRetryTenths) {
        ShowProblem(IDS_LINE_RETRY_TIMER_RANGE, IDC_LINE_RETRY_TIMER);
        return false;
    }
    for (const auto& [text, id] : {std::pair{&m_strMaxFailures, IDC_LINE_MAX_FAILURES},
                                   std::pair{&m_strMaxRequests, IDC_LINE_MAX_REQUESTS},
                                   std::pair{&m_strMaxTerminates, IDC_LINE_MAX_TERMINATES}}) {
        if (!CheckRange(*text, kMinCount, kMaxCount, id)) return false;
    }
    if (UsesSystemValue()) return true;
    if (!CheckRange(m_strRecoveryCount, 0, kMaxRecoveryCount, IDC_LINE_RECOVERY_COUNT))
        return false;
    return CheckRange(m_strRecoveryInterval, 0, kMaxRecoveryInterval, IDC_LINE_RECOVERY_INTERVAL);
}

std::string CPointToPointProfileLineLCPPage::RetryTimerValue() const {
    const long tenths = RetryTenths(m_strRetryTimer);
    char text[16];
    std::snprintf(text, sizeof text, "%.1f", static_cast<double>(tenths) / 10.0);
    return text;
}

void CPointToPointProfileLineLCPPage::Collect(CLineCommandValues& values) {
    EnsureLoaded();
    values.strAuthenticationInterval =
        m_nReauthenticate ? m_strReauthenticateInterval : std::string(value::kNone);
    values.strAuthenticationAttempts = m_strAttempts;
    values.strRetryTimer = RetryTimerValue();
    values.strMaxFailures = m_strMaxFailures;
    values.strMaxRequests = m_strMaxRequests;
    values.strMaxTerminates = m_strMaxTerminates;
    values.strRecoveryCount =
        UsesSystemValue() ? std::string(value::kSystemValue) : m_strRecoveryCount;
    values.strRecoveryInterval = UsesSystemValue() ? std::string() : m_strRecoveryInterval;
}

void CPointToPointProfileLineLCPPage::Store() {
    EnsureLoaded();
    m_pSheet->SetLineText(
        ln::kAuthenticationInterval,
        m_nReauthenticate ? std::string_view(m_strReauthenticateInterval) : value::kNone);
    m_pSheet->SetLineText(ln::kAuthenticationAttempts, m_strAttempts);
    m_pSheet->SetLineText(ln::kConfigureRetryTimer, RetryTimerValue());
    m_pSheet->SetLineText(ln::kMaxConfigureFailures, m_strMaxFailures);
    m_pSheet->SetLineText(ln::kMaxConfigureRequests, m_strMaxRequests);
    m_pSheet->SetLineText(ln::kMaxTerminateRequests, m_strMaxTerminates);
    if (UsesSystemValue()) {
        m_pSheet->SetLineText(ln::kRecoveryCount, value::kSystemValue);
        return;
    }
    m_pSheet->SetLineText(ln::kRecoveryCount, m_strRecoveryCount);
    m_pSheet->SetLineText(ln::kRecoveryInterval, m_strRecoveryInterval);
}

}  // namespace ptp::lines
