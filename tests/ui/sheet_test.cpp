#include <gtest/gtest.h>

#include "platform/ui/ddx.h"
#include "platform/ui/message_box.h"
#include "platform/ui/property_sheet.h"
#include "platform/ui/script_driver.h"
#include "tests/ui/ui_fixture.h"

namespace ptp::ui {
namespace {

constexpr UINT IDD_NAME = 920, IDD_OPTIONS = 921, IDD_EXTRA = 922;
constexpr int IDC_NAME = 1001, IDC_ADD = 1002, IDC_REMOVE = 1003, IDC_LOCK = 1004;
constexpr int IDC_VALUE = 1005;
constexpr UINT IDS_NAME_REQUIRED = 930;

const char* const kResources = R"({
  "strings": { "930": "Type a name.", "931": "Name", "932": "Options", "933": "Extra" },
  "dialogs": [
    { "id": 920, "captionId": 931, "w": 220, "h": 140, "controls": [
      { "id": -1, "kind": "static", "text": "Name:" },
      { "id": 1001, "kind": "edit", "limit": 10 } ] },
    { "id": 921, "captionId": 932, "controls": [
      { "id": 1002, "kind": "button", "text": "Add extra page" },
      { "id": 1003, "kind": "button", "text": "Remove name page" },
      { "id": 1004, "kind": "checkbox", "text": "Lock" } ] },
    { "id": 922, "captionId": 933, "controls": [
      { "id": 1005, "kind": "edit" } ] } ],
  "help": { "131992": { "title": "Name page", "text": "Name the thing." },
            "131993": { "title": "Options page", "text": "Options." },
            "131994": { "title": "Extra page", "text": "Extra." } }
})";

// Every page writes what happens to it into one log, so tests can assert the order of events.
class CLoggingPage : public CPropertyPage {
  public:
    CLoggingPage(UINT nIDTemplate, std::string name, std::string& log)
        : CPropertyPage(nIDTemplate), m_strName(std::move(name)), m_log(log) {}
    BOOL OnInitDialog() override {
        m_log += m_strName + ".init;";
        return CPropertyPage::OnInitDialog();
    }
    BOOL OnSetActive() override {
        m_log += m_strName + ".set;";
        return CPropertyPage::OnSetActive();
    }
    BOOL OnKillActive() override {
        m_log += m_strName + ".kill;";
        return CPropertyPage::OnKillActive();
    }
    BOOL OnApply() override {
        m_log += m_strName + ".apply;";
        return CPropertyPage::OnApply();
    }
    void OnCancel() override { m_log += m_strName + ".cancel;"; }

  protected:
    std::string m_strName;
    std::string& m_log;
};

class CNamePage : public CLoggingPage {
  public:
    explicit CNamePage(std::string& log) : CLoggingPage(IDD_NAME, "name", log) {
        OnChanged(IDC_NAME, [this] { SetModified(); });
    }
    BOOL OnKillActive() override {
        if (!CLoggingPage::OnKillActive()) return FALSE;
        if (!m_strValue.empty()) return TRUE;
        AfxMessageBox(IDS_NAME_REQUIRED, MB_ICONEXCLAMATION);
        GotoDlgCtrl(GetDlgItem(IDC_NAME));
        return FALSE;
    }
    void DoDataExchange(CDataExchange* pDX) override { DDX_Text(pDX, IDC_NAME, m_strValue); }
    std::string m_strValue;
};

class CExtraPage : public CLoggingPage {
  public:
    explicit CExtraPage(std::string& log) : CLoggingPage(IDD_EXTRA, "extra", log) {}
    // A store that fails makes its page the active one and keeps the sheet open.
    BOOL OnApply() override {
        CLoggingPage::OnApply();
        if (GetDlgItemText(IDC_VALUE) != "bad") return TRUE;
        GetSheet()->SetActivePage(this);
        GotoDlgCtrl(GetDlgItem(IDC_VALUE));
        return FALSE;
    }
};

class COptionsPage : public CLoggingPage {
  public:
    COptionsPage(std::string& log, CPropertyPage* extra, CPropertyPage* name)
        : CLoggingPage(IDD_OPTIONS, "options", log) {
        OnClicked(IDC_ADD, [this, extra] { GetSheet()->AddPage(extra); });
        OnClicked(IDC_REMOVE, [this, name] { GetSheet()->RemovePage(name); });
        OnClicked(IDC_LOCK, [this] {
            GetSheet()->GetDlgItem(IDOK)->EnableWindow(!IsDlgButtonChecked(IDC_LOCK));
        });
    }
};

