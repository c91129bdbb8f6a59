#pragma once
// The systems the administrator added to the console, kept in the console's state folder so the
// tree looks the same after a restart.
#include <filesystem>
#include <string>
#include <vector>

#include "console/console_error.h"

namespace ptp::console {

struct SystemEntry {
    std::string name;     // upper case
    std::string release;  // VVRRMM
};

class SystemStore {
  public:
    explicit SystemStore(std::filesystem::path stateDir);

    // Reads the saved list; a missing file is an empty list.
    [[nodiscard]] Result<bool> Load();
    [[nodiscard]] const std::vector<SystemEntry>& Systems() const { return m_systems; }
    [[nodiscard]] const SystemEntry* Find(std::string_view name) const;
    [[nodiscard]] Result<bool> Add(SystemEntry entry);
    [[nodiscard]] Result<bool> Remove(std::string_view name);
    [[nodiscard]] const std::filesystem::path& StateDir() const { return m_stateDir; }

  private:
    [[nodiscard]] Result<bool> Save() const;

    std::filesystem::path m_stateDir;
    std::vector<SystemEntry> m_systems;
};

[[nodiscard]] std::string UpperCase(std::string_view text);

}  // namespace ptp::console
