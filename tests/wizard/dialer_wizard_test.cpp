// The dialer wizard played as a user plays it, against the demo system: where Next and Back lead,
// what each page refuses, and what Finish leaves on the server.
#include <gtest/gtest.h>

#include "platform/ui/script_json.h"
#include "platform/vocabulary/host_table.h"
#include "platform/vocabulary/mail.h"
#include "platform/vocabulary/route.h"
#include "platform/vocabulary/system_value.h"
#include "platform/vocabulary/validation_list.h"
#include "tests/wizard/dialer_wizard_fixture.h"

namespace ptp::wizard {
namespace {

namespace prf = attr::profile;

using Visits = std::vector<UINT>;

// Records the page the wizard shows, each time the step runs.
std::function<void(ui::CDialog&)> Visit(Visits& visits) {
    return [&visits](ui::CDialog& wizard) {
        visits.push_back(static_cast<ui::CPropertySheet&>(wizard).GetActivePage()->GetTemplateId());
    };
}

bool Visited(const Visits& visits, UINT page) {
    return std::find(visits.begin(), visits.end(), page) != visits.end();
}

TEST_F(DialerWizardTest, StandardAccessDialsOnALineTheSystemHasWithoutTheAccountAndMailPages) {
    Visits visits;
    m_driver.When(kWizard)
        .Next()
        .Do(ExpectPage(IDD_WDN_ACCESS))
        .Next()
        .Do(ExpectPage(IDD_WDN_CONNECTION))
        .Back()  // the page actually left, not the list neighbour (the mail schedule page)
        .Do(ExpectPage(IDD_WDN_ACCESS))
        .Next()
        .Do(Visit(visits))
        .Next()
        .Do(Visit(visits))
        .Choose(IDC_WDN_RESOURCE_LIST, "CMN01")
        .Next()
        .Do(Visit(visits))
        .Next()
        .Do(Visit(visits))
        .Next()
        .Do(Visit(visits))
        .SetText(IDC_WDN_PHONE_PRIMARY, "5551000")
        .SetText(IDC_WDN_PHONE_BACKUP, "5552000")
        .Next()
        .Do(Visit(visits))
        .Do([](ui::CDialog& wizard) {
            auto* page = static_cast<ui::CPropertySheet&>(wizard).GetActivePage();
            const std::string summary = page->GetDlgItemText(IDC_WDN_SUMMARY_TEXT);
            EXPECT_NE(summary.find("WDNDIAL"), std::string::npos) << summary;
            EXPECT_NE(summary.find("PPPLIN01"), std::string::npos) << summary;
        })
        .Finish();
    m_driver.AnswerMessageBoxes({ui::IDNO});
    EXPECT_EQ(Play(), ui::ID_WIZFINISH) << Transcript();

    EXPECT_EQ(visits, (Visits{IDD_WDN_CONNECTION, IDD_WDN_RESOURCE, IDD_WDN_LINE, IDD_WDN_MODEM,
                              IDD_WDN_PHONE_NUMBER, IDD_WDN_SUMMARY}));
    for (UINT page : {IDD_WDN_ACCOUNT, IDD_WDN_NETWORK, IDD_WDN_SERVER, IDD_WDN_DNS,
                      IDD_WDN_SMTP_SERVER, IDD_WDN_ROUTING, IDD_WDN_SMTP_SCHEDULER})
        EXPECT_FALSE(Visited(visits, page)) << page;
    const auto profile = Object(kinds::kProfile, "WDNDIAL");
    EXPECT_EQ(profile.Get(prf::kLineName), "PPPLIN01");
    EXPECT_EQ(profile.Get(prf::kDialVariant), "1");
    EXPECT_EQ(profile.Get(prf::kMode), "1");
    EXPECT_EQ(profile.Get(prf::kLineService), "1");
    EXPECT_EQ(profile.Get(prf::kProtocol), "2");
    EXPECT_EQ(profile.Get(prf::kRemoteNumber1), "5551000");
    EXPECT_EQ(profile.Get(prf::kRemoteNumber2), "5552000");
    // The internal modem of the port was proposed and kept.
    EXPECT_EQ(Object(kinds::kLineModem, "PPPLIN01").Get(attr::line_modem::kModemName),
              "2771 INTERNAL MODEM");
    EXPECT_EQ(CountCommands("QSYS/CRTLINPPP"), 0u);
    EXPECT_EQ(CountCommands("QSYS/CHGSMTPA"), 0u);
    EXPECT_TRUE(RoutesOf("WDNDIAL").empty());
    EXPECT_EQ(MessageIds(), std::vector<UINT>{IDS_WDN_TEST_NOW});
}

TEST_F(DialerWizardTest, OwnAccountOnASystemWithoutLinesCreatesTheLineAfterEveryCheckHeld) {
    RemoveUsableLines();
    Visits visits;
    m_driver.When(kWizard)
        .Next()
        .Click(IDC_WDN_ACCESS_NEW_ACCOUNT)
        .Next()
        .Do(ExpectPage(IDD_WDN_ACCOUNT))
        .SetText(IDC_WDN_PROFILE_NAME, "wdn test")
        .Next()  // a blank in the name
        .SetText(IDC_WDN_PROFILE_NAME, "dialisp")
        .Next()  // the demo's own profile, not one of this wizard's
        .SetText(IDC_WDN_PROFILE_NAME, " wdntest ")
        .SetText(IDC_WDN_USER_ID, "acct01")
        .SetText(IDC_WDN_PASSWORD, "pw")
        .Next()
        .Do(ExpectPage(IDD_WDN_NETWORK))
        .Next()  // no service chosen
        .Click(IDC_WDN_NETWORK_FIXEDIP)
        .Next()
        .Do(ExpectPage(IDD_WDN_SERVER))
        .Next()
        .Do(ExpectPage(IDD_WDN_DNS))
        .Click(IDC_WDN_DNS_ON)
        .SetText(IDC_WDN_DNS_ADDRESS, "10.1.2")
        .Next()
        .SetText(IDC_WDN_DNS_ADDRESS, "10.1.2.3")
        .Next()
        .Do(Visit(visits))  // no line to dial on: the port comes next, not the connection
        .Choose(IDC_WDN_RESOURCE_LIST, "CMN09")
        .Next()
        .Do(Visit(visits))
        .SetText(IDC_WDN_LINE_DESCRIPTION, "Bob's modem line")
        .SetText(IDC_WDN_LINE_INACTIVITY, "14")
        .Next()
        .SetText(IDC_WDN_LINE_INACTIVITY, "65536")
        .Next()
        .SetText(IDC_WDN_LINE_INACTIVITY, "*nomax")
        .SetText(IDC_WDN_LINE_SPEED, "9599")
        .Next()
        .SetText(IDC_WDN_LINE_SPEED, "230401")
        .Next()
        .SetText(IDC_WDN_LINE_SPEED, "230400")
        .Next()
        .Do(Visit(visits))
        .SetText(IDC_WDN_MODEM_NAME, "NONE")
        .Next()
        .SetText(IDC_WDN_MODEM_NAME, "2771 internal modem")
        .Next()  // names are matched exactly
        .SetText(IDC_WDN_MODEM_NAME, "2771 INTERNAL MODEM")
        .Next()
        .Do(Visit(visits))
        .SetText(IDC_WDN_PHONE_PRIMARY, "555ABC")
        .SetText(IDC_WDN_PHONE_BACKUP, " 555abc ")
        .Next()
        .SetText(IDC_WDN_PHONE_BACKUP, "   ")
        .Next()
        .SetText(IDC_WDN_PHONE_BACKUP, "5550002")
        .Next()
        .Do(Visit(visits))
        .Finish();
    m_driver.AnswerMessageBoxes({ui::IDOK, ui::IDOK, ui::IDOK, ui::IDOK, ui::IDOK, ui::IDOK,
                                 ui::IDOK, ui::IDOK, ui::IDOK, ui::IDOK, ui::IDOK, ui::IDOK,
                                 ui::IDNO});
    EXPECT_EQ(Play(), ui::ID_WIZFINISH) << Transcript();

    EXPECT_EQ(visits, (Visits{IDD_WDN_RESOURCE, IDD_WDN_NEW_LINE, IDD_WDN_MODEM,
                              IDD_WDN_PHONE_NUMBER, IDD_WDN_SUMMARY}));
    EXPECT_EQ(
        MessageIds(),
        (std::vector<UINT>{
            IDS_WDN_PROFILE_NAME_BLANK, IDS_WDN_PROFILE_NAME_EXISTS, IDS_WDN_NETWORK_REQUIRED,
            IDS_WDN_DNS_ADDRESS_INVALID, IDS_WDN_INACTIVITY_RANGE, IDS_WDN_INACTIVITY_RANGE,
            IDS_WDN_LINE_SPEED_RANGE, IDS_WDN_LINE_SPEED_RANGE, IDS_WDN_MODEM_REQUIRED,
            IDS_WDN_MODEM_NOT_FOUND, IDS_WDN_PHONE_SAME, IDS_WDN_PHONE_LENGTH, IDS_WDN_TEST_NOW}))
        << Transcript();
    const auto boxes = m_driver.GetTranscript().MessageBoxes();
    EXPECT_EQ(boxes[4].text,
              "The inactivity timer is *NOMAX or a number of seconds from 15 to 65535.");
    EXPECT_EQ(boxes[6].text, "The line speed is a number from 9600 to 230400.");
    EXPECT_EQ(boxes[0].style, ui::MB_ICONWARNING);

    EXPECT_EQ(Commands().front(),
              "QSYS/CRTLINPPP LIND(WDNCMN09) RSRCNAME(CMN09) CNN(*SWTPP) INTERFACE(*INTMODEM) "
              "ONLINE(*NO) LINESPEED(230400) MAXFRAME(2048) SWTCNN(*DIAL) DIALCMD(*ATCMD) "
              "INACTTMR(*NOMAX) TEXT('Bob''s modem line') MSGQ(*SYSVAL) AUT(*LIBCRTAUT) "
              "SETMDMASC(END)");
    EXPECT_EQ(Object(kinds::kLine, "WDNCMN09").Get(attr::line::kText), "Bob's modem line");
    EXPECT_EQ(Object(kinds::kLineModem, "WDNCMN09").Get(attr::line_modem::kModemName),
              "2771 INTERNAL MODEM");
    const auto profile = Object(kinds::kProfile, "WDNTEST");
    EXPECT_EQ(profile.Get(prf::kLineName), "WDNCMN09");
    EXPECT_EQ(profile.Get(prf::kDialVariant), "3");
    EXPECT_EQ(profile.Get(prf::kDnsChoice), "1");
    EXPECT_EQ(profile.Get(prf::kDnsServer), "10.1.2.3");
    EXPECT_EQ(profile.Get(prf::kValidationList), "QYSDPTP");
    EXPECT_EQ(profile.Get(prf::kRemoteNumber1), "555ABC");
    // Host routes to the fixed-IP service's two servers, and the route daemon knows the profile.
    std::vector<std::string> routes;
    for (const auto& route : RoutesOf("WDNTEST"))
        routes.push_back(route.Get(attr::route::kDestination) + "/" +
                         route.Get(attr::route::kSubnetMask) + "/" +
                         route.Get(attr::route::kNextHop));
    std::sort(routes.begin(), routes.end());
    EXPECT_EQ(routes, (std::vector<std::string>{"192.0.2.20/255.255.255.255/*DYNAMIC",
                                                "192.0.2.21/255.255.255.255/*DYNAMIC"}));
    EXPECT_TRUE(m_pSystem->GetObject(kinds::kRouteDaemonRecord, "WDNTEST").ok());
    // The account sits in QYSDPTP under the dial-variant tag, and passwords are now kept.
    const auto entries = List(kinds::kValidationListEntry, "QYSDPTP");
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].at(attr::validation_list_entry::kIdentifier),
              "57444E00"
              "57444E54455354");
    EXPECT_EQ(entries[0].at(attr::validation_list_entry::kData1), "ACCT01");
    EXPECT_EQ(Object(kinds::kSystemValue, "QRETSVRSEC").Get(attr::system_value::kValue), "1");
}

