// ISDN and T1 network interfaces: CRTNWIISDN, CHGNWIISDN and CRTNWIT1. Channel and protocol
// entries, SPIDs and local numbers are kept as the command text of their lists.
#include <utility>

#include "platform/vocabulary/kinds.h"
#include "platform/vocabulary/network_interface.h"
#include "server/cl/cl_command_definition.h"
#include "server/cl/cl_messages.h"
#include "server/cl/cl_store_checks.h"

namespace ptp::server::cl {

namespace {
namespace nw = attr::network_interface;

constexpr std::string_view kInterfaceType = "*NWID";

constexpr std::pair<std::string_view, int> kSimpleValues[] = {
    {"NWID", nw::kName},
    {"RSRCNAME", nw::kResource},
    {"NETTYPE", nw::kNetworkType},
    {"RATE", nw::kRate},
    {"SETUPDIF", nw::kSetupDifference},
    {"ACTTMR", nw::kActivationTimer},
    {"REACTTMR", nw::kReactivationTimer},
    {"AUTOSPID", nw::kAutoSpid},
    {"LCLNBRTYPE", nw::kLocalNumberType},
    {"LCLNBRPLAN", nw::kLocalNumberPlan},
    {"LCLNBRPSN", nw::kLocalNumberPresentation},
    {"AUTOPARM", nw::kAutoParameters},
    {"SHORTHAUL", nw::kShortHaul},
    {"LONGHAUL", nw::kLongHaul},
    {"CLOCK", nw::kClock},
    {"FRAMEFMT", nw::kFrameFormat},
    {"LINECODE", nw::kLineCode},
    {"SIGMTH", nw::kSignalingMethod},
    {"CALLERID", nw::kCallerId},
    {"NBRDIDDGT", nw::kDidDigits},
};

constexpr std::pair<std::string_view, int> kListValues[] = {
    {"CHLENTRY", nw::kChannelEntries}, {"PCLENTRY", nw::kProtocolEntries}, {"SPID", nw::kSpid},
    {"LCLNBR", nw::kLocalNumber},      {"RMVCHR", nw::kRemoveCharacters},
};

void CopyInterfaceValues(const ClArguments& arguments, Attributes& attributes) {
    for (const auto& [keyword, id] : kSimpleValues)
        CopyValue(arguments, keyword, attributes, id);
    for (const auto& [keyword, id] : kListValues) {
        if (const ClArgument* list = arguments.Find(keyword)) attributes[id] = list->written;
    }
    if (arguments.Has("CMNRCYLMT")) {
        attributes[nw::kRecoveryCount] = arguments.Element("CMNRCYLMT", 0);
        attributes[nw::kRecoveryInterval] = arguments.Element("CMNRCYLMT", 1);
    }
    if (arguments.Has("TEXT")) attributes[nw::kText] = StoredText(arguments.Value("TEXT"));
}

// Values that only make sense together with others.
Status CheckCombinations(const ClArguments& arguments) {
    if (arguments.Value("AUTOSPID") == "*NO" && !arguments.Has("SPID")) {
        return ClMessage("CPD2632", {"SPID", "AUTOSPID(*NO)"});
    }
    const std::string shortHaul = arguments.Value("SHORTHAUL", "*NONE");
    if (shortHaul != "*NONE") {
        if (auto s = MustNotHave(arguments, "LONGHAUL", "SHORTHAUL(" + shortHaul + ")"); !s)
            return s;
    }
    const std::string signaling = arguments.Value("SIGMTH", "*WINKSTART");
    if (signaling == "*WINKSTART") return Status::Ok();
    return MustNotHave(arguments, "NBRDIDDGT", "SIGMTH(" + signaling + ")");
}

Status CreateInterface(ObjectTx& tx, const ClArguments& arguments, Attributes attributes) {
    const std::string name = arguments.Value("NWID");
    if (auto s = MustNotExist(tx, kinds::kNetworkInterface, name, kInterfaceType); !s) return s;
    if (auto s = CheckResource(tx, arguments.Value("RSRCNAME")); !s) return s;
    if (auto s = CheckAuthority(tx, arguments); !s) return s;
    if (auto s = CheckCombinations(arguments); !s) return s;
    CopyInterfaceValues(arguments, attributes);
    return tx.Create(kinds::kNetworkInterface, name, attributes);
}

Status CreateIsdnInterface(ClContext&, ObjectTx& tx, const ClArguments& arguments) {
    return CreateInterface(tx, arguments,
                           {{nw::kType, "*ISDN"},
                            {nw::kNetworkType, "*NETATR"},
                            {nw::kRate, "*BASIC"},
                            {nw::kText, "*BLANK"},
                            {nw::kSetupDifference, "*NONE"},
                            {nw::kActivationTimer, "*NETTYPE"},
                            {nw::kReactivationTimer, "*NETTYPE"},
                            {nw::kRecoveryCount, "2"},
                            {nw::kRecoveryInterval, "5"},
                            {nw::kProtocolEntries, "*PPPMAX"},
                            {nw::kLocalNumber, "*CNNL"}});
}

Status CreateT1Interface(ClContext&, ObjectTx& tx, const ClArguments& arguments) {
    return CreateInterface(tx, arguments,
                           {{nw::kType, "*T1"},
                            {nw::kText, "*BLANK"},
                            {nw::kAutoParameters, "*YES"},
                            {nw::kFrameFormat, "*ESF"},
                            {nw::kLineCode, "*B8ZS"},
                            {nw::kSignalingMethod, "*WINKSTART"},
                            {nw::kCallerId, "*NO"},
                            {nw::kRecoveryCount, "2"},
                            {nw::kRecoveryInterval, "5"},
                            {nw::kProtocolEntries, "*PPPMAX"}});
}

Status ChangeIsdnInterface(ClContext&, ObjectTx& tx, const ClArguments& arguments) {
    const std::string name = arguments.Value("NWID");
    auto record = tx.Get(kinds::kNetworkInterface, name);
    if (!record || record->Get(nw::kType) != "*ISDN") {
        return ClMessage("CPF2105", {name, kInterfaceType});
    }
    if (arguments.Has("RSRCNAME")) {
        if (auto s = CheckResource(tx, arguments.Value("RSRCNAME")); !s) return s;
    }
    if (auto s = CheckCombinations(arguments); !s) return s;
    Attributes attributes;
    CopyInterfaceValues(arguments, attributes);
    return tx.Update(kinds::kNetworkInterface, name, attributes);
}

ClParameterSpec ChannelEntries(bool required) {
    ClParameterSpec spec = RepeatedList(
        "CHLENTRY",
        {IntegerValue(1, 30, {"*D"}), ChoiceValue({"*SWT", "*NONSWT"}), CharactersValue(1, 10)}, 32,
        {"*SWTALL"});
    spec.required = required;
    return spec;
}

ClParameterSpec ProtocolEntries() {
    return RepeatedList("PCLENTRY",
                        {ChoiceValue({"*PPP", "*IDLC", "*X25"}), ChoiceValue({"*LOAD", "*NOLOAD"}),
                         IntegerValue(1, 30, {"*NONE", "*MAX"})},
                        3, {"*PPPMAX"});
}

ClParameterSpec RecoveryLimits() {
    return ElementList("CMNRCYLMT", {IntegerValue(0, 99, {"*SYSVAL"}), IntegerValue(0, 120)});
}

std::vector<ClParameterSpec> HaulParameters() {
    return {
        Optional("AUTOPARM", ChoiceValue({"*YES", "*NO"})),
        Optional("SHORTHAUL",
                 ChoiceValue({"*NONE", "*MAX133", "*MAX266", "*MAX399", "*MAX533", "*MAX655"})),
        Optional("LONGHAUL", ChoiceValue({"0.0", "7.5", "15.0", "22.5"})),
        Optional("CLOCK", ChoiceValue({"*CALC", "*LOOP", "*LOCAL"})),
    };
}

// CRTNWIISDN takes all of these; CHGNWIISDN all but the network type, rate and authority.
std::vector<ClParameterSpec> IsdnParameters(bool creating) {
    std::vector<ClParameterSpec> parameters = {
        Required("NWID", NameValue()),
        ChannelEntries(creating),
        ProtocolEntries(),
        Optional("SETUPDIF", ChoiceValue({"*NONE", "*NOLLCIE"})),
        Optional("ACTTMR", IntegerValue(10, 300, {"*NETTYPE"})),
        Optional("REACTTMR", IntegerValue(10, 1800, {"*NETTYPE", "*NONE", "*WAIT"})),
        RecoveryLimits(),
        Optional("TEXT", TextValue()),
        Optional("AUTOSPID", ChoiceValue({"*YES", "*NO"})),
        RepeatedList("SPID", {IntegerValue(1, 2), CharactersValue(1, 20, {"*NONE"})}, 2),
        RepeatedList("LCLNBR", {CharactersValue(1, 40)}, 2, {"*CNNL"}),
        Optional("LCLNBRTYPE", ChoiceValue({"*NETTYPE", "*UNKNOWN", "*INTERNATL", "*SUBSCRIPTION",
                                            "*NATIONAL", "*NETSPECIFIC", "*ABR"})),
        Optional("LCLNBRPLAN",
                 ChoiceValue({"*NETTYPE", "*UNKNOWN", "*ISDN", "*DATA", "*NATIONAL", "*PRIVATE"})),
        Optional("LCLNBRPSN", ChoiceValue({"*NONE", "*ALLOW", "*RESTRICT"})),
        RepeatedList("RMVCHR", {CharactersValue(1, 1)}, 10, {"*NETTYPE", "*NONE"}),
    };
    for (ClParameterSpec& haul : HaulParameters())
        parameters.push_back(std::move(haul));
    parameters.push_back(Optional("RSRCNAME", NameValue()));
    if (!creating) return parameters;
    parameters.back().required = true;
    parameters.push_back(Optional("NETTYPE", ChoiceValue({"*NETATR", "*ATT", "*ETSI", "*JAPAN",
                                                          "*NORTEL", "*NISDN", "*DBP1TR6"})));
    parameters.push_back(Optional("RATE", ChoiceValue({"*BASIC", "*PRIMARY"})));
    parameters.push_back(Optional("AUT", AuthorityValue()));
    return parameters;
}

std::vector<ClParameterSpec> T1Parameters() {
    std::vector<ClParameterSpec> parameters = {
        Required("NWID", NameValue()),
        Required("RSRCNAME", NameValue()),
        ChannelEntries(true),
        ProtocolEntries(),
        Optional("FRAMEFMT", ChoiceValue({"*ESF", "*SF"})),
        Optional("LINECODE", ChoiceValue({"*B8ZS", "*AMI"})),
        Optional("SIGMTH", ChoiceValue({"*WINKSTART", "*IMMEDIATE", "*LOOPSTART", "*GROUNDSTART"})),
        Optional("CALLERID", ChoiceValue({"*YES", "*NO"})),
        Optional("NBRDIDDGT", IntegerValue(1, 7)),
        RecoveryLimits(),
        Optional("TEXT", TextValue()),
        Optional("AUT", AuthorityValue()),
    };
    for (ClParameterSpec& haul : HaulParameters())
        parameters.push_back(std::move(haul));
    return parameters;
}

}  // namespace

std::vector<ClCommandDefinition> NetworkInterfaceCommands() {
    return {
        {"CRTNWIISDN", IsdnParameters(true), CreateIsdnInterface},
        {"CHGNWIISDN", IsdnParameters(false), ChangeIsdnInterface},
        {"CRTNWIT1", T1Parameters(), CreateT1Interface},
    };
}

}  // namespace ptp::server::cl
