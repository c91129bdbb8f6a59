// Saves killed at random points. A child process saves the group policy file through the plug-in's
// file class and commits a profile through the host, over and over, until the parent kills it at
// a random moment; after every kill the file holds one whole version, the profile one version in
// every attribute written, and the database passes its integrity check.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <random>
#include <sstream>

#include "config/config_paths.h"
#include "config/group_policy_config.h"
#include "platform/vocabulary/kinds.h"
#include "platform/vocabulary/profile.h"
#include "server/sqlite_db.h"
#include "tests/config/host_fixture.h"

namespace ptp::config {
namespace {

using GroupPolicyFile = CPointToPointProfileGroupPolicyConfigFile;
constexpr std::string_view kServerPath = "/QKTL/UserData/NOS50/TCPIP/PPP/grouppolicy.cfg";
constexpr const char* kProfile = "CRASHPRF";
constexpr int kWrittenAttributes[] = {attr::profile::kDescription, attr::profile::kRemoteNumber1,
                                      attr::profile::kRemoteNumber2, attr::profile::kRemoteNumber3};
constexpr int kSaves = 1000;

std::string Tag(int version) {
    return "V" + std::to_string(version);
}

// The child: saves version after version and reports each finished save with one byte.
[[noreturn]] void SaveUntilKilled(const std::filesystem::path& root, int firstVersion, int done) {
    host::InProcessOptions options;
    options.stateRoot = root;
    host::InProcessHost host(options);
    host::SetHost(&host);
    testing::RecordingPrompts prompts;
    SetFilePrompts(&prompts);
    GroupPolicyFile file(testing::kTestSystem, kGroupPolicyConfigPath, 0);
    if (file.Load() != kFileResultOk) _exit(2);
    for (int version = firstVersion;; ++version) {
        for (std::size_t i = 0; i < file.GetCount(); ++i)
            file.GetAt(i)->SetDescription(Tag(version));
        if (file.Save() != kFileResultOk) _exit(3);
        host::SOFError* error = nullptr;
        auto profile = host.Objects().CreateObject(kinds::kProfile, host::kClientName,
                                                   testing::kTestSystem, kProfile, &error);
        if (!profile || error) _exit(4);
        for (int id : kWrittenAttributes)
            profile->SetAttribute(id, Tag(version));
        profile->Commit(&error);
        if (error) _exit(5);
        const char byte = 'x';
        if (write(done, &byte, 1) != 1) _exit(6);
    }
}

class CrashLoop : public testing::HostFixture {
  protected:
    // The version every line of the file carries; -1 when the lines disagree or one is cut.
    int FileVersion() {
        std::istringstream lines(FileText(kServerPath));
        std::string line;
        int version = 0;
        int count = 0;
        while (std::getline(lines, line)) {
            const auto at = line.find("DESCRIPTION=V");
            if (at == std::string::npos || line.back() != ' ') return -1;
            const int tagged = std::atoi(line.c_str() + at + 13);
            if (count++ > 0 && tagged != version) return -1;
            version = tagged;
        }
        return count == 3 ? version : -1;
    }

    // The version every written attribute of the profile carries; -1 when they disagree.
    int ProfileVersion() {
        auto profile = System().GetObject(kinds::kProfile, kProfile);
        if (!profile) return -1;
        const std::string tag = profile->Get(kWrittenAttributes[0]);
        for (int id : kWrittenAttributes) {
            if (profile->Get(id) != tag) return -1;
        }
        return tag.size() > 1 ? std::atoi(tag.c_str() + 1) : -1;
    }

