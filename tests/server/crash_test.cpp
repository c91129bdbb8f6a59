#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/vocabulary/kinds.h"
#include "server/server_state.h"
#include "server/sqlite_db.h"
#include "server/stream_files.h"
#include "server/system.h"
#include "temp_state.h"

namespace ptp::server {
namespace {

Attributes NinetyAttributes(const std::string& tag) {
    Attributes attributes;
    for (int id = 0; id < 90; ++id)
        attributes[id] = tag + "-" + std::to_string(id);
    return attributes;
}

// A child process that commits `before` profiles, then starts one more commit, tells the parent
// through `ready` that it is half-way through it, and waits to be killed.
[[noreturn]] void CommitThenHang(const std::filesystem::path& root, int before, int ready) {
    auto system = ServerState(root).OpenSystem("SYS1");
    if (!system) _exit(2);
    for (int i = 0; i < before; ++i) {
        std::string name = "DONE" + std::to_string(i);
        if (!(*system)->PutObject(kinds::kProfile, name, NinetyAttributes(name)).ok()) _exit(3);
    }
    (void)(*system)->Transact([&](ObjectTx& tx) -> Status {
        for (int i = 0; i < 50; ++i) {
            std::string name = "HALF" + std::to_string(i);
            if (auto s = tx.Create(kinds::kProfile, name, NinetyAttributes(name)); !s) _exit(4);
        }
        char byte = 'x';
        if (write(ready, &byte, 1) != 1) _exit(5);
        for (;;)
            pause();
    });
    _exit(6);
}

TEST(CrashTest, AProcessKilledInTheMiddleOfACommitLosesOnlyThatCommit) {
    test::TempFolder folder;
    ServerState state(folder.Path());
    ASSERT_TRUE(state.AddSystem("SYS1").ok());
    ASSERT_TRUE((*state.OpenSystem("SYS1"))->Files().Write("/QKTL/a.cfg", "KEEP=1\n", 1208).ok());

    int pipeFds[2];
    ASSERT_EQ(pipe(pipeFds), 0);
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        close(pipeFds[0]);
        CommitThenHang(folder.Path(), 20, pipeFds[1]);
    }
    close(pipeFds[1]);
    char byte = 0;
    ASSERT_EQ(read(pipeFds[0], &byte, 1), 1) << "the child failed before its last commit";
    close(pipeFds[0]);
    ASSERT_EQ(kill(child, SIGKILL), 0);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status));

    auto system = state.OpenSystem("SYS1");
    ASSERT_TRUE(system.ok());
    auto check = (*system)->Db().Prepare("PRAGMA integrity_check");
    ASSERT_TRUE(check.ok());
    ASSERT_TRUE(check->Step());
    EXPECT_EQ(check->Text(0), "ok");
    auto profiles = (*system)->ListObjects(kinds::kProfile);
    ASSERT_TRUE(profiles.ok());
    ASSERT_EQ(profiles->size(), 20u);
    for (const auto& profile : *profiles) {
        EXPECT_EQ(profile.name.rfind("DONE", 0), 0u);
        EXPECT_EQ(profile.attributes, NinetyAttributes(profile.name));
    }
    // The dead writer held the write lock; the next writer gets it.
    EXPECT_TRUE((*system)->PutObject(kinds::kProfile, "AFTER", {{0, "AFTER"}}).ok());
    EXPECT_EQ((*system)->Files().Read("/QKTL/a.cfg")->text, "KEEP=1\n");
}

TEST(CrashTest, AFileClaimOfADeadProcessIsVoid) {
    test::TempFolder folder;
    ServerState state(folder.Path());
    ASSERT_TRUE(state.AddSystem("SYS1").ok());
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        auto system = ServerState(folder.Path()).OpenSystem("SYS1");
        _exit(system && (*system)->Files().Claim("/QKTL/b.cfg", "dead-client").ok() ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    ASSERT_EQ(WEXITSTATUS(status), 0);
    auto system = state.OpenSystem("SYS1");
    EXPECT_FALSE((*system)->Files().InUse("/QKTL/b.cfg", "me"));
    EXPECT_TRUE((*system)->Files().Claim("/QKTL/b.cfg", "me").ok());
}

}  // namespace
}  // namespace ptp::server
