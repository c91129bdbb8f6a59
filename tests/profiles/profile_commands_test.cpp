// The profile sheet as the plug-in's commands open it, against a real server: what the user sees,
// what reaches the server and what the console window hears back.
#include <algorithm>

#include "platform/ui/property_sheet.h"
#include "platform/ui/ui_constants.h"
#include "platform/vocabulary/kinds.h"
#include "profiles/point_to_point_profile_page.h"
#include "resources/ids/profiles.h"
#include "tests/frame/plugin_console_fixture.h"
#include "tests/profiles/connection_page_steps.h"

namespace ptp::testing {
namespace {

using namespace ptp::profiles;

constexpr const char* kSheet = "CPointToPointProfilePropertySheet";

class ProfileCommands : public PluginConsoleFixture {
  protected:
    std::vector<std::uint32_t> MessageIds() const {
        std::vector<std::uint32_t> ids;
        for (const auto& box : MessageBoxes())
            ids.push_back(box.resourceId);
        return ids;
    }

    server::Attributes Stored(const std::string& name) {
        auto record = System().GetObject(kinds::kProfile, name);
        return record.ok() ? record->attributes : server::Attributes{};
    }

    std::string Transcript() const { return driver.GetTranscript().ToText(); }
};

TEST_F(ProfileCommands, NewProfileNamesAreCheckedInOrderThenTheProfileIsCreated) {
    AddProfile({.name = "DIALISP"});
    AddLine("PPPLIN01");
    driver.When("CPointToPointProfileSetupDialog").Ok();
    std::string caption;
    ui::DialogScript& script = driver.When(kSheet);
    ChooseDialLine(script, "PPPLIN01", "5550100");
    script.Do([&](ui::CDialog& sheet) { caption = sheet.GetWindowText(); })
        .Ok()
        .SetText(IDC_PROFILE_NAME, "  my prof ")
        .Ok()
        .SetText(IDC_PROFILE_NAME, "dialIsp")
        .Ok()
        .SetText(IDC_PROFILE_NAME, " newdial ")
        .SetText(IDC_PROFILE_DESCRIPTION, "Dial the branch")
        .Ok();
    EXPECT_EQ(Invoke("NPF", {}, "NEWPROFILE"), S_OK);

    EXPECT_EQ(driver.GetTranscript().ResultOf(kSheet), ui::IDOK) << Transcript();
    EXPECT_EQ(caption, res::FormatText(Text(IDS_PROFILE_NEW_CAPTION), {"SYS1"}));
    EXPECT_EQ(MessageIds(),
              (std::vector<std::uint32_t>{IDS_PROFILE_NAME_REQUIRED, IDS_PROFILE_NAME_BLANK,
                                          IDS_PROFILE_NAME_EXISTS}))
        << Transcript();
    for (const auto& box : MessageBoxes())
        EXPECT_EQ(box.style, kProfileMessageStyle);
    EXPECT_EQ(MessageBoxes()[2].text, res::FormatText(Text(IDS_PROFILE_NAME_EXISTS), {"DIALISP"}));

    auto created = Stored("NEWDIAL");
    ASSERT_FALSE(created.empty()) << Transcript();
    EXPECT_EQ(created[0], "NEWDIAL");
    EXPECT_EQ(created[1], "1") << "dial mode, as the setup dialog proposed";
    EXPECT_EQ(created[2], "2");
    EXPECT_EQ(created[6], "1");
    EXPECT_EQ(created[10], "Dial the branch");
    EXPECT_EQ(created[29], "QTOCPTP");
    EXPECT_EQ(created[90], "0");
    EXPECT_EQ(created[3], "1") << "a new profile starts stopped";
    EXPECT_EQ(created[4], "PPPLIN01");
    EXPECT_EQ(created[5], "*ASYNC") << "the server keeps the kind of line the profile runs on";
    EXPECT_EQ(created[17], "5550100");
    EXPECT_EQ(created[23], "1");
    EXPECT_EQ(Stored("DIALISP")[10], "Test profile");
    EXPECT_TRUE(Commands().empty()) << "profiles change through their object, not through CL";
    EXPECT_EQ(Refreshes(), 1);
}

TEST_F(ProfileCommands, AValueTheStandInRefusesKeepsTheSheetOpenAndWritesNothing) {
    AddLine("PPPLIN01");
    driver.When("CPointToPointProfileSetupDialog").Ok();
    ui::DialogScript& script = driver.When(kSheet);
    ChooseDialLine(script, "PPPLIN01", "5550100");
    script.SetText(IDC_PROFILE_NAME, "1DIAL").Ok();
    EXPECT_EQ(Invoke("NPF", {}, "NEWPROFILE"), S_OK);

    const auto stayed = driver.GetTranscript().StayedOpen(kSheet);
    ASSERT_TRUE(stayed.has_value()) << Transcript();
    EXPECT_EQ(stayed->page, 0);
    ASSERT_EQ(MessageBoxes().size(), 1u) << Transcript();
    EXPECT_NE(MessageBoxes()[0].text.find("TCP8A22"), std::string::npos) << MessageBoxes()[0].text;
    EXPECT_TRUE(System().ListObjects(kinds::kProfile)->empty());
    EXPECT_EQ(Refreshes(), 0) << "a cancelled sheet changes nothing";
}

TEST_F(ProfileCommands, AProfileStartedMeanwhileIsRefusedWithoutAnyChange) {
    AddProfile({.name = "DIALOUT", .more = {{29, "NOTDEFINED"}}});
    driver.When(kSheet)
        .SetText(IDC_PROFILE_DESCRIPTION, "New text")
        .Do([&](ui::CDialog&) {
            // Another console starts the profile while this sheet is open.
            ASSERT_TRUE(System().PutObject(kinds::kProfile, "DIALOUT", {{3, "14"}}).ok());
        })
        .Ok();
    EXPECT_EQ(Invoke("NPF", {"DIALOUT"}, "PROPERTIES"), S_OK);
    ASSERT_EQ(MessageBoxes().size(), 1u) << Transcript();
    EXPECT_NE(MessageBoxes()[0].text.find("TCP8A25"), std::string::npos) << MessageBoxes()[0].text;
    EXPECT_TRUE(driver.GetTranscript().StayedOpen(kSheet).has_value());
    EXPECT_EQ(Stored("DIALOUT")[10], "Test profile");
    EXPECT_EQ(Stored("DIALOUT")[29], "NOTDEFINED") << "not even the validation list was written";
    EXPECT_EQ(Refreshes(), 0);
}

TEST_F(ProfileCommands, PropertiesShowTheDisplayNameAndStoreTheDescription) {
    AddProfile({.name = "MYPROF", .more = {{29, "NOTDEFINED"}, {28, "1"}}});
    AddProfile({.name = "EMPTYVL", .more = {{29, ""}}});
    std::string caption;
    bool nameEnabled = true;
    driver.When(kSheet)
        .Do([&](ui::CDialog& sheet) {
            caption = sheet.GetWindowText();
            auto* page = static_cast<ui::CPropertySheet&>(sheet).GetActivePage();
            nameEnabled = page->GetDlgItem(IDC_PROFILE_NAME)->IsWindowEnabled();
        })
        .SetText(IDC_PROFILE_DESCRIPTION, "Changed text")
        .Ok();
    driver.When(kSheet).Ok();
    EXPECT_EQ(Invoke("NPF", {"MYPROF"}, "PROPERTIES"), S_OK);
    EXPECT_EQ(Invoke("NPF", {"EMPTYVL"}, "PROPERTIES"), S_OK);

    EXPECT_EQ(caption, res::FormatText(Text(IDS_PROFILE_PROPERTIES_CAPTION), {"Myprof", "SYS1"}));
    EXPECT_FALSE(nameEnabled) << "an existing profile keeps its name";
    EXPECT_TRUE(MessageBoxes().empty()) << Transcript();
    EXPECT_EQ(Stored("MYPROF")[10], "Changed text");
    EXPECT_EQ(Stored("MYPROF")[29], "QTOCPTP");
    EXPECT_EQ(Stored("EMPTYVL")[29], "QTOCPTP");
    EXPECT_EQ(Stored("EMPTYVL")[10], "Test profile");
    EXPECT_EQ(Refreshes(), 2);
}

TEST_F(ProfileCommands, WithoutChangesAllowedOkIsGreyedAndNothingIsWritten) {
    AddProfile({.name = "RUNNING", .status = "14", .jobName = "QKTL_TOCPPP_SSN@"});
    AddProfile({.name = "STOPPED"});
    bool descriptionEnabled = true;
    driver.When(kSheet)
        .Do([&](ui::CDialog& sheet) {
            auto* page = static_cast<ui::CPropertySheet&>(sheet).GetActivePage();
            descriptionEnabled = page->GetDlgItem(IDC_PROFILE_DESCRIPTION)->IsWindowEnabled();
        })
        .Ok();
    EXPECT_EQ(Invoke("NPF", {"RUNNING"}, "PROPERTIES"), S_OK);
    EXPECT_FALSE(descriptionEnabled);
    EXPECT_EQ(driver.GetTranscript().Refusals().size(), 1u) << Transcript();
    EXPECT_EQ(driver.GetTranscript().ResultOf(kSheet), ui::IDCANCEL);

    // A stopped profile without configuration authority is only shown too.
    WithoutAuthority();
    driver.When(kSheet).SetText(IDC_PROFILE_DESCRIPTION, "Not mine").Ok();
    EXPECT_EQ(Invoke("NPF", {"STOPPED"}, "PROPERTIES"), S_OK);
    EXPECT_EQ(driver.GetTranscript().Refusals().size(), 3u)
        << "the description and OK are both refused: " << Transcript();
    EXPECT_EQ(Stored("STOPPED")[10], "Test profile");
    EXPECT_EQ(Refreshes(), 0);
}

TEST_F(ProfileCommands, AnUnknownProfileTypeIsReportedAndNotOpened) {
    AddProfile({.name = "ODDMODE", .mode = "5", .lineService = "1"});
    EXPECT_EQ(Invoke("NPF", {"ODDMODE"}, "PROPERTIES"), S_OK);
    EXPECT_EQ(MessageIds(), std::vector<std::uint32_t>{IDS_PROFILE_NOT_SUPPORTED});
    const auto opened = driver.GetTranscript().Of(ui::TranscriptEntry::Kind::Opened);
    EXPECT_TRUE(std::none_of(opened.begin(), opened.end(),
                             [](const auto& entry) { return entry.dialog == kSheet; }));
    EXPECT_EQ(Refreshes(), 0);
}

TEST_F(ProfileCommands, TunnelOnlyProfileCommitsOnlyItsOwnPagesAttributes) {
    AddProfile(
        {.name = "TUNNEL8", .mode = "8", .lineService = "3", .more = {{29, "QTOCPTP"}, {90, "0"}}});
    const server::Attributes before = Stored("TUNNEL8");
    int pages = 0;
    bool autoStartEnabled = true;
    driver.When(kSheet)
        .Do([&](ui::CDialog& sheet) {
            auto& propertySheet = static_cast<ui::CPropertySheet&>(sheet);
            pages = propertySheet.GetPageCount();
            autoStartEnabled =
                propertySheet.GetActivePage()->GetDlgItem(IDC_PROFILE_AUTOSTART)->IsWindowEnabled();
        })
        .SetText(IDC_PROFILE_DESCRIPTION, "Tunnel only")
        .Ok();
    EXPECT_EQ(Invoke("NPF", {"TUNNEL8"}, "PROPERTIES"), S_OK);
    EXPECT_EQ(driver.GetTranscript().ResultOf(kSheet), ui::IDOK) << Transcript();
    EXPECT_EQ(pages, 2) << "the General and L2TP initiator pages, and no other";
    EXPECT_FALSE(autoStartEnabled);
    server::Attributes after = Stored("TUNNEL8");
    EXPECT_EQ(after[10], "Tunnel only");
    after[10] = before.at(10);
    EXPECT_EQ(after, before) << "nothing but the description changed";
}

TEST_F(ProfileCommands, MigrationSavesASlipProfileAsPpp) {
    AddProfile({.name = "OLDSLIP", .protocol = "1", .lineKind = "*ASYNC"});
    std::string protocolText;
    driver.When(kSheet)
        .Do([&](ui::CDialog& sheet) {
            protocolText = static_cast<ui::CPropertySheet&>(sheet).GetActivePage()->GetDlgItemText(
                IDC_PROFILE_PROTOCOL_TEXT);
        })
        .Ok();
    EXPECT_EQ(Invoke("NPF", {"OLDSLIP"}, "MIGRATE"), S_OK);
    EXPECT_EQ(protocolText, Text(IDS_PROFILE_PROTOCOL_PPP));
    EXPECT_EQ(Stored("OLDSLIP")[2], "2");
    EXPECT_EQ(Refreshes(), 1);
    const auto menu = Menu("NPF", {"OLDSLIP"});
    EXPECT_TRUE(Line(menu, "PROPERTIES").isDefault) << "a migrated profile is a PPP profile";
}

TEST_F(ProfileCommands, CreationTasksOpenTheSheetWithoutRefreshing) {
    AddLine("PPPLIN01");
    driver.When("CPointToPointProfileSetupDialog").Ok();
    ChooseAnswerLine(driver.When(kSheet), "PPPLIN01")
        .SetText(IDC_PROFILE_NAME, "ANSWER1")
        .SelectPageByTemplate(IDD_PROFILE_TCPIP_ANSWER)
        .SetText(IDC_TCPIP_ANS_REMOTE_ADDRESS, "10.9.0.2")
        .Ok();
    session::Failure failure;
    EXPECT_EQ(m_session->RunTask("SYS1", "NRC", 28082, failure), S_OK) << failure.text;
    EXPECT_EQ(driver.GetTranscript().ResultOf(kSheet), ui::IDOK) << Transcript();
    EXPECT_EQ(Stored("ANSWER1")[1], "2") << "a receiver profile answers";
    EXPECT_EQ(Refreshes(), 0);
}

}  // namespace
}  // namespace ptp::testing
