#pragma once
// A real server stand-in in a temp folder, installed as this process's host, with the file
// prompts recorded instead of shown. Shared by the configuration and rules file tests.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <string>
#include <vector>

#include "config/file_prompts.h"
#include "host/fault_injection.h"
#include "host/host_services.h"
#include "host/in_process_host.h"
#include "server/stream_files.h"
#include "server/system.h"

namespace ptp::host {

inline void PrintTo(const WrittenLine& line, std::ostream* os) {
    *os << "{\"" << line.text << "\", length " << line.length << ", flag " << line.flag << "}";
}

}  // namespace ptp::host

namespace ptp::testing {

inline constexpr const char* kTestSystem = "TESTSYS";

class RecordingPrompts final : public config::IFilePrompts {
  public:
    struct Prompt {
        std::uint32_t id;
        std::vector<std::string> args;
    };
    void ShowMessage(std::uint32_t id, const std::vector<std::string>& args) override {
        messages.push_back({id, args});
    }
    bool AskYesNo(std::uint32_t id, const std::vector<std::string>& args) override {
        questions.push_back({id, args});
        return answer;
    }
    std::vector<Prompt> messages;
    std::vector<Prompt> questions;
    bool answer = false;
};

// Every line read from the `nth` on fails: a reader that waited for the end of the file would
// never stop.
inline host::Fault FailingReadsFrom(int nth) {
    host::Fault fault;
    fault.operation = host::HostOperation::FileReadLine;
    fault.nth = nth;
    fault.repeat = true;
    fault.fileResult = 9;
    return fault;
}

class HostFixture : public ::testing::Test {
  protected:
    HostFixture() : m_root(MakeRoot()), m_host(Options(m_root)) {
        EXPECT_TRUE(m_host.State().AddSystem(kTestSystem).ok());
        host::SetHost(&m_host);
        config::SetFilePrompts(&m_prompts);
    }
    ~HostFixture() override {
        config::SetFilePrompts(nullptr);
        host::SetHost(nullptr);
        std::error_code ignored;
        std::filesystem::remove_all(m_root, ignored);
    }

    server::System& System() { return *m_host.SystemFor(kTestSystem); }

    void PutFile(std::string_view path, std::string_view text, int ccsid = server::kCcsidText) {
        ASSERT_TRUE(System().Files().Write(path, text, ccsid).ok());
    }

    std::string FileText(std::string_view path) {
        auto read = System().Files().Read(path);
        return read ? read->text : std::string("<missing>");
    }

    int FileCcsid(std::string_view path) {
        auto ccsid = System().Files().Ccsid(path);
        return ccsid ? *ccsid : -1;
    }

    static host::InProcessOptions Options(const std::filesystem::path& root) {
        host::InProcessOptions options;
        options.stateRoot = root;
        return options;
    }

    static std::filesystem::path MakeRoot() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "ptp-files-XXXXXX").string();
        const char* made = mkdtemp(pattern.data());
        return made ? std::filesystem::path(made) : std::filesystem::path(pattern);
    }

    std::filesystem::path m_root;
    host::InProcessHost m_host;
    RecordingPrompts m_prompts;
};

}  // namespace ptp::testing
