#pragma once
// A real server stand-in in a temp folder, the in-process host installed in front of it and the
// plug-in's resource library given to the toolkit. Dialogs are played with the script driver;
// host error messages reach the user as toolkit message boxes, so transcripts show them. A suite
// that needs a populated system seeds the demo one and reads back the commands that followed.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "host/fault_injection.h"
#include "host/in_process_host.h"
#include "host/message_presenter.h"
#include "platform/res/resource_module.h"
#include "platform/ui/message_box.h"
#include "platform/ui/property_sheet.h"
#include "platform/ui/script_driver.h"
#include "platform/ui/toolkit.h"
#include "server/demo_data.h"
#include "server/server_state.h"
#include "server/system.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_paths.h"

namespace ptp::testing {

// Host messages become message boxes of the toolkit (resource id 0: the text is the server's).
class ToolkitPresenter final : public host::IMessagePresenter {
  public:
    void Present(std::string_view text, std::string_view source, HWND, int style) override {
        ui::MessageBox(nullptr, text, source, static_cast<UINT>(style));
    }
};

class ServerUiFixture : public ::testing::Test {
  protected:
    // The release of the system the test works on; suites override it before SetUp.
    std::string m_strRelease = "050400";

    void SetUp() override {
        ASSERT_TRUE(m_state.AddSystem("SYS1", m_strRelease).ok());
        m_pHost = std::make_unique<host::InProcessHost>(
            host::InProcessOptions{m_folder.Path(), "NXWIN", ""});
        m_pHost->SetPresenter(&m_presenter);
        host::SetHost(m_pHost.get());
        std::string error;
        m_pResources =
            res::ResourceModule::LoadLibrary(ptp::test::BinDir() + "/libptpres.so", &error);
        ASSERT_NE(m_pResources, nullptr) << error;
        ui::SetResourceModule(m_pResources);
        (void)ui::TakeFaults();
    }

    void TearDown() override {
        ui::SetResourceModule(nullptr);
        host::SetHost(nullptr);
        EXPECT_TRUE(ui::TakeFaults().empty()) << "the dialog code made a mistake";
    }

    // Puts a fault-injecting host between the plug-in and the server for the rest of the test.
    host::FaultInjectingHost& InjectFaults() {
        m_pFaults = std::make_unique<host::FaultInjectingHost>(*m_pHost, &m_presenter);
        host::SetHost(m_pFaults.get());
        return *m_pFaults;
    }

    // Writes an object through the host, as a client of the server would.
    void Put(std::string_view kind, std::string_view name,
             const std::map<int, std::string>& values) {
        host::SOFError* error = nullptr;
        auto object = m_pHost->Objects().CreateObject(kind, "TEST", "SYS1", name, &error);
        ASSERT_NE(object, nullptr);
        for (const auto& [id, value] : values)
            object->SetAttribute(id, value);
        object->Commit(&error);
        ASSERT_EQ(error, nullptr) << (error ? error->GetText() : "");
    }

    // Every element of a list of `kind` (narrowed by `filter`), each as its attributes 0 to 30.
    std::vector<std::map<int, std::string>> List(std::string_view kind,
                                                 std::string_view filter = {}) {
        std::vector<std::map<int, std::string>> rows;
        host::SOFError* error = nullptr;
        auto list = m_pHost->Objects().CreateList(kind, "TEST", "SYS1", filter, &error);
        if (!list) return rows;
        list->Open(&error);
        const long count = list->GetCount(&error);
        for (long index = 0; index < count && !error; ++index) {
            host::IServerObject* element = list->ElementAt(index, &error);
            if (!element) break;
            std::map<int, std::string> row;
            for (int id = 0; id <= 30; ++id) {
                std::string value = element->GetAttributeText(id, &error);
                if (!value.empty()) row[id] = value;
            }
            rows.push_back(std::move(row));
        }
        if (error) error->Destroy();
        return rows;
    }

    std::string Text(UINT id) const { return m_pResources->String(id); }

    // Opens the test's system for reading back (m_pSystem) and seeds it with the demo system;
    // Commands answers what the server received after that. In SetUp, under
    // ASSERT_NO_FATAL_FAILURE.
    void SeedDemoSystem() {
        auto system = m_state.OpenSystem("SYS1");
        ASSERT_TRUE(system.ok());
        m_pSystem = std::move(*system);
        ASSERT_TRUE(server::SeedDemoData(*m_pSystem).ok());
        auto log = m_pSystem->ReadCommandLog();
        ASSERT_TRUE(log.ok());
        m_nSeedCommands = log->size();
    }

    // The commands the server received since the demo was seeded, in order.
    std::vector<std::string> Commands() {
        std::vector<std::string> commands;
        auto log = m_pSystem->ReadCommandLog();
        EXPECT_TRUE(log.ok());
        if (!log.ok()) return commands;
        for (std::size_t i = m_nSeedCommands; i < log->size(); ++i)
            commands.push_back((*log)[i].command);
        return commands;
    }

    // The message boxes the played dialogs showed, by resource id (0: the server's own text).
    std::vector<UINT> MessageIds() const {
        std::vector<UINT> ids;
        for (const auto& box : m_driver.GetTranscript().MessageBoxes())
            ids.push_back(box.resourceId);
        return ids;
    }
    std::string Transcript() const { return m_driver.GetTranscript().ToText(); }

    static ui::CPropertyPage& ActivePage(ui::CDialog& sheet) {
        return *static_cast<ui::CPropertySheet&>(sheet).GetActivePage();
    }

    TempFolder m_folder;
    server::ServerState m_state{m_folder.Path()};
    ToolkitPresenter m_presenter;
    std::unique_ptr<host::InProcessHost> m_pHost;
    std::unique_ptr<host::FaultInjectingHost> m_pFaults;
    std::shared_ptr<res::ResourceModule> m_pResources;
    ui::ScriptDriver m_driver;
    std::unique_ptr<server::System> m_pSystem;  // after SeedDemoSystem
    std::size_t m_nSeedCommands = 0;
};

}  // namespace ptp::testing
