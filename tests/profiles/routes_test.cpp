// The route lists of the TCP/IP pages, opened through the plug-in's commands against a real
// server whose CL interpreter runs the removals: a dialling profile's route list, the per-user
// address list of an answering profile with the networks behind each user, what reaches the
// server as route objects and RMVTCPRTE commands, and what a failed removal leaves.
#include <algorithm>

#include "platform/ui/list_ctrl.h"
#include "platform/ui/property_sheet.h"
#include "platform/vocabulary/kinds.h"
#include "platform/vocabulary/route.h"
#include "profiles/point_to_point_profile_page.h"
#include "resources/ids/profile_routes.h"
#include "resources/ids/profiles.h"
#include "server/cl/cl_interpreter.h"
#include "tests/profiles/profile_pages_fixture.h"

namespace ptp::testing {
namespace {

namespace rt = attr::route;

constexpr const char* kSheet = kProfileSheet;
constexpr const char* kRoutes = "CPointToPointProfileTCPIPSettingsRoutesDialog";
constexpr const char* kRoute = "CPointToPointDialRoutingDialog";
constexpr const char* kAddresses = "CPointToPointProfileTCPIPSettingsIPAddressDialog";
constexpr const char* kUser = "CPointToPointAnswerRoutingDialog";
constexpr const char* kUserRoutes = "CPointToPointProfileTCPIPSettingsUserRoutesDialog";

class ProfileRoutes : public ProfilePagesFixture {
  protected:
    void SetUp() override {
        ProfilePagesFixture::SetUp();
        // The stand-in's own interpreter runs what the sheet sends, unless a test gives a reply.
        m_host->SetCommandRunner(
            [this](server::System& system, std::string_view client, std::string_view command) {
                for (const auto& [prefix, reply] : replies) {
                    if (command.starts_with(prefix)) return reply;
                }
                return server::cl::ExecuteClCommand(system, client, command);
            });
    }

    void AddRoute(const std::string& profile, const std::string& destination,
                  const std::string& mask, const std::string& nextHop = "",
                  const std::string& user = "", const std::string& pairedAnswer = "") {
        server::Attributes a = {{rt::kDestination, destination},
                                {rt::kSubnetMask, mask},
                                {rt::kBindingProfile, profile},
                                {rt::kPPP, "1"}};
        if (!nextHop.empty()) a[rt::kNextHop] = nextHop;
        if (!user.empty()) a[rt::kExtraValue] = user;
        if (!pairedAnswer.empty()) a[rt::kDependentValue] = pairedAnswer;
        ASSERT_TRUE(System()
                        .PutObject(kinds::kRoute,
                                   profile + "/" + destination + "/" + mask + "/" + nextHop, a)
                        .ok());
    }

    // The routes bound to `profile`, as "destination/mask/next hop/user".
    std::vector<std::string> RoutesOf(const std::string& profile) {
        std::vector<std::string> routes;
        auto read = System().Read([&](server::ObjectTx& tx) {
            auto all = tx.List(kinds::kRoute);
            if (!all) return all.status();
            for (const auto& route : *all) {
                if (route.Get(rt::kBindingProfile) != profile) continue;
                std::string hop = route.Get(rt::kNextHop);
                routes.push_back(route.Get(rt::kDestination) + "/" + route.Get(rt::kSubnetMask) +
                                 "/" + (hop == "*DYNAMIC" ? "" : hop) + "/" +
                                 route.Get(rt::kExtraValue));
            }
            return server::Status::Ok();
        });
        EXPECT_TRUE(read.ok());
        return routes;
    }

    // The next user dialog filled in whole and confirmed.
    void TypeUser(const std::string& name, const std::string& address,
                  const std::string& destination, const std::string& mask) {
        driver.When(kUser)
            .SetText(IDC_USER_NAME, name)
            .SetText(IDC_USER_ADDRESS, address)
            .SetText(IDC_USER_DESTINATION, destination)
            .SetText(IDC_USER_SUBNET_MASK, mask)
            .Ok();
    }

    static std::vector<std::string> Rows(ui::CDialog& dialog, int list) {
        ui::CListCtrl& rows = dialog.ListCtrl(list);
        std::vector<std::string> shown;
        for (int row = 0; row < rows.GetItemCount(); ++row)
            shown.push_back(rows.GetItemText(row, 0) + " " + rows.GetItemText(row, 1));
        return shown;
    }

