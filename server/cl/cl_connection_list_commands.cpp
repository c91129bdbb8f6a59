// Connection lists of switched digital lines and their entries: CRTCNNL, DLTCNNL, ADDCNNLE and
// RMVCNNLE. An entry is named "<list>/<entry>".
#include "platform/vocabulary/connection_list.h"
#include "platform/vocabulary/kinds.h"
#include "server/cl/cl_command_definition.h"
#include "server/cl/cl_messages.h"
#include "server/cl/cl_store_checks.h"

namespace ptp::server::cl {

namespace {
namespace cn = attr::connection_list;
namespace ce = attr::connection_list_entry;

constexpr std::string_view kListType = "*CNNL";

std::string EntryName(const ClArguments& arguments) {
    return arguments.Value("CNNL") + "/" + arguments.Value("ENTRY");
}

Status CreateList(ClContext&, ObjectTx& tx, const ClArguments& arguments) {
    const std::string name = arguments.Value("CNNL");
    if (auto s = MustNotExist(tx, kinds::kConnectionList, name, kListType); !s) return s;
    Attributes attributes = {
        {cn::kName, name},
        {cn::kNetworkType, arguments.Value("NETTYPE", "*NETATR")},
        {cn::kRemoveCharacters, "*NETTYPE"},
        {cn::kText, StoredText(arguments.Value("TEXT"))},
    };
    if (const ClArgument* characters = arguments.Find("RMVCHR")) {
        attributes[cn::kRemoveCharacters] = characters->written;
    }
    return tx.Create(kinds::kConnectionList, name, attributes);
}

Status DeleteList(ClContext&, ObjectTx& tx, const ClArguments& arguments) {
    const std::string name = arguments.Value("CNNL");
    if (auto s = MustExist(tx, kinds::kConnectionList, name, kListType); !s) return s;
    ListFilter entries;
    entries.namePrefix = name + "/";
    auto records = tx.List(kinds::kConnectionListEntry, entries);
    if (!records) return records.status();
    for (const ObjectRecord& entry : *records) {
        if (auto s = tx.Delete(kinds::kConnectionListEntry, entry.name); !s) return s;
    }
    return tx.Delete(kinds::kConnectionList, name);
}

Status AddEntry(ClContext&, ObjectTx& tx, const ClArguments& arguments) {
    const std::string list = arguments.Value("CNNL");
    const std::string entry = arguments.Value("ENTRY");
    if (auto s = MustExist(tx, kinds::kConnectionList, list, kListType); !s) return s;
    if (tx.Exists(kinds::kConnectionListEntry, EntryName(arguments))) {
        return ClMessage("CPD8E69", {entry, list});
    }
    Attributes attributes = {
        {ce::kList, list},
        {ce::kEntry, entry},
        {ce::kRemoteNumber, arguments.Value("RMTNBR")},
        {ce::kInformationTransferType, arguments.Value("INFTRFTYPE", "*UNRESTRICTED")},
        {ce::kLocalNumber, arguments.Value("LCLNBR", "*NETTYPE")},
        {ce::kLocalNumberType, arguments.Value("LCLNBRTYPE", "*NETTYPE")},
        {ce::kLocalNumberPlan, arguments.Value("LCLNBRPLAN", "*NETTYPE")},
        {ce::kLocalNumberPresentation, arguments.Value("LCLNBRPSN", "*NONE")},
        {ce::kText, StoredText(arguments.Value("TEXT"))},
    };
    return tx.Create(kinds::kConnectionListEntry, EntryName(arguments), attributes);
}

Status RemoveEntry(ClContext&, ObjectTx& tx, const ClArguments& arguments) {
    const std::string list = arguments.Value("CNNL");
    if (auto s = MustExist(tx, kinds::kConnectionList, list, kListType); !s) return s;
    if (!tx.Exists(kinds::kConnectionListEntry, EntryName(arguments))) {
        return ClMessage("CPF2681", {arguments.Value("ENTRY"), list});
    }
    return tx.Delete(kinds::kConnectionListEntry, EntryName(arguments));
}

}  // namespace

std::vector<ClCommandDefinition> ConnectionListCommands() {
    return {
        {"CRTCNNL",
         {
             Required("CNNL", NameValue()),
             Optional("NETTYPE", ChoiceValue({"*NETATR", "*ATT", "*ETSI", "*JAPAN", "*NORTEL",
                                              "*NISDN", "*DBP1TR6"})),
             RepeatedList("RMVCHR", {CharactersValue(1, 1)}, 10, {"*NETTYPE", "*NONE"}),
             Optional("TEXT", TextValue()),
         },
         CreateList},
        {"DLTCNNL", {Required("CNNL", NameValue())}, DeleteList},
        {"ADDCNNLE",
         {
             Required("CNNL", NameValue()),
             Required("ENTRY", NameValue()),
             Required("RMTNBR", CharactersValue(1, 40, {"*ANY", "*NONE"})),
             Optional("INFTRFTYPE",
                      ChoiceValue({"*UNRESTRICTED", "*V110", "*DOV", "*ASYNCMODEM", "*SYNCMODEM"})),
             Optional("LCLNBR", CharactersValue(1, 40, {"*NETTYPE", "*NONE"})),
             Optional("LCLNBRTYPE",
                      ChoiceValue({"*NETTYPE", "*UNKNOWN", "*INTERNATL", "*SUBSCRIPTION",
                                   "*NATIONAL", "*NETSPECIFIC", "*ABR"})),
             Optional("LCLNBRPLAN", ChoiceValue({"*NETTYPE", "*UNKNOWN", "*ISDN", "*DATA",
                                                 "*NATIONAL", "*PRIVATE"})),
             Optional("LCLNBRPSN", ChoiceValue({"*NONE", "*ALLOW", "*RESTRICT"})),
             Optional("TEXT", TextValue()),
         },
         AddEntry},
        {"RMVCNNLE", {Required("CNNL", NameValue()), Required("ENTRY", NameValue())}, RemoveEntry},
    };
}

}  // namespace ptp::server::cl
