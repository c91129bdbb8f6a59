#include <gtest/gtest.h>

#include "platform/ui/app.h"
#include "platform/ui/ddx.h"
#include "platform/ui/dialog.h"
#include "platform/ui/message_box.h"
#include "platform/ui/script_driver.h"
#include "tests/ui/ui_fixture.h"

namespace ptp::ui {
namespace {

constexpr UINT IDD_CONTROLS = 900;
constexpr int IDC_NAME = 1001, IDC_COUNT = 1002, IDC_SHOWN = 1003, IDC_ENABLED = 1004;
constexpr int IDC_RADIO_A = 1005, IDC_RADIO_B = 1006, IDC_RADIO_C = 1007;
constexpr int IDC_SIDE_L = 1008, IDC_SIDE_R = 1009;
constexpr int IDC_MODE = 1010, IDC_SPEED = 1011, IDC_LIST = 1012, IDC_NUMBERS = 1013;
constexpr int IDC_SPIN = 1014, IDC_BUDDY = 1015, IDC_ADD = 1016, IDC_HIDDEN = 1017;
constexpr int IDC_READONLY = 1018;

const char* const kResources = R"({
  "strings": { "900": "Controls", "901": "Name", "902": "Yes, please" },
  "dialogs": [ { "id": 900, "name": "Controls", "captionId": 900, "w": 200, "h": 150,
    "controls": [
      { "id": -1, "kind": "static", "textId": 901 },
      { "id": 1001, "kind": "edit", "limit": 5, "helpId": 5001 },
      { "id": 1002, "kind": "edit", "styles": ["number"] },
      { "id": 1018, "kind": "edit", "styles": ["readonly"] },
      { "id": 1003, "kind": "checkbox", "textId": 902 },
      { "id": 1004, "kind": "checkbox", "text": "Disabled", "styles": ["disabled"] },
      { "id": -1, "kind": "groupbox", "text": "Choice" },
      { "id": 1005, "kind": "radio", "text": "A", "group": true },
      { "id": 1006, "kind": "radio", "text": "B" },
      { "id": 1007, "kind": "radio", "text": "C" },
      { "id": 1008, "kind": "radio", "text": "Left", "group": true },
      { "id": 1009, "kind": "radio", "text": "Right" },
      { "id": 1010, "kind": "combobox", "styles": ["dropdownlist"] },
      { "id": 1011, "kind": "combobox", "limit": 6 },
      { "id": 1012, "kind": "listbox" },
      { "id": 1013, "kind": "listview", "styles": ["editlabels"] },
      { "id": 1015, "kind": "edit" },
      { "id": 1014, "kind": "spin", "buddy": 1015 },
      { "id": 1016, "kind": "button", "text": "Add" },
      { "id": 1017, "kind": "button", "text": "Hidden", "styles": ["hidden"] },
      { "id": 1, "kind": "button", "text": "OK", "styles": ["default"] },
      { "id": 2, "kind": "button", "text": "Cancel" },
      { "id": 9, "kind": "button", "text": "Help" } ] } ],
  "help": { "131972": { "title": "Controls", "text": "About the controls." },
            "5001": { "title": "Name", "text": "The name." } }
})";

// A dialog that uses every kind of control the way pages do: fills them in OnInitDialog, listens
// to the user, and moves values to members with DDX.
class CControlsDialog : public CDialog {
  public:
    CControlsDialog() : CDialog(IDD_CONTROLS) {
        OnClicked(IDC_SHOWN, [this] { m_log += "shown;"; });
        OnClicked(IDC_RADIO_B, [this] { m_log += "B;"; });
        OnChanged(IDC_MODE,
                  [this] { m_log += "mode " + ComboBox(IDC_MODE).GetWindowText() + ";"; });
        OnChanged(IDC_NAME, [this] { m_log += "name;"; });
        OnDoubleClicked(IDC_LIST, [this] {
            m_log += "open " + std::to_string(ListBox(IDC_LIST).GetCurSel()) + ";";
        });
        OnClicked(IDC_ADD, [this] {
            CListCtrl& numbers = ListCtrl(IDC_NUMBERS);
            numbers.EditLabel(numbers.InsertItem(numbers.GetItemCount(), ""));
        });
        OnEndLabelEdit(IDC_NUMBERS, [](int, int, const std::string& text) {
            return !text.empty() && text.find(' ') == std::string::npos;
        });
        // The spin of a period moves in fives, as the multilink periods do.
        OnSpinDelta(IDC_SPIN, [](int pos, int proposed) {
            return proposed > pos ? (pos / 5 + 1) * 5 : ((pos - 1) / 5) * 5;
        });
    }

