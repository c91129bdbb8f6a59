#include "cli/ptpctl_file_commands.h"

#include <CLI/CLI.hpp>
#include <ostream>

#include "config/config_paths.h"
#include "config/file_prompts.h"
#include "config/group_policy_config.h"
#include "config/l2tp_line_config.h"
#include "config/line_cnnlst_config.h"
#include "config/pppoe_line_config.h"
#include "config/ras_config.h"
#include "config/ras_dhcp_config.h"
#include "platform/res/resource_module.h"
#include "resources/ids/files.h"
#include "rules/nat_rules_file.h"
#include "rules/nat_rules_writer.h"

namespace ptp::cli {
namespace {

// File messages go to the error stream; nobody is there to answer a question, so it is No.
class StreamPrompts final : public config::IFilePrompts {
  public:
    explicit StreamPrompts(std::ostream& err) : m_err(err) {}
    void ShowMessage(std::uint32_t id, const std::vector<std::string>& args) override {
        m_err << config::FormatFilePrompt(id, args) << '\n';
    }
    bool AskYesNo(std::uint32_t, const std::vector<std::string>&) override { return false; }

  private:
    std::ostream& m_err;
};

template <class TFile>
int PrintRecords(const std::string& system, std::string_view path, std::ostream& out) {
    TFile file(system, path, 0);
    if (file.Load() != config::kFileResultOk) return kFileCommandUnreadable;
    for (auto* record = file.GetFirst(); record != nullptr; record = file.GetNext()) {
        out << record->ToLine() << '\n';
    }
    return kFileCommandOk;
}

}  // namespace

FileCommands::FileCommands(std::shared_ptr<res::ResourceModule> texts, std::ostream& out,
                           std::ostream& err)
    : m_texts(std::move(texts)), m_out(out), m_err(err) {}

FileCommands::~FileCommands() = default;

std::string FileCommands::Text(std::uint32_t id, const std::vector<std::string>& args) const {
    if (!m_texts) return "[" + std::to_string(id) + "]";
    return res::FormatText(m_texts->String(id), args);
}

void FileCommands::Register(CLI::App& app) {
    auto* rules = app.add_subcommand("rules", Text(IDS_PTPCTL_RULES_COMMAND));
    rules->require_subcommand(1);
    m_pRulesShow = rules->add_subcommand("show", Text(IDS_PTPCTL_RULES_SHOW));
    m_pRulesShow->add_option("PATH", m_strPath, Text(IDS_PTPCTL_RULES_PATH))->required();
    m_pRulesIds = rules->add_subcommand("ids", Text(IDS_PTPCTL_RULES_IDS));
    m_pRulesIds->add_option("PATH", m_strPath, Text(IDS_PTPCTL_RULES_PATH))->required();
    auto* configCommand = app.add_subcommand("config", Text(IDS_PTPCTL_CONFIG_COMMAND));
    configCommand->require_subcommand(1);
    m_pConfigShow = configCommand->add_subcommand("show", Text(IDS_PTPCTL_CONFIG_SHOW));
    m_pConfigShow->add_option("FILE", m_strConfigFile, Text(IDS_PTPCTL_CONFIG_FILE))
        ->required()
        ->check(CLI::IsMember(
            {"grouppolicy", "l2tpline", "pppoeline", "cnnlist", "ras", "dhcpwanclient"}));
}

bool FileCommands::Parsed() const {
    return (m_pRulesShow && m_pRulesShow->parsed()) || (m_pRulesIds && m_pRulesIds->parsed()) ||
           (m_pConfigShow && m_pConfigShow->parsed());
}

int FileCommands::Run(const std::string& system) {
    if (m_pRulesShow && m_pRulesShow->parsed()) return RulesShow(system, m_strPath);
    if (m_pRulesIds && m_pRulesIds->parsed()) return RulesIds(system, m_strPath);
    return ConfigShow(system, m_strConfigFile);
}

bool FileCommands::LoadRules(rules::CNATRulesFile& file, const std::string& path) {
    StreamPrompts prompts(m_err);
    config::SetFilePromptResources(m_texts);
    config::SetFilePrompts(&prompts);
    const int loaded = file.Load(false);
    config::SetFilePrompts(nullptr);
    if (loaded == rules::kRulesResultOk) return true;
    m_err << Text(IDS_PTPCTL_RULES_UNREADABLE, {path, std::to_string(loaded)}) << '\n';
    return false;
}

int FileCommands::RulesShow(const std::string& system, const std::string& path) {
    rules::CNATRulesFile file(system, path, false, 0);
    if (!LoadRules(file, path)) return kFileCommandUnreadable;
    rules::WriteRulesLines(file.GetStatements(),
                           [this](std::string_view line, int) { m_out << line << '\n'; });
    for (const rules::DroppedStatement& dropped : file.GetDropped()) {
        m_err << Text(IDS_PTPCTL_DROPPED_STATEMENT, {std::to_string(dropped.line), dropped.text})
              << '\n';
    }
    return file.GetDropped().empty() ? kFileCommandOk : kFileCommandDropped;
}

int FileCommands::RulesIds(const std::string& system, const std::string& path) {
    rules::CNATRulesFile file(system, path, false, 0);
    if (!LoadRules(file, path)) return kFileCommandUnreadable;
    for (const std::string& id : rules::CollectFilterIdentifiers(file))
        m_out << id << '\n';
    return kFileCommandOk;
}

int FileCommands::ConfigShow(const std::string& system, const std::string& which) {
    StreamPrompts prompts(m_err);
    config::SetFilePromptResources(m_texts);
    config::SetFilePrompts(&prompts);
    int result = kFileCommandUnreadable;
    std::string_view path;
    if (which == "grouppolicy") {
        path = config::kGroupPolicyConfigPath;
        result =
            PrintRecords<config::CPointToPointProfileGroupPolicyConfigFile>(system, path, m_out);
    } else if (which == "l2tpline") {
        path = config::kL2TPLineConfigPath;
        result = PrintRecords<config::CPointToPointProfileL2TPLineConfigFile>(system, path, m_out);
    } else if (which == "pppoeline") {
        path = config::kPPPoELineConfigPath;
        result = PrintRecords<config::CPointToPointProfilePPPoELineConfigFile>(system, path, m_out);
    } else if (which == "cnnlist") {
        path = config::kLineCnnlstConfigPath;
        result =
            PrintRecords<config::CPointToPointProfileLineCnnlstConfigFile>(system, path, m_out);
    } else if (which == "ras") {
        path = config::kRASConfigPath;
        result = PrintRecords<config::CPointToPointRASConfigFile>(system, path, m_out);
    } else if (which == "dhcpwanclient") {
        path = config::kRASDHCPConfigPath;
        result = PrintRecords<config::CPointToPointRASDHCPConfigFile>(system, path, m_out);
    }
    config::SetFilePrompts(nullptr);
    if (result == kFileCommandUnreadable) {
        m_err << Text(IDS_PTPCTL_CONFIG_UNREADABLE, {std::string(path.empty() ? which : path)})
              << '\n';
    }
    return result;
}

}  // namespace ptp::cli
