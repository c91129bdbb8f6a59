#include "lines/point_to_point_profile_line_modem_commands_page.h"

#include <algorithm>

#include "config/config_text.h"
#include "host/server_calls.h"
#include "lines/point_to_point_profile_line_property_sheet.h"
#include "modems/modem_command_entries.h"
#include "platform/vocabulary/kinds.h"
#include "platform/vocabulary/modem.h"
#include "resources/ids/lines.h"

namespace ptp::lines {

namespace {

namespace mc = attr::modem_command;

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
    : CPointToPointProfileLinePage(nIDTemplate, pSheet),
      m_list(*this,
             {IDC_LINE_PARMS_LIST, IDC_LINE_PARMS_ADD, IDC_LINE_PARMS_CHANGE, IDC_LINE_PARMS_DELETE,
              IDS_LINE_PARM_NAME_HEADING, IDS_LINE_PARM_VALUE_HEADING}) {
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
    host::SOFError* error = nullptr;
    std::vector<modems::CModemCommandEntry> entries =
        modems::ReadModemCommandEntries(*list, m_strModemName, &error);
    if (error) {
        m_pSheet->FailWith(error);
        return false;
    }
    for (modems::CModemCommandEntry& entry : entries) {
        m_serverNumbers.push_back(entry.nNumber);
        m_rows.push_back(Row{std::move(entry.strName), std::move(entry.strValue), entry.nNumber});
    }
    return true;
}

ui::BOOL CPointToPointProfileLineModemCommandsPage::OnInitDialog() {
    CPointToPointProfileLinePage::OnInitDialog();
    m_list.InsertColumns();
    return ui::TRUE;
}

ui::BOOL CPointToPointProfileLineModemCommandsPage::OnSetActive() {
    // The modem may have changed since the page was last shown.
    if (LoadEntries()) FillList();
    return CPointToPointProfileLinePage::OnSetActive();
}

void CPointToPointProfileLineModemCommandsPage::FillList() {
    m_list.Clear();
    for (const Row& row : m_rows)
        m_list.Append(row.strName, row.strValue);
    UpdateButtons();
}

int CPointToPointProfileLineModemCommandsPage::SelectedRow() {
    return m_list.SelectedRow(GetEntryCount());
}

void CPointToPointProfileLineModemCommandsPage::UpdateButtons() {
    m_list.UpdateButtons(m_pSheet->ChangesAllowed(), GetEntryCount());
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
