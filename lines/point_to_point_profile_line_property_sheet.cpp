#include "lines/point_to_point_profile_line_property_sheet.h"

#include <array>

#include "config/config_text.h"
#include "host/server_calls.h"
#include "lines/line_create_command.h"
#include "lines/line_hardware.h"
#include "platform/ui/display_name.h"
#include "platform/ui/message_box.h"
#include "platform/ui/toolkit.h"
#include "platform/vocabulary/kinds.h"
#include "platform/vocabulary/line.h"
#include "platform/vocabulary/modem.h"
#include "resources/ids/lines.h"

namespace ptp::lines {

namespace {

namespace ln = attr::line;
namespace assoc = attr::line_association;

constexpr std::size_t kAttributeCapacity = 512;
constexpr std::string_view kGenericModem = "$generic hayes";
constexpr std::string_view kPPPLineFilter = code::line_type::kPPP;
constexpr int kCommandMode = 1;

}  // namespace

CPointToPointProfileLinePropertySheet::CPointToPointProfileLinePropertySheet(
    std::string_view caption, ui::CWnd* pParentWnd)
    : CPropertySheet(caption, pParentWnd),
      m_GeneralPage(this),
      m_ConnectionPage(this),
      m_LinkPage(this),
      m_LCPPage(this),
      m_ModemPage(this),
      m_SecurityPage(this),
      m_ParmsPage(this),
      m_ISDNParmsPage(this) {
    // A new line is created once, by OK; there is nothing to apply before that.
    m_psh.dwFlags |= ui::PSH_HASHELP | ui::PSH_NOAPPLYNOW;
    AddPage(&m_GeneralPage);
    AddPage(&m_ConnectionPage);
    AddPage(&m_LinkPage);
    AddPage(&m_LCPPage);
    AddPage(&m_ModemPage);
}

CPointToPointProfileLinePropertySheet::~CPointToPointProfileLinePropertySheet() {
    host::ShowAndDestroy(m_ErrorHandle, nullptr);
}

CPointToPointProfileLinePropertySheet::Mode CPointToPointProfileLinePropertySheet::GetMode() const {
    if (!m_strExistingLineName.empty()) return Mode::Properties;
    return m_pModelLine ? Mode::NewFromModel : Mode::New;
}

ui::INT_PTR CPointToPointProfileLinePropertySheet::DoModal() {
    if (!m_GeneralPage.LoadServerData() || !OpenServerLists()) {
        EndDialog(ui::IDCANCEL);
        return CPropertySheet::DoModal();
    }
    m_GeneralPage.EnsureLoaded();
    SetTitle(Caption());
    if (IsNewMode()) AddPage(&m_SecurityPage);
    ChooseModem();
    if (m_bFailed) EndDialog(ui::IDCANCEL);
    return CPropertySheet::DoModal();
}

ui::BOOL CPointToPointProfileLinePropertySheet::OnInitDialog() {
    CPropertySheet::OnInitDialog();
    ModifyStyleEx(0, ui::WS_EX_CONTEXTHELP);
    if (!m_bChangesAllowed) GetDlgItem(ui::IDOK)->EnableWindow(ui::FALSE);
    return ui::TRUE;
}

bool CPointToPointProfileLinePropertySheet::OpenList(std::string_view kind, std::string_view filter,
                                                     host::IServerList*& pList,
                                                     std::unique_ptr<host::IServerList>& owned) {
    if (pList) return true;
    owned = host::GetHost()->Objects().CreateList(kind, host::kClientName, m_strSystemName, filter,
                                                  &m_ErrorHandle);
    if (!owned || m_ErrorHandle || !host::LoadList(*owned, &m_ErrorHandle)) {
        owned.reset();
        FailWith(m_ErrorHandle);
        return false;
    }
    pList = owned.get();
    return true;
}

bool CPointToPointProfileLinePropertySheet::OpenServerLists() {
    if (!host::GetHost()) return false;
    if (!OpenList(kinds::kPPPLineList, kPPPLineFilter, m_pLineList, m_pOwnedLineList) ||
        !OpenList(kinds::kModem, "", m_pModemList, m_pOwnedModemList) ||
        !OpenList(kinds::kLinePoolMemberList, "", m_pAssociationList, m_pOwnedAssociationList) ||
        !OpenList(kinds::kCPointToPointModemCommands, "", m_pModemCommandList,
                  m_pOwnedModemCommandList))
        return false;
    if (GetMode() != Mode::Properties) return true;
    m_pLineObject = host::GetHost()->Objects().CreateObject(
        kinds::kLine, host::kClientName, m_strSystemName, m_strExistingLineName, &m_ErrorHandle);
    if (m_pLineObject && !m_ErrorHandle) return true;
    FailWith(m_ErrorHandle);
    return false;
}

std::string CPointToPointProfileLinePropertySheet::Caption() {
    switch (GetMode()) {
        case Mode::New:
            return ui::FormatResource(IDS_LINE_NEW_CAPTION, {m_strSystemName});
        case Mode::Properties:
            return ui::FormatResource(IDS_LINE_PROPERTIES_CAPTION,
                                      {ui::DisplayName(m_strExistingLineName), m_strSystemName});
        case Mode::NewFromModel:
            break;
    }
    return ui::FormatResource(IDS_LINE_MODEL_CAPTION,
                              {ui::DisplayName(GetLineText(ln::kName)), m_strSystemName});
}

host::IServerObject* CPointToPointProfileLinePropertySheet::SourceLine() const {
    if (GetMode() == Mode::Properties) return m_pLineObject.get();
    if (GetMode() == Mode::NewFromModel) return m_pModelLine;
    return nullptr;
}

std::string CPointToPointProfileLinePropertySheet::GetLineText(int id) {
    host::IServerObject* line = SourceLine();
    if (!line || m_bFailed) return {};
    std::array<char, kAttributeCapacity> buffer{};
    line->GetAttribute(id, buffer.data(), buffer.size(), &m_ErrorHandle);
    if (!m_ErrorHandle) return buffer.data();
    FailWith(m_ErrorHandle);
    return {};
}

std::string CPointToPointProfileLinePropertySheet::GetLineText(int id, std::string_view fallback) {
    std::string text = GetLineText(id);
    return text.empty() ? std::string(fallback) : text;
}

int CPointToPointProfileLinePropertySheet::GetLineInt(int id) {
    return config::TextToInt(GetLineText(id));
}

void CPointToPointProfileLinePropertySheet::SetLineText(int id, std::string_view value) {
    SetLineAttribute(id, config::ToUpper(value));
}

void CPointToPointProfileLinePropertySheet::SetLineInt(int id, int value) {
    SetLineText(id, std::to_string(value));
}

void CPointToPointProfileLinePropertySheet::SetLineAttribute(int id, std::string_view value) {
    if (m_pLineObject) m_pLineObject->SetAttribute(id, value);
}

void CPointToPointProfileLinePropertySheet::FailWith(host::SOFError*& error) {
    host::ShowAndDestroy(error, GetSafeHwnd());
    if (m_bFailed) return;
    m_bFailed = true;
    EndDialog(ui::IDCANCEL);
}

bool CPointToPointProfileLinePropertySheet::LineNameExists(std::string_view name) {
    host::SOFError* error = nullptr;
    const long count = m_pLineList ? m_pLineList->GetCount(&error) : 0;
    for (long index = 0; !error && index < count; ++index) {
        host::IServerObject* line = m_pLineList->ElementAt(index, &error);
        if (error || !line) break;
        const std::string lineName = line->GetAttributeText(ln::kName, &error);
        if (!error && config::EqualsNoCase(lineName, name)) return true;
    }
    host::ShowAndDestroy(error, GetSafeHwnd());
    return false;
}

void CPointToPointProfileLinePropertySheet::ChooseModem() {
    if (GetMode() == Mode::New) {
        ChooseNewLineModem();
    } else {
        ChooseModemOfExistingLine();
    }
    if (!m_bFailed) ShowOptionalPageFor(m_strModemName);
}

std::string CPointToPointProfileLinePropertySheet::ModemKind(std::string_view modem) {
    if (config::EqualsNoCase(modem, code::modem_name::kV25bis))
        return std::string(code::modem_kind::kAnalog);
    host::SOFError* error = nullptr;
    const long count = m_pModemList ? m_pModemList->GetCount(&error) : 0;
    for (long index = 0; !error && index < count; ++index) {
        host::IServerObject* entry = m_pModemList->ElementAt(index, &error);
        const std::string name = error ? "" : entry->GetAttributeText(attr::modem::kName, &error);
        if (host::IsAlreadyReported(error)) {
            error = nullptr;
            continue;
        }
        if (error || !config::EqualsNoCase(name, modem)) continue;
        const std::string kind = entry->GetAttributeText(attr::modem::kKind, &error);
        if (!error) return kind;
    }
    if (error) FailWith(error);
    return std::string(code::modem_kind::kAnalog);
}

void CPointToPointProfileLinePropertySheet::ShowOptionalPageFor(const std::string& modem) {
    CPointToPointProfileLineModemCommandsPage* wanted = nullptr;
    if (!config::EqualsNoCase(modem, code::modem_name::kNone)) {
        wanted = ModemKind(modem) == code::modem_kind::kISDN
                     ? static_cast<CPointToPointProfileLineModemCommandsPage*>(&m_ISDNParmsPage)
                     : &m_ParmsPage;
    }
    if (m_pOptionalPage && m_pOptionalPage != wanted) RemovePage(m_pOptionalPage);
    if (wanted && wanted != m_pOptionalPage) AddPage(wanted);
    m_pOptionalPage = wanted;
    if (wanted && wanted->GetModemName() != modem) wanted->SetModemName(modem);
}

void CPointToPointProfileLinePropertySheet::ModemChosen(std::string_view name) {
    m_strModemName = name;
    ShowOptionalPageFor(m_strModemName);
}

void CPointToPointProfileLinePropertySheet::ChooseNewLineModem() {
    const CPointToPointProfileLineGeneralPage& general = m_GeneralPage;
    if (!general.IsSwitched()) {
        m_strModemName = std::string(code::modem_name::kNone);
        return;
    }
    if (general.IsSync()) {
        m_strModemName = std::string(general.IsInternalModem() ? FirstInternalModemName()
                                                               : code::modem_name::kV25bis);
        return;
    }
    const std::string_view internal = InternalModemName(general.GetAdapterType());
    m_strModemName = std::string(internal.empty() ? kGenericModem : internal);
}

void CPointToPointProfileLinePropertySheet::ChooseModemOfExistingLine() {
    m_strModemName = std::string(code::modem_name::kNone);
    const bool switched =
        config::EqualsNoCase(GetLineText(ln::kConnectionType), code::line_connection::kSwitched);
    const bool sync = config::EqualsNoCase(GetLineText(ln::kFraming), code::line_framing::kSync);
    // No page is shown yet, so a switched synchronous line is taken to dial by V.25bis.
    if (switched && sync) {
        const bool internal =
            config::EqualsNoCase(GetLineText(ln::kInterface), code::line_interface::kInternalModem);
        m_strModemName =
            std::string(internal ? FirstInternalModemName() : code::modem_name::kV25bis);
        return;
    }
    if (m_profile.IsLeased() && sync) return;
    const std::string lineName = GetLineText(ln::kName);
    host::SOFError* error = nullptr;
    const long count = m_pAssociationList->GetCount(&error);
    for (long index = 0; !m_bFailed && index < count; ++index) {
        host::IServerObject* entry = m_pAssociationList->ElementAt(index, &error);
        const std::string line = error ? "" : entry->GetAttributeText(assoc::kLineName, &error);
        const std::string modem = error ? "" : entry->GetAttributeText(assoc::kModemName, &error);
        // An entry whose error was already reported is passed over.
        if (host::IsAlreadyReported(error)) {
            error = nullptr;
            continue;
        }
        if (error) {
            FailWith(error);
            return;
        }
        if (!config::EqualsNoCase(line, lineName)) continue;
        m_strModemName = modem;
        return;
    }
}

void CPointToPointProfileLinePropertySheet::GeneralSettingsChanged() {
    if (GetMode() != Mode::New || m_ModemPage.WasChosen()) return;
    ChooseNewLineModem();
    ShowOptionalPageFor(m_strModemName);
}

bool CPointToPointProfileLinePropertySheet::ValidatePages() {
    const std::array<CPointToPointProfileLinePage*, 6> pages = {
        &m_GeneralPage, &m_ConnectionPage, &m_LinkPage, &m_LCPPage, &m_ModemPage, &m_SecurityPage};
    for (CPointToPointProfileLinePage* page : pages) {
        if (GetPageIndex(page) < 0) continue;
        // A page the user never opened still holds the values it started with, unless the line
        // exists: then it changes nothing.
        if (GetMode() == Mode::Properties && !page->IsCreated()) continue;
        if (!page->Validate()) return false;
    }
    return true;
}

int CPointToPointProfileLinePropertySheet::Commit() {
    if (m_bFailed || !ValidatePages()) return 2;
    return IsNewMode() ? CommitNewLine() : CommitChangedLine();
}

bool CPointToPointProfileLinePropertySheet::RunCommand(const std::string& command) {
    int status = 0;
    m_pRemoteCommand =
        host::GetHost()->Commands().OpenConnection(m_strSystemName, kCommandMode, status);
    if (!m_pRemoteCommand) return false;
    const std::string reply = m_pRemoteCommand->RunCommand(command);
    m_pRemoteCommand.reset();
    if (reply.empty()) return true;
    ui::AfxMessageBox(reply, kLineMessageStyle);
    return false;
}

int CPointToPointProfileLinePropertySheet::CommitNewLine() {
    const std::string lineName = m_GeneralPage.GetLineName();
    // A line created by an earlier OK whose modem association failed is not created again.
    if (!m_bCreated) {
        CLineCommandValues values;
        const std::array<CPointToPointProfileLinePage*, 5> pages = {
            &m_GeneralPage, &m_ConnectionPage, &m_LinkPage, &m_LCPPage, &m_SecurityPage};
        for (CPointToPointProfileLinePage* page : pages)
            page->Collect(values);
        if (!RunCommand(BuildCreateLineCommand(values))) return 2;
        m_bCreated = true;
    }
    if (!m_ModemPage.Commit(lineName)) return 2;
    return !m_pOptionalPage || m_pOptionalPage->Commit() ? 0 : 2;
}

int CPointToPointProfileLinePropertySheet::CommitChangedLine() {
    const std::array<CPointToPointProfileLinePage*, 4> pages = {&m_GeneralPage, &m_ConnectionPage,
                                                                &m_LinkPage, &m_LCPPage};
    for (CPointToPointProfileLinePage* page : pages) {
        if (page->IsCreated()) page->Store();
    }
    m_pLineObject->Commit(&m_ErrorHandle);
    if (m_ErrorHandle) {
        // A refused commit (another user changed the line meanwhile, or the server rejects a
        // value) leaves the sheet open with what the user typed: the pages store it again on the
        // next OK, which then replaces the other change knowingly.
        m_pLineObject->Discard();
        host::ShowAndDestroy(m_ErrorHandle, GetSafeHwnd());
        return 2;
    }
    if (!m_ModemPage.Commit(m_strExistingLineName)) return 2;
    return !m_pOptionalPage || m_pOptionalPage->Commit() ? 0 : 2;
}

void CPointToPointProfileLinePropertySheet::FailInternally(std::string_view trace) {
    m_strLastTrace = std::string(trace);
    if (host::IsPendingError(m_ErrorHandle)) m_ErrorHandle->SetTraceText(trace);
    ui::AfxMessageBox(IDS_LINE_INTERNAL_ERROR, kLineMessageStyle);
    m_bFailed = true;
    EndDialog(ui::IDCANCEL);
}

void CPointToPointProfileLinePropertySheet::Discard() {
    if (m_pLineObject) m_pLineObject->Discard();
}

}  // namespace ptp::lines
