#pragma once
// What the folder and menu benchmarks run on: a state folder in the temp area with one system,
// seeded by the benchmark, then the plug-in loaded through a registry in that folder as a console
// loads it, with a script driver installed.
#include <stdlib.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "console/session/plugin_session.h"
#include "host/in_process_host.h"
#include "platform/com/registry.h"
#include "platform/ui/driver.h"
#include "platform/ui/script_driver.h"
#include "server/system.h"
#include "tests/support/test_paths.h"

namespace ptp::bench {

struct PluginBench {
    std::filesystem::path root;
    std::string systemName;
    std::unique_ptr<host::InProcessHost> host;
    std::unique_ptr<session::PluginSession> session;
    ui::ScriptDriver driver;
    std::unique_ptr<ui::ScopedDriver> scoped;

    // `seed` fills the new system before the plug-in starts.
    PluginBench(std::string system, const std::function<void(server::System&)>& seed)
        : systemName(std::move(system)) {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "ptp-bench-XXXXXX").string();
        root = mkdtemp(pattern.data());
        SetRegistryDirectory(root.string());
        host = std::make_unique<host::InProcessHost>(
            host::InProcessOptions{root / "state", "NXWIN", ""});
        (void)host->State().AddSystem(systemName);
        host::SetHost(host.get());
        seed(System());
        std::string error;
        auto resources = res::ResourceModule::LoadLibrary(test::BinDir() + "/libptpres.so", &error);
        session = std::make_unique<session::PluginSession>(*host, resources,
                                                           test::BinDir() + "/libptpext.so");
        host->SetPresenter(&session->Bridge());
        session::Failure failure;
        if (!session->Start(failure)) std::fprintf(stderr, "plug-in: %s\n", failure.text.c_str());
        // A console reads a registry written long before it started. One written a moment ago
        // is read again at every lookup (the registry trusts a file once it has settled), which
        // would make the first second of a benchmark measure the registry.
        std::error_code ignored;
        std::filesystem::last_write_time(
            root / "registry.json",
            std::filesystem::file_time_type::clock::now() - std::chrono::seconds(10), ignored);
        scoped = std::make_unique<ui::ScopedDriver>(driver);
    }
    ~PluginBench() {
        scoped.reset();
        session.reset();
        host::SetHost(nullptr);
        host.reset();
        SetRegistryDirectory("");
        std::filesystem::remove_all(root);
    }
    PluginBench(const PluginBench&) = delete;
    PluginBench& operator=(const PluginBench&) = delete;

    server::System& System() { return *host->SystemFor(systemName); }
};

// The one bench of a benchmark program, made on first use. EndTheBench() must run before main
// returns: a function-local static would outlive the plug-in library's own globals, and its
// session would then release the plug-in's objects into a module that is already gone.
template <class T>
std::unique_ptr<T>& BenchSlot() {
    static std::unique_ptr<T> slot;
    return slot;
}

template <class T>
T& TheBenchOf() {
    auto& slot = BenchSlot<T>();
    if (!slot) slot = std::make_unique<T>();
    return *slot;
}

template <class T>
void EndTheBench() {
    BenchSlot<T>().reset();
}

}  // namespace ptp::bench
