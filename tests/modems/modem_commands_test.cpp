#include <gtest/gtest.h>

#include "platform/vocabulary/kinds.h"
#include "tests/modems/modem_test_fixture.h"

namespace ptp::modems {
namespace {

TEST_F(ModemTest, EntryDialogRequiresNameAndValue) {
    AddModem("USR", "1", {});
    m_driver.When("CPointToPointModemPropertySheet").SelectPage(1).Click(IDC_MODEM_PARMS_ADD).Ok();
    m_driver.When("CPointToPointModemParmsDialog")
        .SetText(IDC_MODEM_PARM_VALUE, "ATM0")
        .Ok()
        .SetText(IDC_MODEM_PARM_NAME, "Speaker")
        .SetText(IDC_MODEM_PARM_VALUE, "  ")
        .Ok()
        .Cancel();
    EXPECT_EQ(Play("USR"), ui::IDOK);
    EXPECT_EQ(MessageIds(),
              (std::vector<UINT>{IDS_MODEM_PARM_NAME_REQUIRED, IDS_MODEM_PARM_VALUE_REQUIRED}));
    EXPECT_TRUE(ServerEntries("USR").empty());
}

TEST_F(ModemTest, ServerRefusalOfAnEntryIsShownAndTheSheetStaysOpen) {
    AddModem("USR", "1", {{"Reset", "ATZ"}});
    host::FaultInjectingHost& faults = InjectFaults();
    host::Fault fault;
    fault.operation = host::HostOperation::Commit;
    fault.kind = std::string(kinds::kModemCommand);
    fault.messageId = "CPF2204";
    fault.text = "The modem command could not be written.";
    faults.AddFault(fault);
    m_driver.When("CPointToPointModemPropertySheet").SelectPage(1).Click(IDC_MODEM_PARMS_ADD).Ok();
    m_driver.When("CPointToPointModemParmsDialog")
        .SetText(IDC_MODEM_PARM_NAME, "Speaker")
        .SetText(IDC_MODEM_PARM_VALUE, "ATM0")
        .Ok();
    EXPECT_EQ(Play("USR"), ui::IDCANCEL);
    ASSERT_EQ(m_driver.GetTranscript().MessageBoxes().size(), 1u);
    EXPECT_NE(m_driver.GetTranscript().MessageBoxes()[0].text.find("could not be written"),
              std::string::npos);
    EXPECT_TRUE(m_driver.GetTranscript().StayedOpen("CPointToPointModemPropertySheet"));
    EXPECT_EQ(ServerEntries("USR"), (Entries{{"Reset", "ATZ"}}));
}

TEST_F(ModemTest, ServerRefusalOfTheModemEndsTheSheetBeforeAnyEntryIsWritten) {
    AddModem("USR", "1", {{"Reset", "ATZ"}});
    host::Fault fault;
    fault.operation = host::HostOperation::Commit;
    fault.kind = std::string(kinds::kModem);
    fault.messageId = "CPF2605";
    fault.text = "The modem is in use by line PPPLIN01.";
    InjectFaults().AddFault(fault);
    m_driver.When("CPointToPointModemPropertySheet")
        .SetText(IDC_MODEM_DIAL_COMMAND, "ATDT")
        .SelectPage(1)
        .Click(IDC_MODEM_PARMS_ADD)
        .Ok();
    m_driver.When("CPointToPointModemParmsDialog")
        .SetText(IDC_MODEM_PARM_NAME, "Speaker")
        .SetText(IDC_MODEM_PARM_VALUE, "ATM0")
        .Ok();
    EXPECT_EQ(Play("USR"), ui::IDCANCEL);
    const auto boxes = m_driver.GetTranscript().MessageBoxes();
    ASSERT_EQ(boxes.size(), 1u) << m_driver.GetTranscript().ToText();
    EXPECT_NE(boxes[0].text.find("in use by line PPPLIN01"), std::string::npos);
    EXPECT_FALSE(m_driver.GetTranscript().StayedOpen("CPointToPointModemPropertySheet"))
        << "a refused modem ends the sheet";
    EXPECT_EQ(ServerModem("USR")[5], "ATDP");
    EXPECT_EQ(ServerEntries("USR"), (Entries{{"Reset", "ATZ"}}));
}

TEST_F(ModemTest, MissingCommandsListEndsTheSheetWithTheInternalErrorMessage) {
    AddModem("USR", "1", {{"Reset", "ATZ"}});
    host::Fault fault;
    fault.operation = host::HostOperation::ListOpen;
    fault.kind = std::string(kinds::kModemCommand);
    InjectFaults().AddFault(fault);
    m_driver.When("CPointToPointModemPropertySheet").SelectPage(1).Ok();
    EXPECT_EQ(Play("USR"), ui::IDCANCEL);
    const auto boxes = m_driver.GetTranscript().MessageBoxes();
    ASSERT_EQ(boxes.size(), 2u) << m_driver.GetTranscript().ToText();
    EXPECT_EQ(boxes[1].resourceId, IDS_MODEM_INTERNAL_ERROR);
    EXPECT_EQ(boxes[1].style, 0x1030u);
    EXPECT_EQ(ServerEntries("USR"), (Entries{{"Reset", "ATZ"}}));
}

}  // namespace
}  // namespace ptp::modems

namespace ptp::modems {
namespace {

TEST_F(ModemTest, HelpShowsTheTopicOfThePageOnTop) {
    AddModem("TA1", "2", {});
    m_driver.When("CPointToPointModemPropertySheet").Help().SelectPage(1).Help().Cancel();
    EXPECT_EQ(Play("TA1"), ui::IDCANCEL);
    const auto help = m_driver.GetTranscript().Of(ui::TranscriptEntry::Kind::Help);
    ASSERT_EQ(help.size(), 2u);
    EXPECT_EQ(help[0].topic, IDD_MODEM_GENERAL + 0x20000u);
    EXPECT_EQ(help[1].topic, IDD_MODEM_ISDN_PARMS + 0x20000u);
    EXPECT_TRUE(help[0].found && help[1].found);
}

}  // namespace
}  // namespace ptp::modems
