#include "lines/point_to_point_profile_line_security_page.h"

#include <array>

#include "config/config_text.h"
#include "lines/line_value_text.h"
#include "lines/point_to_point_profile_line_property_sheet.h"
#include "platform/ui/ddx.h"
#include "platform/vocabulary/line.h"
#include "resources/ids/lines.h"

namespace ptp::lines {

namespace {

namespace aut = code::line_authority;

// The radio buttons' order; the last one names an authorization list.
constexpr std::array<std::string_view, 5> kAuthorities = {aut::kLibraryCreate, aut::kExclude,
                                                          aut::kUse, aut::kChange, aut::kAll};
constexpr int kListChoice = static_cast<int>(kAuthorities.size());

constexpr std::string_view kListPattern = "\\QSYS.LIB\\*.AUTL";
constexpr std::string_view kListExtension = ".AUTL";
constexpr std::size_t kMaxNameLength = 10;

}  // namespace

CPointToPointProfileLineSecurityPage::CPointToPointProfileLineSecurityPage(
    CPointToPointProfileLinePropertySheet* pSheet)
    : CPointToPointProfileLinePage(IDD_LINE_SECURITY, pSheet) {
    for (int id : {IDC_LINE_AUT_LIBCRTAUT, IDC_LINE_AUT_EXCLUDE, IDC_LINE_AUT_USE,
                   IDC_LINE_AUT_CHANGE, IDC_LINE_AUT_ALL, IDC_LINE_AUT_LIST}) {
        OnClicked(id, [this] {
            UpdateData(ui::TRUE);
            UpdateControls();
        });
    }
}

ui::BOOL CPointToPointProfileLineSecurityPage::OnInitDialog() {
    CPointToPointProfileLinePage::OnInitDialog();
    FillAuthorizationLists();
    UpdateControls();
    return ui::TRUE;
}

void CPointToPointProfileLineSecurityPage::FillAuthorizationLists() {
    host::IHost* host = host::GetHost();
    if (!host) return;
    host::SOFError* error = nullptr;
    const std::vector<std::string> names =
        host->Files().ListDirectory(m_pSheet->GetSystemName(), kListPattern, &error);
    if (error) {
        // The lists stay empty: a list can still be typed.
        error->SetTraceText("Error retrieving authorization list. Error code = " +
                            std::to_string(error->GetKind()) + ".");
        error->Destroy();
        return;
    }
    ui::CComboBox& list = ComboBox(IDC_LINE_AUT_LIST_NAME);
    for (const std::string& name : names) {
        const bool listFile = config::EndsWith(config::ToUpper(name), kListExtension);
        list.AddString(listFile ? name.substr(0, name.size() - kListExtension.size()) : name);
    }
}

void CPointToPointProfileLineSecurityPage::DoDataExchange(ui::CDataExchange* pDX) {
    ui::DDX_Radio(pDX, IDC_LINE_AUT_LIBCRTAUT, m_nAuthority);
    ui::DDX_CBString(pDX, IDC_LINE_AUT_LIST_NAME, m_strListName);
}

bool CPointToPointProfileLineSecurityPage::UsesList() const {
    return m_nAuthority == kListChoice;
}

void CPointToPointProfileLineSecurityPage::UpdateControls() {
    ComboBox(IDC_LINE_AUT_LIST_NAME).EnableWindow(UsesList());
}

bool CPointToPointProfileLineSecurityPage::Validate() {
    if (!UsesList()) return true;
    const std::string_view name = config::Trim(m_strListName);
    if (!name.empty() && name.size() <= kMaxNameLength && !HasBlank(name)) return true;
    ShowProblem(IDS_LINE_AUTL_REQUIRED, IDC_LINE_AUT_LIST_NAME);
    return false;
}

void CPointToPointProfileLineSecurityPage::Collect(CLineCommandValues& values) {
    if (UsesList()) {
        values.strAuthority = config::ToUpper(config::Trim(m_strListName));
        return;
    }
    const bool known = m_nAuthority >= 0 && m_nAuthority < kListChoice;
    values.strAuthority = std::string(kAuthorities[known ? m_nAuthority : 0]);
}

}  // namespace ptp::lines