class CTestSheet : public CPropertySheet {
  public:
    explicit CTestSheet(DWORD flags = 0)
        : CPropertySheet("Properties of PRF1"),
          m_name(m_log),
          m_extra(m_log),
          m_options(m_log, &m_extra, &m_name) {
        m_psh.dwFlags |= flags;
        AddPage(&m_name);
        AddPage(&m_options);
    }
    std::string m_log;
    CNamePage m_name;
    CExtraPage m_extra;
    COptionsPage m_options;
};

class SheetTest : public testing::ToolkitTest {
  protected:
    void SetUp() override {
        ToolkitTest::SetUp();
        UseResources(kResources);
    }
};

TEST_F(SheetTest, KillActiveRefusalKeepsTheUserOnThePage) {
    CTestSheet sheet;
    ScriptDriver driver;
    driver.When("CTestSheet")
        .SelectPage(1)
        .Do([](CDialog& d) {
            auto& s = static_cast<CPropertySheet&>(d);
            EXPECT_EQ(s.GetActiveIndex(), 0);
            EXPECT_EQ(s.GetActivePage()->GetFocus(), s.GetActivePage()->GetDlgItem(IDC_NAME));
        })
        .SetText(IDC_NAME, "PRF1")
        .SelectPageByTemplate(IDD_OPTIONS)
        .Ok();
    ScopedDriver scoped(driver);
    EXPECT_EQ(sheet.DoModal(), IDOK);
    // The extra page was never shown, so it was neither created nor asked on OK.
    EXPECT_EQ(sheet.m_log,
              "name.init;name.set;name.kill;name.kill;options.init;options.set;"
              "options.kill;name.apply;options.apply;");
    EXPECT_EQ(sheet.m_name.m_strValue, "PRF1");
    const auto boxes = driver.GetTranscript().MessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].resourceId, IDS_NAME_REQUIRED);
}

TEST_F(SheetTest, PagesAddedAndRemovedWhileOpen) {
    CTestSheet sheet;
    ScriptDriver driver;
    driver.When("CTestSheet")
        .SetText(IDC_NAME, "PRF1")
        .SelectPage(1)
        .Click(IDC_ADD)
        .Do([](CDialog& d) {
            auto& s = static_cast<CPropertySheet&>(d);
            EXPECT_EQ(s.GetPageCount(), 3);
            EXPECT_FALSE(s.GetPage(2)->IsCreated());
            DialogState state;
            s.Describe(state);
            ASSERT_EQ(state.pages.size(), 3u);
            EXPECT_EQ(state.pages[2].caption, "Extra");
            EXPECT_EQ(state.activePage, 1);
        })
        .Click(IDC_REMOVE)
        .Do([](CDialog& d) {
            auto& s = static_cast<CPropertySheet&>(d);
            EXPECT_EQ(s.GetPageCount(), 2);
            EXPECT_EQ(s.GetActiveIndex(), 0);  // the options page moved up
            EXPECT_EQ(s.GetActivePage()->GetTemplateId(), IDD_OPTIONS);
        })
        .SelectPage(1)
        .SetText(IDC_VALUE, "fine")
        .Do([](CDialog& d) {
            // Removing the active page shows its neighbour.
            auto& s = static_cast<CPropertySheet&>(d);
            s.RemovePage(1);
            EXPECT_EQ(s.GetActivePage()->GetTemplateId(), IDD_OPTIONS);
        })
        .Ok();
    ScopedDriver scoped(driver);
    EXPECT_EQ(sheet.DoModal(), IDOK);
    // The removed name page is not asked on OK; removed pages lose their controls.
    EXPECT_EQ(sheet.m_log.find("name.apply"), std::string::npos) << sheet.m_log;
    EXPECT_EQ(sheet.m_log.find("extra.apply"), std::string::npos) << sheet.m_log;
    EXPECT_NE(sheet.m_log.find("options.apply"), std::string::npos);
    EXPECT_FALSE(sheet.m_name.IsCreated());
}

