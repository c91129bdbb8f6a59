#include "lines/point_to_point_profile_line_modem_commands_page.h"

#include <algorithm>

#include "config/config_text.h"
#include "host/server_calls.h"
#include "lines/point_to_point_profile_line_property_sheet.h"
#include "platform/ui/toolkit.h"
#include "platform/vocabulary/kinds.h"
#include "platform/vocabulary/modem.h"
#include "resources/ids/lines.h"

namespace ptp::lines {

namespace {

namespace mc = attr::modem_command;

constexpr int kNameColumnWidth = 100;
constexpr int kValueColumnWidth = 180;

constexpr std::string_view kTraceNoList = "Error: ->m_pSOAModemCommandsList = NULL.";
constexpr std::string_view kTraceCreate =
    "Error: ->pSOAModemCommand = new CPointToPointModemCommands(...)<- , pSOAModemCommand = NULL.";
constexpr std::string_view kTraceDelete =
    "Error from modem parameters page pSOAModemCommand->Delete.";
constexpr std::string_view kTraceCommit =
    "Error from modem parameters page pSOAModemCommand->CommitChanges.";

}  // namespace

CPointToPointProfileLineModemCommandsPage::CPointToPointProfileLineModemCommandsPage(
    UINT nIDTemplate, CPointToPointProfileLinePropertySheet* pSheet)
    : CPointToPointProfileLinePage(nIDTemplate, pSheet) {
    OnClicked(IDC_LINE_PARMS_ADD, [this] { OnAdd(); });
    OnClicked(IDC_LINE_PARMS_CHANGE, [this] { OnChange(); });
    OnClicked(IDC_LINE_PARMS_DELETE, [this] { OnDelete(); });
    OnChanged(IDC_LINE_PARMS_LIST, [this] { UpdateButtons(); });
}

CPointToPointProfileLineModemCommandsPage::~CPointToPointProfileLineModemCommandsPage() = default;

void CPointToPointProfileLineModemCommandsPage::SetModemName(const std::string& modemName) {
    m_strModemName = modemName;
    m_bEntriesLoaded = false;
    m_rows.clear();
    m_deleted.clear();
    m_serverNumbers.clear();
}

bool CPointToPointProfileLineModemCommandsPage::LoadEntries() {
    if (m_bEntriesLoaded) return true;
    host::IServerList* list = m_pSheet->GetModemCommandList();
    if (!list) {
        m_pSheet->FailInternally(kTraceNoList);
        return false;
    }
    m_bEntriesLoaded = true;
    struct Entry {
        long number;
        Row row;
    };
    std::vector<Entry> entries;
    host::SOFError* error = nullptr;
    const long count = list->GetCount(&error);
    for (long index = 0; !error && index < count; ++index) {
        host::IServerObject* element = list->ElementAt(index, &error);
        if (error || !element) break;
        const std::string modem = element->GetAttributeText(mc::kModemName, &error);
        const std::string kind = element->GetAttributeText(mc::kEntryKind, &error);
        const long number = config::TextToInt(element->GetAttributeText(mc::kNumber, &error));
        Entry entry{number,
                    {element->GetAttributeText(mc::kName, &error),
                     element->GetAttributeText(mc::kValue, &error), number}};
        if (error) break;
        if (!config::EqualsNoCase(modem, m_strModemName) ||
            !config::EqualsNoCase(kind, code::modem_command::kTemplate))
            continue;
        entries.push_back(std::move(entry));
    }
    if (error) {
        m_pSheet->FailWith(error);
        return false;
    }
    std::stable_sort(entries.begin(), entries.end(),
                     [](const Entry& a, const Entry& b) { return a.number < b.number; });
    for (Entry& entry : entries) {
        m_serverNumbers.push_back(entry.number);
        m_rows.push_back(std::move(entry.row));
    }
    return true;
}

ui::BOOL CPointToPointProfileLineModemCommandsPage::OnInitDialog() {
    CPointToPointProfileLinePage::OnInitDialog();
    ui::CListCtrl& list = ListCtrl(IDC_LINE_PARMS_LIST);
    list.InsertColumn(0, ui::LoadText(IDS_LINE_PARM_NAME_HEADING), ui::LVCFMT_LEFT,
                      kNameColumnWidth);
    list.InsertColumn(1, ui::LoadText(IDS_LINE_PARM_VALUE_HEADING), ui::LVCFMT_LEFT,
                      kValueColumnWidth);
    return ui::TRUE;
}

ui::BOOL CPointToPointProfileLineModemCommandsPage::OnSetActive() {
    // The modem may have changed since the page was last shown.
    if (LoadEntries()) FillList();
    return CPointToPointProfileLinePage::OnSetActive();
}

void CPointToPointProfileLineModemCommandsPage::FillList() {
    ui::CListCtrl& list = ListCtrl(IDC_LINE_PARMS_LIST);
    list.DeleteAllItems();
    for (const Row& row : m_rows) {
        const int item = list.InsertItem(list.GetItemCount(), row.strName);
        list.SetItemText(item, 1, row.strValue);
    }
    UpdateButtons();
}

int CPointToPointProfileLineModemCommandsPage::SelectedRow() {
    const int row = ListCtrl(IDC_LINE_PARMS_LIST).GetNextItem(-1, ui::LVNI_SELECTED);
    return row >= 0 && row < GetEntryCount() ? row : -1;
}

void CPointToPointProfileLineModemCommandsPage::UpdateButtons() {
    const bool changeable = m_pSheet->ChangesAllowed();
    const bool selected = SelectedRow() >= 0;
    Button(IDC_LINE_PARMS_ADD)
        .EnableWindow(changeable && GetEntryCount() < code::modem_command::kMaxPerModem);
    Button(IDC_LINE_PARMS_CHANGE).EnableWindow(changeable && selected);
    Button(IDC_LINE_PARMS_DELETE).EnableWindow(changeable && selected);
}

CPointToPointProfileLineParmsDialog& CPointToPointProfileLineModemCommandsPage::ParmsDialog() {
    if (!m_pParmsDialog)
        m_pParmsDialog = std::make_unique<CPointToPointProfileLineParmsDialog>(this);
    return *m_pParmsDialog;
}

void CPointToPointProfileLineModemCommandsPage::OnAdd() {
    if (GetEntryCount() >= code::modem_command::kMaxPerModem) return;
    CPointToPointProfileLineParmsDialog& dialog = ParmsDialog();
    dialog.m_strName.clear();
    dialog.m_strValue.clear();
    if (dialog.DoModal() != ui::IDOK) return;
    m_rows.push_back(Row{dialog.m_strName, dialog.m_strValue, 0});
    FillList();
    SetModified();
}

void CPointToPointProfileLineModemCommandsPage::OnChange() {
    const int index = SelectedRow();
    if (index < 0) return;
    CPointToPointProfileLineParmsDialog& dialog = ParmsDialog();
    dialog.m_strName = m_rows[index].strName;
    dialog.m_strValue = m_rows[index].strValue;
    if (dialog.DoModal() != ui::IDOK) return;
    m_rows[index].strName = dialog.m_strName;
    m_rows[index].strValue = dialog.m_strValue;
    FillList();
    SetModified();
}

void CPointToPointProfileLineModemCommandsPage::OnDelete() {
    const int index = SelectedRow();
    if (index < 0) return;
    if (m_rows[index].nNumber > 0) m_deleted.push_back(m_rows[index].nNumber);
    m_rows.erase(m_rows.begin() + index);
    FillList();
    SetModified();
}

std::unique_ptr<host::IServerObject> CPointToPointProfileLineModemCommandsPage::CommandObject(
    long number) {
    host::SOFError* error = nullptr;
    auto command = host::GetHost()->Objects().CreateObject(
        kinds::kCPointToPointModemCommands, host::kClientName, m_pSheet->GetSystemName(),
        m_strModemName + "/" + std::to_string(number), &error);
    if (command && !error) return command;
    host::TraceShowAndDestroy(error, kTraceCreate, m_pSheet->GetSafeHwnd());
    return nullptr;
}

bool CPointToPointProfileLineModemCommandsPage::DeleteCommand(long number) {
    auto command = CommandObject(number);
    if (!command) return false;
    host::SOFError* error = nullptr;
    command->Delete(&error);
    if (!error) return true;
    host::TraceShowAndDestroy(error, kTraceDelete, m_pSheet->GetSafeHwnd());
    return false;
}

bool CPointToPointProfileLineModemCommandsPage::Commit() {
    // A page never shown has changed nothing.
    if (!m_bEntriesLoaded) return true;
    const HWND parent = m_pSheet->GetSafeHwnd();
    for (const long number : m_deleted) {
        if (!DeleteCommand(number)) return false;
    }
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        const long number = static_cast<long>(i) + 1;
        auto command = CommandObject(number);
        if (!command) return false;
        command->SetAttribute(mc::kNumber, std::to_string(number));
        command->SetAttribute(mc::kName, m_rows[i].strName);
        command->SetAttribute(mc::kValue, m_rows[i].strValue);
        command->SetAttribute(mc::kModemKey, config::ToUpper(m_strModemName));
        host::SOFError* error = nullptr;
        command->Commit(&error);
        if (error) {
            host::TraceShowAndDestroy(error, kTraceCommit, parent);
            return false;
        }
    }
    // What the server numbered beyond the new list goes.
    for (const long number : m_serverNumbers) {
        if (number <= GetEntryCount()) continue;
        if (std::find(m_deleted.begin(), m_deleted.end(), number) != m_deleted.end()) continue;
        if (!DeleteCommand(number)) return false;
    }
    m_deleted.clear();
    m_serverNumbers.clear();
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        m_rows[i].nNumber = static_cast<long>(i) + 1;
        m_serverNumbers.push_back(m_rows[i].nNumber);
    }
    return true;
}

}  // namespace ptp::lines
