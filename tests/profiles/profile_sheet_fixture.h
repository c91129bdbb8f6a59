#pragma once
// The profile sheet opened directly, the way a folder's command opens it, against a real server:
// a new profile of a given kind or an existing one, on a system with every capability and
// release unless a test says otherwise in m_options.
#include <string>

#include "platform/ui/script_driver.h"
#include "platform/vocabulary/kinds.h"
#include "profiles/profile_sheet.h"
#include "tests/support/server_ui_fixture.h"

namespace ptp::profiles {

class ProfileSheetFixture : public testing::ServerUiFixture {
  protected:
    void SetUp() override {
        ServerUiFixture::SetUp();
        m_options.systemName = "SYS1";
        m_options.capabilityA = m_options.capabilityB = m_options.capabilityC = true;
        m_options.release050200 = m_options.release050300 = m_options.release050400 = true;
        m_options.changesAllowed = true;
    }

    ui::DialogScript& Sheet() { return m_driver.When("CPointToPointProfilePropertySheet"); }

    ui::INT_PTR OpenNew(int lineService, int mode, int lineKind, int protocol = 2) {
        CProfileSheetOptions options = m_options;
        options.protocol = protocol;
        options.lineService = lineService;
        options.mode = mode;
        options.lineKind = lineKind;
        ui::ScopedDriver scoped(m_driver);
        return ShowProfilePropertySheet(options, nullptr);
    }

    // The profile as the folder hands it to the sheet: its object, read by the console's client.
    ui::INT_PTR OpenExisting(const std::string& name) {
        host::SOFError* error = nullptr;
        auto record =
            host::GetHost()->Objects().CreateObject(kinds::kProfile, "NXWIN", "SYS1", name, &error);
        CProfileSheetOptions options = m_options;
        options.profileName = name;
        options.pProfileObject = record.get();
        ui::ScopedDriver scoped(m_driver);
        return ShowProfilePropertySheet(options, nullptr);
    }

    CProfileSheetOptions m_options;
};

}  // namespace ptp::profiles