    // An answering profile handing out per-user addresses, and a dial-on-demand profile on a line
    // pool that pairs with it, dialling the caller at 10.2.0.9.
    void AddPairedProfiles() {
        AddProfile({.name = "PERUSER",
                    .mode = "2",
                    .more = {{prf::kRemoteAddressMethod, "3"},
                             {prf::kLocalAddress, "10.2.0.1"},
                             {prf::kPerUserAddresses, "1"}}});
        AddProfile({.name = "DOD",
                    .mode = "6",
                    .lineKind = "*POOL",
                    .more = {{prf::kLineKind, "2"},
                             {prf::kPoolName, "MODEMS"},
                             {prf::kPairedAnswerProfile, "PERUSER"},
                             {prf::kLocalAddress, "10.2.0.1"},
                             {prf::kRemoteAddress, "10.2.0.9"},
                             {prf::kRoutingChoice, "2"}}});
    }

    // The routing choices committed to `profile`, in order, as the server's trail has them.
    std::vector<std::string> RoutingChoicesCommitted(const std::string& profile) {
        std::vector<std::string> choices;
        auto trail = System().ReadObjectLog();
        if (!trail) return choices;
        for (const auto& entry : *trail) {
            if (entry.kind != kinds::kProfile || entry.name != profile) continue;
            auto choice = entry.attributes.find(prf::kRoutingChoice);
            if (choice != entry.attributes.end()) choices.push_back(choice->second);
        }
        return choices;
    }

