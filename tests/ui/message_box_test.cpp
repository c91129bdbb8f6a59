#include <gtest/gtest.h>

#include "platform/ui/app.h"
#include "platform/ui/dialog.h"
#include "platform/ui/message_box.h"
#include "platform/ui/script_driver.h"
#include "platform/ui/snapshot.h"
#include "tests/ui/ui_fixture.h"

namespace ptp::ui {
namespace {

const char* const kResources = R"({
  "strings": { "27688": "Type a name for the command.", "27700": "Delete %1 from %2?" },
  "dialogs": [ { "id": 910, "name": "Ask", "caption": "Ask", "controls": [
      { "id": 1001, "kind": "button", "text": "Ask" },
      { "id": 1002, "kind": "button", "text": "Nested" },
      { "id": 1, "kind": "button", "text": "OK" } ] } ]
})";

class MessageBoxTest : public testing::ToolkitTest {
  protected:
    void SetUp() override {
        ToolkitTest::SetUp();
        UseResources(kResources);
    }
};

TEST_F(MessageBoxTest, StylesGiveButtonsAndDefaults) {
    EXPECT_EQ(MessageBoxButtons(MB_OK | MB_ICONWARNING), (std::vector<int>{IDOK}));
    EXPECT_EQ(MessageBoxButtons(MB_OKCANCEL), (std::vector<int>{IDOK, IDCANCEL}));
    EXPECT_EQ(MessageBoxButtons(MB_YESNO | MB_ICONQUESTION), (std::vector<int>{IDYES, IDNO}));
    EXPECT_EQ(MessageBoxButtons(MB_YESNOCANCEL), (std::vector<int>{IDYES, IDNO, IDCANCEL}));
    EXPECT_EQ(MessageBoxDefault(MB_YESNO), IDYES);
    EXPECT_EQ(MessageBoxDefault(MB_YESNO | MB_DEFBUTTON2), IDNO);
    EXPECT_EQ(MessageBoxDefault(MB_YESNOCANCEL | MB_DEFBUTTON3), IDCANCEL);
    // A default button the box does not have falls back to the first.
    EXPECT_EQ(MessageBoxDefault(MB_OK | MB_DEFBUTTON3), IDOK);
}

TEST_F(MessageBoxTest, AnswersInOrderThenDefaultsAndBadAnswersAreFaults) {
    m_bFaultsExpected = true;
    ScriptDriver driver;
    driver.AnswerMessageBoxes({IDNO, IDCANCEL, IDYES});
    ScopedDriver scoped(driver);
    EXPECT_EQ(AfxMessageBox(27688, MB_YESNO | 0x1030), IDNO);
    EXPECT_EQ(AfxMessageBox(27700, {"PRF1", "SYSTEM1"}, MB_OKCANCEL), IDCANCEL);
    // IDYES is no button of an OK box: the default is taken and the mistake reported.
    EXPECT_EQ(AfxMessageBox("Plain text", MB_OK), IDOK);
    EXPECT_EQ(TakeFaults().size(), 1u);
    EXPECT_EQ(AfxMessageBox("Nobody answers", MB_YESNO | MB_DEFBUTTON2), IDNO);

    const auto boxes = driver.GetTranscript().MessageBoxes();
    ASSERT_EQ(boxes.size(), 4u);
    EXPECT_EQ(boxes[0].resourceId, 27688u);
    EXPECT_EQ(boxes[0].style, MB_YESNO | 0x1030u);
    EXPECT_EQ(boxes[0].text, "Type a name for the command.");
    EXPECT_EQ(boxes[1].text, "Delete PRF1 from SYSTEM1?");
    EXPECT_EQ(boxes[2].resourceId, 0u);
    EXPECT_FALSE(boxes[3].answered);
    EXPECT_EQ(boxes[3].result, IDNO);
}

// The application's DoMessageBox sees every box, as the plug-in's style filter must.
class CStyleApp : public CWinApp {
  public:
    int DoMessageBox(std::string_view prompt, UINT type, UINT promptId) override {
        m_seen.push_back(promptId);
        return CWinApp::DoMessageBox(prompt, type | MB_RTLREADING, promptId);
    }
    std::vector<UINT> m_seen;
};

TEST_F(MessageBoxTest, ApplicationFiltersTheStyleOfEveryBox) {
    CStyleApp app;
    app.m_strAppName = "Remote Access";
    ScriptDriver driver;
    ScopedDriver scoped(driver);
    AfxMessageBox(27688, MB_ICONWARNING);
    ASSERT_EQ(app.m_seen, std::vector<UINT>{27688});
    const auto boxes = driver.GetTranscript().MessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].style, MB_ICONWARNING | MB_RTLREADING);
}

