#pragma once
// The dialer wizard against a real server seeded with the demo system: opened the way the
// plug-in's command opens it, played with the script driver on a manual clock, and the server
// read back afterwards: the commands it received and the objects it keeps.
#include <algorithm>
#include <string>
#include <vector>

#include "platform/ui/clock.h"
#include "platform/ui/property_sheet.h"
#include "platform/ui/script_driver.h"
#include "platform/ui/toolkit.h"
#include "platform/vocabulary/kinds.h"
#include "platform/vocabulary/line.h"
#include "platform/vocabulary/profile.h"
#include "resources/ids/wizard.h"
#include "server/demo_data.h"
#include "server/system.h"
#include "tests/support/server_ui_fixture.h"
#include "wizard/wdn_dialer.h"

namespace ptp::wizard {

inline constexpr const char* kWizard = "CPointToPointProfileWDNDialerWizard";
inline constexpr const char* kTestDialog = "CPointToPointProfileWDNDialerTestDialog";

// A script step that checks the page the wizard shows.
inline std::function<void(ui::CDialog&)> ExpectPage(UINT page) {
    return [page](ui::CDialog& wizard) {
        EXPECT_EQ(static_cast<ui::CPropertySheet&>(wizard).GetActivePage()->GetTemplateId(), page);
    };
}

class DialerWizardTest : public testing::ServerUiFixture {
  protected:
    void SetUp() override {
        ServerUiFixture::SetUp();
        m_pPreviousClock = ui::SetClock(&m_clock);
        ASSERT_NO_FATAL_FAILURE(SeedDemoSystem());
    }
    void TearDown() override {
        ui::SetClock(m_pPreviousClock);
        ServerUiFixture::TearDown();
    }

    // Leaves the system without a line the wizard can dial out on.
    void RemoveUsableLines() {
        for (const char* line : {"PPPLIN01", "PPPLIN02", "PPPLIN03", "PPPLIN04"})
            ASSERT_TRUE(m_pSystem->DeleteObject(kinds::kLine, line).ok());
    }

    ui::INT_PTR Play() {
        ui::ScopedDriver scoped(m_driver);
        return RunWDNDialerWizard("SYS1", nullptr);
    }

    std::size_t CountCommands(std::string_view prefix) {
        const auto commands = Commands();
        return static_cast<std::size_t>(std::count_if(
            commands.begin(), commands.end(),
            [&](const std::string& command) { return command.rfind(prefix, 0) == 0; }));
    }

    server::ObjectRecord Object(std::string_view kind, std::string_view name) {
        auto record = m_pSystem->GetObject(kind, name);
        return record.ok() ? *record : server::ObjectRecord{};
    }
    std::vector<server::ObjectRecord> RoutesOf(const std::string& profile) {
        std::vector<server::ObjectRecord> routes;
        for (const auto& row : List(kinds::kRoute, profile)) {
            server::ObjectRecord record;
            record.attributes = {row.begin(), row.end()};
            routes.push_back(record);
        }
        return routes;
    }

    static UINT Active(ui::CDialog& wizard) {
        return static_cast<ui::CPropertySheet&>(wizard).GetActivePage()->GetTemplateId();
    }

    ui::ManualClock m_clock{0};
    ui::Clock* m_pPreviousClock = nullptr;
};

}  // namespace ptp::wizard
