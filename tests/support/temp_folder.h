#pragma once
// A fresh folder under the system's temp folder, removed with everything in it at the end.
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <string>

namespace ptp::testing {

class TempFolder {
  public:
    TempFolder() {
        static std::atomic<int> counter{0};
        m_path = std::filesystem::temp_directory_path() /
                 ("ptp-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
        std::filesystem::remove_all(m_path);
        std::filesystem::create_directories(m_path);
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(m_path, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    [[nodiscard]] const std::filesystem::path& Path() const { return m_path; }
    [[nodiscard]] std::string operator/(const std::string& name) const {
        return (m_path / name).string();
    }

  private:
    std::filesystem::path m_path;
};

}  // namespace ptp::testing