TEST_F(SheetTest, OkDisabledOnRequestAndApplyRefusalKeepSheetOpen) {
    CTestSheet sheet;
    sheet.AddPage(&sheet.m_extra);
    ScriptDriver driver;
    driver.When("CTestSheet")
        .SetText(IDC_NAME, "PRF1")
        .SelectPage(1)
        .Click(IDC_LOCK)
        .Ok()
        .Click(IDC_LOCK)
        .SelectPage(2)
        .SetText(IDC_VALUE, "bad")
        .SelectPage(0)
        .Ok();
    ScopedDriver scoped(driver);
    EXPECT_EQ(sheet.DoModal(), IDCANCEL);
    const auto& transcript = driver.GetTranscript();
    const auto refusals = transcript.Refusals();
    ASSERT_EQ(refusals.size(), 1u) << transcript.ToText();
    EXPECT_NE(refusals[0].find("button 1 is disabled"), std::string::npos);
    const auto stayed = transcript.StayedOpen("CTestSheet");
    ASSERT_TRUE(stayed.has_value());
    EXPECT_EQ(stayed->page, 2);
    EXPECT_EQ(stayed->pageTemplate, IDD_EXTRA);
    EXPECT_EQ(stayed->focus, IDC_VALUE);
    // Cancel after the failed OK reached every shown page.
    EXPECT_NE(sheet.m_log.find("name.cancel;options.cancel;extra.cancel;"), std::string::npos);
}

TEST_F(SheetTest, ApplyFollowsModifiedPagesAndAppliesThemWithoutClosing) {
    CTestSheet sheet;
    std::vector<bool> applyEnabled;
    auto noteApply = [&](CDialog& d) {
        applyEnabled.push_back(d.GetDlgItem(ID_APPLY_NOW)->IsWindowEnabled() != FALSE);
    };
    ScriptDriver driver;
    driver.When("CTestSheet")
        .Do(noteApply)
        .SetText(IDC_NAME, "PRF1")
        .Do(noteApply)
        .SelectPage(1)
        .Apply()
        .Do(noteApply)
        .Do([](CDialog& d) { static_cast<CPropertySheet&>(d).GetPage(0)->SetModified(); })
        .Do(noteApply)
        .Do([](CDialog& d) { static_cast<CPropertySheet&>(d).GetPage(0)->SetModified(FALSE); })
        .Do(noteApply)
        .Cancel();
    ScopedDriver scoped(driver);
    // Changes were applied, so the sheet reports OK although it was closed with Cancel.
    EXPECT_EQ(sheet.DoModal(), IDOK);
    EXPECT_EQ(applyEnabled, (std::vector<bool>{false, true, false, true, false}));
    EXPECT_NE(sheet.m_log.find("options.kill;name.apply;options.apply;name.cancel;options.cancel"),
              std::string::npos)
        << sheet.m_log;
    EXPECT_TRUE(driver.GetTranscript().Refusals().empty()) << driver.GetTranscript().ToText();

    // Closed with Cancel and nothing applied: cancel.
    CTestSheet untouched;
    driver.When("CTestSheet").SetText(IDC_NAME, "PRF2").Cancel();
    EXPECT_EQ(untouched.DoModal(), IDCANCEL);
}

TEST_F(SheetTest, StylesButtonsCaptionAndHelp) {
    CTestSheet plain;
    ScriptDriver driver;
    driver.When("CTestSheet")
        .Do([](CDialog& d) {
            EXPECT_EQ(d.GetWindowText(), "Properties of PRF1");
            ASSERT_NE(d.GetDlgItem(ID_APPLY_NOW), nullptr);
            EXPECT_FALSE(d.GetDlgItem(ID_APPLY_NOW)->IsWindowEnabled());
            EXPECT_EQ(d.GetDlgItem(IDHELP), nullptr);
        })
        .Help()
        .Cancel();
    CTestSheet styled(PSH_NOAPPLYNOW | PSH_HASHELP);
    driver.When("CTestSheet")
        .Do([](CDialog& d) {
            static_cast<CPropertySheet&>(d).SetTitle("New profile");
            EXPECT_EQ(d.GetDlgItem(ID_APPLY_NOW), nullptr);
            EXPECT_NE(d.GetDlgItem(IDHELP), nullptr);
            DialogState state;
            d.Describe(state);
            EXPECT_EQ(state.caption, "New profile");
            EXPECT_EQ(state.width, 220);
            ASSERT_EQ(state.pageControls.size(), 2u);
            EXPECT_EQ(state.pageControls[1].limit, 10);
        })
        .Apply()
        .Help()
        .SetText(IDC_NAME, "X")
        .SelectPage(1)
        .Click(IDHELP)
        .Cancel();
    ScopedDriver scoped(driver);
    EXPECT_EQ(plain.DoModal(), IDCANCEL);
    EXPECT_EQ(styled.DoModal(), IDCANCEL);
    const auto& transcript = driver.GetTranscript();
    ASSERT_EQ(transcript.Refusals().size(), 2u) << transcript.ToText();  // Help, Apply
    const auto help = transcript.Of(TranscriptEntry::Kind::Help);
    ASSERT_EQ(help.size(), 2u);
    EXPECT_EQ(help[0].topic, IDD_NAME + 0x20000u);
    EXPECT_EQ(help[1].topic, IDD_OPTIONS + 0x20000u);
    EXPECT_TRUE(help[1].found);
}

