#include <gtest/gtest.h>

#include "tests/lines/line_sheet_fixture.h"

namespace ptp::lines {
namespace {

constexpr int kConnection = 1;
constexpr int kLCP = 3;
constexpr int kModem = 4;

using LinePropertiesTest = LineSheetTest;

TEST_F(LinePropertiesTest, ChangesGoThroughTheLineObjectAndTheModemStays) {
    std::string caption;
    std::map<int, std::string> shown;
    bool nameReadOnly = false;
    std::string modem;
    std::string number;
    Put(kinds::kLineModem, "PPPLIN04", {{attr::line_modem::kNumber, "7"}});
    m_driver.When(kLineSheet)
        .Do([&](ui::CDialog& sheet) {
            caption = sheet.GetWindowText();
            ui::CPropertyPage& page = ActivePage(sheet);
            shown[IDC_LINE_NAME] = page.GetDlgItemText(IDC_LINE_NAME);
            shown[IDC_LINE_DESCRIPTION] = page.GetDlgItemText(IDC_LINE_DESCRIPTION);
            shown[IDC_LINE_RESOURCE] = page.ComboBox(IDC_LINE_RESOURCE).GetWindowText();
            nameReadOnly = page.Edit(IDC_LINE_NAME).IsReadOnly();
        })
        .SetText(IDC_LINE_DESCRIPTION, "Desk modem, Bob's")
        .Check(IDC_LINE_ONLINE, ui::BST_UNCHECKED)
        .SelectPage(kConnection)
        .Check(IDC_LINE_INACTIVITY)
        .SetText(IDC_LINE_INACTIVITY_TIMER, "600")
        .SelectPage(kLCP)
        .SetText(IDC_LINE_RETRY_TIMER, "2.5")
        .SelectPage(kModem)
        .Do([&](ui::CDialog& sheet) {
            modem = ActivePage(sheet).ComboBox(IDC_LINE_MODEM_NAME).GetWindowText();
            number = ActivePage(sheet).GetDlgItemText(IDC_LINE_MODEM_NUMBER);
        })
        .Ok();
    LineSheetOpening opening;
    opening.strExistingLine = "PPPLIN04";
    bool created = true;
    EXPECT_EQ(Play(opening, &created), ui::IDOK) << Transcript();

    EXPECT_FALSE(created);
    EXPECT_EQ(caption, "Ppplin04 Line Properties on SYS1");
    EXPECT_EQ(shown[IDC_LINE_NAME], "PPPLIN04");
    EXPECT_TRUE(nameReadOnly);
    EXPECT_EQ(shown[IDC_LINE_DESCRIPTION], "User modem on CMN04");
    EXPECT_EQ(shown[IDC_LINE_RESOURCE], "CMN04");
    EXPECT_EQ(modem, "ACME 56K V.90");
    EXPECT_TRUE(Commands().empty()) << "an existing line changes through its object";
    const server::ObjectRecord line = Line("PPPLIN04");
    EXPECT_EQ(line.Get(attr::line::kText), "Desk modem, Bob's");
    EXPECT_EQ(line.Get(attr::line::kOnline), "*NO");
    EXPECT_EQ(line.Get(attr::line::kInactivityTimer), "600");
    EXPECT_EQ(line.Get(attr::line::kConfigureRetryTimer), "2.5");
    EXPECT_EQ(line.Get(attr::line::kResource), "CMN04");
    EXPECT_EQ(ModemOf("PPPLIN04"), "ACME 56K V.90");
    EXPECT_EQ(number, "7");
    EXPECT_EQ(m_pSystem->GetObject(kinds::kLineModem, "PPPLIN04")->Get(attr::line_modem::kNumber),
              "7")
        << "the association keeps its number";
    EXPECT_TRUE(MessageIds().empty()) << Transcript();
}

TEST_F(LinePropertiesTest, ALineARunningProfileHoldsIsRefusedByTheStandInAndTheSheetCloses) {
    m_driver.When(kLineSheet).SetText(IDC_LINE_DESCRIPTION, "Changed").Ok();
    LineSheetOpening opening;
    opening.strExistingLine = "PPPLIN01";
    EXPECT_EQ(Play(opening), ui::IDCANCEL) << Transcript();

    const auto boxes = m_driver.GetTranscript().MessageBoxes();
    ASSERT_EQ(boxes.size(), 1u) << Transcript();
    EXPECT_NE(boxes[0].text.find("CPF2113"), std::string::npos) << boxes[0].text;
    EXPECT_EQ(Line("PPPLIN01").Get(attr::line::kText), "Internal modem port");
}

TEST_F(LinePropertiesTest, WithoutChangesAllowedOkIsGreyed) {
    bool okEnabled = true;
    m_driver.When(kLineSheet).Do([&](ui::CDialog& sheet) {
        okEnabled = sheet.GetDlgItem(ui::IDOK)->IsWindowEnabled();
    });
    LineSheetOpening opening;
    opening.strExistingLine = "PPPLIN04";
    opening.bChangesAllowed = false;
    EXPECT_EQ(Play(opening), ui::IDCANCEL);
    EXPECT_FALSE(okEnabled);
}

TEST_F(LinePropertiesTest, ANewLineFromAModelStartsWithTheModelsValues) {
    host::SOFError* error = nullptr;
    auto lines = m_pHost->Objects().CreateList(kinds::kPPPLineList, "TEST", "SYS1", "*PPP", &error);
    ASSERT_NE(lines, nullptr);
    lines->Open(&error);
    host::IServerObject* model = nullptr;
    for (long index = 0; index < lines->GetCount(&error); ++index) {
        host::IServerObject* line = lines->ElementAt(index, &error);
        if (line->GetAttributeText(attr::line::kName, &error) == "PPPLEASED") model = line;
    }
    ASSERT_NE(model, nullptr);
    ASSERT_EQ(error, nullptr);

    std::string caption;
    std::string description;
    m_driver.When(kLineSheet)
        .Do([&](ui::CDialog& sheet) {
            caption = sheet.GetWindowText();
            description = ActivePage(sheet).GetDlgItemText(IDC_LINE_DESCRIPTION);
        })
        .SetText(IDC_LINE_NAME, "COPY35")
        .Choose(IDC_LINE_RESOURCE, "CMN05")
        .Choose(IDC_LINE_FRAMING, Text(IDS_LINE_FRAMING_SYNC))
        .Ok();
    LineSheetOpening opening;
    opening.pModel = model;
    opening.profile = CLineProfileKind{code::line_service::kNonswitched, code::mode::kDial};
    EXPECT_EQ(Play(opening), ui::IDOK) << Transcript();

    EXPECT_EQ(caption, "New PPP Line Based on Pppleased on SYS1");
    EXPECT_EQ(description, "Leased V.35 line");
    const std::vector<std::string> commands = Commands();
    ASSERT_EQ(commands.size(), 1u) << Transcript();
    const std::string& command = commands[0];
    // The model's line speed and LCP values come along.
    EXPECT_NE(command.find(" LINESPEED(64000) "), std::string::npos) << command;
    EXPECT_NE(command.find(" TEXT('Leased V.35 line') "), std::string::npos) << command;
    EXPECT_NE(command.find(" LCPCFG(3.0 10 5 2) "), std::string::npos) << command;
    EXPECT_EQ(Line("COPY35").Get(attr::line::kConnectionType), "*NONSWTPP");
}

}  // namespace
}  // namespace ptp::lines
