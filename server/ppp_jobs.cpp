#include "server/ppp_jobs.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <vector>

#include "platform/vocabulary/code_text.h"
#include "platform/vocabulary/connection.h"
#include "platform/vocabulary/job.h"
#include "platform/vocabulary/kinds.h"
#include "platform/vocabulary/profile.h"
#include "platform/vocabulary/status.h"
#include "server/messages.h"
#include "server/object_tx.h"
#include "server/sqlite_db.h"
#include "server/text_codec.h"

namespace ptp::server {
namespace {
namespace prf = attr::profile;
namespace con = attr::connection;
namespace job = attr::job;
namespace st = code::status;
namespace why = code::reason;

// The walk of an originator: one step per clock second until the connection is up.
constexpr std::array kDialWalk = {st::kStarting,        st::kDialing,    st::kLcpStarting,
                                  st::kLcpRequestSent,  st::kLcpOpened,  st::kIpcpStarting,
                                  st::kIpcpRequestSent, st::kIpcpOpened, st::kActive};
// An answer profile comes up and waits for calls.
constexpr std::array kAnswerWalk = {st::kStarting, st::kWaitingForCall};

bool IsAnswer(const ObjectRecord& profile) {
    return profile.Get(prf::kMode) == "2";
}

std::string JobPrefix(const ObjectRecord& profile) {
    return code::Is(profile.Get(prf::kProtocol), code::protocol::kSLIP) ? "QKTL_TOCSLIP_SSN@"
                                                                        : "QKTL_TOCPPP_SSN@";
}

// Link identifiers travel as eight raw bytes; the number sits in bytes 4 to 7, high byte first.
std::string LinkIdBytes(unsigned number) {
    std::string bytes = "LINK";
    bytes.push_back(static_cast<char>((number >> 24) & 0xFF));
    bytes.push_back(static_cast<char>((number >> 16) & 0xFF));
    bytes.push_back(static_cast<char>((number >> 8) & 0xFF));
    bytes.push_back(static_cast<char>(number & 0xFF));
    return bytes;
}

// The LCP or IPCP state a link shows at a status of the walk: the phase in progress, opened
// once the walk is past it, empty before it starts.
std::string NegotiationState(int status, bool lcp) {
    const int opened = lcp ? st::kLcpOpened : st::kIpcpOpened;
    const int first = lcp ? st::kLcpStarting : st::kIpcpStarting;
    if (status == st::kActive) return std::to_string(opened);
    if (status >= first && status <= opened) return std::to_string(status);
    if (lcp && status >= st::kIpcpStarting && status <= st::kIpcpOpened)
        return std::to_string(opened);
    return {};
}

Result<long> ReadCounter(ObjectTx& tx, std::string_view key, long fallback) {
    auto text = tx.GetInfo(key, std::to_string(fallback));
    if (!text) return text.error();
    try {
        return std::stol(*text);
    } catch (...) {
        return fallback;
    }
}

Result<long> NextNumber(ObjectTx& tx, std::string_view key, long first) {
    auto current = ReadCounter(tx, key, first);
    if (!current) return current.error();
    if (auto s = tx.SetInfo(key, std::to_string(*current + 1)); !s) return s.error();
    return *current;
}

Result<std::vector<ObjectRecord>> JobsOf(ObjectTx& tx, std::string_view profile) {
    ListFilter filter;
    filter.equals.emplace_back(job::kProfileName, std::string(profile));
    filter.equals.emplace_back(job::kStatus, "*ACTIVE");
    return tx.List(kinds::kJob, filter);
}

Status RemoveConnections(ObjectTx& tx, std::string_view profile) {
    ListFilter filter;
    filter.equals.emplace_back(con::kProfileName, std::string(profile));
    auto connections = tx.List(kinds::kConnectionJob, filter);
    if (!connections) return connections.status();
    for (const auto& connection : *connections) {
        if (auto s = tx.Delete(kinds::kConnectionJob, connection.name); !s) return s;
    }
    return Status::Ok();
}

// The line a profile uses: its pool for pool profiles, else its line.
std::string LineOf(const ObjectRecord& profile) {
    if (EqualsNoCase(profile.Get(prf::kLineType), code::profile_line_type::kPool))
        return profile.Get(prf::kPoolName);
    return profile.Get(prf::kLineName);
}

std::string AddressOr(std::string address, std::string_view fallback) {
    return address.empty() ? std::string(fallback) : address;
}

int LinkCount(const ObjectRecord& profile) {
    if (profile.Get(prf::kMultilink) != "1") return 1;
    return static_cast<int>(std::clamp(profile.GetInt(prf::kMaxLinks, 2), 1L, 6L));
}

Status AddConnections(ObjectTx& tx, const ObjectRecord& profile, const ObjectRecord& jobRecord,
                      int status, int reason, std::string_view reasonText) {
    int links = LinkCount(profile);
    auto first = NextNumber(tx, "next_link_id", 0x0A0B0C0D);
    if (!first) return first.status();
    unsigned head = static_cast<unsigned>(*first);
    for (int link = 0; link < links; ++link) {
        unsigned id = link == 0 ? head : static_cast<unsigned>(*NextNumber(tx, "next_link_id", 0));
        Attributes attributes = {
            {con::kJobName, jobRecord.Get(job::kName)},
            {con::kJobUser, jobRecord.Get(job::kUser)},
            {con::kJobNumber, jobRecord.Get(job::kNumber)},
            {con::kProfileName, profile.name},
            {con::kStatus, std::to_string(status)},
            {con::kLineName, LineOf(profile)},
            {con::kRemoteAddress, AddressOr(profile.Get(prf::kRemoteAddress), "*DYNAMIC")},
            {con::kLocalAddress, AddressOr(profile.Get(prf::kLocalAddress), "*DYNAMIC")},
            {con::kLinkId, LinkIdBytes(id)},
            {con::kBundleKind, links > 1 ? "*MULTILINK" : "*NONE"},
            {con::kConnectedSeconds, "0"},
            {con::kBundleId, LinkIdBytes(head)},
            {con::kProtocol,
             code::Is(profile.Get(prf::kProtocol), code::protocol::kSLIP) ? "*SLIP" : "*PPP"},
            {con::kStartedAt, jobRecord.Get(job::kStartedAt)},
            {con::kReason, std::to_string(reason)},
            {con::kReasonText, std::string(reasonText)},
        };
        std::string name = jobRecord.name + "/" + std::to_string(link);
        if (auto s = tx.Put(kinds::kConnectionJob, name, attributes); !s) return s;
    }
    return Status::Ok();
}

// An ended job that printed its log keeps it as spooled file QPJOBLOG number 1, owned by QTCP.
Status KeepJobLog(ObjectTx& tx, const ObjectRecord& jobRecord, const std::string& text) {
    Attributes spooled = {{attr::spooled_file::kJobName, jobRecord.Get(job::kName)},
                          {attr::spooled_file::kJobUser, "QTCP"},
                          {attr::spooled_file::kJobNumber, jobRecord.Get(job::kNumber)},
                          {attr::spooled_file::kFileName, "QPJOBLOG"},
                          {attr::spooled_file::kText, text}};
    return tx.Put(kinds::kSpooledFile, jobRecord.name + "/QPJOBLOG/1", spooled);
}

Status SetProfileStatus(ObjectTx& tx, std::string_view profile, int status,
                        std::string_view jobName, std::string_view text) {
    return tx.Update(kinds::kProfile, profile,
                     {{prf::kStatus, std::to_string(status)},
                      {prf::kChangeStatus, std::to_string(status)},
                      {prf::kJobName, std::string(jobName)},
                      {prf::kStatusText, std::string(text)}});
}

}  // namespace

Result<long> PppJobs::Clock() {
    std::lock_guard lock(m_mutex);
    ObjectTx tx(m_db);
    return ReadCounter(tx, "clock", 0);
}

bool PppJobs::IsActive(ObjectTx& tx, std::string_view profile) {
    auto jobs = JobsOf(tx, profile);
    return jobs && !jobs->empty();
}

Status PppJobs::Start(ObjectTx& tx, std::string_view profileName, const JobStartOptions& options) {
    auto profile = tx.Get(kinds::kProfile, profileName);
    if (!profile) return Message("TCP8A1E", {profileName});
    if (IsActive(tx, profileName)) {
        if (!options.restart) return Message("TCP8A23", {profileName});
        if (auto s = End(tx, profileName); !s) return s;
    }
    if (auto s = RemoveConnections(tx, profileName); !s) return s;
    auto now = ReadCounter(tx, "clock", 0);
    if (!now) return now.status();
    auto number = NextNumber(tx, "next_job_number", 100001);
    if (!number) return number.status();
    char numberText[16];
    std::snprintf(numberText, sizeof numberText, "%06ld", *number % 1000000);
    std::string jobName = JobPrefix(*profile) + profile->name;
    ObjectRecord jobRecord{std::string(kinds::kJob),
                           std::string(numberText) + "/QTCP/" + jobName,
                           {{job::kName, jobName},
                            {job::kUser, "QTCP"},
                            {job::kNumber, numberText},
                            {job::kStatus, "*ACTIVE"},
                            {job::kProfileName, profile->name},
                            {job::kStartedAt, std::to_string(*now)},
                            {job::kStep, "0"},
                            {job::kOutput, options.output}}};

    std::string line = LineOf(*profile);
    bool lineMissing =
        line.empty() || (!tx.Exists(kinds::kLine, line) && !options.virtualLineRecorded);
    if (lineMissing) {
        // The job starts, finds no line and ends; the failure stays visible on the profile and
        // in the connection list until the profile is started again or ended.
        jobRecord.attributes[job::kStatus] = options.output == "*PRINT" ? "*OUTQ" : "*ENDED";
        if (auto s = tx.Put(kinds::kJob, jobRecord.name, jobRecord.attributes); !s) return s;
        std::string text = "Line description " + (line.empty() ? "*NONE" : line) + " not found.";
        if (options.output == "*PRINT") {
            if (auto s = KeepJobLog(tx, jobRecord, text); !s) return s;
        }
        if (auto s = AddConnections(tx, *profile, jobRecord, st::kFailed, why::kLineNotFound, text);
            !s)
            return s;
        return SetProfileStatus(tx, profile->name, st::kFailed, "", text);
    }
    if (auto s = tx.Put(kinds::kJob, jobRecord.name, jobRecord.attributes); !s) return s;
    if (!IsAnswer(*profile)) {
        if (auto s = AddConnections(tx, *profile, jobRecord, st::kStarting, why::kNone, ""); !s)
            return s;
    }
    return SetProfileStatus(tx, profile->name, st::kStarting, jobName, "");
}

Status PppJobs::End(ObjectTx& tx, std::string_view profileName) {
    auto profile = tx.Get(kinds::kProfile, profileName);
    if (!profile) return Message("TCP8A1E", {profileName});
    auto jobs = JobsOf(tx, profileName);
    if (!jobs) return jobs.status();
    if (jobs->empty()) return Message("TCP8A24", {profileName});
    for (const auto& record : *jobs) {
        std::string status = record.Get(job::kOutput) == "*PRINT" ? "*OUTQ" : "*ENDED";
        if (auto s = tx.Update(kinds::kJob, record.name, {{job::kStatus, status}}); !s) return s;
        if (record.Get(job::kOutput) != "*PRINT") continue;
        if (auto s = KeepJobLog(tx, record,
                                "Job " + record.Get(job::kName) + " for profile " + profile->name +
                                    " ended normally.");
            !s)
            return s;
    }
    if (auto s = RemoveConnections(tx, profileName); !s) return s;
    return SetProfileStatus(tx, profile->name, st::kInactive, "", "");
}

Status PppJobs::Step(ObjectTx& tx, long now) {
    ListFilter filter;
    filter.equals.emplace_back(job::kStatus, "*ACTIVE");
    auto jobs = tx.List(kinds::kJob, filter);
    if (!jobs) return jobs.status();
    for (const auto& record : *jobs) {
        auto profile = tx.Get(kinds::kProfile, record.Get(job::kProfileName));
        if (!profile) continue;
        long elapsed = std::max(0L, now - record.GetInt(job::kStartedAt));
        bool answer = IsAnswer(*profile);
        std::size_t walkSize = answer ? kAnswerWalk.size() : kDialWalk.size();
        std::size_t step = static_cast<std::size_t>(std::min<long>(elapsed, walkSize - 1));
        int status = answer ? kAnswerWalk[step] : kDialWalk[step];
        if (auto s = tx.Update(kinds::kJob, record.name, {{job::kStep, std::to_string(step)}}); !s)
            return s;
        if (auto s = SetProfileStatus(tx, profile->name, status, record.Get(job::kName), ""); !s)
            return s;
        ListFilter mine;
        mine.namePrefix = record.name + "/";
        auto connections = tx.List(kinds::kConnectionJob, mine);
        if (!connections) return connections.status();
        long connected = status == st::kActive ? elapsed - static_cast<long>(walkSize - 1) : 0;
        for (const auto& connection : *connections) {
            Attributes update = {{con::kStatus, std::to_string(status)},
                                 {con::kConnectedSeconds, std::to_string(connected)},
                                 {con::kLcpStatus, NegotiationState(status, true)},
                                 {con::kIpcpStatus, NegotiationState(status, false)}};
            if (auto s = tx.Update(kinds::kConnectionJob, connection.name, update); !s) return s;
        }
    }
    return Status::Ok();
}

Status PppJobs::AdvanceClock(long seconds) {
    if (seconds < 0) return Message("CPD0086", {std::to_string(seconds), "SECONDS", "0", "*"});
    std::lock_guard lock(m_mutex);
    WriteTransaction write(m_db);
    if (auto s = write.Begin(); !s) return s;
    ObjectTx tx(m_db);
    auto now = ReadCounter(tx, "clock", 0);
    if (!now) return now.status();
    long later = *now + seconds;
    if (auto s = tx.SetInfo("clock", std::to_string(later)); !s) return s;
    if (auto s = Step(tx, later); !s) return s;
    return write.Commit();
}

}  // namespace ptp::server
