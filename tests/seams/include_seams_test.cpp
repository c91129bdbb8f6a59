// The layers may only depend downwards: every #include of the tree and every library a
// CMakeLists links is checked against the arrows the layers allow, so a forbidden dependency
// fails here with its file, line and arrow even where the compiler and the linker would let it
// through (every library sees the whole source tree).
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>
#include "tests/support/test_paths.h"

namespace {

namespace fs = std::filesystem;

// The layer a source path (relative to the tree, with '/') belongs to; empty for files outside
// the layers (tests, benchmarks, fuzz targets and tools may use anything).
std::string LayerOf(std::string_view path) {
    static const std::vector<std::pair<std::string_view, std::string_view>> kPrefixes = {
        {"platform/vocabulary/", "vocabulary"},
        {"platform/", "platform"},
        {"host/session/", "session"},
        {"host/", "host"},
        {"server/", "server"},
        {"console/", "console"},
        {"cli/", "cli"},
        {"frame/", "plug-in"},
        {"config/", "plug-in"},
        {"rules/", "plug-in"},
        {"profiles/", "plug-in"},
        {"lines/", "plug-in"},
        {"modems/", "plug-in"},
        {"nwi/", "plug-in"},
        {"policies/", "plug-in"},
        {"ras/", "plug-in"},
        {"wizard/", "plug-in"},
    };
    for (const auto& [prefix, layer] : kPrefixes) {
        if (path.substr(0, prefix.size()) == prefix) return std::string(layer);
    }
    return {};
}

// The host client that embeds the server (as opposed to the interfaces the plug-in holds).
bool IsHostClient(std::string_view path) {
    return path.starts_with("host/in_process_") || path == "host/fault_injection.h" ||
           path == "host/toolkit_presenter.h" || path == "host/server_error.h" ||
           path == "host/ptp_host_client" || path == "host/ptp_host_ui";
}

// Why `from` (a file of layer fromLayer) may not depend on `to`; empty when it may.
std::string Forbidden(const std::string& fromLayer, const std::string& to) {
    const std::string toLayer = LayerOf(to);
    if (toLayer.empty() || toLayer == fromLayer) return {};
    if (toLayer == "vocabulary") return {};
    if (fromLayer == "vocabulary") return "the vocabulary depends on nothing";
    // The session interface is the seam between the host client and a server: both sides (and
    // the programs that wire them) may use it, and it uses nothing but the floor below them.
    if (toLayer == "session") {
        if (fromLayer == "plug-in") return "the plug-in holds only the host interfaces";
        if (fromLayer == "platform") return "platform/ depends on nothing above it";
        return {};
    }
    if (fromLayer == "session" && toLayer != "platform" && toLayer != "vocabulary")
        return "the session interface depends only on platform/";
    if (fromLayer == "platform" && toLayer != "platform")
        return "platform/ depends on nothing above it";
    if (fromLayer == "server" && toLayer != "platform")
        return "server/ knows nothing of the host, the plug-in, the console or ptpctl";
    if (fromLayer == "plug-in") {
        if (toLayer == "server" || toLayer == "console" || toLayer == "cli")
            return "the plug-in reaches servers and consoles only through host/ and platform/";
        if (IsHostClient(to)) return "the plug-in holds only the host interfaces";
    }
    if (fromLayer == "host") {
        if (toLayer == "server") return "host/ reaches server/ only through the session interface";
        if (toLayer != "platform") return "host/ knows nothing of the plug-in or the console";
    }
    if ((fromLayer == "console" || fromLayer == "cli") && toLayer == "plug-in")
        return "consoles reach the plug-in only through its entry points and interfaces";
    return {};
}

// Dependencies that break an arrow today, each with the reason it is tolerated. An entry that no
// longer matches anything fails the test, so the list only shrinks.
struct KnownException {
    std::string_view from;  // a file, or a folder ending in '/'
    std::string_view to;    // a file or folder prefix
    std::string_view why;
};

const std::vector<KnownException>& KnownExceptions() {
    static const std::vector<KnownException> exceptions = {
        // The in-process client reaches the embedded server directly until it goes through the
        // narrow session interface.
        {"host/in_process_", "server/", "in-process client, until the session interface"},
        {"host/CMakeLists.txt", "server/", "in-process client, until the session interface"},
        // ptpctl reads and writes the plug-in's files with the plug-in's own readers.
        {"cli/ptpctl_file_commands.cpp", "config/", "ptpctl's file commands"},
        {"cli/ptpctl_file_commands.cpp", "rules/", "ptpctl's file commands"},
        {"cli/CMakeLists.txt", "config/", "ptpctl's file commands"},
        {"cli/CMakeLists.txt", "rules/", "ptpctl's file commands"},
    };
    return exceptions;
}

bool Matches(std::string_view pattern, std::string_view path) {
    return path.substr(0, pattern.size()) == pattern;
}

struct Dependency {
    std::string from;  // relative path of the file that declares it
    int line;
    std::string to;  // relative path (or folder) it reaches
};

bool IsNameChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == ':';
}

