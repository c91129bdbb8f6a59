#include "nwi/point_to_point_isdn_nwi_service_page.h"

#include <sstream>

#include "config/config_text.h"
#include "nwi/nwi_choices.h"
#include "nwi/point_to_point_isdn_nwi_add_spid_dialog.h"
#include "nwi/point_to_point_isdn_nwi_property_sheet.h"
#include "platform/ui/ddx.h"
#include "platform/ui/toolkit.h"
#include "platform/vocabulary/network_interface.h"
#include "resources/ids/nwi.h"

namespace ptp::nwi {
namespace {

namespace nw = attr::network_interface;

constexpr std::array<CNwiChoice, 2> kYesNo = {{{"*YES", IDS_NWI_YES}, {"*NO", IDS_NWI_NO}}};
constexpr std::array<CNwiChoice, 6> kShortHauls = {{{"*NONE", IDS_NWI_LONG_HAUL},
                                                    {"*MAX133", 0},
                                                    {"*MAX266", 0},
                                                    {"*MAX399", 0},
                                                    {"*MAX533", 0},
                                                    {"*MAX655", 0}}};
constexpr std::array<CNwiChoice, 4> kLongHauls = {
    {{"0.0", 0}, {"7.5", 0}, {"15.0", 0}, {"22.5", 0}}};
constexpr std::array<CNwiChoice, 3> kClocks = {{{"*CALC", 0}, {"*LOOP", 0}, {"*LOCAL", 0}}};
constexpr int kNo = 1;
constexpr int kFirstShortHaul = 1;
constexpr int kColumnWidth = 80;

// The SPID values of "(1 0155512340101) (2 *NONE)".
std::array<std::string, 2> SpidsOf(const std::string& list) {
    std::array<std::string, 2> spids;
    std::string flat = list;
    for (char& c : flat) {
        if (c == '(' || c == ')') c = ' ';
    }
    std::istringstream words(flat);
    for (std::string index, spid; words >> index >> spid;) {
        if (index == "1" || index == "2") spids[index == "1" ? 0 : 1] = spid;
    }
    return spids;
}

bool IsNoSpid(std::string_view spid) {
    return config::Trim(spid).empty() || config::EqualsNoCase(spid, "*NONE");
}

}  // namespace

CPointToPointIsdnNwiServicePage::CPointToPointIsdnNwiServicePage(
    CPointToPointIsdnNwiPropertySheet* pSheet)
    : CNwiPage(IDD_NWI_SERVICE, pSheet) {
    OnClicked(IDC_NWI_SPID_SET, [this] { OnSetSpid(); });
}

void CPointToPointIsdnNwiServicePage::Load() {
    if (m_pSheet->IsNewMode()) return;
    m_nAutoParameters = ChoiceIndex(kYesNo, m_pSheet->GetText(nw::kAutoParameters), -1);
    m_nShortHaul = ChoiceIndex(kShortHauls, m_pSheet->GetText(nw::kShortHaul), -1);
    m_nLongHaul = ChoiceIndex(kLongHauls, m_pSheet->GetText(nw::kLongHaul), -1);
    m_nClock = ChoiceIndex(kClocks, m_pSheet->GetText(nw::kClock), 0);
    m_nAutoSpid = ChoiceIndex(kYesNo, m_pSheet->GetText(nw::kAutoSpid), -1);
    m_spids = SpidsOf(m_pSheet->GetText(nw::kSpid));
}

ui::BOOL CPointToPointIsdnNwiServicePage::OnInitDialog() {
    FillChoices(ComboBox(IDC_NWI_AUTOPARM), kYesNo);
    FillChoices(ComboBox(IDC_NWI_SHORTHAUL), kShortHauls);
    FillChoices(ComboBox(IDC_NWI_LONGHAUL), kLongHauls);
    FillChoices(ComboBox(IDC_NWI_CLOCK), kClocks);
    FillChoices(ComboBox(IDC_NWI_AUTOSPID), kYesNo);
    ui::CListCtrl& spids = ListCtrl(IDC_NWI_SPIDS);
    spids.InsertColumn(0, ui::LoadText(IDS_NWI_COLUMN_INDEX), ui::LVCFMT_LEFT, kColumnWidth / 2);
    spids.InsertColumn(1, ui::LoadText(IDS_NWI_COLUMN_SPID), ui::LVCFMT_LEFT, kColumnWidth);
    CNwiPage::OnInitDialog();
    ShowSpids();
    return ui::TRUE;
}

void CPointToPointIsdnNwiServicePage::DoDataExchange(ui::CDataExchange* pDX) {
    ui::DDX_CBIndex(pDX, IDC_NWI_AUTOPARM, m_nAutoParameters);
    ui::DDX_CBIndex(pDX, IDC_NWI_SHORTHAUL, m_nShortHaul);
    ui::DDX_CBIndex(pDX, IDC_NWI_LONGHAUL, m_nLongHaul);
    ui::DDX_CBIndex(pDX, IDC_NWI_CLOCK, m_nClock);
    ui::DDX_CBIndex(pDX, IDC_NWI_AUTOSPID, m_nAutoSpid);
}

void CPointToPointIsdnNwiServicePage::ShowSpids() {
    ui::CListCtrl& list = ListCtrl(IDC_NWI_SPIDS);
    list.DeleteAllItems();
    for (std::size_t index = 0; index < m_spids.size(); ++index) {
        const int row = list.InsertItem(static_cast<int>(index), std::to_string(index + 1));
        list.SetItemText(row, 1, IsNoSpid(m_spids[index]) ? "*NONE" : m_spids[index]);
    }
}

void CPointToPointIsdnNwiServicePage::OnSetSpid() {
    CPointToPointIsdnNwiAddSPIDDialog dialog(GetSheet());
    if (dialog.DoModal() != ui::IDOK) return;
    m_spids[dialog.Index() == 1 ? 1 : 0] = dialog.Spid();
    ShowSpids();
}

// The first identifier is needed only where it is sent: a basic-rate ISDN interface on a North
// American switch that does not learn its identifiers by itself.
bool CPointToPointIsdnNwiServicePage::Validate() {
    if (IsCreated() && !UpdateData(ui::TRUE)) return false;
    CNwiCommandValues values;
    m_pSheet->CollectGeneral(values);
    const bool sent = !m_pSheet->IsT1() && values.strRate == "*BASIC" &&
                      (values.strNetworkType == "*ATT" || values.strNetworkType == "*NORTEL" ||
                       values.strNetworkType == "*NISDN");
    if (!sent || m_nAutoSpid == 0 || !IsNoSpid(m_spids[0])) return true;
    ShowProblem(IDS_NWI_SPID_REQUIRED, IDC_NWI_SPID_SET);
    return false;
}

void CPointToPointIsdnNwiServicePage::Collect(CNwiCommandValues& values) {
    values.strAutoParameters = ChoiceValue(kYesNo, m_nAutoParameters < 0 ? kNo : m_nAutoParameters);
    values.strShortHaul = ChoiceValue(kShortHauls, m_nShortHaul, kFirstShortHaul);
    values.strLongHaul = ChoiceValue(kLongHauls, m_nLongHaul, 0);
    values.strClock = ChoiceValue(kClocks, m_nClock, 0);
    values.strAutoSpid = ChoiceValue(kYesNo, m_nAutoSpid < 0 ? kNo : m_nAutoSpid);
    values.strSpid1 = IsNoSpid(m_spids[0]) ? "*NONE" : m_spids[0];
    values.strSpid2 = IsNoSpid(m_spids[1]) ? "*NONE" : m_spids[1];
}

}  // namespace ptp::nwi
