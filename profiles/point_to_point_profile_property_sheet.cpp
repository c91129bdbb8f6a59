#include "profiles/point_to_point_profile_property_sheet.h"

#include <array>

#include "config/config_text.h"
#include "host/server_calls.h"
#include "platform/ui/display_name.h"
#include "platform/ui/message_box.h"
#include "platform/ui/toolkit.h"
#include "platform/vocabulary/code_text.h"
#include "platform/vocabulary/kinds.h"
#include "platform/vocabulary/profile.h"
#include "platform/vocabulary/system_value.h"
#include "platform/vocabulary/validation_list.h"
#include "profiles/point_to_point_profile_general_page.h"
#include "profiles/profile_entry_identifier.h"
#include "profiles/profile_pages.h"
#include "resources/ids/profiles.h"

namespace ptp::profiles {
namespace {

namespace prf = attr::profile;
namespace vl = attr::validation_list_entry;
namespace sysval = attr::system_value;

constexpr std::size_t kAttributeCapacity = 512;
constexpr std::string_view kDefaultValidationList = "QTOCPTP";
constexpr std::string_view kNetworkServiceValidationList = "QYSDPTP";
constexpr std::string_view kUndefinedValidationList = "NOTDEFINED";
constexpr std::string_view kValidationListLibrary = "QUSRSYS";
constexpr std::string_view kRetainServerSecurity = "QRETSVRSEC";
constexpr int kListOpen = 1;
constexpr int kListLoaded = 2;

bool IsKnownIdentificationProtocol(int protocol) {
    return protocol == 1 || protocol == 2;
}

std::string LibraryOrDefault(std::string_view library) {
    return library.empty() ? std::string(kValidationListLibrary) : std::string(library);
}

}  // namespace

CPointToPointProfilePropertySheet::CPointToPointProfilePropertySheet(
    std::string_view caption, ui::CWnd* pParentWnd, UINT iSelectPage, std::string_view profileName,
    host::IServerObject* pProfileObject, int protocol, int lineService, int mode, int lineKind,
    bool bMigrate)
    : CPropertySheet(caption, pParentWnd, iSelectPage),
      m_bMigrate(bMigrate),
      m_strProfileName(config::ToUpper(profileName)),
      m_nProtocol(protocol),
      m_nLineService(lineService),
      m_nMode(mode),
      m_nLineKind(lineKind),
      m_pProfileObject(profileName.empty() ? nullptr : pProfileObject) {
    for (int slot = 0; slot < kProfilePageSlotCount; ++slot)
        m_pages[slot] = CreateProfilePage(static_cast<ProfilePageSlot>(slot), *this);
    m_psh.dwFlags |= ui::PSH_NOAPPLYNOW | ui::PSH_HASHELP;
    if (!IsNew()) ReadKindFromObject();
    // Migration turns a SLIP profile into a PPP one: the PPP pages ask for what PPP needs.
    if (m_bMigrate) m_nProtocol = code::protocol::kPPP;
    m_choice = ChooseProfilePages(m_nProtocol, m_nLineService, m_nMode);
    if (!m_choice.bSupported) {
        ui::AfxMessageBox(IDS_PROFILE_NOT_SUPPORTED, ui::MB_ICONWARNING);
        EndDialog(ui::IDCANCEL);
        return;
    }
    AddChosenPages();
}

CPointToPointProfilePropertySheet::~CPointToPointProfilePropertySheet() {
    CloseList(m_pProfileList);
    CloseList(m_pValidationListList);
    host::ShowAndDestroy(m_ErrorHandle, nullptr);
}

// The kind as the server keeps it; an attribute that cannot be read keeps the opener's value.
void CPointToPointProfilePropertySheet::ReadKindFromObject() {
    if (!m_pProfileObject) return;
    const std::array<std::pair<int, int*>, 4> kind = {{{prf::kProtocol, &m_nProtocol},
                                                       {prf::kLineService, &m_nLineService},
                                                       {prf::kMode, &m_nMode},
                                                       {prf::kLineKind, &m_nLineKind}}};
    for (const auto& [id, value] : kind) {
        host::SOFError* error = nullptr;
        const std::string text = m_pProfileObject->GetAttributeText(id, &error);
        if (error) {
            if (host::IsPendingError(error)) error->Destroy();
            continue;
        }
        *value = config::TextToInt(text);
    }
}

void CPointToPointProfilePropertySheet::AddChosenPages() {
    for (const ProfilePageSlot slot : m_choice.pages) {
        if (CPointToPointProfilePage* page = Page(slot)) AddPage(page);
    }
}

CPointToPointProfilePage* CPointToPointProfilePropertySheet::Page(ProfilePageSlot slot) const {
    return m_pages[static_cast<std::size_t>(slot)].get();
}

ui::BOOL CPointToPointProfilePropertySheet::OnInitDialog() {
    ui::CWaitCursor wait;
    for (const auto& page : m_pages) {
        if (page) page->SetSystemName(m_strSystemName);
    }
    CPropertySheet::OnInitDialog();
    ModifyStyleEx(0, ui::WS_EX_CONTEXTHELP);
    bool readsOk = true;
    if (!IsNew()) {
        SetTitle(ui::FormatResource(IDS_PROFILE_PROPERTIES_CAPTION,
                                    {ui::DisplayName(m_strProfileName), m_strSystemName}));
        readsOk = ReadAuthenticationState();
    } else {
        SetTitle(ui::FormatResource(IDS_PROFILE_NEW_CAPTION, {m_strSystemName}));
        if (!CreateProfileObject()) return ui::TRUE;
        m_strValidationList = kDefaultValidationList;
    }
    if (readsOk) {
        if (!OpenServerList(kinds::kValidationListList, m_pValidationListList)) return ui::TRUE;
        if (!OpenServerList(kinds::kProfileList, m_pProfileList)) return ui::TRUE;
    }
    if (!IsNew()) LoadValidationListEntry();
    if (m_bEnded) return ui::TRUE;
    ReadRetainServerSecurity();
    if (!m_bChangesAllowed) GetDlgItem(ui::IDOK)->EnableWindow(ui::FALSE);
    return ui::TRUE;
}

// Reads the authentication attributes in their order, each only while every read before it
// succeeded; false when one failed (the sheet stays usable, its lists stay closed).
bool CPointToPointProfilePropertySheet::ReadAuthenticationState() {
    if (m_bCapabilityB) {
        int variant = 0;
        if (GetIntAttribute(prf::kDialVariant, variant) != 0) return false;
        m_bDialVariant = variant >= 1 && variant <= 3;
    }
    if (GetTextAttribute(prf::kRemoteIdentificationName, m_auth.strRemoteName) != 0) return false;
    m_auth.strRemoteName = config::ToUpper(m_auth.strRemoteName);
    if (GetTextAttribute(prf::kValidationList, m_strValidationList) != 0) return false;
    if (m_strValidationList.empty() ||
        config::EqualsNoCase(m_strValidationList, kUndefinedValidationList))
        m_strValidationList = kDefaultValidationList;
    if (GetIntAttribute(prf::kLocalIdentification, m_auth.nLocalIdentification) != 0) return false;
    if (GetIntAttribute(prf::kRemoteIdentification, m_auth.nRemoteIdentification) != 0)
        return false;
    if (GetIntAttribute(prf::kLocalIdentificationProtocol, m_auth.nLocalProtocol) != 0)
        return false;
    m_auth.nExtendedProtocol =
        m_bCapabilityC && !IsKnownIdentificationProtocol(m_auth.nLocalProtocol) ? 1 : 0;
    if (GetIntAttribute(prf::kRemoteIdentificationProtocol, m_auth.nRemoteProtocol) != 0)
        return false;
    if (!m_bCapabilityC) return true;
    if (GetIntAttribute(prf::kRadiusAuthentication, m_auth.nRadiusAuthentication) != 0)
        return false;
    return GetIntAttribute(prf::kRadiusAccounting, m_auth.nRadiusAccounting) == 0;
}

bool CPointToPointProfilePropertySheet::CreateProfileObject() {
    host::IHost* host = host::GetHost();
    if (host) {
        m_pOwnedProfileObject = host->Objects().CreateObject(
            kinds::kProfileObject, host::kClientName, m_strSystemName, "", &m_ErrorHandle);
    }
    if (host::IsPendingError(m_ErrorHandle)) {
        m_pOwnedProfileObject.reset();
        ShowError();
        EndDialog(ui::IDCANCEL);
        return false;
    }
    if (!m_pOwnedProfileObject) {
        m_strLastTrace =
            "Error: ->pProfileObject = new ProfileObject(...)<- , pProfileObject = NULL.";
        FailOpening();
        return false;
    }
    m_pProfileObject = m_pOwnedProfileObject.get();
    return true;
}

bool CPointToPointProfilePropertySheet::OpenServerList(std::string_view kind,
                                                       std::unique_ptr<host::IServerList>& list) {
    host::IHost* host = host::GetHost();
    if (host) {
        list = host->Objects().CreateList(kind, host::kClientName, m_strSystemName, "",
                                          &m_ErrorHandle);
    }
    if (!host::IsPendingError(m_ErrorHandle) && !list) {
        m_strLastTrace =
            "Error: ->pList = new " + std::string(kind) + "List(...)<- , pList = NULL.";
        FailOpening();
        return false;
    }
    if (!host::IsPendingError(m_ErrorHandle) && host::LoadList(*list, &m_ErrorHandle)) return true;
    ShowError();
    list.reset();
    EndDialog(ui::IDCANCEL);
    return false;
}

void CPointToPointProfilePropertySheet::LoadValidationListEntry() {
    if (!ValidationListExists(m_strValidationList)) {
        if (!m_bEnded)
            m_strLastTrace =
                ui::FormatResource(IDS_PROFILE_VALIDATION_LIST_MISSING, {m_strValidationList});
        return;
    }
    const std::string tag =
        ProfileEntryTag(m_auth.nLocalProtocol, m_bCapabilityB && m_bDialVariant);
    const std::string identifier = ProfileEntryIdentifier(tag, m_strProfileName);
    host::IHost* host = host::GetHost();
    if (!host) return;
    auto entry = host->Objects().CreateObject(
        kinds::kValidationListEntry, host::kClientName, config::ToUpper(m_strSystemName),
        config::ToUpper(m_strValidationList) + "/" + HexOf(identifier), &m_ErrorHandle);
    if (!entry || host::IsPendingError(m_ErrorHandle)) {
        ShowError();
        return;
    }
    m_auth.strEntryName = entry->GetAttributeText(vl::kData1, &m_ErrorHandle);
    if (host::IsPendingError(m_ErrorHandle)) {
        ShowError();
        return;
    }
    m_auth.strEntryPassword = entry->GetAttributeText(vl::kData2, &m_ErrorHandle);
    if (!host::IsPendingError(m_ErrorHandle)) return;
    ShowError();
    EndDialog(ui::IDCANCEL);
}

void CPointToPointProfilePropertySheet::ReadRetainServerSecurity() {
    host::IHost* host = host::GetHost();
    std::unique_ptr<host::IServerObject> values;
    if (host) {
        values = host->Objects().CreateObject(kinds::kSystemValues, host::kClientName,
                                              config::ToUpper(m_strSystemName),
                                              kRetainServerSecurity, &m_ErrorHandle);
    }
    if (host::IsPendingError(m_ErrorHandle)) {
        ShowError();
        return;
    }
    if (!values) {
        m_strLastTrace = "Error: ->pSystemValues = new SystemValues(...)<- , pSystemValues = NULL.";
        ui::AfxMessageBox(IDS_PROFILE_OUT_OF_MEMORY, kProfileMessageStyle);
        return;
    }
    const std::string value = values->GetAttributeText(sysval::kValue, &m_ErrorHandle);
    if (host::IsPendingError(m_ErrorHandle)) {
        ShowError();
        return;
    }
    m_bRetainServerSecurity = value == "1";
}

void CPointToPointProfilePropertySheet::ShowError() {
    host::ShowAndDestroy(m_ErrorHandle, GetSafeHwnd());
}

void CPointToPointProfilePropertySheet::FailOpening() {
    if (host::IsPendingError(m_ErrorHandle)) m_ErrorHandle->SetTraceText(m_strLastTrace);
    ShowError();
    ui::AfxMessageBox(IDS_PROFILE_OUT_OF_MEMORY, kProfileMessageStyle);
    EndDialog(ui::IDCANCEL);
}

int CPointToPointProfilePropertySheet::GetTextAttribute(int id, std::string& value) {
    if (!m_pProfileObject) return 1;
    std::array<char, kAttributeCapacity> buffer{};
    m_pProfileObject->GetAttribute(id, buffer.data(), buffer.size(), &m_ErrorHandle);
    if (m_ErrorHandle) {
        ShowError();
        return 1;
    }
    value = buffer.data();
    return 0;
}

int CPointToPointProfilePropertySheet::GetIntAttribute(int id, int& value) {
    std::string text;
    if (GetTextAttribute(id, text) != 0) return 1;
    value = config::TextToInt(text);
    return 0;
}

void CPointToPointProfilePropertySheet::SetTextAttribute(int id, std::string_view value) {
    if (m_pProfileObject) m_pProfileObject->SetAttribute(id, value);
}

void CPointToPointProfilePropertySheet::SetIntAttribute(int id, int value) {
    SetTextAttribute(id, std::to_string(value));
}

bool CPointToPointProfilePropertySheet::ValidationListExists(std::string_view name,
                                                             std::string_view library) {
    CloseList(m_pValidationListList);
    if (!OpenServerList(kinds::kValidationListList, m_pValidationListList)) return false;
    const std::string wantedLibrary = LibraryOrDefault(library);
    const long count = m_pValidationListList->GetCount(&m_ErrorHandle);
    for (long index = 0; !m_ErrorHandle && index < count; ++index) {
        host::IServerObject* list = m_pValidationListList->ElementAt(index, &m_ErrorHandle);
        if (m_ErrorHandle || !list) break;
        const std::string listName = list->GetAttributeText(vl::kListName, &m_ErrorHandle);
        if (m_ErrorHandle) break;
        if (!config::EqualsNoCase(listName, name)) continue;
        const std::string listLibrary = list->GetAttributeText(vl::kLibrary, &m_ErrorHandle);
        if (m_ErrorHandle) break;
        if (config::EqualsNoCase(LibraryOrDefault(listLibrary), wantedLibrary)) return true;
    }
    if (!host::IsPendingError(m_ErrorHandle)) {
        m_ErrorHandle = nullptr;
        return false;
    }
    ShowError();
    EndDialog(ui::IDCANCEL);
    return false;
}

void CPointToPointProfilePropertySheet::FillValidationLists(ui::CComboBox& control) {
    control.ResetContent();
    CloseList(m_pValidationListList);
    if (!OpenServerList(kinds::kValidationListList, m_pValidationListList)) return;
    const long count = m_pValidationListList->GetCount(&m_ErrorHandle);
    for (long index = 0; !m_ErrorHandle && index < count; ++index) {
        host::IServerObject* list = m_pValidationListList->ElementAt(index, &m_ErrorHandle);
        if (m_ErrorHandle || !list) break;
        const std::string library = list->GetAttributeText(vl::kLibrary, &m_ErrorHandle);
        const std::string name = list->GetAttributeText(vl::kListName, &m_ErrorHandle);
        if (m_ErrorHandle) break;
        if (!config::EqualsNoCase(LibraryOrDefault(library), kValidationListLibrary)) continue;
        if (config::EqualsNoCase(name, kDefaultValidationList)) continue;
        if (m_bCapabilityB && config::EqualsNoCase(name, kNetworkServiceValidationList)) continue;
        control.AddString(name);
    }
    ShowError();
}

bool CPointToPointProfilePropertySheet::SetRetainServerSecurity() {
    host::IHost* host = host::GetHost();
    if (!host) return false;
    auto values = host->Objects().CreateObject(kinds::kSystemValues, host::kClientName,
                                               config::ToUpper(m_strSystemName),
                                               kRetainServerSecurity, &m_ErrorHandle);
    if (!values || host::IsPendingError(m_ErrorHandle)) {
        host::TraceShowAndDestroy(
            m_ErrorHandle,
            "Error: ->pSystemValues = new SystemValues(...)<- , pSystemValues = NULL.",
            GetSafeHwnd());
        return false;
    }
    values->SetAttribute(sysval::kValue, "1");
    values->Commit(&m_ErrorHandle);
    if (host::IsPendingError(m_ErrorHandle)) {
        host::TraceShowAndDestroy(m_ErrorHandle,
                                  "Error from property sheet pSystemValues->CommitChanges.",
                                  GetSafeHwnd());
        return false;
    }
    m_ErrorHandle = nullptr;
    m_bRetainServerSecurity = true;
    return true;
}

bool CPointToPointProfilePropertySheet::SaveValidationListEntry(std::string_view name,
                                                                std::string_view password) {
    host::IHost* host = host::GetHost();
    if (!host) return false;
    const std::string system = config::ToUpper(m_strSystemName);
    const std::string list = config::ToUpper(m_strValidationList);
    if (!ValidationListExists(list)) {
        if (m_bEnded) return false;
        auto created = host->Objects().CreateObject(kinds::kValidationList, host::kClientName,
                                                    system, list, &m_ErrorHandle);
        if (created) {
            created->SetAttribute(vl::kListName, list);
            created->SetAttribute(vl::kLibrary, kValidationListLibrary);
            created->Commit(&m_ErrorHandle);
        }
        if (!created || host::IsPendingError(m_ErrorHandle)) {
            ShowError();
            return false;
        }
    }
    const std::string& profile = GetInterfaceName();
    // The network service's dial variant keeps a second entry under its own tag.
    std::vector<std::string> tags;
    if (m_bCapabilityB && m_bDialVariant)
        tags.push_back(ProfileEntryTag(m_auth.nLocalProtocol, true));
    tags.push_back(ProfileEntryTag(m_auth.nLocalProtocol, false));
    // A server that does not keep passwords hands none back: one the user did not change is
    // left as the server has it.
    const bool writePassword = m_bRetainServerSecurity || password != m_auth.strEntryPassword;
    for (const std::string& tag : tags) {
        const std::string identifier = HexOf(ProfileEntryIdentifier(tag, profile));
        auto entry = host->Objects().CreateObject(kinds::kValidationListEntry, host::kClientName,
                                                  system, list + "/" + identifier, &m_ErrorHandle);
        if (entry) {
            entry->SetAttribute(vl::kListName, list);
            entry->SetAttribute(vl::kLibrary, kValidationListLibrary);
            entry->SetAttribute(vl::kIdentifier, identifier);
            entry->SetAttribute(vl::kIdentifierLength,
                                std::to_string(ProfileEntryIdentifierLength(profile)));
            entry->SetAttribute(vl::kData1, name);
            if (writePassword) entry->SetAttribute(vl::kData2, password);
            entry->Commit(&m_ErrorHandle);
        }
        if (!entry || host::IsPendingError(m_ErrorHandle)) {
            ShowError();
            return false;
        }
    }
    m_auth.strEntryName = std::string(name);
    m_auth.strEntryPassword = std::string(password);
    return true;
}

bool CPointToPointProfilePropertySheet::ProfileNameExists(std::string_view name) {
    if (!m_pProfileList) return false;
    const long count = m_pProfileList->GetCount(&m_ErrorHandle);
    for (long index = 0; !m_ErrorHandle && index < count; ++index) {
        host::IServerObject* profile = m_pProfileList->ElementAt(index, &m_ErrorHandle);
        if (m_ErrorHandle || !profile) break;
        std::array<char, kAttributeCapacity> buffer{};
        profile->GetAttribute(prf::kName, buffer.data(), buffer.size(), &m_ErrorHandle);
        if (!m_ErrorHandle && config::EqualsNoCase(buffer.data(), name)) return true;
    }
    ShowError();
    return false;
}

std::string CPointToPointProfilePropertySheet::PairedDialOnDemandProfile() {
    if (!m_pProfileList || IsNew()) return {};
    const long count = m_pProfileList->GetCount(&m_ErrorHandle);
    for (long index = 0; !m_ErrorHandle && index < count; ++index) {
        host::IServerObject* profile = m_pProfileList->ElementAt(index, &m_ErrorHandle);
        if (m_ErrorHandle || !profile) break;
        const std::string mode = profile->GetAttributeText(prf::kMode, &m_ErrorHandle);
        const std::string paired =
            profile->GetAttributeText(prf::kPairedAnswerProfile, &m_ErrorHandle);
        if (m_ErrorHandle) break;
        if (!code::Is(mode, code::mode::kDialOnDemand) ||
            !config::EqualsNoCase(paired, m_strProfileName))
            continue;
        std::string name = profile->GetAttributeText(prf::kName, &m_ErrorHandle);
        if (!m_ErrorHandle) return name;
    }
    ShowError();
    return {};
}

std::vector<CPairableAnswerProfile> CPointToPointProfilePropertySheet::PairableAnswerProfiles() {
    std::vector<CPairableAnswerProfile> pairable;
    if (!m_pProfileList) return pairable;
    const long count = m_pProfileList->GetCount(&m_ErrorHandle);
    for (long index = 0; !m_ErrorHandle && index < count; ++index) {
        host::IServerObject* profile = m_pProfileList->ElementAt(index, &m_ErrorHandle);
        if (m_ErrorHandle || !profile) break;
        const std::string service = profile->GetAttributeText(prf::kLineService, &m_ErrorHandle);
        const std::string mode = profile->GetAttributeText(prf::kMode, &m_ErrorHandle);
        const int method =
            config::TextToInt(profile->GetAttributeText(prf::kRemoteAddressMethod, &m_ErrorHandle));
        if (m_ErrorHandle) break;
        if (!code::Is(service, code::line_service::kSwitched) ||
            !code::Is(mode, code::mode::kAnswer))
            continue;
        if (method != code::address_method::kPerUser && method != code::address_method::kRange)
            continue;
        CPairableAnswerProfile answer;
        answer.strName = profile->GetAttributeText(prf::kName, &m_ErrorHandle);
        answer.strLocalAddress = profile->GetAttributeText(prf::kLocalAddress, &m_ErrorHandle);
        answer.strRemoteAddress = profile->GetAttributeText(prf::kRemoteAddress, &m_ErrorHandle);
        pairable.push_back(std::move(answer));
    }
    ShowError();
    return pairable;
}

int CPointToPointProfilePropertySheet::StorePage(CPointToPointProfilePage* page,
                                                 bool activateOnFailure) {
    if (!page) return kPageOk;
    const int result = page->Store();
    if (result != kPageOk && activateOnFailure && GetPageIndex(page) >= 0) SetActivePage(page);
    return result;
}

int CPointToPointProfilePropertySheet::Commit() {
    if (!m_pProfileObject) return kPageOk;
    ui::CWaitCursor wait;
    SetTextAttribute(prf::kValidationList, m_strValidationList);
    auto* general = static_cast<CPointToPointProfileGeneralPage*>(Page(ProfilePageSlot::General));
    int result = StorePage(general, false);
    if (result != kPageOk) return result;
    CPointToPointProfilePage* connection =
        m_choice.connection ? Page(*m_choice.connection) : nullptr;
    result = StorePage(connection, false);
    if (result == kPageOk &&
        !IsKind(code::line_service::kVirtual, code::mode::kL2TPInitiatorMode8)) {
        if (m_choice.authentication) result = StorePage(Page(*m_choice.authentication), false);
        if (result == kPageOk && m_choice.tcpip) result = StorePage(Page(*m_choice.tcpip), false);
        if (result == kPageOk && IsDNSPageShown())
            result = StorePage(Page(ProfilePageSlot::DNS), true);
        if (result == kPageOk && m_choice.bOther)
            result = StorePage(Page(ProfilePageSlot::Other), true);
    }
    m_bChanged = (general && general->HasDescriptionChanged()) ||
                 (connection && connection->HasLineChanged());
    if (result != kPageOk) return result;
    m_pProfileObject->Commit(&m_ErrorHandle);
    if (host::IsPendingError(m_ErrorHandle)) {
        ShowError();
        return kPageFailed;
    }
    m_ErrorHandle = nullptr;
    if (!m_pValidationListList) return kPageOk;
    m_pValidationListList->Close(&m_ErrorHandle);
    m_pValidationListList.reset();
    if (!host::IsPendingError(m_ErrorHandle)) return kPageOk;
    ShowError();
    return kPageFailed;
}

void CPointToPointProfilePropertySheet::Discard() {
    if (m_pProfileObject) m_pProfileObject->Discard();
}

void CPointToPointProfilePropertySheet::CloseList(std::unique_ptr<host::IServerList>& list) {
    if (!list) return;
    host::SOFError* error = nullptr;
    const int state = list->GetState(&error);
    if (!error &&
        (state == kListOpen || state == kListLoaded || state == host::kListStateComplete ||
         state == host::kListStateCompleteWithErrors))
        list->Close(&error);
    if (host::IsPendingError(error)) error->Destroy();
    list.reset();
}

}  // namespace ptp::profiles