// A driver that looks at the screen the way a front end does while the user decides.
class PeekingDriver : public ScriptDriver {
  public:
    int AnswerMessageBox(const MessageBoxState& box) override {
        m_snapshot = TakeSnapshot();
        return ScriptDriver::AnswerMessageBox(box);
    }
    UiSnapshot m_snapshot;
};

class CAskDialog : public CDialog {
  public:
    CAskDialog() : CDialog(910) {
        OnClicked(1001, [this] {
            CWaitCursor wait;
            m_nAnswer = AfxMessageBox("Start PRF1 now?", MB_YESNO | MB_ICONQUESTION);
        });
        OnClicked(1002, [] {
            CAskDialog nested;
            nested.SetWindowText("Nested");
            nested.DoModal();
        });
    }
    int m_nAnswer = 0;
};

TEST_F(MessageBoxTest, SnapshotShowsNestedDialogsTheBoxAndTheWaitCursor) {
    PeekingDriver driver;
    UiSnapshot inner;
    driver.When("CAskDialog").Click(1002).Ok();
    driver.When("CAskDialog").Do([&](CDialog&) { inner = TakeSnapshot(); }).Click(1001).Ok();
    driver.AddAnswer(IDNO);
    ScopedDriver scoped(driver);
    CAskDialog outer;
    EXPECT_EQ(outer.DoModal(), IDOK);

    ASSERT_EQ(inner.dialogs.size(), 2u);
    EXPECT_EQ(inner.dialogs[0].className, "CAskDialog");
    EXPECT_EQ(inner.dialogs[1].caption, "Nested");
    EXPECT_NE(inner.dialogs[0].handle, inner.dialogs[1].handle);
    ASSERT_EQ(inner.dialogs[1].controls.size(), 3u);
    EXPECT_EQ(inner.dialogs[1].controls[0].kind, "button");
    EXPECT_EQ(inner.dialogs[1].controls[0].text, "Ask");
    EXPECT_FALSE(inner.messageBox.has_value());
    EXPECT_FALSE(inner.waitCursor);

    const UiSnapshot& during = driver.m_snapshot;
    ASSERT_TRUE(during.messageBox.has_value());
    EXPECT_EQ(during.messageBox->text, "Start PRF1 now?");
    EXPECT_EQ(during.messageBox->buttons, (std::vector<int>{IDYES, IDNO}));
    EXPECT_TRUE(during.waitCursor);
    EXPECT_FALSE(TakeSnapshot().messageBox.has_value());
    EXPECT_FALSE(IsWaitCursor());
    EXPECT_TRUE(OpenDialogs().empty());
}

// The console's window as the plug-in sees it: a handle it sends refresh and status messages to.
class CConsoleWindow : public CWnd {
  public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM) override {
        m_received.emplace_back(message, wParam);
        return 1;
    }
    std::vector<std::pair<UINT, WPARAM>> m_received;
};

TEST_F(MessageBoxTest, MessagesToTheConsoleWindowAreDeliveredAndRecorded) {
    CConsoleWindow console;
    console.Create("Console");
    ScriptDriver driver;
    driver.When("CAskDialog")
        .Do([&](CDialog&) {
            PostMessage(console.GetSafeHwnd(), 0x407, 1, 0);
            EXPECT_EQ(console.m_received.size(), 1u);  // posted: the loop delivers it
        })
        .Focus(1001)
        .Do([&](CDialog&) { EXPECT_EQ(console.m_received.size(), 2u); })
        .Ok();
    ScopedDriver scoped(driver);
    EXPECT_EQ(SendMessage(console.GetSafeHwnd(), 0x408, 0, 0), 1);
    CAskDialog dialog;
    dialog.DoModal();
    ASSERT_EQ(console.m_received.size(), 2u);
    EXPECT_EQ(console.m_received[1], (std::pair<UINT, WPARAM>{0x407, 1}));
    const auto messages = driver.GetTranscript().Of(TranscriptEntry::Kind::Message);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].message, 0x408u);
    EXPECT_EQ(messages[1].message, 0x407u);
    EXPECT_EQ(messages[1].wParam, 1);

    // A window that is gone receives nothing; the message is still recorded.
    const HWND gone = console.GetSafeHwnd();
    console.DestroyWindow();
    EXPECT_EQ(CWnd::FromHandle(gone), nullptr);
    EXPECT_EQ(SendMessage(gone, 0x407, 0, 0), 0);
    EXPECT_EQ(console.m_received.size(), 2u);
    EXPECT_EQ(driver.GetTranscript().Of(TranscriptEntry::Kind::Message).size(), 3u);
}

}  // namespace
}  // namespace ptp::ui
