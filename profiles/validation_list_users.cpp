#include "profiles/validation_list_users.h"

#include "config/config_text.h"
#include "host/host_services.h"
#include "host/server_calls.h"
#include "platform/vocabulary/kinds.h"
#include "platform/vocabulary/validation_list.h"
#include "profiles/profile_entry_identifier.h"

namespace ptp::profiles {
namespace {

namespace vl = attr::validation_list_entry;

constexpr std::string_view kLibrary = "QUSRSYS";
constexpr std::string_view kListMissing = "CPF226D";

}  // namespace

CValidationListUsers::CValidationListUsers(std::string_view systemName, std::string_view listName)
    : m_strSystemName(config::ToUpper(systemName)), m_strListName(config::ToUpper(listName)) {}

bool CValidationListUsers::Read(std::vector<CValidationListUser>& users, host::SOFError** error) {
    host::IHost* host = host::GetHost();
    if (!host) return false;
    auto list = host->Objects().CreateList(kinds::kValidationListEntry, host::kClientName,
                                           m_strSystemName, m_strListName, error);
    if (!list || !host::LoadList(*list, error)) return false;
    const long count = list->GetCount(error);
    for (long index = 0; !*error && index < count; ++index) {
        host::IServerObject* entry = list->ElementAt(index, error);
        if (*error || !entry) break;
        const std::string identifier = BytesOfHex(entry->GetAttributeText(vl::kIdentifier, error));
        if (identifier.size() < 4) continue;
        CValidationListUser user;
        user.strKey = entry->GetName();
        user.strName = identifier.substr(4);
        user.strKind = std::string(EntryKindOf(identifier));
        users.push_back(std::move(user));
    }
    list->Close(error);
    return !host::IsPendingError(*error);
}

bool CValidationListUsers::CreateList(host::SOFError** error) {
    auto created = host::GetHost()->Objects().CreateObject(
        kinds::kValidationList, host::kClientName, m_strSystemName, m_strListName, error);
    if (!created) return false;
    created->SetAttribute(attr::validation_list::kName, m_strListName);
    created->SetAttribute(attr::validation_list::kLibrary, kLibrary);
    created->Commit(error);
    return !host::IsPendingError(*error);
}

bool CValidationListUsers::Save(const CValidationListNewUser& user, host::SOFError** error) {
    host::IHost* host = host::GetHost();
    if (!host) return false;
    const std::string name = config::ToUpper(user.strName);
    const std::string identifier = HexOf(ProfileEntryIdentifier(user.strTag, name));
    for (int attempt = 0; attempt < 2; ++attempt) {
        auto entry =
            host->Objects().CreateObject(kinds::kValidationListEntry, host::kClientName,
                                         m_strSystemName, m_strListName + "/" + identifier, error);
        if (!entry) return false;
        entry->SetAttribute(vl::kListName, m_strListName);
        entry->SetAttribute(vl::kLibrary, kLibrary);
        entry->SetAttribute(vl::kIdentifier, identifier);
        entry->SetAttribute(vl::kIdentifierLength,
                            std::to_string(ProfileEntryIdentifierLength(name)));
        entry->SetAttribute(vl::kData1, user.strData1);
        entry->SetAttribute(vl::kData2, user.strData2);
        entry->SetAttribute(vl::kGroupPolicy, user.strGroupPolicy);
        entry->Commit(error);
        if (!host::IsPendingError(*error)) return true;
        // The first user of a list that does not exist yet makes it.
        if (attempt > 0 || (*error)->GetMessageId() != kListMissing) return false;
        (*error)->Destroy();
        *error = nullptr;
        if (!CreateList(error)) return false;
    }
    return false;
}

bool CValidationListUsers::Remove(const CValidationListUser& user, host::SOFError** error) {
    host::IHost* host = host::GetHost();
    if (!host) return false;
    auto entry = host->Objects().CreateObject(kinds::kValidationListEntry, host::kClientName,
                                              m_strSystemName, user.strKey, error);
    if (!entry) return false;
    entry->Delete(error);
    return !host::IsPendingError(*error);
}

}  // namespace ptp::profiles
