#include "console/start_address_file.h"

#include <fcntl.h>
#include <unistd.h>

namespace ptp::console {

bool StartAddressFile::Write(const std::filesystem::path& stateDir, const std::string& address) {
    std::error_code ec;
    std::filesystem::create_directories(stateDir, ec);
    const auto path = stateDir / kFileName;
    std::filesystem::remove(path, ec);
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    const std::string line = address + "\n";
    const bool written = ::write(fd, line.data(), line.size()) == static_cast<ssize_t>(line.size());
    const bool closed = ::close(fd) == 0;
    if (!written || !closed) {
        std::filesystem::remove(path, ec);
        return false;
    }
    m_path = path;
    return true;
}

StartAddressFile::~StartAddressFile() {
    if (m_path.empty()) return;
    std::error_code ec;
    std::filesystem::remove(m_path, ec);
}

}  // namespace ptp::console
