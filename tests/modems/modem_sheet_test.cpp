#include <gtest/gtest.h>

#include "platform/vocabulary/kinds.h"
#include "tests/modems/modem_test_fixture.h"

namespace ptp::modems {
namespace {

using Kind = ui::TranscriptEntry::Kind;

void AddEntry(ui::ScriptDriver& driver, const std::string& name, const std::string& value) {
    driver.When("CPointToPointModemParmsDialog")
        .SetText(IDC_MODEM_PARM_NAME, name)
        .SetText(IDC_MODEM_PARM_VALUE, value)
        .Ok();
}

TEST_F(ModemTest, NewModemStartsWithDefaultsAndCommitsExactlyItsEntries) {
    std::map<int, std::string> shown;
    m_driver.When("CPointToPointModemPropertySheet")
        .Do([&](ui::CDialog& sheet) {
            ui::CPropertyPage& page = ActivePage(sheet);
            for (int id : {IDC_MODEM_NAME, IDC_MODEM_INIT_COMMAND, IDC_MODEM_RESET_COMMAND,
                           IDC_MODEM_DIAL_COMMAND, IDC_MODEM_ANSWER_COMMAND})
                shown[id] = page.GetDlgItemText(id);
            shown[IDC_MODEM_KIND_ANALOG] =
                std::to_string(page.IsDlgButtonChecked(IDC_MODEM_KIND_ANALOG));
        })
        .SetText(IDC_MODEM_NAME, "  Fast Modem 56K  ")
        .SetText(IDC_MODEM_DIAL_COMMAND, "atdp")
        .SelectPage(1)
        .Click(IDC_MODEM_PARMS_ADD)
        .Click(IDC_MODEM_PARMS_ADD)
        .Ok();
    AddEntry(m_driver, "Speaker off", "ATM0");
    AddEntry(m_driver, "  Error correction ", " AT&Q5 ");

    EXPECT_EQ(Play(""), ui::IDOK) << m_driver.GetTranscript().ToText();

    EXPECT_EQ(shown[IDC_MODEM_NAME], "");
    EXPECT_EQ(shown[IDC_MODEM_INIT_COMMAND], "AT");
    EXPECT_EQ(shown[IDC_MODEM_RESET_COMMAND], "AT");
    EXPECT_EQ(shown[IDC_MODEM_DIAL_COMMAND], "ATDT");
    EXPECT_EQ(shown[IDC_MODEM_ANSWER_COMMAND], "ATS0=2S7=30");
    EXPECT_EQ(shown[IDC_MODEM_KIND_ANALOG], "1");
    auto modem = ServerModem("Fast Modem 56K");
    EXPECT_EQ(modem[1], "0");
    EXPECT_EQ(modem[2], "1");
    EXPECT_EQ(modem[3], "AT");
    EXPECT_EQ(modem[5], "ATDP");
    EXPECT_EQ(modem[6], "ATS0=2S7=30");
    EXPECT_EQ(ServerEntries("Fast Modem 56K"),
              (Entries{{"Speaker off", "ATM0"}, {"Error correction", "AT&Q5"}}));
    EXPECT_TRUE(MessageIds().empty());
}

TEST_F(ModemTest, ApplyCommitsANewModemAndTheSheetGoesOnWithIt) {
    std::vector<bool> applyEnabled;
    auto noteApply = [&](ui::CDialog& sheet) {
        const ui::CWnd* apply = sheet.GetDlgItem(ui::ID_APPLY_NOW);
        applyEnabled.push_back(apply && apply->IsWindowEnabled());
    };
    std::map<int, std::string> applied;
    Entries appliedEntries;
    bool nameReadOnly = false;
    m_driver.When("CPointToPointModemPropertySheet")
        .Do(noteApply)
        .SetText(IDC_MODEM_NAME, "FAST")
        .Do(noteApply)
        .SelectPage(1)
        .Click(IDC_MODEM_PARMS_ADD)
        .Apply()
        .Do(noteApply)
        .Do([&](ui::CDialog&) {
            applied = ServerModem("FAST");
            appliedEntries = ServerEntries("FAST");
        })
        // The applied entry is the server's now: changing it changes that entry.
        .Choose(IDC_MODEM_PARMS_LIST, 0)
        .Click(IDC_MODEM_PARMS_CHANGE)
        .SelectPage(0)
        .Do([&](ui::CDialog& sheet) {
            nameReadOnly = ActivePage(sheet).Edit(IDC_MODEM_NAME).IsReadOnly();
        })
        .SetText(IDC_MODEM_DIAL_COMMAND, "atdp")
        .Ok();
    AddEntry(m_driver, "Speaker off", "ATM0");
    m_driver.When("CPointToPointModemParmsDialog").SetText(IDC_MODEM_PARM_VALUE, "ATM1").Ok();

    EXPECT_EQ(Play(""), ui::IDOK) << m_driver.GetTranscript().ToText();
    EXPECT_EQ(applyEnabled, (std::vector<bool>{false, true, false}));
    EXPECT_EQ(applied[5], "ATDT");
    EXPECT_EQ(appliedEntries, (Entries{{"Speaker off", "ATM0"}}));
    EXPECT_TRUE(nameReadOnly) << "the applied modem keeps its name";
    EXPECT_EQ(ServerModem("FAST")[5], "ATDP");
    EXPECT_EQ(List(kinds::kModem).size(), 1u);
    EXPECT_EQ(ServerEntries("FAST"), (Entries{{"Speaker off", "ATM1"}}));
    EXPECT_TRUE(MessageIds().empty());
    EXPECT_TRUE(m_driver.GetTranscript().Refusals().empty()) << m_driver.GetTranscript().ToText();
}

TEST_F(ModemTest, ApplyThenCancelKeepsWhatWasApplied) {
    AddModem("USR", "1", {{"Reset", "ATZ"}});
    m_driver.When("CPointToPointModemPropertySheet")
        .SetText(IDC_MODEM_ANSWER_COMMAND, "ats0=1s7=60")
        .Apply()
        .SetText(IDC_MODEM_DIAL_COMMAND, "atdt9")
        .SelectPage(1)
        .Choose(IDC_MODEM_PARMS_LIST, 0)
        .Click(IDC_MODEM_PARMS_DELETE)
        .Cancel();
    // The console refreshes its view: the sheet changed the server.
    EXPECT_EQ(Play("USR"), ui::IDOK) << m_driver.GetTranscript().ToText();
    EXPECT_EQ(ServerModem("USR")[6], "ATS0=1S7=60");
    EXPECT_EQ(ServerModem("USR")[5], "ATDP") << "what changed after Apply is dropped";
    EXPECT_EQ(ServerEntries("USR"), (Entries{{"Reset", "ATZ"}}));
}

TEST_F(ModemTest, ChangedAddedAndRemovedEntriesLeaveTheStandInWithExactlyTheListedOnes) {
    AddModem("USR", "1", {{"Reset", "ATZ"}, {"Speaker", "ATM1"}, {"Echo", "ATE0"}});
    AddModem("OTHER", "1", {{"Reset", "ATZ"}});
    Entries listed;
    m_driver.When("CPointToPointModemPropertySheet")
        .SelectPage(1)
        .Choose(IDC_MODEM_PARMS_LIST, 1)
        .Click(IDC_MODEM_PARMS_CHANGE)
        .Choose(IDC_MODEM_PARMS_LIST, 0)
        .Click(IDC_MODEM_PARMS_DELETE)
        .Click(IDC_MODEM_PARMS_ADD)
        .Do([&](ui::CDialog& sheet) { listed = PageEntries(sheet); })
        .Ok();
    m_driver.When("CPointToPointModemParmsDialog").SetText(IDC_MODEM_PARM_VALUE, "ATM2").Ok();
    AddEntry(m_driver, "Dial tone", "ATX4");

    EXPECT_EQ(Play("USR"), ui::IDOK) << m_driver.GetTranscript().ToText();

    EXPECT_EQ(listed, (Entries{{"Speaker", "ATM2"}, {"Echo", "ATE0"}, {"Dial tone", "ATX4"}}));
    EXPECT_EQ(ServerEntries("USR"), listed);
    EXPECT_EQ(ServerEntries("OTHER"), (Entries{{"Reset", "ATZ"}}));
}

TEST_F(ModemTest, NamesAndCommandTextsAreCheckedBeforeAnythingReachesTheStandIn) {
    AddModem("MODEM1", "1", {});
    // A name taken by another modem (in any case) keeps the user on the name.
    m_driver.When("CPointToPointModemPropertySheet")
        .SetText(IDC_MODEM_NAME, "modem1")
        .SelectPage(1)
        .Ok();
    EXPECT_EQ(Play(""), ui::IDCANCEL);
    auto stayed = m_driver.GetTranscript().StayedOpen("CPointToPointModemPropertySheet");
    ASSERT_TRUE(stayed.has_value());
    EXPECT_EQ(stayed->page, 0);
    EXPECT_EQ(stayed->focus, IDC_MODEM_NAME);
    EXPECT_EQ(MessageIds(), (std::vector<UINT>{IDS_MODEM_NAME_EXISTS, IDS_MODEM_NAME_EXISTS}));
    EXPECT_EQ(m_driver.GetTranscript().MessageBoxes()[0].style, kModemMessageStyle);
    EXPECT_EQ(List(kinds::kModem).size(), 1u);

    // No name at all, and an emptied reset string.
    m_driver = ui::ScriptDriver();
    m_driver.When("CPointToPointModemPropertySheet")
        .Ok()
        .SetText(IDC_MODEM_NAME, "MODEM2")
        .SetText(IDC_MODEM_RESET_COMMAND, "   ")
        .Ok();
    EXPECT_EQ(Play(""), ui::IDCANCEL);
    EXPECT_EQ(MessageIds(), (std::vector<UINT>{IDS_MODEM_NAME_REQUIRED, IDS_MODEM_RESET_REQUIRED}));
    stayed = m_driver.GetTranscript().StayedOpen("CPointToPointModemPropertySheet");
    ASSERT_TRUE(stayed.has_value());
    EXPECT_EQ(stayed->focus, IDC_MODEM_RESET_COMMAND);
    EXPECT_EQ(List(kinds::kModem).size(), 1u);
}

TEST_F(ModemTest, IsdnKindShowsTheIsdnParameterPageAndKeepsTheEntries) {
    AddModem("TA1", "2", {{"B channel", "AT&B1"}});
    std::string shownPage;
    m_driver.When("CPointToPointModemPropertySheet")
        .Do([&](ui::CDialog& sheet) {
            shownPage = static_cast<ui::CPropertySheet&>(sheet).GetPage(1)->GetClassName();
        })
        .Cancel();
    EXPECT_EQ(Play("TA1"), ui::IDCANCEL);
    EXPECT_EQ(shownPage, "CPointToPointModemISDNParmsPage");

    // A new modem switched to ISDN after an entry was added keeps the entry on the ISDN page.
    m_driver = ui::ScriptDriver();
    Entries onIsdnPage;
    std::string afterSwitch;
    m_driver.When("CPointToPointModemPropertySheet")
        .SetText(IDC_MODEM_NAME, "TA2")
        .SelectPage(1)
        .Click(IDC_MODEM_PARMS_ADD)
        .SelectPage(0)
        .Click(IDC_MODEM_KIND_ISDN)
        .SelectPage(1)
        .Do([&](ui::CDialog& sheet) {
            afterSwitch = ActivePage(sheet).GetClassName();
            onIsdnPage = PageEntries(sheet);
        })
        .Ok();
    AddEntry(m_driver, "Protocol", "AT&P2");
    EXPECT_EQ(Play(""), ui::IDOK) << m_driver.GetTranscript().ToText();
    EXPECT_EQ(afterSwitch, "CPointToPointModemISDNParmsPage");
    EXPECT_EQ(onIsdnPage, (Entries{{"Protocol", "AT&P2"}}));
    EXPECT_EQ(ServerModem("TA2")[2], "2");
    EXPECT_EQ(ServerEntries("TA2"), onIsdnPage);
}

TEST_F(ModemTest, AddIsDisabledAtTwentyFourEntriesUntilOneIsRemoved) {
    Entries entries;
    for (int i = 1; i <= 23; ++i)
        entries.emplace_back("Cmd" + std::to_string(i), "ATS" + std::to_string(i));
    AddModem("FULL", "1", entries);
    bool addAt23 = false, addAt24 = true, addAfterDelete = false;
    m_driver.When("CPointToPointModemPropertySheet")
        .SelectPage(1)
        .Do([&](ui::CDialog& sheet) {
            addAt23 = ActivePage(sheet).GetDlgItem(IDC_MODEM_PARMS_ADD)->IsWindowEnabled();
        })
        .Click(IDC_MODEM_PARMS_ADD)
        .Do([&](ui::CDialog& sheet) {
            addAt24 = ActivePage(sheet).GetDlgItem(IDC_MODEM_PARMS_ADD)->IsWindowEnabled();
        })
        .Click(IDC_MODEM_PARMS_ADD)
        .Choose(IDC_MODEM_PARMS_LIST, 0)
        .Click(IDC_MODEM_PARMS_DELETE)
        .Do([&](ui::CDialog& sheet) {
            addAfterDelete = ActivePage(sheet).GetDlgItem(IDC_MODEM_PARMS_ADD)->IsWindowEnabled();
        })
        .Ok();
    AddEntry(m_driver, "Cmd24", "ATS24");

    EXPECT_EQ(Play("FULL"), ui::IDOK) << m_driver.GetTranscript().ToText();
    EXPECT_TRUE(addAt23);
    EXPECT_FALSE(addAt24);
    EXPECT_TRUE(addAfterDelete);
    // The click on the greyed Add was refused: only one entry dialog opened.
    EXPECT_EQ(m_driver.GetTranscript().Refusals().size(), 1u);
    Entries expected(entries.begin() + 1, entries.end());
    expected.emplace_back("Cmd24", "ATS24");
    EXPECT_EQ(ServerEntries("FULL"), expected);
}

TEST_F(ModemTest, CopyTakesTheModelsSettingsAndEntriesWithoutChangingTheModel) {
    AddModem("MODEL", "2", {{"First", "AT1"}, {"Second", "AT2"}});
    host::IServerObject* model = ModemRecord("MODEL");
    ASSERT_NE(model, nullptr);
    std::map<int, std::string> shown;
    m_driver.When("CPointToPointModemPropertySheet")
        .Do([&](ui::CDialog& sheet) {
            ui::CPropertyPage& page = ActivePage(sheet);
            for (int id : {IDC_MODEM_NAME, IDC_MODEM_INIT_COMMAND, IDC_MODEM_DIAL_COMMAND})
                shown[id] = page.GetDlgItemText(id);
            shown[IDC_MODEM_KIND_ISDN] =
                std::to_string(page.IsDlgButtonChecked(IDC_MODEM_KIND_ISDN));
        })
        .SetText(IDC_MODEM_NAME, "COPY")
        .Ok();

    // The parameter page was never shown: the copied entries are written all the same.
    EXPECT_EQ(Play("", model), ui::IDOK) << m_driver.GetTranscript().ToText();
    EXPECT_EQ(shown[IDC_MODEM_NAME], "");
    EXPECT_EQ(shown[IDC_MODEM_INIT_COMMAND], "AT&F");
    EXPECT_EQ(shown[IDC_MODEM_DIAL_COMMAND], "ATDP");
    EXPECT_EQ(shown[IDC_MODEM_KIND_ISDN], "1");
    auto copy = ServerModem("COPY");
    EXPECT_EQ(copy[2], "2");
    EXPECT_EQ(copy[4], "ATZ");
    EXPECT_EQ(copy[6], "ATS0=1");
    EXPECT_EQ(ServerEntries("COPY"), (Entries{{"First", "AT1"}, {"Second", "AT2"}}));
    EXPECT_EQ(ServerEntries("MODEL"), (Entries{{"First", "AT1"}, {"Second", "AT2"}}));
}

TEST_F(ModemTest, SystemModemShowsReadOnlyCommandsAndCannotBeDeleted) {
    AddModem("SYSMODEM 78", "1", {{"Init", "AT&F"}}, true);
    bool readOnly = false;
    m_driver.When("CPointToPointModemPropertySheet")
        .Do([&](ui::CDialog& sheet) {
            readOnly = ActivePage(sheet).Edit(IDC_MODEM_INIT_COMMAND).IsReadOnly() &&
                       ActivePage(sheet).Edit(IDC_MODEM_ANSWER_COMMAND).IsReadOnly();
        })
        .Ok();
    EXPECT_EQ(Play("SYSMODEM 78"), ui::IDOK);
    EXPECT_TRUE(readOnly);
    EXPECT_EQ(ServerModem("SYSMODEM 78")[3], "AT&F");

    {
        ui::ScriptDriver driver;
        ui::ScopedDriver scoped(driver);
        EXPECT_FALSE(DeleteModem("SYS1", "SYSMODEM 78", nullptr));
        ASSERT_EQ(driver.GetTranscript().MessageBoxes().size(), 1u);
        EXPECT_NE(driver.GetTranscript().MessageBoxes()[0].text.find("CPF2189"), std::string::npos);
    }
    EXPECT_FALSE(ServerModem("SYSMODEM 78").empty());
    EXPECT_EQ(ServerEntries("SYSMODEM 78").size(), 1u);

    AddModem("MINE", "1", {{"Init", "AT&F"}, {"Reset", "ATZ"}});
    EXPECT_TRUE(DeleteModem("SYS1", "MINE", nullptr));
    EXPECT_TRUE(ServerModem("MINE").empty());
    EXPECT_TRUE(ServerEntries("MINE").empty());
}

}  // namespace
}  // namespace ptp::modems
