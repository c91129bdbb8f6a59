#include "lines/point_to_point_profile_line_l2tp_ans_auth_page.h"

#include "config/config_text.h"
#include "host/server_calls.h"
#include "lines/l2tp_tunnel_entries.h"
#include "lines/line_value_text.h"
#include "lines/point_to_point_profile_line_l2tp_property_sheet.h"
#include "platform/ui/ddx.h"
#include "platform/vocabulary/kinds.h"
#include "platform/vocabulary/validation_list.h"
#include "resources/ids/line_tunnels.h"

namespace ptp::lines {
namespace {

namespace vlist = attr::validation_list;

constexpr std::string_view kLibrary = "QUSRSYS";
constexpr std::string_view kDefaultList = "QTOCPTP";
constexpr std::string_view kNetworkServiceList = "QYSDPTP";
constexpr std::size_t kMaxListName = 10;

}  // namespace

CPointToPointProfileLineL2TPAnsAuthPage::CPointToPointProfileLineL2TPAnsAuthPage(
    CPointToPointProfileLineL2TPPropertySheet* pSheet)
    : CVirtualLinePage(IDD_L2TP_LINE_ANS_AUTH, pSheet), m_pL2TPSheet(pSheet) {
    OnClicked(IDC_L2TP_ANS_REQUIRE, [this] { UpdateControls(); });
}

void CPointToPointProfileLineL2TPAnsAuthPage::Load() {
    if (m_pSheet->IsNewMode()) return;
    m_nRequire = m_pL2TPSheet->Record().GetReqRmtSysId() == "1" ? 1 : 0;
    m_strList = m_pL2TPSheet->Record().GetVldlName();
    if (m_strList.empty()) return;
    CL2TPTunnelEntry entry;
    if (ReadTunnelEntry(m_pSheet->GetSystemName(), m_strList, m_pSheet->GetExistingLineName(),
                        entry, GetSafeHwnd()))
        m_strHostName = entry.strHostName;
}

// The lists of QUSRSYS but the system's own two, from the list the opener holds when it gave one.
void CPointToPointProfileLineL2TPAnsAuthPage::FillLists() {
    ui::CComboBox& box = ComboBox(IDC_L2TP_ANS_LIST);
    host::IHost* host = host::GetHost();
    if (!host) return;
    host::SOFError* error = nullptr;
    host::IServerList* lists = m_pL2TPSheet->GetValidationListList();
    std::unique_ptr<host::IServerList> own;
    if (!lists) {
        own = host->Objects().CreateList(kinds::kValidationListList, host::kClientName,
                                         config::ToUpper(m_pSheet->GetSystemName()), "", &error);
        if (own && !error) host::LoadList(*own, &error);
        lists = own.get();
    }
    const long count = lists && !error ? lists->GetCount(&error) : 0;
    for (long index = 0; !error && index < count; ++index) {
        host::IServerObject* list = lists->ElementAt(index, &error);
        if (error || !list) break;
        const std::string name = list->GetAttributeText(vlist::kName, &error);
        const std::string library = list->GetAttributeText(vlist::kLibrary, &error);
        if (error) break;
        if (!library.empty() && !config::EqualsNoCase(library, kLibrary)) continue;
        if (config::EqualsNoCase(name, kDefaultList) ||
            config::EqualsNoCase(name, kNetworkServiceList))
            continue;
        box.AddString(name);
    }
    host::ShowAndDestroy(error, GetSafeHwnd());
}

ui::BOOL CPointToPointProfileLineL2TPAnsAuthPage::OnInitDialog() {
    FillLists();
    CVirtualLinePage::OnInitDialog();
    UpdateControls();
    return ui::TRUE;
}

void CPointToPointProfileLineL2TPAnsAuthPage::DoDataExchange(ui::CDataExchange* pDX) {
    ui::DDX_Check(pDX, IDC_L2TP_ANS_REQUIRE, m_nRequire);
    ui::DDX_Text(pDX, IDC_L2TP_ANS_HOST_NAME, m_strHostName);
    ui::DDX_CBString(pDX, IDC_L2TP_ANS_LIST, m_strList);
}

void CPointToPointProfileLineL2TPAnsAuthPage::UpdateControls() {
    const bool required = IsDlgButtonChecked(IDC_L2TP_ANS_REQUIRE) == ui::BST_CHECKED;
    GetDlgItem(IDC_L2TP_ANS_HOST_NAME)->EnableWindow(required ? ui::TRUE : ui::FALSE);
    GetDlgItem(IDC_L2TP_ANS_LIST)->EnableWindow(required ? ui::TRUE : ui::FALSE);
}

bool CPointToPointProfileLineL2TPAnsAuthPage::Validate() {
    if (IsCreated() && !UpdateData(ui::TRUE)) return false;
    m_strHostName = std::string(config::Trim(m_strHostName));
    m_strList = config::ToUpper(config::Trim(m_strList));
    if (m_nRequire == 0) return true;
    if (!m_strList.empty() && m_strList.size() <= kMaxListName && !HasBlank(m_strList) &&
        !config::EqualsNoCase(m_strList, kDefaultList))
        return true;
    ShowProblem(IDS_VLINE_LIST_REQUIRED, IDC_L2TP_ANS_LIST);
    return false;
}

void CPointToPointProfileLineL2TPAnsAuthPage::Store() {
    m_pL2TPSheet->Record().SetReqRmtSysId(m_nRequire == 1 ? "1" : "0");
    m_pL2TPSheet->Record().SetVldlName(m_nRequire == 1 ? m_strList : std::string());
}

}  // namespace ptp::lines
