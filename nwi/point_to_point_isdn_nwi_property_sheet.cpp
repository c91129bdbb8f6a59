#include "nwi/point_to_point_isdn_nwi_property_sheet.h"

#include <array>

#include "config/config_text.h"
#include "host/server_calls.h"
#include "lines/line_page_base.h"
#include "platform/ui/display_name.h"
#include "platform/ui/message_box.h"
#include "platform/ui/toolkit.h"
#include "platform/vocabulary/kinds.h"
#include "platform/vocabulary/network_interface.h"
#include "resources/ids/nwi.h"

namespace ptp::nwi {
namespace {

constexpr std::size_t kAttributeCapacity = 512;
constexpr int kCommandMode = 1;

}  // namespace

CPointToPointIsdnNwiPropertySheet::CPointToPointIsdnNwiPropertySheet(std::string_view caption,
                                                                     ui::CWnd* pParentWnd)
    : CPropertySheet(caption, pParentWnd),
      m_GeneralPage(this),
      m_EntriesPage(this),
      m_ServicePage(this),
      m_ParmsPage(this),
      m_LocalNumberPage(this),
      m_SecurityPage(this) {
    m_psh.dwFlags |= ui::PSH_HASHELP | ui::PSH_NOAPPLYNOW;
}

CPointToPointIsdnNwiPropertySheet::~CPointToPointIsdnNwiPropertySheet() {
    host::ShowAndDestroy(m_ErrorHandle, nullptr);
}

ui::INT_PTR CPointToPointIsdnNwiPropertySheet::DoModal() {
    host::IHost* host = host::GetHost();
    if (!host || !m_GeneralPage.LoadServerData()) {
        EndDialog(ui::IDCANCEL);
        return CPropertySheet::DoModal();
    }
    AddPage(&m_GeneralPage);
    AddPage(&m_EntriesPage);
    AddPage(&m_ServicePage);
    if (IsNewMode()) {
        AddPage(&m_ParmsPage);
        AddPage(&m_LocalNumberPage);
        AddPage(&m_SecurityPage);
        SetTitle(ui::FormatResource(IDS_NWI_NEW_CAPTION, {m_strSystemName}));
        return CPropertySheet::DoModal();
    }
    AddPage(&m_LocalNumberPage);
    AddPage(&m_ParmsPage);
    m_pInterface = host->Objects().CreateObject(
        kinds::kNetworkInterface, host::kClientName, config::ToUpper(m_strSystemName),
        config::ToUpper(m_strInterfaceName), &m_ErrorHandle);
    if (!m_pInterface || m_ErrorHandle) {
        Fail(m_ErrorHandle);
        return CPropertySheet::DoModal();
    }
    SetTitle(ui::FormatResource(IDS_NWI_PROPERTIES_CAPTION,
                                {ui::DisplayName(m_strInterfaceName), m_strSystemName}));
    return CPropertySheet::DoModal();
}

ui::BOOL CPointToPointIsdnNwiPropertySheet::OnInitDialog() {
    CPropertySheet::OnInitDialog();
    ModifyStyleEx(0, ui::WS_EX_CONTEXTHELP);
    if (!m_bChangesAllowed) GetDlgItem(ui::IDOK)->EnableWindow(ui::FALSE);
    return ui::TRUE;
}

void CPointToPointIsdnNwiPropertySheet::Fail(host::SOFError*& error) {
    host::ShowAndDestroy(error, GetSafeHwnd());
    if (m_bFailed) return;
    m_bFailed = true;
    EndDialog(ui::IDCANCEL);
}

std::string CPointToPointIsdnNwiPropertySheet::GetText(int id) {
    if (!m_pInterface || m_bFailed) return {};
    std::array<char, kAttributeCapacity> buffer{};
    m_pInterface->GetAttribute(id, buffer.data(), buffer.size(), &m_ErrorHandle);
    if (!m_ErrorHandle) return buffer.data();
    Fail(m_ErrorHandle);
    return {};
}

bool CPointToPointIsdnNwiPropertySheet::InterfaceExists(std::string_view name) {
    host::IHost* host = host::GetHost();
    if (!host) return false;
    host::SOFError* error = nullptr;
    auto nwi = host->Objects().CreateObject(kinds::kNetworkInterface, host::kClientName,
                                            config::ToUpper(m_strSystemName), config::ToUpper(name),
                                            &error);
    const std::string found =
        nwi && !error ? nwi->GetAttributeText(attr::network_interface::kName, &error) : "";
    host::ShowAndDestroy(error, GetSafeHwnd());
    return !found.empty();
}

void CPointToPointIsdnNwiPropertySheet::CollectGeneral(CNwiCommandValues& values) {
    m_GeneralPage.EnsureLoaded();
    m_GeneralPage.Collect(values);
}

bool CPointToPointIsdnNwiPropertySheet::Validate(std::initializer_list<CNwiPage*> pages) {
    for (CNwiPage* page : pages) {
        if (GetPageIndex(page) < 0) continue;
        if (!IsNewMode() && !page->IsCreated()) continue;
        page->EnsureLoaded();
        if (!page->Validate()) return false;
    }
    return true;
}

int CPointToPointIsdnNwiPropertySheet::Commit() {
    if (m_bFailed || !Validate({&m_GeneralPage, &m_EntriesPage, &m_ServicePage})) return 2;
    if (m_bT1) {
        ui::AfxMessageBox(IDS_NWI_T1_NOT_SENT, lines::kLineMessageStyle);
        return 2;
    }
    if (!Validate({&m_ParmsPage, &m_LocalNumberPage, &m_SecurityPage})) return 2;
    CNwiCommandValues values;
    for (CNwiPage* page :
         std::array<CNwiPage*, 6>{&m_GeneralPage, &m_EntriesPage, &m_ServicePage, &m_ParmsPage,
                                  &m_LocalNumberPage, &m_SecurityPage}) {
        if (GetPageIndex(page) < 0) continue;
        page->EnsureLoaded();
        page->Collect(values);
    }
    if (!IsNewMode()) values.strName = config::ToUpper(m_strInterfaceName);
    // The digital line's connection lists carry the number this end calls from.
    if (m_pLineSheet && !config::EqualsNoCase(values.strLocalNumber, "*CNNL"))
        m_pLineSheet->SetLocalNumberValues({m_LocalNumberPage.FirstNumberValue(),
                                            values.strLocalNumberType, values.strLocalNumberPlan,
                                            values.strLocalNumberPresentation,
                                            values.strRemoveCharacters});
    int status = 0;
    auto connection =
        host::GetHost()->Commands().OpenConnection(m_strSystemName, kCommandMode, status);
    if (!connection) return 2;
    const std::string reply = connection->RunCommand(
        IsNewMode() ? BuildCreateIsdnNwiCommand(values) : BuildChangeIsdnNwiCommand(values));
    if (!reply.empty()) {
        ui::AfxMessageBox(reply, lines::kLineMessageStyle);
        return 2;
    }
    if (IsNewMode()) m_bCreated = true;
    return 0;
}

}  // namespace ptp::nwi
