// ptpctl: the console's server operations from a shell, on the same host client the console uses.
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <filesystem>
#include <iostream>

#include "cli/plugin_commands/ptpctl_plugin_commands.h"
#include "cli/ptpctl/ptpctl_operations.h"
#include "cli/ptpctl/ptpctl_texts.h"
#include "cli/ptpctl_file_commands.h"
#include "server/server_state.h"
#include "server/system.h"

namespace {

// The resource library ships next to the program.
std::shared_ptr<ptp::res::ResourceModule> LoadTexts() {
    std::error_code ec;
    std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    std::string error;
    auto texts = ptp::res::ResourceModule::LoadLibrary(
        (self.parent_path() / "libptpres.so").string(), &error);
    if (texts) return texts;
    // Without its texts ptpctl can say only this much, and only in English.
    std::cerr << "ptpctl: the resource library libptpres.so next to ptpctl cannot be loaded: "
              << error << '\n';
    return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace ptp::cli;
    auto texts = LoadTexts();
    if (!texts) return 2;
    Operations operations(texts, std::cout, std::cerr);
    auto text = [&](std::uint32_t id) { return operations.Text(id); };

    CLI::App app{text(ids::kAbout), "ptpctl"};
    app.require_subcommand(1);
    std::string state = ptp::server::ServerState::DefaultRoot().string();
    std::string system;
    app.add_option("--state", state, operations.Text(ids::kStateOption, {state}));
    app.add_option("--system", system, text(ids::kSystemOption));

    auto* systemCommand = app.add_subcommand("system", text(ids::kSystemCommand));
    systemCommand->require_subcommand(1);
    auto* add = systemCommand->add_subcommand("add", text(ids::kSystemAdd));
    std::string newName;
    std::string release = "050400";
    bool noAuthority = false;
    add->add_option("NAME", newName, text(ids::kSystemAddName))->required();
    add->add_option("--release", release, text(ids::kSystemAddRelease));
    add->add_flag("--no-authority", noAuthority, text(ids::kSystemAddNoAuthority));
    auto* list = systemCommand->add_subcommand("list", text(ids::kSystemList));

    auto* demo = app.add_subcommand("demo", text(ids::kDemo));
    int scale = 0;
    demo->add_option("--scale", scale, text(ids::kDemoScale))->check(CLI::NonNegativeNumber);

    auto* cl = app.add_subcommand("cl", text(ids::kCl));
    std::string command;
    cl->add_option("COMMAND", command, text(ids::kClCommand))->required();

    auto* objects = app.add_subcommand("objects", text(ids::kObjects));
    std::string kind;
    std::string name;
    bool kinds = false;
    objects->add_option("KIND", kind, text(ids::kObjectsKind));
    objects->add_option("NAME", name, text(ids::kObjectsName));
    objects->add_flag("--kinds", kinds, text(ids::kObjectsKinds));

    auto* object = app.add_subcommand("object", text(ids::kObject));
    object->require_subcommand(1);
    auto* put = object->add_subcommand("put", text(ids::kObjectPut));
    std::vector<std::string> values;
    put->add_option("KIND", kind, text(ids::kObjectsKind))->required();
    put->add_option("NAME", name, text(ids::kObjectsName))->required();
    put->add_option("VALUES", values, text(ids::kObjectPutValues));
    auto* remove = object->add_subcommand("delete", text(ids::kObjectDelete));
    remove->add_option("KIND", kind, text(ids::kObjectsKind))->required();
    remove->add_option("NAME", name, text(ids::kObjectsName))->required();

    auto* file = app.add_subcommand("file", text(ids::kFile));
    file->require_subcommand(1);
    std::string path;
    std::string local;
    int ccsid = 0;
    auto* get = file->add_subcommand("get", text(ids::kFileGet));
    get->add_option("PATH", path, text(ids::kFileServerPath))->required();
    get->add_option("LOCAL", local, text(ids::kFileGetLocal));
    auto* filePut = file->add_subcommand("put", text(ids::kFilePut));
    filePut->add_option("LOCAL", local, text(ids::kFilePutLocal))->required();
    filePut->add_option("PATH", path, text(ids::kFileServerPath))->required();
    filePut->add_option("--ccsid", ccsid, text(ids::kFileCcsid));
    auto* ls = file->add_subcommand("ls", text(ids::kFileLs));
    ls->add_option("PATTERN", path, text(ids::kFilePattern))->required();

    auto* log = app.add_subcommand("log", text(ids::kLog));
    std::size_t tail = 0;
    log->add_option("--tail", tail, text(ids::kLogTail));

    auto* clock = app.add_subcommand("clock", text(ids::kClock));
    clock->require_subcommand(1);
    auto* advance = clock->add_subcommand("advance", text(ids::kClockAdvance));
    long seconds = 0;
    advance->add_option("SECONDS", seconds, text(ids::kClockSeconds))->required();

    FileCommands fileCommands(texts, std::cout, std::cerr);
    fileCommands.Register(app);
    // These texts are formatted with their arguments where they are used.
    PluginCommands pluginCommands(app, [&](std::uint32_t id) { return texts->String(id); });

    CLI11_PARSE(app, argc, argv);
    operations.SetState(state);
    operations.SetSystem(system);

    if (fileCommands.Parsed()) {
        ptp::server::System* named = operations.InstallHost();
        return named ? fileCommands.Run(named->Name()) : kFileCommandUnreadable;
    }
    if (auto status = pluginCommands.Run(state, system, std::cin, std::cout, std::cerr))
        return *status;

    if (add->parsed()) return operations.AddSystem(newName, release, noAuthority);
    if (list->parsed()) return operations.ListSystems();
    if (demo->parsed()) return operations.Demo(scale);
    if (cl->parsed()) return operations.RunCl(command);
    if (objects->parsed())
        return kinds || kind.empty() ? operations.ListKinds() : operations.PrintObjects(kind, name);
    if (put->parsed()) return operations.PutObject(kind, name, values);
    if (remove->parsed()) return operations.DeleteObject(kind, name);
    if (get->parsed()) return operations.GetFile(path, local);
    if (filePut->parsed()) return operations.PutFile(local, path, ccsid);
    if (ls->parsed()) return operations.ListFiles(path);
    if (log->parsed()) return operations.PrintLog(tail);
    if (advance->parsed()) return operations.AdvanceClock(seconds);
    return 2;
}
