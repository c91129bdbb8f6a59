// The dial TCP/IP page and its Advanced dialog, opened through the plug-in's commands against a
// real server: addresses checked as the user types them and as the server keeps them, the local
// interfaces offered, the route daemon record rewritten, and the SLIP frame size.
#include "platform/ui/property_sheet.h"
#include "platform/ui/ui_constants.h"
#include "platform/ui/ui_strings.h"
#include "platform/vocabulary/kinds.h"
#include "platform/vocabulary/route.h"
#include "platform/vocabulary/tcpip_interface.h"
#include "profiles/point_to_point_profile_page.h"
#include "resources/ids/profile_setup.h"
#include "resources/ids/profiles.h"
#include "tests/profiles/connection_page_steps.h"
#include "tests/profiles/profile_pages_fixture.h"

namespace ptp::testing {
namespace {

using namespace ptp::profiles;
namespace rtd = attr::route_daemon;

constexpr const char* kSheet = kProfileSheet;
constexpr const char* kAdvanced = "CPointToPointProfileTCPIPSettingsAdvancedDialog";

class TcpipDialPage : public ProfilePagesFixture {
  protected:
    void AddRecord(const std::string& name, const std::string& rip, const std::string& supply) {
        ASSERT_TRUE(System()
                        .PutObject(kinds::kRouteDaemonRecord, name,
                                   {{rtd::kInterfaceName, name},
                                    {rtd::kRipVersion, rip},
                                    {rtd::kSupplyMode, supply}})
                        .ok());
    }

