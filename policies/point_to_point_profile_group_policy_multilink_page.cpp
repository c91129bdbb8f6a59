#include "policies/point_to_point_profile_group_policy_multilink_page.h"

#include "config/config_text.h"
#include "platform/ui/ddx.h"
#include "policies/point_to_point_profile_group_policy_property_sheet.h"
#include "resources/ids/policies.h"

namespace ptp::policies {
namespace {

constexpr int kFewestLinks = 1;
constexpr int kMostLinks = 16;

}  // namespace

CPointToPointProfileGroupPolicyMultilinkPage::CPointToPointProfileGroupPolicyMultilinkPage(
    CPointToPointProfileGroupPolicyPropertySheet* pSheet)
    : CPropertyPage(IDD_POLICY_MULTILINK), m_pSheet(pSheet) {}

// A new policy starts with one link, whatever a new record says: that is what it is written with
// when this page is never looked at.
void CPointToPointProfileGroupPolicyMultilinkPage::Load() {
    if (m_bLoaded) return;
    m_bLoaded = true;
    if (m_pSheet->IsNewPolicy()) return;
    const auto& record = m_pSheet->Record();
    m_nMultilink = record.GetMultilinkEnable();
    m_nMaxLinks = config::TextToInt(record.GetMultilinkMaxLinks());
    m_nBACP = record.GetMultilinkBACP();
}

ui::BOOL CPointToPointProfileGroupPolicyMultilinkPage::OnInitDialog() {
    Load();
    Spin(IDC_POLICY_MAX_LINKS_SPIN).SetRange(kFewestLinks, kMostLinks);
    CPropertyPage::OnInitDialog();
    return ui::TRUE;
}

void CPointToPointProfileGroupPolicyMultilinkPage::DoDataExchange(ui::CDataExchange* pDX) {
    ui::DDX_Check(pDX, IDC_POLICY_MULTILINK, m_nMultilink);
    ui::DDX_Text(pDX, IDC_POLICY_MAX_LINKS, m_nMaxLinks);
    ui::DDV_MinMaxInt(pDX, m_nMaxLinks, kFewestLinks, kMostLinks);
    ui::DDX_Check(pDX, IDC_POLICY_BACP, m_nBACP);
}

void CPointToPointProfileGroupPolicyMultilinkPage::Store() {
    Load();
    auto& record = m_pSheet->Record();
    record.SetMultilinkEnable(m_nMultilink);
    record.SetMultilinkMaxLinks(std::to_string(m_nMaxLinks));
    record.SetMultilinkBACP(m_nBACP);
}

}  // namespace ptp::policies
