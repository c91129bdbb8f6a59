// Line descriptions: CRTLINPPP and CHGLINPPP for analog, synchronous and digital PPP lines,
// CRTLINETH for the Ethernet lines that carry PPPoE, and DLTLIND for any of them.
#include <utility>

#include "platform/vocabulary/kinds.h"
#include "platform/vocabulary/line.h"
#include "server/cl/cl_command_definition.h"
#include "server/cl/cl_messages.h"
#include "server/cl/cl_store_checks.h"

namespace ptp::server::cl {

namespace {
namespace ln = attr::line;

constexpr std::string_view kLineType = "*LIND";

// Keywords whose value goes into one line attribute as it stands.
constexpr std::pair<std::string_view, int> kSimpleLineValues[] = {
    {"LIND", ln::kName},
    {"ONLINE", ln::kOnline},
    {"LINESPEED", ln::kLineSpeed},
    {"MAXFRAME", ln::kMaxFrame},
    {"INACTTMR", ln::kInactivityTimer},
    {"RMTANSTMR", ln::kRemoteAnswerTimer},
    {"CTSTMR", ln::kClearToSendTimer},
    {"RSRCNAME", ln::kResource},
    {"INTERFACE", ln::kInterface},
    {"FRAMING", ln::kFraming},
    {"CNN", ln::kConnectionType},
    {"NRZI", ln::kNrzi},
    {"SWTCNN", ln::kSwitchedConnection},
    {"CLOCK", ln::kClock},
    {"DIALCMD", ln::kDialCommand},
    {"SETMDMASC", ln::kModemAsyncCommand},
    {"FLOWCNTL", ln::kFlowControl},
    {"SWTNWISLCT", ln::kSwitchedInterfaceSelection},
    {"NWI", ln::kNetworkInterface},
    {"NWICHLNBR", ln::kChannel},
    {"INFTRFTYPE", ln::kInformationTransferType},
    {"MDMINZCMD", ln::kModemInitCommand},
    {"COMPRESS", ln::kCompression},
    {"CNNLSTIN", ln::kIncomingConnectionList},
    {"CNNLSTOUT", ln::kOutgoingConnectionList},
    {"CNNLSTOUTE", ln::kOutgoingConnectionListEntry},
    {"ETHSTD", ln::kEthernetStandard},
    {"DUPLEX", ln::kDuplex},
};

// Element lists: each element into its own attribute, in the order of the elements.
struct ElementAttributes {
    std::string_view keyword;
    std::vector<int> ids;
};

const std::vector<ElementAttributes>& LineElementValues() {
    static const std::vector<ElementAttributes> values = {
        {"LCPAUT", {ln::kAuthenticationInterval, ln::kAuthenticationAttempts}},
        {"LCPCFG",
         {ln::kConfigureRetryTimer, ln::kMaxConfigureFailures, ln::kMaxConfigureRequests,
          ln::kMaxTerminateRequests}},
        {"CMNRCYLMT", {ln::kRecoveryCount, ln::kRecoveryInterval}},
    };
    return values;
}

// What a new PPP line holds for the parameters its command leaves out.
Attributes PppLineDefaults() {
    return {
        {ln::kType, "*PPP"},
        {ln::kText, "*BLANK"},
        {ln::kOnline, "*YES"},
        {ln::kLineSpeed, "115200"},
        {ln::kMaxFrame, "2048"},
        {ln::kInactivityTimer, "*NOMAX"},
        {ln::kRemoteAnswerTimer, "60"},
        {ln::kClearToSendTimer, "25"},
        {ln::kRecoveryCount, "2"},
        {ln::kRecoveryInterval, "5"},
        {ln::kAuthenticationInterval, "*NONE"},
        {ln::kAuthenticationAttempts, "5"},
        {ln::kMaxConfigureFailures, "5"},
        {ln::kMaxConfigureRequests, "10"},
        {ln::kMaxTerminateRequests, "2"},
        {ln::kConfigureRetryTimer, "3.0"},
        {ln::kInterface, "*RS232V24"},
        {ln::kFraming, "*ASYNC"},
        {ln::kConnectionType, "*SWTPP"},
        {ln::kNrzi, "*NO"},
        {ln::kSwitchedConnection, "*BOTH"},
        {ln::kClock, "*MODEM"},
        {ln::kDialCommand, "*NONE"},
        {ln::kModemAsyncCommand, "*NONE"},
        {ln::kFlowControl, "*HARDWARE"},
        {ln::kMessageQueue, "*SYSVAL"},
        {ln::kMessageQueueLibrary, ""},
    };
}

Attributes EthernetLineDefaults() {
    return {
        {ln::kType, "*ETH"},
        {ln::kText, "*BLANK"},
        {ln::kOnline, "*YES"},
        {ln::kLineSpeed, "10M"},
        {ln::kEthernetStandard, "*ETHV2"},
        {ln::kDuplex, "*HALF"},
        {ln::kMessageQueue, "*SYSVAL"},
        {ln::kMessageQueueLibrary, ""},
    };
}

// The given parameters as line attributes, over `attributes`.
void CopyLineValues(const ClArguments& arguments, Attributes& attributes) {
    for (const auto& [keyword, id] : kSimpleLineValues)
        CopyValue(arguments, keyword, attributes, id);
    for (const ElementAttributes& element : LineElementValues()) {
        if (!arguments.Has(element.keyword)) continue;
        for (std::size_t i = 0; i < element.ids.size(); ++i) {
            attributes[element.ids[i]] = arguments.Element(element.keyword, i);
        }
    }
    if (arguments.Has("TEXT")) attributes[ln::kText] = StoredText(arguments.Value("TEXT"));
    if (const ClArgument* list = arguments.Find("SWTNWILST")) {
        attributes[ln::kSwitchedInterfaces] = list->written;
    }
    CopyMessageQueue(arguments, attributes, ln::kMessageQueue, ln::kMessageQueueLibrary);
}

// The network interfaces and connection lists a digital line names must exist.
Status CheckDigitalReferences(ObjectTx& tx, const ClArguments& arguments) {
    if (const ClArgument* list = arguments.Find("SWTNWILST")) {
        for (const auto& row : list->rows) {
            if (row[0] == "*NONE") continue;
            if (auto s = MustExist(tx, kinds::kNetworkInterface, row[0], "*NWID"); !s) return s;
        }
    }
    if (arguments.Has("NWI")) {
        if (auto s = MustExist(tx, kinds::kNetworkInterface, arguments.Value("NWI"), "*NWID"); !s)
            return s;
    }
    for (std::string_view keyword : {"CNNLSTIN", "CNNLSTOUT"}) {
        if (!arguments.Has(keyword)) continue;
        if (auto s = MustExist(tx, kinds::kConnectionList, arguments.Value(keyword), "*CNNL"); !s)
            return s;
    }
    if (!arguments.Has("CNNLSTOUTE")) return Status::Ok();
    if (!arguments.Has("CNNLSTOUT")) {
        return ClMessage("CPD2632", {"CNNLSTOUT", "CNNLSTOUTE"});
    }
    const std::string list = arguments.Value("CNNLSTOUT");
    const std::string entry = arguments.Value("CNNLSTOUTE");
    if (tx.Exists(kinds::kConnectionListEntry, list + "/" + entry)) return Status::Ok();
    return ClMessage("CPF2681", {entry, list});
}

// A line on a communications port names the port; a digital line names its interfaces instead.
Status CheckResourceChoice(ObjectTx& tx, const ClArguments& arguments, std::string_view resource,
                           std::string_view connection) {
    if (resource != "*NWID") {
        if (auto s = CheckResource(tx, resource); !s) return s;
        const std::string reason = "RSRCNAME(" + std::string(resource) + ")";
        for (std::string_view keyword : {"SWTNWILST", "SWTNWISLCT", "NWI", "NWICHLNBR", "CNNLSTIN",
                                         "CNNLSTOUT", "CNNLSTOUTE"}) {
            if (auto s = MustNotHave(arguments, keyword, reason); !s) return s;
        }
        return Status::Ok();
    }
    const bool switched = connection == "*SWTPP";
    const std::string reason = "RSRCNAME(*NWID) CNN(" + std::string(connection) + ")";
    const std::string_view needed = switched ? "SWTNWILST" : "NWI";
    if (connection.empty()) return Status::Ok();
    if (!arguments.Has(needed)) return ClMessage("CPD2632", {needed, reason});
    return MustNotHave(arguments, switched ? "NWI" : "SWTNWILST", reason);
}

Status CheckFramingAndDialing(const ClArguments& arguments, const ObjectRecord* line) {
    const std::string framing =
        arguments.Value("FRAMING", line ? line->Get(ln::kFraming, "*ASYNC") : "*ASYNC");
    if (framing != "*SYNC" || arguments.Value("DIALCMD") != "*ATCMD") return Status::Ok();
    return ClMessage("CPD2631", {"DIALCMD(*ATCMD)", "FRAMING(*SYNC)"});
}

Status CreatePppLine(ClContext&, ObjectTx& tx, const ClArguments& arguments) {
    const std::string name = arguments.Value("LIND");
    if (auto s = MustNotExist(tx, kinds::kLine, name, kLineType); !s) return s;
    const std::string connection = arguments.Value("CNN", "*SWTPP");
    if (auto s = CheckResourceChoice(tx, arguments, arguments.Value("RSRCNAME"), connection); !s)
        return s;
    if (auto s = CheckDigitalReferences(tx, arguments); !s) return s;
    if (auto s = CheckFramingAndDialing(arguments, nullptr); !s) return s;
    if (auto s = CheckAuthority(tx, arguments); !s) return s;
    Attributes attributes = PppLineDefaults();
    CopyLineValues(arguments, attributes);
    attributes[ln::kConnectionType] = connection;
    return tx.Create(kinds::kLine, name, attributes);
}

Status ChangePppLine(ClContext& context, ObjectTx& tx, const ClArguments& arguments) {
    const std::string name = arguments.Value("LIND");
    auto line = tx.Get(kinds::kLine, name);
    if (!line || line->Get(ln::kType, "*PPP") != "*PPP") {
        return ClMessage("CPF2105", {name, kLineType});
    }
    if (auto s = CheckLineNotInUse(context, tx, name); !s) return s;
    if (arguments.Has("RSRCNAME")) {
        const std::string resource = arguments.Value("RSRCNAME");
        if (auto s = CheckResourceChoice(tx, arguments, resource, ""); !s) return s;
    }
    if (auto s = CheckDigitalReferences(tx, arguments); !s) return s;
    if (auto s = CheckFramingAndDialing(arguments, &*line); !s) return s;
    Attributes attributes;
    CopyLineValues(arguments, attributes);
    return tx.Update(kinds::kLine, name, attributes);
}

Status CreateEthernetLine(ClContext&, ObjectTx& tx, const ClArguments& arguments) {
    const std::string name = arguments.Value("LIND");
    if (auto s = MustNotExist(tx, kinds::kLine, name, kLineType); !s) return s;
    if (auto s = CheckResource(tx, arguments.Value("RSRCNAME")); !s) return s;
    if (auto s = CheckAuthority(tx, arguments); !s) return s;
    Attributes attributes = EthernetLineDefaults();
    CopyLineValues(arguments, attributes);
    return tx.Create(kinds::kLine, name, attributes);
}

Status DeleteLine(ClContext& context, ObjectTx& tx, const ClArguments& arguments) {
    const std::string name = arguments.Value("LIND");
    if (auto s = MustExist(tx, kinds::kLine, name, kLineType); !s) return s;
    if (auto s = CheckLineNotInUse(context, tx, name); !s) return s;
    if (auto s = tx.Delete(kinds::kLine, name); !s) return s;
    if (!tx.Exists(kinds::kLineModem, name)) return Status::Ok();
    return tx.Delete(kinds::kLineModem, name);
}

// The parameters PPP lines take; CHGLINPPP takes the same but the connection type and authority.
std::vector<ClParameterSpec> PppLineParameters(bool creating) {
    std::vector<ClParameterSpec> parameters = {
        Required("LIND", NameValue()),
        Optional("RSRCNAME", NameValue(10, {"*NWID"})),
        Optional("INTERFACE", ChoiceValue({"*RS232V24", "*RS449V36", "*V35", "*X21", "*INTMODEM"})),
        Optional("FRAMING", ChoiceValue({"*ASYNC", "*SYNC"})),
        Optional("ONLINE", ChoiceValue({"*YES", "*NO"})),
        Optional("LINESPEED", IntegerValue(50, 2048000, {"*CALC"})),
        Optional("MAXFRAME", IntegerValue(1000, 4096)),
        Optional("CTSTMR", IntegerValue(10, 60)),
        Optional("TEXT", TextValue()),
        ElementList("LCPAUT", {IntegerValue(1, 32767, {"*NONE"}), IntegerValue(1, 255)}),
        ElementList("LCPCFG", {DecimalValue(1, 600), IntegerValue(1, 255), IntegerValue(1, 255),
                               IntegerValue(1, 255)}),
        ElementList("CMNRCYLMT", {IntegerValue(0, 99, {"*SYSVAL"}), IntegerValue(0, 120)}),
        Optional("CLOCK", ChoiceValue({"*MODEM", "*LOOP", "*INVERT"})),
        Optional("SETMDMASC", CharactersValue(1, 50, {"*NONE"})),
        Optional("RMTANSTMR", IntegerValue(30, 120)),
        Optional("SWTCNN", ChoiceValue({"*ANS", "*DIAL", "*BOTH"})),
        Optional("DIALCMD", ChoiceValue({"*NONE", "*V25BIS", "*ATCMD"})),
        Optional("FLOWCNTL", ChoiceValue({"*HARDWARE", "*NO"})),
        Optional("INACTTMR", IntegerValue(15, 65535, {"*NOMAX"})),
        Optional("NRZI", ChoiceValue({"*YES", "*NO"})),
        Optional("MSGQ", QualifiedNameValue({"*SYSVAL", "*SYSOPR"})),
        RepeatedList("SWTNWILST",
                     {NameValue(), ChoiceValue({"*B"}), IntegerValue(1, 30, {"*CALC"})}, 64,
                     {"*NONE"}),
        Optional("SWTNWISLCT", ChoiceValue({"*FIRST", "*CALC"})),
        Optional("NWI", NameValue()),
        Optional("NWICHLNBR", IntegerValue(1, 30)),
        Optional("INFTRFTYPE",
                 ChoiceValue({"*UNRESTRICTED", "*V110", "*DOV", "*ASYNCMODEM", "*SYNCMODEM"})),
        Optional("MDMINZCMD", CharactersValue(1, 50, {"*NONE"})),
        Optional("COMPRESS", ChoiceValue({"*STACLZS", "*NONE"})),
        Optional("CNNLSTIN", NameValue()),
        Optional("CNNLSTOUT", NameValue()),
        Optional("CNNLSTOUTE", NameValue()),
    };
    if (!creating) return parameters;
    parameters[1].required = true;
    parameters.push_back(Optional("CNN", ChoiceValue({"*SWTPP", "*NONSWTPP"})));
    parameters.push_back(Optional("AUT", AuthorityValue()));
    return parameters;
}

}  // namespace

std::vector<ClCommandDefinition> LineCommands() {
    return {
        {"CRTLINPPP", PppLineParameters(true), CreatePppLine},
        {"CHGLINPPP", PppLineParameters(false), ChangePppLine},
        {"CRTLINETH",
         {
             Required("LIND", NameValue()),
             Required("RSRCNAME", NameValue()),
             Optional("TEXT", TextValue()),
             Optional("ONLINE", ChoiceValue({"*YES", "*NO"})),
             Optional("ETHSTD", ChoiceValue({"*ETHV2", "*IEEE8023", "*ALL"})),
             Optional("LINESPEED", ChoiceValue({"10M", "100M", "1G", "*AUTO"})),
             Optional("DUPLEX", ChoiceValue({"*HALF", "*FULL", "*AUTO"})),
             Optional("MSGQ", QualifiedNameValue({"*SYSVAL", "*SYSOPR"})),
             Optional("AUT", AuthorityValue()),
         },
         CreateEthernetLine},
        {"DLTLIND", {Required("LIND", NameValue())}, DeleteLine},
    };
}

}  // namespace ptp::server::cl