    void AddInterface(const std::string& address, const std::string& type,
                      const std::string& shown) {
        namespace ifc = attr::tcpip_interface;
        ASSERT_TRUE(
            System()
                .PutObject(
                    kinds::kTcpipInterface, address,
                    {{ifc::kAddress, address}, {ifc::kType, type}, {ifc::kDisplayAddress, shown}})
                .ok());
    }
};

TEST_F(TcpipDialPage, GivenAddressesMustBeValidAndDifferentBeforeAnythingIsWritten) {
    AddProfile({.name = "DIALOUT",
                .more = {{prf::kLocalAddressMethod, "2"}, {prf::kRemoteAddressMethod, "2"}}});
    driver.When(kSheet)
        .SelectPageByTemplate(IDD_PROFILE_TCPIP_DIAL)
        .Check(IDC_TCPIP_LOCAL_GIVEN)
        .SetText(IDC_TCPIP_LOCAL_ADDRESS, "10.1.1")
        .Check(IDC_TCPIP_REMOTE_GIVEN)
        .SetText(IDC_TCPIP_REMOTE_ADDRESS, "10.1.1.1")
        .Ok()
        .SetText(IDC_TCPIP_LOCAL_ADDRESS, "10.1.1.1")
        .Ok()
        .SetText(IDC_TCPIP_REMOTE_ADDRESS, "10.1.1.256")
        .Ok();
    ASSERT_EQ(Invoke("NPF", {"DIALOUT"}, "PROPERTIES"), S_OK);
    EXPECT_EQ(MessageIds(),
              (std::vector<std::uint32_t>{IDS_PROFILE_ADDRESS_INVALID, IDS_PROFILE_ADDRESSES_SAME,
                                          IDS_PROFILE_ADDRESS_INVALID}))
        << Transcript();
    ASSERT_EQ(MessageBoxes().size(), 3u);
    EXPECT_EQ(MessageBoxes()[0].text,
              res::FormatText(Text(IDS_PROFILE_ADDRESS_INVALID), {"10.1.1"}));
    const auto stayed = driver.GetTranscript().StayedOpen(kSheet);
    ASSERT_TRUE(stayed.has_value()) << Transcript();
    EXPECT_EQ(stayed->pageTemplate, static_cast<std::uint32_t>(IDD_PROFILE_TCPIP_DIAL));
    EXPECT_EQ(stayed->focus, IDC_TCPIP_REMOTE_ADDRESS);
    EXPECT_EQ(Profile("DIALOUT")[prf::kLocalAddressMethod], "2") << "nothing was written";
    EXPECT_FALSE(System().GetObject(kinds::kRouteDaemonRecord, "DIALOUT").ok());
}

TEST_F(TcpipDialPage, TheLocalListOffersTheSystemsInterfacesAndStoresTheAddressAlone) {
    AddInterface("127.0.0.1", "15", "*LOOPBACK");
    AddInterface("10.1.1.1", "1", "10.1.1.1");
    AddInterface("192.168.50.1", "6", "192.168.50.1");
    AddInterface("10.1.1.100", "15", "*VIRTUALIP");
    AddInterface("10.9.9.9", "4", "10.9.9.9");
    AddProfile({.name = "DIALOUT",
                .more = {{prf::kLocalAddressMethod, "2"},
                         {prf::kLocalAddress, "*DYNAMIC"},
                         {prf::kRemoteAddressMethod, "1"},
                         {prf::kRemoteAddress, "10.2.2.2"}}});
    std::vector<std::string> offered;
    std::string remoteShown, localShown = "unread";
    bool localEnabled = true;
    driver.When(kSheet)
        .SelectPageByTemplate(IDD_PROFILE_TCPIP_DIAL)
        .Do([&](ui::CDialog& sheet) {
            ui::CComboBox& box = Active(sheet).ComboBox(IDC_TCPIP_LOCAL_ADDRESS);
            for (int i = 0; i < box.GetCount(); ++i)
                offered.push_back(box.GetLBText(i));
            localShown = box.GetWindowText();
            localEnabled = box.IsWindowEnabled();
            remoteShown = Active(sheet).GetDlgItemText(IDC_TCPIP_REMOTE_ADDRESS);
        })
        .Check(IDC_TCPIP_LOCAL_GIVEN)
        .Choose(IDC_TCPIP_LOCAL_ADDRESS, 0)
        .Ok();
    ASSERT_EQ(Invoke("NPF", {"DIALOUT"}, "PROPERTIES"), S_OK);
    EXPECT_EQ(offered,
              (std::vector<std::string>{"10.1.1.1 " + Text(IDS_PROFILE_INTERFACE_TYPE1),
                                        "10.1.1.100 " + Text(IDS_PROFILE_VIRTUAL_ADDRESS),
                                        "192.168.50.1 " + Text(IDS_PROFILE_INTERFACE_TYPE6)}));
    EXPECT_EQ(localShown, "") << "a stored *DYNAMIC shows as empty";
    EXPECT_FALSE(localEnabled);
    EXPECT_EQ(remoteShown, "10.2.2.2");
    EXPECT_TRUE(MessageBoxes().empty()) << Transcript();
    auto stored = Profile("DIALOUT");
    EXPECT_EQ(stored[prf::kLocalAddressMethod], "1");
    EXPECT_EQ(stored[prf::kLocalAddress], "10.1.1.1") << "the label stays on the page";
    EXPECT_EQ(stored[prf::kRemoteAddressMethod], "1");
    EXPECT_EQ(stored[prf::kRemoteAddress], "10.2.2.2");
}

TEST_F(TcpipDialPage, NewProfilesStartFromTheMethodsOfTheirKind) {
    AddLine("PPPLIN01");
    // A dial profile: both addresses assigned as the link comes up.
    driver.When("CPointToPointProfileSetupDialog").Ok();
    ChooseDialLine(driver.When(kSheet), "PPPLIN01", "5550100")
        .SetText(IDC_PROFILE_NAME, "NEWDIAL")
        .Ok();
    ASSERT_EQ(Invoke("NPF", {}, "NEWPROFILE"), S_OK);
    // Dial variant 3 gives both addresses, so the user has to type them.
    driver.When("CPointToPointProfileSetupDialog").Choose(IDC_SETUP_MODE, 1).Ok();
    ChooseDialLine(driver.When(kSheet), "PPPLIN01", "5550100")
        .SetText(IDC_PROFILE_NAME, "NEWDOD")
        .Ok()
        .SetText(IDC_TCPIP_LOCAL_ADDRESS, "10.3.0.1")
        .SetText(IDC_TCPIP_REMOTE_ADDRESS, "10.3.0.2")
        .Ok();
    ASSERT_EQ(Invoke("NPF", {}, "NEWPROFILE"), S_OK);
    // A nonswitched line that answers: a given local address, an assigned remote one.
    ASSERT_TRUE(System()
                    .PutObject(kinds::kLine, "LEASED01",
                               {{0, "*PPP"}, {1, "LEASED01"}, {31, "*SYNC"}, {32, "*NONSWTPP"}})
                    .ok());
    driver.When("CPointToPointProfileSetupDialog").Click(IDC_SETUP_NONSWITCHED_LINE).Ok();
    ChooseAnswerLine(driver.When(kSheet), "LEASED01")
        .SetText(IDC_PROFILE_NAME, "NEWLEASED")
        .SelectPageByTemplate(IDD_PROFILE_TCPIP_DIAL)
        .SetText(IDC_TCPIP_LOCAL_ADDRESS, "192.168.9.1")
        .Ok();
    ASSERT_EQ(Invoke("NRC", {}, "NEWPROFILE"), S_OK);

    auto dial = Profile("NEWDIAL");
    ASSERT_FALSE(dial.empty()) << Transcript();
    EXPECT_EQ(dial[prf::kLocalAddressMethod], "2");
    EXPECT_EQ(dial[prf::kRemoteAddressMethod], "2");
    EXPECT_EQ(dial[prf::kRoutingChoice], "0");
    EXPECT_EQ(dial.count(prf::kHideAddresses), 0u) << "plain dial profiles do not hide";
    EXPECT_EQ(Stored(kinds::kRouteDaemonRecord, "NEWDIAL")[rtd::kInterfaceName], "NEWDIAL")
        << "every profile gets its route daemon record";

    ASSERT_EQ(MessageIds(), (std::vector<std::uint32_t>{IDS_PROFILE_ADDRESS_INVALID}))
        << Transcript();
    auto dod = Profile("NEWDOD");
    ASSERT_FALSE(dod.empty()) << Transcript();
    EXPECT_EQ(dod[prf::kMode], "3");
    EXPECT_EQ(dod[prf::kLocalAddress], "10.3.0.1");
    EXPECT_EQ(dod[prf::kRemoteAddress], "10.3.0.2");

    auto leased = Profile("NEWLEASED");
    ASSERT_FALSE(leased.empty()) << Transcript();
    EXPECT_EQ(leased[prf::kLineService], "2");
    EXPECT_EQ(leased[prf::kMode], "2");
    EXPECT_EQ(leased[prf::kLocalAddressMethod], "1");
    EXPECT_EQ(leased[prf::kLocalAddress], "192.168.9.1");
    EXPECT_EQ(leased[prf::kRemoteAddressMethod], "2");
    EXPECT_EQ(leased[prf::kHideAddresses], "0");
    EXPECT_EQ(leased.count(prf::kHeaderCompression), 0u);
}

TEST_F(TcpipDialPage, TheRouteDaemonRecordIsRewrittenFromWhatTheDialogShows) {
    AddProfile({.name = "LIMITED", .more = {{prf::kIPForwarding, "0"}}});
    AddRecord("LIMITED", "RIP2", "*LIMITED");
    AddProfile({.name = "OLDRIP"});
    AddRecord("OLDRIP", "OFF", "FULL");
    AddProfile({.name = "RIPOFF"});
    AddRecord("RIPOFF", "RIP1", "FULL");

    int limited = -1, rip2 = -1;
    driver.When(kSheet).SelectPageByTemplate(IDD_PROFILE_TCPIP_DIAL).Click(IDC_TCPIP_ADVANCED).Ok();
    driver.When(kAdvanced)
        .Do([&](ui::CDialog& dialog) {
            limited = dialog.IsDlgButtonChecked(IDC_TCPIP_ADV_SUPPLY_LIMITED);
            rip2 = dialog.IsDlgButtonChecked(IDC_TCPIP_ADV_RIP2);
        })
        .Check(IDC_TCPIP_ADV_FORWARDING)
        .Ok();
    ASSERT_EQ(Invoke("NPF", {"LIMITED"}, "PROPERTIES"), S_OK);
    EXPECT_EQ(limited, ui::BST_CHECKED);
    EXPECT_EQ(rip2, ui::BST_CHECKED);
    auto record = Stored(kinds::kRouteDaemonRecord, "LIMITED");
    EXPECT_EQ(record[rtd::kRipVersion], "RIP2") << Transcript();
    EXPECT_EQ(record[rtd::kSupplyMode], "LIMITED");
    EXPECT_EQ(Profile("LIMITED")[prf::kIPForwarding], "1");

    // Never opened, the dialog still rewrites the record: an old "OFF" comes back as RIP1.
    driver.When(kSheet).SetText(IDC_PROFILE_DESCRIPTION, "x").Ok();
    ASSERT_EQ(Invoke("NPF", {"OLDRIP"}, "PROPERTIES"), S_OK);
    EXPECT_EQ(Stored(kinds::kRouteDaemonRecord, "OLDRIP")[rtd::kRipVersion], "RIP1");
    EXPECT_EQ(Stored(kinds::kRouteDaemonRecord, "OLDRIP")[rtd::kSupplyMode], "FULL");

    bool supplyEnabled = true;
    driver.When(kSheet).SelectPageByTemplate(IDD_PROFILE_TCPIP_DIAL).Click(IDC_TCPIP_ADVANCED).Ok();
    driver.When(kAdvanced)
        .Check(IDC_TCPIP_ADV_RIP_NONE)
        .Do([&](ui::CDialog& dialog) {
            supplyEnabled = dialog.GetDlgItem(IDC_TCPIP_ADV_SUPPLY_FULL)->IsWindowEnabled();
        })
        .Ok();
    ASSERT_EQ(Invoke("NPF", {"RIPOFF"}, "PROPERTIES"), S_OK);
    EXPECT_FALSE(supplyEnabled);
    auto off = Stored(kinds::kRouteDaemonRecord, "RIPOFF");
    EXPECT_EQ(off[rtd::kInterfaceName], "RIPOFF") << "RIP off keeps a record with the name only";
    EXPECT_EQ(off[rtd::kRipVersion], "");
    EXPECT_EQ(off[rtd::kSupplyMode], "");
    EXPECT_TRUE(MessageBoxes().empty()) << Transcript();
}

TEST_F(TcpipDialPage, ASlipFrameSizeOutside576To1006IsRefusedByTheDialog) {
    AddProfile({.name = "SLIPOUT",
                .protocol = "1",
                .more = {{prf::kLocalAddressMethod, "2"},
                         {prf::kRemoteAddressMethod, "1"},
                         {prf::kRemoteAddress, "10.5.0.2"}}});
    std::string shown;
    driver.When(kSheet).SelectPageByTemplate(IDD_PROFILE_TCPIP_DIAL).Click(IDC_TCPIP_ADVANCED).Ok();
    driver.When(kAdvanced)
        .Do([&](ui::CDialog& dialog) { shown = dialog.GetDlgItemText(IDC_TCPIP_ADV_FRAME_SIZE); })
        .SetText(IDC_TCPIP_ADV_FRAME_SIZE, "575")
        .Ok()
        .SetText(IDC_TCPIP_ADV_FRAME_SIZE, "1007")
        .Ok()
        .SetText(IDC_TCPIP_ADV_FRAME_SIZE, "1000")
        .Ok();
    ASSERT_EQ(Invoke("NPF", {"SLIPOUT"}, "PROPERTIES"), S_OK);
    EXPECT_EQ(shown, "1006") << "a profile without a frame size shows the largest";
    EXPECT_EQ(MessageIds(), (std::vector<std::uint32_t>{ui::IDS_UI_RANGE, ui::IDS_UI_RANGE}))
        << Transcript();
    ASSERT_EQ(MessageBoxes().size(), 2u);
    EXPECT_EQ(MessageBoxes()[1].text, res::FormatText(Text(ui::IDS_UI_RANGE), {"576", "1006"}));
    EXPECT_EQ(Profile("SLIPOUT")[prf::kMaxFrameSize], "1000");
}

}  // namespace
}  // namespace ptp::testing
