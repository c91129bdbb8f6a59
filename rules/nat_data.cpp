#include "rules/nat_data.h"

#include <array>

#include "config/config_text.h"
#include "rules/nat_comment_data.h"
#include "rules/nat_define_address_data.h"
#include "rules/nat_filter_data.h"
#include "rules/nat_filter_interface_data.h"
#include "rules/nat_hide_address_data.h"
#include "rules/nat_icmp_service_data.h"
#include "rules/nat_include_data.h"
#include "rules/nat_map_address_data.h"
#include "rules/nat_service_alias_data.h"

namespace ptp::rules {

using config::EqualsNoCase;

std::string CNATData::GetFullText() const {
    std::vector<std::string> clauses;
    ToText(clauses);
    std::string text;
    for (const std::string& clause : clauses) {
        text += clause;
        text += "   ";
    }
    return text;
}

std::string CNATData::GetDescription() const {
    std::string description = m_strDescription;
    for (char& c : description) {
        if (c == '\r' || c == '\n') c = ' ';
    }
    return description;
}

void CNATData::SetDescription(std::string_view description) {
    m_strDescription.assign(description);
    m_bModified = true;
}

void CNATData::SetName(std::string_view name) {
    m_strName.assign(name);
    m_bModified = true;
}

void CNATData::SetLineLabel(std::string_view label) {
    m_strLineLabel.assign(label);
    m_bModified = true;
}

int CNATData::Reject(int result) {
    m_nNumber = -1;
    m_bModified = false;
    return result;
}

int CNATData::Accept() {
    m_bModified = false;
    return kParseOk;
}

std::unique_ptr<CNATData> CreateNATStatement(std::string_view keyword, int rulesLevel) {
    if (EqualsNoCase(keyword, "ADDRESS")) return std::make_unique<CNATDefineAddressData>();
    if (EqualsNoCase(keyword, "SERVICE")) return std::make_unique<CNATServiceAliasData>();
    if (EqualsNoCase(keyword, "ICMP_SERVICE")) return std::make_unique<CNATIcmpServiceData>();
    if (EqualsNoCase(keyword, "FILTER") || EqualsNoCase(keyword, "ADMIX_FILTER")) {
        return std::make_unique<CNATFilterData>(rulesLevel);
    }
    if (EqualsNoCase(keyword, "FILTER_INTERFACE")) {
        return std::make_unique<CNATFilterInterfaceData>();
    }
    if (EqualsNoCase(keyword, "HIDE")) return std::make_unique<CNATHideAddressData>();
    if (EqualsNoCase(keyword, "MAP")) return std::make_unique<CNATMapAddressData>();
    if (EqualsNoCase(keyword, "INCLUDE")) return std::make_unique<CNATIncludeData>();
    if (!keyword.empty() && keyword.front() == '#') return std::make_unique<CNATCommentData>();
    return nullptr;
}

void GetWellKnownServices(std::vector<std::string>& services) {
    static constexpr std::array<std::string_view, 66> kServices{"APPCoverTCPIP", "rq-admin-https",
                                                                "rq-admin-http", "rq-central",
                                                                "rq-database",   "rq-dtaq",
                                                                "rq-file-x",     "rq-file",
                                                                "rq-netdrive",   "rq-netprt",
                                                                "rq-pop3",       "rq-rmtcmd",
                                                                "rq-signon",     "rq-svrmap",
                                                                "rq-transfer",   "rq-vrtprint",
                                                                "auth",          "bootpc",
                                                                "bootps",        "chargen",
                                                                "daytime",       "dhcpc",
                                                                "dhcps",         "discard",
                                                                "domain",        "drda",
                                                                "echo",          "exec",
                                                                "finger",        "ftp-control",
                                                                "ftp-data",      "gopher",
                                                                "graphics",      "hostname",
                                                                "https",         "kerberos",
                                                                "login",         "lpd",
                                                                "msg-auth",      "nameserver",
                                                                "netbios-dgm",   "netbios-ns",
                                                                "netbios-ssn",   "netstat",
                                                                "news",          "nicname",
                                                                "ntp",           "pop3",
                                                                "QDBGSVR",       "qotd",
                                                                "rje",           "rlp",
                                                                "rmtjournal",    "sftp",
                                                                "smtp",          "snmp-trap",
                                                                "snmp",          "sqlserv",
                                                                "src",           "sunrpc",
                                                                "systat",        "telnet",
                                                                "tftp",          "time",
                                                                "wsg",           "www-http"};
    services.clear();
    services.reserve(kServices.size());
    for (const std::string_view service : kServices)
        services.emplace_back(service);
}

}  // namespace ptp::rules
