#include "platform/ui/script_json.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "platform/ui/dialog.h"
#include "platform/ui/message_box.h"
#include "tests/ui/ui_fixture.h"

namespace ptp::ui {
namespace {

const char* const kResources = R"({
  "dialogs": [ { "id": 940, "name": "IDD_POLL", "caption": "Poll", "controls": [
      { "id": 1001, "name": "IDC_POLL_TEXT", "kind": "edit" },
      { "id": 1002, "name": "IDC_POLL_MODE", "kind": "combobox", "styles": ["dropdownlist"] },
      { "id": 1003, "name": "IDC_POLL_ASK", "kind": "button", "text": "Ask" },
      { "id": 1, "name": "IDOK", "kind": "button", "text": "OK" } ] } ]
})";

class CScriptedDialog : public CDialog {
  public:
    CScriptedDialog() : CDialog(940) {
        OnClicked(1003, [this] { m_nAnswer = AfxMessageBox("Really?", MB_YESNO); });
    }
    BOOL OnInitDialog() override {
        ComboBox(1002).AddString("Dial");
        ComboBox(1002).AddString("Answer");
        SetTimer(1, 1000);
        return CDialog::OnInitDialog();
    }
    void OnTimer(UINT_PTR) override { ++m_nTicks; }
    void OnOK() override {
        m_strText = GetDlgItemText(1001);
        m_strMode = ComboBox(1002).GetWindowText();
        CDialog::OnOK();
    }
    std::string m_strText, m_strMode;
    int m_nAnswer = 0;
    int m_nTicks = 0;
};

class ScriptJsonTest : public testing::ToolkitTest {
  protected:
    void SetUp() override {
        ToolkitTest::SetUp();
        UseResources(kResources);
    }
};

TEST_F(ScriptJsonTest, PlaysAScriptAndWritesTheTranscript) {
    const char* script = R"({
      "clock": "manual",
      "dialogs": [
        { "dialog": "CScriptedDialog", "actions": [
            { "setText": "IDC_POLL_TEXT", "text": "PRF1" }, { "choose": 1002, "text": "Answer" },
            { "click": 1003 }, { "wait": 2500 }, { "click": 4711 }, { "click": "IDOK" } ] },
        { "template": "IDD_POLL", "actions": [ { "choose": "IDC_POLL_MODE", "index": 0 } ] },
        { "dialog": "CNeverOpened", "actions": [ "ok" ] } ],
      "messageBoxes": [ "no" ]
    })";
    CScriptedDialog first, second;
    const std::int64_t before = GetClock().Now();
    const PlayResult result = PlayScript(script, [&] {
        first.DoModal();
        second.DoModal();
    });
    ASSERT_TRUE(result.loaded) << result.error;
    EXPECT_EQ(result.unusedScripts, std::vector<std::string>{"CNeverOpened"});
    EXPECT_EQ(first.m_strText, "PRF1");
    EXPECT_EQ(first.m_strMode, "Answer");
    EXPECT_EQ(first.m_nAnswer, IDNO);
    EXPECT_EQ(first.m_nTicks, 2);
    // The script's own clock moved, not the one the test installed.
    EXPECT_EQ(GetClock().Now(), before);
    const auto& transcript = result.transcript;
    EXPECT_EQ(transcript.ResultOf("CScriptedDialog"), IDCANCEL);  // the second stayed open
    EXPECT_EQ(transcript.Refusals().size(), 1u);
    EXPECT_EQ(transcript.ToText(),
              "open CScriptedDialog 940\n"
              "messageBox 0 0x4 \"Really?\" -> 7\n"
              "refused CScriptedDialog: click 4711: there is no control 4711\n"
              "close CScriptedDialog 940 -> 1\n"
              "open CScriptedDialog 940\n"
              "stayedOpen CScriptedDialog page -1 (0) focus IDC_POLL_MODE\n"
              "close CScriptedDialog 940 -> 2\n");
    const auto json = nlohmann::json::parse(TranscriptToJson(transcript));
    ASSERT_EQ(json.size(), 7u);
    EXPECT_EQ(json[1]["kind"], "messageBox");
    EXPECT_EQ(json[1]["answer"], IDNO);
    EXPECT_EQ(json[5]["focus"], 1002);
    EXPECT_EQ(json[5]["focusName"], "IDC_POLL_MODE");
}

