#include "lines/point_to_point_profile_line_l2tp_property_sheet.h"

#include "config/config_paths.h"
#include "lines/l2tp_tunnel_entries.h"
#include "platform/ui/display_name.h"
#include "platform/ui/message_box.h"
#include "platform/ui/toolkit.h"
#include "resources/ids/line_tunnels.h"

namespace ptp::lines {

using Field = VirtualLineField;
using Data = config::CPointToPointProfileL2TPLineData;

CPointToPointProfileLineL2TPPropertySheet::CPointToPointProfileLineL2TPPropertySheet(
    std::string_view caption, ui::CWnd* pParentWnd)
    : CVirtualLineSheetBase(caption, pParentWnd),
      m_record(&Data::GetLineName, config::kL2TPLineConfigPath),
      m_GeneralPage(this),
      m_LinkPage(this),
      m_LCPPage(this),
      m_DialAuthPage(this),
      m_AnsAuthPage(this) {
    AddLinePage(&m_GeneralPage);
    AddLinePage(&m_LinkPage);
    AddLinePage(&m_LCPPage);
    AddLinePage(&m_DialAuthPage);
    AddLinePage(&m_AnsAuthPage);
}

bool CPointToPointProfileLineL2TPPropertySheet::OpenRecord() {
    const UINT message = m_record.Open(GetSystemName(), GetExistingLineName());
    if (message == 0) return true;
    ui::AfxMessageBox(message, {GetExistingLineName()}, kLineMessageStyle);
    return false;
}

std::string CPointToPointProfileLineL2TPPropertySheet::Caption() const {
    if (IsNewMode()) return ui::FormatResource(IDS_VLINE_L2TP_NEW_CAPTION, {GetSystemName()});
    return ui::FormatResource(IDS_VLINE_L2TP_PROPERTIES_CAPTION,
                              {ui::DisplayName(GetExistingLineName()), GetSystemName()});
}

UINT CPointToPointProfileLineL2TPPropertySheet::KindText() const {
    return IDS_VLINE_L2TP_KIND;
}

bool CPointToPointProfileLineL2TPPropertySheet::LineNameExists(std::string_view name) const {
    return m_record.Exists(name);
}

// The entries go first: a line file that names a list without the line's entry would fail
// every caller, while an entry without its line does no harm and is replaced by the next OK.
bool CPointToPointProfileLineL2TPPropertySheet::SaveOutsideFile() {
    const std::string line = GetField(Field::Name);
    const HWND parent = GetSafeHwnd();
    const bool dialShown = IsNewMode() || m_DialAuthPage.IsCreated();
    if (dialShown && m_DialAuthPage.HasEntry()) {
        const CL2TPTunnelEntry entry = m_DialAuthPage.Entry();
        if (!entry.strSecret.empty() && !RetainTunnelSecrets(GetSystemName(), parent)) return false;
        if (!WriteTunnelEntry(GetSystemName(), kDialTunnelList, line, entry, parent)) {
            SetActivePage(&m_DialAuthPage);
            return false;
        }
        m_bEntriesWritten = true;
    }
    const bool answerShown = IsNewMode() || m_AnsAuthPage.IsCreated();
    if (!answerShown || !m_AnsAuthPage.RequiresIdentification()) return true;
    if (!WriteTunnelEntry(GetSystemName(), m_AnsAuthPage.ListName(), line,
                          {m_AnsAuthPage.HostName(), std::string()}, parent)) {
        SetActivePage(&m_AnsAuthPage);
        return false;
    }
    m_bEntriesWritten = true;
    return true;
}

UINT CPointToPointProfileLineL2TPPropertySheet::SaveFile() {
    if (m_record.Save()) return 0;
    return m_bEntriesWritten ? IDS_VLINE_FILE_NOT_SAVED_AFTER_SECRETS : IDS_VLINE_FILE_NOT_SAVED;
}

std::string CPointToPointProfileLineL2TPPropertySheet::GetField(Field field) const {
    const Data& record = m_record.Record();
    switch (field) {
        case Field::Name:
            return record.GetLineName();
        case Field::Description:
            return record.GetLineDescription();
        case Field::MaxFrame:
            return record.GetMaxFrameSize();
        case Field::KeepAlive:
            return record.GetActiveTunnelKeepAlive();
        case Field::AuthPeriodic:
            return record.GetAuthRmtPeerPeriodic();
        case Field::AuthInterval:
            return record.GetAuthRmtPeerInterval();
        case Field::MaxAuthAttempts:
            return record.GetMaxAuthAttempts();
        case Field::RetryTimer:
            return record.GetLCPCfgRtyTimer();
        case Field::MaxFailures:
            return record.GetLCPMaxCfgFailures();
        case Field::MaxRequests:
            return record.GetLCPMaxCfgRequests();
        case Field::MaxTerminates:
            return record.GetLCPMaxTermRequests();
        case Field::RecoveryCount:
            return record.GetRecoveryCountLimit();
        case Field::RecoveryTime:
            return record.GetRecoveryTime();
    }
    return {};
}

void CPointToPointProfileLineL2TPPropertySheet::SetField(Field field, std::string_view value) {
    Data& record = m_record.Record();
    switch (field) {
        case Field::Name:
            return record.SetLineName(value);
        case Field::Description:
            return record.SetLineDescription(value);
        case Field::MaxFrame:
            return record.SetMaxFrameSize(value);
        case Field::KeepAlive:
            return record.SetActiveTunnelKeepAlive(value);
        case Field::AuthPeriodic:
            return record.SetAuthRmtPeerPeriodic(value);
        case Field::AuthInterval:
            return record.SetAuthRmtPeerInterval(value);
        case Field::MaxAuthAttempts:
            return record.SetMaxAuthAttempts(value);
        case Field::RetryTimer:
            return record.SetLCPCfgRtyTimer(value);
        case Field::MaxFailures:
            return record.SetLCPMaxCfgFailures(value);
        case Field::MaxRequests:
            return record.SetLCPMaxCfgRequests(value);
        case Field::MaxTerminates:
            return record.SetLCPMaxTermRequests(value);
        case Field::RecoveryCount:
            return record.SetRecoveryCountLimit(value);
        case Field::RecoveryTime:
            return record.SetRecoveryTime(value);
    }
}

}  // namespace ptp::lines
