#include "wizard/point_to_point_profile_wdn_dialer_line_pool_wizard_page.h"

#include <algorithm>

#include "config/config_text.h"
#include "lines/line_value_text.h"
#include "platform/ui/ddx.h"
#include "resources/ids/wizard.h"
#include "wizard/point_to_point_profile_wdn_dialer_wizard.h"

namespace ptp::wizard {

namespace {
constexpr std::string_view kProposedPool = "WDNPOOL";
}  // namespace

CPointToPointProfileWDNDialerLinePoolWizardPage::CPointToPointProfileWDNDialerLinePoolWizardPage(
    CPointToPointProfileWDNDialerWizard* pWizard)
    : CWDNDialerWizardPage(IDD_WDN_LINE_POOL, pWizard) {}

ui::BOOL CPointToPointProfileWDNDialerLinePoolWizardPage::OnSetActive() {
    if (m_strName.empty()) {
        const auto pools = m_pWizard->Facts().Pools();
        m_strName = m_pWizard->UsesExistingPool() && !pools.empty() ? pools.front()
                                                                    : std::string(kProposedPool);
        SetDlgItemText(IDC_WDN_POOL_NAME, m_strName);
    }
    return CWDNDialerWizardPage::OnSetActive();
}

void CPointToPointProfileWDNDialerLinePoolWizardPage::DoDataExchange(ui::CDataExchange* pDX) {
    ui::DDX_Text(pDX, IDC_WDN_POOL_NAME, m_strName);
}

std::string CPointToPointProfileWDNDialerLinePoolWizardPage::GetPoolName() const {
    return config::ToUpper(config::Trim(m_strName));
}

bool CPointToPointProfileWDNDialerLinePoolWizardPage::CheckPage() {
    const std::string name = GetPoolName();
    if (name.empty()) return Refuse(IDS_WDN_POOL_NAME_REQUIRED, IDC_WDN_POOL_NAME);
    if (lines::HasBlank(name)) return Refuse(IDS_WDN_POOL_NAME_BLANK, IDC_WDN_POOL_NAME);
    if (!m_pWizard->UsesExistingPool()) return true;
    const auto pools = m_pWizard->Facts().Pools();
    const bool found = std::any_of(pools.begin(), pools.end(), [&](const std::string& pool) {
        return config::EqualsNoCase(pool, name);
    });
    if (!found) return Refuse(IDS_WDN_POOL_NOT_FOUND, IDC_WDN_POOL_NAME, {name});
    return true;
}

}  // namespace ptp::wizard
