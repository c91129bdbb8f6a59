#pragma once
// ptpctl's view of the plug-in's files on a server: a packet rules file as the plug-in would write
// it and the identifiers it offers, and the records of the keyed configuration files. They run on
// the host installed in this process.
#include <cstdint>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

namespace ptp::res {
class ResourceModule;
}

namespace CLI {
class App;
}

namespace ptp::rules {
class CNATRulesFile;
}

namespace ptp::cli {

// Exit statuses.
inline constexpr int kFileCommandOk = 0;
inline constexpr int kFileCommandDropped = 1;
inline constexpr int kFileCommandUnreadable = 2;

class FileCommands {
  public:
    FileCommands(std::shared_ptr<res::ResourceModule> texts, std::ostream& out, std::ostream& err);
    ~FileCommands();

    // Adds "rules show PATH", "rules ids PATH" and "config show FILE" to `app`.
    void Register(CLI::App& app);
    // Runs the command that was parsed; false when none of these was.
    [[nodiscard]] bool Parsed() const;
    int Run(const std::string& system);

    // "rules show": the statements as the writer writes them; each dropped statement on `err`.
    int RulesShow(const std::string& system, const std::string& path);
    // "rules ids": the identifiers the TCP/IP settings pages offer, one a line.
    int RulesIds(const std::string& system, const std::string& path);
    // "config show": the records of grouppolicy, l2tpline, pppoeline, cnnlist, ras or
    // dhcpwanclient, one line each, as the writer writes them.
    int ConfigShow(const std::string& system, const std::string& file);

  private:
    // Loads `file` with the read prompts on `err`; false (reported) when it cannot be read.
    bool LoadRules(rules::CNATRulesFile& file, const std::string& path);
    std::string Text(std::uint32_t id, const std::vector<std::string>& args = {}) const;

    std::shared_ptr<res::ResourceModule> m_texts;
    std::ostream& m_out;
    std::ostream& m_err;
    CLI::App* m_pRulesShow = nullptr;
    CLI::App* m_pRulesIds = nullptr;
    CLI::App* m_pConfigShow = nullptr;
    std::string m_strPath;
    std::string m_strConfigFile;
};

}  // namespace ptp::cli
