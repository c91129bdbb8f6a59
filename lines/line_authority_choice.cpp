#include "lines/line_authority_choice.h"

#include <array>

#include "config/config_text.h"
#include "host/host_services.h"
#include "lines/line_value_text.h"
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

void CLineAuthorityChoice::FillAuthorizationLists(ui::CDialog& page, std::string_view systemName) {
    host::IHost* host = host::GetHost();
    if (!host) return;
    host::SOFError* error = nullptr;
    const std::vector<std::string> names =
        host->Files().ListDirectory(systemName, kListPattern, &error);
    if (error) {
        error->SetTraceText("Error retrieving authorization list. Error code = " +
                            std::to_string(error->GetKind()) + ".");
        error->Destroy();
        return;
    }
    ui::CComboBox& list = page.ComboBox(IDC_LINE_AUT_LIST_NAME);
    for (const std::string& name : names) {
        const bool listFile = config::EndsWith(config::ToUpper(name), kListExtension);
        list.AddString(listFile ? name.substr(0, name.size() - kListExtension.size()) : name);
    }
}

void CLineAuthorityChoice::Attach(ui::CDialog& page) {
    for (int id : {IDC_LINE_AUT_LIBCRTAUT, IDC_LINE_AUT_EXCLUDE, IDC_LINE_AUT_USE,
                   IDC_LINE_AUT_CHANGE, IDC_LINE_AUT_ALL, IDC_LINE_AUT_LIST}) {
        page.OnClicked(id, [this, &page] {
            page.UpdateData(ui::TRUE);
            UpdateControls(page);
        });
    }
}

void CLineAuthorityChoice::Initialize(ui::CDialog& page, std::string_view systemName) const {
    FillAuthorizationLists(page, systemName);
    UpdateControls(page);
}

void CLineAuthorityChoice::Exchange(ui::CDataExchange* pDX) {
    ui::DDX_Radio(pDX, IDC_LINE_AUT_LIBCRTAUT, m_nAuthority);
    ui::DDX_CBString(pDX, IDC_LINE_AUT_LIST_NAME, m_strListName);
}

bool CLineAuthorityChoice::UsesList() const {
    return m_nAuthority == kListChoice;
}

void CLineAuthorityChoice::UpdateControls(ui::CDialog& page) const {
    page.ComboBox(IDC_LINE_AUT_LIST_NAME).EnableWindow(UsesList());
}

bool CLineAuthorityChoice::IsValid() const {
    if (!UsesList()) return true;
    const std::string_view name = config::Trim(m_strListName);
    return !name.empty() && name.size() <= kMaxNameLength && !HasBlank(name);
}

std::string CLineAuthorityChoice::Value() const {
    if (UsesList()) return config::ToUpper(config::Trim(m_strListName));
    const bool known = m_nAuthority >= 0 && m_nAuthority < kListChoice;
    return std::string(kAuthorities[known ? m_nAuthority : 0]);
}

}  // namespace ptp::lines