    BOOL OnInitDialog() override {
        ComboBox(IDC_MODE).AddString("Dial");
        ComboBox(IDC_MODE).AddString("Answer");
        ComboBox(IDC_SPEED).AddString("9600");
        ComboBox(IDC_SPEED).AddString("115200");
        ListBox(IDC_LIST).AddString("LINE1");
        ListBox(IDC_LIST).AddString("LINE2");
        CListCtrl& numbers = ListCtrl(IDC_NUMBERS);
        numbers.InsertColumn(0, "Number", LVCFMT_LEFT, 80);
        numbers.InsertItem(0, "5550100");
        Spin(IDC_SPIN).SetRange(5, 3600);
        Spin(IDC_SPIN).SetPos(15);
        return CDialog::OnInitDialog();
    }

    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Text(pDX, IDC_NAME, m_strName);
        DDX_Text(pDX, IDC_COUNT, m_nCount);
        DDV_MinMaxInt(pDX, m_nCount, 1, 10);
        DDX_Check(pDX, IDC_SHOWN, m_nShown);
        DDX_Radio(pDX, IDC_RADIO_A, m_nChoice);
        DDX_Radio(pDX, IDC_SIDE_L, m_nSide);
        DDX_CBIndex(pDX, IDC_MODE, m_nMode);
        DDX_CBString(pDX, IDC_SPEED, m_strSpeed);
        DDX_LBIndex(pDX, IDC_LIST, m_nLine);
    }

    std::string m_strName = "ab";
    int m_nCount = 3;
    int m_nShown = 0;
    int m_nChoice = 0;
    int m_nSide = 1;
    int m_nMode = 0;
    std::string m_strSpeed = "9600";
    int m_nLine = -1;
    std::string m_log;
};

class DialogTest : public testing::ToolkitTest {
  protected:
    void SetUp() override {
        ToolkitTest::SetUp();
        UseResources(kResources);
    }
};

