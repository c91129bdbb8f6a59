#include "lines/point_to_point_profile_line_pppoe_property_sheet.h"

#include "config/config_paths.h"
#include "platform/ui/display_name.h"
#include "platform/ui/message_box.h"
#include "platform/ui/toolkit.h"
#include "resources/ids/line_tunnels.h"

namespace ptp::lines {

using Field = VirtualLineField;
using Data = config::CPointToPointProfilePPPoELineData;

CPointToPointProfileLinePPPoEPropertySheet::CPointToPointProfileLinePPPoEPropertySheet(
    std::string_view caption, ui::CWnd* pParentWnd)
    : CVirtualLineSheetBase(caption, pParentWnd),
      m_record(&Data::GetPELineName, config::kPPPoELineConfigPath),
      m_GeneralPage(this),
      m_LinkPage(this),
      m_LCPPage(this) {
    AddLinePage(&m_GeneralPage);
    AddLinePage(&m_LinkPage);
    AddLinePage(&m_LCPPage);
}

bool CPointToPointProfileLinePPPoEPropertySheet::OpenRecord() {
    const UINT message = m_record.Open(GetSystemName(), GetExistingLineName());
    if (message == 0) return true;
    ui::AfxMessageBox(message, {GetExistingLineName()}, kLineMessageStyle);
    return false;
}

std::string CPointToPointProfileLinePPPoEPropertySheet::Caption() const {
    if (IsNewMode()) return ui::FormatResource(IDS_VLINE_PPPOE_NEW_CAPTION, {GetSystemName()});
    return ui::FormatResource(IDS_VLINE_PPPOE_PROPERTIES_CAPTION,
                              {ui::DisplayName(GetExistingLineName()), GetSystemName()});
}

UINT CPointToPointProfileLinePPPoEPropertySheet::KindText() const {
    return IDS_VLINE_PPPOE_KIND;
}

bool CPointToPointProfileLinePPPoEPropertySheet::LineNameExists(std::string_view name) const {
    return m_record.Exists(name);
}

UINT CPointToPointProfileLinePPPoEPropertySheet::SaveFile() {
    return m_record.Save() ? 0 : IDS_VLINE_FILE_NOT_SAVED;
}

std::string CPointToPointProfileLinePPPoEPropertySheet::GetField(Field field) const {
    const Data& record = m_record.Record();
    switch (field) {
        case Field::Name:
            return record.GetPELineName();
        case Field::Description:
            return record.GetPELineDescription();
        case Field::MaxFrame:
            return record.GetPEMaxFrameSize();
        case Field::KeepAlive:
            return record.GetKeepActiveSesAlv();
        case Field::AuthPeriodic:
            return record.GetPEAuthRmtPeerPeriodic();
        case Field::AuthInterval:
            return record.GetPEAuthRmtPeerInterval();
        case Field::MaxAuthAttempts:
            return record.GetPEMaxAuthAttempts();
        case Field::RetryTimer:
            return record.GetPELCPCfgRtyTimer();
        case Field::MaxFailures:
            return record.GetPELCPMaxCfgFailures();
        case Field::MaxRequests:
            return record.GetPELCPMaxCfgRequests();
        case Field::MaxTerminates:
            return record.GetPELCPMaxTermRequests();
        case Field::RecoveryCount:
            return record.GetPERecoveryCountLimit();
        case Field::RecoveryTime:
            return record.GetPERecoveryTime();
    }
    return {};
}

void CPointToPointProfileLinePPPoEPropertySheet::SetField(Field field, std::string_view value) {
    Data& record = m_record.Record();
    switch (field) {
        case Field::Name:
            return record.SetPELineName(value);
        case Field::Description:
            return record.SetPELineDescription(value);
        case Field::MaxFrame:
            return record.SetPEMaxFrameSize(value);
        case Field::KeepAlive:
            return record.SetKeepActiveSesAlv(value);
        case Field::AuthPeriodic:
            return record.SetPEAuthRmtPeerPeriodic(value);
        case Field::AuthInterval:
            return record.SetPEAuthRmtPeerInterval(value);
        case Field::MaxAuthAttempts:
            return record.SetPEMaxAuthAttempts(value);
        case Field::RetryTimer:
            return record.SetPELCPCfgRtyTimer(value);
        case Field::MaxFailures:
            return record.SetPELCPMaxCfgFailures(value);
        case Field::MaxRequests:
            return record.SetPELCPMaxCfgRequests(value);
        case Field::MaxTerminates:
            return record.SetPELCPMaxTermRequests(value);
        case Field::RecoveryCount:
            return record.SetPERecoveryCountLimit(value);
        case Field::RecoveryTime:
            return record.SetPERecoveryTime(value);
    }
}

}  // namespace ptp::lines
