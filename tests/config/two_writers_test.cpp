// Two clients (two consoles, or a console and ptpctl) change the same thing at once: the second
// to save is refused instead of overwriting the first unseen and keeps its changes.
#include <gtest/gtest.h>

#include "config/config_paths.h"
#include "config/group_policy_config.h"
#include "host/server_error.h"
#include "platform/vocabulary/kinds.h"
#include "platform/vocabulary/line.h"
#include "tests/config/host_fixture.h"

namespace ptp::config {
namespace {

using GroupPolicyFile = CPointToPointProfileGroupPolicyConfigFile;
constexpr std::string_view kPolicyPath = "/QKTL/UserData/NOS50/TCPIP/PPP/grouppolicy.cfg";

class TwoWriters : public testing::HostFixture {
  protected:
    TwoWriters() : m_other(Options(m_root)) {}

    // Runs `body` as the other client.
    template <class Body>
    auto AsOther(Body body) {
        host::SetHost(&m_other);
        auto result = body();
        host::SetHost(&m_host);
        return result;
    }

    std::vector<std::string> Descriptions(GroupPolicyFile& file) {
        std::vector<std::string> out;
        for (std::size_t i = 0; i < file.GetCount(); ++i)
            out.push_back(file.GetAt(i)->GetDescription());
        return out;
    }

    host::InProcessHost m_other;
};

TEST_F(TwoWriters, TheSecondSaveOfAKeyedFileIsRefusedAndKeepsItsChanges) {
    PutFile(kPolicyPath, "GROUPPOLICY=A DESCRIPTION=first \nGROUPPOLICY=B DESCRIPTION=second \n");
    GroupPolicyFile mine(testing::kTestSystem, kGroupPolicyConfigPath, 0);
    ASSERT_EQ(mine.Load(), kFileResultOk);
    auto theirs =
        std::make_unique<GroupPolicyFile>(testing::kTestSystem, kGroupPolicyConfigPath, 0);
    ASSERT_EQ(AsOther([&] { return theirs->Load(); }), kFileResultOk);

    // They change A and save first; then I change B.
    theirs->GetAt(0)->SetDescription("theirs");
    ASSERT_EQ(AsOther([&] { return theirs->Save(); }), kFileResultOk);
    const std::string saved = FileText(kPolicyPath);
    mine.GetAt(1)->SetDescription("mine");
    EXPECT_EQ(mine.Save(), kFileResultChangedSince);

    EXPECT_EQ(FileText(kPolicyPath), saved) << "their save stays";
    EXPECT_TRUE(m_prompts.messages.empty()) << "the sheet that saves explains the refusal";
    EXPECT_EQ(mine.IsModified(), 1);
    EXPECT_EQ(Descriptions(mine), (std::vector<std::string>{"first", "mine"}));
    EXPECT_FALSE(System().Files().InUse(kPolicyPath, "a third client"));

    // Their next save goes on from their own: no refusal of a client by itself.
    theirs->GetAt(1)->SetDescription("theirs again");
    ASSERT_EQ(AsOther([&] { return theirs->Save(); }), kFileResultOk);
    EXPECT_NE(FileText(kPolicyPath).find("DESCRIPTION=theirs again"), std::string::npos);

    // Reloaded, my change goes on top of theirs.
    ASSERT_EQ(mine.Reload(), kFileResultOk);
    mine.GetAt(0)->SetDescription("mine on theirs");
    EXPECT_EQ(mine.Save(), kFileResultOk);
    GroupPolicyFile check(testing::kTestSystem, kGroupPolicyConfigPath, 0);
    ASSERT_EQ(check.Load(), kFileResultOk);
    EXPECT_EQ(Descriptions(check), (std::vector<std::string>{"mine on theirs", "theirs again"}));
    EXPECT_TRUE(m_prompts.messages.empty());
}

TEST_F(TwoWriters, AKeyedFileSomeoneCreatedMeanwhileIsNotReplaced) {
    GroupPolicyFile mine(testing::kTestSystem, kGroupPolicyConfigPath, 0);
    EXPECT_EQ(mine.Load(), kFileResultCannotOpen);
    GroupPolicyFile theirs(testing::kTestSystem, kGroupPolicyConfigPath, 0);
    EXPECT_EQ(AsOther([&] { return theirs.Load(); }), kFileResultCannotOpen);
    theirs.Add(GroupPolicyFile::CreateRecord("GROUPPOLICY=THEIRS "));
    ASSERT_EQ(AsOther([&] { return theirs.Save(); }), kFileResultOk);

    mine.Add(GroupPolicyFile::CreateRecord("GROUPPOLICY=MINE "));
    EXPECT_EQ(mine.Save(), kFileResultChangedSince);
    EXPECT_EQ(FileText(kPolicyPath).find("MINE"), std::string::npos);
    EXPECT_NE(FileText(kPolicyPath).find("GROUPPOLICY=THEIRS"), std::string::npos);
    EXPECT_EQ(mine.IsModified(), 1);
}

// Line properties write into the line object; the commit carries the values the client read, so
// the second of two clients changing the same value is refused with the server's explanation,
// and its object still holds its value to send again.
TEST_F(TwoWriters, TheSecondCommitOfTheSameLineIsRefusedAndKeepsItsValue) {
    ASSERT_TRUE(System()
                    .PutObject(kinds::kLine, "PPPLIN1",
                               {{attr::line::kType, "*PPP"},
                                {attr::line::kName, "PPPLIN1"},
                                {attr::line::kText, "'Old text'"},
                                {attr::line::kMaxFrame, "2048"}})
                    .ok());
    auto open = [&](host::IHost& host) {
        host::SOFError* error = nullptr;
        auto line = host.Objects().CreateObject(kinds::kLine, host::kClientName,
                                                testing::kTestSystem, "PPPLIN1", &error);
        EXPECT_EQ(error, nullptr);
        EXPECT_EQ(line->GetAttributeText(attr::line::kText, &error), "'Old text'");
        return line;
    };
    auto mine = open(m_host);
    auto theirs = open(m_other);
    theirs->SetAttribute(attr::line::kText, "'Their text'");
    host::SOFError* error = nullptr;
    theirs->Commit(&error);
    ASSERT_EQ(error, nullptr);

    mine->SetAttribute(attr::line::kText, "'My text'");
    mine->SetAttribute(attr::line::kMaxFrame, "1500");
    mine->Commit(&error);
    ASSERT_NE(error, nullptr);
    EXPECT_EQ(error->GetText(),
              "Object PPPLIN1 of type Line was changed by another user after you read it: "
              "attribute 4 is now ''Their text''. Nothing was saved; send your change again to "
              "replace theirs.");
    error->Destroy();
    error = nullptr;
    auto stored = System().GetObject(kinds::kLine, "PPPLIN1");
    ASSERT_TRUE(stored.ok());
    EXPECT_EQ(stored->Get(attr::line::kText), "'Their text'");
    EXPECT_EQ(stored->Get(attr::line::kMaxFrame), "2048") << "nothing of the refused commit";
    EXPECT_EQ(mine->GetAttributeText(attr::line::kText, &error), "'My text'");

    // Sent again, knowingly, it replaces theirs.
    mine->Commit(&error);
    EXPECT_EQ(error, nullptr);
    EXPECT_EQ(System().GetObject(kinds::kLine, "PPPLIN1")->Get(attr::line::kText), "'My text'");
    EXPECT_EQ(System().GetObject(kinds::kLine, "PPPLIN1")->Get(attr::line::kMaxFrame), "1500");
}

}  // namespace
}  // namespace ptp::config