TEST_F(DialogTest, UserActionsReachControlsHandlersAndMembers) {
    CControlsDialog dialog;
    ScriptDriver driver;
    driver.When("CControlsDialog")
        .Do([](CDialog& d) {
            // Loaded from the members; the caption comes from the template.
            EXPECT_EQ(d.GetWindowText(), "Controls");
            EXPECT_EQ(d.GetDlgItemText(IDC_NAME), "ab");
            EXPECT_EQ(d.GetDlgItemText(IDC_COUNT), "3");
            EXPECT_EQ(d.IsDlgButtonChecked(IDC_RADIO_A), BST_CHECKED);
            EXPECT_EQ(d.IsDlgButtonChecked(IDC_SIDE_R), BST_CHECKED);
            EXPECT_EQ(d.GetDlgItemText(IDC_BUDDY), "15");
            EXPECT_EQ(d.GetFocus(), d.GetDlgItem(IDC_NAME));
        })
        .SetText(IDC_NAME, "PROFILE1")
        .SetText(IDC_COUNT, "1a0")
        .SetText(IDC_READONLY, "x")
        .Click(IDC_SHOWN)
        .Click(IDC_ENABLED)
        .Click(IDC_HIDDEN)
        .Click(IDC_RADIO_B)
        .Choose(IDC_MODE, "Answer")
        .Choose(IDC_MODE, 5)
        .SetText(IDC_MODE, "typed")
        .SetText(IDC_SPEED, "2304000")
        .DoubleClick(IDC_LIST, 1)
        .Click(IDC_ADD)
        .Do([](CDialog& d) { EXPECT_EQ(d.ListCtrl(IDC_NUMBERS).GetEditRow(), 1); })
        .EditCell(IDC_NUMBERS, 1, 0, "555 0199")
        .EditCell(IDC_NUMBERS, 1, 0, "5550199")
        .Spin(IDC_SPIN, 1)
        .Spin(IDC_SPIN, 1)
        .Spin(IDC_SPIN, -1)
        .Focus(IDC_LIST)
        .Do([](CDialog& d) { EXPECT_EQ(d.GetFocus(), d.GetDlgItem(IDC_LIST)); })
        .Ok();
    ScopedDriver scoped(driver);

    EXPECT_EQ(dialog.DoModal(), IDOK);

    const auto& transcript = driver.GetTranscript();
    EXPECT_EQ(dialog.m_strName, "PROFI");  // the edit's limit of 5
    EXPECT_EQ(dialog.m_nCount, 10);        // the letter never got into a digits-only edit
    EXPECT_EQ(dialog.m_nShown, 1);
    EXPECT_EQ(dialog.m_nChoice, 1);
    EXPECT_EQ(dialog.m_nSide, 1);  // another group keeps its choice
    EXPECT_EQ(dialog.m_nMode, 1);
    EXPECT_EQ(dialog.m_strSpeed, "230400");
    EXPECT_EQ(dialog.m_nLine, 1);
    EXPECT_EQ(dialog.m_log, "name;shown;B;mode Answer;open 1;");
    const auto refusals = transcript.Refusals();
    ASSERT_EQ(refusals.size(), 5u) << transcript.ToText();
    EXPECT_NE(refusals[0].find("read-only"), std::string::npos);
    EXPECT_NE(refusals[1].find("disabled"), std::string::npos);
    EXPECT_NE(refusals[2].find("hidden"), std::string::npos);
    EXPECT_NE(refusals[3].find("no entry 5"), std::string::npos);
    EXPECT_NE(refusals[4].find("drop-down list"), std::string::npos);
    EXPECT_EQ(transcript.ResultOf("CControlsDialog"), IDOK);
}

TEST_F(DialogTest, ListViewSpinAndControlsKeepTheirState) {
    CControlsDialog dialog;
    ScriptDriver driver;
    driver.When(IDD_CONTROLS)
        .Click(IDC_ADD)
        .EditCell(IDC_NUMBERS, 1, 0, "555 0199")
        .Do([](CDialog& d) {
            // The handler refused the blank: the cell stays empty and the edit is over.
            EXPECT_EQ(d.ListCtrl(IDC_NUMBERS).GetItemText(1, 0), "");
            EXPECT_EQ(d.ListCtrl(IDC_NUMBERS).GetEditRow(), -1);
        })
        .EditCell(IDC_NUMBERS, 1, 0, "5550199")
        .Choose(IDC_NUMBERS, 1)
        .Spin(IDC_SPIN, 1)
        .Spin(IDC_SPIN, 1)
        .Spin(IDC_SPIN, -1)
        .Do([](CDialog& d) {
            CListCtrl& numbers = d.ListCtrl(IDC_NUMBERS);
            EXPECT_EQ(numbers.GetItemText(1, 0), "5550199");
            EXPECT_EQ(numbers.GetSelectionMark(), 1);
            EXPECT_EQ(numbers.GetSelectedCount(), 1);
            // 15 -> 20 -> 25 -> 20: the handler rounds to fives in the direction of the click.
            EXPECT_EQ(d.Spin(IDC_SPIN).GetPos(), 20);
            EXPECT_EQ(d.GetDlgItemText(IDC_BUDDY), "20");
        })
        .SetText(IDC_BUDDY, "9999")
        .Spin(IDC_SPIN, 1)
        .Do([](CDialog& d) { EXPECT_EQ(d.Spin(IDC_SPIN).GetPos(), 3600); })
        .Cancel();
    ScopedDriver scoped(driver);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_TRUE(driver.GetTranscript().Refusals().empty()) << driver.GetTranscript().ToText();
    // Cancel stores nothing.
    EXPECT_EQ(dialog.m_strName, "ab");
}

