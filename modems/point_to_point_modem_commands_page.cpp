#include "modems/point_to_point_modem_commands_page.h"

#include <algorithm>
#include <array>

#include "config/config_text.h"
#include "host/server_calls.h"
#include "modems/point_to_point_modem_property_sheet.h"
#include "platform/ui/message_box.h"
#include "platform/ui/toolkit.h"
#include "platform/vocabulary/kinds.h"
#include "platform/vocabulary/modem.h"
#include "resources/ids/modems.h"

namespace ptp::modems {
namespace {

constexpr int kNameColumnWidth = 100;
constexpr int kValueColumnWidth = 180;
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
    : CPropertyPage(nIDTemplate), m_pSheet(pSheet) {
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

    struct Entry {
        long number;
        Row row;
    };
    std::vector<Entry> entries;
    host::SOFError* error = nullptr;
    const long count = list->GetCount(&error);
    for (long index = 0; !error && index < count; ++index) {
        host::IServerObject* element = list->ElementAt(index, &error);
        if (error) break;
        const std::string modem = ReadAttribute(*element, attr::modem_command::kModemName, &error);
        const std::string kind =
            error ? "" : ReadAttribute(*element, attr::modem_command::kEntryKind, &error);
        if (error) break;
        if (!config::EqualsNoCase(modem, source) ||
            !config::EqualsNoCase(kind, code::modem_command::kTemplate))
            continue;
        Entry entry{
            config::TextToInt(ReadAttribute(*element, attr::modem_command::kNumber, &error)), {}};
        entry.row.name = ReadAttribute(*element, attr::modem_command::kName, &error);
        entry.row.value = ReadAttribute(*element, attr::modem_command::kValue, &error);
        if (error) break;
        entry.row.pElement = element;
        entries.push_back(std::move(entry));
    }
    host::ShowAndDestroy(error, GetSafeHwnd());
    // The server lists entries by name; people read them in the order of their numbers.
    std::stable_sort(entries.begin(), entries.end(),
                     [](const Entry& a, const Entry& b) { return a.number < b.number; });
    for (auto& entry : entries) {
        Row row = std::move(entry.row);
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
    ui::CListCtrl& list = ListCtrl(IDC_MODEM_PARMS_LIST);
    list.InsertColumn(0, ui::LoadText(IDS_MODEM_PARM_NAME_HEADING), ui::LVCFMT_LEFT,
                      kNameColumnWidth);
    list.InsertColumn(1, ui::LoadText(IDS_MODEM_PARM_VALUE_HEADING), ui::LVCFMT_LEFT,
                      kValueColumnWidth);
    if (!LoadEntries()) return ui::TRUE;
    FillList();
    return ui::TRUE;
}

void CPointToPointModemCommandsPage::FillList() {
    ui::CListCtrl& list = ListCtrl(IDC_MODEM_PARMS_LIST);
    list.DeleteAllItems();
    for (const Row& row : m_rows) {
        const int item = list.InsertItem(list.GetItemCount(), row.name);
        list.SetItemText(item, 1, row.value);
    }
    UpdateButtons();
}

int CPointToPointModemCommandsPage::SelectedRow() {
    const int row = ListCtrl(IDC_MODEM_PARMS_LIST).GetNextItem(-1, ui::LVNI_SELECTED);
    return row >= 0 && row < GetEntryCount() ? row : -1;
}

void CPointToPointModemCommandsPage::UpdateButtons() {
    const bool changeable = m_pSheet->IsChangeable();
    const bool selected = SelectedRow() >= 0;
    Button(IDC_MODEM_PARMS_ADD)
        .EnableWindow(changeable && GetEntryCount() < code::modem_command::kMaxPerModem);
    Button(IDC_MODEM_PARMS_CHANGE).EnableWindow(changeable && selected);
    Button(IDC_MODEM_PARMS_DELETE).EnableWindow(changeable && selected);
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

int CPointToPointModemCommandsPage::CommitEntries(const std::string& modemName) {
    if (!LoadEntries()) return 2;
    host::IServerObjects& objects = host::GetHost()->Objects();
    const std::string& server = m_pSheet->GetSystemName();
    const HWND parent = m_pSheet->GetSafeHwnd();
    // Removals first, so that the entries written next find room under the 24-entry limit.
    for (const auto& removed : m_DeleteList) {
        host::SOFError* error = nullptr;
        const std::string name = modemName + "/" + std::to_string(removed->m_nNumber);
        auto command = objects.CreateObject(kinds::kCPointToPointModemCommands, host::kClientName,
                                            server, name, &error);
        if (!command) {
            host::ShowAndDestroy(error, parent);
            m_pSheet->FailInternally(kTraceCreate);
            return 2;
        }
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
        host::SOFError* error = nullptr;
        auto command = objects.CreateObject(kinds::kCPointToPointModemCommands, host::kClientName,
                                            server, name, &error);
        if (!command) {
            host::ShowAndDestroy(error, parent);
            m_pSheet->FailInternally(kTraceCreate);
            return 2;
        }
        command->SetAttribute(attr::modem_command::kName, save.m_strName);
        command->SetAttribute(attr::modem_command::kValue, save.m_strValue);
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