    std::vector<std::string> RemoveCommands() {
        std::vector<std::string> removals;
        for (const auto& command : Commands()) {
            if (command.starts_with("RMVTCPRTE")) removals.push_back(command);
        }
        return removals;
    }
};

TEST_F(ProfileRoutes, TheRouteListChecksNetworksAndSendsOnlyWhatChanged) {
    AddProfile({.name = "DIALOUT", .more = {{prf::kRoutingChoice, "2"}}});
    AddRoute("DIALOUT", "192.168.60.0", "255.255.255.0");
    AddRoute("DIALOUT", "10.9.0.0", "255.255.0.0", "10.0.0.9");
    AddRoute("OTHER", "172.20.0.0", "255.255.0.0");
    std::vector<std::string> shown;
    driver.When(kSheet).SelectPageByTemplate(IDD_PROFILE_TCPIP_DIAL).Click(IDC_TCPIP_ROUTES).Ok();
    driver.When(kRoutes)
        .Do([&](ui::CDialog& dialog) { shown = Rows(dialog, IDC_ROUTES_LIST); })
        .Choose(IDC_ROUTES_LIST, 1)
        .Click(IDC_ROUTES_REMOVE)
        .Click(IDC_ROUTES_ADD)
        .Click(IDC_ROUTES_ADD)
        .Click(IDC_ROUTES_ADD)
        .Choose(IDC_ROUTES_LIST, 2)
        .Click(IDC_ROUTES_REMOVE)
        .Ok();
    driver.When(kRoute)
        .SetText(IDC_ROUTE_DESTINATION, "10.1.2.3")
        .SetText(IDC_ROUTE_SUBNET_MASK, " 255.255.255.0 ")
        .Ok()
        .SetText(IDC_ROUTE_DESTINATION, "10.1.2.0")
        .Ok();
    driver.When(kRoute)
        .SetText(IDC_ROUTE_DESTINATION, "10.1.2.0")
        .SetText(IDC_ROUTE_SUBNET_MASK, "255.255.255.0")
        .Ok()
        .Cancel();
    // Added and removed again before OK: nothing of it reaches the server.
    driver.When(kRoute)
        .SetText(IDC_ROUTE_DESTINATION, "172.16.0.0")
        .SetText(IDC_ROUTE_SUBNET_MASK, "255.240.0.0")
        .Ok();
    ASSERT_EQ(Invoke("NPF", {"DIALOUT"}, "PROPERTIES"), S_OK);
    EXPECT_EQ(shown,
              (std::vector<std::string>{"10.9.0.0 255.255.0.0", "192.168.60.0 255.255.255.0"}))
        << "only the routes of this profile";
    EXPECT_EQ(MessageIds(), (std::vector<std::uint32_t>{IDS_ROUTE_NOT_NETWORK, IDS_ROUTE_EXISTS}))
        << Transcript();
    ASSERT_FALSE(MessageBoxes().empty());
    EXPECT_EQ(MessageBoxes()[0].text, res::FormatText(Text(IDS_ROUTE_NOT_NETWORK),
                                                      {"10.1.2.3", "255.255.255.0", "10.1.2.0"}));
    EXPECT_EQ(RemoveCommands(),
              (std::vector<std::string>{"RMVTCPRTE RTEDEST('192.168.60.0') "
                                        "SUBNETMASK('255.255.255.0') NEXTHOP('*DYNAMIC') "
                                        "BINDIFC(PPPDIALOUT)"}));
    EXPECT_EQ(RoutesOf("DIALOUT"), (std::vector<std::string>{"10.1.2.0/255.255.255.0//",
                                                             "10.9.0.0/255.255.0.0/10.0.0.9/"}));
    EXPECT_EQ(Stored(kinds::kRoute, "DIALOUT/10.1.2.0/255.255.255.0/")[rt::kPPP], "1");
    EXPECT_EQ(RoutesOf("OTHER").size(), 1u);
    EXPECT_EQ(Profile("DIALOUT")[prf::kRoutingChoice], "2");
}

TEST_F(ProfileRoutes, AFailedRemovalKeepsTheRouteAndIsTriedAgainOnTheNextOK) {
    AddProfile({.name = "DIALOUT", .more = {{prf::kRoutingChoice, "2"}}});
    AddRoute("DIALOUT", "192.168.60.0", "255.255.255.0", "10.0.0.1");
    replies["RMVTCPRTE"] = "TCP2665: No route to 192.168.60.0.";
    std::vector<std::string> reopened;
    driver.When(kSheet)
        .SetText(IDC_PROFILE_DESCRIPTION, "Changed")
        .SelectPageByTemplate(IDD_PROFILE_TCPIP_DIAL)
        .Click(IDC_TCPIP_ROUTES)
        .Ok()
        .Do([&](ui::CDialog&) { replies.clear(); })
        .Ok();
    driver.When(kRoutes).Choose(IDC_ROUTES_LIST, 0).Click(IDC_ROUTES_REMOVE).Ok();
    driver.When(kRoutes)
        .Do([&](ui::CDialog& dialog) { reopened = Rows(dialog, IDC_ROUTES_LIST); })
        .Ok();
    ASSERT_EQ(Invoke("NPF", {"DIALOUT"}, "PROPERTIES"), S_OK);
    EXPECT_EQ(MessageIds(), (std::vector<std::uint32_t>{IDS_ROUTES_SAVE_FAILED})) << Transcript();
    ASSERT_FALSE(MessageBoxes().empty());
    EXPECT_EQ(MessageBoxes()[0].text, res::FormatText(Text(IDS_ROUTES_SAVE_FAILED),
                                                      {"TCP2665: No route to 192.168.60.0."}));
    EXPECT_TRUE(reopened.empty()) << "the list reopens as the user left it";
    // The second OK sends the same removal to the server's own interpreter.
    EXPECT_EQ(RemoveCommands(),
              (std::vector<std::string>(2,
                                        "RMVTCPRTE RTEDEST('192.168.60.0') "
                                        "SUBNETMASK('255.255.255.0') NEXTHOP('10.0.0.1') "
                                        "BINDIFC(PPPDIALOUT)")));
    EXPECT_TRUE(RoutesOf("DIALOUT").empty());
    EXPECT_EQ(Profile("DIALOUT")[prf::kDescription], "Changed");
    EXPECT_EQ(Profile("DIALOUT")[prf::kRoutingChoice], "0") << "no routes left";
}

TEST_F(ProfileRoutes, AFailedRemovalStopsBeforeTheProfileIsSaved) {
    AddProfile({.name = "DIALOUT", .more = {{prf::kRoutingChoice, "2"}}});
    AddRoute("DIALOUT", "192.168.60.0", "255.255.255.0");
    replies["RMVTCPRTE"] = "TCP2665: No route to 192.168.60.0.";
    driver.When(kSheet)
        .SetText(IDC_PROFILE_DESCRIPTION, "Changed")
        .SelectPageByTemplate(IDD_PROFILE_TCPIP_DIAL)
        .Click(IDC_TCPIP_ROUTES)
        .Ok();
    driver.When(kRoutes).Choose(IDC_ROUTES_LIST, 0).Click(IDC_ROUTES_REMOVE).Ok();
    ASSERT_EQ(Invoke("NPF", {"DIALOUT"}, "PROPERTIES"), S_OK);
    const auto stayed = driver.GetTranscript().StayedOpen(kSheet);
    ASSERT_TRUE(stayed.has_value()) << Transcript();
    EXPECT_EQ(stayed->pageTemplate, static_cast<std::uint32_t>(IDD_PROFILE_TCPIP_DIAL));
    EXPECT_EQ(RoutesOf("DIALOUT").size(), 1u);
    EXPECT_EQ(Profile("DIALOUT")[prf::kDescription], "Test profile") << "nothing was committed";
}

TEST_F(ProfileRoutes, EachUserOfTheAddressListGetsItsAddressAndItsNetworks) {
    AddProfile({.name = "ANSWER",
                .mode = "2",
                .lineKind = "*L2TP",
                .lineService = "3",
                .more = {{prf::kLineKind, "6"},
                         {prf::kLocalAddress, "10.2.0.1"},
                         {prf::kRemoteAddressMethod, "4"},
                         {prf::kRemoteAddress, "10.2.0.10"},
                         {prf::kRemoteAddressCount, "5"}}});
    bool buttonEnabled = true;
    driver.When(kSheet)
        .SelectPageByTemplate(IDD_PROFILE_TCPIP_ANSWER)
        .Do([&](ui::CDialog& sheet) {
            buttonEnabled = Active(sheet).GetDlgItem(IDC_TCPIP_ANS_ADDRESSES)->IsWindowEnabled();
        })
        .Choose(IDC_TCPIP_ANS_REMOTE_METHOD, Text(IDS_PROFILE_REMOTE_PER_USER))
        .Ok()
        .Ok();
    // The list is empty: OK is refused and the list opens for the first user.
    driver.When(kAddresses).Click(IDC_USERS_ADD).Ok();
    driver.When(kUser)
        .SetText(IDC_USER_ADDRESS, "10.2.0.5")
        .Ok()
        .SetText(IDC_USER_NAME, "JSMITH")
        .SetText(IDC_USER_DESTINATION, "10.3.0.0")
        .Ok()
        .SetText(IDC_USER_SUBNET_MASK, "255.255.0.0")
        .Ok();
    ASSERT_EQ(Invoke("NRC", {"ANSWER"}, "PROPERTIES"), S_OK);
    EXPECT_FALSE(buttonEnabled) << "a range needs no address list";
    EXPECT_EQ(MessageIds(),
              (std::vector<std::uint32_t>{IDS_PER_USER_LIST_EMPTY, IDS_USER_NAME_REQUIRED,
                                          IDS_USER_ROUTE_INCOMPLETE}))
        << Transcript();
    EXPECT_EQ(RoutesOf("ANSWER"),
              (std::vector<std::string>{"10.2.0.5/255.255.255.255//JSMITH",
                                        "10.3.0.0/255.255.0.0/10.2.0.5/JSMITH"}));
    EXPECT_EQ(Stored(kinds::kRoute, "ANSWER/10.2.0.5/255.255.255.255/")[rt::kCodePage], "01208");
    EXPECT_EQ(Profile("ANSWER")[prf::kRemoteAddressMethod], "3");

    // Opened again, the list shows the user; removing its network sends one removal.
    std::vector<std::string> users, networks;
    driver.When(kSheet)
        .SelectPageByTemplate(IDD_PROFILE_TCPIP_ANSWER)
        .Click(IDC_TCPIP_ANS_ADDRESSES)
        .Ok();
    driver.When(kAddresses)
        .Do([&](ui::CDialog& dialog) { users = Rows(dialog, IDC_USERS_LIST); })
        .Choose(IDC_USERS_LIST, 0)
        .Click(IDC_USERS_ROUTES)
        .Ok();
    driver.When(kUserRoutes)
        .Do([&](ui::CDialog& dialog) { networks = Rows(dialog, IDC_ROUTES_LIST); })
        .Choose(IDC_ROUTES_LIST, 0)
        .Click(IDC_ROUTES_REMOVE)
        .Ok();
    ASSERT_EQ(Invoke("NRC", {"ANSWER"}, "PROPERTIES"), S_OK);
    EXPECT_EQ(users, (std::vector<std::string>{"JSMITH 10.2.0.5"}));
    EXPECT_EQ(networks, (std::vector<std::string>{"10.3.0.0 255.255.0.0"}));
    EXPECT_EQ(RemoveCommands(),
              (std::vector<std::string>{"RMVTCPRTE RTEDEST('10.3.0.0') SUBNETMASK('255.255.0.0') "
                                        "NEXTHOP('10.2.0.5') BINDIFC(PPPANSWER)"}));
    EXPECT_EQ(RoutesOf("ANSWER"), (std::vector<std::string>{"10.2.0.5/255.255.255.255//JSMITH"}));
}

// A dial-on-demand profile keeps its own routes in the address list's shape, reached from its
// TCP/IP page: each remote system it dials with its address and the networks behind it. What the
// user adds there becomes route objects bound to the profile, marked with the answering profile it
// pairs with; what the user removes is removed by RMVTCPRTE, the host routes with a dynamic next
// hop. The remote network list offers the entries, and the routing choice follows the list.
TEST_F(ProfileRoutes, TheDialOnDemandProfileEditsItsOwnRoutesThroughTheAddressList) {
    AddPairedProfiles();
    AddRoute("DOD", "10.2.0.9", "255.255.255.255", "", "BRANCH", "PERUSER");
    AddRoute("DOD", "10.9.0.0", "255.255.0.0", "10.2.0.9", "BRANCH", "PERUSER");
    std::vector<std::string> offered, offeredAfter, entries;
    std::string network, caption, remote;
    driver.When(kSheet)
        .SelectPageByTemplate(IDD_PROFILE_TCPIP_DOD)
        .Do([&](ui::CDialog& sheet) {
            ui::CComboBox& box = Active(sheet).ComboBox(IDC_TCPIP_DOD_REMOTE_NETWORK);
            for (int i = 0; i < box.GetCount(); ++i)
                offered.push_back(box.GetLBText(i));
            network = box.GetWindowText();
        })
        .Click(IDC_TCPIP_DOD_ROUTES)
        .Do([&](ui::CDialog& sheet) {
            ui::CComboBox& box = Active(sheet).ComboBox(IDC_TCPIP_DOD_REMOTE_NETWORK);
            for (int i = 0; i < box.GetCount(); ++i)
                offeredAfter.push_back(box.GetLBText(i));
        })
        .Choose(IDC_TCPIP_DOD_REMOTE_NETWORK, "HQ")
        .Do([&](ui::CDialog& sheet) {
            remote = Active(sheet).GetDlgItemText(IDC_TCPIP_DOD_REMOTE_ADDRESS);
        })
        .Ok();
    driver.When(kAddresses)
        .Do([&](ui::CDialog& dialog) {
            entries = Rows(dialog, IDC_USERS_LIST);
            caption = dialog.GetWindowText();
        })
        .Choose(IDC_USERS_LIST, 0)
        .Click(IDC_USERS_ROUTES)
        .Click(IDC_USERS_ADD)
        .Ok();
    driver.When(kUserRoutes).Choose(IDC_ROUTES_LIST, 0).Click(IDC_ROUTES_REMOVE).Ok();
    TypeUser("HQ", "10.2.0.20", "10.20.0.0", "255.255.0.0");
    ASSERT_EQ(Invoke("NPF", {"DOD"}, "PROPERTIES"), S_OK);
    EXPECT_TRUE(MessageBoxes().empty()) << Transcript();
    EXPECT_EQ(offered, (std::vector<std::string>{"BRANCH"}));
    EXPECT_EQ(network, "BRANCH") << "the entry whose address the profile dials";
    EXPECT_EQ(offeredAfter, (std::vector<std::string>{"BRANCH", "HQ"}));
    EXPECT_EQ(remote, "10.2.0.20");
    EXPECT_EQ(entries, (std::vector<std::string>{"BRANCH 10.2.0.9"}));
    EXPECT_EQ(caption, Text(IDS_DOD_ROUTES_CAPTION));
    EXPECT_EQ(RemoveCommands(),
              (std::vector<std::string>{"RMVTCPRTE RTEDEST('10.9.0.0') SUBNETMASK('255.255.0.0') "
                                        "NEXTHOP('10.2.0.9') BINDIFC(PPPDOD)"}));
    auto routes = RoutesOf("DOD");
    std::sort(routes.begin(), routes.end());
    EXPECT_EQ(routes, (std::vector<std::string>{"10.2.0.20/255.255.255.255//HQ",
                                                "10.2.0.9/255.255.255.255//BRANCH",
                                                "10.20.0.0/255.255.0.0/10.2.0.20/HQ"}));
    auto address = Stored(kinds::kRoute, "DOD/10.2.0.20/255.255.255.255/");
    EXPECT_EQ(address[rt::kNextHop], "*DYNAMIC");
    EXPECT_EQ(address[rt::kDependentValue], "PERUSER");
    EXPECT_EQ(address[rt::kCodePage], "01208");
    EXPECT_EQ(address[rt::kPPP], "1");
    EXPECT_EQ(Stored(kinds::kRoute, "DOD/10.20.0.0/255.255.0.0/10.2.0.20")[rt::kDependentValue],
              "PERUSER");
    EXPECT_TRUE(RoutesOf("PERUSER").empty());
    EXPECT_EQ(Profile("DOD")[prf::kRemoteAddress], "10.2.0.20");
    EXPECT_EQ(Profile("DOD")[prf::kRoutingChoice], "2");

    // Every entry removed: their routes go, host routes with a dynamic next hop, and the profile
    // routes by none.
    driver.When(kSheet)
        .SelectPageByTemplate(IDD_PROFILE_TCPIP_DOD)
        .Click(IDC_TCPIP_DOD_ROUTES)
        .SetText(IDC_TCPIP_DOD_REMOTE_NETWORK, "")
        .Ok();
    driver.When(kAddresses)
        .Choose(IDC_USERS_LIST, 0)
        .Click(IDC_USERS_REMOVE)
        .Choose(IDC_USERS_LIST, 0)
        .Click(IDC_USERS_REMOVE)
        .Ok();
    ASSERT_EQ(Invoke("NPF", {"DOD"}, "PROPERTIES"), S_OK);
    EXPECT_TRUE(MessageBoxes().empty()) << Transcript();
    const auto removals = RemoveCommands();
    ASSERT_EQ(removals.size(), 4u);
    EXPECT_EQ(std::count(removals.begin(), removals.end(),
                         "RMVTCPRTE RTEDEST('10.2.0.9') SUBNETMASK('255.255.255.255') "
                         "NEXTHOP('*DYNAMIC') BINDIFC(PPPDOD)"),
              1);
    EXPECT_EQ(std::count(removals.begin(), removals.end(),
                         "RMVTCPRTE RTEDEST('10.2.0.20') SUBNETMASK('255.255.255.255') "
                         "NEXTHOP('*DYNAMIC') BINDIFC(PPPDOD)"),
              1);
    EXPECT_TRUE(RoutesOf("DOD").empty());
    EXPECT_EQ(Profile("DOD")[prf::kRoutingChoice], "0");
}

// The answering profile's per-user list, when a dial-on-demand profile pairs with it, is that
// profile's: its routes bind to the dependent profile's interface and name the answering profile.
// The dependent profile is reset to route by none of them before anything changes and routes by
// its list again once all of it reached the server; a removal the server refuses leaves it reset,
// the answering profile unsaved, and the next OK finishes the work.
TEST_F(ProfileRoutes, APairedDialOnDemandProfileDependsOnTheAnswerProfilesAddressList) {
    AddPairedProfiles();
    AddRoute("DOD", "10.2.0.9", "255.255.255.255", "", "BRANCH", "PERUSER");
    std::vector<std::string> users;
    driver.When(kSheet)
        .SelectPageByTemplate(IDD_PROFILE_TCPIP_ANSWER)
        .Click(IDC_TCPIP_ANS_ADDRESSES)
        .Ok();
    driver.When(kAddresses)
        .Do([&](ui::CDialog& dialog) { users = Rows(dialog, IDC_USERS_LIST); })
        .Click(IDC_USERS_ADD)
        .Choose(IDC_USERS_LIST, 0)
        .Click(IDC_USERS_REMOVE)
        .Ok();
    TypeUser("JSMITH", "10.2.0.5", "10.3.0.0", "255.255.0.0");
    ASSERT_EQ(Invoke("NRC", {"PERUSER"}, "PROPERTIES"), S_OK);
    EXPECT_TRUE(MessageBoxes().empty()) << Transcript();
    EXPECT_EQ(users, (std::vector<std::string>{"BRANCH 10.2.0.9"}));
    EXPECT_EQ(RemoveCommands(),
              (std::vector<std::string>{"RMVTCPRTE RTEDEST('10.2.0.9') "
                                        "SUBNETMASK('255.255.255.255') NEXTHOP('*DYNAMIC') "
                                        "BINDIFC(PPPDOD)"}));
    auto routes = RoutesOf("DOD");
    std::sort(routes.begin(), routes.end());
    EXPECT_EQ(routes, (std::vector<std::string>{"10.2.0.5/255.255.255.255//JSMITH",
                                                "10.3.0.0/255.255.0.0/10.2.0.5/JSMITH"}));
    EXPECT_TRUE(RoutesOf("PERUSER").empty());
    EXPECT_EQ(Stored(kinds::kRoute, "DOD/10.3.0.0/255.255.0.0/10.2.0.5")[rt::kDependentValue],
              "PERUSER");
    EXPECT_EQ(RoutingChoicesCommitted("DOD"), (std::vector<std::string>{"0", "2"}));
    EXPECT_EQ(Profile("DOD")[prf::kRoutingChoice], "2");
    // The reset reached the server before the first route did.
    auto trail = System().ReadObjectLog();
    ASSERT_TRUE(trail.ok());
    std::vector<std::string> order;
    for (const auto& entry : *trail) {
        if (entry.kind == kinds::kRoute && (order.empty() || order.back() != "Route"))
            order.push_back("Route");
        if (entry.kind == kinds::kProfile) order.push_back(entry.name);
    }
    EXPECT_EQ(order, (std::vector<std::string>{"DOD", "Route", "DOD", "PERUSER"}));

    // The server refuses a removal: the dependent profile stays reset, nothing of the answering
    // profile is saved, and the list reopens as the user left it; the next OK finishes the work
    // and the dependent profile routes by its list again.
    replies["RMVTCPRTE"] = "TCP2665: No route to 10.2.0.5.";
    std::string resetWhileOpen, descriptionWhileOpen;
    driver.When(kSheet)
        .SetText(IDC_PROFILE_DESCRIPTION, "Changed")
        .SelectPageByTemplate(IDD_PROFILE_TCPIP_ANSWER)
        .Click(IDC_TCPIP_ANS_ADDRESSES)
        .Ok()
        .Do([&](ui::CDialog&) { replies.clear(); })
        .Ok();
    driver.When(kAddresses)
        .Choose(IDC_USERS_LIST, 0)
        .Click(IDC_USERS_REMOVE)
        .Click(IDC_USERS_ADD)
        .Ok();
    driver.When(kUser)
        .SetText(IDC_USER_NAME, "BRANCH2")
        .SetText(IDC_USER_ADDRESS, "10.2.0.30")
        .Ok();
    driver.When(kAddresses)
        .Do([&](ui::CDialog& dialog) {
            resetWhileOpen = Profile("DOD")[prf::kRoutingChoice];
            descriptionWhileOpen = Profile("PERUSER")[prf::kDescription];
            users = Rows(dialog, IDC_USERS_LIST);
        })
        .Ok();
    ASSERT_EQ(Invoke("NRC", {"PERUSER"}, "PROPERTIES"), S_OK);
    EXPECT_EQ(MessageIds(), (std::vector<std::uint32_t>{IDS_ROUTES_SAVE_FAILED})) << Transcript();
    EXPECT_EQ(resetWhileOpen, "0");
    EXPECT_EQ(descriptionWhileOpen, "Test profile");
    EXPECT_EQ(users, (std::vector<std::string>{"BRANCH2 10.2.0.30"}));
    EXPECT_EQ(RoutesOf("DOD"), (std::vector<std::string>{"10.2.0.30/255.255.255.255//BRANCH2"}));
    EXPECT_EQ(RoutingChoicesCommitted("DOD"), (std::vector<std::string>{"0", "2", "0", "0", "2"}));
    EXPECT_EQ(Profile("PERUSER")[prf::kDescription], "Changed");
}

}  // namespace
}  // namespace ptp::testing