TEST_F(DialogTest, RefusedValueKeepsTheDialogOpenWithTheFocusOnIt) {
    CControlsDialog dialog;
    ScriptDriver driver;
    driver.When("CControlsDialog")
        .SetText(IDC_COUNT, "11")
        .Ok()
        .Do([](CDialog& d) {
            EXPECT_TRUE(d.IsOpen());
            EXPECT_EQ(d.GetFocus(), d.GetDlgItem(IDC_COUNT));
        })
        .SetText(IDC_COUNT, "")
        .Ok()
        .SetText(IDC_COUNT, "10")
        .Ok();
    ScopedDriver scoped(driver);
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.m_nCount, 10);
    const auto boxes = driver.GetTranscript().MessageBoxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].resourceId, 31000u);
    EXPECT_EQ(boxes[0].text, "Enter a whole number from 1 to 10.");
    EXPECT_EQ(boxes[0].style, MB_ICONEXCLAMATION);
    EXPECT_EQ(boxes[1].resourceId, 31001u);
}

TEST_F(DialogTest, ScriptThatRunsOutLeavesARecordAndCancels) {
    CControlsDialog dialog;
    ScriptDriver driver;
    driver.When("CControlsDialog").Focus(IDC_SPEED);
    ScopedDriver scoped(driver);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    const auto stayed = driver.GetTranscript().StayedOpen("CControlsDialog");
    ASSERT_TRUE(stayed.has_value());
    EXPECT_EQ(stayed->focus, IDC_SPEED);
    EXPECT_EQ(stayed->page, -1);
    // Without a script at all the dialog is cancelled the same way.
    CControlsDialog second;
    EXPECT_EQ(second.DoModal(), IDCANCEL);
    EXPECT_EQ(driver.GetTranscript().Of(TranscriptEntry::Kind::StayedOpen).size(), 2u);
}

TEST_F(DialogTest, MissingControlsAndTemplatesAreFaults) {
    m_bFaultsExpected = true;
    class CWrongDialog : public CDialog {
      public:
        CWrongDialog() : CDialog(IDD_CONTROLS) {}
        BOOL OnInitDialog() override {
            Edit(4711).SetWindowText("nowhere");  // no such control
            ComboBox(IDC_NAME).AddString("x");    // an edit, not a combo box
            return CDialog::OnInitDialog();
        }
    };
    CWrongDialog dialog;
    ScriptDriver driver;
    driver.When("CWrongDialog").Click(4711).Ok();
    ScopedDriver scoped(driver);
    EXPECT_EQ(dialog.DoModal(), IDOK);
    const auto faults = TakeFaults();
    ASSERT_EQ(faults.size(), 2u);
    EXPECT_NE(faults[0].find("CWrongDialog (template 900) has no edit 4711"), std::string::npos);
    EXPECT_NE(faults[1].find("has no combobox 1001"), std::string::npos);
    EXPECT_EQ(driver.GetTranscript().Refusals().size(), 1u);

    CDialog orphan(12345);
    EXPECT_EQ(orphan.DoModal(), IDCANCEL);
    EXPECT_EQ(TakeFaults().size(), 1u);
}

TEST_F(DialogTest, EndDialogBeforeOpeningSkipsTheDialog) {
    CControlsDialog dialog;
    dialog.EndDialog(IDCANCEL);
    ScriptDriver driver;
    ScopedDriver scoped(driver);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_TRUE(driver.GetTranscript().entries.empty());
    // The next DoModal opens normally.
    driver.When("CControlsDialog").Ok();
    EXPECT_EQ(dialog.DoModal(), IDOK);
}

