#pragma once
// The console's start address (with its token) kept in a file of the state folder that only the
// user can read, so a second terminal or a script finds the running console without the token
// being put anywhere else. The file goes when the console stops.
#include <filesystem>
#include <string>

namespace ptp::console {

class StartAddressFile {
  public:
    // The file's name in the state folder.
    static constexpr const char* kFileName = "console-address";

    // Writes `address` to the file, created with mode 0600 (an older file is replaced, not
    // reused, so its mode cannot leak). False when it cannot be written.
    bool Write(const std::filesystem::path& stateDir, const std::string& address);
    ~StartAddressFile();

  private:
    std::filesystem::path m_path;
};

}  // namespace ptp::console
