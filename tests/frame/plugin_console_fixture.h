#pragma once
// The plug-in as a console uses it, against a real server stand-in in a temp folder: a system
// with the objects a test puts there, the plug-in loaded through a registry in the same folder,
// and a script driver that answers message boxes and records what the user saw. CL commands are
// accepted (or refused with the reply a test sets) and land in the system's command log.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "console/session/plugin_session.h"
#include "host/in_process_host.h"
#include "platform/com/registry.h"
#include "platform/framework/item_id.h"
#include "platform/framework/shared_allocator.h"
#include "platform/ui/driver.h"
#include "platform/ui/script_driver.h"
#include "platform/vocabulary/kinds.h"
#include "platform/vocabulary/profile.h"
#include "server/server_state.h"
#include "server/stream_files.h"
#include "server/system.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_paths.h"

namespace ptp::testing {

namespace prf = attr::profile;

// A profile as the tests need it; the attributes not given stay as the defaults here.
struct TestProfile {
    std::string name;
    std::string mode = "1";      // 2 answers
    std::string protocol = "2";  // 1 SLIP
    std::string status = "1";    // stopped
    std::string lineKind = "*SYNC";
    std::string lineService = "1";
    std::string jobName;
    std::string description = "Test profile";
    std::map<int, std::string> more;
};

class PluginConsoleFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        SetRegistryDirectory(m_folder.Path().string());
        ASSERT_TRUE(m_state.AddSystem("SYS1", "050400", true).ok());
        m_host = std::make_unique<host::InProcessHost>(
            host::InProcessOptions{m_folder.Path() / "state", "NXWIN", ""});
        m_host->SetCommandRunner(
            [this](server::System&, std::string_view, std::string_view command) {
                for (const auto& [prefix, reply] : replies) {
                    if (command.starts_with(prefix)) return reply;
                }
                return std::string();
            });
        host::SetHost(m_host.get());
        std::string error;
        auto resources =
            res::ResourceModule::LoadLibrary(ptp::test::BinDir() + "/libptpres.so", &error);
        ASSERT_NE(resources, nullptr) << error;
        m_session = std::make_unique<session::PluginSession>(*m_host, resources,
                                                             ptp::test::BinDir() + "/libptpext.so");
        m_host->SetPresenter(&m_session->Bridge());
        session::Failure failure;
        ASSERT_TRUE(m_session->Start(failure)) << failure.text;
        m_scoped = std::make_unique<ui::ScopedDriver>(driver);
    }

    void SetRelease(const std::string& release) { ASSERT_TRUE(System().SetRelease(release).ok()); }
    void WithoutAuthority() { ASSERT_TRUE(System().SetUser(System().DefaultUser(), false).ok()); }

    void TearDown() override {
        m_scoped.reset();
        m_session.reset();
        host::SetHost(nullptr);
        m_host.reset();
        SetRegistryDirectory("");
    }

    server::System& System() { return *m_host->SystemFor("SYS1"); }

    void AddProfile(const TestProfile& p) {
        server::Attributes a = {{prf::kName, p.name},
                                {prf::kMode, p.mode},
                                {prf::kProtocol, p.protocol},
                                {prf::kStatus, p.status},
                                {prf::kLineName, "LINE1"},
                                {prf::kLineType, p.lineKind},
                                {prf::kLineService, p.lineService},
                                {prf::kJobName, p.jobName},
                                {prf::kDescription, p.description},
                                {prf::kChangeStatus, p.status},
                                // A dialling profile without a number cannot be saved.
                                {prf::kRemoteNumber1, "5551234"}};
        for (const auto& [id, value] : p.more)
            a[id] = value;
        ASSERT_TRUE(System().PutObject(kinds::kProfile, p.name, a).ok());
    }

    // A switched PPP line on an asynchronous port, as new profiles use one.
    void AddLine(const std::string& name) {
        ASSERT_TRUE(
            System()
                .PutObject(kinds::kLine, name,
                           {{0, "*PPP"}, {1, name}, {29, "CMN01"}, {31, "*ASYNC"}, {32, "*SWTPP"}})
                .ok());
    }

    void AddModem(const std::string& name, const std::string& system, const std::string& kind) {
        server::Attributes a = {{0, name}, {1, system}, {2, kind},         {3, "AT"},
                                {4, "AT"}, {5, "ATDT"}, {6, "ATS0=2S7=30"}};
        ASSERT_TRUE(System().PutObject(kinds::kModem, name, a).ok());
    }

    // The commands the server received, in order.
    std::vector<std::string> Commands() {
        auto log = System().ReadCommandLog();
        std::vector<std::string> commands;
        if (!log) return commands;
        for (const auto& entry : *log)
            commands.push_back(entry.command);
        return commands;
    }

    std::vector<ui::TranscriptEntry> MessageBoxes() const {
        return driver.GetTranscript().MessageBoxes();
    }
    std::vector<std::uint32_t> MessageIds() const {
        std::vector<std::uint32_t> ids;
        for (const auto& box : MessageBoxes())
            ids.push_back(box.resourceId);
        return ids;
    }

    // A stream file of the system as the server holds it, line by line; empty when there is none.
    std::vector<std::string> FileLines(std::string_view path) {
        std::vector<std::string> lines;
        auto file = System().Files().Read(path);
        if (!file) return lines;
        std::string_view rest = file->text;
        while (!rest.empty()) {
            const std::size_t feed = rest.find('\n');
            lines.emplace_back(rest.substr(0, feed));
            if (feed == std::string_view::npos) break;
            rest.remove_prefix(feed + 1);
        }
        return lines;
    }

    // Messages 0x407 and 0x408 the plug-in sent to the console window.
    int Refreshes() const {
        int count = 0;
        for (const auto& sent : m_session->Bridge().messages)
            count += sent.message == 0x407;
        return count;
    }
    std::vector<std::string> StatusTexts() const {
        std::vector<std::string> texts;
        for (const auto& sent : m_session->Bridge().messages) {
            if (sent.message == 0x408) texts.push_back(sent.text);
        }
        return texts;
    }

    std::string Text(std::uint32_t id) const {
        return m_session->Bridge().GetResourceModule()->String(id);
    }
    // The framework's help text of a command or task: the text of the help topic of its id.
    std::string HelpText(std::uint32_t id) const {
        const auto topic = m_session->Bridge().GetResourceModule()->FindHelpTopic(id);
        return topic ? topic->text : "no help topic " + std::to_string(id);
    }

    HRESULT Invoke(const std::string& folder, const std::vector<std::string>& items,
                   const std::string& verb) {
        session::Failure failure;
        const auto hr = m_session->Invoke("SYS1", folder, items, verb, failure);
        EXPECT_TRUE(hr.has_value()) << failure.text;
        return hr.value_or(E_UNEXPECTED);
    }

    std::vector<session::MenuLine> Menu(const std::string& folder,
                                        const std::vector<std::string>& items,
                                        UINT flags = session::kMenuObjects) {
        session::Failure failure;
        HRESULT result = S_OK;
        auto lines = m_session->Menu("SYS1", folder, items, flags, result, failure);
        EXPECT_TRUE(lines.has_value()) << failure.text;
        lastMenuResult = result;
        return lines.value_or(std::vector<session::MenuLine>{});
    }

    // The menu line of `verb`, or an empty line with no verb.
    static session::MenuLine Line(const std::vector<session::MenuLine>& lines,
                                  const std::string& verb) {
        for (const auto& line : lines) {
            if (line.verb == verb) return line;
        }
        return {};
    }

    std::map<std::string, std::string> replies;  // command prefix -> the server's reply
    ui::ScriptDriver driver;
    HRESULT lastMenuResult = S_OK;
    TempFolder m_folder;
    server::ServerState m_state{m_folder.Path() / "state"};
    std::unique_ptr<host::InProcessHost> m_host;
    std::unique_ptr<session::PluginSession> m_session;
    std::unique_ptr<ui::ScopedDriver> m_scoped;
};

}  // namespace ptp::testing
