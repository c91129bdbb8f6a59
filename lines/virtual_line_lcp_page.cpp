#include "lines/virtual_line_lcp_page.h"

#include <cstdint>
#include <cstdio>
#include <limits>

#include "config/config_text.h"
#include "lines/line_value_text.h"
#include "lines/virtual_line_sheet.h"
#include "platform/ui/ddx.h"
#include "resources/ids/line_tunnels.h"

namespace ptp::lines {
namespace {

using Field = VirtualLineField;

constexpr long kMaxInterval = std::numeric_limits<std::int16_t>::max();

// Tenths of a second: "3", "3.0" and "0.5" are read, "3.05" and "61" are not.
bool TimerTenths(std::string_view text, int& tenths) {
    const std::size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view("0") : text.substr(point + 1);
    if (whole.empty() || fraction.size() != 1) return false;
    if (!IsNumberInRange(whole, 0, 60) || !IsNumberInRange(fraction, 0, 9)) return false;
    tenths = config::TextToInt(whole) * 10 + config::TextToInt(fraction);
    return tenths >= 1 && tenths <= 600;
}

std::string TimerText(int tenths) {
    char text[16];
    std::snprintf(text, sizeof text, "%.1f", tenths / 10.0);
    return text;
}

}  // namespace

CVirtualLineLCPPage::CVirtualLineLCPPage(CVirtualLineSheetBase* pSheet)
    : CVirtualLinePage(IDD_VLINE_LCP, pSheet) {
    OnClicked(IDC_VLINE_REAUTHENTICATE, [this] { UpdateControls(); });
}

void CVirtualLineLCPPage::Load() {
    if (m_pSheet->IsNewMode()) return;
    m_nReauthenticate = m_pSheet->GetField(Field::AuthPeriodic) == "1" ? 1 : 0;
    const std::string interval = m_pSheet->GetField(Field::AuthInterval);
    if (IsNumberInRange(interval, 1, kMaxInterval)) m_strInterval = interval;
    m_strAttempts = m_pSheet->GetField(Field::MaxAuthAttempts);
    int tenths = 0;
    const std::string timer = m_pSheet->GetField(Field::RetryTimer);
    m_strRetryTimer = TimerTenths(timer, tenths) ? TimerText(tenths) : timer;
    m_strMaxFailures = m_pSheet->GetField(Field::MaxFailures);
    m_strMaxRequests = m_pSheet->GetField(Field::MaxRequests);
    m_strMaxTerminates = m_pSheet->GetField(Field::MaxTerminates);
    m_strRecoveryCount = m_pSheet->GetField(Field::RecoveryCount);
    m_strRecoveryTime = m_pSheet->GetField(Field::RecoveryTime);
}

ui::BOOL CVirtualLineLCPPage::OnInitDialog() {
    CVirtualLinePage::OnInitDialog();
    UpdateControls();
    return ui::TRUE;
}

void CVirtualLineLCPPage::DoDataExchange(ui::CDataExchange* pDX) {
    ui::DDX_Check(pDX, IDC_VLINE_REAUTHENTICATE, m_nReauthenticate);
    ui::DDX_Text(pDX, IDC_VLINE_REAUTH_INTERVAL, m_strInterval);
    ui::DDX_Text(pDX, IDC_VLINE_AUTH_ATTEMPTS, m_strAttempts);
    ui::DDX_Text(pDX, IDC_VLINE_RETRY_TIMER, m_strRetryTimer);
    ui::DDX_Text(pDX, IDC_VLINE_MAX_FAILURES, m_strMaxFailures);
    ui::DDX_Text(pDX, IDC_VLINE_MAX_REQUESTS, m_strMaxRequests);
    ui::DDX_Text(pDX, IDC_VLINE_MAX_TERMINATES, m_strMaxTerminates);
    ui::DDX_Text(pDX, IDC_VLINE_RECOVERY_COUNT, m_strRecoveryCount);
    ui::DDX_Text(pDX, IDC_VLINE_RECOVERY_TIME, m_strRecoveryTime);
}

void CVirtualLineLCPPage::UpdateControls() {
    const bool periodic = IsDlgButtonChecked(IDC_VLINE_REAUTHENTICATE) == ui::BST_CHECKED;
    GetDlgItem(IDC_VLINE_REAUTH_INTERVAL)->EnableWindow(periodic ? ui::TRUE : ui::FALSE);
}

bool CVirtualLineLCPPage::Validate() {
    if (IsCreated() && !UpdateData(ui::TRUE)) return false;
    if (m_nReauthenticate == 1 &&
        !CheckRange(m_strInterval, 1, kMaxInterval, IDC_VLINE_REAUTH_INTERVAL))
        return false;
    if (!CheckRange(m_strAttempts, 1, 255, IDC_VLINE_AUTH_ATTEMPTS)) return false;
    int tenths = 0;
    if (!TimerTenths(config::Trim(m_strRetryTimer), tenths)) {
        ShowProblem(IDS_VLINE_RETRY_RANGE, IDC_VLINE_RETRY_TIMER);
        return false;
    }
    return CheckRange(m_strMaxFailures, 1, 255, IDC_VLINE_MAX_FAILURES) &&
           CheckRange(m_strMaxRequests, 1, 255, IDC_VLINE_MAX_REQUESTS) &&
           CheckRange(m_strMaxTerminates, 1, 255, IDC_VLINE_MAX_TERMINATES) &&
           CheckRange(m_strRecoveryCount, 4, 99, IDC_VLINE_RECOVERY_COUNT) &&
           CheckRange(m_strRecoveryTime, 8, 60, IDC_VLINE_RECOVERY_TIME);
}

void CVirtualLineLCPPage::Store() {
    m_pSheet->SetField(Field::AuthPeriodic, m_nReauthenticate == 1 ? "1" : "0");
    m_pSheet->SetField(Field::AuthInterval, m_nReauthenticate == 1 ? m_strInterval : "0");
    m_pSheet->SetField(Field::MaxAuthAttempts, m_strAttempts);
    int tenths = 0;
    if (TimerTenths(config::Trim(m_strRetryTimer), tenths))
        m_pSheet->SetField(Field::RetryTimer, TimerText(tenths));
    m_pSheet->SetField(Field::MaxFailures, m_strMaxFailures);
    m_pSheet->SetField(Field::MaxRequests, m_strMaxRequests);
    m_pSheet->SetField(Field::MaxTerminates, m_strMaxTerminates);
    m_pSheet->SetField(Field::RecoveryCount, m_strRecoveryCount);
    m_pSheet->SetField(Field::RecoveryTime, m_strRecoveryTime);
}

}  // namespace ptp::lines
