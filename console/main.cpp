// ptpconsole: the local web console. Prints the start URL and serves until interrupted.
#include <pthread.h>
#include <signal.h>

#include <CLI/CLI.hpp>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "console/console_app.h"
#include "console/console_http.h"
#include "console/listen_address.h"
#include "console/start_address_file.h"
#include "console/web_assets.h"

namespace {

std::filesystem::path DefaultStateDir() {
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config != nullptr && *config != '\0') {
        return std::filesystem::path(config) / "ptpconsole";
    }
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
        return std::filesystem::path(home) / ".config" / "ptpconsole";
    }
    return std::filesystem::current_path() / ".ptpconsole";
}

std::filesystem::path ProgramDir() {
    std::error_code ec;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::current_path() : self.parent_path();
}

}  // namespace

int main(int argc, char** argv) {
    // Interrupts are taken by one thread with sigwait, so stopping runs as ordinary code and not
    // inside a signal handler; every thread started later inherits the blocked mask.
    sigset_t interrupts;
    sigemptyset(&interrupts);
    sigaddset(&interrupts, SIGINT);
    sigaddset(&interrupts, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &interrupts, nullptr);

    CLI::App cli{"ptpconsole: the web console for point-to-point remote access"};
    ptp::console::ConsoleOptions options;
    std::string stateDir;
    std::string webDir;
    cli.add_option("--state", stateDir, "Folder of the console's state (systems, registry)");
    cli.add_option("--port", options.port, "Port to listen on (0 picks a free one)")
        ->check(CLI::Range(0, 65535));
    cli.add_option("--bind", options.bindAddress, "Address to listen on (default 127.0.0.1)");
    bool allowRemote = false;
    cli.add_flag("--allow-remote", allowRemote,
                 "Allow --bind to an address other machines reach (the console is not encrypted)");
    cli.add_option("--web", webDir, "Folder of the browser UI's files");
    cli.add_flag("--demo", options.demo, "Set up and show the embedded demo system");
    CLI11_PARSE(cli, argc, argv);

    if (const auto refused = ptp::console::RefuseListenAddress(options.bindAddress, allowRemote)) {
        std::fprintf(stderr, "ptpconsole: %s\n", refused->c_str());
        return 2;
    }
    options.stateDir = stateDir.empty() ? DefaultStateDir() : std::filesystem::path(stateDir);
    options.webDir = webDir.empty() ? ProgramDir() / "web" : std::filesystem::path(webDir);
    options.libraryDir = ProgramDir();

    ptp::console::WebAssets assets;
    if (!assets.Load(options.webDir)) {
        std::fprintf(stderr, "ptpconsole: the browser UI's files are missing in %s\n",
                     options.webDir.c_str());
        return 1;
    }
    ptp::console::ConsoleApp app(options);
    if (auto started = app.Start(); !started) {
        std::fprintf(stderr, "ptpconsole: %s\n", started.error().message.c_str());
        return 1;
    }
    ptp::console::ConsoleHttp http(app, assets);
    if (!http.Bind(options.bindAddress, options.port)) {
        std::fprintf(stderr, "ptpconsole: cannot listen on %s port %d\n",
                     options.bindAddress.c_str(), options.port);
        return 1;
    }
    std::thread([&http, interrupts] {
        int signal = 0;
        sigwait(&interrupts, &signal);
        http.Stop();
    }).detach();
    if (const auto warning = ptp::console::RemoteListenWarning(options.bindAddress);
        !warning.empty())
        std::fprintf(stderr, "ptpconsole: %s\n", warning.c_str());
    ptp::console::StartAddressFile addressFile;
    if (!addressFile.Write(options.stateDir, http.StartUrl())) {
        std::fprintf(stderr, "ptpconsole: cannot write %s in %s; the address is only shown here\n",
                     ptp::console::StartAddressFile::kFileName, options.stateDir.c_str());
    }
    std::printf("ptpconsole is ready. Open this address in your browser:\n%s\n",
                http.StartUrl().c_str());
    std::fflush(stdout);
    const bool served = http.Serve();
    app.Stop();
    return served ? 0 : 1;
}
