// Registers libptpext.so (or another in-process server) in the console's registry through its own
// DllRegisterServer, then prints every registered class: class id, program id, library.
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <algorithm>
#include <filesystem>
#include <iostream>

#include "platform/com/loader.h"
#include "platform/com/registry.h"

namespace {

// libptpext.so beside this program, where the build puts both.
std::string DefaultLibrary() {
    std::error_code ec;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return "libptpext.so";
    return (self.parent_path() / "libptpext.so").string();
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"Registers an in-process server and lists the registered classes."};
    std::string library = DefaultLibrary();
    std::string registryDir;
    bool listOnly = false;
    app.add_option("library", library, "the library to register")->capture_default_str();
    app.add_option("--registry-dir", registryDir,
                   "the folder of the registry file (default: PTP_REGISTRY_DIR, else the user's "
                   "configuration folder)");
    app.add_flag("--list", listOnly, "only list what is registered");
    CLI11_PARSE(app, argc, argv);

    if (!registryDir.empty()) ptp::SetRegistryDirectory(registryDir);
    std::error_code ec;
    const std::string path = std::filesystem::absolute(library, ec).lexically_normal().string();

    if (!listOnly) {
        std::string error;
        const ptp::HRESULT hr = ptp::ComLoader::RegisterServer(path, &error);
        if (ptp::FAILED(hr)) {
            std::cerr << "ptpregister: " << path << " could not be registered: " << error << '\n';
            return 1;
        }
    }
    const auto classes = ptp::ComLoader::RegisteredClasses();
    const bool registered = std::any_of(classes.begin(), classes.end(),
                                        [&](const auto& c) { return c.libraryPath == path; });
    std::cout << "Registry: " << ptp::RegistryFilePath() << '\n';
    for (const auto& c : classes) {
        std::cout << ptp::FormatGuid(c.clsid) << '\t' << c.progId << '\t' << c.libraryPath << '\n';
    }
    if (!listOnly && !registered) {
        std::cerr << "ptpregister: the registry holds no class of " << path
                  << " (is the registry folder writable?)\n";
        return 1;
    }
    return 0;
}
