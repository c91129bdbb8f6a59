// File saves of the plug-in when the server's disk fails them: a full disk (ENOSPC) or a failing
// device (EIO) at each write, sync and rename a save makes, on the keyed configuration files and
// the rules file. Each failure is reported to the user naming the file, leaves the file on the
// server byte for byte as it was and the changes marked as modified, and the same Save goes
// through once the disk is back; a fault the save did not depend on changes nothing it saved.
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <functional>
#include <sstream>

#include "config/config_paths.h"
#include "config/group_policy_config.h"
#include "resources/ids/files.h"
#include "rules/nat_rules_file.h"
#include "server/file_calls.h"
#include "tests/config/host_fixture.h"

namespace ptp::config {
namespace {

using server::FileCall;
constexpr std::string_view kPolicyPath = "/QKTL/UserData/NOS50/TCPIP/PPP/grouppolicy.cfg";
constexpr std::string_view kRulesText =
    "ADDRESS LAN IP = 10.0.0.0 THROUGH 10.0.0.255 TYPE = TRUSTED\n"
    "FILTER_INTERFACE PPP_FILTER_ID = pf1 SET = PPPIN\n";

// One save of a file object, from loading to its Save result, with a way to ask whether the
// object still holds unsaved changes, and what the user is told when it fails.
struct FileSave {
    std::function<void()> load;      // loads the file and changes it
    std::function<int()> save;       // 0 when saved
    std::function<int()> modified;   // the object's modified flag
    std::string shownPath;           // the file as the messages name it
    std::vector<std::uint32_t> ids;  // the messages a failed save may show
};

class SaveFaults : public testing::HostFixture {
  protected:
    std::string DiskBytes(std::string_view serverPath) {
        auto path = System().Files().Resolve(serverPath);
        std::ifstream in(*path, std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }

    // How many calls of `call` one whole save makes.
    int CallsOfOneSave(FileCall call, const FileSave& save) {
        save.load();
        server::InjectFileCallFault({.call = call, .nth = 1 << 30, .error = EIO});
        EXPECT_EQ(save.save(), 0);
        const int calls = server::FileCallCount(call);
        server::ClearFileCallFault();
        return calls;
    }

    // Fails the Nth call of each kind of one save in turn, with each error. `restore` puts the
    // old file back before each round. Returns how many faults stopped the save.
    int FailEachCall(std::string_view serverPath, const std::function<void()>& restore,
                     const FileSave& save) {
        int stopped = 0;
        for (FileCall call : {FileCall::Write, FileCall::Sync, FileCall::Rename}) {
            restore();
            const std::string old = DiskBytes(serverPath);
            const int calls = CallsOfOneSave(call, save);
            const std::string saved = DiskBytes(serverPath);
            EXPECT_NE(saved, old);
            EXPECT_GE(calls, call == FileCall::Write ? 2 : 1) << static_cast<int>(call);
            for (int nth = 1; nth <= calls; ++nth) {
                for (int error : {ENOSPC, EIO}) {
                    SCOPED_TRACE("call " + std::to_string(static_cast<int>(call)) + " #" +
                                 std::to_string(nth) + ": " + std::strerror(error));
                    restore();
                    m_prompts.messages.clear();
                    save.load();
                    server::InjectFileCallFault({.call = call, .nth = nth, .error = error});
                    const int result = save.save();
                    server::ClearFileCallFault();
                    // The database does not write the same pages every time, so a save may
                    // make fewer calls than the one counted.
                    if (server::FileCallFaultsFired() == 0) {
                        EXPECT_EQ(result, 0);
                        continue;
                    }
                    EXPECT_FALSE(System().Files().InUse(serverPath, "another client"))
                        << "the failed save left the file claimed";
                    if (result == 0) {
                        // The failed call was not one the save needed.
                        EXPECT_EQ(DiskBytes(serverPath), saved);
                        EXPECT_TRUE(m_prompts.messages.empty());
                        continue;
                    }
                    ++stopped;
                    EXPECT_EQ(m_prompts.messages.size(), 1u);
                    if (m_prompts.messages.size() != 1) continue;
                    EXPECT_NE(std::find(save.ids.begin(), save.ids.end(), m_prompts.messages[0].id),
                              save.ids.end())
                        << m_prompts.messages[0].id;
                    EXPECT_EQ(m_prompts.messages[0].args, std::vector<std::string>{save.shownPath});
                    EXPECT_EQ(DiskBytes(serverPath), old);
                    EXPECT_EQ(save.modified(), 1);
                    EXPECT_EQ(save.save(), 0) << "the same changes save once the disk is back";
                    EXPECT_EQ(DiskBytes(serverPath), saved);
                    EXPECT_EQ(save.modified(), 0);
                }
            }
        }
        return stopped;
    }
};

TEST_F(SaveFaults, KeyedFileSavesStopWholeAndSaveAgain) {
    const std::string text = "GROUPPOLICY=A DESCRIPTION=old \nGROUPPOLICY=B DESCRIPTION=old \n";
    std::unique_ptr<CPointToPointProfileGroupPolicyConfigFile> file;
    const FileSave save{
        [&] {
            file = std::make_unique<CPointToPointProfileGroupPolicyConfigFile>(
                testing::kTestSystem, kGroupPolicyConfigPath, 0);
            ASSERT_EQ(file->Load(), kFileResultOk);
            file->GetAt(1)->SetDescription("new words");
        },
        [&] { return file->Save(); },
        [&] { return file->IsModified(); },
        std::string(kGroupPolicyConfigPath),
        {IDS_FILE_NOT_SAVED},
    };
    const int stopped = FailEachCall(
        kPolicyPath, [&] { PutFile(kPolicyPath, text); }, save);
    EXPECT_GT(stopped, 0);
}

TEST_F(SaveFaults, RulesFileSavesStopWholeAndSaveAgain) {
    std::unique_ptr<rules::CNATRulesFile> file;
    const FileSave save{
        [&] {
            file = std::make_unique<rules::CNATRulesFile>(testing::kTestSystem,
                                                          rules::kPPPFiltersPath, false, 3);
            ASSERT_EQ(file->Load(false), rules::kRulesResultOk);
            file->GetAt(0)->SetDescription("the office network");
        },
        [&] { return file->Save(); },
        [&] { return file->IsModified(); },
        std::string(rules::kPPPFiltersPath),
        {IDS_FILE_NOT_SAVED, IDS_RULES_FILE_CANNOT_WRITE},
    };
    const int stopped = FailEachCall(
        rules::kPPPFiltersPath,
        [&] { PutFile(rules::kPPPFiltersPath, kRulesText, server::kCcsidUtf16); }, save);
    EXPECT_GT(stopped, 0);
}

}  // namespace
}  // namespace ptp::config
