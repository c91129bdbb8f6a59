#include "server/demo_data.h"

#include <cstdio>
#include <string>
#include <vector>

#include "platform/vocabulary/authorization_list.h"
#include "platform/vocabulary/connection_list.h"
#include "platform/vocabulary/file_member.h"
#include "platform/vocabulary/hardware_resource.h"
#include "platform/vocabulary/host_table.h"
#include "platform/vocabulary/kinds.h"
#include "platform/vocabulary/line.h"
#include "platform/vocabulary/modem.h"
#include "platform/vocabulary/network_interface.h"
#include "platform/vocabulary/profile.h"
#include "platform/vocabulary/route.h"
#include "platform/vocabulary/rules.h"
#include "platform/vocabulary/status.h"
#include "platform/vocabulary/system_value.h"
#include "platform/vocabulary/tcpip_interface.h"
#include "platform/vocabulary/tcpip_server.h"
#include "platform/vocabulary/validation_list.h"
#include "server/object_tx.h"
#include "server/ppp_jobs.h"
#include "server/stream_files.h"
#include "server/system.h"
#include "server/text_codec.h"

namespace ptp::server {
namespace {

struct DemoProfile {
    const char* name;
    const char* description;
    int mode;
    int protocol;
    int lineService;
    int lineKind;
    const char* lineKindText;
    const char* line;
    const char* pool;
    const char* local;
    const char* remote;
};

// Originators and receivers over every kind of line the product handles.
const std::vector<DemoProfile>& Profiles() {
    static const std::vector<DemoProfile> profiles = {
        {"DIALISP", "Dial the Internet provider", 1, 2, 1, 1, "*ASYNC", "PPPLIN01", "", "*DYNAMIC",
         "*DYNAMIC"},
        {"BRANCHDOD", "Dial on demand to the branch office", 6, 2, 1, 1, "*ASYNC", "PPPLIN01", "",
         "10.1.1.1", "10.2.1.1"},
        {"REMOTEUSR", "Answer remote users on the modem pool", 2, 2, 1, 2, "*POOL", "", "PPPPOOL",
         "10.1.1.1", "10.1.9.1"},
        {"LEASEDHQ", "Leased line to headquarters", 1, 2, 2, 1, "*SYNC", "PPPLEASED", "",
         "192.168.50.1", "192.168.50.2"},
        {"SLIPDIAL", "Old SLIP dial-out", 1, 1, 1, 1, "*ASYNC", "PPPLIN04", "", "10.5.0.1",
         "10.5.0.2"},
        {"ISDNBUNDLE", "Multilink ISDN to the data centre", 1, 2, 1, 5, "*ISDN", "ISDNLINE", "",
         "172.16.8.1", "172.16.8.2"},
        {"L2TPINIT", "L2TP tunnel to the partner network", 1, 2, 3, 6, "*L2TP", "L2TPLINE", "",
         "*DYNAMIC", "*DYNAMIC"},
        {"L2TPTERM", "L2TP terminator for road warriors", 2, 2, 3, 6, "*L2TP", "L2TPLINE", "",
         "10.1.1.1", "10.1.20.1"},
        {"PPPOEDSL", "DSL access over PPPoE", 9, 2, 3, 8, "*PPPOE", "PPPOELINE", "", "*DYNAMIC",
         "*DYNAMIC"},
        {"OLDMODEM", "Profile whose line was deleted", 1, 2, 1, 1, "*ASYNC", "GONELINE", "",
         "*DYNAMIC", "*DYNAMIC"},
        // One profile of every other kind the console opens.
        {"DODANSWER", "Dial on demand, answering too", 3, 2, 1, 1, "*ASYNC", "PPPLIN04", "",
         "10.1.1.1", "10.3.1.1"},
        {"DEDICATED", "Dial on demand over one dedicated line", 4, 2, 1, 1, "*ASYNC", "PPPLIN04",
         "", "10.1.1.1", "10.4.1.1"},
        {"SLIPANS", "Old SLIP dial-in", 2, 1, 1, 1, "*ASYNC", "PPPLIN01", "", "10.5.0.1",
         "10.5.0.3"},
        {"LEASEDANS", "Leased line from the branch, answering", 2, 2, 2, 1, "*SYNC", "PPPLEASED",
         "", "192.168.51.1", "192.168.51.2"},
        {"L2TPDOD", "L2TP tunnel to the partner on demand", 3, 2, 3, 6, "*L2TP", "L2TPLINE", "",
         "*DYNAMIC", "*DYNAMIC"},
        {"L2TPVPN", "L2TP tunnel through the VPN", 5, 2, 3, 6, "*L2TP", "L2TPLINE", "", "*DYNAMIC",
         "*DYNAMIC"},
        {"L2TPHOP", "L2TP tunnel with multi-hop", 7, 2, 3, 6, "*L2TP", "L2TPLINE", "", "*DYNAMIC",
         "*DYNAMIC"},
        {"L2TPONLY", "L2TP tunnel only, no PPP session", 8, 2, 3, 6, "*L2TP", "L2TPLINE", "",
         "*DYNAMIC", "*DYNAMIC"},
        {"POOLDIAL", "Dial on demand from the modem pool", 6, 2, 1, 2, "*POOL", "", "PPPPOOL",
         "10.1.1.1", "10.6.1.1"},
        {"POOLANSWER", "Answer PPP callers on the modem pool", 2, 2, 1, 3, "*POOL", "", "PPPPOOL",
         "10.1.1.1", "10.1.30.1"},
        {"ISDNANSWER", "Answer ISDN callers", 2, 2, 1, 4, "*ISDN", "ISDNLINE2", "", "10.1.1.1",
         "10.1.40.1"},
    };
    return profiles;
}

// Every mode of a switched line but answering dials out; so do the initiators in mode 1.
bool DialsANumber(const DemoProfile& p) {
    if (p.lineService == code::line_service::kSwitched) return p.mode != code::mode::kAnswer;
    return p.mode == code::mode::kDial;
}

Attributes ProfileAttributes(const DemoProfile& p) {
    namespace prf = attr::profile;
    Attributes a = {
        {prf::kName, p.name},
        {prf::kMode, std::to_string(p.mode)},
        {prf::kProtocol, std::to_string(p.protocol)},
        {prf::kStatus, std::to_string(code::status::kInactive)},
        {prf::kChangeStatus, std::to_string(code::status::kInactive)},
        {prf::kLineName, p.line},
        {prf::kLineType, p.lineKindText},
        {prf::kLineService, std::to_string(p.lineService)},
        {prf::kListedLocalAddress, p.local},
        {prf::kListedRemoteAddress, p.remote},
        {prf::kJobName, ""},
        {prf::kDescription, p.description},
        {prf::kDialVariant, "0"},
        {prf::kMaxConnections,
         p.lineKind == code::line_kind::kPool || p.lineKind == code::line_kind::kPoolForPPPAnswer
             ? "2"
             : "1"},
        {prf::kMultilink, std::string(p.name) == "ISDNBUNDLE" ? "1" : "0"},
        {prf::kRemoteNumber1, DialsANumber(p) ? "5551234" : "*NONE"},
        {prf::kRemoteNumber2, "*NONE"},
        {prf::kRemoteNumber3, "*NONE"},
        {prf::kNumericSettingOn, "0"},
        {prf::kLineKind, std::to_string(p.lineKind)},
        {prf::kMaxLinks, std::string(p.name) == "ISDNBUNDLE" ? "2" : "1"},
        {prf::kLocalIdentification, p.mode == code::mode::kAnswer ? "0" : "1"},
        {prf::kLocalIdentificationProtocol, "2"},
        {prf::kValidationList, "QTOCPTP"},
        {prf::kRemoteIdentification, p.mode == code::mode::kAnswer ? "1" : "0"},
        {prf::kDnsChoice,
         p.mode == code::mode::kAnswer || p.protocol == code::protocol::kSLIP ? "0" : "2"},
        {prf::kDnsServer, ""},
        {prf::kLocalAddressMethod, std::string(p.local) == "*DYNAMIC" ? "2" : "1"},
        {prf::kLocalAddress, std::string(p.local) == "*DYNAMIC" ? "" : p.local},
        {prf::kRemoteAddressMethod, std::string(p.remote) == "*DYNAMIC" ? "2" : "1"},
        {prf::kRemoteAddress, std::string(p.remote) == "*DYNAMIC" ? "" : p.remote},
        {prf::kRoutingChoice, "0"},
        {prf::kRemoteAddressCount, "1"},
        {prf::kPoolName, p.pool},
        // Filter rules belong to answering profiles: the sheet reads them only there and writes
        // them off for the others.
        {prf::kFilterRulesOn, std::string(p.name) == "REMOTEUSR" ? "1" : "0"},
        {prf::kFilterRulesName, std::string(p.name) == "REMOTEUSR" ? "ISPFILTER" : ""},
        {prf::kStatusText, ""},
        {prf::kAutoStart, "0"},
    };
    if (p.lineService == code::line_service::kVirtual && p.mode == code::mode::kDial)
        a[prf::kRemoteTunnelEndPoint] = "partner.example.com";
    return a;
}

struct DemoLine {
    const char* name;
    const char* type;
    const char* connection;  // attribute 32
    const char* resource;
    const char* interface;
    const char* framing;
    const char* pool;
    const char* modem;
    const char* text;
};

const std::vector<DemoLine>& Lines() {
    static const std::vector<DemoLine> lines = {
        {"PPPLIN01", "*PPP", "*SWTPP", "CMN01", "*RS232V24", "*ASYNC", "", "SYSMODEM 400",
         "Internal modem port"},
        {"PPPLIN02", "*PPP", "*SWTPP", "CMN02", "*RS232V24", "*ASYNC", "PPPPOOL",
         "2771 INTERNAL MODEM", "Pool line 1"},
        {"PPPLIN03", "*PPP", "*SWTPP", "CMN03", "*RS232V24", "*ASYNC", "PPPPOOL",
         "2771 INTERNAL MODEM", "Pool line 2"},
        {"PPPLIN04", "*PPP", "*SWTPP", "CMN04", "*RS232V24", "*ASYNC", "", "ACME 56K V.90",
         "User modem on CMN04"},
        {"PPPLEASED", "*PPP", "*NONSWTPP", "CMN05", "*V35", "*SYNC", "", "NONE",
         "Leased V.35 line"},
        {"ISDNLINE", "*PPP", "*SWTPP", "*NWID", "*INTMODEM", "*SYNC", "", "ISDN TA",
         "ISDN basic rate"},
        {"ISDNLINE2", "*PPP", "*SWTPP", "*NWID", "*INTMODEM", "*SYNC", "", "ISDN TA",
         "ISDN basic rate, second interface"},
        {"L2TPLINE", "*PPP", "*L2TP", "*NONE", "", "", "", "NONE", "L2TP virtual line"},
        {"PPPOELINE", "*PPP", "*PPPOE", "*NONE", "", "", "", "NONE", "PPPoE virtual line"},
        {"ETHLINE", "*ETH", "", "CMN10", "", "", "", "NONE", "Gigabit Ethernet"},
    };
    return lines;
}

Attributes LineAttributes(const DemoLine& l) {
    return {{attr::line::kType, l.type},
            {attr::line::kName, l.name},
            {attr::line::kPoolName, l.pool},
            {attr::line::kText, l.text},
            {attr::line::kOnline, "*YES"},
            {attr::line::kLineSpeed, std::string(l.framing) == "*SYNC" ? "64000" : "115200"},
            {attr::line::kMaxFrame, "2048"},
            {attr::line::kRecoveryCount, "2"},
            {attr::line::kRecoveryInterval, "5"},
            {attr::line::kAuthenticationInterval, "*NONE"},
            {attr::line::kMaxConfigureFailures, "10"},
            {attr::line::kMaxConfigureRequests, "5"},
            {attr::line::kMaxTerminateRequests, "2"},
            {attr::line::kConfigureRetryTimer, "3"},
            {attr::line::kResource, l.resource},
            {attr::line::kInterface, l.interface},
            {attr::line::kFraming, l.framing},
            {attr::line::kConnectionType, l.connection},
            {attr::line::kFlowControl, "*HARDWARE"},
            {attr::line::kMessageQueue, "*SYSVAL"},
            {attr::line::kMessageQueueLibrary, ""}};
}

struct DemoModem {
    const char* name;
    const char* system;
    const char* kind;
    std::vector<std::pair<const char*, const char*>> commands;
};

const std::vector<DemoModem>& Modems() {
    static const std::vector<DemoModem> modems = {
        {"SYSMODEM 400", "1", "1", {{"RESET", "AT&F"}, {"INIT", "ATE0Q0V1X4&C1&D2"}}},
        {"2771 INTERNAL MODEM", "1", "1", {{"RESET", "AT&F"}, {"INIT", "AT&C1&D2S0=0"}}},
        {"ISDN TA", "1", "2", {{"INIT", "AT&F"}, {"SPID1", "AT!N1=0155512340101"}}},
        {"ACME 56K V.90", "0", "1", {{"INIT", "AT&F1E0"}, {"SPEAKER", "ATM0L0"}}},
    };
    return modems;
}

std::string Hex(std::string_view bytes) {
    std::string out;
    char digits[3];
    for (unsigned char c : bytes) {
        std::snprintf(digits, sizeof digits, "%02X", c);
        out += digits;
    }
    return out;
}

Status SeedObjects(ObjectTx& tx) {
    for (const auto& profile : Profiles()) {
        if (auto s = tx.Put(kinds::kProfile, profile.name, ProfileAttributes(profile)); !s)
            return s;
    }
    for (const auto& line : Lines()) {
        if (auto s = tx.Put(kinds::kLine, line.name, LineAttributes(line)); !s) return s;
        if (line.type != code::line_type::kPPP) continue;
        Attributes association = {{attr::line_modem::kLineName, line.name},
                                  {attr::line_modem::kModemName, line.modem},
                                  {attr::line_modem::kNumber, "1"}};
        if (auto s = tx.Put(kinds::kLineModem, line.name, association); !s) return s;
    }
    for (const auto& modem : Modems()) {
        namespace md = attr::modem;
        Attributes a = {{md::kName, modem.name},
                        {md::kSystem, modem.system},
                        {md::kKind, modem.kind},
                        {md::kInitCommand, "AT"},
                        {md::kResetCommand, "AT"},
                        {md::kDialCommand, "ATDT"},
                        {md::kAnswerCommand, "ATS0=2S7=30"}};
        if (auto s = tx.Put(kinds::kModem, modem.name, a); !s) return s;
        int number = 1;
        for (const auto& [commandName, value] : modem.commands) {
            std::string key = std::string(modem.name) + "/" + std::to_string(number);
            namespace mc = attr::modem_command;
            Attributes c = {{mc::kModemName, modem.name},
                            {mc::kEntryKind, std::string(code::modem_command::kTemplate)},
                            {mc::kNumber, std::to_string(number)},
                            {mc::kName, commandName},
                            {mc::kValue, value},
                            {mc::kModemKey, UpperAscii(modem.name)}};
            if (auto s = tx.Put(kinds::kModemCommand, key, c); !s) return s;
            ++number;
        }
    }
    namespace hw = attr::hardware_resource;
    const std::vector<std::vector<std::string>> ports = {
        {"CMN01", "2771", "Comm Port - internal modem"},
        {"CMN02", "2771", "Comm Port - internal modem"},
        {"CMN03", "2771", "Comm Port - internal modem"},
        {"CMN04", "2745", "Two-line WAN IOA V.24 port"},
        {"CMN05", "2745", "Two-line WAN IOA V.35 port"},
        {"CMN06", "2745", "Two-line WAN IOA V.36 port"},
        // Free ports, so that a new line of every kind has one to go on.
        {"CMN07", "2745", "Two-line WAN IOA X.21 port"},
        {"CMN08", "2745", "Two-line WAN IOA V.24 port"},
        {"CMN09", "2771", "Comm Port - internal modem"},
        // The Ethernet ports under the Ethernet lines that carry PPPoE, and the ISDN ports under
        // the network interfaces; one of each is free.
        {"CMN10", "5706", "Gigabit Ethernet port"},
        {"CMN11", "2838", "Ethernet port 10/100"},
        {"LIN041", "2750", "ISDN basic rate port"},
        {"LIN042", "2750", "ISDN basic rate port"},
        {"LIN051", "2761", "ISDN primary rate port"},
    };
    for (const auto& port : ports) {
        Attributes a = {{hw::kName, port[0]},
                        {hw::kResourceKind, "0000000000000008"},
                        {hw::kAdapterType, port[1]},
                        {hw::kDescription, port[2]},
                        {hw::kStatus, "Operational"}};
        if (auto s = tx.Put(kinds::kHardwareResource, port[0], a); !s) return s;
    }
    namespace ifc = attr::tcpip_interface;
    const std::vector<std::vector<std::string>> interfaces = {
        {"127.0.0.1", "255.0.0.0", "*LOOPBACK", "15", "*LOOPBACK"},
        {"10.1.1.1", "255.255.255.0", "ETHLINE", "1", "10.1.1.1"},
        {"192.168.50.1", "255.255.255.252", "PPPLEASED", "6", "192.168.50.1"},
        {"10.1.1.100", "255.255.255.255", "*VIRTUALIP", "15", "*VIRTUALIP"},
    };
    for (const auto& i : interfaces) {
        Attributes a = {{ifc::kAddress, i[0]},  {ifc::kSubnetMask, i[1]},
                        {ifc::kLineName, i[2]}, {ifc::kStatus, "*ACTIVE"},
                        {ifc::kType, i[3]},     {ifc::kDisplayAddress, i[4]}};
        if (auto s = tx.Put(kinds::kTcpipInterface, i[0], a); !s) return s;
    }
    namespace vl = attr::validation_list_entry;
    for (const char* list : {"QTOCPTP", "QYSDPTP", "REMOTEUSRS"}) {
        if (auto s = tx.Put(kinds::kValidationList, list,
                            {{attr::validation_list::kName, list},
                             {attr::validation_list::kLibrary, "QUSRSYS"}});
            !s)
            return s;
    }
    const std::vector<std::pair<std::string, std::string>> entries = {
        {std::string("\xC2\x23\x00\x00", 4) + "DIALISP", "ISPUSER"},
        {std::string("\xC0\x23\x00\x00", 4) + "SLIPDIAL", "SLIPUSER"},
        {std::string("\xC2\x23\x00\x00", 4) + "JSMITH", "JSMITH"},
    };
    for (const auto& [identifier, user] : entries) {
        std::string list = user == "JSMITH" ? "REMOTEUSRS" : "QTOCPTP";
        std::string hex = Hex(identifier);
        Attributes a = {{vl::kListName, list},
                        {vl::kLibrary, "QUSRSYS"},
                        {vl::kIdentifier, hex},
                        {vl::kData1, user},
                        {vl::kData2, "secret"}};
        if (auto s = tx.Put(kinds::kValidationListEntry, list + "/" + hex, a); !s) return s;
    }
    if (auto s = tx.Put(
            kinds::kSystemValue, code::system_value::kRetainServerSecurity,
            {{attr::system_value::kName, std::string(code::system_value::kRetainServerSecurity)},
             {attr::system_value::kValue, "0"}});
        !s)
        return s;
    if (auto s = tx.Put(kinds::kNetworkInterface, "NWIISDN1",
                        {{attr::network_interface::kType, "*ISDN"},
                         {attr::network_interface::kName, "NWIISDN1"},
                         {attr::network_interface::kResource, "LIN041"},
                         {attr::network_interface::kNetworkType, "*ETSI"},
                         {attr::network_interface::kText, "ISDN basic rate interface"}});
        !s)
        return s;
    if (auto s = tx.Put(kinds::kConnectionList, "ISDNCNNL",
                        {{attr::connection_list::kName, "ISDNCNNL"},
                         {attr::connection_list::kNetworkType, "*ETSI"},
                         {attr::connection_list::kText, "Data centre numbers"}});
        !s)
        return s;
    if (auto s = tx.Put(kinds::kConnectionListEntry, "ISDNCNNL/DATACTR",
                        {{attr::connection_list_entry::kList, "ISDNCNNL"},
                         {attr::connection_list_entry::kEntry, "DATACTR"},
                         {attr::connection_list_entry::kRemoteNumber, "0695551000"},
                         {attr::connection_list_entry::kInformationTransferType, "*UNRESTRICTED"}});
        !s)
        return s;
    if (auto s = tx.Put(kinds::kRoute, "LEASEDHQ/192.168.60.0/255.255.255.0/",
                        {{attr::route::kSubnetMask, "255.255.255.0"},
                         {attr::route::kDestination, "192.168.60.0"},
                         {attr::route::kPPP, "1"},
                         {attr::route::kBindingProfile, "LEASEDHQ"}});
        !s)
        return s;
    if (auto s = tx.Put(kinds::kRouteDaemonRecord, "LEASEDHQ",
                        {{attr::route_daemon::kInterfaceName, "LEASEDHQ"},
                         {attr::route_daemon::kRipVersion, "RIP2"},
                         {attr::route_daemon::kSupplyMode, "FULL"}});
        !s)
        return s;
    if (auto s = tx.Put(kinds::kAuthorizationList, "PPPAUTL",
                        {{attr::authorization_list::kName, "PPPAUTL"}});
        !s)
        return s;
    for (const char* member : {"DIALSCRIPT", "HAYESINIT"}) {
        if (auto s = tx.Put(kinds::kFileMember, std::string("QUSRSYS/QATOCPPSCR/") + member,
                            {{attr::file_member::kMember, member}});
            !s)
            return s;
    }
    if (auto s = tx.Put(kinds::kHostTableEntry, "10.1.1.1",
                        {{attr::host_table_entry::kAddress, "10.1.1.1"},
                         {attr::host_table_entry::kFirstHostName, "AS400A.EXAMPLE.COM"}});
        !s)
        return s;
    if (auto s = tx.Put(kinds::kTcpipServer, "*DHCP", {{attr::tcpip_server::kStatus, "*INACTIVE"}});
        !s)
        return s;
    return tx.Put(kinds::kCurrentRulesList, kinds::kSingletonName,
                  {{attr::current_rules::kLineCount, "2"},
                   {attr::current_rules::kFirstLine,
                    "ADDRESS ISPNET IP = 0.0.0.0 MASK = 0.0.0.0 TYPE = TRUSTED"},
                   {attr::current_rules::kFirstLine + 1,
                    "FILTER SET ISPFILTER ACTION = PERMIT DIRECTION = * SRCADDR = * "
                    "DSTADDR = * PROTOCOL = * DSTPORT = * SRCPORT = *"}});
}

const char* kFiltersFile = "/QKTL/USERDATA/NOS50/TCPIP/ADMIXRULES/PPPFILTERS.I3P";

Status SeedFiles(StreamFiles& files) {
    const std::string filters =
        "### Addresses the PPP filters refer to\n"
        "ADDRESS ISPNET IP = 0.0.0.0 MASK = 0.0.0.0 TYPE = TRUSTED\n"
        "### Let everything through the Internet provider's link\n"
        "FILTER SET ISPFILTER ACTION = PERMIT DIRECTION = * SRCADDR = * DSTADDR = * "
        "PROTOCOL = * DSTPORT = * SRCPORT = * FRAGMENTS = NONE JRN = OFF\n"
        "FILTER SET BRANCHONLY ACTION = PERMIT DIRECTION = * SRCADDR = 10.2.0.0 "
        "DSTADDR = * SERVICE = ANY FRAGMENTS = NONE JRN = OFF\n"
        "\n";
    if (auto s = files.Write(kFiltersFile, filters, kCcsidUtf16); !s) return s;
    const std::string vpn =
        "### VPN policy filters\n"
        "INCLUDE FILE = /QKTL/USERDATA/NOS50/TCPIP/ADMIXRULES/PPPFILTERS.I3P\n\n";
    if (auto s = files.Write("/QKTL/UserData/NOS50/TCPIP/ADMIXRULES/VPNPOLICYFILTERS.I3P", vpn,
                             kCcsidUtf16);
        !s)
        return s;
    const std::string policies =
        "GROUPPOLICY=SALES MULTILINKENABLE=1 MULTILINKMAXLINKS=2 MULTILINKBACP=0 "
        "TCPIPFORWARDING=0 TCPVJ=1 TCPUSEFILTER=0 TCPFILTERNAME= DESCRIPTION=Sales force on the "
        "road\n"
        "GROUPPOLICY=ADMINS MULTILINKENABLE=0 MULTILINKMAXLINKS=2 MULTILINKBACP=0 "
        "TCPIPFORWARDING=1 TCPVJ=0 TCPUSEFILTER=1 TCPFILTERNAME=ISPFILTER DESCRIPTION=*NONE\n";
    if (auto s =
            files.Write("/QKTL/UserData/NOS50/TCPIP/PPP/grouppolicy.cfg", policies, kCcsidText);
        !s)
        return s;
    const std::string l2tp =
        "LINENAME=L2TPLINE FRAMING=0 BANDWIDTH=115200 MAXFRAMESIZE=1500 ACTIVEPACKETNBR=0 "
        "ACTIVEPACKETSIZE=0 ACTIVETUNNELKEEPALV=1 AUTHRMTPEERPERIODIC=0 AUTHRMTPEERINTERVAL=0 "
        "MAXAUTHATTEMPTS=5 LCPCFGRTYTIMER=3 LCPMAXCFGFAILURES=5 LCPMAXCFGREQUESTS=10 "
        "LCPMAXTERMREQUESTS=2 RECOVERYCOUNTLIMIT=6 RECOVERYTIME=32 REQRMTSYSID=0 VLDLNAME= "
        "LINEDESCRIPTION=L2TP virtual line\n";
    if (auto s = files.Write("/QKTL/UserData/NOS50/TCPIP/PPP/L2TPLine.cfg", l2tp, kCcsidText); !s)
        return s;
    const std::string pppoe =
        "PELINENAME=PPPOELINE PHYSICALLINENAME=ETHLINE PEMAXFRAMESIZE=1492 KEEPACTIVESESALV=0 "
        "PEAUTHRMTPEERPERIODIC=0 PEAUTHRMTPEERINTERVAL=0 PEMAXAUTHATTEMPTS=5 PELCPCFGRTYTIMER=3 "
        "PELCPMAXCFGFAILURES=5 PELCPMAXCFGREQUESTS=10 PELCPMAXTERMREQUESTS=2 "
        "PERECOVERYCOUNTLIMIT=6 PERECOVERYTIME=32 PELINEDESCRIPTION=PPPoE virtual line\n";
    if (auto s = files.Write("/QKTL/UserData/NOS50/TCPIP/PPP/PPPoELine.cfg", pppoe, kCcsidText); !s)
        return s;
    const std::string cnnl =
        "CNNLSTNAME=ISDNCNNL NETWORKTYPE=*ETSI UNRESTRICTEDIN=1 V110IN=0 DOVIN=0 ASYNCIN=1 "
        "SYNCIN=0 INFOXFERTYPEOUT=*UNRESTRICTED\n";
    return files.Write("/QKTL/UserData/NOS50/TCPIP/PPP/Cnnlist.cfg", cnnl, kCcsidText);
}

// Brings the demo jobs to their states: the Internet profile up, the leased line coming up, and
// the profile without a line failed.
Status StartDemoJobs(System& system) {
    for (const char* profile : {"DIALISP", "LEASEDHQ", "ISDNBUNDLE", "OLDMODEM"}) {
        Status started = system.Transact([&](ObjectTx& tx) {
            if (system.Jobs().IsActive(tx, profile)) return Status::Ok();
            return system.Jobs().Start(tx, profile, JobStartOptions{false, "*PRINT", "demo"});
        });
        if (!started) return started;
    }
    return system.Jobs().AdvanceClock(30);
}

std::string Numbered(const char* prefix, int number) {
    char name[16];
    std::snprintf(name, sizeof name, "%s%06d", prefix, number);
    return name;
}

std::string ScaleModemName(int number) {
    char name[24];
    std::snprintf(name, sizeof name, "SCALE MODEM %05d", number);
    return name;
}

Status SeedScaleObjects(ObjectTx& tx, int units) {
    const auto& profiles = Profiles();
    for (int i = 0; i < units * kScaleUnitProfiles; ++i) {
        const std::string name = Numbered("SP", i);
        DemoProfile copy = profiles[static_cast<std::size_t>(i) % profiles.size()];
        copy.name = name.c_str();
        if (auto s = tx.Put(kinds::kProfile, name, ProfileAttributes(copy)); !s) return s;
    }
    const int modems = units * kScaleUnitModems;
    for (int i = 0; i < modems; ++i) {
        const std::string name = ScaleModemName(i);
        Attributes a = {{attr::modem::kName, name},
                        {attr::modem::kSystem, "0"},
                        {attr::modem::kKind, "1"},
                        {attr::modem::kInitCommand, "AT&F"},
                        {attr::modem::kResetCommand, "ATZ"},
                        {attr::modem::kDialCommand, "ATDT"},
                        {attr::modem::kAnswerCommand, "ATS0=2"}};
        if (auto s = tx.Put(kinds::kModem, name, a); !s) return s;
        namespace mc = attr::modem_command;
        Attributes c = {
            {mc::kModemName, name},  {mc::kEntryKind, std::string(code::modem_command::kTemplate)},
            {mc::kNumber, "1"},      {mc::kName, "INIT"},
            {mc::kValue, "AT&F1E0"}, {mc::kModemKey, UpperAscii(name)}};
        if (auto s = tx.Put(kinds::kModemCommand, name + "/1", c); !s) return s;
    }
    // Copies of the lines on communication ports, each with its modem.
    const std::vector<DemoLine> ported(Lines().begin(), Lines().begin() + 5);
    for (int i = 0; i < units * kScaleUnitLines; ++i) {
        const std::string name = Numbered("SL", i);
        const std::string text = "Scale line " + std::to_string(i);
        DemoLine copy = ported[static_cast<std::size_t>(i) % ported.size()];
        copy.name = name.c_str();
        copy.pool = "";
        copy.text = text.c_str();
        if (auto s = tx.Put(kinds::kLine, name, LineAttributes(copy)); !s) return s;
        const bool leased = std::string_view(copy.connection) == "*NONSWTPP";
        Attributes association = {
            {attr::line_modem::kLineName, name},
            {attr::line_modem::kModemName,
             leased ? std::string(code::modem_name::kNone) : ScaleModemName(i % modems)},
            {attr::line_modem::kNumber, "1"}};
        if (auto s = tx.Put(kinds::kLineModem, name, association); !s) return s;
    }
    return Status::Ok();
}

// The demo's filters with the scale statements after them: address definitions and filters, some
// with a description.
Status SeedScaleFilters(StreamFiles& files, int units) {
    auto demo = files.Read(kFiltersFile);
    if (!demo) return demo.status();
    std::string text = demo->text;
    char statement[200];
    for (int i = 0; i < units * kScaleUnitFilterStatements; ++i) {
        const int a = (i / 250) % 250;
        const int b = i % 250;
        if (i % 10 == 0) text += "### Scale statement " + std::to_string(i) + "\n";
        if (i % 4 == 0) {
            std::snprintf(statement, sizeof statement,
                          "ADDRESS SCALE%06d IP = 10.%d.%d.0 MASK = 255.255.255.0 TYPE = TRUSTED\n",
                          i, a, b);
        } else {
            std::snprintf(statement, sizeof statement,
                          "FILTER SET SCALE%06d ACTION = PERMIT DIRECTION = INBOUND "
                          "SRCADDR = 10.%d.%d.1 DSTADDR = * PROTOCOL = * DSTPORT = * SRCPORT = * "
                          "FRAGMENTS = NONE JRN = OFF\n",
                          i, a, b);
        }
        text += statement;
    }
    return files.Write(kFiltersFile, text, kCcsidUtf16);
}

}  // namespace

Status SeedScaleData(System& system, int units) {
    if (auto s = SeedDemoData(system); !s) return s;
    if (units <= 0) return Status::Ok();
    if (auto s = system.Transact([&](ObjectTx& tx) { return SeedScaleObjects(tx, units); }); !s)
        return s;
    return SeedScaleFilters(system.Files(), units);
}

Status SeedDemoData(System& system) {
    if (auto s = system.Transact(SeedObjects); !s) return s;
    if (auto s = SeedFiles(system.Files()); !s) return s;
    return StartDemoJobs(system);
}

}  // namespace ptp::server
