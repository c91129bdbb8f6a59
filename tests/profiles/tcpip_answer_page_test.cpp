// The answer TCP/IP page, opened through the plug-in's commands against a real server: the remote
// address methods it offers and loads, the range it checks address by address, and what the
// server keeps.
#include "platform/ui/ui_constants.h"
#include "platform/vocabulary/kinds.h"
#include "platform/vocabulary/route.h"
#include "profiles/point_to_point_profile_page.h"
#include "resources/ids/profiles.h"
#include "server/stream_files.h"
#include "tests/profiles/profile_pages_fixture.h"

namespace ptp::testing {
namespace {

using namespace ptp::profiles;

class TcpipAnswerPage : public ProfilePagesFixture {
  protected:
    // An L2TP terminator (many connections at once) or an answering profile on one line.
    void AddAnswer(const std::string& name, const std::string& lineKind,
                   std::map<int, std::string> more) {
        more[prf::kLineKind] = lineKind;
        const bool tunnel = lineKind == "6";
        AddProfile({.name = name,
                    .mode = "2",
                    .lineKind = tunnel ? "*L2TP" : "*ASYNC",
                    .lineService = tunnel ? "3" : "1",
                    .more = more});
    }

    // The methods the page offers, as shown, and the one chosen (empty when none is).
    std::pair<std::vector<std::string>, std::string> Methods(ui::CDialog& sheet) {
        ui::CComboBox& box = Active(sheet).ComboBox(IDC_TCPIP_ANS_REMOTE_METHOD);
        std::vector<std::string> shown;
        for (int i = 0; i < box.GetCount(); ++i)
            shown.push_back(box.GetLBText(i));
        return {shown, box.GetCurSel() < 0 ? "" : box.GetLBText(box.GetCurSel())};
    }
};

TEST_F(TcpipAnswerPage, ARangeIsCheckedAddressByAddress) {
    AddAnswer("POOLANS", "6",
              {{prf::kLocalAddress, "10.1.1.1"},
               {prf::kRemoteAddressMethod, "4"},
               {prf::kRemoteAddress, "10.1.1.250"},
               {prf::kRemoteAddressCount, "10"}});
    std::string chosen;
    driver.When(kProfileSheet)
        .SelectPageByTemplate(IDD_PROFILE_TCPIP_ANSWER)
        .Do([&](ui::CDialog& sheet) { chosen = Methods(sheet).second; })
        .Ok()
        .SetText(IDC_TCPIP_ANS_REMOTE_COUNT, "0")
        .Ok()
        .SetText(IDC_TCPIP_ANS_REMOTE_COUNT, "6")
        .Ok();
    ASSERT_EQ(Invoke("NRC", {"POOLANS"}, "PROPERTIES"), S_OK);
    EXPECT_EQ(chosen, Text(IDS_PROFILE_REMOTE_RANGE));
    EXPECT_EQ(MessageIds(),
              (std::vector<std::uint32_t>{IDS_PROFILE_ADDRESS_INVALID, IDS_PROFILE_RANGE_COUNT}))
        << Transcript();
    ASSERT_FALSE(MessageBoxes().empty());
    EXPECT_EQ(MessageBoxes()[0].text,
              res::FormatText(Text(IDS_PROFILE_ADDRESS_INVALID), {"10.1.1.256"}))
        << "the first address past 255 is named";
    EXPECT_EQ(driver.GetTranscript().ResultOf(kProfileSheet), ui::IDOK) << Transcript();
    auto stored = Profile("POOLANS");
    EXPECT_EQ(stored[prf::kRemoteAddressMethod], "4");
    EXPECT_EQ(stored[prf::kRemoteAddress], "10.1.1.250");
    EXPECT_EQ(stored[prf::kRemoteAddressCount], "6");
    EXPECT_EQ(stored[prf::kLocalAddressMethod], "1");
    EXPECT_EQ(stored[prf::kLocalAddress], "10.1.1.1");
}

TEST_F(TcpipAnswerPage, TheServicesDecideWhichMethodsAreOffered) {
    AddAnswer("POOLANS", "6", {{prf::kRemoteAddressMethod, "2"}, {prf::kLocalAddress, "10.1.1.1"}});
    std::vector<std::string> without, with;
    std::string loaded;
    driver.When(kProfileSheet)
        .SelectPageByTemplate(IDD_PROFILE_TCPIP_ANSWER)
        .Do([&](ui::CDialog& sheet) { std::tie(without, loaded) = Methods(sheet); });
    ASSERT_EQ(Invoke("NRC", {"POOLANS"}, "PROPERTIES"), S_OK);
    EXPECT_EQ(without, (std::vector<std::string>{
                           Text(IDS_PROFILE_REMOTE_NONE), Text(IDS_PROFILE_REMOTE_ONE),
                           Text(IDS_PROFILE_REMOTE_PER_USER), Text(IDS_PROFILE_REMOTE_RANGE)}));
    EXPECT_EQ(loaded, Text(IDS_PROFILE_REMOTE_RANGE))
        << "an assigned address on a tunnel terminator reads as a range";

    ASSERT_TRUE(System()
                    .Files()
                    .Write("/QKTL/UserData/NOS50/TCPIP/RAS/ras.cfg",
                           "RADIUS_ENABLED=1 RADIUS_ACCT_SERVER_ENABLED=0 "
                           "RADIUS_AUTH_SERVER_ENABLED=0 RADIUS_ADDRESS_CONFIG_ENABLED=1 "
                           "DHCP_WAN_CLIENT_ENABLED=1 DHCP_WAN_CLIENT_LOCAL_IP_ADDRESS=\n",
                           server::kCcsidText)
                    .ok());
    driver.When(kProfileSheet)
        .SelectPageByTemplate(IDD_PROFILE_TCPIP_ANSWER)
        .Do([&](ui::CDialog& sheet) { with = Methods(sheet).first; })
        .Choose(IDC_TCPIP_ANS_REMOTE_METHOD, Text(IDS_PROFILE_REMOTE_RADIUS))
        .Ok();
    ASSERT_EQ(Invoke("NRC", {"POOLANS"}, "PROPERTIES"), S_OK);
    ASSERT_EQ(with.size(), 6u) << Transcript();
    EXPECT_EQ(with[4], Text(IDS_PROFILE_REMOTE_DHCP));
    EXPECT_EQ(with[5], Text(IDS_PROFILE_REMOTE_RADIUS));
    EXPECT_EQ(Profile("POOLANS")[prf::kRemoteAddressMethod], "6") << Transcript();
    EXPECT_EQ(Profile("POOLANS")[prf::kRemoteAddress], "");
}

TEST_F(TcpipAnswerPage, AnUnknownMethodIsSaidAndTheKindsUsualOneAsksForItsAddress) {
    AddAnswer("LINEANS", "1",
              {{prf::kRemoteAddressMethod, "0"},
               {prf::kLocalAddress, "10.1.1.1"},
               {prf::kRemoteAddress, "10.1.1.2"}});
    std::string chosen = "unread", note, chosenAfterOk;
    bool addressEnabled = true;
    driver.When(kProfileSheet)
        .SelectPageByTemplate(IDD_PROFILE_TCPIP_ANSWER)
        .Do([&](ui::CDialog& sheet) {
            chosen = Methods(sheet).second;
            note = Active(sheet).GetDlgItemText(IDC_TCPIP_ANS_REMOTE_UNSET);
            addressEnabled =
                Active(sheet).GetDlgItem(IDC_TCPIP_ANS_REMOTE_ADDRESS)->IsWindowEnabled();
        })
        .Ok()
        .Do([&](ui::CDialog& sheet) { chosenAfterOk = Methods(sheet).second; })
        .SetText(IDC_TCPIP_ANS_REMOTE_ADDRESS, "10.1.1.1")
        .Ok()
        .SetText(IDC_TCPIP_ANS_REMOTE_ADDRESS, "10.1.1.9")
        .Ok();
    ASSERT_EQ(Invoke("NRC", {"LINEANS"}, "PROPERTIES"), S_OK);
    EXPECT_EQ(chosen, "");
    EXPECT_EQ(note, Text(IDS_PROFILE_REMOTE_UNSET));
    EXPECT_FALSE(addressEnabled);
    EXPECT_EQ(chosenAfterOk, Text(IDS_PROFILE_REMOTE_ONE))
        << "OK without a choice shows the usual one of a one-line profile";
    EXPECT_EQ(MessageIds(),
              (std::vector<std::uint32_t>{IDS_PROFILE_ADDRESS_INVALID, IDS_PROFILE_ADDRESSES_SAME}))
        << Transcript();
    EXPECT_EQ(Profile("LINEANS")[prf::kRemoteAddressMethod], "1");
    EXPECT_EQ(Profile("LINEANS")[prf::kRemoteAddress], "10.1.1.9");
}

TEST_F(TcpipAnswerPage, TheAdvancedDialogOffersTheFilterRulesThePPPFiltersFileDefines) {
    ASSERT_TRUE(System()
                    .Files()
                    .Write("/QKTL/USERDATA/NOS50/TCPIP/ADMIXRULES/PPPFILTERS.I3P",
                           "FILTER_INTERFACE PPP_FILTER_ID = pf1 SET = PPPIN\n"
                           "HIDE 10.0.0.0 BEHIND 9.9.9.9:80 JRN = OFF\n",
                           server::kCcsidUtf16)
                    .ok());
    AddAnswer("TERM", "6",
              {{prf::kRemoteAddressMethod, "3"},
               {prf::kFilterRulesOn, "1"},
               {prf::kFilterRulesName, "ISPFILTER"}});
    // Addresses per user need one user in the list before the profile can be saved.
    ASSERT_TRUE(System()
                    .PutObject(kinds::kRoute, "TERM/10.2.0.5/255.255.255.255/",
                               {{attr::route::kDestination, "10.2.0.5"},
                                {attr::route::kSubnetMask, "255.255.255.255"},
                                {attr::route::kBindingProfile, "TERM"},
                                {attr::route::kExtraValue, "JSMITH"}})
                    .ok());
    std::vector<std::string> offered;
    std::string loaded;
    driver.When(kProfileSheet)
        .SelectPageByTemplate(IDD_PROFILE_TCPIP_ANSWER)
        .Click(IDC_TCPIP_ADVANCED)
        .Ok();
    driver.When("CPointToPointProfileTCPIPSettingsAdvancedDialog")
        .Do([&](ui::CDialog& dialog) {
            ui::CComboBox& box = dialog.ComboBox(IDC_TCPIP_ADV_FILTER_RULES);
            for (int i = 0; i < box.GetCount(); ++i)
                offered.push_back(box.GetLBText(i));
            loaded = box.GetWindowText();
        })
        .Choose(IDC_TCPIP_ADV_FILTER_RULES, "PF1")
        .Click(IDC_TCPIP_ADV_EDIT_RULES)
        .Ok();
    ASSERT_EQ(Invoke("NRC", {"TERM"}, "PROPERTIES"), S_OK);
    const auto& navigation = m_session->Bridge().navigation;
    ASSERT_EQ(navigation.size(), 1u) << "Edit Rules starts the console's packet rules editor";
    EXPECT_EQ(navigation[0].what, "editor");
    EXPECT_EQ(navigation[0].path, "com/ktl/rq800/admix/ippolicies/LMPacketRules");
    EXPECT_EQ(navigation[0].filter, "launchEditorForRemoteAccess");
    EXPECT_EQ(offered, (std::vector<std::string>{"PF1", "9.9.9.9:80"}));
    EXPECT_EQ(loaded, "ISPFILTER") << "a terminator's stored rules show as stored";
    EXPECT_EQ(Profile("TERM")[prf::kFilterRulesOn], "1") << Transcript();
    EXPECT_EQ(Profile("TERM")[prf::kFilterRulesName], "PF1") << Transcript();
}

}  // namespace
}  // namespace ptp::testing