TEST_F(SheetTest, QueryCancelCanRefuseAndOnlyShownPagesHearCancel) {
    class CStubbornPage : public CLoggingPage {
      public:
        explicit CStubbornPage(std::string& log) : CLoggingPage(IDD_EXTRA, "stubborn", log) {}
        BOOL OnQueryCancel() override { return m_nAsked++ > 0; }
        int m_nAsked = 0;
    };
    std::string log;
    CStubbornPage first(log);
    CLoggingPage second(IDD_OPTIONS, "second", log);
    CPropertySheet sheet("Sheet");
    sheet.AddPage(&first);
    sheet.AddPage(&second);
    ScriptDriver driver;
    driver.When("CPropertySheet").Cancel().Do([](CDialog& d) { EXPECT_TRUE(d.IsOpen()); }).Cancel();
    ScopedDriver scoped(driver);
    EXPECT_EQ(sheet.DoModal(), IDCANCEL);
    EXPECT_EQ(first.m_nAsked, 2);
    EXPECT_EQ(log, "stubborn.init;stubborn.set;stubborn.cancel;");
}

TEST_F(SheetTest, WizardButtonsAndMoves) {
    m_bFaultsExpected = true;
    class CJumpPage : public CLoggingPage {
      public:
        CJumpPage(UINT id, std::string name, std::string& log, LRESULT next)
            : CLoggingPage(id, std::move(name), log), m_next(next) {}
        LRESULT OnWizardNext() override { return m_next; }
        LRESULT m_next;
    };
    std::string log;
    CJumpPage first(IDD_NAME, "first", log, IDD_EXTRA);  // skips the middle page
    CJumpPage middle(IDD_OPTIONS, "middle", log, 0);
    CJumpPage last(IDD_EXTRA, "last", log, 0);
    CPropertySheet wizard("Wizard");
    wizard.SetWizardMode();
    wizard.AddPage(&first);
    wizard.AddPage(&middle);
    wizard.AddPage(&last);
    ScriptDriver driver;
    driver.When("CPropertySheet")
        .Do([](CDialog& d) {
            static_cast<CPropertySheet&>(d).SetWizardButtons(PSWIZB_NEXT);
            EXPECT_EQ(d.GetDlgItem(IDOK), nullptr);
            EXPECT_FALSE(d.GetDlgItem(ID_WIZBACK)->IsWindowEnabled());
        })
        .Back()
        .Finish()
        .SetText(IDC_NAME, "x")
        .Next()
        .Do([](CDialog& d) {
            auto& s = static_cast<CPropertySheet&>(d);
            EXPECT_EQ(s.GetActivePage()->GetTemplateId(), IDD_EXTRA);
            s.SetWizardButtons(PSWIZB_BACK | PSWIZB_FINISH);
        })
        .Back()  // the base moves to the list neighbour; history is the wizard framework's job
        .Do([](CDialog& d) {
            EXPECT_EQ(static_cast<CPropertySheet&>(d).GetActiveIndex(), 1);
            EXPECT_FALSE(static_cast<CPropertySheet&>(d).SetActivePage(7));
        })
        .SelectPage(0)
        .Finish();
    ScopedDriver scoped(driver);
    EXPECT_EQ(wizard.DoModal(), ID_WIZFINISH);
    const auto refusals = driver.GetTranscript().Refusals();
    ASSERT_EQ(refusals.size(), 3u) << driver.GetTranscript().ToText();  // Back, Finish, tabs
    EXPECT_EQ(TakeFaults().size(), 1u);                                 // SetActivePage(7)
    EXPECT_EQ(log,
              "first.init;first.set;first.kill;last.init;last.set;last.kill;middle.init;"
              "middle.set;");
}

}  // namespace
}  // namespace ptp::ui