TEST_F(DialogTest, HelpButtonAndF1ShowTopicsOfTheResourceLibrary) {
    m_bFaultsExpected = true;
    CControlsDialog dialog;
    ScriptDriver driver;
    driver.When("CControlsDialog").Help().Click(IDHELP).Help(IDC_NAME).Help(IDC_COUNT).Cancel();
    ScopedDriver scoped(driver);
    dialog.DoModal();
    const auto help = driver.GetTranscript().Of(TranscriptEntry::Kind::Help);
    ASSERT_EQ(help.size(), 4u);
    EXPECT_EQ(help[0].topic, IDD_CONTROLS + 0x20000u);
    EXPECT_TRUE(help[0].found);
    EXPECT_EQ(help[0].text, "Controls");
    EXPECT_EQ(help[1].topic, IDD_CONTROLS + 0x20000u);
    EXPECT_EQ(help[2].topic, 5001u);
    EXPECT_EQ(help[2].result, static_cast<INT_PTR>(HELP_CONTEXTPOPUP));
    // A control without its own topic gets the dialog's.
    EXPECT_EQ(help[3].topic, IDD_CONTROLS + 0x20000u);
    EXPECT_EQ(LastHelp()->text, "About the controls.");
    EXPECT_TRUE(TakeFaults().empty());

    // A topic the library lacks is a fault, so a page whose help was forgotten fails its test.
    EXPECT_FALSE(WinHelp(kHelpFileName, HELP_CONTEXT, 0x29999));
    EXPECT_EQ(TakeFaults().size(), 1u);
    EXPECT_FALSE(WinHelp("OTHER.HLP", HELP_CONTEXT, IDD_CONTROLS + 0x20000));
    EXPECT_EQ(TakeFaults().size(), 1u);
}

}  // namespace
}  // namespace ptp::ui

namespace ptp::ui {
namespace {

// Polls once a second, as the dialer's test dialog does, and stops after three polls.
class CPollDialog : public CDialog {
  public:
    CPollDialog() : CDialog(IDD_CONTROLS) {}
    BOOL OnInitDialog() override {
        SetTimer(1, 1000);
        SetTimer(2, 2500);
        return CDialog::OnInitDialog();
    }
    void OnTimer(UINT_PTR nIDEvent) override {
        m_ticks.emplace_back(nIDEvent, GetClock().Now());
        if (nIDEvent == 1 && ++m_nPolls == 3) KillTimer(1);
    }
    void OnDestroy() override { m_bDestroyed = true; }
    std::vector<std::pair<UINT_PTR, std::int64_t>> m_ticks;
    int m_nPolls = 0;
    bool m_bDestroyed = false;
};

TEST_F(DialogTest, TimersFireInOrderOnTheDrivenClock) {
    CPollDialog dialog;
    ScriptDriver driver;
    driver.When("CPollDialog")
        .Do([](CDialog&) {
            const auto snapshot = TakeSnapshot();
            ASSERT_EQ(snapshot.timers.size(), 2u);
            EXPECT_EQ(snapshot.timers[0].due, 1000);
        })
        .Wait(999)
        .Do([](CDialog& d) { EXPECT_TRUE(static_cast<CPollDialog&>(d).m_ticks.empty()); })
        .Wait(4001)
        .Ok();
    ScopedDriver scoped(driver);
    EXPECT_EQ(dialog.DoModal(), IDOK);
    using Tick = std::pair<UINT_PTR, std::int64_t>;
    EXPECT_EQ(dialog.m_ticks,
              (std::vector<Tick>{{1, 1000}, {1, 2000}, {2, 2500}, {1, 3000}, {2, 5000}}));
    EXPECT_EQ(m_clock.Now(), 5000);
    EXPECT_TRUE(dialog.m_bDestroyed);
    // Closing the dialog killed its remaining timer.
    EXPECT_TRUE(TakeSnapshot().timers.empty());
}

}  // namespace
}  // namespace ptp::ui
