// Keyed configuration files read and written through the host's server-file service against a
// real server stand-in: what lands on the server, what a failure leaves behind.
#include <gtest/gtest.h>

#include "config/config_paths.h"
#include "config/group_policy_config.h"
#include "host/fault_injection.h"
#include "resources/ids/files.h"
#include "tests/config/host_fixture.h"

namespace ptp::config {
namespace {

using GroupPolicyFile = CPointToPointProfileGroupPolicyConfigFile;
constexpr std::string_view kGroupPolicyServerPath =
    "/QKTL/UserData/NOS50/TCPIP/PPP/grouppolicy.cfg";

class ConfigFile : public testing::HostFixture {};

TEST_F(ConfigFile, MissingFileAndBlankFile) {
    GroupPolicyFile missing(testing::kTestSystem, kGroupPolicyConfigPath, 0);
    EXPECT_EQ(missing.Load(), kFileResultCannotOpen);
    EXPECT_TRUE(missing.IsEmpty());
    EXPECT_EQ(missing.IsModified(), 0);
    EXPECT_TRUE(m_prompts.messages.empty());

    PutFile(kGroupPolicyServerPath, "\n   \n\t\n");
    GroupPolicyFile blank(testing::kTestSystem, kGroupPolicyConfigPath, 0);
    EXPECT_EQ(blank.Load(), kFileResultOk);
    EXPECT_TRUE(blank.IsEmpty());
    EXPECT_EQ(blank.IsModified(), 0);
    EXPECT_EQ(blank.IsEndOfFile(), 1);
    // Nothing changed, so nothing is written.
    EXPECT_EQ(blank.Save(), kFileResultOk);
    EXPECT_EQ(FileText(kGroupPolicyServerPath), "\n   \n\t\n");
}

TEST_F(ConfigFile, LoadingAndSavingRewritesTheFileInWriterForm) {
    PutFile(kGroupPolicyServerPath,
            "  DESCRIPTION=sales   team GROUPPOLICY=SALES TCPVJ=1\r\n"
            "GROUPPOLICY=BAD UNKNOWN=1\n"
            "GROUPPOLICY=ENG");  // no line end on the last line
    GroupPolicyFile file(testing::kTestSystem, kGroupPolicyConfigPath, 0);
    ASSERT_EQ(file.Load(), kFileResultOk);
    ASSERT_EQ(file.GetCount(), 2u);
    EXPECT_EQ(file.GetAt(0)->GetDescription(), "sales team");
    EXPECT_EQ(file.GetAt(0)->GetTCPVJ(), 1);
    EXPECT_EQ(file.GetAt(1)->GetGroupPolicy(), "ENG");
    EXPECT_EQ(file.GetAt(2), nullptr);
    // Appending the records made the file modified, so saving rewrites it unchanged.
    EXPECT_EQ(file.IsModified(), 1);
    ASSERT_EQ(file.Save(), kFileResultOk);
    EXPECT_EQ(file.IsModified(), 0);
    EXPECT_EQ(FileText(kGroupPolicyServerPath),
              "GROUPPOLICY=SALES MULTILINKENABLE=0 MULTILINKMAXLINKS=2 MULTILINKBACP=0 "
              "TCPIPFORWARDING=0 TCPVJ=1 TCPUSEFILTER=0 TCPFILTERNAME= DESCRIPTION=sales team \n"
              "GROUPPOLICY=ENG MULTILINKENABLE=0 MULTILINKMAXLINKS=2 MULTILINKBACP=0 "
              "TCPIPFORWARDING=0 TCPVJ=0 TCPUSEFILTER=0 TCPFILTERNAME= DESCRIPTION= \n");

    // Saved and unchanged: a second save leaves the server alone.
    PutFile(kGroupPolicyServerPath, "changed by someone else\n");
    EXPECT_EQ(file.Save(), kFileResultOk);
    EXPECT_EQ(FileText(kGroupPolicyServerPath), "changed by someone else\n");
    // A record's setter makes the file modified again.
    file.GetAt(1)->SetTCPUseFilter(1);
    EXPECT_EQ(file.IsModified(), 1);
}

TEST_F(ConfigFile, UncPathNamesTheSameFile) {
    PutFile(kGroupPolicyServerPath, "GROUPPOLICY=A\n");
    GroupPolicyFile file(testing::kTestSystem,
                         "\\\\TESTSYS\\QKTL\\UserData\\NOS50\\TCPIP\\PPP\\grouppolicy.cfg", 0);
    EXPECT_EQ(file.GetServerPath(), kGroupPolicyServerPath);
    ASSERT_EQ(file.Load(), kFileResultOk);
    EXPECT_EQ(file.GetCount(), 1u);
}

TEST_F(ConfigFile, EditingTheListKeepsTheCursorAndOwnership) {
    PutFile(kGroupPolicyServerPath, "GROUPPOLICY=A\nGROUPPOLICY=B\nGROUPPOLICY=C\n");
    GroupPolicyFile file(testing::kTestSystem, kGroupPolicyConfigPath, 0);
    ASSERT_EQ(file.Load(), kFileResultOk);
    file.SetModified(0);
    EXPECT_EQ(file.GetFirst()->GetGroupPolicy(), "A");
    // Removing the record the cursor points to moves the cursor on.
    file.Remove(file.GetAt(1));
    EXPECT_EQ(file.GetNext()->GetGroupPolicy(), "C");
    EXPECT_EQ(file.GetNext(), nullptr);
    EXPECT_EQ(file.IsModified(), 1);

    auto added = GroupPolicyFile::CreateRecord("");
    added->SetGroupPolicy("D");
    file.Add(std::move(added));
    ASSERT_EQ(file.Save(), kFileResultOk);
    EXPECT_EQ(file.GetCount(), 3u);
    EXPECT_NE(FileText(kGroupPolicyServerPath).find("GROUPPOLICY=D "), std::string::npos);
    EXPECT_EQ(FileText(kGroupPolicyServerPath).find("GROUPPOLICY=B "), std::string::npos);

    // Reload reads the server's file again, dropping what was in memory.
    PutFile(kGroupPolicyServerPath, "GROUPPOLICY=Z\n");
    ASSERT_EQ(file.Reload(), kFileResultOk);
    ASSERT_EQ(file.GetCount(), 1u);
    EXPECT_EQ(file.GetFirst()->GetGroupPolicy(), "Z");
}

TEST_F(ConfigFile, EachLineGoesOutWithItsCharactersAndItsNulAsLength) {
    host::FaultInjectingHost seam(m_host);
    host::SetHost(&seam);
    GroupPolicyFile file(testing::kTestSystem, kGroupPolicyConfigPath, 0);
    // The second description has two characters of two bytes each.
    for (auto [name, description] :
         {std::pair{"SALES", "sales team"}, {"ENG", "caf\xC3\xA9 cr\xC3\xA8me"}}) {
        auto record = GroupPolicyFile::CreateRecord("");
        record->SetGroupPolicy(name);
        record->SetDescription(description);
        file.Add(std::move(record));
    }
    ASSERT_EQ(file.Save(), kFileResultOk);
    host::SetHost(&m_host);
    const std::string keys =
        " MULTILINKENABLE=0 MULTILINKMAXLINKS=2 MULTILINKBACP=0 TCPIPFORWARDING=0 TCPVJ=0 "
        "TCPUSEFILTER=0 TCPFILTERNAME= DESCRIPTION=";
    const std::string first = "GROUPPOLICY=SALES" + keys + "sales team ";
    const std::string second = "GROUPPOLICY=ENG" + keys + "caf\xC3\xA9 cr\xC3\xA8me ";
    EXPECT_EQ(seam.WrittenLines(),
              (std::vector<host::WrittenLine>{{first, first.size() + 1, host::kWritePlain},
                                              {second, second.size() - 1, host::kWritePlain}}));
    EXPECT_EQ(FileText(kGroupPolicyServerPath), first + "\n" + second + "\n");
}

TEST_F(ConfigFile, FailedSaveChangesNothingAndKeepsTheFlags) {
    PutFile(kGroupPolicyServerPath, "GROUPPOLICY=A\n");
    GroupPolicyFile file(testing::kTestSystem, kGroupPolicyConfigPath, 0);
    ASSERT_EQ(file.Load(), kFileResultOk);
    file.SetModified(0);
    file.GetFirst()->SetMultilinkEnable(1);

    // Another client is writing the file.
    ASSERT_TRUE(System().Files().Claim(kGroupPolicyServerPath, "other-client").ok());
    EXPECT_EQ(file.Save(), kFileResultCannotOpen);
    EXPECT_EQ(FileText(kGroupPolicyServerPath), "GROUPPOLICY=A\n");
    EXPECT_EQ(file.IsModified(), 1);
    EXPECT_TRUE(file.GetFirst()->IsModified());

    System().Files().Release(kGroupPolicyServerPath, "other-client");
    ASSERT_EQ(file.Save(), kFileResultOk);
    EXPECT_NE(FileText(kGroupPolicyServerPath).find("MULTILINKENABLE=1 "), std::string::npos);
}

TEST_F(ConfigFile, ReadErrorsEndTheReadWithOneMessage) {
    PutFile(kGroupPolicyServerPath, "GROUPPOLICY=A\nGROUPPOLICY=B\nGROUPPOLICY=C\n");
    host::FaultInjectingHost faulty(m_host);
    host::SetHost(&faulty);
    faulty.AddFault(testing::FailingReadsFrom(2));
    GroupPolicyFile file(testing::kTestSystem, kGroupPolicyConfigPath, 0);
    ASSERT_EQ(file.Load(), kFileResultOk);
    ASSERT_EQ(file.GetCount(), 1u);
    EXPECT_EQ(file.GetFirst()->GetGroupPolicy(), "A");
    ASSERT_EQ(m_prompts.messages.size(), 1u);
    EXPECT_EQ(m_prompts.messages[0].id, IDS_FILE_READ_WRITE_ERROR);
    EXPECT_EQ(m_prompts.messages[0].args,
              std::vector<std::string>{std::string(kGroupPolicyConfigPath)});

    // A file that cannot be opened leaves the list as it was.
    faulty.ClearFaults();
    host::Fault openFault;
    openFault.operation = host::HostOperation::FileOpen;
    openFault.fileResult = host::kFileInUse;
    faulty.AddFault(openFault);
    EXPECT_EQ(file.Reload(), kFileResultCannotOpen);
    EXPECT_TRUE(file.IsEmpty());
    host::SetHost(&m_host);
}

}  // namespace
}  // namespace ptp::config
