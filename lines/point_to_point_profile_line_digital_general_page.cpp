#include "lines/point_to_point_profile_line_digital_general_page.h"

#include "config/config_text.h"
#include "lines/line_value_text.h"
#include "lines/point_to_point_profile_line_digital_property_sheet.h"
#include "platform/ui/ddx.h"
#include "platform/ui/toolkit.h"
#include "platform/vocabulary/line.h"
#include "resources/ids/line_digital.h"

namespace ptp::lines {
namespace {

namespace ln = attr::line;
namespace value = code::line_value;

constexpr std::size_t kMaxNameLength = 10;
constexpr std::string_view kDigitalResource = "*NWID";

}  // namespace

CPointToPointProfileLineDigitalGeneralPage::CPointToPointProfileLineDigitalGeneralPage(
    CPointToPointProfileLineDigitalPropertySheet* pSheet)
    : CDigitalLinePage(IDD_DLINE_GENERAL, pSheet) {}

void CPointToPointProfileLineDigitalGeneralPage::Load() {
    if (m_pSheet->IsNewMode()) {
        m_strName = config::ToUpper(m_pSheet->GetProposedLineName());
        return;
    }
    m_strName = m_pSheet->GetLineText(ln::kName);
    m_strDescription = DescriptionFromAttribute(m_pSheet->GetLineText(ln::kText));
    m_nOnline = config::EqualsNoCase(m_pSheet->GetLineText(ln::kOnline), value::kYes) ? 1 : 0;
}

ui::BOOL CPointToPointProfileLineDigitalGeneralPage::OnInitDialog() {
    CDigitalLinePage::OnInitDialog();
    SetDlgItemText(IDC_DLINE_CONNECTION_TEXT,
                   ui::LoadText(m_pSheet->IsLeased() ? IDS_DLINE_LEASED : IDS_DLINE_SWITCHED));
    const bool fixed = !m_pSheet->IsNewMode() || !m_pSheet->GetProposedLineName().empty();
    GetDlgItem(IDC_DLINE_NAME)->EnableWindow(fixed ? ui::FALSE : ui::TRUE);
    return ui::TRUE;
}

void CPointToPointProfileLineDigitalGeneralPage::DoDataExchange(ui::CDataExchange* pDX) {
    ui::DDX_Text(pDX, IDC_DLINE_NAME, m_strName);
    ui::DDX_Text(pDX, IDC_DLINE_DESCRIPTION, m_strDescription);
    ui::DDX_Check(pDX, IDC_DLINE_ONLINE, m_nOnline);
}

bool CPointToPointProfileLineDigitalGeneralPage::Validate() {
    if (IsCreated() && !UpdateData(ui::TRUE)) return false;
    m_strName = config::ToUpper(config::Trim(m_strName));
    if (m_strName.empty() || m_strName.size() > kMaxNameLength || HasBlank(m_strName)) {
        ShowProblem(IDS_DLINE_NAME_INVALID, IDC_DLINE_NAME);
        return false;
    }
    if (!m_pSheet->IsNewMode() || !m_pSheet->LineNameExists(m_strName)) return true;
    ShowProblem(IDS_DLINE_NAME_EXISTS, IDC_DLINE_NAME, {m_strName});
    return false;
}

void CPointToPointProfileLineDigitalGeneralPage::Collect(CDigitalLineValues& values) {
    values.strLineName = m_strName;
    values.strText = DescriptionValue(m_strDescription);
    values.strResource = std::string(kDigitalResource);
    values.strConnection = std::string(m_pSheet->IsLeased() ? code::line_connection::kNonswitched
                                                            : code::line_connection::kSwitched);
    values.strOnline = std::string(m_nOnline == 1 ? value::kYes : value::kNo);
}

void CPointToPointProfileLineDigitalGeneralPage::Store() {
    const std::string description(config::Trim(m_strDescription));
    m_pSheet->SetLineText(ln::kText, description.empty() ? value::kBlank : description);
    m_pSheet->SetLineText(ln::kOnline, m_nOnline == 1 ? value::kYes : value::kNo);
}

ui::BOOL CPointToPointProfileLineDigitalGeneralPage::OnApply() {
    ui::CWaitCursor wait;
    return m_pSheet->Commit() == 0 ? ui::TRUE : ui::FALSE;
}

}  // namespace ptp::lines
