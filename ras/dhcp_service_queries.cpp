#include "ras/dhcp_service_queries.h"

#include <array>

#include "config/config_text.h"
#include "config/file_prompts.h"
#include "config/server_path.h"
#include "host/host_services.h"
#include "host/server_calls.h"
#include "platform/vocabulary/job.h"
#include "platform/vocabulary/kinds.h"
#include "resources/ids/files.h"

namespace ptp::ras {
namespace {

constexpr std::string_view kServerJobUser = "QTCP";
constexpr std::string_view kActive = "*ACTIVE";
constexpr std::size_t kAttributeLineSize = 100;

std::string Attribute(host::IServerObject& job, int id, host::SOFError** error) {
    return job.GetAttributeText(id, error);
}

}  // namespace

bool IsServerJobActive(std::string_view systemName, std::string_view jobName) {
    host::IHost* host = host::GetHost();
    if (!host) return false;
    host::SOFError* error = nullptr;
    auto jobs =
        host->Objects().CreateList(kinds::kJob, host::kClientName, systemName, jobName, &error);
    bool active = false;
    if (jobs && !error && host::LoadList(*jobs, &error)) {
        const long count = jobs->GetCount(&error);
        for (long index = 0; !active && !error && index < count; ++index) {
            host::IServerObject* job = jobs->ElementAt(index, &error);
            if (!job || error) break;
            active = Attribute(*job, attr::job::kName, &error) == jobName &&
                     Attribute(*job, attr::job::kUser, &error) == kServerJobUser &&
                     Attribute(*job, attr::job::kStatus, &error) == kActive && !error;
        }
    }
    if (error) error->Destroy();
    return active;
}

bool IsDhcpServerJobActive(std::string_view systemName) {
    return IsServerJobActive(systemName, kDhcpServerJob);
}

bool IsBootpServerJobActive(std::string_view systemName) {
    return IsServerJobActive(systemName, kBootpServerJob);
}

bool IsDhcpRelayJobActive(std::string_view systemName) {
    return IsServerJobActive(systemName, kDhcpRelayJob);
}

int IsDhcpServerMode(std::string_view systemName) {
    host::IHost* host = host::GetHost();
    int result = -1;
    auto file = host ? host->Files().CreateFile(systemName,
                                                config::ToServerPath(kDhcpAttributesFile), result)
                     : nullptr;
    if (!file || result != host::kFileOk || file->Open(3, 1, 8) != host::kFileOk) {
        config::GetFilePrompts().ShowMessage(IDS_FILE_READ_WRITE_ERROR,
                                             {std::string(kDhcpAttributesFile)});
        return 0;
    }
    std::array<char, kAttributeLineSize + 1> line{};
    const int first = file->ReadLine(line.data(), line.size());
    line.fill('\0');
    const int second = first == host::kFileOk ? file->ReadLine(line.data(), line.size()) : first;
    file->Close();
    if (second != host::kFileOk && second != host::kFileEndOfFile) {
        config::GetFilePrompts().ShowMessage(IDS_FILE_READ_WRITE_ERROR,
                                             {std::string(kDhcpAttributesFile)});
        return 0;
    }
    const std::string_view text(line.data());
    return config::EqualsNoCase(text.substr(0, text.find(' ')), "*SERVER") ? 1 : 0;
}

}  // namespace ptp::ras