TEST_F(DialerWizardTest, MailAccessChangesTheRelayEntryAndSetsTheMailRouterAndSchedule) {
    RemoveUsableLines();
    // The relay already has three names: the wizard's goes after them.
    Put(kinds::kHostTableEntry, "10.9.8.7",
        {{attr::host_table_entry::kAddress, "10.9.8.7"},
         {attr::host_table_entry::kFirstHostName, "RELAY1"},
         {attr::host_table_entry::kFirstHostName + 1, "RELAY2"},
         {attr::host_table_entry::kFirstHostName + 2, "RELAY3"}});
    Visits visits;
    m_driver.When(kWizard)
        .Next()
        .Click(IDC_WDN_ACCESS_MAIL)
        .Next()
        .SetText(IDC_WDN_PROFILE_NAME, "WDNMAIL")
        .SetText(IDC_WDN_USER_ID, "MAILACCT")
        .Next()
        .Do(Visit(visits))
        .SetText(IDC_WDN_SMTP_ADDRESS, "10.9.8")
        .Next()
        .SetText(IDC_WDN_SMTP_ADDRESS, "10.9.8.7")
        .Click(IDC_WDN_SMTP_MORE_ROUTES)
        .Next()
        .Do(Visit(visits))
        .SetText(IDC_WDN_ROUTE_ADDRESS, "abc")
        .Click(IDC_WDN_ROUTE_ADD)
        .SetText(IDC_WDN_ROUTE_ADDRESS, "172.16.5.9")
        .Click(IDC_WDN_ROUTE_ADD)
        .Next()
        .Do(Visit(visits))
        .Click(IDC_WDN_SCHEDULE_ON)
        .Choose(IDC_WDN_SCHEDULE_INTERVAL, 2)  // 30 minutes
        .Next()
        .Do(Visit(visits))
        .Click(IDC_WDN_RESOURCE_EXTERNAL)
        .Choose(IDC_WDN_RESOURCE_LIST, "CMN08")
        .Next()
        .SetText(IDC_WDN_LINE_MSGQ, "qgpl/wdnmsgq")
        .Choose(IDC_WDN_LINE_AUTHORITY, 5)  // an authorization list
        .SetText(IDC_WDN_LINE_AUTL, "NOSUCH")
        .Next()
        .SetText(IDC_WDN_LINE_AUTL, "pppautl")
        .Next()
        .SetText(IDC_WDN_MODEM_NAME, "ACME 56K V.90")
        .Next()
        .SetText(IDC_WDN_PHONE_PRIMARY, "5553000")
        .SetText(IDC_WDN_PHONE_BACKUP, "5553001")
        .Next()
        .Finish();
    m_driver.AnswerMessageBoxes({ui::IDOK, ui::IDOK, ui::IDOK, ui::IDNO});
    EXPECT_EQ(Play(), ui::ID_WIZFINISH) << Transcript();

    EXPECT_EQ(visits, (Visits{IDD_WDN_SMTP_SERVER, IDD_WDN_ROUTING, IDD_WDN_SMTP_SCHEDULER,
                              IDD_WDN_RESOURCE}));
    EXPECT_EQ(MessageIds(),
              (std::vector<UINT>{IDS_WDN_SMTP_ADDRESS_INVALID, IDS_WDN_ROUTE_ADDRESS_INVALID,
                                 IDS_WDN_AUTL_NOT_FOUND, IDS_WDN_TEST_NOW}));
    const auto commands = Commands();
    ASSERT_FALSE(commands.empty());
    EXPECT_EQ(commands.front(),
              "QSYS/CRTLINPPP LIND(WDNCMN08) RSRCNAME(CMN08) CNN(*SWTPP) INTERFACE(*RS232V24) "
              "ONLINE(*NO) LINESPEED(115200) MAXFRAME(2048) SWTCNN(*DIAL) DIALCMD(*ATCMD) "
              "INACTTMR(*NOMAX) TEXT(*BLANK) MSGQ(QGPL/WDNMSGQ) AUT(PPPAUTL)");
    EXPECT_NE(std::find(commands.begin(), commands.end(),
                        "QSYS/CHGTCPHTE INTNETADR('10.9.8.7') HOSTNAME(('RELAY1') ('RELAY2') "
                        "('RELAY3') ('WDNROUTER') )"),
              commands.end())
        << ::testing::PrintToString(commands);
    EXPECT_EQ(CountCommands("QSYS/ADDTCPHTE"), 0u);
    EXPECT_NE(std::find(commands.begin(), commands.end(),
                        "QSYS/CHGSMTPA MAILROUTER('WDNROUTER') FIREWALL(*YES) "
                        "DIALSCD(*YES WDNMAIL 30)"),
              commands.end());
    const auto relay = Object(kinds::kHostTableEntry, "10.9.8.7");
    EXPECT_EQ(relay.Get(attr::host_table_entry::kFirstHostName + 3), "WDNROUTER");
    const auto mail = Object(kinds::kMailAttributes, kinds::kSingletonName);
    EXPECT_EQ(mail.Get(attr::mail::kDialProfile), "WDNMAIL");
    EXPECT_EQ(mail.Get(attr::mail::kDialInterval), "30");
    std::vector<std::string> routes;
    for (const auto& route : RoutesOf("WDNMAIL"))
        routes.push_back(route.Get(attr::route::kDestination) + "/" +
                         route.Get(attr::route::kSubnetMask));
    std::sort(routes.begin(), routes.end());
    EXPECT_EQ(routes,
              (std::vector<std::string>{"10.9.8.0/255.255.255.0", "172.16.5.0/255.255.255.0"}));
    EXPECT_EQ(Object(kinds::kProfile, "WDNMAIL").Get(prf::kDialVariant), "2");
}

