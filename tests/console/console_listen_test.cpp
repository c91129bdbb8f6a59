#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "console/listen_address.h"
#include "console/start_address_file.h"
#include "tests/support/temp_folder.h"

namespace ptp::console {
namespace {

TEST(ConsoleListen, OnlyThisMachineUnlessAskedTwice) {
    for (const char* local : {"127.0.0.1", "127.1.2.3", "::1", "localhost"}) {
        EXPECT_TRUE(IsLoopbackAddress(local)) << local;
        EXPECT_FALSE(RefuseListenAddress(local, false)) << local;
        EXPECT_TRUE(RemoteListenWarning(local).empty()) << local;
    }
    for (const char* remote : {"0.0.0.0", "192.168.1.5", "::", "128.0.0.1", "127.0.0", "host"}) {
        EXPECT_FALSE(IsLoopbackAddress(remote)) << remote;
        const auto refused = RefuseListenAddress(remote, false);
        ASSERT_TRUE(refused) << remote;
        EXPECT_NE(refused->find("--allow-remote"), std::string::npos);
        // Asked for twice, it listens, and says where.
        EXPECT_FALSE(RefuseListenAddress(remote, true)) << remote;
        EXPECT_NE(RemoteListenWarning(remote).find(remote), std::string::npos);
    }
}

std::string Read(const std::filesystem::path& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

unsigned Mode(const std::filesystem::path& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return 0;
    return info.st_mode & 0777;
}

TEST(ConsoleListen, TheStartAddressFileIsTheUsersAloneAndGoesWithTheConsole) {
    ptp::testing::TempFolder folder;
    const auto stateDir = folder.Path() / "state";
    const auto path = stateDir / StartAddressFile::kFileName;
    {
        // An older file that others could read is replaced, not reused.
        std::filesystem::create_directories(stateDir);
        std::ofstream(path) << "http://127.0.0.1:1/?token=old\n";
        ::chmod(path.c_str(), 0644);
        StartAddressFile file;
        ASSERT_TRUE(file.Write(stateDir, "http://127.0.0.1:8080/?token=abc"));
        EXPECT_EQ(Mode(path), 0600u);
        EXPECT_EQ(Read(path), "http://127.0.0.1:8080/?token=abc\n");
    }
    EXPECT_FALSE(std::filesystem::exists(path)) << "the address goes when the console stops";

    // A state folder that cannot hold the file is reported, and nothing is left behind.
    std::ofstream(folder.Path() / "plain") << "not a folder";
    StartAddressFile blocked;
    EXPECT_FALSE(blocked.Write(folder.Path() / "plain", "http://127.0.0.1:1/?token=x"));
}

}  // namespace
}  // namespace ptp::console
