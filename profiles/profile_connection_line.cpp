#include "profiles/profile_connection_line.h"

#include "config/config_text.h"
#include "platform/ui/message_box.h"
#include "platform/ui/toolkit.h"
#include "platform/vocabulary/line.h"
#include "platform/vocabulary/profile.h"
#include "profiles/line_sheet_opener.h"
#include "profiles/point_to_point_profile_property_sheet.h"
#include "resources/ids/profiles.h"

namespace ptp::profiles {
namespace {

namespace prf = attr::profile;

constexpr std::size_t kLineNameLimit = 10;
constexpr std::size_t kPoolNameLimit = 64;

UINT LabelOf(LineChoice choice) {
    switch (choice) {
        case LineChoice::Pool:
            return IDS_PROFILE_LINE_KIND_POOL;
        case LineChoice::ISDN:
            return IDS_PROFILE_LINE_KIND_ISDN;
        default:
            return IDS_PROFILE_LINE_KIND_LINE;
    }
}

// An L2TP profile has no line kind of its own here; every other kind the pages do not know is
// served as one line.
int StoredLineKind(int lineKind) {
    return lineKind >= code::line_kind::kOneLine && lineKind <= code::line_kind::kISDNLineOwnLabel
               ? lineKind
               : code::line_kind::kOneLine;
}

}  // namespace

CProfileConnectionLine::CProfileConnectionLine(CPointToPointProfilePropertySheet& sheet)
    : m_sheet(sheet) {}

LineChoice CProfileConnectionLine::Choice() const {
    return LineChoiceOf(m_sheet.GetLineKind());
}

std::string_view CProfileConnectionLine::ConnectionType() const {
    return WantedConnectionType(m_sheet.GetLineService());
}

int CProfileConnectionLine::Load(std::string& line) {
    return m_sheet.GetTextAttribute(IsPool() ? prf::kPoolName : prf::kLineName, line);
}

bool CProfileConnectionLine::Fill(ui::CDialog& page, std::string_view line) {
    page.SetDlgItemText(IDC_PROFILE_LINE_KIND_TEXT, ui::LoadText(LabelOf(Choice())));
    if (!m_list.Read(m_sheet.GetSystemName(), page.GetSafeHwnd())) {
        m_sheet.EndDialog(ui::IDCANCEL);
        return false;
    }
    ui::CComboBox& box = page.ComboBox(IDC_PROFILE_LINE);
    box.ResetContent();
    for (const std::string& name : m_list.Names(Choice(), ConnectionType()))
        box.AddString(name);
    // A listed line shows as the server spells it.
    const int listed = line.empty() ? -1 : box.FindStringExact(-1, line);
    box.SetWindowText(listed >= 0 ? box.GetLBText(listed) : std::string(line));
    return true;
}

void CProfileConnectionLine::UpdateButtons(ui::CDialog& page, bool changesAllowed) {
    ui::CComboBox& box = page.ComboBox(IDC_PROFILE_LINE);
    const std::string typed(config::Trim(box.GetWindowText()));
    const int listed = typed.empty() ? -1 : box.FindStringExact(-1, typed);
    if (listed >= 0 && box.GetCurSel() != listed) box.SetCurSel(listed);
    page.GetDlgItem(IDC_PROFILE_LINE)->EnableWindow(changesAllowed ? ui::TRUE : ui::FALSE);
    page.GetDlgItem(IDC_PROFILE_LINE_NEW)
        ->EnableWindow(changesAllowed && !typed.empty() && listed < 0 ? ui::TRUE : ui::FALSE);
    page.GetDlgItem(IDC_PROFILE_LINE_PROPERTIES)->EnableWindow(listed >= 0 ? ui::TRUE : ui::FALSE);
}

bool CProfileConnectionLine::CheckOnLeaving(ui::CDialog& page, std::string& line) const {
    line = std::string(config::Trim(line));
    page.SetDlgItemText(IDC_PROFILE_LINE, line);
    UINT message = 0;
    if (IsPool() && line.size() > kPoolNameLimit) message = IDS_PROFILE_POOL_NAME_TOO_LONG;
    if (!IsPool() && (line.size() > kLineNameLimit || line.find(' ') != std::string::npos))
        message = IDS_PROFILE_LINE_NAME_INVALID;
    if (message == 0) return true;
    Refuse(page, message, line);
    return false;
}

void CProfileConnectionLine::Refuse(ui::CDialog& page, UINT message, std::string_view line) const {
    ui::AfxMessageBox(message, {std::string(line)}, kProfileMessageStyle);
    page.GotoDlgCtrl(page.GetDlgItem(IDC_PROFILE_LINE));
}

UINT CProfileConnectionLine::Store(ui::CDialog& page, std::string& line) {
    line = std::string(config::Trim(line));
    if (line.empty()) return IDS_PROFILE_LINE_REQUIRED;
    ui::CComboBox& box = page.ComboBox(IDC_PROFILE_LINE);
    const int index = box.FindStringExact(-1, line);
    if (index < 0) return IsPool() ? IDS_PROFILE_POOL_NOT_LISTED : IDS_PROFILE_LINE_NOT_LISTED;
    line = box.GetLBText(index);
    m_sheet.SetTextAttribute(prf::kLineType, code::line_type::kPPP);
    m_sheet.SetIntAttribute(prf::kLineKind, StoredLineKind(m_sheet.GetLineKind()));
    m_sheet.SetTextAttribute(IsPool() ? prf::kPoolName : prf::kLineName, line);
    return 0;
}

int CProfileConnectionLine::PoolLineCount(std::string_view pool) const {
    return m_list.PoolLineCount(pool, ConnectionType());
}

void CProfileConnectionLine::OnNew(ui::CDialog& page) {
    std::string typed(config::Trim(page.GetDlgItemText(IDC_PROFILE_LINE)));
    if (OpenLineSheet(Choice(), typed, true, m_sheet) != ui::IDOK) return;
    if (Fill(page, typed)) UpdateButtons(page, m_sheet.ChangesAllowed());
}

void CProfileConnectionLine::OnProperties(ui::CDialog& page) {
    ui::CComboBox& box = page.ComboBox(IDC_PROFILE_LINE);
    std::string chosen = box.GetLBText(box.GetCurSel());
    if (OpenLineSheet(Choice(), chosen, false, m_sheet) != ui::IDOK) return;
    if (Fill(page, chosen)) UpdateButtons(page, m_sheet.ChangesAllowed());
}

}  // namespace ptp::profiles
