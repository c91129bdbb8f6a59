#include "cli/plugin_session/ptpctl_sheet_commands.h"

#include <ostream>

#include "cli/plugin_session/console_run.h"
#include "cli/plugin_session/console_sheets.h"

namespace ptp::cli {
namespace {

// Texts of "ui open" (resources/strings/ptpctl.json).
enum Text : std::uint32_t {
    kUiHelp = 32060,
    kOpenHelp = 32061,
    kKindHelp = 32062,
    kNameHelp = 32063,
    kNewHelp = 32066,
    kBasedOnHelp = 32067,
    kScriptHelp = 32068,
    kAnswerHelp = 32069,
    kNoSystem = 32070,
    kScriptUnreadable = 32071,
    kErrorLine = 32050,
};

std::vector<std::string> SheetKinds() {
    std::vector<std::string> kinds;
    for (const ConsoleSheet& sheet : ConsoleSheets())
        kinds.emplace_back(sheet.kind);
    return kinds;
}

}  // namespace

SheetCommands::SheetCommands(CLI::App& app, TextFunction text) : m_text(std::move(text)) {
    auto* ui = app.add_subcommand("ui", m_text(kUiHelp, {}));
    ui->require_subcommand(1);
    m_pOpen = ui->add_subcommand("open", m_text(kOpenHelp, {}));
    m_pOpen->add_option("KIND", m_strKind, m_text(kKindHelp, {}))
        ->required()
        ->check(CLI::IsMember(SheetKinds(), CLI::ignore_case));
    auto* name = m_pOpen->add_option("NAME", m_strName, m_text(kNameHelp, {}));
    auto* isNew = m_pOpen->add_flag("--new", m_bNew, m_text(kNewHelp, {}));
    auto* basedOn = m_pOpen->add_option("--based-on", m_strBasedOn, m_text(kBasedOnHelp, {}));
    name->excludes(isNew)->excludes(basedOn);
    isNew->excludes(basedOn);
    m_pOpen->add_option("--script", m_strScript, m_text(kScriptHelp, {}))->required();
    m_pOpen->add_option("--answer", m_answers, m_text(kAnswerHelp, {}))
        ->check(CLI::IsMember({"yes", "no", "ok", "cancel"}));
}

std::optional<int> SheetCommands::Run(const std::filesystem::path& stateRoot,
                                      const std::string& systemName, std::ostream& out,
                                      std::ostream& err) {
    if (!m_pOpen->parsed()) return std::nullopt;
    auto fail = [&](const std::string& why) {
        err << m_text(kErrorLine, {why}) << '\n';
        return 1;
    };
    const ConsoleSheet* sheet = FindConsoleSheet(m_strKind);
    if (!sheet) return fail(m_strKind);
    const auto script = ScriptText(m_strScript, m_answers);
    if (!script) return fail(m_text(kScriptUnreadable, {m_strScript}));

    std::string error;
    auto console = ConsoleRun::Start(stateRoot, systemName, error);
    if (!console) return fail(error.empty() ? m_text(kNoSystem, {UpperText(systemName)}) : error);
    SheetRequest request{console->SystemName(), m_strName, m_strBasedOn, false, m_text};
    host::SOFError* authorityError = nullptr;
    request.changeable =
        console->Host().Facts().HasConfigurationAuthority(request.system, &authorityError);
    if (authorityError) authorityError->Destroy();

    const auto outcome = console->PlayAndPrint(
        *script, [&](std::string& why) { return sheet->open(request, why); }, out);
    if (!outcome.ran) return fail(outcome.error);
    return outcome.playedThrough ? 0 : 1;
}

}  // namespace ptp::cli
