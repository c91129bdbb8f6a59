#pragma once
// The policy sheet as the console opens it: through the plug-in's commands and tasks on the group
// access policies folder, the user played by the script driver, the policies file read back from
// the server's stream files.
#include <string>
#include <vector>

#include "platform/ui/property_sheet.h"
#include "resources/ids/policies.h"
#include "server/stream_files.h"
#include "tests/frame/plugin_console_fixture.h"

namespace ptp::testing {

inline constexpr const char* kPolicySheet = "CPointToPointProfileGroupPolicyPropertySheet";
inline constexpr const char* kPoliciesPath = "/QKTL/UserData/NOS50/TCPIP/PPP/grouppolicy.cfg";
inline constexpr const char* kFiltersPath = "/QKTL/USERDATA/NOS50/TCPIP/ADMIXRULES/PPPFILTERS.I3P";

class PolicySheetTest : public PluginConsoleFixture {
  protected:
    void PutPolicies(const std::string& text) {
        ASSERT_TRUE(System().Files().Write(kPoliciesPath, text, server::kCcsidText).ok());
    }

    std::vector<std::string> PolicyLines() { return FileLines(kPoliciesPath); }

    static ui::CPropertyPage& ActivePage(ui::CDialog& sheet) {
        return *static_cast<ui::CPropertySheet&>(sheet).GetActivePage();
    }
    // The focused control of the sheet's active page, 0 for none.
    static int FocusId(ui::CDialog& sheet) {
        const ui::CWnd* focus = ActivePage(sheet).GetFocus();
        return focus ? focus->GetDlgCtrlID() : 0;
    }
    static std::vector<std::string> Entries(ui::CDialog& sheet, int id) {
        std::vector<std::string> entries;
        ui::CComboBox& box = ActivePage(sheet).ComboBox(id);
        for (int index = 0; index < box.GetCount(); ++index)
            entries.push_back(box.GetLBText(index));
        return entries;
    }
};

}  // namespace ptp::testing
