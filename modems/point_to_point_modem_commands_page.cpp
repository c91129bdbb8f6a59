#include "modems/point_to_point_modem_commands_page.h"

#include <array>

#include "config/config_text.h"
#include "host/server_calls.h"
#include "modems/modem_command_entries.h"
#include "modems/point_to_point_modem_property_sheet.h"
#include "platform/ui/message_box.h"
#include "platform/vocabulary/kinds.h"
#include "platform/vocabulary/modem.h"
#include "resources/ids/modems.h"

namespace ptp::modems {
namespace {

constexpr std::size_t kAttributeCapacity = 512;

constexpr std::string_view kTraceNoList = "Error: ->m_pSOAModemCommandsList is not set.";
constexpr std::string_view kTraceNumber = "Error retrieving modem command number for deletion.";
constexpr std::string_view kTraceDelete =
    "Error from modem parameters page pSOAModemCommand->Delete.";
constexpr std::string_view kTraceCommit =
    "Error from modem parameters page pSOAModemCommand->CommitChanges.";
constexpr std::string_view kTraceCreate =
    "Error: -> pSOAModemCommand = new CPointToPointModemCommands <- returned NULL pointer.";

std::string ReadAttribute(host::IServerObject& object, int id, host::SOFError** error) {
    std::array<char, kAttributeCapacity> buffer{};
    object.GetAttribute(id, buffer.data(), buffer.size(), error);
    return *error ? std::string() : std::string(buffer.data());
}

}  // namespace

CPointToPointModemCommandsPage::CPointToPointModemCommandsPage(
    UINT nIDTemplate, CPointToPointModemPropertySheet* pSheet)
    : CPropertyPage(nIDTemplate),
      m_pSheet(pSheet),
      m_list(*this,
             {IDC_MODEM_PARMS_LIST, IDC_MODEM_PARMS_ADD, IDC_MODEM_PARMS_CHANGE,
              IDC_MODEM_PARMS_DELETE, IDS_MODEM_PARM_NAME_HEADING, IDS_MODEM_PARM_VALUE_HEADING}) {
    OnClicked(IDC_MODEM_PARMS_ADD, [this] { OnAdd(); });
    OnClicked(IDC_MODEM_PARMS_CHANGE, [this] { OnChange(); });
    OnClicked(IDC_MODEM_PARMS_DELETE, [this] { OnDelete(); });
    OnChanged(IDC_MODEM_PARMS_LIST, [this] { UpdateButtons(); });
    OnDoubleClicked(IDC_MODEM_PARMS_LIST, [this] {
        if (GetDlgItem(IDC_MODEM_PARMS_CHANGE)->IsWindowEnabled()) OnChange();
    });
}

CPointToPointModemCommandsPage::~CPointToPointModemCommandsPage() = default;

bool CPointToPointModemCommandsPage::LoadEntries() {
    if (m_bEntriesLoaded) return true;
    host::IServerList* list = m_pSheet->GetModemCommandsList();
    if (!list) {
        m_pSheet->FailInternally(kTraceNoList);
        return false;
    }
    m_bEntriesLoaded = true;
    const std::string source = m_pSheet->GetSourceModemName();
    if (source.empty()) return true;

    host::SOFError* error = nullptr;
    std::vector<CModemCommandEntry> entries = ReadModemCommandEntries(*list, source, &error);
    host::ShowAndDestroy(error, GetSafeHwnd());
    for (CModemCommandEntry& entry : entries) {
        Row row{std::move(entry.strName), std::move(entry.strValue), entry.pElement, nullptr};
        // A copy writes the model's entries for the new modem.
        if (m_pSheet->IsCopyMode()) {
            auto save = std::make_unique<CModemCommandsSaveObj>();
            save->m_strName = row.name;
            save->m_strValue = row.value;
            row.pSave = save.get();
            row.pElement = nullptr;
            m_SaveList.push_back(std::move(save));
        }
        m_rows.push_back(std::move(row));
    }
    return true;
}

ui::BOOL CPointToPointModemCommandsPage::OnInitDialog() {
    CPropertyPage::OnInitDialog();
    m_list.InsertColumns();
    if (!LoadEntries()) return ui::TRUE;
    FillList();
    return ui::TRUE;
}

void CPointToPointModemCommandsPage::FillList() {
    m_list.Clear();
    for (const Row& row : m_rows)
        m_list.Append(row.name, row.value);
    UpdateButtons();
}

int CPointToPointModemCommandsPage::SelectedRow() {
    return m_list.SelectedRow(GetEntryCount());
}

void CPointToPointModemCommandsPage::UpdateButtons() {
    m_list.UpdateButtons(m_pSheet->IsChangeable(), GetEntryCount());
}

CPointToPointModemParmsDialog& CPointToPointModemCommandsPage::ParmsDialog() {
    if (!m_pParmsDialog) m_pParmsDialog = std::make_unique<CPointToPointModemParmsDialog>(this);
    return *m_pParmsDialog;
}

void CPointToPointModemCommandsPage::OnAdd() {
    if (GetEntryCount() >= code::modem_command::kMaxPerModem) return;
    CPointToPointModemParmsDialog& dialog = ParmsDialog();
    dialog.m_strName.clear();
    dialog.m_strValue.clear();
    if (dialog.DoModal() != ui::IDOK) return;
    auto save = std::make_unique<CModemCommandsSaveObj>();
    save->m_strName = dialog.m_strName;
    save->m_strValue = dialog.m_strValue;
    m_rows.push_back(Row{dialog.m_strName, dialog.m_strValue, nullptr, save.get()});
    m_SaveList.push_back(std::move(save));
    FillList();
    ListCtrl(IDC_MODEM_PARMS_LIST).SetItemSelected(GetEntryCount() - 1, true);
    UpdateButtons();
    SetModified();
}

void CPointToPointModemCommandsPage::OnChange() {
    const int index = SelectedRow();
    if (index < 0) return;
    CPointToPointModemParmsDialog& dialog = ParmsDialog();
    dialog.m_strName = m_rows[index].name;
    dialog.m_strValue = m_rows[index].value;
    if (dialog.DoModal() != ui::IDOK) return;
    Row& row = m_rows[index];
    if (dialog.m_strName == row.name && dialog.m_strValue == row.value) return;
    row.name = dialog.m_strName;
    row.value = dialog.m_strValue;
    if (!row.pSave) {
        host::SOFError* error = nullptr;
        auto save = std::make_unique<CModemCommandsSaveObj>();
        save->m_nState = CModemCommandsSaveObj::kChanged;
        save->m_nNumber =
            config::TextToInt(ReadAttribute(*row.pElement, attr::modem_command::kNumber, &error));
        if (error) {
            host::ShowAndDestroy(error, GetSafeHwnd());
            return;
        }
        row.pSave = save.get();
        m_SaveList.push_back(std::move(save));
    }
    row.pSave->m_strName = row.name;
    row.pSave->m_strValue = row.value;
    FillList();
    ListCtrl(IDC_MODEM_PARMS_LIST).SetItemSelected(index, true);
    UpdateButtons();
    SetModified();
}

void CPointToPointModemCommandsPage::RemoveSave(CModemCommandsSaveObj* pSave) {
    std::erase_if(m_SaveList, [pSave](const auto& save) { return save.get() == pSave; });
}

void CPointToPointModemCommandsPage::OnDelete() {
    const int index = SelectedRow();
    if (index < 0) return;
    Row& row = m_rows[index];
    if (row.pElement) {
        host::SOFError* error = nullptr;
        const std::string number =
            ReadAttribute(*row.pElement, attr::modem_command::kNumber, &error);
        if (error) {
            host::TraceShowAndDestroy(error, kTraceNumber, GetSafeHwnd());
            m_pSheet->EndDialog(ui::IDCANCEL);
            return;
        }
        auto removed = std::make_unique<CModemCommandsDeleteList>();
        removed->m_strName = row.name;
        removed->m_nNumber = config::TextToInt(number);
        m_DeleteList.push_back(std::move(removed));
    }
    if (row.pSave) RemoveSave(row.pSave);
    m_rows.erase(m_rows.begin() + index);
    FillList();
    SetModified();
}

std::unique_ptr<host::IServerObject> CPointToPointModemCommandsPage::CommandObject(
    const std::string& name) {
    host::SOFError* error = nullptr;
    auto command = host::GetHost()->Objects().CreateObject(kinds::kCPointToPointModemCommands,
                                                           host::kClientName,
                                                           m_pSheet->GetSystemName(), name, &error);
    if (command) return command;
    host::ShowAndDestroy(error, m_pSheet->GetSafeHwnd());
    m_pSheet->FailInternally(kTraceCreate);
    return nullptr;
}

int CPointToPointModemCommandsPage::CommitEntries(const std::string& modemName) {
    if (!LoadEntries()) return 2;
    const HWND parent = m_pSheet->GetSafeHwnd();
    // Removals first, so that the entries written next find room under the 24-entry limit.
    for (const auto& removed : m_DeleteList) {
        auto command = CommandObject(modemName + "/" + std::to_string(removed->m_nNumber));
        if (!command) return 2;
        host::SOFError* error = nullptr;
        command->Delete(&error);
        if (error) {
            host::TraceShowAndDestroy(error, kTraceDelete, parent);
            return 2;
        }
    }
    m_DeleteList.clear();
    while (!m_SaveList.empty()) {
        const CModemCommandsSaveObj& save = *m_SaveList.front();
        // A changed entry keeps its number; an added one takes the modem's next.
        const std::string name = save.m_nState == CModemCommandsSaveObj::kChanged
                                     ? modemName + "/" + std::to_string(save.m_nNumber)
                                     : modemName;
        auto command = CommandObject(name);
        if (!command) return 2;
        command->SetAttribute(attr::modem_command::kName, save.m_strName);
        command->SetAttribute(attr::modem_command::kValue, save.m_strValue);
        host::SOFError* error = nullptr;
        command->Commit(&error);
        if (error) {
            host::TraceShowAndDestroy(error, kTraceCommit, parent);
            return 2;
        }
        for (Row& row : m_rows) {
            if (row.pSave == &save) row.pSave = nullptr;
        }
        m_SaveList.erase(m_SaveList.begin());
    }
    return 0;
}

void CPointToPointModemCommandsPage::ReloadEntries() {
    ClearPending();
    host::SOFError* error = nullptr;
    m_pSheet->GetModemCommandsList()->Refresh(0, &error);
    const bool refreshed = error == nullptr;
    host::ShowAndDestroy(error, GetSafeHwnd());
    // A list that could not be read again shows no entries rather than stale ones.
    m_bEntriesLoaded = !refreshed;
    LoadEntries();
    if (IsCreated()) FillList();
}

void CPointToPointModemCommandsPage::ClearPending() {
    m_rows.clear();
    m_SaveList.clear();
    m_DeleteList.clear();
}

void CPointToPointModemCommandsPage::TakeEntriesFrom(CPointToPointModemCommandsPage& other) {
    if (!other.m_bEntriesLoaded) return;
    ClearPending();
    m_rows = std::move(other.m_rows);
    m_SaveList = std::move(other.m_SaveList);
    m_DeleteList = std::move(other.m_DeleteList);
    m_bEntriesLoaded = true;
    other.ClearPending();
    other.m_bEntriesLoaded = false;
    if (IsCreated()) FillList();
}

}  // namespace ptp::modems
