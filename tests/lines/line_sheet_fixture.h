#pragma once
// The line sheet against a real server seeded with the demo system: opened the way a profile's
// connection page opens it, played with the script driver, and the server read back afterwards:
// the commands it received, the lines and the line-to-modem associations it keeps.
#include <memory>
#include <string>
#include <vector>

#include "lines/line_profile_kind.h"
#include "lines/point_to_point_profile_line_page.h"
#include "lines/point_to_point_profile_line_property_sheet.h"
#include "platform/ui/property_sheet.h"
#include "platform/ui/script_driver.h"
#include "platform/vocabulary/kinds.h"
#include "platform/vocabulary/line.h"
#include "platform/vocabulary/modem.h"
#include "platform/vocabulary/profile.h"
#include "resources/ids/lines.h"
#include "server/demo_data.h"
#include "server/system.h"
#include "tests/support/server_ui_fixture.h"

namespace ptp::lines {

constexpr const char* kLineSheet = "CPointToPointProfileLinePropertySheet";

// What an opener sets on the sheet.
struct LineSheetOpening {
    std::string strExistingLine;
    std::string strProposedLine;
    CLineProfileKind profile{code::line_service::kSwitched, code::mode::kDial};
    bool bCapabilityA = true;
    bool bCapabilityB = false;
    bool bRelease050200 = true;
    bool bChangesAllowed = true;
    host::IServerObject* pModel = nullptr;
};

class LineSheetTest : public testing::ServerUiFixture {
  protected:
    void SetUp() override {
        ServerUiFixture::SetUp();
        ASSERT_NO_FATAL_FAILURE(SeedDemoSystem());
    }

    ui::INT_PTR Play(const LineSheetOpening& opening, bool* created = nullptr) {
        ui::ScopedDriver scoped(m_driver);
        CPointToPointProfileLinePropertySheet sheet("Line");
        sheet.SetSystemName("SYS1");
        sheet.SetProposedLineName(opening.strProposedLine);
        sheet.SetExistingLineName(opening.strExistingLine);
        sheet.SetModelLine(opening.pModel);
        sheet.SetParentProfile(opening.profile);
        sheet.SetCapabilityA(opening.bCapabilityA);
        sheet.SetCapabilityB(opening.bCapabilityB);
        sheet.SetRelease050200(opening.bRelease050200);
        sheet.SetChangesAllowed(opening.bChangesAllowed);
        const ui::INT_PTR result = sheet.DoModal();
        if (created) *created = sheet.WasLineCreated();
        return result;
    }

    server::ObjectRecord Line(const std::string& name) {
        auto record = m_pSystem->GetObject(kinds::kLine, name);
        return record.ok() ? *record : server::ObjectRecord{};
    }
    // The modem the server associates with a line, or "(none)" without an association.
    std::string ModemOf(const std::string& line) {
        auto record = m_pSystem->GetObject(kinds::kLineModem, line);
        return record.ok() ? record->Get(attr::line_modem::kModemName) : "(none)";
    }
};

}  // namespace ptp::lines