TEST_F(ScriptJsonTest, MistakesAreNamedAndNothingRuns) {
    const std::vector<std::pair<const char*, const char*>> cases = {
        {"[1]", "not a JSON object"},
        {R"({"dialogs": [{"actions": []}]})", "dialog 1: a dialog entry needs"},
        {R"({"dialogs": [{"dialog": "X", "actions": ["jump"]}]})", "action 1: unknown action"},
        {R"({"dialogs": [{"dialog": "X", "actions": [{"click": "OK"}]}]})",
         "action 1: no template has a control named \"OK\""},
        {R"({"dialogs": [{"template": "IDD_NONE", "actions": []}]})",
         "dialog 1: no template is named \"IDD_NONE\""},
        {R"({"dialogs": [{"dialog": "X", "actions": [{"setText": 5}]}]})", "bad value"},
        {R"({"dialogs": [{"dialog": "X", "actions": [{"click": 1, "ok": 2}]}]})", "two things"},
        {R"({"dialogs": [{"dialog": "X", "actions": [{"choose": 1}]}]})", "bad value"},
        {R"({"messageBoxes": ["maybe"]})", "answer 1 is not a button"},
        {R"({"clock": "sundial"})", "\"clock\""},
        // A misspelt key is named, not ignored into a script that does nothing.
        {R"({"dialogs": [{"dialog": "X", "steps": ["ok"]}]})", "dialog 1: unknown key \"steps\""},
        {R"({"dialog": [{"dialog": "X", "actions": ["ok"]}]})", "unknown key \"dialog\""},
    };
    for (const auto& [text, expected] : cases) {
        bool ran = false;
        const PlayResult result = PlayScript(text, [&] { ran = true; });
        EXPECT_FALSE(result.loaded) << text;
        EXPECT_FALSE(ran) << text;
        EXPECT_NE(result.error.find(expected), std::string::npos) << text << ": " << result.error;
    }
}

TEST_F(ScriptJsonTest, ScriptsSurviveARoundTrip) {
    const char* script = R"({"dialogs": [
        {"dialog": "CPointToPointProfileSetupDialog", "actions": [
          {"check": 5, "value": 0}, {"choose": 6, "text": "Dial"}, {"choose": 6, "index": 1},
          {"doubleClick": 7, "row": 2}, {"editCell": 7, "row": 1, "column": 0, "text": "x"},
          {"spin": 8, "delta": -2}, {"focus": 9}, {"selectPage": 1},
          {"selectPage": {"template": 31210}}, {"help": 9}, "help", {"wait": 10}, "back",
          "next", "finish", "apply", "cancel", "ok", {"setText": 3, "text": "a\"b"}]},
        {"template": 31100, "actions": []}],
      "messageBoxes": [1, 6, 7]})";
    ScriptDriver first;
    std::string error;
    ASSERT_TRUE(LoadScript(script, first, error)) << error;
    const std::string written = ScriptToJson(first);
    ScriptDriver second;
    ASSERT_TRUE(LoadScript(written, second, error)) << error;
    EXPECT_EQ(ScriptToJson(second), written);
    ASSERT_EQ(second.Scripts().size(), 2u);
    EXPECT_EQ(second.Scripts()[0]->Steps().size(), 19u);
    EXPECT_EQ(second.Scripts()[1]->TemplateId(), 31100u);
    EXPECT_EQ(second.Answers(), (std::vector<int>{1, 6, 7}));
}

}  // namespace
}  // namespace ptp::ui
