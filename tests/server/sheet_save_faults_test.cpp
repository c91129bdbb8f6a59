// Sheet saves when the server's disk fails them: the plug-in loaded as a console loads it, a sheet
// played with the script driver, and the Nth write or sync of the save failing with a full disk
// or a failing device. The user is told what was not saved, the server keeps what it had, the
// sheet stays open with the user's changes, and pressing OK again once the disk is back saves
// them.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <set>
#include <string>

#include "platform/ui/property_sheet.h"
#include "platform/vocabulary/kinds.h"
#include "resources/ids/profiles.h"
#include "server/file_calls.h"
#include "server/sqlite_db.h"
#include "tests/frame/plugin_console_fixture.h"

namespace ptp::server {
namespace {

constexpr const char* kSheet = "CPointToPointProfilePropertySheet";

class SheetSaveFaults : public testing::PluginConsoleFixture {
  protected:
    std::string StoredDescription() {
        auto profile = System().GetObject(kinds::kProfile, "DIALOUT");
        return profile.ok() ? profile->Get(attr::profile::kDescription) : "<missing>";
    }

    std::string IntegrityCheck() {
        auto check = System().Db().Prepare("PRAGMA integrity_check");
        if (!check.ok() || !check->Step()) return "no answer";
        return check->Text(0);
    }

    std::string Transcript() const { return driver.GetTranscript().ToText(); }
};

TEST_F(SheetSaveFaults, AProfileTheDiskCannotTakeIsNamedKeptOnScreenAndSavedByTheSecondOk) {
    AddProfile({.name = "DIALOUT", .more = {{29, "QTOCPTP"}}});
    int writes = 0;
    int stopped = 0;
    std::set<std::string> failedSteps;
    // The Nth call fails, for N from 1 on, until a save makes fewer than N calls of that kind:
    // how many it makes depends on what the database has to write each time.
    for (FileCall call : {FileCall::Write, FileCall::Sync}) {
        bool past = false;
        for (int nth = 1; !past && nth < 200; ++nth) {
            for (int error : {ENOSPC, EIO}) {
                SCOPED_TRACE("call " + std::to_string(static_cast<int>(call)) + " #" +
                             std::to_string(nth) + ": " + std::strerror(error));
                const std::string before = StoredDescription();
                const std::size_t boxesBefore = MessageBoxes().size();
                const std::string wanted = "Text " + std::to_string(static_cast<int>(call)) + "." +
                                           std::to_string(nth) + "." + std::to_string(error);
                std::string storedAfterFailure;
                std::string shownAfterFailure;
                driver.When(kSheet)
                    .SetText(IDC_PROFILE_DESCRIPTION, wanted)
                    .Do([&](ui::CDialog&) {
                        InjectFileCallFault({.call = call, .nth = nth, .error = error});
                    })
                    .Ok()
                    .Do([&](ui::CDialog& sheet) {
                        ClearFileCallFault();
                        storedAfterFailure = StoredDescription();
                        auto* page = static_cast<ui::CPropertySheet&>(sheet).GetPage(0);
                        shownAfterFailure = page->GetDlgItemText(IDC_PROFILE_DESCRIPTION);
                    })
                    .Ok();
                ASSERT_EQ(Invoke("NPF", {"DIALOUT"}, "PROPERTIES"), S_OK);
                ClearFileCallFault();
                EXPECT_EQ(StoredDescription(), wanted) << Transcript();
                past = past || FileCallFaultsFired() == 0;
                EXPECT_EQ(IntegrityCheck(), "ok");
                const auto boxes = MessageBoxes();
                if (call == FileCall::Write && !past) writes = nth;
                if (boxes.size() == boxesBefore) continue;  // a call the save did not need
                ++stopped;
                ASSERT_EQ(boxes.size(), boxesBefore + 1) << Transcript();
                // The save is the route daemon record, then the profile: the message names
                // the step that failed.
                const std::string& text = boxes.back().text;
                const auto named = text.find(" DIALOUT was not saved: ");
                ASSERT_NE(named, std::string::npos) << text;
                const auto kind = text.rfind(' ', named - 1);
                failedSteps.insert(text.substr(kind + 1, named - kind - 1));
                EXPECT_NE(text.find("Nothing was changed on the server."), std::string::npos);
                EXPECT_EQ(storedAfterFailure, before);
                EXPECT_EQ(shownAfterFailure, wanted) << "the user's change stays on screen";
            }
        }
    }
    EXPECT_EQ(failedSteps, (std::set<std::string>{"Profile", "RouteDaemonRecord"}));
    EXPECT_GT(writes, 2);
    RecordProperty("stopped", stopped);
    RecordProperty("writes", writes);
}

}  // namespace
}  // namespace ptp::server
