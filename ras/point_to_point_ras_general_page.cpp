#include "ras/point_to_point_ras_general_page.h"

#include "platform/ui/ddx.h"
#include "ras/console_server_views.h"
#include "ras/point_to_point_ras_property_sheet.h"
#include "resources/ids/ras.h"

namespace ptp::ras {

CPointToPointRASGeneralPage::CPointToPointRASGeneralPage(CPointToPointRASPropertySheet* pSheet)
    : CPropertyPage(IDD_RAS_GENERAL), m_pSheet(pSheet) {
    OnClicked(IDC_RAS_RADIUS, [this] { EnableDetails(); });
    OnClicked(IDC_RAS_TCPIP_SERVERS, [this] { OpenTcpipServers(); });
}

void CPointToPointRASGeneralPage::Load() {
    if (m_bLoaded) return;
    m_bLoaded = true;
    const auto& record = m_pSheet->Record();
    m_nRadius = record.GetRadiusEnabled();
    m_nAccounting = record.GetRadiusAcctServerEnabled();
    m_nAuthentication = record.GetRadiusAuthServerEnabled();
    m_nAddresses = record.GetRadiusAddressConfigEnabled();
}

ui::BOOL CPointToPointRASGeneralPage::OnInitDialog() {
    Load();
    CPropertyPage::OnInitDialog();
    EnableDetails();
    return ui::TRUE;
}

void CPointToPointRASGeneralPage::DoDataExchange(ui::CDataExchange* pDX) {
    ui::DDX_Check(pDX, IDC_RAS_RADIUS, m_nRadius);
    ui::DDX_Check(pDX, IDC_RAS_RADIUS_ACCOUNTING, m_nAccounting);
    ui::DDX_Check(pDX, IDC_RAS_RADIUS_AUTHENTICATION, m_nAuthentication);
    ui::DDX_Check(pDX, IDC_RAS_RADIUS_ADDRESSES, m_nAddresses);
}

// The details keep their values while RADIUS is off, so turning it on again brings them back.
void CPointToPointRASGeneralPage::EnableDetails() {
    const ui::BOOL on = IsDlgButtonChecked(IDC_RAS_RADIUS) == ui::BST_CHECKED;
    for (int id :
         {IDC_RAS_RADIUS_ACCOUNTING, IDC_RAS_RADIUS_AUTHENTICATION, IDC_RAS_RADIUS_ADDRESSES})
        GetDlgItem(id)->EnableWindow(on);
}

void CPointToPointRASGeneralPage::OpenTcpipServers() {
    OpenServerView(m_pSheet->GetSystemName(), ServerView::TcpipServers, GetSafeHwnd());
}

ui::BOOL CPointToPointRASGeneralPage::OnApply() {
    return m_pSheet->Commit() == 0 ? ui::TRUE : ui::FALSE;
}

void CPointToPointRASGeneralPage::Store() {
    Load();
    auto& record = m_pSheet->Record();
    record.SetRadiusEnabled(m_nRadius);
    record.SetRadiusAcctServerEnabled(m_nAccounting);
    record.SetRadiusAuthServerEnabled(m_nAuthentication);
    record.SetRadiusAddressConfigEnabled(m_nAddresses);
}

}  // namespace ptp::ras
