// ptpctl: the console's server operations from a shell, on the same host client the console uses.
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <filesystem>
#include <iostream>

#include "cli/plugin_commands/ptpctl_plugin_commands.h"
#include "cli/ptpctl/ptpctl_operations.h"
#include "cli/ptpctl_file_commands.h"
#include "resources/ids/ptpctl.h"
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

    CLI::App app{text(IDS_PTPCTL_ABOUT), "ptpctl"};
    app.require_subcommand(1);
    std::string state = ptp::server::ServerState::DefaultRoot().string();
    std::string system;
    app.add_option("--state", state, operations.Text(IDS_PTPCTL_STATE_OPTION, {state}));
    app.add_option("--system", system, text(IDS_PTPCTL_SYSTEM_OPTION));

    auto* systemCommand = app.add_subcommand("system", text(IDS_PTPCTL_SYSTEM_COMMAND));
    systemCommand->require_subcommand(1);
    auto* add = systemCommand->add_subcommand("add", text(IDS_PTPCTL_SYSTEM_ADD));
    std::string newName;
    std::string release = "050400";
    bool noAuthority = false;
    add->add_option("NAME", newName, text(IDS_PTPCTL_SYSTEM_ADD_NAME))->required();
    add->add_option("--release", release, text(IDS_PTPCTL_SYSTEM_ADD_RELEASE));
    add->add_flag("--no-authority", noAuthority, text(IDS_PTPCTL_SYSTEM_ADD_NO_AUTHORITY));
    auto* list = systemCommand->add_subcommand("list", text(IDS_PTPCTL_SYSTEM_LIST));

    auto* demo = app.add_subcommand("demo", text(IDS_PTPCTL_DEMO));
    int scale = 0;
    demo->add_option("--scale", scale, text(IDS_PTPCTL_DEMO_SCALE))->check(CLI::NonNegativeNumber);

    auto* cl = app.add_subcommand("cl", text(IDS_PTPCTL_CL));
    std::string command;
    cl->add_option("COMMAND", command, text(IDS_PTPCTL_CL_COMMAND))->required();

    auto* objects = app.add_subcommand("objects", text(IDS_PTPCTL_OBJECTS));
    std::string kind;
    std::string name;
    bool kinds = false;
    objects->add_option("KIND", kind, text(IDS_PTPCTL_OBJECTS_KIND));
    objects->add_option("NAME", name, text(IDS_PTPCTL_OBJECTS_NAME));
    objects->add_flag("--kinds", kinds, text(IDS_PTPCTL_OBJECTS_KINDS));

    auto* object = app.add_subcommand("object", text(IDS_PTPCTL_OBJECT));
    object->require_subcommand(1);
    auto* put = object->add_subcommand("put", text(IDS_PTPCTL_OBJECT_PUT));
    std::vector<std::string> values;
    put->add_option("KIND", kind, text(IDS_PTPCTL_OBJECTS_KIND))->required();
    put->add_option("NAME", name, text(IDS_PTPCTL_OBJECTS_NAME))->required();
    put->add_option("VALUES", values, text(IDS_PTPCTL_OBJECT_PUT_VALUES));
    auto* remove = object->add_subcommand("delete", text(IDS_PTPCTL_OBJECT_DELETE));
    remove->add_option("KIND", kind, text(IDS_PTPCTL_OBJECTS_KIND))->required();
    remove->add_option("NAME", name, text(IDS_PTPCTL_OBJECTS_NAME))->required();

    auto* file = app.add_subcommand("file", text(IDS_PTPCTL_FILE));
    file->require_subcommand(1);
    std::string path;
    std::string local;
    int ccsid = 0;
    auto* get = file->add_subcommand("get", text(IDS_PTPCTL_FILE_GET));
    get->add_option("PATH", path, text(IDS_PTPCTL_FILE_SERVER_PATH))->required();
    get->add_option("LOCAL", local, text(IDS_PTPCTL_FILE_GET_LOCAL));
    auto* filePut = file->add_subcommand("put", text(IDS_PTPCTL_FILE_PUT));
    filePut->add_option("LOCAL", local, text(IDS_PTPCTL_FILE_PUT_LOCAL))->required();
    filePut->add_option("PATH", path, text(IDS_PTPCTL_FILE_SERVER_PATH))->required();
    filePut->add_option("--ccsid", ccsid, text(IDS_PTPCTL_FILE_CCSID));
    auto* ls = file->add_subcommand("ls", text(IDS_PTPCTL_FILE_LS));
    ls->add_option("PATTERN", path, text(IDS_PTPCTL_FILE_PATTERN))->required();

    auto* log = app.add_subcommand("log", text(IDS_PTPCTL_LOG));
    std::size_t tail = 0;
    log->add_option("--tail", tail, text(IDS_PTPCTL_LOG_TAIL));

    auto* clock = app.add_subcommand("clock", text(IDS_PTPCTL_CLOCK));
    clock->require_subcommand(1);
    auto* advance = clock->add_subcommand("advance", text(IDS_PTPCTL_CLOCK_ADVANCE));
    long seconds = 0;
    advance->add_option("SECONDS", seconds, text(IDS_PTPCTL_CLOCK_SECONDS))->required();

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
