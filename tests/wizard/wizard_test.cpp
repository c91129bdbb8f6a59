#include "wizard/wizard.h"

#include <gtest/gtest.h>

#include "platform/ui/ddx.h"
#include "platform/ui/script_driver.h"
#include "tests/ui/ui_fixture.h"
#include "wizard/wizard_page.h"

namespace ptp::wizard {
namespace {

using ui::IDOK;
using ui::ScopedDriver;
using ui::ScriptDriver;

constexpr UINT IDS_STEP_TITLE = 950, IDS_SUMMARY_TITLE = 951;
constexpr int IDC_SKIP = 1001;

const char* const kResources = R"({
  "strings": { "950": "%1 - Step", "951": "%1 - Summary" },
  "dialogs": [
    { "id": 960, "caption": "One", "controls": [
      { "id": 1001, "kind": "checkbox", "text": "Skip ahead" } ] },
    { "id": 961, "caption": "Two" }, { "id": 962, "caption": "Three" },
    { "id": 963, "caption": "Four" }, { "id": 964, "caption": "Summary" } ],
  "help": { "132032": { "title": "One", "text": "First step." },
            "132035": { "title": "Four", "text": "Fourth step." } }
})";

class CStepPage : public CWizardPage {
  public:
    explicit CStepPage(UINT nIDTemplate) : CWizardPage(nIDTemplate) {
        SetTitleFormat(IDS_STEP_TITLE);
    }
    // A page reads its controls before it asks where Next leads.
    LRESULT OnWizardNext() override {
        if (!UpdateData(ui::TRUE)) return -1;
        return CWizardPage::OnWizardNext();
    }
    void DoDataExchange(ui::CDataExchange* pDX) override {
        if (GetTemplateId() == 960) ui::DDX_Check(pDX, IDC_SKIP, m_nSkip);
    }
    int m_nSkip = 0;
};

// Five pages; the first one leads to the fourth when its box is checked.
class CTestWizard : public CWizard {
  public:
    CTestWizard()
        : CWizard("Test wizard", "POINT-TO-POINT DIALER SETUP"),
          m_one(960),
          m_two(961),
          m_three(962),
          m_four(963),
          m_summary(964) {
        AddPage(&m_one);
        AddPage(&m_two);
        AddPage(&m_three);
        AddPage(&m_four);
        m_summary.SetButtonMode(ui::PSWIZB_BACK | ui::PSWIZB_NEXT | ui::PSWIZB_FINISH);
        m_summary.SetTitleFormat(IDS_SUMMARY_TITLE);
        AddPage(&m_summary);
    }
    CWizardPage* GetNextPage(CWizardPage* pLeaving) override {
        if (pLeaving == &m_one && m_one.m_nSkip) {
            CWizard::GetNextPage(pLeaving);
            return &m_four;
        }
        return CWizard::GetNextPage(pLeaving);
    }
    ui::BOOL OnFinish() override { return ++m_nFinishAsked > 1; }

    CStepPage m_one, m_two, m_three, m_four, m_summary;
    int m_nFinishAsked = 0;
};

class WizardTest : public ui::testing::ToolkitTest {
  protected:
    void SetUp() override {
        ToolkitTest::SetUp();
        UseResources(kResources);
    }
    static CTestWizard& Of(ui::CDialog& d) { return static_cast<CTestWizard&>(d); }
    static UINT Active(ui::CDialog& d) { return Of(d).GetActivePage()->GetTemplateId(); }
};

TEST_F(WizardTest, BackReturnsAlongThePathTaken) {
    CTestWizard wizard;
    ScriptDriver driver;
    driver.When("CTestWizard")
        .Click(IDC_SKIP)
        .Next()
        .Do([](ui::CDialog& d) {
            EXPECT_EQ(Active(d), 963u);
            EXPECT_EQ(Of(d).GetHistory().size(), 1u);
        })
        .Back()
        .Do([](ui::CDialog& d) {
            EXPECT_EQ(Active(d), 960u);  // not the third page, its list neighbour
            EXPECT_TRUE(Of(d).GetHistory().empty());
            EXPECT_EQ(Of(d).PopHistory(), nullptr);
        })
        .Click(IDC_SKIP)  // clears the box: this time every page is visited
        .Next()
        .Next()
        .Next()
        .Do([](ui::CDialog& d) {
            EXPECT_EQ(Active(d), 963u);
            EXPECT_EQ(Of(d).GetHistory().size(), 3u);
        })
        .Back()
        .Back()
        .Do([](ui::CDialog& d) { EXPECT_EQ(Active(d), 961u); })
        .Cancel();
    ScopedDriver scoped(driver);
    EXPECT_EQ(wizard.DoModal(), ui::IDCANCEL);
    EXPECT_TRUE(driver.GetTranscript().Refusals().empty()) << driver.GetTranscript().ToText();
}

