#include "profiles/point_to_point_profile_answer_connection_page.h"

#include "config/config_text.h"
#include "platform/ui/ddx.h"
#include "platform/ui/message_box.h"
#include "platform/vocabulary/profile.h"
#include "profiles/point_to_point_profile_property_sheet.h"
#include "resources/ids/profiles.h"

namespace ptp::profiles {
namespace {

namespace prf = attr::profile;

constexpr int kISDNConnections = 1000;
constexpr int kNewISDNConnections = 6;
constexpr int kTooManyISDNConnections = 5;
constexpr int kISDNLinks = 2;
// A pool chosen for PPP answering before its lines are known.
constexpr int kAnsweringPoolConnections = 200;

}  // namespace

CPointToPointProfileAnswerConnectionPage::CPointToPointProfileAnswerConnectionPage(
    CPointToPointProfilePropertySheet* pSheet)
    : CPointToPointProfilePage(IDD_PROFILE_ANSWER_CONNECTION, pSheet), m_line(*pSheet) {
    OnChanged(IDC_PROFILE_LINE, [this] { OnLineChanged(); });
    OnClicked(IDC_PROFILE_LINE_NEW, [this] { m_line.OnNew(*this); });
    OnClicked(IDC_PROFILE_LINE_PROPERTIES, [this] { m_line.OnProperties(*this); });
    OnChanged(IDC_PROFILE_MAX_CONNECTIONS, [this] { OnConnectionsChanged(); });
    OnClicked(IDC_PROFILE_MULTILINK, [this] { OnMultilinkClicked(); });
    OnChanged(IDC_PROFILE_LINKS, [this] { UpdateMultilinkControls(); });
}

bool CPointToPointProfileAnswerConnectionPage::ServesOneCaller() const {
    return m_line.Choice() == LineChoice::OneLine || m_pSheet->IsLineKind(code::line_kind::kPool);
}

bool CPointToPointProfileAnswerConnectionPage::IsISDN() const {
    return m_line.Choice() == LineChoice::ISDN;
}

// A leased line that answers has no time-out of its own.
bool CPointToPointProfileAnswerConnectionPage::HasNumericSetting() const {
    return !m_pSheet->IsKind(code::line_service::kNonswitched, code::mode::kAnswer);
}

int CPointToPointProfileAnswerConnectionPage::MostConnections() const {
    if (IsISDN()) return kISDNConnections;
    if (ServesOneCaller()) return 1;
    const int lines = m_line.PoolLineCount(m_strLine);
    return lines > 0 ? lines : kAnsweringPoolConnections;
}

void CPointToPointProfileAnswerConnectionPage::LoadDefaults() {
    m_nConnections = IsISDN() ? kNewISDNConnections : 1;
    m_nLinks = IsISDN() ? kISDNLinks : 1;
    m_nMultilink = 0;
    m_nBandwidth = 0;
}

int CPointToPointProfileAnswerConnectionPage::Load() {
    if (m_bLoaded) return kPageOk;
    m_bLoaded = true;
    LoadDefaults();
    if (m_pSheet->IsNew()) return kPageOk;
    int result = m_line.Load(m_strLine);
    m_strLoadedLine = m_strLine;
    m_nConnections = 1;
    m_nLinks = 1;
    const bool ppp = m_pSheet->IsPPP();
    if (ppp && !ServesOneCaller()) {
        result |= m_pSheet->GetIntAttribute(prf::kMaxConnections, m_nConnections);
        if (IsISDN() && m_nConnections > kISDNConnections) m_nConnections = kTooManyISDNConnections;
    }
    if (m_pSheet->GetCapabilityC()) {
        result |= m_pSheet->GetIntAttribute(prf::kMultilink, m_nMultilink);
        if (m_nMultilink != 0 && ppp && !ServesOneCaller()) {
            result |= m_pSheet->GetIntAttribute(prf::kMaxLinks, m_nLinks);
            if (IsISDN() && m_nLinks > m_nConnections) m_nLinks = kISDNLinks;
        }
        result |= m_pSheet->GetIntAttribute(prf::kBandwidthOnDemand, m_nBandwidth);
        if (m_nLinks == 1) m_nBandwidth = 0;
    }
    if (HasNumericSetting()) result |= m_numericSetting.Load(*m_pSheet);
    return result == 0 ? kPageOk : kPageFailed;
}

ui::BOOL CPointToPointProfileAnswerConnectionPage::OnInitDialog() {
    (void)Load();
    if (!m_line.Fill(*this, m_strLine)) return ui::TRUE;
    Spin(IDC_PROFILE_MAX_CONNECTIONS_SPIN).SetRange(1, MostConnections());
    Spin(IDC_PROFILE_LINKS_SPIN).SetRange(1, m_nConnections);
    CPointToPointProfilePage::OnInitDialog();
    UpdateMultilinkControls();
    return ui::TRUE;
}

void CPointToPointProfileAnswerConnectionPage::DoDataExchange(ui::CDataExchange* pDX) {
    ui::DDX_CBString(pDX, IDC_PROFILE_LINE, m_strLine);
    ui::DDX_Text(pDX, IDC_PROFILE_MAX_CONNECTIONS, m_nConnections);
    ui::DDV_MinMaxInt(pDX, m_nConnections, 1, MostConnections());
    ui::DDX_Check(pDX, IDC_PROFILE_MULTILINK, m_nMultilink);
    ui::DDX_Text(pDX, IDC_PROFILE_LINKS, m_nLinks);
    ui::DDV_MinMaxInt(pDX, m_nLinks, 1, m_nConnections);
    ui::DDX_Check(pDX, IDC_PROFILE_BANDWIDTH_OPTION, m_nBandwidth);
    if (HasNumericSetting()) m_numericSetting.Exchange(pDX, IDC_PROFILE_NUMERIC_SETTING);
}

ui::BOOL CPointToPointProfileAnswerConnectionPage::OnSetActive() {
    CPointToPointProfilePage::OnSetActive();
    m_line.UpdateButtons(*this, m_pSheet->ChangesAllowed());
    if (!HasNumericSetting()) GetDlgItem(IDC_PROFILE_NUMERIC_SETTING)->EnableWindow(ui::FALSE);
    UpdateMultilinkControls();
    return ui::TRUE;
}

// The pool decides how many callers can be served.
void CPointToPointProfileAnswerConnectionPage::OnLineChanged() {
    m_line.UpdateButtons(*this, m_pSheet->ChangesAllowed());
    m_strLine = std::string(config::Trim(GetDlgItemText(IDC_PROFILE_LINE)));
    Spin(IDC_PROFILE_MAX_CONNECTIONS_SPIN).SetRange(1, MostConnections());
}

void CPointToPointProfileAnswerConnectionPage::OnConnectionsChanged() {
    Spin(IDC_PROFILE_LINKS_SPIN).SetRange(1, Spin(IDC_PROFILE_MAX_CONNECTIONS_SPIN).GetPos());
}

void CPointToPointProfileAnswerConnectionPage::OnMultilinkClicked() {
    if (IsDlgButtonChecked(IDC_PROFILE_MULTILINK) != ui::BST_CHECKED || ServesOneCaller()) {
        const bool bundled = IsDlgButtonChecked(IDC_PROFILE_MULTILINK) == ui::BST_CHECKED;
        const bool ownLabel = m_pSheet->IsLineKind(code::line_kind::kISDNLineOwnLabel);
        SetDlgItemInt(IDC_PROFILE_LINKS, !bundled && ownLabel ? kISDNLinks : 1);
        CheckDlgButton(IDC_PROFILE_BANDWIDTH_OPTION, ui::BST_UNCHECKED);
    }
    UpdateMultilinkControls();
}

void CPointToPointProfileAnswerConnectionPage::UpdateMultilinkControls() {
    const bool canBundle = m_pSheet->GetCapabilityC() && m_pSheet->IsPPP();
    const bool bundled = canBundle && IsDlgButtonChecked(IDC_PROFILE_MULTILINK) == ui::BST_CHECKED;
    const bool moreLinks = bundled && !ServesOneCaller();
    const bool severalLinks = moreLinks && GetDlgItemInt(IDC_PROFILE_LINKS) > 1;
    if (!severalLinks) CheckDlgButton(IDC_PROFILE_BANDWIDTH_OPTION, ui::BST_UNCHECKED);
    GetDlgItem(IDC_PROFILE_MULTILINK)->EnableWindow(canBundle ? ui::TRUE : ui::FALSE);
    GetDlgItem(IDC_PROFILE_LINKS)->EnableWindow(moreLinks ? ui::TRUE : ui::FALSE);
    GetDlgItem(IDC_PROFILE_LINKS_SPIN)->EnableWindow(moreLinks ? ui::TRUE : ui::FALSE);
    GetDlgItem(IDC_PROFILE_BANDWIDTH_OPTION)->EnableWindow(severalLinks ? ui::TRUE : ui::FALSE);
}

ui::BOOL CPointToPointProfileAnswerConnectionPage::OnKillActive() {
    if (!CPointToPointProfilePage::OnKillActive()) return ui::FALSE;
    return m_line.CheckOnLeaving(*this, m_strLine) ? ui::TRUE : ui::FALSE;
}

int CPointToPointProfileAnswerConnectionPage::Refuse(UINT message) {
    GetSheet()->SetActivePage(this);
    m_line.Refuse(*this, message, m_strLine);
    return kPageFailed;
}

int CPointToPointProfileAnswerConnectionPage::Store() {
    if (!IsCreated()) {
        if (Load() != kPageOk) return kPageFailed;
        return config::Trim(m_strLine).empty() ? Refuse(IDS_PROFILE_LINE_REQUIRED) : kPageOk;
    }
    if (!UpdateData(ui::TRUE)) return kPageFailed;
    if (const UINT message = m_line.Store(*this, m_strLine)) return Refuse(message);
    const bool servesManyLines =
        IsISDN() || m_pSheet->IsLineKind(code::line_kind::kPoolForPPPAnswer);
    m_pSheet->SetIntAttribute(prf::kLineUse, servesManyLines ? 2 : 1);
    m_pSheet->SetIntAttribute(prf::kMaxConnections, m_nConnections);
    if (m_pSheet->GetCapabilityC()) {
        m_pSheet->SetIntAttribute(prf::kMultilink, m_nMultilink);
        if (m_nMultilink != 0) {
            m_pSheet->SetIntAttribute(prf::kMaxLinks, m_nLinks);
            m_pSheet->SetIntAttribute(prf::kBandwidthOnDemand, m_nBandwidth);
        }
    }
    if (HasNumericSetting()) m_numericSetting.Store(*m_pSheet);
    return kPageOk;
}

}  // namespace ptp::profiles
