#include "frame/selection_summary.h"

#include "config/config_text.h"
#include "frame/point_to_point_ext_interfaces.h"
#include "frame/type_codes.h"
#include "platform/framework/console_services.h"
#include "platform/vocabulary/code_text.h"
#include "platform/vocabulary/modem.h"
#include "platform/vocabulary/profile.h"
#include "platform/vocabulary/status.h"

namespace ptp::frame {
namespace {

constexpr std::size_t kModemAttributeCapacity = 1024;
constexpr std::size_t kProfileAttributeCapacity = 512;
constexpr int kStoppedStates[] = {code::status::kInactive, code::status::kEnded,
                                  code::status::kFailed, code::status::kNotStarted,
                                  code::status::kEndedByOperator};

// Reads attribute `id` of `record`; false when it cannot be read.
bool ReadAttribute(host::IServerObject& record, int id, std::size_t capacity, std::string& text) {
    std::string buffer(capacity, '\0');
    host::SOFError* error = nullptr;
    record.GetAttribute(id, buffer.data(), capacity, &error);
    if (error) {
        if (!host::IsAlreadyReported(error)) error->Destroy();
        return false;
    }
    text = buffer.c_str();
    return true;
}

bool AddModem(CPointToPointSelectionSummary& summary, host::IServerObject& record) {
    std::string systemFlag;
    if (!ReadAttribute(record, attr::modem::kSystem, kModemAttributeCapacity, systemFlag))
        return false;
    if (config::EqualsNoCase(systemFlag, code::modem_system::kSupplied)) {
        ++summary.systemModems;
    } else {
        ++summary.otherModems;
    }
    return true;
}

bool AddProfile(CPointToPointSelectionSummary& summary, const CPointToPointSelectedObject& item) {
    host::IServerObject& record = *item.m_pListRecord;
    std::string status, lineKind, protocol, jobName;
    if (!ReadAttribute(record, attr::profile::kStatus, kProfileAttributeCapacity, status))
        return false;
    if (IsStoppedStatus(status)) {
        ++summary.stoppedProfiles;
    } else {
        ++summary.runningProfiles;
    }
    if (!ReadAttribute(record, attr::profile::kLineType, kProfileAttributeCapacity, lineKind))
        return false;
    if (!ReadAttribute(record, attr::profile::kProtocol, kProfileAttributeCapacity, protocol))
        return false;
    if (!code::Is(protocol, code::protocol::kPPP) &&
        config::EqualsNoCase(lineKind, code::profile_line_type::kAsync))
        ++summary.migrationCandidates;
    if (!ReadAttribute(record, attr::profile::kJobName, kProfileAttributeCapacity, jobName))
        return false;
    if (jobName.empty()) return true;
    summary.connections = true;
    if (!item.m_bV5R4 || code::Is(protocol, code::protocol::kSLIP)) ++summary.jobs;
    return true;
}

}  // namespace

bool IsStoppedStatus(std::string_view status) {
    for (int stopped : kStoppedStates) {
        if (code::Is(status, stopped)) return true;
    }
    return false;
}

bool IsChangeableStatus(std::string_view status) {
    return !code::Is(status, code::status::kEndedByOperator) && IsStoppedStatus(status);
}

bool ReadConfigurationAuthority(std::string_view server) {
    host::SOFError* error = nullptr;
    const bool yes = fw::ServerFacts().HasAuthority(server, fw::kConfigurationAuthority, &error);
    if (!error) return yes;
    if (!host::IsAlreadyReported(error)) error->Destroy();
    return false;
}

CPointToPointSelectionSummary CPointToPointSelectionSummary::Collect(
    CPointToPointExtInterfaces& extension) {
    CPointToPointSelectionSummary summary;
    const long count = extension.Selection().GetCount();
    // An attribute that cannot be read stops the walk at its item, which stays the current one.
    const long read = extension.ReadSelection([&](long, const CPointToPointSelectedObject& item) {
        if (item.m_strTypeCode == kTypeModem) return AddModem(summary, *item.m_pListRecord);
        if (IsProfile(item.m_strTypeCode)) return AddProfile(summary, item);
        return true;
    });
    summary.walkFailed = read < count;
    summary.authority = ReadConfigurationAuthority(extension.CurrentItem().m_strServerName);
    return summary;
}

}  // namespace ptp::frame
