#include "lines/point_to_point_profile_line_pool_general_page.h"

#include <algorithm>

#include "config/config_text.h"
#include "host/server_calls.h"
#include "lines/point_to_point_profile_line_page.h"
#include "lines/point_to_point_profile_line_pool_property_sheet.h"
#include "platform/ui/ddx.h"
#include "platform/ui/message_box.h"
#include "platform/ui/toolkit.h"
#include "platform/vocabulary/line.h"
#include "resources/ids/lines.h"

namespace ptp::lines {

namespace {

namespace ln = attr::line;
namespace assoc = attr::line_association;

constexpr int kLineColumnWidth = 90;
// The error kind of a save that found the line changed under it: the lists are read again.
constexpr int kChangedOnServer = 5;

}  // namespace

CPointToPointProfileLinePoolGeneralPage::CPointToPointProfileLinePoolGeneralPage(
    CPointToPointProfileLinePoolPropertySheet* pSheet)
    : CPropertyPage(IDD_LINE_POOL_GENERAL), m_pSheet(pSheet) {
    OnClicked(IDC_LINE_POOL_ADD, [this] { OnAdd(); });
    OnClicked(IDC_LINE_POOL_REMOVE, [this] { OnRemove(); });
    OnClicked(IDC_LINE_POOL_NEW_LINE, [this] { OnNewLine(); });
    OnClicked(IDC_LINE_POOL_LINE_PROPERTIES, [this] { OnLineProperties(); });
    OnChanged(IDC_LINE_POOL_AVAILABLE, [this] { UpdateButtons(); });
    OnChanged(IDC_LINE_POOL_MEMBERS, [this] { UpdateButtons(); });
}

ui::BOOL CPointToPointProfileLinePoolGeneralPage::OnInitDialog() {
    m_strName = m_pSheet->IsNewPool() ? m_pSheet->GetProposedPoolName() : m_pSheet->GetPoolName();
    CPropertyPage::OnInitDialog();
    Edit(IDC_LINE_POOL_NAME).SetReadOnly(!m_pSheet->IsNewPool() || !m_pSheet->ChangesAllowed());
    for (int id : {IDC_LINE_POOL_AVAILABLE, IDC_LINE_POOL_MEMBERS})
        ListCtrl(id).InsertColumn(0, ui::LoadText(IDS_LINE_POOL_LINE_HEADING), ui::LVCFMT_LEFT,
                                  kLineColumnWidth);
    if (FillLists()) ShowRows();
    return ui::TRUE;
}

void CPointToPointProfileLinePoolGeneralPage::DoDataExchange(ui::CDataExchange* pDX) {
    ui::DDX_Text(pDX, IDC_LINE_POOL_NAME, m_strName);
}

std::string CPointToPointProfileLinePoolGeneralPage::PoolName() const {
    return std::string(config::Trim(m_strName));
}

bool CPointToPointProfileLinePoolGeneralPage::FillLists() {
    m_available.clear();
    m_members.clear();
    const std::string_view wanted = m_pSheet->GetParentProfile().IsSwitched()
                                        ? code::line_connection::kSwitched
                                        : code::line_connection::kNonswitched;
    const std::string pool = m_pSheet->GetPoolName();
    host::IServerList* lines = m_pSheet->GetLineList();
    host::SOFError* error = nullptr;
    const long count = lines->GetCount(&error);
    for (long index = 0; !error && index < count; ++index) {
        host::IServerObject* line = lines->ElementAt(index, &error);
        Row row;
        row.pLine = line;
        if (!error) row.strName = line->GetAttributeText(ln::kName, &error);
        if (!error) row.strPool = line->GetAttributeText(ln::kPoolName, &error);
        const std::string connection =
            error ? "" : line->GetAttributeText(ln::kConnectionType, &error);
        // An element whose error was already reported is passed over.
        if (host::IsAlreadyReported(error)) {
            error = nullptr;
            continue;
        }
        if (error) break;
        const bool inPool = !pool.empty() && config::EqualsNoCase(row.strPool, pool);
        if (!m_bMembersKnown && inPool) m_memberNames.insert(config::ToUpper(row.strName));
        if (!inPool && (!row.strPool.empty() || !config::EqualsNoCase(connection, wanted)))
            continue;
        const bool member =
            m_memberNames.count(config::ToUpper(row.strName)) != 0 || (!m_bMembersKnown && inPool);
        (member ? m_members : m_available).push_back(std::move(row));
    }
    if (error) {
        m_pSheet->FailWith(error);
        return false;
    }
    m_bMembersKnown = true;
    return true;
}

void CPointToPointProfileLinePoolGeneralPage::ShowRows() {
    for (const auto& [id, rows] : {std::pair{IDC_LINE_POOL_AVAILABLE, &m_available},
                                   std::pair{IDC_LINE_POOL_MEMBERS, &m_members}}) {
        ui::CListCtrl& list = ListCtrl(id);
        list.DeleteAllItems();
        for (const Row& row : *rows)
            list.InsertItem(list.GetItemCount(), row.strName);
    }
    UpdateButtons();
}

int CPointToPointProfileLinePoolGeneralPage::Selected(int listId) {
    const int row = ListCtrl(listId).GetNextItem(-1, ui::LVNI_SELECTED);
    const auto& rows = listId == IDC_LINE_POOL_AVAILABLE ? m_available : m_members;
    return row >= 0 && row < static_cast<int>(rows.size()) ? row : -1;
}

void CPointToPointProfileLinePoolGeneralPage::UpdateButtons() {
    const bool changeable = m_pSheet->ChangesAllowed();
    const bool available = Selected(IDC_LINE_POOL_AVAILABLE) >= 0;
    const bool member = Selected(IDC_LINE_POOL_MEMBERS) >= 0;
    Button(IDC_LINE_POOL_ADD).EnableWindow(changeable && available);
    Button(IDC_LINE_POOL_REMOVE).EnableWindow(changeable && member);
    Button(IDC_LINE_POOL_NEW_LINE).EnableWindow(changeable);
    Button(IDC_LINE_POOL_LINE_PROPERTIES).EnableWindow(available || member);
}

void CPointToPointProfileLinePoolGeneralPage::OnAdd() {
    const int index = Selected(IDC_LINE_POOL_AVAILABLE);
    if (index < 0 || !m_pSheet->ChangesAllowed()) return;
    m_memberNames.insert(config::ToUpper(m_available[index].strName));
    m_members.push_back(std::move(m_available[index]));
    m_available.erase(m_available.begin() + index);
    ShowRows();
    SetModified();
}

void CPointToPointProfileLinePoolGeneralPage::OnRemove() {
    const int index = Selected(IDC_LINE_POOL_MEMBERS);
    if (index < 0 || !m_pSheet->ChangesAllowed()) return;
    m_memberNames.erase(config::ToUpper(m_members[index].strName));
    m_available.push_back(std::move(m_members[index]));
    m_members.erase(m_members.begin() + index);
    ShowRows();
    SetModified();
}

void CPointToPointProfileLinePoolGeneralPage::Refill() {
    if (m_pSheet->RefreshLists() && FillLists()) ShowRows();
}

void CPointToPointProfileLinePoolGeneralPage::OnNewLine() {
    if (m_pSheet->OpenLineSheet("")) Refill();
}

void CPointToPointProfileLinePoolGeneralPage::OnLineProperties() {
    int index = Selected(IDC_LINE_POOL_MEMBERS);
    std::string name = index >= 0 ? m_members[index].strName : std::string();
    index = Selected(IDC_LINE_POOL_AVAILABLE);
    if (name.empty() && index >= 0) name = m_available[index].strName;
    if (!name.empty() && m_pSheet->OpenLineSheet(name)) Refill();
}

bool CPointToPointProfileLinePoolGeneralPage::PoolNameTaken(std::string_view name) {
    host::IServerList* entries = m_pSheet->GetAssociationList();
    host::SOFError* error = nullptr;
    const long count = entries->GetCount(&error);
    for (long index = 0; !error && index < count; ++index) {
        host::IServerObject* entry = entries->ElementAt(index, &error);
        const std::string pool = error ? "" : entry->GetAttributeText(assoc::kPoolName, &error);
        if (!error && config::EqualsNoCase(pool, name)) return true;
    }
    host::ShowAndDestroy(error, GetSafeHwnd());
    return false;
}

bool CPointToPointProfileLinePoolGeneralPage::LineNameTaken(std::string_view name) {
    host::IServerList* lines = m_pSheet->GetLineList();
    host::SOFError* error = nullptr;
    const long count = lines->GetCount(&error);
    for (long index = 0; !error && index < count; ++index) {
        host::IServerObject* line = lines->ElementAt(index, &error);
        const std::string lineName = error ? "" : line->GetAttributeText(ln::kName, &error);
        if (!error && config::EqualsNoCase(lineName, name)) return true;
    }
    host::ShowAndDestroy(error, GetSafeHwnd());
    return false;
}

bool CPointToPointProfileLinePoolGeneralPage::Validate() {
    if (!m_pSheet->IsNewPool()) return true;
    const std::string name = PoolName();
    UINT message = 0;
    int control = IDC_LINE_POOL_NAME;
    std::vector<std::string> args;
    if (name.empty()) {
        message = IDS_LINE_POOL_NAME_REQUIRED;
    } else if (PoolNameTaken(name)) {
        message = IDS_LINE_POOL_NAME_EXISTS;
        args = {name};
    } else if (LineNameTaken(name)) {
        message = IDS_LINE_NAME_EXISTS;
        args = {config::ToUpper(name)};
    } else if (m_members.empty()) {
        message = IDS_LINE_POOL_MEMBERS_REQUIRED;
        control = IDC_LINE_POOL_MEMBERS;
    }
    if (message == 0) return true;
    if (args.empty()) {
        ui::AfxMessageBox(message, kLineMessageStyle);
    } else {
        ui::AfxMessageBox(message, args, kLineMessageStyle);
    }
    GotoDlgCtrl(GetDlgItem(control));
    return false;
}

ui::BOOL CPointToPointProfileLinePoolGeneralPage::OnKillActive() {
    if (!CPropertyPage::OnKillActive()) return ui::FALSE;
    return Validate() ? ui::TRUE : ui::FALSE;
}

bool CPointToPointProfileLinePoolGeneralPage::Save() {
    const std::string pool = m_pSheet->IsNewPool() ? PoolName() : m_pSheet->GetPoolName();
    // Only lines whose pool changes are written: a line in use elsewhere is left alone.
    std::vector<std::pair<Row*, std::string>> changes;
    for (Row& row : m_members) {
        if (row.strPool != pool) changes.emplace_back(&row, pool);
    }
    if (!m_pSheet->IsNewPool()) {
        for (Row& row : m_available) {
            if (!row.strPool.empty()) changes.emplace_back(&row, std::string());
        }
    }
    for (auto& [row, value] : changes) {
        host::SOFError* error = nullptr;
        row->pLine->SetAttribute(ln::kPoolName, value);
        row->pLine->Commit(&error);
        if (!error) {
            row->strPool = value;
            m_pSheet->SetChanged();
            continue;
        }
        row->pLine->Discard();
        if (error->GetKind() != kChangedOnServer) {
            host::ShowAndDestroy(error, GetSafeHwnd());
            return false;
        }
        ui::AfxMessageBox(IDS_LINE_POOL_SAVE_CHANGED, {error->GetText()}, kLineMessageStyle);
        error->Destroy();
        Refill();
        return false;
    }
    if (m_pSheet->IsNewPool()) {
        m_pSheet->PoolCreated(pool);
        Edit(IDC_LINE_POOL_NAME).SetReadOnly(ui::TRUE);
    }
    return true;
}

ui::BOOL CPointToPointProfileLinePoolGeneralPage::OnApply() {
    // OK reaches here after this page's checks ran on leaving it.
    if (!Save()) return ui::FALSE;
    SetModified(ui::FALSE);
    return ui::TRUE;
}

}  // namespace ptp::lines
