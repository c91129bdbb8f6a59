#include "wizard/point_to_point_profile_wdn_dialer_test_dialog.h"

#include <array>
#include <utility>

#include "config/config_text.h"
#include "host/server_calls.h"
#include "platform/ui/message_box.h"
#include "platform/ui/toolkit.h"
#include "platform/vocabulary/kinds.h"
#include "platform/vocabulary/profile.h"
#include "platform/vocabulary/status.h"
#include "resources/ids/wizard.h"

namespace ptp::wizard {

namespace {

namespace st = code::status;
constexpr int kCommandMode = 1;

constexpr std::array<std::pair<int, UINT>, 9> kPhases = {{
    {st::kStarting, IDS_WDN_PHASE_STARTING},
    {st::kDialing, IDS_WDN_PHASE_DIALING},
    {st::kLcpStarting, IDS_WDN_PHASE_LCP_STARTING},
    {st::kLcpRequestSent, IDS_WDN_PHASE_LCP_REQUEST_SENT},
    {st::kLcpOpened, IDS_WDN_PHASE_LCP_OPENED},
    {st::kIpcpStarting, IDS_WDN_PHASE_IPCP_STARTING},
    {st::kIpcpRequestSent, IDS_WDN_PHASE_IPCP_REQUEST_SENT},
    {st::kIpcpOpened, IDS_WDN_PHASE_IPCP_OPENED},
    {st::kActive, IDS_WDN_PHASE_ACTIVE},
}};

bool IsStopped(int status) {
    return status == st::kInactive || status == st::kEnded || status == st::kFailed ||
           status == st::kNotStarted || status == st::kEndedByOperator;
}

}  // namespace

CPointToPointProfileWDNDialerTestDialog::CPointToPointProfileWDNDialerTestDialog(
    std::string strSystemName, std::string strProfileName, ui::CWnd* pParentWnd)
    : CDialog(IDD_WDN_TEST, pParentWnd),
      m_strSystemName(std::move(strSystemName)),
      m_strProfileName(config::ToUpper(strProfileName)) {}

ui::BOOL CPointToPointProfileWDNDialerTestDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    ModifyStyleEx(0, ui::WS_EX_CONTEXTHELP);
    SetWindowText(ui::FormatResource(IDS_WDN_TEST_CAPTION, {m_strProfileName}));
    ui::CListCtrl& list = ListCtrl(IDC_WDN_TEST_LIST);
    list.InsertColumn(0, ui::LoadText(IDS_WDN_TEST_HEADING));
    const std::string reply = RunCommand("QSYS/STRTCPPTP CFGPRF('" + m_strProfileName + "')");
    if (!reply.empty()) {
        AddLine(reply);
        return ui::TRUE;
    }
    m_bStarted = true;
    AddLine(ui::LoadText(IDS_WDN_TEST_STARTED));
    SetTimer(kPollTimer, kPollMilliseconds);
    return ui::TRUE;
}

void CPointToPointProfileWDNDialerTestDialog::OnTimer(ui::UINT_PTR nIDEvent) {
    if (nIDEvent == kPollTimer) Poll();
}

void CPointToPointProfileWDNDialerTestDialog::Poll() {
    host::IHost* host = host::GetHost();
    if (!host) return;
    host::SOFError* error = nullptr;
    auto profile =
        host->Objects().CreateObject(kinds::kProfileObject, host::kClientName,
                                     config::ToUpper(m_strSystemName), m_strProfileName, &error);
    const std::string status =
        profile && !error ? profile->GetAttributeText(attr::profile::kStatus, &error) : "";
    const std::string text =
        profile && !error ? profile->GetAttributeText(attr::profile::kStatusText, &error) : "";
    if (error) {
        KillTimer(kPollTimer);
        host::ShowAndDestroy(error, GetSafeHwnd());
        return;
    }
    const int code = config::TextToInt(status);
    if (code == m_nLastStatus) return;
    m_nLastStatus = code;
    if (IsStopped(code)) {
        // The job ended on its own: there is nothing left to end when the dialog closes.
        KillTimer(kPollTimer);
        m_bStarted = false;
        AddLine(text.empty() ? ui::LoadText(IDS_WDN_PHASE_STOPPED)
                             : ui::FormatResource(IDS_WDN_PHASE_FAILED, {text}));
        return;
    }
    for (const auto& [phase, label] : kPhases) {
        if (phase != code) continue;
        AddLine(ui::LoadText(label));
        if (code == st::kActive) KillTimer(kPollTimer);
        return;
    }
    AddLine(ui::FormatResource(IDS_WDN_PHASE_OTHER, {status}));
}

void CPointToPointProfileWDNDialerTestDialog::OnDestroy() {
    if (m_bStarted) {
        KillTimer(kPollTimer);
        m_bStarted = false;
        const std::string reply = RunCommand("QSYS/ENDTCPPTP CFGPRF('" + m_strProfileName + "')");
        if (!reply.empty()) ui::AfxMessageBox(reply, ui::MB_ICONWARNING);
    }
    CDialog::OnDestroy();
}

std::string CPointToPointProfileWDNDialerTestDialog::RunCommand(const std::string& command) {
    host::IHost* host = host::GetHost();
    if (!host) return {};
    int status = 0;
    auto connection = host->Commands().OpenConnection(m_strSystemName, kCommandMode, status);
    if (!connection) return {};
    return connection->RunCommand(command);
}

void CPointToPointProfileWDNDialerTestDialog::AddLine(const std::string& text) {
    ui::CListCtrl& list = ListCtrl(IDC_WDN_TEST_LIST);
    list.InsertItem(list.GetItemCount(), text);
    const int width = list.GetStringWidth(text);
    if (width > list.GetColumnWidth(0)) list.SetColumnWidth(0, width);
}

}  // namespace ptp::wizard