TEST_F(WizardTest, JumpToPageCutsTheHistoryOnlyForPagesInIt) {
    CTestWizard wizard;
    ScriptDriver driver;
    driver.When("CTestWizard")
        .Next()
        .Next()
        .Next()
        .Do([](ui::CDialog& d) {
            CTestWizard& w = Of(d);
            // The summary is not in the history: it is shown and the history stays.
            w.JumpToPage(&w.m_summary);
            EXPECT_EQ(Active(d), 964u);
            EXPECT_EQ(w.GetHistory(), (std::list<CWizardPage*>{&w.m_one, &w.m_two, &w.m_three}));
            // The second page is: it and everything left after it leave the history.
            w.JumpToPage(&w.m_two);
            EXPECT_EQ(Active(d), 961u);
            EXPECT_EQ(w.GetHistory(), std::list<CWizardPage*>{&w.m_one});
        })
        .Back()
        .Do([](ui::CDialog& d) { EXPECT_EQ(Active(d), 960u); })
        .Cancel();
    ScopedDriver scoped(driver);
    wizard.DoModal();
}

TEST_F(WizardTest, ButtonsTitlesFlagsAndHelp) {
    CTestWizard wizard;
    EXPECT_EQ(wizard.m_one.GetButtonMode(), ui::PSWIZB_NEXT);
    EXPECT_EQ(wizard.m_two.GetButtonMode(), ui::PSWIZB_BACK | ui::PSWIZB_NEXT);
    EXPECT_TRUE(wizard.m_psh.dwFlags & ui::PSH_RTLREADING);
    EXPECT_EQ(wizard.m_two.m_psp.dwFlags & (ui::PSP_HASHELP | ui::PSP_RTLREADING),
              ui::PSP_HASHELP | ui::PSP_RTLREADING);
    ui::SetLanguageExStyleSource([] { return ui::WS_EX_LAYOUTRTL; });
    ScriptDriver driver;
    driver.When("CTestWizard")
        .Do([](ui::CDialog& d) {
            EXPECT_TRUE(Of(d).IsWizard());
            EXPECT_EQ(d.GetWindowText(), "Point-to-point dialer setup - Step");
            EXPECT_EQ(Of(d).GetWizardButtons(), ui::PSWIZB_NEXT);
            EXPECT_TRUE(d.GetExStyle() & ui::WS_EX_LAYOUTRTL);
            EXPECT_TRUE(Of(d).GetActivePage()->GetExStyle() & ui::WS_EX_LAYOUTRTL);
        })
        .Back()
        .Finish()
        .Help()
        .Next()
        .Next()
        .Next()
        .Help()
        .Next()
        .Do([](ui::CDialog& d) {
            EXPECT_EQ(d.GetWindowText(), "Point-to-point dialer setup - Summary");
            EXPECT_EQ(Of(d).GetWizardButtons(),
                      ui::PSWIZB_BACK | ui::PSWIZB_NEXT | ui::PSWIZB_FINISH);
        })
        .Next()  // after the last page there is none: the wizard stays
        .Finish()
        .Do([](ui::CDialog& d) { EXPECT_TRUE(d.IsOpen()); })
        .Finish();
    ScopedDriver scoped(driver);
    EXPECT_EQ(wizard.DoModal(), ui::ID_WIZFINISH);
    ui::SetLanguageExStyleSource(nullptr);
    EXPECT_EQ(wizard.m_psh.dwFlags & (ui::PSH_WIZARD | ui::PSH_HASHELP),
              ui::PSH_WIZARD | ui::PSH_HASHELP);
    EXPECT_EQ(wizard.m_nFinishAsked, 2);
    const auto& transcript = driver.GetTranscript();
    const auto refusals = transcript.Refusals();
    ASSERT_EQ(refusals.size(), 2u) << transcript.ToText();  // Back and Finish on the first page
    const auto help = transcript.Of(ui::TranscriptEntry::Kind::Help);
    ASSERT_EQ(help.size(), 2u);
    EXPECT_EQ(help[0].topic, 960u + 0x20000u);
    EXPECT_EQ(help[1].topic, 963u + 0x20000u);
    EXPECT_TRUE(help[1].found);
    EXPECT_EQ(help[1].result, static_cast<ui::INT_PTR>(ui::HELP_CONTEXT));
}

}  // namespace
}  // namespace ptp::wizard
