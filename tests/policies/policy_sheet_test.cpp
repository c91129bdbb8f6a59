#include <gtest/gtest.h>

#include "platform/res/resource_module.h"
#include "platform/ui/ui_strings.h"
#include "tests/policies/policy_test_fixture.h"

namespace ptp::testing {
namespace {

constexpr const char* kSalesLine =
    "GROUPPOLICY=SALES MULTILINKENABLE=1 MULTILINKMAXLINKS=2 MULTILINKBACP=0 TCPIPFORWARDING=0 "
    "TCPVJ=1 TCPUSEFILTER=0 TCPFILTERNAME=*NONE DESCRIPTION=Sales force on the road ";
constexpr const char* kAdminsLine =
    "GROUPPOLICY=ADMINS MULTILINKENABLE=1 MULTILINKMAXLINKS=6 MULTILINKBACP=1 TCPIPFORWARDING=1 "
    "TCPVJ=0 TCPUSEFILTER=1 TCPFILTERNAME=ETHLINE DESCRIPTION=*NONE ";

class PolicySheet : public PolicySheetTest {
  protected:
    void SetUp() override {
        PolicySheetTest::SetUp();
        // ETHLINE is named twice, by a filter interface and by a map statement.
        ASSERT_TRUE(System()
                        .Files()
                        .Write(kFiltersPath,
                               "FILTER_INTERFACE PPP_FILTER_ID = ETHLINE SET = PPPIN\n"
                               "HIDE 10.1.0.3 BEHIND 9.9.9.9 TIMEOUT = 16 MAXCON = 64 JRN = OFF\n"
                               "MAP 10.2.0.4 TO 9.8.7.4 LINE = ETHLINE JRN = OFF\n"
                               "FILTER_INTERFACE PPP_FILTER_ID = branch SET = PPPIN\n",
                               server::kCcsidUtf16)
                        .ok());
        PutPolicies(std::string(kSalesLine) + "\n" + kAdminsLine + "\n");
    }
};

TEST_F(PolicySheet, ANewPolicyIsWrittenByOkAndTheFolderListsIt) {
    std::string title;
    bool nameEnabled = false;
    std::string shownMaxLinks;
    std::vector<std::string> filters;
    bool filterEnabledBefore = true, filterEnabledAfter = false;
    driver.When(kPolicySheet)
        .Do([&](ui::CDialog& sheet) {
            title = sheet.GetWindowText();
            nameEnabled = ActivePage(sheet).GetDlgItem(IDC_POLICY_NAME)->IsWindowEnabled();
        })
        .SetText(IDC_POLICY_NAME, "  REMOTE  ")
        .SetText(IDC_POLICY_DESCRIPTION, "Road warriors")
        .SelectPage(1)
        .Do([&](ui::CDialog& sheet) {
            shownMaxLinks = ActivePage(sheet).GetDlgItemText(IDC_POLICY_MAX_LINKS);
        })
        .Check(IDC_POLICY_MULTILINK)
        .SetText(IDC_POLICY_MAX_LINKS, "4")
        .SelectPage(2)
        .Do([&](ui::CDialog& sheet) {
            filters = Entries(sheet, IDC_POLICY_FILTER_NAME);
            filterEnabledBefore =
                ActivePage(sheet).GetDlgItem(IDC_POLICY_FILTER_NAME)->IsWindowEnabled();
        })
        .Check(IDC_POLICY_USE_FILTER)
        .Do([&](ui::CDialog& sheet) {
            filterEnabledAfter =
                ActivePage(sheet).GetDlgItem(IDC_POLICY_FILTER_NAME)->IsWindowEnabled();
        })
        .Choose(IDC_POLICY_FILTER_NAME, "BRANCH")
        .Check(IDC_POLICY_HEADER_COMPRESSION)
        .Ok();

    EXPECT_EQ(Invoke("NGP", {}, "NEWGROUPPOLICY"), S_OK);

    EXPECT_EQ(driver.GetTranscript().ResultOf(kPolicySheet), ui::IDOK)
        << driver.GetTranscript().ToText();
    EXPECT_EQ(title, res::FormatText(Text(IDS_POLICY_NEW_CAPTION), {"SYS1"}));
    EXPECT_TRUE(nameEnabled);
    EXPECT_EQ(shownMaxLinks, "1") << "a new policy starts with one link";
    EXPECT_EQ(filters, (std::vector<std::string>{"ETHLINE", "9.9.9.9", "BRANCH"}))
        << "each identifier of the filters file once, upper-cased, in file order";
    EXPECT_FALSE(filterEnabledBefore);
    EXPECT_TRUE(filterEnabledAfter);
    EXPECT_EQ(PolicyLines(),
              (std::vector<std::string>{
                  kSalesLine, kAdminsLine,
                  "GROUPPOLICY=REMOTE MULTILINKENABLE=1 MULTILINKMAXLINKS=4 MULTILINKBACP=0 "
                  "TCPIPFORWARDING=0 TCPVJ=1 TCPUSEFILTER=1 TCPFILTERNAME=BRANCH "
                  "DESCRIPTION=Road warriors "}));
    EXPECT_TRUE(MessageBoxes().empty());
    EXPECT_EQ(Refreshes(), 1);

    session::Failure failure;
    auto listing = m_session->ListFolder("SYS1", "NGP", failure);
    ASSERT_TRUE(listing.has_value()) << failure.text;
    std::vector<std::vector<std::string>> rows;
    for (const auto& row : listing->rows)
        rows.push_back(row.cells);
    EXPECT_EQ(rows, (std::vector<std::vector<std::string>>{{"SALES", "Sales force on the road"},
                                                           {"ADMINS", ""},
                                                           {"REMOTE", "Road warriors"}}));
}

TEST_F(PolicySheet, ANewPolicyIsCheckedOnItsPagesBeforeAnythingIsWritten) {
    const std::vector<std::string> before = PolicyLines();
    std::vector<std::pair<int, int>> focus;  // page and control after each refusal
    std::vector<std::string> linesAfterRefusals;
    auto noteFocus = [&](ui::CDialog& sheet) {
        focus.emplace_back(static_cast<ui::CPropertySheet&>(sheet).GetActiveIndex(),
                           FocusId(sheet));
    };
    driver.When(kPolicySheet)
        .SetText(IDC_POLICY_NAME, "NEW ONE")
        .SelectPage(2)
        .Ok()
        .Do(noteFocus)
        .SetText(IDC_POLICY_NAME, "  ")
        .Ok()
        .Do(noteFocus)
        .SetText(IDC_POLICY_NAME, "admins")
        .Ok()
        .Do(noteFocus)
        .SetText(IDC_POLICY_NAME, "NEWONE")
        .SelectPage(2)
        .Check(IDC_POLICY_USE_FILTER)
        .SetText(IDC_POLICY_FILTER_NAME, "  ")
        .SelectPage(0)
        .Ok()
        .Do(noteFocus)
        .Do([&](ui::CDialog&) { linesAfterRefusals = PolicyLines(); })
        .Check(IDC_POLICY_USE_FILTER, ui::BST_UNCHECKED)
        .Ok();

    EXPECT_EQ(Invoke("NGP", {}, "NEWGROUPPOLICY"), S_OK);

    EXPECT_EQ(MessageIds(),
              (std::vector<std::uint32_t>{IDS_POLICY_NAME_INVALID, IDS_POLICY_NAME_INVALID,
                                          IDS_POLICY_NAME_EXISTS, IDS_POLICY_FILTER_REQUIRED}));
    for (const auto& box : MessageBoxes())
        EXPECT_EQ(box.style & 0xF0u, 0x30u) << "the exclamation icon";
    EXPECT_EQ(focus, (std::vector<std::pair<int, int>>{{0, IDC_POLICY_NAME},
                                                       {0, IDC_POLICY_NAME},
                                                       {0, IDC_POLICY_NAME},
                                                       {2, IDC_POLICY_FILTER_NAME}}));
    EXPECT_EQ(linesAfterRefusals, before) << "refused commits write nothing";
    ASSERT_EQ(PolicyLines().size(), 3u);
    EXPECT_EQ(PolicyLines()[2],
              "GROUPPOLICY=NEWONE MULTILINKENABLE=0 MULTILINKMAXLINKS=1 MULTILINKBACP=0 "
              "TCPIPFORWARDING=0 TCPVJ=0 TCPUSEFILTER=0 TCPFILTERNAME=*NONE DESCRIPTION=*NONE ")
        << "a multilink page never shown still gives one link";
    EXPECT_EQ(Refreshes(), 1);
}

TEST_F(PolicySheet, PropertiesShowTheStoredPolicyAndOkWritesTheChanges) {
    std::string title, description, maxLinks, filter;
    bool nameEnabled = true, multilink = false, filterEnabled = true;
    std::vector<std::string> linesWhileOpen;
    driver.When(kPolicySheet)
        .Do([&](ui::CDialog& sheet) {
            title = sheet.GetWindowText();
            nameEnabled = ActivePage(sheet).GetDlgItem(IDC_POLICY_NAME)->IsWindowEnabled();
            description = ActivePage(sheet).GetDlgItemText(IDC_POLICY_DESCRIPTION);
        })
        .SelectPage(1)
        .Do([&](ui::CDialog& sheet) {
            maxLinks = ActivePage(sheet).GetDlgItemText(IDC_POLICY_MAX_LINKS);
            multilink = ActivePage(sheet).IsDlgButtonChecked(IDC_POLICY_MULTILINK) != 0;
        })
        .SetText(IDC_POLICY_MAX_LINKS, "17")
        .SelectPage(2)
        .SetText(IDC_POLICY_MAX_LINKS, "0")
        .Ok()
        .Do([&](ui::CDialog&) { linesWhileOpen = PolicyLines(); })
        .SetText(IDC_POLICY_MAX_LINKS, "16")
        .SelectPage(2)
        .Do([&](ui::CDialog& sheet) {
            filter = ActivePage(sheet).GetDlgItemText(IDC_POLICY_FILTER_NAME);
        })
        .Click(IDC_POLICY_EDIT_RULES)
        .Check(IDC_POLICY_USE_FILTER, ui::BST_UNCHECKED)
        .Do([&](ui::CDialog& sheet) {
            filterEnabled = ActivePage(sheet).GetDlgItem(IDC_POLICY_FILTER_NAME)->IsWindowEnabled();
        })
        .Ok();

    EXPECT_EQ(Invoke("NGP", {"ADMINS"}, "PROPERTIES"), S_OK);

    EXPECT_EQ(title, res::FormatText(Text(IDS_POLICY_PROPERTIES_CAPTION), {"Admins", "SYS1"}));
    EXPECT_FALSE(nameEnabled) << "an existing policy keeps its name";
    EXPECT_EQ(description, "") << "*NONE shows as no description";
    EXPECT_EQ(maxLinks, "6");
    EXPECT_TRUE(multilink);
    EXPECT_EQ(filter, "ETHLINE");
    EXPECT_FALSE(filterEnabled);
    const auto& navigation = m_session->Bridge().navigation;
    ASSERT_EQ(navigation.size(), 1u) << "Edit Rules starts the console's packet rules editor";
    EXPECT_EQ(navigation[0].what, "editor");
    EXPECT_EQ(navigation[0].path, "com/ktl/rq800/admix/ippolicies/LMPacketRules");
    EXPECT_EQ(navigation[0].filter, "launchEditorForRemoteAccess");
    EXPECT_EQ(MessageIds(), (std::vector<std::uint32_t>{ui::IDS_UI_RANGE, ui::IDS_UI_RANGE}))
        << "17 and 0 links are refused by the page";
    EXPECT_EQ(linesWhileOpen, (std::vector<std::string>{kSalesLine, kAdminsLine}));
    EXPECT_EQ(PolicyLines(),
              (std::vector<std::string>{
                  kSalesLine,
                  "GROUPPOLICY=ADMINS MULTILINKENABLE=1 MULTILINKMAXLINKS=16 MULTILINKBACP=1 "
                  "TCPIPFORWARDING=1 TCPVJ=0 TCPUSEFILTER=0 TCPFILTERNAME=*NONE "
                  "DESCRIPTION=*NONE "}));
    EXPECT_EQ(Refreshes(), 1);
}

TEST_F(PolicySheet, CancelAndMissingAuthorityLeaveTheFileAsItWas) {
    auto file = System().Files().Read(kPoliciesPath);
    ASSERT_TRUE(file.ok());
    driver.When(kPolicySheet).SetText(IDC_POLICY_DESCRIPTION, "Changed").Cancel();
    EXPECT_EQ(Invoke("NGP", {"SALES"}, "PROPERTIES"), S_OK);

    WithoutAuthority();
    bool okEnabled = true;
    driver.When(kPolicySheet)
        .Do([&](ui::CDialog& sheet) { okEnabled = sheet.GetDlgItem(ui::IDOK)->IsWindowEnabled(); })
        .SetText(IDC_POLICY_DESCRIPTION, "Changed")
        .Ok();
    // The folder read before the authority went still shows the policy.
    EXPECT_EQ(Invoke("NGP", {"SALES"}, "PROPERTIES"), S_OK);
    EXPECT_FALSE(okEnabled);
    EXPECT_EQ(System().Files().Read(kPoliciesPath)->text, file->text) << "not even rewritten";
    EXPECT_EQ(Refreshes(), 0);
}

TEST_F(PolicySheet, TheNewPolicyTaskCreatesTheFileWhenThereIsNone) {
    ASSERT_TRUE(System().Files().Remove(kPoliciesPath).ok());
    driver.When(kPolicySheet).SetText(IDC_POLICY_NAME, "FIRST").Ok();
    session::Failure failure;
    EXPECT_EQ(m_session->RunTask("SYS1", "NGP", 28084, failure).value_or(E_FAIL), S_OK)
        << failure.text;
    ASSERT_EQ(MessageIds(), std::vector<std::uint32_t>{IDS_POLICY_FILE_NOT_LOADED});
    EXPECT_EQ(MessageBoxes()[0].style & 0xF0u, 0x30u);
    EXPECT_EQ(PolicyLines(),
              (std::vector<std::string>{"GROUPPOLICY=FIRST MULTILINKENABLE=0 MULTILINKMAXLINKS=1 "
                                        "MULTILINKBACP=0 TCPIPFORWARDING=0 TCPVJ=0 TCPUSEFILTER=0 "
                                        "TCPFILTERNAME=*NONE DESCRIPTION=*NONE "}));

    driver.AnswerMessageBoxes({ui::IDYES});
    EXPECT_EQ(Invoke("NGP", {"FIRST"}, "DELETE"), S_OK);
    EXPECT_TRUE(PolicyLines().empty()) << "the folder's delete removes the record again";
}

}  // namespace
}  // namespace ptp::testing
