// The dial-on-demand TCP/IP page, opened through the plug-in's commands against a real server:
// the answering profiles it pairs with, the addresses it takes from them, and what it refuses.
#include "platform/vocabulary/kinds.h"
#include "platform/vocabulary/route.h"
#include "profiles/point_to_point_profile_page.h"
#include "resources/ids/profile_routes.h"
#include "resources/ids/profiles.h"
#include "tests/profiles/profile_pages_fixture.h"

namespace ptp::testing {
namespace {

using namespace ptp::profiles;

class TcpipDodPage : public ProfilePagesFixture {};

TEST_F(TcpipDodPage, PairsWithASwitchedAnswerProfileAndTakesItsAddresses) {
    AddProfile({.name = "RANGEANS",
                .mode = "2",
                .more = {{prf::kRemoteAddressMethod, "4"},
                         {prf::kLocalAddress, "10.1.1.1"},
                         {prf::kRemoteAddress, "10.1.7.1"}}});
    AddProfile({.name = "ONEANS", .mode = "2", .more = {{prf::kRemoteAddressMethod, "1"}}});
    AddProfile({.name = "LEASEDANS",
                .mode = "2",
                .lineService = "2",
                .more = {{prf::kRemoteAddressMethod, "4"}}});
    ASSERT_TRUE(
        System()
            .PutObject(kinds::kLine, "POOLED1",
                       {{0, "*PPP"}, {1, "POOLED1"}, {2, "MODEMS"}, {31, "*ASYNC"}, {32, "*SWTPP"}})
            .ok());
    AddProfile(
        {.name = "DOD",
         .mode = "6",
         .lineKind = "*POOL",
         .more = {
             {prf::kLineKind, "2"}, {prf::kPoolName, "MODEMS"}, {prf::kRemoteNumber1, "5551000"}}});
    std::vector<std::string> offered;
    std::string local, remote;
    driver.When(kProfileSheet)
        .SelectPageByTemplate(IDD_PROFILE_TCPIP_DOD)
        .Do([&](ui::CDialog& sheet) {
            ui::CComboBox& box = Active(sheet).ComboBox(IDC_TCPIP_DOD_ANSWER_PROFILE);
            for (int i = 0; i < box.GetCount(); ++i)
                offered.push_back(box.GetLBText(i));
        })
        .SetText(IDC_TCPIP_DOD_ANSWER_PROFILE, "ONEANS")
        .Ok()
        .Choose(IDC_TCPIP_DOD_ANSWER_PROFILE, "RANGEANS")
        .Do([&](ui::CDialog& sheet) {
            local = Active(sheet).GetDlgItemText(IDC_TCPIP_DOD_LOCAL_ADDRESS);
            remote = Active(sheet).GetDlgItemText(IDC_TCPIP_DOD_REMOTE_ADDRESS);
        })
        .SetText(IDC_TCPIP_DOD_REMOTE_ADDRESS, "10.1.7.5")
        .Ok();
    ASSERT_EQ(Invoke("NPF", {"DOD"}, "PROPERTIES"), S_OK);
    EXPECT_EQ(offered, (std::vector<std::string>{"RANGEANS"}));
    EXPECT_EQ(local, "10.1.1.1");
    EXPECT_EQ(remote, "10.1.7.1");
    EXPECT_EQ(MessageIds(), (std::vector<std::uint32_t>{IDS_PROFILE_ANSWER_PROFILE_REQUIRED}))
        << Transcript();
    EXPECT_EQ(driver.GetTranscript().ResultOf(kProfileSheet), ui::IDOK) << Transcript();
    auto stored = Profile("DOD");
    EXPECT_EQ(stored[prf::kPairedAnswerProfile], "RANGEANS");
    EXPECT_EQ(stored[prf::kLocalAddressMethod], "1");
    EXPECT_EQ(stored[prf::kLocalAddress], "10.1.1.1");
    EXPECT_EQ(stored[prf::kRemoteAddressMethod], "1");
    EXPECT_EQ(stored[prf::kRemoteAddress], "10.1.7.5");
}

TEST_F(TcpipDodPage, TheRemoteNetworkIsAUserOfTheAnswerProfilesAddressList) {
    AddProfile({.name = "PERUSER",
                .mode = "2",
                .more = {{prf::kRemoteAddressMethod, "3"}, {prf::kLocalAddress, "10.2.0.1"}}});
    auto route = [&](const std::string& destination, const std::string& mask,
                     const std::string& hop, const std::string& user) {
        server::Attributes a = {{attr::route::kDestination, destination},
                                {attr::route::kSubnetMask, mask},
                                {attr::route::kBindingProfile, "PERUSER"},
                                {attr::route::kNextHop, hop}};
        if (!user.empty()) a[attr::route::kExtraValue] = user;
        ASSERT_TRUE(
            System()
                .PutObject(kinds::kRoute, "PERUSER/" + destination + "/" + mask + "/" + hop, a)
                .ok());
    };
    route("10.2.0.5", "255.255.255.255", "", "JSMITH");
    route("10.3.0.0", "255.255.0.0", "10.2.0.5", "JSMITH");
    route("10.2.0.9", "255.255.255.255", "", "BRANCH");
    route("10.9.0.0", "255.255.0.0", "", "");
    AddProfile({.name = "DOD",
                .mode = "6",
                .lineKind = "*POOL",
                .more = {{prf::kLineKind, "2"},
                         {prf::kPoolName, "MODEMS"},
                         {prf::kPairedAnswerProfile, "PERUSER"},
                         {prf::kLocalAddress, "10.2.0.1"},
                         {prf::kRemoteAddress, "10.2.0.9"}}});
    std::vector<std::string> offered;
    std::string loaded, remote;
    driver.When(kProfileSheet)
        .SelectPageByTemplate(IDD_PROFILE_TCPIP_DOD)
        .Do([&](ui::CDialog& sheet) {
            ui::CComboBox& box = Active(sheet).ComboBox(IDC_TCPIP_DOD_REMOTE_NETWORK);
            for (int i = 0; i < box.GetCount(); ++i)
                offered.push_back(box.GetLBText(i));
            loaded = box.GetWindowText();
        })
        .SetText(IDC_TCPIP_DOD_REMOTE_NETWORK, "NOBODY")
        .Ok()
        .Choose(IDC_TCPIP_DOD_REMOTE_NETWORK, "JSMITH")
        .Do([&](ui::CDialog& sheet) {
            remote = Active(sheet).GetDlgItemText(IDC_TCPIP_DOD_REMOTE_ADDRESS);
        })
        .Ok();
    ASSERT_EQ(Invoke("NPF", {"DOD"}, "PROPERTIES"), S_OK);
    EXPECT_EQ(offered, (std::vector<std::string>{"JSMITH", "BRANCH"})) << "users with an address";
    EXPECT_EQ(loaded, "BRANCH") << "the user whose address the profile dials";
    EXPECT_EQ(remote, "10.2.0.5");
    EXPECT_EQ(MessageIds(), (std::vector<std::uint32_t>{IDS_PROFILE_REMOTE_NETWORK_UNKNOWN}))
        << Transcript();
    EXPECT_EQ(Profile("DOD")[prf::kRemoteAddress], "10.2.0.5");
}

}  // namespace
}  // namespace ptp::testing
