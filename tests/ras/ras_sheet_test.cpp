#include <gtest/gtest.h>

#include "platform/res/resource_module.h"
#include "tests/ras/ras_test_fixture.h"

namespace ptp::testing {
namespace {

constexpr unsigned kNotice = 0x1030;    // system-modal, exclamation icon
constexpr unsigned kQuestion = 0x1024;  // system-modal, question icon, Yes and No

using Table = std::vector<std::vector<std::string>>;

class RasSheet : public RasSheetTest {
  protected:
    // Sets this system's own DHCP service going in `mode`, as an administrator would.
    void RunDhcpAs(const char* mode) {
        ASSERT_EQ(server::cl::ExecuteClCommand(System(), "TEST",
                                               std::string("CHGDHCPA MODE(") + mode + ")"),
                  "");
        ASSERT_EQ(server::cl::ExecuteClCommand(System(), "TEST", "STRTCPSVR SERVER(*DHCP)"), "");
    }
    void ClientOnWithFirstEntry(const char* type) {
        PutFile(kRasPath,
                "RADIUS_ENABLED=0 DHCP_WAN_CLIENT_ENABLED=1 "
                "DHCP_WAN_CLIENT_LOCAL_IP_ADDRESS=10.1.1.1\n");
        PutFile(kDhcpListPath, std::string("ADDRESS=10.5.5.5 SERVERTYPE=") + type + "\n");
    }
    // Opens the sheet on its DHCP page and cancels it; whether the client's switch was still on.
    bool ClientShownOn() {
        bool on = false;
        driver.When(kRasSheet)
            .SelectPage(1)
            .Do([&](ui::CDialog& sheet) {
                on = ActivePage(sheet).IsDlgButtonChecked(IDC_RAS_DHCP_WAN_CLIENT) != 0;
            })
            .Cancel();
        EXPECT_EQ(Invoke("NPP", {}, "SERVICES"), S_OK);
        return on;
    }
};

TEST_F(RasSheet, RadiusSettingsOfAFreshSystemAreWrittenOnOk) {
    std::string title;
    std::vector<bool> detailsEnabled;
    auto noteDetails = [&](ui::CDialog& sheet) {
        detailsEnabled.push_back(
            ActivePage(sheet).GetDlgItem(IDC_RAS_RADIUS_ACCOUNTING)->IsWindowEnabled());
    };
    driver.When(kRasSheet)
        .Do([&](ui::CDialog& sheet) { title = sheet.GetWindowText(); })
        .Do(noteDetails)
        .Check(IDC_RAS_RADIUS)
        .Do(noteDetails)
        .Check(IDC_RAS_RADIUS_ACCOUNTING)
        .Check(IDC_RAS_RADIUS_ADDRESSES)
        .Ok();

    EXPECT_EQ(Invoke("NPP", {}, "SERVICES"), S_OK);

    EXPECT_EQ(title, res::FormatText(Text(IDS_RAS_CAPTION), {"SYS1"}));
    EXPECT_EQ(detailsEnabled, (std::vector<bool>{false, true}));
    EXPECT_EQ(MessageIds(), std::vector<std::uint32_t>{IDS_RAS_FILE_NOT_LOADED})
        << "a system without settings says so and opens with the defaults";
    EXPECT_EQ(
        Lines(kRasPath),
        (std::vector<std::string>{"RADIUS_ENABLED=1 RADIUS_ACCT_SERVER_ENABLED=1 "
                                  "RADIUS_AUTH_SERVER_ENABLED=0 RADIUS_ADDRESS_CONFIG_ENABLED=1 "
                                  "DHCP_WAN_CLIENT_ENABLED=0 DHCP_WAN_CLIENT_LOCAL_IP_ADDRESS= "}));
    EXPECT_FALSE(System().Files().Exists(kDhcpListPath)) << "the DHCP page was never shown";
    EXPECT_TRUE(Commands().empty());
    EXPECT_EQ(Refreshes(), 1);
}

TEST_F(RasSheet, TurningOnTheClientWithARelayAgentStartsThisSystemsRelayAgent) {
    PutFile(kRasPath, "RADIUS_ENABLED=1 RADIUS_AUTH_SERVER_ENABLED=1\n");
    bool addEnabledBefore = true, addEnabledAfter = false;
    Table interfaces, entries;
    driver.When(kRasSheet)
        .SelectPage(1)
        .Do([&](ui::CDialog& sheet) {
            addEnabledBefore = ActivePage(sheet).GetDlgItem(IDC_RAS_DHCP_ADD)->IsWindowEnabled();
        })
        .Check(IDC_RAS_DHCP_WAN_CLIENT)
        .Do([&](ui::CDialog& sheet) {
            addEnabledAfter = ActivePage(sheet).GetDlgItem(IDC_RAS_DHCP_ADD)->IsWindowEnabled();
        })
        .Click(IDC_RAS_DHCP_LOCAL_INTERFACE)
        .Click(IDC_RAS_DHCP_ADD)
        .Do([&](ui::CDialog& sheet) { entries = Rows(ActivePage(sheet), IDC_RAS_DHCP_SERVERS); })
        .Ok();
    driver.When("CPointToPointRASDhcpWanClientLocalInterfaceDialog")
        .Do([&](ui::CDialog& dialog) { interfaces = Rows(dialog, IDC_RAS_INTERFACES); })
        .Choose(IDC_RAS_INTERFACES, 0)
        .Ok();
    driver.When("CPointToPointRASDHCPServerDialog")
        .SetText(IDC_RAS_DHCP_ENTRY_ADDRESS, "10.9.9")
        .Click(IDC_RAS_DHCP_ENTRY_RELAY)
        .Ok()
        .SetText(IDC_RAS_DHCP_ENTRY_ADDRESS, " 10.9.9.9 ")
        .Ok();
    driver.AnswerMessageBoxes({ui::IDYES, ui::IDOK, ui::IDOK, ui::IDNO});

    EXPECT_EQ(Invoke("NPP", {}, "SERVICES"), S_OK);

    EXPECT_FALSE(addEnabledBefore) << "the list is closed while the client is off";
    EXPECT_TRUE(addEnabledAfter);
    EXPECT_EQ(interfaces, (Table{{"10.1.1.1", "ETHLINE", Text(IDS_RAS_INTERFACE_LINE)},
                                 {"10.1.1.100", "*VIRTUALIP", Text(IDS_RAS_INTERFACE_VIRTUAL)}}))
        << "the loopback interface is not offered";
    EXPECT_EQ(entries, (Table{{"10.9.9.9", Text(IDS_RAS_DHCP_RELAY_LABEL)}}));
    EXPECT_EQ(MessageIds(), (std::vector<std::uint32_t>{
                                IDS_RAS_WAN_CLIENT_QUESTION, IDS_RAS_ADDRESS_INVALID,
                                IDS_RAS_STARTING_RELAY, IDS_RAS_CONFIGURE_RELAY_QUESTION}));
    const auto boxes = MessageBoxes();
    ASSERT_EQ(boxes.size(), 4u);
    EXPECT_EQ(boxes[0].style, kQuestion);
    EXPECT_EQ(boxes[2].style, kNotice);
    EXPECT_EQ(boxes[3].text, res::FormatText(Text(IDS_RAS_CONFIGURE_RELAY_QUESTION), {"10.9.9.9"}));
    EXPECT_EQ(Commands(),
              (std::vector<std::string>{"CHGDHCPA MODE(*RELAY)", "STRTCPSVR SERVER(*DHCP)"}));
    EXPECT_EQ(ActiveJobs(), std::vector<std::string>{"QTODDHCPR"});
    ASSERT_GE(Lines(kDhcpAttributesPath).size(), 2u);
    EXPECT_EQ(Lines(kDhcpAttributesPath)[1].rfind("*RELAY", 0), 0u);
    EXPECT_EQ(Lines(kDhcpListPath),
              std::vector<std::string>{"ADDRESS=10.9.9.9 SERVERTYPE=*RELAY "});
    EXPECT_EQ(Lines(kRasPath), (std::vector<std::string>{
                                   "RADIUS_ENABLED=1 RADIUS_ACCT_SERVER_ENABLED=0 "
                                   "RADIUS_AUTH_SERVER_ENABLED=1 RADIUS_ADDRESS_CONFIG_ENABLED=0 "
                                   "DHCP_WAN_CLIENT_ENABLED=1 "
                                   "DHCP_WAN_CLIENT_LOCAL_IP_ADDRESS=10.1.1.1 "}));
}

TEST_F(RasSheet, ThePageChecksTheRoleTheFirstEntryNeedsWhenItOpens) {
    // Nothing runs and starting the server fails: the failure is shown and the client goes off.
    ClientOnWithFirstEntry("*SERVER");
    const std::string refusal = "CPF9899: Error occurred during processing of the request.";
    replies["CHGDHCPA"] = refusal;
    EXPECT_FALSE(ClientShownOn());
    auto boxes = MessageBoxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].resourceId, IDS_RAS_STARTING_SERVER);
    EXPECT_EQ(boxes[0].style, kNotice);
    EXPECT_EQ(boxes[1].text,
              res::FormatText(Text(IDS_RAS_COMMAND_FAILED), {"CHGDHCPA MODE(*SERVER)", "SYS1"}) +
                  "\n\n" + refusal);
    EXPECT_EQ(Commands(), std::vector<std::string>{"CHGDHCPA MODE(*SERVER)"})
        << "the sequence stops at the failing command";
    replies.clear();