std::string_view SkipBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    return text;
}

// The file a line's #include "..." names; empty for any other line.
std::string IncludedFile(std::string_view line) {
    line = SkipBlanks(line);
    if (!line.starts_with('#')) return {};
    line = SkipBlanks(line.substr(1));
    if (!line.starts_with("include")) return {};
    line = SkipBlanks(line.substr(std::string_view("include").size()));
    if (!line.starts_with('"')) return {};
    line.remove_prefix(1);
    const auto end = line.find('"');
    return end == std::string_view::npos ? std::string() : std::string(line.substr(0, end));
}

// The names in `text`, split at everything that cannot be part of a target name.
std::vector<std::string> Words(std::string_view text) {
    std::vector<std::string> words;
    std::string word;
    for (char c : text) {
        if (IsNameChar(c)) {
            word += c;
            continue;
        }
        if (!word.empty()) words.push_back(std::move(word));
        word.clear();
    }
    if (!word.empty()) words.push_back(std::move(word));
    return words;
}

std::string Relative(const fs::path& root, const fs::path& file) {
    return fs::relative(file, root).generic_string();
}

bool Skipped(const std::string& relative) {
    static const std::vector<std::string_view> kSkipped = {"build", ".git", "tests", "bench",
                                                           "fuzz"};
    for (std::string_view skipped : kSkipped) {
        if (relative == skipped || Matches(std::string(skipped) + "/", relative)) return true;
    }
    return relative.find("node_modules") != std::string::npos;
}

