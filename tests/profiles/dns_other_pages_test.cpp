// The DNS and Other pages of the profile sheet, opened through the plug-in's commands against a
// real server: what they propose, what they refuse, the script members they list and what the
// server keeps or sends back.
#include "platform/ui/property_sheet.h"
#include "platform/ui/ui_constants.h"
#include "platform/ui/ui_strings.h"
#include "platform/vocabulary/file_member.h"
#include "platform/vocabulary/kinds.h"
#include "profiles/point_to_point_profile_page.h"
#include "resources/ids/profile_setup.h"
#include "resources/ids/profiles.h"
#include "tests/profiles/connection_page_steps.h"
#include "tests/profiles/profile_pages_fixture.h"

namespace ptp::testing {
namespace {

using namespace ptp::profiles;

constexpr const char* kSheet = kProfileSheet;

class DnsOtherPages : public ProfilePagesFixture {
  protected:
    void AddMember(const std::string& library, const std::string& file, const std::string& member) {
        ASSERT_TRUE(System()
                        .PutObject(kinds::kFileMember, library + "/" + file + "/" + member,
                                   {{attr::file_member::kMember, member}})
                        .ok());
    }

    static std::vector<std::string> Entries(ui::CComboBox& box) {
        std::vector<std::string> entries;
        for (int i = 0; i < box.GetCount(); ++i)
            entries.push_back(box.GetLBText(i));
        return entries;
    }
};

TEST_F(DnsOtherPages, NewProfilesGetTheScriptAndSubsystemOfTheirKindAndNoDnsSetting) {
    AddMember("QUSRSYS", "QATOCPPSCR", "DIAL400");
    AddLine("PPPLIN01");
    driver.When("CPointToPointProfileSetupDialog").Ok();
    ChooseDialLine(driver.When(kSheet), "PPPLIN01", "5550100")
        .SetText(IDC_PROFILE_NAME, "NEWDIAL")
        .Ok();
    ASSERT_EQ(Invoke("NPF", {}, "NEWPROFILE"), S_OK);
    driver.When("CPointToPointProfileSetupDialog").Ok();
    ChooseAnswerLine(driver.When(kSheet), "PPPLIN01")
        .SetText(IDC_PROFILE_NAME, "NEWANS")
        .SelectPageByTemplate(IDD_PROFILE_TCPIP_ANSWER)
        .SetText(IDC_TCPIP_ANS_REMOTE_ADDRESS, "10.9.0.2")
        .Ok();
    ASSERT_EQ(Invoke("NRC", {}, "NEWPROFILE"), S_OK);
    driver.When("CPointToPointProfileSetupDialog").Click(IDC_SETUP_SLIP).Ok();
    ChooseDialLine(driver.When(kSheet), "PPPLIN01", "5550100")
        .SetText(IDC_PROFILE_NAME, "NEWSLIP")
        .SelectPageByTemplate(IDD_PROFILE_TCPIP_DIAL)
        .SetText(IDC_TCPIP_REMOTE_ADDRESS, "10.5.0.2")
        .Ok();
    ASSERT_EQ(Invoke("NPF", {}, "NEWPROFILE"), S_OK);
    EXPECT_TRUE(MessageBoxes().empty()) << Transcript();

    auto dial = Profile("NEWDIAL");
    ASSERT_FALSE(dial.empty()) << Transcript();
    EXPECT_EQ(dial[prf::kScriptOn], "0");
    EXPECT_EQ(dial[prf::kScriptLibrary], "QUSRSYS");
    EXPECT_EQ(dial[prf::kScriptFile], "QATOCPPSCR");
    EXPECT_EQ(dial[prf::kScriptMember], "DIAL400");
    EXPECT_EQ(dial[prf::kScriptCcsid], "819");
    EXPECT_EQ(dial[prf::kSubsystem], "QUSRWRK");
    EXPECT_EQ(dial[prf::kDnsChoice], "0") << "a DNS page never shown writes no DNS setting";

    auto answer = Profile("NEWANS");
    ASSERT_FALSE(answer.empty()) << Transcript();
    EXPECT_EQ(answer[prf::kScriptMember], "ANS400");
    EXPECT_EQ(answer.count(prf::kDnsChoice), 0u) << "answer profiles have no DNS page";

    auto slip = Profile("NEWSLIP");
    ASSERT_FALSE(slip.empty()) << Transcript();
    EXPECT_EQ(slip[prf::kSubsystem], "QSYSWRK") << "SLIP jobs run in the system subsystem";
    EXPECT_EQ(slip[prf::kScriptMember], "DIAL400");
    EXPECT_EQ(slip[prf::kScriptOn], "1")
        << "a SLIP link that learns its address as it logs on runs the logon script";
}

TEST_F(DnsOtherPages, TheGivenDnsAddressMustBeOneAndAStoredNoneShowsEmpty) {
    AddProfile({.name = "DIALOUT", .more = {{prf::kDnsChoice, "1"}, {prf::kDnsServer, "*None"}}});
    std::string shown = "unread";
    bool addressEnabled = false;
    driver.When(kSheet)
        .SelectPageByTemplate(IDD_PROFILE_DNS)
        .Do([&](ui::CDialog& sheet) {
            shown = Active(sheet).GetDlgItemText(IDC_DNS_ADDRESS);
            addressEnabled = Active(sheet).GetDlgItem(IDC_DNS_ADDRESS)->IsWindowEnabled();
        })
        .Ok()
        .SetText(IDC_DNS_ADDRESS, "10.1.1.256")
        .SelectPageByTemplate(IDD_PROFILE_GENERAL)
        .Check(IDC_DNS_NONE)
        .Check(IDC_DNS_GIVEN)
        .SetText(IDC_DNS_ADDRESS, " 10.1.1.53 ")
        .Ok();
    ASSERT_EQ(Invoke("NPF", {"DIALOUT"}, "PROPERTIES"), S_OK);

    EXPECT_EQ(shown, "");
    EXPECT_TRUE(addressEnabled);
    EXPECT_EQ(MessageIds(), (std::vector<std::uint32_t>{IDS_PROFILE_ADDRESS_INVALID,
                                                        IDS_PROFILE_ADDRESS_INVALID}))
        << Transcript();
    ASSERT_EQ(MessageBoxes().size(), 2u);
    EXPECT_EQ(MessageBoxes()[1].text,
              res::FormatText(Text(IDS_PROFILE_ADDRESS_INVALID), {"10.1.1.256"}))
        << "leaving the page checks the address too";
    EXPECT_EQ(MessageBoxes()[1].style, kProfileMessageStyle);
    EXPECT_EQ(driver.GetTranscript().ResultOf(kSheet), ui::IDOK) << Transcript();
    EXPECT_EQ(Profile("DIALOUT")[prf::kDnsChoice], "1");
    EXPECT_EQ(Profile("DIALOUT")[prf::kDnsServer], "10.1.1.53");
}

TEST_F(DnsOtherPages, AnInvalidDnsAddressKeepsTheSheetOnTheDnsPageAndWritesNothing) {
    AddProfile({.name = "DIALOUT", .more = {{prf::kDnsChoice, "0"}}});
    driver.When(kSheet)
        .SelectPageByTemplate(IDD_PROFILE_DNS)
        .Check(IDC_DNS_GIVEN)
        .SetText(IDC_DNS_ADDRESS, "10.1.1")
        .SelectPageByTemplate(IDD_PROFILE_OTHER);
    ASSERT_EQ(Invoke("NPF", {"DIALOUT"}, "PROPERTIES"), S_OK);
    const auto stayed = driver.GetTranscript().StayedOpen(kSheet);
    ASSERT_TRUE(stayed.has_value()) << Transcript();
    EXPECT_EQ(stayed->pageTemplate, static_cast<std::uint32_t>(IDD_PROFILE_DNS));
    EXPECT_EQ(stayed->focus, IDC_DNS_ADDRESS);
    EXPECT_EQ(MessageIds(), (std::vector<std::uint32_t>{IDS_PROFILE_ADDRESS_INVALID}));
    EXPECT_EQ(Profile("DIALOUT")[prf::kDnsChoice], "0");
    EXPECT_EQ(Profile("DIALOUT").count(prf::kScriptOn), 0u);
}

TEST_F(DnsOtherPages, ASlipProfileCannotKeepTheRemoteSystemsDnsServer) {
    AddProfile({.name = "SLIPOUT",
                .protocol = "1",
                .more = {{prf::kDnsChoice, "2"}, {prf::kDnsServer, ""}}});
    bool remoteEnabled = true;
    int givenChecked = -1;
    driver.When(kSheet)
        .SelectPageByTemplate(IDD_PROFILE_DNS)
        .Do([&](ui::CDialog& sheet) {
            remoteEnabled = Active(sheet).GetDlgItem(IDC_DNS_FROM_REMOTE)->IsWindowEnabled();
            givenChecked = Active(sheet).IsDlgButtonChecked(IDC_DNS_GIVEN);
        })
        .SetText(IDC_DNS_ADDRESS, "10.5.0.53")
        .Ok();
    ASSERT_EQ(Invoke("NPF", {"SLIPOUT"}, "PROPERTIES"), S_OK);
    EXPECT_FALSE(remoteEnabled);
    EXPECT_EQ(givenChecked, ui::BST_CHECKED) << "the second choice falls back to the first";
    EXPECT_EQ(Profile("SLIPOUT")[prf::kDnsChoice], "1") << Transcript();
    EXPECT_EQ(Profile("SLIPOUT")[prf::kDnsServer], "10.5.0.53");

    // Whoever writes the second choice into a SLIP profile, the server refuses it.
    host::SOFError* error = nullptr;
    auto profile = host::GetHost()->Objects().CreateObject(kinds::kProfile, "NXWIN", "SYS1",
                                                           "SLIPOUT", &error);
    ASSERT_NE(profile, nullptr);
    profile->SetAttribute(prf::kDnsChoice, "2");
    profile->Commit(&error);
    ASSERT_NE(error, nullptr);
    EXPECT_NE(error->GetText().find("attribute 47"), std::string::npos) << error->GetText();
    error->Destroy();
    EXPECT_EQ(Profile("SLIPOUT")[prf::kDnsChoice], "1");
}

TEST_F(DnsOtherPages, TheMemberListFollowsTheLibraryAndFileAndTheStandInChecksTheMember) {
    AddMember("QUSRSYS", "QATOCPPSCR", "DIALSCRIPT");
    AddMember("QUSRSYS", "QATOCPPSCR", "HAYESINIT");
    AddMember("MYLIB", "MYSCRIPTS", "LOGON");
    AddMember("QUSRSYS", "OTHERFILE", "NOTTHIS");
    AddProfile({.name = "DIALOUT"});
    std::vector<std::string> first, second;
    bool memberEnabled = true;
    driver.When(kSheet)
        .SelectPageByTemplate(IDD_PROFILE_OTHER)
        .Do([&](ui::CDialog& sheet) {
            first = Entries(Active(sheet).ComboBox(IDC_OTHER_SCRIPT_MEMBER));
            memberEnabled = Active(sheet).GetDlgItem(IDC_OTHER_SCRIPT_MEMBER)->IsWindowEnabled();
        })
        .Check(IDC_OTHER_SCRIPT)
        .SetText(IDC_OTHER_SCRIPT_LIBRARY, "mylib")
        .SetText(IDC_OTHER_SCRIPT_FILE, "myscripts")
        .Do([&](ui::CDialog& sheet) {
            second = Entries(Active(sheet).ComboBox(IDC_OTHER_SCRIPT_MEMBER));
        })
        .SetText(IDC_OTHER_SCRIPT_MEMBER, "NOSUCH")
        .Ok()
        .Choose(IDC_OTHER_SCRIPT_MEMBER, "LOGON")
        .Ok();
    ASSERT_EQ(Invoke("NPF", {"DIALOUT"}, "PROPERTIES"), S_OK);

    EXPECT_EQ(first, (std::vector<std::string>{"DIALSCRIPT", "HAYESINIT"}));
    EXPECT_FALSE(memberEnabled) << "the script fields wait for the check box";
    EXPECT_EQ(second, (std::vector<std::string>{"LOGON"}));
    ASSERT_EQ(MessageBoxes().size(), 1u) << Transcript();
    EXPECT_NE(MessageBoxes()[0].text.find("CPF9815"), std::string::npos) << MessageBoxes()[0].text;
    EXPECT_EQ(driver.GetTranscript().ResultOf(kSheet), ui::IDOK) << Transcript();
    auto stored = Profile("DIALOUT");
    EXPECT_EQ(stored[prf::kScriptOn], "1");
    EXPECT_EQ(stored[prf::kScriptLibrary], "MYLIB");
    EXPECT_EQ(stored[prf::kScriptFile], "MYSCRIPTS");
    EXPECT_EQ(stored[prf::kScriptMember], "LOGON");
    EXPECT_EQ(Refreshes(), 1);
}

TEST_F(DnsOtherPages, TheCodedCharacterSetMustBeFrom1To65535) {
    AddMember("QUSRSYS", "QATOCPPSCR", "DIAL400");
    AddProfile({.name = "DIALOUT",
                .more = {{prf::kScriptOn, "0"},
                         {prf::kScriptLibrary, "QUSRSYS"},
                         {prf::kScriptFile, "QATOCPPSCR"},
                         {prf::kScriptMember, "DIAL400"},
                         {prf::kScriptCcsid, "0"}}});
    std::string shown;
    driver.When(kSheet)
        .SelectPageByTemplate(IDD_PROFILE_OTHER)
        .Do([&](ui::CDialog& sheet) {
            shown = Active(sheet).GetDlgItemText(IDC_OTHER_SCRIPT_CCSID);
        })
        .Check(IDC_OTHER_SCRIPT)
        .SetText(IDC_OTHER_SCRIPT_CCSID, "0")
        .Ok()
        .SetText(IDC_OTHER_SCRIPT_CCSID, "65536")
        .Ok()
        .SetText(IDC_OTHER_SCRIPT_CCSID, "65535")
        .Ok();
    ASSERT_EQ(Invoke("NPF", {"DIALOUT"}, "PROPERTIES"), S_OK);
    EXPECT_EQ(shown, "819") << "a stored 0 shows the usual set";
    EXPECT_EQ(MessageIds(), (std::vector<std::uint32_t>{ui::IDS_UI_RANGE, ui::IDS_UI_RANGE}))
        << Transcript();
    ASSERT_EQ(MessageBoxes().size(), 2u);
    EXPECT_EQ(MessageBoxes()[0].text, res::FormatText(Text(ui::IDS_UI_RANGE), {"1", "65535"}));
    EXPECT_EQ(driver.GetTranscript().ResultOf(kSheet), ui::IDOK) << Transcript();
    EXPECT_EQ(Profile("DIALOUT")[prf::kScriptCcsid], "65535");
}

TEST_F(DnsOtherPages, TheSubsystemIsProposedByKindCheckedAndHiddenOnNewerServers) {
    SetRelease("050300");
    AddProfile({.name = "DIALOUT", .more = {{prf::kLineKind, "1"}, {prf::kSubsystem, ""}}});
    AddProfile({.name = "SLIPOUT", .protocol = "1", .more = {{prf::kLineKind, "1"}}});
    AddProfile({.name = "TUNNEL",
                .lineKind = "*L2TP",
                .lineService = "3",
                .more = {{prf::kLineKind, "6"}, {prf::kSubsystem, "MYSBS"}}});
    std::string dial, slip, tunnel;
    bool shownAt050300 = false;
    driver.When(kSheet)
        .SelectPageByTemplate(IDD_PROFILE_OTHER)
        .Do([&](ui::CDialog& sheet) {
            dial = Active(sheet).GetDlgItemText(IDC_OTHER_SUBSYSTEM);
            shownAt050300 = Active(sheet).GetDlgItem(IDC_OTHER_SUBSYSTEM)->IsWindowVisible();
        })
        .SetText(IDC_OTHER_SUBSYSTEM, "MY SBS")
        .Ok()
        .SetText(IDC_OTHER_SUBSYSTEM, "  ")
        .Ok()
        .SetText(IDC_OTHER_SUBSYSTEM, "1BAD")
        .Ok()
        .SetText(IDC_OTHER_SUBSYSTEM, " qbatch")
        .Ok();
    ASSERT_EQ(Invoke("NPF", {"DIALOUT"}, "PROPERTIES"), S_OK);
    EXPECT_EQ(dial, "QUSRWRK");
    EXPECT_TRUE(shownAt050300);
    const auto boxes = MessageBoxes();
    ASSERT_EQ(boxes.size(), 3u) << Transcript();
    EXPECT_EQ(boxes[0].resourceId, static_cast<std::uint32_t>(IDS_PROFILE_SUBSYSTEM_INVALID));
    EXPECT_EQ(boxes[1].resourceId, static_cast<std::uint32_t>(IDS_PROFILE_SUBSYSTEM_INVALID));
    EXPECT_NE(boxes[2].text.find("TCP8A20"), std::string::npos)
        << "the server refuses a name no subsystem can have: " << boxes[2].text;
    EXPECT_EQ(Profile("DIALOUT")[prf::kSubsystem], "QBATCH");

    driver.When(kSheet).SelectPageByTemplate(IDD_PROFILE_OTHER).Do([&](ui::CDialog& sheet) {
        slip = Active(sheet).GetDlgItemText(IDC_OTHER_SUBSYSTEM);
    });
    ASSERT_EQ(Invoke("NPF", {"SLIPOUT"}, "PROPERTIES"), S_OK);
    driver.When(kSheet).SelectPageByTemplate(IDD_PROFILE_OTHER).Do([&](ui::CDialog& sheet) {
        tunnel = Active(sheet).GetDlgItemText(IDC_OTHER_SUBSYSTEM);
    });
    ASSERT_EQ(Invoke("NPF", {"TUNNEL"}, "PROPERTIES"), S_OK);
    EXPECT_EQ(slip, "QSYSWRK");
    EXPECT_EQ(tunnel, "MYSBS") << "a stored subsystem shows as stored";

    SetRelease("050400");
    bool shownAt050400 = true;
    driver.When(kSheet).SelectPageByTemplate(IDD_PROFILE_OTHER).Do([&](ui::CDialog& sheet) {
        shownAt050400 = Active(sheet).GetDlgItem(IDC_OTHER_SUBSYSTEM)->IsWindowVisible();
    });
    ASSERT_EQ(Invoke("NPF", {"DIALOUT"}, "PROPERTIES"), S_OK);
    EXPECT_FALSE(shownAt050400);
}

TEST_F(DnsOtherPages, PagesNeverShownLeaveAnExistingProfilesDnsSettingAlone) {
    AddProfile({.name = "DIALOUT", .more = {{prf::kDnsChoice, "2"}, {prf::kSubsystem, "QSYSWRK"}}});
    driver.When(kSheet).SetText(IDC_PROFILE_DESCRIPTION, "Only the text").Ok();
    ASSERT_EQ(Invoke("NPF", {"DIALOUT"}, "PROPERTIES"), S_OK);
    auto stored = Profile("DIALOUT");
    EXPECT_EQ(stored[prf::kDescription], "Only the text") << Transcript();
    EXPECT_EQ(stored[prf::kDnsChoice], "2");
    EXPECT_EQ(stored[prf::kSubsystem], "QSYSWRK");
    EXPECT_EQ(stored[prf::kScriptMember], "DIAL400")
        << "a profile without a script gets the proposals written";
    EXPECT_EQ(stored[prf::kScriptCcsid], "819");
}

}  // namespace
}  // namespace ptp::testing
