#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

#include "platform/vocabulary/kinds.h"
#include "server/file_calls.h"
#include "server/server_state.h"
#include "server/sqlite_db.h"
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

// Every write, sync and rename of a file save, failing with a full disk or a failing device: the
// save is refused with a message that names the file and the cause, the old file stays byte for
// byte, no temporary file is left, and the same save goes through once the disk is back.
TEST_F(StreamFilesTest, AFailedWriteSyncOrRenameLeavesTheOldFileAndSaysWhichFileWasNotSaved) {
    ASSERT_TRUE(Files().Write("/QKTL/ras.cfg", "OLD=1\n", kCcsidText).ok());
    const std::string old = RawBytes("/QKTL/ras.cfg");
    for (FileCall call : {FileCall::Write, FileCall::Sync, FileCall::Rename}) {
        for (int error : {ENOSPC, EIO}) {
            SCOPED_TRACE(std::to_string(static_cast<int>(call)) + " " + std::strerror(error));
            InjectFileCallFault({.call = call, .nth = 1, .error = error});
            const Status saved = Files().Write("/QKTL/ras.cfg", "NEW=2\n", kCcsidUtf16);
            ClearFileCallFault();
            ASSERT_FALSE(saved.ok());
            EXPECT_EQ(FileCallFaultsFired(), 1);
            EXPECT_EQ(saved.error().messageId, "TCP8A31");
            EXPECT_EQ(saved.error().text,
                      "File ras.cfg was not saved: " + std::string(std::strerror(error)) +
                          ". The file on the server is as it was.");
            EXPECT_EQ(RawBytes("/QKTL/ras.cfg"), old);
            EXPECT_EQ(Files().Read("/QKTL/ras.cfg")->text, "OLD=1\n");
            auto names = Files().List("/QKTL/*");
            ASSERT_TRUE(names.ok());
            EXPECT_EQ(*names, std::vector<std::string>{"ras.cfg"});
            std::size_t onDisk = 0;
            for (const auto& entry : std::filesystem::directory_iterator(Files().Root() / "QKTL")) {
                (void)entry;
                ++onDisk;
            }
            EXPECT_EQ(onDisk, 1u) << "a temporary file was left";
        }
    }
    ASSERT_TRUE(Files().Write("/QKTL/ras.cfg", "NEW=2\n", kCcsidText).ok());
    EXPECT_EQ(RawBytes("/QKTL/ras.cfg"), "NEW=2\n");
}

// The database's writes and syncs go through the same calls: an object commit that cannot be
// written is refused whole and the store stays sound.
TEST_F(StreamFilesTest, AnObjectCommitWhoseWriteFailsChangesNothing) {
    ASSERT_TRUE(m_system->PutObject("Modem", "M1", {{0, "M1"}, {3, "AT"}}).ok());
    InjectFileCallFault({.call = FileCall::Write, .nth = 1, .error = ENOSPC, .repeat = true});
    const Status refused = m_system->PutObject("Modem", "M1", {{0, "M1"}, {3, "AT&F"}});
    const Status created = m_system->PutObject("Modem", "M2", {{0, "M2"}});
    ClearFileCallFault();
    ASSERT_FALSE(refused.ok());
    EXPECT_NE(refused.error().text.find("full"), std::string::npos) << refused.error().text;
    EXPECT_FALSE(created.ok());
    EXPECT_GE(FileCallFaultsFired(), 2);
    EXPECT_EQ(m_system->GetObject("Modem", "M1")->Get(3), "AT");
    EXPECT_FALSE(m_system->GetObject("Modem", "M2").ok());
    auto check = m_system->Db().Prepare("PRAGMA integrity_check");
    ASSERT_TRUE(check.ok() && check->Step());
    EXPECT_EQ(check->Text(0), "ok");
    ASSERT_TRUE(m_system->PutObject("Modem", "M1", {{0, "M1"}, {3, "AT&F"}}).ok());
    EXPECT_EQ(m_system->GetObject("Modem", "M1")->Get(3), "AT&F");
}

}  // namespace
}  // namespace ptp::server
