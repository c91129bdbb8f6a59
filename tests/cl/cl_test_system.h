#pragma once
// A real system in a temp folder with the objects the CL tests build on: communication ports, an
// authorization list and a stopped dial profile on line PPPLIN1.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>

#include "platform/vocabulary/kinds.h"
#include "server/cl/cl_interpreter.h"
#include "server/server_state.h"
#include "server/system.h"
#include "tests/support/temp_folder.h"

namespace ptp::server::cl {

class ClSystemTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(m_state.AddSystem("SYS1").ok());
        auto system = m_state.OpenSystem("SYS1");
        ASSERT_TRUE(system.ok());
        m_system = std::move(*system);
        for (const char* port : {"CMN01", "CMN02", "CMN03", "LIN031", "LIN041"}) {
            ASSERT_TRUE(m_system->PutObject(kinds::kHardwareResource, port, {{0, port}}).ok());
        }
        ASSERT_TRUE(
            m_system->PutObject(kinds::kAuthorizationList, "PPPAUTL", {{0, "PPPAUTL"}}).ok());
        ASSERT_TRUE(m_system
                        ->PutObject(kinds::kProfile, "PRF1",
                                    {{0, "PRF1"},
                                     {1, "1"},
                                     {2, "2"},
                                     {3, "1"},
                                     {4, "PPPLIN1"},
                                     {5, "*ASYNC"},
                                     {6, "1"}})
                        .ok());
    }

    // Runs a command as the test client; the reply, empty on success.
    std::string Run(std::string_view command) {
        return RunClCommand(*m_system, "TESTCLIENT", command);
    }
    // The first seven characters of the reply: the message identifier.
    std::string RunId(std::string_view command) { return Run(command).substr(0, 7); }

    ObjectRecord Get(std::string_view kind, std::string_view name) {
        auto record = m_system->GetObject(kind, name);
        EXPECT_TRUE(record.ok()) << kind << " " << name << " does not exist";
        return record.ok() ? *record : ObjectRecord{};
    }
    bool Exists(std::string_view kind, std::string_view name) {
        return m_system->GetObject(kind, name).ok();
    }

    ptp::testing::TempFolder m_folder;
    ServerState m_state{m_folder.Path()};
    std::unique_ptr<System> m_system;
};

}  // namespace ptp::server::cl
