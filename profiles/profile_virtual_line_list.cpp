#include "profiles/profile_virtual_line_list.h"

#include <memory>

#include "config/config_paths.h"
#include "config/config_text.h"
#include "config/l2tp_line_config.h"
#include "config/pppoe_line_config.h"
#include "lines/point_to_point_profile_line_l2tp_property_sheet.h"
#include "lines/point_to_point_profile_line_pppoe_property_sheet.h"
#include "lines/virtual_line_files.h"
#include "platform/ui/message_box.h"
#include "platform/ui/property_sheet.h"
#include "profiles/point_to_point_profile_page.h"
#include "profiles/point_to_point_profile_property_sheet.h"
#include "resources/ids/profile_tunnels.h"

namespace ptp::profiles {
namespace {

constexpr std::size_t kLineNameLimit = 10;

template <class TFile, class TNameOf>
std::vector<std::string> Names(TFile& file, TNameOf nameOf) {
    std::vector<std::string> names;
    for (std::size_t index = 0; index < file.GetCount(); ++index)
        names.push_back((file.GetAt(index)->*nameOf)());
    return names;
}

}  // namespace

void CProfileVirtualLineList::Fill(ui::CDialog& page, std::string_view line) {
    const std::string system = config::ToUpper(m_sheet.GetSystemName());
    lines::LineFileRead read = lines::LineFileRead::Read;
    if (m_kind == VirtualLineKind::L2TP) {
        config::CPointToPointProfileL2TPLineConfigFile file(system, config::kL2TPLineConfigPath, 0);
        read = lines::LoadLineFile(file);
        m_names = Names(file, &config::CPointToPointProfileL2TPLineData::GetLineName);
    } else {
        config::CPointToPointProfilePPPoELineConfigFile file(system, config::kPPPoELineConfigPath,
                                                             0);
        read = lines::LoadLineFile(file);
        m_names = Names(file, &config::CPointToPointProfilePPPoELineData::GetPELineName);
    }
    ui::CComboBox& box = page.ComboBox(IDC_TUNNEL_LINE);
    box.ResetContent();
    for (const std::string& name : m_names)
        box.AddString(name);
    const int listed = line.empty() ? -1 : box.FindStringExact(-1, line);
    box.SetWindowText(listed >= 0 ? box.GetLBText(listed) : std::string(line));
    UpdateButtons(page);
    if (read != lines::LineFileRead::Unreadable) return;
    ui::AfxMessageBox(m_kind == VirtualLineKind::L2TP ? IDS_TUNNEL_L2TP_FILE_UNREADABLE
                                                      : IDS_TUNNEL_PPPOE_FILE_UNREADABLE,
                      kProfileMessageStyle);
}

int CProfileVirtualLineList::Find(std::string_view line) const {
    for (std::size_t index = 0; index < m_names.size(); ++index) {
        if (config::EqualsNoCase(m_names[index], line)) return static_cast<int>(index);
    }
    return -1;
}

void CProfileVirtualLineList::UpdateButtons(ui::CDialog& page) const {
    const std::string typed(config::Trim(page.GetDlgItemText(IDC_TUNNEL_LINE)));
    const bool listed = !typed.empty() && Find(typed) >= 0;
    const bool changes = m_sheet.ChangesAllowed();
    page.GetDlgItem(IDC_TUNNEL_LINE)->EnableWindow(changes ? ui::TRUE : ui::FALSE);
    page.GetDlgItem(IDC_TUNNEL_LINE_NEW)
        ->EnableWindow(changes && !typed.empty() && !listed ? ui::TRUE : ui::FALSE);
    page.GetDlgItem(IDC_TUNNEL_LINE_PROPERTIES)->EnableWindow(listed ? ui::TRUE : ui::FALSE);
}

bool CProfileVirtualLineList::CheckOnLeaving(ui::CDialog& page, std::string& line) const {
    line = std::string(config::Trim(line));
    page.SetDlgItemText(IDC_TUNNEL_LINE, line);
    if (line.size() <= kLineNameLimit && line.find(' ') == std::string::npos) return true;
    ui::AfxMessageBox(IDS_TUNNEL_LINE_NAME_INVALID, {line}, kProfileMessageStyle);
    page.GotoDlgCtrl(page.GetDlgItem(IDC_TUNNEL_LINE));
    return false;
}

UINT CProfileVirtualLineList::Check(std::string& line) const {
    line = std::string(config::Trim(line));
    if (line.empty()) return IDS_TUNNEL_LINE_REQUIRED;
    const int index = Find(line);
    if (index < 0) return IDS_TUNNEL_LINE_NOT_LISTED;
    line = m_names[static_cast<std::size_t>(index)];
    return 0;
}

int CProfileVirtualLineList::Refuse(ui::CPropertyPage& page, UINT message, int control,
                                    std::string_view line) const {
    if (ui::CPropertySheet* sheet = page.GetSheet()) sheet->SetActivePage(&page);
    ui::AfxMessageBox(message, {std::string(line)}, kProfileMessageStyle);
    if (page.IsCreated()) page.GotoDlgCtrl(page.GetDlgItem(control));
    return kPageFailed;
}

int CProfileVirtualLineList::StoreUnshown(ui::CPropertyPage& page, std::string_view line) const {
    if (!config::Trim(line).empty()) return kPageOk;
    return Refuse(page, IDS_TUNNEL_LINE_REQUIRED, IDC_TUNNEL_LINE, line);
}

void CProfileVirtualLineList::OnNew(ui::CDialog& page) {
    OpenSheet(page, config::ToUpper(config::Trim(page.GetDlgItemText(IDC_TUNNEL_LINE))), true);
}

void CProfileVirtualLineList::OnProperties(ui::CDialog& page) {
    const int index = Find(config::Trim(page.GetDlgItemText(IDC_TUNNEL_LINE)));
    if (index >= 0) OpenSheet(page, m_names[static_cast<std::size_t>(index)], false);
}

// The line sheet reads the line file afresh, so what another sheet left unsaved is not written
// with it.
void CProfileVirtualLineList::OpenSheet(ui::CDialog& page, const std::string& line, bool isNew) {
    bool changed = false;
    if (m_kind == VirtualLineKind::L2TP) {
        lines::CPointToPointProfileLineL2TPPropertySheet sheet("", &m_sheet);
        sheet.SetSystemName(m_sheet.GetSystemName());
        sheet.SetProposedLineName(isNew ? line : std::string());
        sheet.SetExistingLineName(isNew ? std::string() : line);
        sheet.SetValidationListList(m_sheet.GetValidationListList());
        sheet.SetChangesAllowed(m_sheet.ChangesAllowed());
        sheet.SetRelease050200(m_sheet.IsRelease050200());
        const ui::INT_PTR result = sheet.DoModal();
        changed = isNew ? sheet.WasLineCreated() : result == ui::IDOK;
    } else {
        lines::CPointToPointProfileLinePPPoEPropertySheet sheet("", &m_sheet);
        sheet.SetSystemName(m_sheet.GetSystemName());
        sheet.SetProposedLineName(isNew ? line : std::string());
        sheet.SetExistingLineName(isNew ? std::string() : line);
        sheet.SetChangesAllowed(m_sheet.ChangesAllowed());
        sheet.SetRelease050200(m_sheet.IsRelease050200());
        const ui::INT_PTR result = sheet.DoModal();
        changed = isNew ? sheet.WasLineCreated() : result == ui::IDOK;
    }
    if (changed) Fill(page, line);
}

}  // namespace ptp::profiles