std::vector<fs::path> SourceFiles(const fs::path& root) {
    std::vector<fs::path> files;
    for (auto it = fs::recursive_directory_iterator(root); it != fs::recursive_directory_iterator();
         ++it) {
        const std::string relative = Relative(root, it->path());
        if (it->is_directory() && Skipped(relative)) {
            it.disable_recursion_pending();
            continue;
        }
        if (it->is_regular_file()) files.push_back(it->path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

std::vector<Dependency> Includes(const fs::path& root, const std::vector<fs::path>& files) {
    std::vector<Dependency> found;
    for (const fs::path& file : files) {
        const std::string ext = file.extension().string();
        if (ext != ".h" && ext != ".cpp" && ext != ".hpp" && ext != ".inc") continue;
        std::ifstream in(file);
        std::string text;
        for (int line = 1; std::getline(in, text); ++line) {
            std::string included = IncludedFile(text);
            if (!included.empty())
                found.push_back({Relative(root, file), line, std::move(included)});
        }
    }
    return found;
}

bool IsCMakeFile(const fs::path& file) {
    return file.filename() == "CMakeLists.txt" || file.extension() == ".cmake";
}

// Every library a CMakeLists declares, by target name, with the folder it lives in.
std::map<std::string, std::string> Libraries(const fs::path& root,
                                             const std::vector<fs::path>& files) {
    static constexpr std::string_view kAddLibrary = "add_library(";
    std::map<std::string, std::string> libraries;
    for (const fs::path& file : files) {
        if (!IsCMakeFile(file)) continue;
        std::ifstream in(file);
        const std::string folder = Relative(root, file.parent_path()) + "/";
        std::string text;
        while (std::getline(in, text)) {
            const auto start = text.find(kAddLibrary);
            if (start == std::string::npos) continue;
            const auto words = Words(std::string_view(text).substr(start + kAddLibrary.size()));
            if (!words.empty()) libraries[words.front()] = folder;
        }
    }
    return libraries;
}

// The libraries each target_link_libraries call names, as "<folder>/<target>". A call may span
// lines; it ends at the first ')'.
std::vector<Dependency> Links(const fs::path& root, const std::vector<fs::path>& files,
                              const std::map<std::string, std::string>& libraries) {
    std::vector<Dependency> found;
    for (const fs::path& file : files) {
        if (!IsCMakeFile(file)) continue;
        std::ifstream in(file);
        std::string text;
        bool inCall = false;
        for (int line = 1; std::getline(in, text); ++line) {
            std::string_view rest = text;
            if (!inCall) {
                const auto start = rest.find("target_link_libraries(");
                if (start == std::string_view::npos) continue;
                rest.remove_prefix(start + std::string_view("target_link_libraries(").size());
                inCall = true;
            }
            const auto end = rest.find(')');
            for (const std::string& word : Words(rest.substr(0, end))) {
                auto library = libraries.find(word);
                if (library != libraries.end())
                    found.push_back({Relative(root, file), line, library->second + library->first});
            }
            if (end != std::string_view::npos) inCall = false;
        }
    }
    return found;
}

const KnownException* ExceptionFor(const Dependency& dependency) {
    for (const KnownException& exception : KnownExceptions()) {
        if (Matches(exception.from, dependency.from) && Matches(exception.to, dependency.to))
            return &exception;
    }
    return nullptr;
}

// "file:line: from -> to (why)" for every dependency that breaks an arrow; `used` collects the
// known exceptions that excused one.
std::vector<std::string> Violations(const std::vector<Dependency>& dependencies,
                                    std::set<const KnownException*>& used) {
    std::vector<std::string> violations;
    for (const Dependency& dependency : dependencies) {
        const std::string fromLayer = LayerOf(dependency.from);
        if (fromLayer.empty()) continue;
        const std::string why = Forbidden(fromLayer, dependency.to);
        if (why.empty()) continue;
        if (const KnownException* exception = ExceptionFor(dependency)) {
            used.insert(exception);
            continue;
        }
        violations.push_back(dependency.from + ":" + std::to_string(dependency.line) + ": " +
                             fromLayer + " -> " + dependency.to + " (" + why + ")");
    }
    return violations;
}

TEST(LayerSeams, ArrowsTheLayersForbid) {
    EXPECT_FALSE(Forbidden("plug-in", "server/system.h").empty());
    EXPECT_FALSE(Forbidden("plug-in", "console/console_app.h").empty());
    EXPECT_FALSE(Forbidden("plug-in", "console/session/plugin_session.h").empty());
    EXPECT_TRUE(Forbidden("server", "host/session/server_session.h").empty());
    EXPECT_FALSE(Forbidden("plug-in", "host/session/server_session.h").empty());
    EXPECT_FALSE(Forbidden("session", "server/system.h").empty());
    EXPECT_FALSE(Forbidden("plug-in", "host/in_process_host.h").empty());
    EXPECT_TRUE(Forbidden("plug-in", "host/host_services.h").empty());
    EXPECT_TRUE(Forbidden("plug-in", "platform/ui/dialog.h").empty());
    EXPECT_FALSE(Forbidden("server", "host/host_services.h").empty());
    EXPECT_FALSE(Forbidden("server", "frame/type_codes.h").empty());
    EXPECT_FALSE(Forbidden("platform", "host/sof_error.h").empty());
    EXPECT_FALSE(Forbidden("vocabulary", "platform/com/hresult.h").empty());
    EXPECT_FALSE(Forbidden("host", "server/system.h").empty());
    EXPECT_FALSE(Forbidden("console", "modems/modem_sheet.h").empty());
    for (const char* layer : {"plug-in", "server", "platform", "host", "console", "cli"})
        EXPECT_TRUE(Forbidden(layer, "platform/vocabulary/profile.h").empty()) << layer;
    EXPECT_FALSE(Forbidden("plug-in", "host/ptp_host_client").empty());
    EXPECT_TRUE(Forbidden("plug-in", "host/ptp_host_api").empty());
    EXPECT_TRUE(LayerOf("tests/host/objects_test.cpp").empty());
}

TEST(LayerSeams, NoIncludeOrLinkBreaksAnArrow) {
    const fs::path root = ptp::test::SourceDir();
    const std::vector<fs::path> files = SourceFiles(root);
    std::vector<Dependency> dependencies = Includes(root, files);
    ASSERT_GT(dependencies.size(), 500u) << "the source tree was not found under " << root;
    const auto libraries = Libraries(root, files);
    ASSERT_TRUE(libraries.count("ptp_vocabulary")) << "no CMakeLists declares the vocabulary";
    const std::vector<Dependency> links = Links(root, files, libraries);
    dependencies.insert(dependencies.end(), links.begin(), links.end());

    std::set<const KnownException*> used;
    for (const std::string& violation : Violations(dependencies, used))
        ADD_FAILURE() << violation;
    for (const KnownException& exception : KnownExceptions()) {
        EXPECT_TRUE(used.count(&exception))
            << "known exception " << exception.from << " -> " << exception.to
            << " no longer occurs: remove it from the list";
    }
}

}  // namespace
