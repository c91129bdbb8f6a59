#include "modems/point_to_point_modem_property_sheet.h"

#include <array>

#include "config/config_text.h"
#include "host/server_calls.h"
#include "modems/modem_message_style.h"
#include "platform/ui/message_box.h"
#include "platform/ui/toolkit.h"
#include "platform/vocabulary/kinds.h"
#include "platform/vocabulary/modem.h"
#include "resources/ids/modems.h"

namespace ptp::modems {
namespace {

constexpr std::size_t kAttributeCapacity = 512;

std::string Caption(std::string_view modemName) {
    if (modemName.empty()) return ui::LoadText(IDS_MODEM_NEW_CAPTION);
    return ui::FormatResource(IDS_MODEM_PROPERTIES_CAPTION, {std::string(modemName)});
}

}  // namespace

CPointToPointModemPropertySheet::CPointToPointModemPropertySheet(std::string_view systemName,
                                                                 std::string_view modemName,
                                                                 host::IServerObject* pModel,
                                                                 bool changeable, ui::CWnd* pParent)
    : CPropertySheet(Caption(modemName), pParent),
      m_strSystemName(systemName),
      m_strModemName(modemName),
      m_pModel(modemName.empty() ? pModel : nullptr),
      m_bChangeable(changeable),
      m_GeneralPage(this),
      m_ParmsPage(this),
      m_ISDNParmsPage(this) {
    m_psh.dwFlags |= ui::PSH_HASHELP;
    AddPage(&m_GeneralPage);
    if (!OpenServerObjects()) {
        EndDialog(ui::IDCANCEL);
        return;
    }
    if (!IsCreateMode())
        m_bSystemModem = GetSourceAttribute(attr::modem::kSystem) == code::modem_system::kSupplied;
    const bool isdn = !(IsCreateMode() && !IsCopyMode()) &&
                      GetSourceAttribute(attr::modem::kKind) == code::modem_kind::kISDN;
    AddPage(isdn ? static_cast<ui::CPropertyPage*>(&m_ISDNParmsPage) : &m_ParmsPage);
}

CPointToPointModemPropertySheet::~CPointToPointModemPropertySheet() {
    host::ShowAndDestroy(m_ErrorHandle, nullptr);
}

bool CPointToPointModemPropertySheet::OpenServerObjects() {
    host::IHost* host = host::GetHost();
    if (!host) {
        FailInternally("Error: ->pModemObject = new CPointToPointModem(...)<- , no host.");
        return false;
    }
    host::IServerObjects& objects = host->Objects();
    m_pModemObject = objects.CreateObject(kinds::kModem, host::kClientName, m_strSystemName,
                                          m_strModemName, &m_ErrorHandle);
    if (!m_pModemObject || m_ErrorHandle) {
        host::ShowAndDestroy(m_ErrorHandle, GetSafeHwnd());
        return false;
    }
    m_pModemList =
        objects.CreateList(kinds::kModem, host::kClientName, m_strSystemName, "", &m_ErrorHandle);
    if (m_pModemList && !host::LoadList(*m_pModemList, &m_ErrorHandle)) m_pModemList.reset();
    host::ShowAndDestroy(m_ErrorHandle, GetSafeHwnd());
    // Without the commands list the parameter page reports the failure when it opens.
    m_pSOAModemCommandsList = objects.CreateList(
        kinds::kCPointToPointModemCommands, host::kClientName, m_strSystemName, "", &m_ErrorHandle);
    if (m_pSOAModemCommandsList && !host::LoadList(*m_pSOAModemCommandsList, &m_ErrorHandle))
        m_pSOAModemCommandsList.reset();
    host::ShowAndDestroy(m_ErrorHandle, GetSafeHwnd());
    return true;
}

ui::BOOL CPointToPointModemPropertySheet::OnInitDialog() {
    CPropertySheet::OnInitDialog();
    ModifyStyleEx(0, ui::WS_EX_CONTEXTHELP);
    if (!m_bChangeable) GetDlgItem(ui::IDOK)->EnableWindow(ui::FALSE);
    return ui::TRUE;
}

std::string CPointToPointModemPropertySheet::ReadAttribute(host::IServerObject& object, int id) {
    std::array<char, kAttributeCapacity> buffer{};
    object.GetAttribute(id, buffer.data(), buffer.size(), &m_ErrorHandle);
    if (m_ErrorHandle) {
        host::ShowAndDestroy(m_ErrorHandle, GetSafeHwnd());
        return {};
    }
    return buffer.data();
}

std::string CPointToPointModemPropertySheet::GetSourceAttribute(int id) {
    if (IsCopyMode()) return ReadAttribute(*m_pModel, id);
    if (IsCreateMode() || !m_pModemObject) return {};
    return ReadAttribute(*m_pModemObject, id);
}

std::string CPointToPointModemPropertySheet::GetSourceModemName() {
    if (IsCopyMode()) return ReadAttribute(*m_pModel, attr::modem::kName);
    return m_strModemName;
}

std::string CPointToPointModemPropertySheet::GetCommandsModemName() const {
    return IsCreateMode() ? m_strNewModemName : m_strModemName;
}

void CPointToPointModemPropertySheet::SetModemAttribute(int id, std::string_view value) {
    if (m_pModemObject) m_pModemObject->SetAttribute(id, value);
}

bool CPointToPointModemPropertySheet::ModemNameExists(std::string_view name) const {
    if (!m_pModemList) return false;
    host::SOFError* error = nullptr;
    const long count = m_pModemList->GetCount(&error);
    for (long index = 0; !error && index < count; ++index) {
        host::IServerObject* modem = m_pModemList->ElementAt(index, &error);
        if (error || !modem) break;
        std::array<char, kAttributeCapacity> buffer{};
        modem->GetAttribute(attr::modem::kName, buffer.data(), buffer.size(), &error);
        if (!error && config::EqualsNoCase(buffer.data(), name)) return true;
    }
    host::ShowAndDestroy(error, GetSafeHwnd());
    return false;
}

CPointToPointModemCommandsPage* CPointToPointModemPropertySheet::GetParmsPage() {
    if (GetPageIndex(&m_ISDNParmsPage) >= 0) return &m_ISDNParmsPage;
    return &m_ParmsPage;
}

void CPointToPointModemPropertySheet::ShowParmsPageFor(std::string_view kind) {
    CPointToPointModemCommandsPage* wanted =
        kind == code::modem_kind::kISDN
            ? static_cast<CPointToPointModemCommandsPage*>(&m_ISDNParmsPage)
            : &m_ParmsPage;
    CPointToPointModemCommandsPage* shown = GetParmsPage();
    if (wanted == shown) return;
    wanted->TakeEntriesFrom(*shown);
    RemovePage(shown);
    AddPage(wanted);
}

int CPointToPointModemPropertySheet::Commit() {
    if (IsCreateMode() && m_strNewModemName.empty()) {
        SetActivePage(&m_GeneralPage);
        ui::AfxMessageBox(IDS_MODEM_NAME_REQUIRED, kModemMessageStyle);
        return 2;
    }
    m_GeneralPage.Store();
    m_pModemObject->Commit(&m_ErrorHandle);
    if (host::IsAlreadyReported(m_ErrorHandle)) m_ErrorHandle = nullptr;
    if (m_ErrorHandle) {
        host::ShowAndDestroy(m_ErrorHandle, GetSafeHwnd());
        EndDialog(ui::IDCANCEL);
        return 2;
    }
    CPointToPointModemCommandsPage* parms = GetParmsPage();
    const int result = parms->CommitEntries(GetCommandsModemName());
    // The modem exists on the server now, whatever became of its entries.
    if (IsCreateMode()) TakeCreatedModem();
    if (result == 0) parms->ReloadEntries();
    return result;
}

// Later commits (OK after Apply, or OK again after a failed entry) change the new modem instead of
// creating it a second time.
void CPointToPointModemPropertySheet::TakeCreatedModem() {
    m_strModemName = m_strNewModemName;
    m_pModel = nullptr;
    SetTitle(Caption(m_strModemName));
    m_GeneralPage.ModemCreated();
}

void CPointToPointModemPropertySheet::Discard() {
    if (m_pModemObject) m_pModemObject->Discard();
}

void CPointToPointModemPropertySheet::FailInternally(std::string_view trace) {
    m_strLastTrace = std::string(trace);
    if (host::IsPendingError(m_ErrorHandle)) m_ErrorHandle->SetTraceText(trace);
    ui::AfxMessageBox(IDS_MODEM_INTERNAL_ERROR, kModemMessageStyle);
    EndDialog(ui::IDCANCEL);
}

}  // namespace ptp::modems
