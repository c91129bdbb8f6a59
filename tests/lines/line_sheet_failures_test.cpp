#include <gtest/gtest.h>

#include "host/fault_injection.h"
#include "tests/lines/line_sheet_fixture.h"

namespace ptp::lines {
namespace {

using LineFailuresTest = LineSheetTest;
using Kind = ui::TranscriptEntry::Kind;

TEST_F(LineFailuresTest, PortsThatCannotBeListedEndTheSheetBeforeItShows) {
    InjectFaults().AddFault(host::Fault{.operation = host::HostOperation::CreateList,
                                        .kind = std::string(kinds::kHardwareResource)});
    EXPECT_EQ(Play({}), ui::IDCANCEL);

    const auto boxes = m_driver.GetTranscript().MessageBoxes();
    ASSERT_EQ(boxes.size(), 2u) << Transcript();
    EXPECT_EQ(boxes[0].text, "CPF9899: The operation failed on the server.");
    EXPECT_EQ(boxes[1].resourceId, static_cast<UINT>(IDS_LINE_RESOURCES_UNAVAILABLE));
    EXPECT_TRUE(m_driver.GetTranscript().Of(Kind::Opened).empty()) << Transcript();
    EXPECT_TRUE(Commands().empty());
}

TEST_F(LineFailuresTest, AFailedModemAssociationKeepsTheCreatedLineAndOkTriesItAlone) {
    InjectFaults().AddFault(host::Fault{.operation = host::HostOperation::Commit,
                                        .kind = std::string(kinds::kLineModem)});
    m_driver.When(kLineSheet)
        .SetText(IDC_LINE_NAME, "RETRY")
        .Choose(IDC_LINE_RESOURCE, "CMN08")
        .Ok()
        .Ok();
    bool created = false;
    EXPECT_EQ(Play({}, &created), ui::IDOK) << Transcript();

    EXPECT_TRUE(created);
    const auto boxes = m_driver.GetTranscript().MessageBoxes();
    ASSERT_EQ(boxes.size(), 1u) << Transcript();
    EXPECT_EQ(boxes[0].text, "CPF9899: The operation failed on the server.");
    const std::vector<std::string> commands = Commands();
    ASSERT_EQ(commands.size(), 1u) << "the line is created once";
    EXPECT_EQ(commands[0].rfind("QSYS/CRTLINPPP LIND(RETRY) ", 0), 0u);
    EXPECT_EQ(ModemOf("RETRY"), "$generic hayes");
}

TEST_F(LineFailuresTest, AnUnreadableLineEndsTheSheetWithOneMessage) {
    InjectFaults().AddFault(host::Fault{.operation = host::HostOperation::GetAttribute,
                                        .repeat = true,
                                        .kind = std::string(kinds::kLine)});
    LineSheetOpening opening;
    opening.strExistingLine = "PPPLIN04";
    EXPECT_EQ(Play(opening), ui::IDCANCEL);

    const auto boxes = m_driver.GetTranscript().MessageBoxes();
    ASSERT_EQ(boxes.size(), 1u) << Transcript();
    EXPECT_EQ(boxes[0].text, "CPF9899: The operation failed on the server.");
    EXPECT_EQ(Line("PPPLIN04").Get(attr::line::kText), "User modem on CMN04");
}

// Another user changes the line while the sheet is open: OK is refused with the server's words,
// the sheet stays on screen with what this user typed, and a second OK replaces the other change.
TEST_F(LineFailuresTest, AnotherUsersChangeMeanwhileKeepsTheSheetOpenAndTheSecondOkReplacesIt) {
    std::string keptText;
    m_driver.When(kLineSheet)
        .SetText(IDC_LINE_DESCRIPTION, "Mine")
        .Do([&](ui::CDialog&) {
            Put(kinds::kLine, "PPPLIN04", {{attr::line::kText, "Theirs"}});
        })
        .Ok()
        .Do([&](ui::CDialog& sheet) {
            keptText = ActivePage(sheet).GetDlgItemText(IDC_LINE_DESCRIPTION);
            EXPECT_EQ(Line("PPPLIN04").Get(attr::line::kText), "Theirs") << "nothing saved yet";
        })
        .Ok();
    LineSheetOpening opening;
    opening.strExistingLine = "PPPLIN04";
    EXPECT_EQ(Play(opening), ui::IDOK) << Transcript();

    const auto boxes = m_driver.GetTranscript().MessageBoxes();
    ASSERT_EQ(boxes.size(), 1u) << Transcript();
    EXPECT_NE(boxes[0].text.find("was changed by another user after you read it"),
              std::string::npos)
        << boxes[0].text;
    EXPECT_EQ(keptText, "Mine");
    EXPECT_EQ(Line("PPPLIN04").Get(attr::line::kText), "Mine");
    EXPECT_TRUE(Commands().empty());
}

}  // namespace
}  // namespace ptp::lines