// ptpctl plays the wizard from a JSON script that names its controls, as an operator writes it.
TEST_F(DialerWizardTest, AJsonScriptNamingTheControlsPlaysTheWizardThrough) {
    const ui::PlayResult played = ui::PlayScript(R"({
      "dialogs": [ { "dialog": "CPointToPointProfileWDNDialerWizard", "actions": [
        "next", "next", "next",
        { "click": "IDC_WDN_RESOURCE_EXTERNAL" },
        { "choose": "IDC_WDN_RESOURCE_LIST", "text": "CMN04" },
        "next", "next",
        { "setText": "IDC_WDN_MODEM_NAME", "text": "ACME 56K V.90" },
        "next",
        { "setText": "IDC_WDN_PHONE_PRIMARY", "text": "5557000" },
        { "setText": "IDC_WDN_PHONE_BACKUP", "text": "5557001" },
        "next", "finish" ] } ],
      "messageBoxes": [ "no" ] })",
                                                 [] { RunWDNDialerWizard("SYS1", nullptr); });
    ASSERT_TRUE(played.loaded) << played.error;
    EXPECT_TRUE(played.transcript.Refusals().empty()) << played.transcript.ToText();
    EXPECT_EQ(played.transcript.ResultOf(kWizard), ui::ID_WIZFINISH);
    EXPECT_EQ(Object(kinds::kProfile, "WDNDIAL").Get(prf::kLineName), "PPPLIN04");
    EXPECT_EQ(Object(kinds::kLineModem, "PPPLIN04").Get(attr::line_modem::kModemName),
              "ACME 56K V.90");
}

TEST_F(DialerWizardTest, WithoutTheAccountListAnAccountOfItsOwnCannotBeChosen) {
    ASSERT_TRUE(m_pSystem->DeleteObject(kinds::kValidationList, "QYSDPTP").ok());
    bool enabled = true;
    m_driver.When(kWizard)
        .Next()
        .Do([&](ui::CDialog& wizard) {
            auto* page = static_cast<ui::CPropertySheet&>(wizard).GetActivePage();
            enabled = page->Button(IDC_WDN_ACCESS_NEW_ACCOUNT).IsWindowEnabled();
            EXPECT_TRUE(page->IsDlgButtonChecked(IDC_WDN_ACCESS_DIAL));
        })
        .Click(IDC_WDN_ACCESS_NEW_ACCOUNT)
        .Cancel();
    EXPECT_EQ(Play(), ui::IDCANCEL);
    EXPECT_FALSE(enabled);
    EXPECT_EQ(m_driver.GetTranscript().Refusals().size(), 1u) << Transcript();
}

}  // namespace
}  // namespace ptp::wizard