    std::string IntegrityCheck() {
        auto check = System().Db().Prepare("PRAGMA integrity_check");
        if (!check.ok() || !check->Step()) return "no answer";
        return check->Text(0);
    }
};

TEST_F(CrashLoop, KilledSavesLeaveOneWholeVersionOfEverything) {
    PutFile(kServerPath,
            "GROUPPOLICY=A DESCRIPTION=V0 \nGROUPPOLICY=B DESCRIPTION=V0 \n"
            "GROUPPOLICY=C DESCRIPTION=V0 \n");
    ASSERT_TRUE(System()
                    .PutObject(kinds::kProfile, kProfile,
                               {{attr::profile::kName, kProfile},
                                {attr::profile::kProtocol, "2"},
                                {attr::profile::kLineService, "1"},
                                {attr::profile::kMode, "1"},
                                {attr::profile::kDescription, "V0"},
                                {attr::profile::kRemoteNumber1, "V0"},
                                {attr::profile::kRemoteNumber2, "V0"},
                                {attr::profile::kRemoteNumber3, "V0"}})
                    .ok());
    // The same seed gives the same kill points, so a failure can be replayed.
    std::mt19937 random(20261206);
    std::uniform_int_distribution<int> savesBeforeKill(0, 30);
    std::uniform_int_distribution<int> delayMicroseconds(0, 4000);
    int saves = 0;
    int kills = 0;
    int lastVersion = 0;
    int lastProfileVersion = 0;
    while (saves < kSaves) {
        int pipeFds[2];
        ASSERT_EQ(pipe(pipeFds), 0);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            close(pipeFds[0]);
            SaveUntilKilled(m_root, lastVersion + 1, pipeFds[1]);
        }
        close(pipeFds[1]);
        const int wanted = savesBeforeKill(random);
        int finished = 0;
        char byte = 0;
        while (finished < wanted && read(pipeFds[0], &byte, 1) == 1)
            ++finished;
        usleep(static_cast<useconds_t>(delayMicroseconds(random)));
        kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        // Saves reported after the count was reached finished too.
        while (read(pipeFds[0], &byte, 1) == 1)
            ++finished;
        close(pipeFds[0]);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the saving child stopped by itself with "
                                         << WEXITSTATUS(status) << " after " << kills << " kills";
        saves += finished;
        ++kills;

        SCOPED_TRACE("kill " + std::to_string(kills) + " after " + std::to_string(saves) +
                     " saves");
        const int fileVersion = FileVersion();
        const int profileVersion = ProfileVersion();
        ASSERT_GE(fileVersion, lastVersion) << FileText(kServerPath);
        ASSERT_GE(profileVersion, lastProfileVersion);
        // A version's file is saved before its profile, so a kill between the two leaves the
        // profile behind the file, never ahead.
        ASSERT_LE(profileVersion, fileVersion);
        // The child counts from the file's version on; every save it reported is whole.
        if (finished > 0) {
            ASSERT_GE(profileVersion, lastVersion + finished);
        }
        ASSERT_EQ(IntegrityCheck(), "ok");
        lastVersion = fileVersion;
        lastProfileVersion = profileVersion;
    }
    EXPECT_GE(kills, kSaves / 100) << "the saves were killed often";

    // Temporary files of killed writers are gone once the system is opened again.
    std::filesystem::path folder;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(m_root)) {
        if (entry.path().filename() == "grouppolicy.cfg") folder = entry.path().parent_path();
    }
    ASSERT_FALSE(folder.empty());
    const pid_t gone = fork();
    if (gone == 0) _exit(0);
    ASSERT_EQ(waitpid(gone, nullptr, 0), gone);
    std::ofstream(folder / ("grouppolicy.cfg.tmp." + std::to_string(gone) + ".0")) << "half";
    host::InProcessOptions options;
    options.stateRoot = m_root;
    host::InProcessHost reopened(options);
    ASSERT_NE(reopened.SystemFor(testing::kTestSystem), nullptr);
    for (const auto& entry : std::filesystem::recursive_directory_iterator(m_root)) {
        EXPECT_EQ(entry.path().filename().string().find(".tmp."), std::string::npos)
            << entry.path();
    }
    EXPECT_EQ(FileVersion(), lastVersion);
}

}  // namespace
}  // namespace ptp::config
