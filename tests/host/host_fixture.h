#pragma once
// A real server state in a temp folder with one system, and an in-process host on it whose
// message boxes are recorded.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/in_process_host.h"
#include "host/message_presenter.h"
#include "../server/temp_state.h"

namespace ptp::test {

class RecordingPresenter : public host::IMessagePresenter {
  public:
    struct Box {
        std::string text;
        std::string source;
        int style = 0;
    };
    void Present(std::string_view text, std::string_view source, HWND, int style) override {
        boxes.push_back(Box{std::string(text), std::string(source), style});
    }
    std::vector<Box> boxes;
};

class HostFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(m_state.AddSystem("SYS1").ok());
        m_host = MakeHost("NXWIN");
    }
    std::unique_ptr<host::InProcessHost> MakeHost(const std::string& client) {
        auto made = std::make_unique<host::InProcessHost>(
            host::InProcessOptions{m_folder.Path(), client, ""});
        made->SetPresenter(&m_presenter);
        return made;
    }
    server::System& System() { return *m_host->SystemFor("sys1"); }

    TempFolder m_folder;
    server::ServerState m_state{m_folder.Path()};
    RecordingPresenter m_presenter;
    std::unique_ptr<host::InProcessHost> m_host;
};

// Takes an error object out of a slot and destroys it, giving its message id ("" for none).
inline std::string TakeError(host::SOFError*& error) {
    if (!error) return "";
    std::string id = error->GetMessageId();
    if (id.empty()) id = "(error)";
    error->Destroy();
    error = nullptr;
    return id;
}

}  // namespace ptp::test
