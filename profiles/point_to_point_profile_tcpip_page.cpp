#include "profiles/point_to_point_profile_tcpip_page.h"

#include "config/config_text.h"
#include "host/base_tcpip_address.h"
#include "host/server_calls.h"
#include "platform/ui/message_box.h"
#include "platform/ui/property_sheet.h"
#include "platform/ui/toolkit.h"
#include "platform/vocabulary/kinds.h"
#include "platform/vocabulary/tcpip_interface.h"
#include "profiles/point_to_point_profile_property_sheet.h"
#include "resources/ids/profiles.h"

namespace ptp::profiles {
namespace {

namespace ifc = attr::tcpip_interface;

constexpr int kVirtualInterfaceType = 15;

UINT InterfaceTypeLabel(int type) {
    switch (type) {
        case 1:
            return IDS_PROFILE_INTERFACE_TYPE1;
        case 2:
            return IDS_PROFILE_INTERFACE_TYPE2;
        case 3:
            return IDS_PROFILE_INTERFACE_TYPE3;
        case 6:
            return IDS_PROFILE_INTERFACE_TYPE6;
        case 8:
            return IDS_PROFILE_INTERFACE_TYPE8;
        default:
            return 0;
    }
}

}  // namespace

std::string CPointToPointProfileTCPIPPage::ShownAddress(const std::string& stored) {
    if (config::EqualsNoCase(stored, "*DYNAMIC") || config::EqualsNoCase(stored, "DYNAMIC"))
        return {};
    return stored;
}

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

int CPointToPointProfileTCPIPPage::ReopenAfterFailure(ui::CDialog& dialog, UINT message,
                                                      const std::vector<std::string>& args) {
    GetSheet()->SetActivePage(this);
    ui::AfxMessageBox(message, args, kProfileMessageStyle);
    dialog.DoModal();
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
    return ReopenAfterFailure(*m_pAdvancedDialog, IDS_PROFILE_ROUTING_FILE_FAILED, {strError});
}

// The system's own interfaces, each with its kind; the user may type another address.
void CPointToPointProfileTCPIPPage::FillLocalAddresses(int id) {
    ui::CComboBox& box = ComboBox(id);
    const std::string typed = box.GetWindowText();
    box.ResetContent();
    host::IHost* host = host::GetHost();
    if (!host) return;
    host::SOFError* error = nullptr;
    auto list = host->Objects().CreateList(kinds::kTCPIPInterfaceList, host::kClientName,
                                           config::ToUpper(m_strSystemName), "", &error);
    if (list && !error && host::LoadList(*list, &error)) {
        const long count = list->GetCount(&error);
        for (long index = 0; !error && index < count; ++index) {
            host::IServerObject* element = list->ElementAt(index, &error);
            if (error || !element) break;
            const int type = config::TextToInt(element->GetAttributeText(ifc::kType, &error));
            const std::string shown = element->GetAttributeText(ifc::kDisplayAddress, &error);
            if (error || config::EqualsNoCase(shown, "*LOOPBACK")) continue;
            if (type == kVirtualInterfaceType && config::EqualsNoCase(shown, "*VIRTUALIP")) {
                box.AddString(element->GetAttributeText(ifc::kAddress, &error) + " " +
                              ui::LoadText(IDS_PROFILE_VIRTUAL_ADDRESS));
                continue;
            }
            if (const UINT label = InterfaceTypeLabel(type))
                box.AddString(shown + " " + ui::LoadText(label));
        }
    }
    host::ShowAndDestroy(error, GetSafeHwnd());
    box.SetWindowText(typed);
}

}  // namespace ptp::profiles
