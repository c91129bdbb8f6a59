#include "lines/point_to_point_profile_line_ethernet_property_sheet.h"

#include <array>

#include "config/config_text.h"
#include "host/server_calls.h"
#include "platform/ui/display_name.h"
#include "platform/ui/message_box.h"
#include "platform/ui/toolkit.h"
#include "platform/vocabulary/kinds.h"
#include "resources/ids/line_tunnels.h"

namespace ptp::lines {

std::string BuildCreateEthernetLineCommand(const CEthernetLineValues& v) {
    return "QSYS/CRTLINETH LIND(" + v.strLineName + ") RSRCNAME(" + v.strResource + ") TEXT(" +
           v.strText + ") ONLINE(" + v.strOnline + ") ETHSTD(" + v.strStandard + ") LINESPEED(" +
           v.strSpeed + ") DUPLEX(" + v.strDuplex + ") MSGQ(" + v.strQueue + ") AUT(" +
           v.strAuthority + ")";
}

CPointToPointProfileLineEthernetPropertySheet::CPointToPointProfileLineEthernetPropertySheet(
    std::string_view caption, ui::CWnd* pParentWnd)
    : CLineObjectSheet(caption, pParentWnd),
      m_GeneralPage(this),
      m_LinkPage(this),
      m_SecurityPage(this) {
    AddPage(&m_GeneralPage);
    AddPage(&m_LinkPage);
}

CPointToPointProfileLineEthernetPropertySheet::~CPointToPointProfileLineEthernetPropertySheet() =
    default;

ui::INT_PTR CPointToPointProfileLineEthernetPropertySheet::DoModal() {
    host::IHost* host = host::GetHost();
    if (!host || !m_GeneralPage.LoadServerData()) {
        EndDialog(ui::IDCANCEL);
        return CPropertySheet::DoModal();
    }
    if (IsNewMode()) {
        AddPage(&m_SecurityPage);
        SetTitle(ui::FormatResource(IDS_VLINE_ETH_NEW_CAPTION, {GetSystemName()}));
        return CPropertySheet::DoModal();
    }
    if (!OpenLineObject(*host)) return CPropertySheet::DoModal();
    SetTitle(ui::FormatResource(IDS_VLINE_ETH_PROPERTIES_CAPTION,
                                {ui::DisplayName(GetExistingLineName()), GetSystemName()}));
    return CPropertySheet::DoModal();
}

int CPointToPointProfileLineEthernetPropertySheet::Commit() {
    if (HasFailed()) return 2;
    if (!m_GeneralPage.Validate() || !m_LinkPage.Validate()) return 2;
    if (!IsNewMode()) {
        m_GeneralPage.Store();
        if (m_LinkPage.IsCreated()) m_LinkPage.Store();
        return CommitLineObject();
    }
    m_SecurityPage.EnsureLoaded();
    if (!m_SecurityPage.Validate()) return 2;
    CEthernetLineValues values;
    m_GeneralPage.Collect(values);
    m_LinkPage.EnsureLoaded();
    m_LinkPage.Collect(values);
    m_SecurityPage.Collect(values);
    if (!RunCommand(BuildCreateEthernetLineCommand(values))) return 2;
    MarkLineCreated();
    return 0;
}

}  // namespace ptp::lines
