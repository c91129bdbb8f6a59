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
namespace {

constexpr std::size_t kAttributeCapacity = 512;
constexpr int kCommandMode = 1;

}  // namespace

std::string BuildCreateEthernetLineCommand(const CEthernetLineValues& v) {
    return "QSYS/CRTLINETH LIND(" + v.strLineName + ") RSRCNAME(" + v.strResource + ") TEXT(" +
           v.strText + ") ONLINE(" + v.strOnline + ") ETHSTD(" + v.strStandard + ") LINESPEED(" +
           v.strSpeed + ") DUPLEX(" + v.strDuplex + ") MSGQ(" + v.strQueue + ") AUT(" +
           v.strAuthority + ")";
}

CPointToPointProfileLineEthernetPropertySheet::CPointToPointProfileLineEthernetPropertySheet(
    std::string_view caption, ui::CWnd* pParentWnd)
    : CPropertySheet(caption, pParentWnd),
      m_GeneralPage(this),
      m_LinkPage(this),
      m_SecurityPage(this) {
    m_psh.dwFlags |= ui::PSH_HASHELP | ui::PSH_NOAPPLYNOW;
    AddPage(&m_GeneralPage);
    AddPage(&m_LinkPage);
}

CPointToPointProfileLineEthernetPropertySheet::~CPointToPointProfileLineEthernetPropertySheet() {
    host::ShowAndDestroy(m_ErrorHandle, nullptr);
}

ui::INT_PTR CPointToPointProfileLineEthernetPropertySheet::DoModal() {
    host::IHost* host = host::GetHost();
    if (!host || !m_GeneralPage.LoadServerData()) {
        EndDialog(ui::IDCANCEL);
        return CPropertySheet::DoModal();
    }
    if (IsNewMode()) {
        AddPage(&m_SecurityPage);
        SetTitle(ui::FormatResource(IDS_VLINE_ETH_NEW_CAPTION, {m_strSystemName}));
        return CPropertySheet::DoModal();
    }
    m_pLineObject = host->Objects().CreateObject(
        kinds::kLine, host::kClientName, config::ToUpper(m_strSystemName),
        config::ToUpper(m_strExistingLineName), &m_ErrorHandle);
    if (!m_pLineObject || m_ErrorHandle) {
        Fail(m_ErrorHandle);
        return CPropertySheet::DoModal();
    }
    SetTitle(ui::FormatResource(IDS_VLINE_ETH_PROPERTIES_CAPTION,
                                {ui::DisplayName(m_strExistingLineName), m_strSystemName}));
    return CPropertySheet::DoModal();
}

ui::BOOL CPointToPointProfileLineEthernetPropertySheet::OnInitDialog() {
    CPropertySheet::OnInitDialog();
    ModifyStyleEx(0, ui::WS_EX_CONTEXTHELP);
    if (!m_bChangesAllowed) GetDlgItem(ui::IDOK)->EnableWindow(ui::FALSE);
    return ui::TRUE;
}

void CPointToPointProfileLineEthernetPropertySheet::Fail(host::SOFError*& error) {
    host::ShowAndDestroy(error, GetSafeHwnd());
    if (m_bFailed) return;
    m_bFailed = true;
    EndDialog(ui::IDCANCEL);
}

std::string CPointToPointProfileLineEthernetPropertySheet::GetLineText(int id) {
    if (!m_pLineObject || m_bFailed) return {};
    std::array<char, kAttributeCapacity> buffer{};
    m_pLineObject->GetAttribute(id, buffer.data(), buffer.size(), &m_ErrorHandle);
    if (!m_ErrorHandle) return buffer.data();
    Fail(m_ErrorHandle);
    return {};
}

void CPointToPointProfileLineEthernetPropertySheet::SetLineText(int id, std::string_view value) {
    if (m_pLineObject) m_pLineObject->SetAttribute(id, value);
}

int CPointToPointProfileLineEthernetPropertySheet::Commit() {
    if (m_bFailed) return 2;
    if (!m_GeneralPage.Validate() || !m_LinkPage.Validate()) return 2;
    if (!IsNewMode()) {
        m_GeneralPage.Store();
        if (m_LinkPage.IsCreated()) m_LinkPage.Store();
        m_pLineObject->Commit(&m_ErrorHandle);
        if (!m_ErrorHandle) return 0;
        // Refused, the sheet stays open with what the user typed; the next OK stores it again.
        m_pLineObject->Discard();
        host::ShowAndDestroy(m_ErrorHandle, GetSafeHwnd());
        return 2;
    }
    m_SecurityPage.EnsureLoaded();
    if (!m_SecurityPage.Validate()) return 2;
    CEthernetLineValues values;
    m_GeneralPage.Collect(values);
    m_LinkPage.EnsureLoaded();
    m_LinkPage.Collect(values);
    m_SecurityPage.Collect(values);
    int status = 0;
    auto command =
        host::GetHost()->Commands().OpenConnection(m_strSystemName, kCommandMode, status);
    if (!command) return 2;
    const std::string reply = command->RunCommand(BuildCreateEthernetLineCommand(values));
    if (!reply.empty()) {
        ui::AfxMessageBox(reply, kLineMessageStyle);
        return 2;
    }
    m_bCreated = true;
    return 0;
}

}  // namespace ptp::lines
