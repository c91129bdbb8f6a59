#include "platform/ui/snapshot_json.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "platform/ui/message_box.h"
#include "platform/ui/property_sheet.h"
#include "platform/ui/script_driver.h"
#include "tests/ui/ui_fixture.h"

namespace ptp::ui {
namespace {

const char* const kResources = R"({
  "strings": { "970": "General" },
  "dialogs": [ { "id": 970, "captionId": 970, "w": 200, "h": 100, "controls": [
      { "id": 1001, "kind": "edit", "limit": 10, "styles": ["password"] },
      { "id": 1002, "kind": "listview" },
      { "id": 1003, "kind": "spin", "buddy": 1001 },
      { "id": 1004, "kind": "combobox", "styles": ["dropdownlist"] } ] } ]
})";

class CGeneralPage : public CPropertyPage {
  public:
    CGeneralPage() : CPropertyPage(970) {}
    BOOL OnInitDialog() override {
        ListCtrl(1002).InsertColumn(0, "Route", LVCFMT_LEFT, 90);
        ListCtrl(1002).InsertItem(0, "10.1.1.0");
        ListCtrl(1002).SetItemText(0, 1, "255.255.255.0");
        Spin(1003).SetRange(1, 6);
        ComboBox(1004).AddString("\xff broken text from a server");
        ModifyStyleEx(0, WS_EX_CONTEXTHELP);
        return CPropertyPage::OnInitDialog();
    }
};

class SnapshotJsonTest : public testing::ToolkitTest {
  protected:
    void SetUp() override {
        ToolkitTest::SetUp();
        UseResources(kResources);
    }
};

TEST_F(SnapshotJsonTest, FrontEndsSeeSheetsPagesControlsAndBoxes) {
    CGeneralPage page;
    CPropertySheet sheet("Properties");
    sheet.m_psh.dwFlags |= PSH_NOAPPLYNOW;
    sheet.AddPage(&page);
    nlohmann::json during;
    class CapturingDriver : public ScriptDriver {
      public:
        explicit CapturingDriver(nlohmann::json& out) : m_out(out) {}
        int AnswerMessageBox(const MessageBoxState& box) override {
            m_out = nlohmann::json::parse(SnapshotToJson(TakeSnapshot()));
            return ScriptDriver::AnswerMessageBox(box);
        }
        nlohmann::json& m_out;
    } driver(during);
    driver.When("CPropertySheet")
        .Do([](CDialog&) { AfxMessageBox("Save changes?", MB_YESNO | MB_DEFBUTTON2); })
        .Cancel();
    ScopedDriver scoped(driver);
    sheet.DoModal();

    ASSERT_EQ(during["dialogs"].size(), 1u);
    const auto& d = during["dialogs"][0];
    EXPECT_EQ(d["isSheet"], true);
    EXPECT_EQ(d["activePage"], 0);
    EXPECT_EQ(d["pages"][0]["caption"], "General");
    EXPECT_EQ(d["controls"].size(), 2u);  // OK and Cancel, no Apply
    EXPECT_EQ(d["controls"][0]["default"], true);
    const auto& controls = d["pageControls"];
    ASSERT_EQ(controls.size(), 4u);
    EXPECT_EQ(controls[0]["password"], true);
    EXPECT_EQ(controls[0]["limit"], 10);
    EXPECT_EQ(controls[0]["focused"], true);
    EXPECT_EQ(controls[1]["columns"][0]["heading"], "Route");
    EXPECT_EQ(controls[1]["rows"][0]["cells"][1], "255.255.255.0");
    EXPECT_EQ(controls[2]["high"], 6);
    EXPECT_EQ(controls[2]["buddy"], 1001);
    EXPECT_EQ(controls[3]["items"].size(), 1u);
    EXPECT_EQ(during["messageBox"]["buttons"], (std::vector<int>{IDYES, IDNO}));
    EXPECT_EQ(during["messageBox"]["default"], IDNO);
    EXPECT_EQ(during["messageBox"]["text"], "Save changes?");
}

TEST_F(SnapshotJsonTest, ActionsFromAFrontEnd) {
    std::string error;
    auto parsed = ParseActionJson(R"({"dialog": 3, "setText": 1001, "text": "PRF1"})", error);
    ASSERT_TRUE(parsed) << error;
    EXPECT_EQ(parsed->dialog, 3u);
    EXPECT_EQ(parsed->action.kind, ActionKind::SetText);
    EXPECT_EQ(parsed->action.control, 1001);
    EXPECT_EQ(parsed->action.text, "PRF1");
    parsed = ParseActionJson(R"("next")", error);
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->action.kind, ActionKind::Next);
    EXPECT_FALSE(parsed->dialog.has_value());
    EXPECT_FALSE(ParseActionJson(R"({"dialog": "x", "click": 1})", error));
    EXPECT_FALSE(ParseActionJson(R"({"explode": 1})", error));
    EXPECT_FALSE(ParseActionJson("{", error));
}

}  // namespace
}  // namespace ptp::ui