    // The server runs as the entry needs: nothing to say, nothing to run.
    RunDhcpAs("*SERVER");
    EXPECT_TRUE(ClientShownOn());
    EXPECT_EQ(MessageBoxes().size(), 2u);

    // A relay agent is wanted but the server runs: the client uses the server.
    ClientOnWithFirstEntry("*RELAY");
    EXPECT_TRUE(ClientShownOn());
    ASSERT_EQ(MessageBoxes().size(), 3u);
    EXPECT_EQ(MessageBoxes()[2].resourceId, IDS_RAS_SERVER_INSTEAD_OF_RELAY);

    // A server is wanted but the relay agent runs: the client cannot work, and goes off.
    RunDhcpAs("*RELAY");
    ClientOnWithFirstEntry("*SERVER");
    EXPECT_FALSE(ClientShownOn());
    ASSERT_EQ(MessageBoxes().size(), 4u);
    EXPECT_EQ(MessageBoxes()[3].resourceId, IDS_RAS_RELAY_INSTEAD_OF_SERVER);
    EXPECT_EQ(Commands().size(), 1u) << "only the failed start ever ran a command";
    EXPECT_EQ(ActiveJobs(), std::vector<std::string>{"QTODDHCPR"});
}

TEST_F(RasSheet, TheListHoldsSixteenEntriesAndOkWritesThemInOrder) {
    RunDhcpAs("*SERVER");
    std::string list;
    for (int i = 1; i <= 16; ++i)
        list += "ADDRESS=10.0.0." + std::to_string(i) + " SERVERTYPE=*SERVER\n";
    PutFile(kDhcpListPath, list);
    PutFile(kRasPath, "DHCP_WAN_CLIENT_ENABLED=1 DHCP_WAN_CLIENT_LOCAL_IP_ADDRESS=10.1.1.1\n");
    std::vector<bool> addEnabled;
    auto noteAdd = [&](ui::CDialog& sheet) {
        addEnabled.push_back(ActivePage(sheet).GetDlgItem(IDC_RAS_DHCP_ADD)->IsWindowEnabled());
    };
    std::size_t shown = 0;
    driver.When(kRasSheet)
        .SelectPage(1)
        .Do([&](ui::CDialog& sheet) {
            shown = Rows(ActivePage(sheet), IDC_RAS_DHCP_SERVERS).size();
        })
        .Do(noteAdd)
        .Choose(IDC_RAS_DHCP_SERVERS, 2)
        .Click(IDC_RAS_DHCP_REMOVE)
        .Do(noteAdd)
        .Click(IDC_RAS_DHCP_ADD)
        .Click(IDC_RAS_DHCP_ADD)
        .Do(noteAdd)
        .Ok();
    driver.When("CPointToPointRASDHCPServerDialog")
        .SetText(IDC_RAS_DHCP_ENTRY_ADDRESS, "10.0.0.9")
        .Ok();
    driver.When("CPointToPointRASDHCPServerDialog")
        .SetText(IDC_RAS_DHCP_ENTRY_ADDRESS, "10.7.7.7")
        .Ok();
    driver.AnswerMessageBoxes({ui::IDOK, ui::IDNO});

    EXPECT_EQ(Invoke("NPP", {}, "SERVICES"), S_OK);

    EXPECT_EQ(shown, 16u);
    EXPECT_EQ(MessageIds(), (std::vector<std::uint32_t>{IDS_RAS_ADDRESS_TAKEN,
                                                        IDS_RAS_CONFIGURE_SERVER_QUESTION}));
    EXPECT_EQ(addEnabled, (std::vector<bool>{false, true, false}));
    const auto lines = Lines(kDhcpListPath);
    ASSERT_EQ(lines.size(), 16u);
    EXPECT_EQ(lines[1], "ADDRESS=10.0.0.2 SERVERTYPE=*SERVER ");
    EXPECT_EQ(lines[2], "ADDRESS=10.0.0.4 SERVERTYPE=*SERVER ") << "the third entry is gone";
    EXPECT_EQ(lines[15], "ADDRESS=10.7.7.7 SERVERTYPE=*SERVER ");
    EXPECT_TRUE(Commands().empty()) << "the server already ran";
}

}  // namespace
}  // namespace ptp::testing
