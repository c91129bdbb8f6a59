#include "config/server_file_version.h"

#include <array>

#include "host/host_services.h"

namespace ptp::config {
std::optional<std::vector<std::string>> ReadServerFileLines(std::string_view systemName,
                                                            std::string_view serverPath) {
    host::IHost* host = host::GetHost();
    if (host == nullptr) return std::nullopt;
    int result = -1;
    std::unique_ptr<host::IServerFile> file =
        host->Files().CreateFile(systemName, serverPath, result);
    if (!file || result != host::kFileOk || file->Open(3, 1, 1) != host::kFileOk)
        return std::nullopt;
    std::vector<std::string> lines;
    std::array<char, kServerLineBufferSize> buffer{};
    for (;;) {
        buffer[0] = '\0';
        const int read = file->ReadLine(buffer.data(), buffer.size());
        if (read != host::kFileOk && read != host::kFileEndOfFile) break;
        buffer.back() = '\0';
        if (read == host::kFileOk || buffer[0] != '\0') lines.emplace_back(buffer.data());
        if (read == host::kFileEndOfFile) break;
    }
    file->Close();
    return lines;
}

bool CServerFileVersion::IsCurrent(std::string_view systemName, std::string_view serverPath) const {
    if (!m_bKnown) return true;
    return ReadServerFileLines(systemName, serverPath) == m_lines;
}

}  // namespace ptp::config
