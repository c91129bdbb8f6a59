#include "profiles/point_to_point_profile_multilink_dialog.h"

#include <algorithm>
#include <array>

#include "config/config_text.h"
#include "platform/ui/ddx.h"
#include "platform/ui/toolkit.h"
#include "platform/vocabulary/profile.h"
#include "profiles/point_to_point_profile_page.h"
#include "profiles/point_to_point_profile_property_sheet.h"
#include "resources/ids/profiles.h"

namespace ptp::profiles {
namespace {

namespace prf = attr::profile;

constexpr std::array<std::string_view, 9> kAddPercentages = {"1",  "5",  "10", "25", "50",
                                                             "75", "90", "95", "100"};
constexpr std::array<std::string_view, 9> kDropPercentages = {"0",  "5",  "10", "25", "40",
                                                              "50", "75", "90", "95"};
constexpr int kShortestPeriod = 5;
constexpr int kLongestPeriod = 3600;
constexpr int kPeriodStep = 5;
constexpr int kTwoLinks = 2;

template <std::size_t N>
bool Offers(const std::array<std::string_view, N>& entries, std::string_view value) {
    return std::find(entries.begin(), entries.end(), value) != entries.end();
}

template <std::size_t N>
void FillPercentages(ui::CComboBox& box, const std::array<std::string_view, N>& entries) {
    box.ResetContent();
    for (std::string_view entry : entries)
        box.AddString(entry);
}

// A click moves a period to the next multiple of the step in its direction, within the range.
int StepPeriod(int pos, int proposed) {
    if (proposed > pos) return std::min(kLongestPeriod, (pos / kPeriodStep + 1) * kPeriodStep);
    if (proposed < pos) return std::max(kShortestPeriod, (pos - 1) / kPeriodStep * kPeriodStep);
    return pos;
}

}  // namespace

CPointToPointProfileMultilinkDialog::CPointToPointProfileMultilinkDialog(
    CPointToPointProfilePropertySheet* pSheet, std::string_view displayName, ui::CWnd* pParent)
    : CDialog(IDD_PROFILE_MULTILINK, pParent), m_pSheet(pSheet), m_strDisplayName(displayName) {
    OnClicked(IDC_PROFILE_BANDWIDTH, [this] { EnableBandwidth(); });
    OnSpinDelta(IDC_PROFILE_ADD_PERIOD_SPIN, StepPeriod);
    OnSpinDelta(IDC_PROFILE_DROP_PERIOD_SPIN, StepPeriod);
}

void CPointToPointProfileMultilinkDialog::SetLine(std::string_view line, LineChoice choice,
                                                  int poolLineCount) {
    m_strLine = std::string(line);
    m_choice = choice;
    m_nPoolLineCount = poolLineCount;
}

int CPointToPointProfileMultilinkDialog::MostLinks() const {
    if (m_choice == LineChoice::OneLine) return 1;
    if (m_choice == LineChoice::Pool) return std::clamp(m_nPoolLineCount, 1, kMostLinks);
    return kMostLinks;
}

int CPointToPointProfileMultilinkDialog::DefaultLinks() const {
    return m_choice == LineChoice::ISDN ? kTwoLinks : MostLinks();
}

void CPointToPointProfileMultilinkDialog::FitToLine() {
    if (config::EqualsNoCase(m_strLine, m_strValuesLine)) return;
    m_values.nMaxLinks = DefaultLinks();
    m_strValuesLine = m_strLine;
}

int CPointToPointProfileMultilinkDialog::Load() {
    m_values = Values{};
    m_values.nMaxLinks = DefaultLinks();
    m_strValuesLine = m_strLine;
    if (m_pSheet->IsNew()) return kPageOk;
    int links = 0;
    int result = m_pSheet->GetIntAttribute(prf::kMaxLinks, links);
    if (links > 0) m_values.nMaxLinks = links;
    result |= m_pSheet->GetIntAttribute(prf::kMultilinkShortHeaders, m_values.nShortHeaders);
    result |= m_pSheet->GetIntAttribute(prf::kBandwidthOnDemand, m_values.nBandwidth);
    if (result != 0 || m_values.nBandwidth != 1) return result == 0 ? kPageOk : kPageFailed;
    std::string add;
    std::string drop;
    int direction = 1;
    result |= m_pSheet->GetTextAttribute(prf::kAddLinkPercentage, add);
    result |= m_pSheet->GetIntAttribute(prf::kAddLinkPeriod, m_values.nAddPeriod);
    result |= m_pSheet->GetTextAttribute(prf::kDropLinkPercentage, drop);
    result |= m_pSheet->GetIntAttribute(prf::kDropLinkPeriod, m_values.nDropPeriod);
    result |= m_pSheet->GetIntAttribute(prf::kBandwidthDirection, direction);
    // A value the lists do not offer keeps the default entry.
    if (Offers(kAddPercentages, add)) m_values.strAddPercentage = add;
    if (Offers(kDropPercentages, drop)) m_values.strDropPercentage = drop;
    m_values.nDirection = direction == 2 ? 1 : 0;
    return result == 0 ? kPageOk : kPageFailed;
}

ui::BOOL CPointToPointProfileMultilinkDialog::OnInitDialog() {
    FitToLine();
    m_opened = m_values;
    FillPercentages(ComboBox(IDC_PROFILE_ADD_PERCENTAGE), kAddPercentages);
    FillPercentages(ComboBox(IDC_PROFILE_DROP_PERCENTAGE), kDropPercentages);
    Spin(IDC_PROFILE_MAX_LINKS_SPIN).SetRange(1, MostLinks());
    Spin(IDC_PROFILE_ADD_PERIOD_SPIN).SetRange(kShortestPeriod, kLongestPeriod);
    Spin(IDC_PROFILE_DROP_PERIOD_SPIN).SetRange(kShortestPeriod, kLongestPeriod);
    CDialog::OnInitDialog();
    SetWindowText(ui::FormatResource(IDS_PROFILE_MULTILINK_CAPTION, {m_strDisplayName}));
    EnableBandwidth();
    if (!m_pSheet->ChangesAllowed()) GetDlgItem(ui::IDOK)->EnableWindow(ui::FALSE);
    return ui::TRUE;
}

void CPointToPointProfileMultilinkDialog::EnableBandwidth() {
    const ui::BOOL on = IsDlgButtonChecked(IDC_PROFILE_BANDWIDTH) ? ui::TRUE : ui::FALSE;
    for (int id :
         {IDC_PROFILE_ADD_PERCENTAGE, IDC_PROFILE_ADD_PERIOD, IDC_PROFILE_ADD_PERIOD_SPIN,
          IDC_PROFILE_DROP_PERCENTAGE, IDC_PROFILE_DROP_PERIOD, IDC_PROFILE_DROP_PERIOD_SPIN,
          IDC_PROFILE_DIRECTION_EITHER, IDC_PROFILE_DIRECTION_BOTH})
        GetDlgItem(id)->EnableWindow(on);
}

void CPointToPointProfileMultilinkDialog::DoDataExchange(ui::CDataExchange* pDX) {
    ui::DDX_Text(pDX, IDC_PROFILE_MAX_LINKS, m_values.nMaxLinks);
    ui::DDV_MinMaxInt(pDX, m_values.nMaxLinks, 1, MostLinks());
    ui::DDX_Check(pDX, IDC_PROFILE_SHORT_HEADERS, m_values.nShortHeaders);
    ui::DDX_Check(pDX, IDC_PROFILE_BANDWIDTH, m_values.nBandwidth);
    ui::DDX_CBString(pDX, IDC_PROFILE_ADD_PERCENTAGE, m_values.strAddPercentage);
    ui::DDX_Text(pDX, IDC_PROFILE_ADD_PERIOD, m_values.nAddPeriod);
    ui::DDV_MinMaxInt(pDX, m_values.nAddPeriod, kShortestPeriod, kLongestPeriod);
    ui::DDX_CBString(pDX, IDC_PROFILE_DROP_PERCENTAGE, m_values.strDropPercentage);
    ui::DDX_Text(pDX, IDC_PROFILE_DROP_PERIOD, m_values.nDropPeriod);
    ui::DDV_MinMaxInt(pDX, m_values.nDropPeriod, kShortestPeriod, kLongestPeriod);
    ui::DDX_Radio(pDX, IDC_PROFILE_DIRECTION_EITHER, m_values.nDirection);
}

void CPointToPointProfileMultilinkDialog::OnOK() {
    if (!UpdateData(ui::TRUE)) return;
    m_strValuesLine = m_strLine;
    EndDialog(ui::IDOK);
}

void CPointToPointProfileMultilinkDialog::OnCancel() {
    m_values = m_opened;
    CDialog::OnCancel();
}

int CPointToPointProfileMultilinkDialog::Store() {
    FitToLine();
    if (m_values.nMaxLinks < 1 || m_values.nMaxLinks > MostLinks()) return kPageFailed;
    m_pSheet->SetIntAttribute(prf::kMaxLinks, m_values.nMaxLinks);
    m_pSheet->SetIntAttribute(prf::kMultilinkShortHeaders, m_values.nShortHeaders);
    m_pSheet->SetIntAttribute(prf::kBandwidthOnDemand, m_values.nBandwidth);
    if (m_values.nBandwidth != 1) return kPageOk;
    m_pSheet->SetTextAttribute(prf::kAddLinkPercentage, m_values.strAddPercentage);
    m_pSheet->SetIntAttribute(prf::kAddLinkPeriod, m_values.nAddPeriod);
    m_pSheet->SetTextAttribute(prf::kDropLinkPercentage, m_values.strDropPercentage);
    m_pSheet->SetIntAttribute(prf::kDropLinkPeriod, m_values.nDropPeriod);
    m_pSheet->SetIntAttribute(prf::kBandwidthDirection, m_values.nDirection + 1);
    return kPageOk;
}

}  // namespace ptp::profiles
