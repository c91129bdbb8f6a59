#include <gtest/gtest.h>

#include "config/config_paths.h"
#include "config/group_policy_config.h"
#include "tests/policies/policy_test_fixture.h"

namespace ptp::testing {
namespace {

// Two consoles on one system: this one plays the user through the plug-in, the other changes the
// policies file through its own host (its own client of the same server) while the sheet is open.
class PolicyTwoWriters : public PolicySheetTest {
  protected:
    void SetUp() override {
        PolicySheetTest::SetUp();
        m_pOther = std::make_unique<host::InProcessHost>(
            host::InProcessOptions{m_folder.Path() / "state", "NXWIN", ""});
    }
    void TearDown() override {
        m_pOther.reset();
        PolicySheetTest::TearDown();
    }

    // The other console saves a change of `policy`'s description (a new policy when there is
    // none) as its own policy sheet would.
    void OtherConsoleSaves(const std::string& policy, const std::string& description) {
        host::SetHost(m_pOther.get());
        config::CPointToPointProfileGroupPolicyConfigFile file("SYS1",
                                                               config::kGroupPolicyConfigPath, 0);
        (void)file.Load();
        config::CPointToPointProfileGroupPolicyConfigData* record = nullptr;
        for (auto* each = file.GetFirst(); each; each = file.GetNext()) {
            if (each->GetGroupPolicy() == policy) record = each;
        }
        if (!record) {
            auto added = file.CreateRecord("");
            added->SetGroupPolicy(policy);
            record = added.get();
            file.Add(std::move(added));
        }
        record->SetDescription(description);
        const int saved = file.Save();
        host::SetHost(m_host.get());
        ASSERT_EQ(saved, config::kFileResultOk);
    }

    std::string Description(const std::string& policy) {
        for (const std::string& line : PolicyLines()) {
            if (line.rfind("GROUPPOLICY=" + policy + " ", 0) != 0) continue;
            return line.substr(line.find("DESCRIPTION=") + 12);
        }
        return "(no policy " + policy + ")";
    }

    std::unique_ptr<host::InProcessHost> m_pOther;
};

TEST_F(PolicyTwoWriters, TheSecondSaveIsRefusedAndTheLoserKeepsItsChangesOnScreen) {
    PutPolicies("GROUPPOLICY=SALES DESCRIPTION=Sales\nGROUPPOLICY=ADMINS DESCRIPTION=Admins\n");
    std::string shownAfterRefusal;
    std::vector<std::string> linesAfterRefusal;
    driver.When(kPolicySheet)
        .SetText(IDC_POLICY_DESCRIPTION, "Mine")
        .Do([&](ui::CDialog&) {
            OtherConsoleSaves("ADMINS", "Theirs");
            OtherConsoleSaves("SALES", "Theirs too");
        })
        .Ok()
        .Do([&](ui::CDialog& sheet) {
            shownAfterRefusal = ActivePage(sheet).GetDlgItemText(IDC_POLICY_DESCRIPTION);
            linesAfterRefusal = PolicyLines();
        })
        .Ok();

    EXPECT_EQ(Invoke("NGP", {"SALES"}, "PROPERTIES"), S_OK);

    ASSERT_EQ(MessageIds(), std::vector<std::uint32_t>{IDS_POLICY_FILE_CHANGED});
    EXPECT_EQ(MessageBoxes()[0].text, res::FormatText(Text(IDS_POLICY_FILE_CHANGED), {"SYS1"}));
    EXPECT_EQ(shownAfterRefusal, "Mine") << "the refused sheet stays open with the user's text";
    EXPECT_EQ(linesAfterRefusal.size(), 2u);
    for (const std::string& line : linesAfterRefusal)
        EXPECT_NE(line.find("DESCRIPTION=Theirs"), std::string::npos) << line;
    // OK again saves on top of the file as it is now: the other console's change of another
    // policy stays.
    EXPECT_EQ(Description("SALES"), "Mine ");
    EXPECT_EQ(Description("ADMINS"), "Theirs ");
    EXPECT_EQ(Refreshes(), 1);
}

TEST_F(PolicyTwoWriters, TwoNewPoliciesOnAFreshSystemBothSurvive) {
    ASSERT_FALSE(System().Files().Exists(kPoliciesPath));
    driver.When(kPolicySheet)
        .SetText(IDC_POLICY_NAME, "MINE")
        .Do([&](ui::CDialog&) { OtherConsoleSaves("THEIRS", "Created meanwhile"); })
        .Ok()
        .Ok();
    EXPECT_EQ(Invoke("NGP", {}, "NEWGROUPPOLICY"), S_OK);
    EXPECT_EQ(MessageIds(),
              (std::vector<std::uint32_t>{IDS_POLICY_FILE_NOT_LOADED, IDS_POLICY_FILE_CHANGED}));
    EXPECT_EQ(Description("THEIRS"), "Created meanwhile ");
    EXPECT_EQ(Description("MINE"), "*NONE ");
}

TEST_F(PolicyTwoWriters, AFileWrittenFromTheShellMeanwhileIsKeptWhenTheUserCancels) {
    PutPolicies("GROUPPOLICY=SALES DESCRIPTION=Sales\n");
    const std::string fromShell = "GROUPPOLICY=SALES DESCRIPTION=Put by an administrator\n";
    driver.When(kPolicySheet)
        .SetText(IDC_POLICY_DESCRIPTION, "Mine")
        .Do([&](ui::CDialog&) {
            // As `ptpctl file put` writes: claim, write whole, release.
            ASSERT_TRUE(System().Files().Claim(kPoliciesPath, "ptpctl-1").ok());
            ASSERT_TRUE(System().Files().Write(kPoliciesPath, fromShell, server::kCcsidText).ok());
            System().Files().Release(kPoliciesPath, "ptpctl-1");
        })
        .Ok()
        .Cancel();
    EXPECT_EQ(Invoke("NGP", {"SALES"}, "PROPERTIES"), S_OK);
    EXPECT_EQ(MessageIds(), std::vector<std::uint32_t>{IDS_POLICY_FILE_CHANGED});
    EXPECT_EQ(System().Files().Read(kPoliciesPath)->text, fromShell);
    EXPECT_EQ(Refreshes(), 0);
}

}  // namespace
}  // namespace ptp::testing
