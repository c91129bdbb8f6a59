#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "platform/vocabulary/kinds.h"
#include "server/server_state.h"
#include "server/stream_files.h"
#include "server/system.h"
#include "temp_state.h"

namespace ptp::server {
namespace {

class StreamFilesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(m_state.AddSystem("SYS1").ok());
        m_system = std::move(*m_state.OpenSystem("SYS1"));
    }
    StreamFiles& Files() { return m_system->Files(); }
    std::string RawBytes(std::string_view serverPath) {
        std::ifstream in(*Files().Resolve(serverPath), std::ios::binary);
        std::ostringstream out;
        out << in.rdbuf();
        return out.str();
    }

    test::TempFolder m_folder;
    ServerState m_state{m_folder.Path()};
    std::unique_ptr<System> m_system;
};

TEST_F(StreamFilesTest, PathsIgnoreCaseAndKeepTheFirstSpelling) {
    ASSERT_TRUE(Files().Write("/QKTL/UserData/ras.cfg", "A=1\n", kCcsidText).ok());
    auto back = Files().Read("\\qktl\\USERDATA\\RAS.CFG");
    ASSERT_TRUE(back.ok());
    EXPECT_EQ(back->text, "A=1\n");
    ASSERT_TRUE(Files().Write("/QKTL/USERDATA/RAS.CFG", "A=2\n", kCcsidText).ok());
    EXPECT_TRUE(std::filesystem::exists(Files().Root() / "QKTL" / "UserData" / "ras.cfg"));
    auto names = Files().List("/qktl/userdata/*");
    ASSERT_TRUE(names.ok());
    ASSERT_EQ(names->size(), 1u);
    EXPECT_EQ((*names)[0], "ras.cfg");
    EXPECT_EQ(Files().Read("/QKTL/UserData/ras.cfg")->text, "A=2\n");
    EXPECT_FALSE(Files().Resolve("/QKTL/../../etc/passwd").ok());
    auto missing = Files().Read("/QKTL/none.cfg");
    ASSERT_FALSE(missing.ok());
    EXPECT_EQ(missing.error().messageId, "CPFA0A9");
}

TEST_F(StreamFilesTest, Utf16FilesAreKeptAsUtf16AndReadAsText) {
    std::string text = "FILTER SET a ACTION = PERMIT\nx='Grüße €'\n";
    ASSERT_TRUE(Files().Write("/QTCP/ppp.rules", text, kCcsidUtf16).ok());
    EXPECT_EQ(*Files().Ccsid("/qtcp/PPP.RULES"), kCcsidUtf16);
    std::string raw = RawBytes("/QTCP/ppp.rules");
    ASSERT_EQ(raw.size(), 2 * (text.size() - 4));  // ü, ß, € are one UTF-16 unit each
    EXPECT_EQ(raw.substr(0, 4), std::string("\0F\0I", 4));
    EXPECT_EQ(Files().Read("/QTCP/ppp.rules")->text, text);
    ASSERT_TRUE(Files().Write("/QTCP/ppp.rules", "plain", kCcsidText).ok());
    EXPECT_EQ(RawBytes("/QTCP/ppp.rules"), "plain");
}

TEST_F(StreamFilesTest, AClaimedFileIsInUseForOtherClientsOnly) {
    const std::string path = "/QKTL/UserData/grouppolicy.cfg";
    ASSERT_TRUE(Files().Claim(path, "client-1").ok());
    EXPECT_FALSE(Files().InUse(path, "client-1"));
    EXPECT_TRUE(Files().InUse("/qktl/userdata/GROUPPOLICY.CFG", "client-2"));
    auto second = m_state.OpenSystem("SYS1");
    auto refused = (*second)->Files().Claim(path, "client-2");
    ASSERT_FALSE(refused.ok());
    EXPECT_EQ(refused.error().messageId, "CPF3202");
    Files().Release(path, "client-1");
    EXPECT_FALSE(Files().InUse(path, "client-2"));
    EXPECT_TRUE((*second)->Files().Claim(path, "client-2").ok());
}

TEST_F(StreamFilesTest, LibraryViewsListMembersAndAuthorizationLists) {
    ASSERT_TRUE(m_system->PutObject(kinds::kFileMember, "QGPL/QTXTSRC/PPPFLT", {}).ok());
    ASSERT_TRUE(m_system->PutObject(kinds::kFileMember, "QGPL/QTXTSRC/NOTES", {}).ok());
    ASSERT_TRUE(m_system->PutObject(kinds::kFileMember, "QGPL/QCLSRC/OTHER", {}).ok());
    ASSERT_TRUE(m_system->PutObject(kinds::kAuthorizationList, "PPPAUTL", {}).ok());
    auto members = Files().List("\\QSYS.LIB\\QGPL.LIB\\QTXTSRC.FILE\\*.*");
    ASSERT_TRUE(members.ok());
    EXPECT_EQ(*members, (std::vector<std::string>{"NOTES.MBR", "PPPFLT.MBR"}));
    auto lists = Files().List("\\QSYS.LIB\\*.AUTL");
    ASSERT_TRUE(lists.ok());
    EXPECT_EQ(*lists, (std::vector<std::string>{"PPPAUTL.AUTL"}));
}

}  // namespace
}  // namespace ptp::server
