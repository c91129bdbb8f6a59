#include <gtest/gtest.h>

#include "tests/lines/line_sheet_fixture.h"

namespace ptp::lines {
namespace {

constexpr int kGeneral = 0;
constexpr int kConnection = 1;
constexpr int kLink = 2;
constexpr int kLCP = 3;
constexpr int kModem = 4;
constexpr int kSecurity = 5;

const CLineProfileKind kSwitchedAnswer{code::line_service::kSwitched, code::mode::kAnswer};
const CLineProfileKind kLeasedDial{code::line_service::kNonswitched, code::mode::kDial};

using NewLineTest = LineSheetTest;

TEST_F(NewLineTest, AnAsynchronousDialLineIsCreatedWithItsFragmentsInOrderAndGetsItsModem) {
    std::string caption;
    bool hasApply = true;
    m_driver.When(kLineSheet)
        .Do([&](ui::CDialog& sheet) {
            caption = sheet.GetWindowText();
            hasApply = sheet.GetDlgItem(ui::ID_APPLY_NOW) != nullptr;
        })
        .SetText(IDC_LINE_NAME, "pppnew")
        .SetText(IDC_LINE_DESCRIPTION, "  Bob's line  ")
        .Choose(IDC_LINE_RESOURCE, "CMN08")
        .SelectPage(kConnection)
        .Check(IDC_LINE_MODEM_ASYNC)
        .SetText(IDC_LINE_MODEM_ASYNC_COMMAND, "at&f1")
        .Ok();
    bool created = false;
    EXPECT_EQ(Play({}, &created), ui::IDOK) << Transcript();

    EXPECT_TRUE(created);
    EXPECT_EQ(caption, "New PPP Line on SYS1");
    EXPECT_FALSE(hasApply) << "the line is created once, by OK";
    EXPECT_EQ(m_driver.GetTranscript().entries[0].pages,
              (std::vector<std::string>{
                  "CPointToPointProfileLineGeneralPage", "CPointToPointProfileLineConnectionPage",
                  "CPointToPointProfileLineLinkPage", "CPointToPointProfileLineLCPPage",
                  "CPointToPointProfileLineModemPage", "CPointToPointProfileLineSecurityPage",
                  "CPointToPointProfileLineParmsPage"}));
    EXPECT_EQ(Commands(),
              (std::vector<std::string>{
                  "QSYS/CRTLINPPP LIND(PPPNEW) RSRCNAME(CMN08) INTERFACE(*RS232V24) "
                  "FRAMING(*ASYNC) CNN(*SWTPP) ONLINE(*NO) LINESPEED(115200) MAXFRAME(2048) "
                  "CTSTMR(25) TEXT('Bob''s line') LCPAUT(*NONE 5) LCPCFG(3.0 5 10 2) "
                  "CMNRCYLMT(2 5) AUT(*LIBCRTAUT) SETMDMASC('AT&F1') SWTCNN(*DIAL) "
                  "DIALCMD(*ATCMD) FLOWCNTL(*HARDWARE) INACTTMR(*NOMAX) MSGQ(*SYSVAL)"}));
    const server::ObjectRecord line = Line("PPPNEW");
    EXPECT_EQ(line.Get(attr::line::kText), "Bob's line");
    EXPECT_EQ(line.Get(attr::line::kModemAsyncCommand), "AT&F1");
    EXPECT_EQ(ModemOf("PPPNEW"), "$generic hayes");
    EXPECT_EQ(m_pSystem->GetObject(kinds::kLineModem, "PPPNEW")->Get(attr::line_modem::kNumber),
              "1");
    EXPECT_TRUE(MessageIds().empty()) << Transcript();
}

TEST_F(NewLineTest, AnInternalModemPortProposesItsModemAndAnEmptyDescriptionIsBlank) {
    std::string interface;
    bool interfaceEnabled = true;
    std::string modem;
    m_driver.When(kLineSheet)
        .SetText(IDC_LINE_DESCRIPTION, "   ")
        .Choose(IDC_LINE_RESOURCE, "CMN09")
        .Do([&](ui::CDialog& sheet) {
            ui::CPropertyPage& page = ActivePage(sheet);
            interface = page.ComboBox(IDC_LINE_INTERFACE).GetWindowText();
            interfaceEnabled = page.ComboBox(IDC_LINE_INTERFACE).IsWindowEnabled();
        })
        .SelectPage(kModem)
        .Do([&](ui::CDialog& sheet) {
            modem = ActivePage(sheet).ComboBox(IDC_LINE_MODEM_NAME).GetWindowText();
        })
        .Ok();
    LineSheetOpening opening;
    opening.strProposedLine = "intline";
    opening.profile = kSwitchedAnswer;
    opening.bRelease050200 = false;
    EXPECT_EQ(Play(opening), ui::IDOK) << Transcript();

    EXPECT_EQ(interface, Text(IDS_LINE_INTERFACE_INTMODEM));
    EXPECT_FALSE(interfaceEnabled);
    EXPECT_EQ(modem, "2771 INTERNAL MODEM");
    const std::vector<std::string> commands = Commands();
    ASSERT_EQ(commands.size(), 1u);
    const std::string& command = commands[0];
    EXPECT_NE(command.find("LIND(INTLINE) RSRCNAME(CMN09) INTERFACE(*INTMODEM) FRAMING(*ASYNC)"),
              std::string::npos)
        << command;
    EXPECT_NE(command.find(" TEXT(*BLANK) "), std::string::npos) << command;
    // Answering profiles dial with AT commands too; without the release nothing is chosen: both.
    EXPECT_NE(command.find(" SETMDMASC('*NONE') SWTCNN(*BOTH) DIALCMD(*ATCMD)"), std::string::npos)
        << command;
    EXPECT_EQ(ModemOf("INTLINE"), "2771 INTERNAL MODEM");
    EXPECT_EQ(m_pSystem->GetObject(kinds::kLineModem, "INTLINE")->Has(attr::line_modem::kNumber),
              false)
        << "the number is written from release 050200 only";
}

TEST_F(NewLineTest, ALeasedSynchronousLineEndsWithClockNrziAndMessageQueue) {
    bool recoverySystemValueEnabled = false;
    m_driver.When(kLineSheet)
        .SetText(IDC_LINE_NAME, "LEASED35")
        .Choose(IDC_LINE_RESOURCE, "CMN05")
        .Choose(IDC_LINE_FRAMING, Text(IDS_LINE_FRAMING_SYNC))
        .SelectPage(kLink)
        .Choose(IDC_LINE_SPEED, "64000")
        .Check(IDC_LINE_NRZI)
        .Choose(IDC_LINE_CLOCK, Text(IDS_LINE_CLOCK_LOOP))
        .SetText(IDC_LINE_MSGQ, "qsysopr")
        .SetText(IDC_LINE_MSGQ_LIBRARY, "qgpl")
        .SelectPage(kLCP)
        .Do([&](ui::CDialog& sheet) {
            recoverySystemValueEnabled =
                ActivePage(sheet).Button(IDC_LINE_RECOVERY_SYSVAL).IsWindowEnabled();
        })
        .Check(IDC_LINE_RECOVERY_SYSVAL)
        .SelectPage(kSecurity)
        .Click(IDC_LINE_AUT_USE)
        .Ok();
    LineSheetOpening opening;
    opening.profile = kLeasedDial;
    EXPECT_EQ(Play(opening), ui::IDOK) << Transcript();

    EXPECT_TRUE(recoverySystemValueEnabled);
    EXPECT_EQ(Commands(),
              (std::vector<std::string>{
                  "QSYS/CRTLINPPP LIND(LEASED35) RSRCNAME(CMN05) INTERFACE(*V35) FRAMING(*SYNC) "
                  "CNN(*NONSWTPP) ONLINE(*NO) LINESPEED(64000) MAXFRAME(2048) CTSTMR(25) "
                  "TEXT(*BLANK) LCPAUT(*NONE 5) LCPCFG(3.0 5 10 2) CMNRCYLMT(*SYSVAL ) AUT(*USE) "
                  "CLOCK(*LOOP) NRZI(*YES) MSGQ(QGPL/QSYSOPR)"}));
    const server::ObjectRecord line = Line("LEASED35");
    EXPECT_EQ(line.Get(attr::line::kRecoveryCount), "*SYSVAL");
    EXPECT_EQ(line.Get(attr::line::kMessageQueueLibrary), "QGPL");
    EXPECT_EQ(ModemOf("LEASED35"), "NONE") << "a leased line is associated with no modem";
}

TEST_F(NewLineTest, WithoutCapabilityAThereIsNoMessageQueueAndRecoveryKeepsItsNumbers) {
    bool recoverySystemValueEnabled = true;
    m_driver.When(kLineSheet)
        .SetText(IDC_LINE_NAME, "X21LINE")
        .Choose(IDC_LINE_RESOURCE, "CMN07")
        .Choose(IDC_LINE_INTERFACE, Text(IDS_LINE_INTERFACE_X21))
        .Choose(IDC_LINE_FRAMING, Text(IDS_LINE_FRAMING_SYNC))
        .SelectPage(kConnection)
        .SetText(IDC_LINE_REMOTE_ANSWER_TIMER, "90")
        .SelectPage(kLink)
        .SetText(IDC_LINE_MSGQ, "")
        .SelectPage(kLCP)
        .Do([&](ui::CDialog& sheet) {
            recoverySystemValueEnabled =
                ActivePage(sheet).Button(IDC_LINE_RECOVERY_SYSVAL).IsWindowEnabled();
        })
        .SetText(IDC_LINE_RETRY_TIMER, "2.5")
        .Check(IDC_LINE_REAUTHENTICATE)
        .SetText(IDC_LINE_REAUTH_INTERVAL, "30")
        .Ok();
    LineSheetOpening opening;
    opening.profile = kSwitchedAnswer;
    opening.bCapabilityA = false;
    opening.bRelease050200 = false;
    EXPECT_EQ(Play(opening), ui::IDOK) << Transcript();

    EXPECT_FALSE(recoverySystemValueEnabled);
    // A synchronous answering line dials by V.25bis: the answer timer comes before SWTCNN.
    EXPECT_EQ(Commands(),
              (std::vector<std::string>{
                  "QSYS/CRTLINPPP LIND(X21LINE) RSRCNAME(CMN07) INTERFACE(*X21) FRAMING(*SYNC) "
                  "CNN(*SWTPP) ONLINE(*NO) LINESPEED(115200) MAXFRAME(2048) CTSTMR(25) "
                  "TEXT(*BLANK) LCPAUT(30 5) LCPCFG(2.5 5 10 2) CMNRCYLMT(2 5) AUT(*LIBCRTAUT) "
                  "CLOCK(*MODEM) RMTANSTMR(90) SWTCNN(*BOTH) DIALCMD(*V25BIS) INACTTMR(*NOMAX) "
                  "NRZI(*NO)"}));
    EXPECT_EQ(ModemOf("X21LINE"), "CCITT V.25BIS");
    EXPECT_TRUE(MessageIds().empty()) << Transcript();
}

// The modem-asynchronous command goes with AT commands on a line that dials; CapabilityB allows it
// on an answering line too.
TEST_F(NewLineTest, TheConnectionPageOffersWhatTheDialCommandAllows) {
    std::vector<bool> modemAsyncEnabled;
    std::string dialCommand;
    std::string inactivityAfterRefusal;
    auto noteModemAsync = [&](ui::CDialog& sheet) {
        modemAsyncEnabled.push_back(
            ActivePage(sheet).Button(IDC_LINE_MODEM_ASYNC).IsWindowEnabled());
    };
    m_driver.When(kLineSheet)
        .SetText(IDC_LINE_NAME, "ANSLINE")
        .Choose(IDC_LINE_RESOURCE, "CMN08")
        .SelectPage(kConnection)
        .Do([&](ui::CDialog& sheet) {
            dialCommand = ActivePage(sheet).ComboBox(IDC_LINE_DIAL_COMMAND).GetWindowText();
        })
        .Do(noteModemAsync)
        .Click(IDC_LINE_SWTCNN_BOTH)
        .Do(noteModemAsync)
        .Click(IDC_LINE_SWTCNN_ANSWER)
        .Check(IDC_LINE_INACTIVITY)
        .SetText(IDC_LINE_INACTIVITY_TIMER, "9")
        .Ok()
        .Do([&](ui::CDialog& sheet) {
            inactivityAfterRefusal = ActivePage(sheet).GetDlgItemText(IDC_LINE_INACTIVITY_TIMER);
        })
        .Ok();
    m_driver.When(kLineSheet).SelectPage(kConnection).Do(noteModemAsync).Cancel();
    LineSheetOpening opening;
    opening.profile = kSwitchedAnswer;
    EXPECT_EQ(Play(opening), ui::IDOK) << Transcript();
    opening.bCapabilityB = true;
    EXPECT_EQ(Play(opening), ui::IDCANCEL) << Transcript();

    EXPECT_EQ(dialCommand, Text(IDS_LINE_DIAL_AT_COMMANDS));
    EXPECT_EQ(modemAsyncEnabled, (std::vector<bool>{false, true, true}));
    EXPECT_EQ(MessageIds(), (std::vector<UINT>{IDS_LINE_VALUE_RANGE})) << Transcript();
    EXPECT_EQ(inactivityAfterRefusal, "15");
    const std::vector<std::string> commands = Commands();
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_NE(commands[0].find(" SWTCNN(*ANS) DIALCMD(*ATCMD) FLOWCNTL(*HARDWARE) INACTTMR(15)"),
              std::string::npos)
        << commands[0];
    EXPECT_EQ(commands[0].find("SETMDMASC"), std::string::npos)
        << "an answering line sends no modem command";
}

TEST_F(NewLineTest, WhatTheSheetRefusesNeverReachesTheStandIn) {
    m_driver.When(kLineSheet)
        .SetText(IDC_LINE_NAME, "my line")
        .Ok()
        .SetText(IDC_LINE_NAME, "ppplin01")
        .Ok()
        .SetText(IDC_LINE_NAME, "SYNCAT")
        .Ok()
        .Choose(IDC_LINE_RESOURCE, "CMN06")
        .Choose(IDC_LINE_FRAMING, Text(IDS_LINE_FRAMING_SYNC))
        .SelectPage(kConnection)
        .Choose(IDC_LINE_DIAL_COMMAND, Text(IDS_LINE_DIAL_AT_COMMANDS))
        .SelectPage(kGeneral)
        .Ok()
        .Choose(IDC_LINE_DIAL_COMMAND, Text(IDS_LINE_DIAL_NONE))
        .SelectPage(kLink)
        .SetText(IDC_LINE_MSGQ, "")
        .Ok()
        .SetText(IDC_LINE_MSGQ, "MYQUEUE")
        .Ok()
        .SetText(IDC_LINE_MSGQ_LIBRARY, "qgpl")
        .SelectPage(kLCP)
        .SetText(IDC_LINE_RETRY_TIMER, "3.05")
        .Ok();
    bool created = true;
    EXPECT_EQ(Play({}, &created), ui::IDCANCEL);

    EXPECT_FALSE(created);
    EXPECT_EQ(
        MessageIds(),
        (std::vector<UINT>{IDS_LINE_NAME_BLANK, IDS_LINE_NAME_EXISTS, IDS_LINE_RESOURCE_REQUIRED,
                           IDS_LINE_SYNC_AT_COMMANDS, IDS_LINE_MSGQ_REQUIRED,
                           IDS_LINE_MSGQ_LIBRARY_REQUIRED, IDS_LINE_RETRY_TIMER_RANGE}))
        << Transcript();
    for (const auto& box : m_driver.GetTranscript().MessageBoxes())
        EXPECT_EQ(box.style, kLineMessageStyle);
    EXPECT_EQ(m_driver.GetTranscript().MessageBoxes()[1].text,
              res::FormatText(Text(IDS_LINE_NAME_EXISTS), {"PPPLIN01"}));
    const auto stayed = m_driver.GetTranscript().StayedOpen(kLineSheet);
    ASSERT_TRUE(stayed.has_value());
    EXPECT_EQ(stayed->pageTemplate, static_cast<std::uint32_t>(IDD_LINE_LCP));
    EXPECT_EQ(stayed->focusName, "IDC_LINE_RETRY_TIMER");
    EXPECT_TRUE(Commands().empty());
    EXPECT_FALSE(m_pSystem->GetObject(kinds::kLine, "SYNCAT").ok());
}

TEST_F(NewLineTest, AServerRefusalIsShownAsItCameAndTheUserCanCorrectIt) {
    m_driver.When(kLineSheet)
        .SetText(IDC_LINE_NAME, "AUTLINE")
        .Choose(IDC_LINE_RESOURCE, "CMN08")
        .SelectPage(kSecurity)
        .Click(IDC_LINE_AUT_LIST)
        .SetText(IDC_LINE_AUT_LIST_NAME, "nolist")
        .Ok()
        .SetText(IDC_LINE_AUT_LIST_NAME, "pppautl")
        .Ok();
    bool created = false;
    EXPECT_EQ(Play({}, &created), ui::IDOK) << Transcript();

    EXPECT_TRUE(created);
    const auto boxes = m_driver.GetTranscript().MessageBoxes();
    ASSERT_EQ(boxes.size(), 1u) << Transcript();
    EXPECT_EQ(boxes[0].resourceId, 0u);
    EXPECT_EQ(boxes[0].text, "CPF2105: Object NOLIST of type *AUTL not found.");
    EXPECT_EQ(boxes[0].style, kLineMessageStyle);
    const auto commands = Commands();
    ASSERT_EQ(commands.size(), 2u);
    EXPECT_NE(commands[0].find(" AUT(NOLIST)"), std::string::npos);
    EXPECT_NE(commands[1].find(" AUT(PPPAUTL)"), std::string::npos);
    EXPECT_EQ(ModemOf("AUTLINE"), "$generic hayes");
}

}  // namespace
}  // namespace ptp::lines
