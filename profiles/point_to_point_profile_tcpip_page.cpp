#include "profiles/point_to_point_profile_tcpip_page.h"

#include "host/base_tcpip_address.h"
#include "host/server_calls.h"
#include "platform/ui/message_box.h"
#include "platform/ui/property_sheet.h"
#include "profiles/point_to_point_profile_property_sheet.h"
#include "resources/ids/profiles.h"

namespace ptp::profiles {

bool CPointToPointProfileTCPIPPage::CheckAddress(const std::string& address, int id) {
    if (host::CBaseTCPIPAddress(address).IsValid()) return true;
    GetSheet()->SetActivePage(this);
    ui::AfxMessageBox(IDS_PROFILE_ADDRESS_INVALID, {address}, kProfileMessageStyle);
    GotoDlgCtrl(GetDlgItem(id));
    return false;
}

int CPointToPointProfileTCPIPPage::Refuse(UINT message, int id) {
    GetSheet()->SetActivePage(this);
    ui::AfxMessageBox(message, kProfileMessageStyle);
    GotoDlgCtrl(GetDlgItem(id));
    return kPageFailed;
}

bool CPointToPointProfileTCPIPPage::ReadRoutes() {
    if (m_pifcFileRouteDInterface) return true;
    auto routes = std::make_unique<host::CRouteDInterfaceConfiguration>(m_strSystemName);
    host::SOFError* error = routes->ReadFile();
    if (error) {
        const std::string text = error->GetText();
        error->Destroy();
        m_pSheet->SetLastTrace(
            "Error: ->m_pifcFileRouteDInterface  = new "
            "CRouteDInterfaceConfiguration(m_strSystemName)<- failed.");
        ui::AfxMessageBox(IDS_PROFILE_ROUTING_FILE_FAILED, {text}, kProfileMessageStyle);
        return false;
    }
    m_pifcFileRouteDInterface = std::move(routes);
    return true;
}

bool CPointToPointProfileTCPIPPage::EnsureAdvancedDialog() {
    if (!ReadRoutes()) return false;
    if (!m_pAdvancedDialog) {
        m_pAdvancedDialog = std::make_unique<CPointToPointProfileTCPIPSettingsAdvancedDialog>(
            m_strSystemName, this);
    }
    m_pAdvancedDialog->SetSheet(m_pSheet);
    m_pAdvancedDialog->Load(*m_pifcFileRouteDInterface);
    return true;
}

void CPointToPointProfileTCPIPPage::OpenAdvanced() {
    if (EnsureAdvancedDialog()) m_pAdvancedDialog->DoModal();
}

int CPointToPointProfileTCPIPPage::StoreAdvanced() {
    if (!EnsureAdvancedDialog()) return kPageFailed;
    std::string strError;
    if (m_pAdvancedDialog->Store(*m_pifcFileRouteDInterface, strError)) return kPageOk;
    GetSheet()->SetActivePage(this);
    ui::AfxMessageBox(IDS_PROFILE_ROUTING_FILE_FAILED, {strError}, kProfileMessageStyle);
    m_pAdvancedDialog->DoModal();
    return kPageFailed;
}

}  // namespace ptp::profiles
