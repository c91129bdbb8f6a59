#include <gtest/gtest.h>

#include <algorithm>

#include "config/config_text.h"
#include "tests/lines/line_sheet_fixture.h"

namespace ptp::lines {
namespace {

constexpr int kModem = 4;
constexpr int kPropertiesOptional = 5;  // properties mode has no security page
constexpr int kNewOptional = 6;

using Rows = std::vector<std::pair<std::string, std::string>>;

class LineModemCommandsTest : public LineSheetTest {
  protected:
    // The modem's command strings on the server, in number order.
    Rows ServerCommands(const std::string& modem) {
        auto rows = List(kinds::kModemCommand, modem);
        std::sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) {
            return config::TextToInt(a.at(attr::modem_command::kNumber)) <
                   config::TextToInt(b.at(attr::modem_command::kNumber));
        });
        Rows commands;
        for (auto& row : rows) {
            EXPECT_EQ(row[attr::modem_command::kNumber], std::to_string(commands.size() + 1))
                << "numbered from 1 without gaps";
            commands.emplace_back(row[attr::modem_command::kName],
                                  row[attr::modem_command::kValue]);
        }
        return commands;
    }

    static Rows PageRows(ui::CDialog& sheet) {
        ui::CListCtrl& list = ActivePage(sheet).ListCtrl(IDC_LINE_PARMS_LIST);
        Rows rows;
        for (int row = 0; row < list.GetItemCount(); ++row)
            rows.emplace_back(list.GetItemText(row, 0), list.GetItemText(row, 1));
        return rows;
    }

    static std::vector<std::string> Pages(ui::CDialog& dialog) {
        auto& sheet = static_cast<ui::CPropertySheet&>(dialog);
        std::vector<std::string> pages;
        for (int index = 0; index < sheet.GetPageCount(); ++index)
            pages.push_back(sheet.GetPage(index)->GetClassName());
        return pages;
    }
};

TEST_F(LineModemCommandsTest, TheLinesModemCommandsAreRewrittenInListOrder) {
    Rows shown;
    m_driver.When(kLineSheet)
        .SelectPage(kPropertiesOptional)
        .Do([&](ui::CDialog& sheet) { shown = PageRows(sheet); })
        .Choose(IDC_LINE_PARMS_LIST, 0)
        .Click(IDC_LINE_PARMS_DELETE)
        .Choose(IDC_LINE_PARMS_LIST, 0)
        .Click(IDC_LINE_PARMS_CHANGE)
        .Click(IDC_LINE_PARMS_ADD)
        .Ok();
    m_driver.When("CPointToPointProfileLineParmsDialog")
        .SetText(IDC_LINE_PARM_VALUE, " atm1 ")
        .Ok();
    m_driver.When("CPointToPointProfileLineParmsDialog")
        .SetText(IDC_LINE_PARM_NAME, "DIAL")
        .Ok()
        .SetText(IDC_LINE_PARM_VALUE, "ATX3")
        .Ok();
    LineSheetOpening opening;
    opening.strExistingLine = "PPPLIN04";
    EXPECT_EQ(Play(opening), ui::IDOK) << Transcript();

    EXPECT_EQ(shown, (Rows{{"INIT", "AT&F1E0"}, {"SPEAKER", "ATM0L0"}}));
    EXPECT_EQ(MessageIds(), (std::vector<UINT>{IDS_LINE_PARM_VALUE_REQUIRED})) << Transcript();
    EXPECT_EQ(ServerCommands("ACME 56K V.90"), (Rows{{"SPEAKER", "atm1"}, {"DIAL", "ATX3"}}));
    EXPECT_EQ(ServerCommands("ISDN TA").size(), 2u) << "other modems keep theirs";
}

TEST_F(LineModemCommandsTest, ChoosingAnotherModemSwapsTheParameterPage) {
    std::vector<std::string> before;
    std::vector<std::string> after;
    Rows shown;
    m_driver.When(kLineSheet)
        .SetText(IDC_LINE_NAME, "ISDNTA")
        .Choose(IDC_LINE_RESOURCE, "CMN08")
        .Do([&](ui::CDialog& sheet) { before = Pages(sheet); })
        .SelectPage(kModem)
        .Choose(IDC_LINE_MODEM_NAME, "ISDN TA")
        .Do([&](ui::CDialog& sheet) { after = Pages(sheet); })
        .SelectPage(kNewOptional)
        .Do([&](ui::CDialog& sheet) { shown = PageRows(sheet); })
        .Ok();
    EXPECT_EQ(Play({}), ui::IDOK) << Transcript();

    ASSERT_FALSE(before.empty());
    EXPECT_EQ(before.back(), "CPointToPointProfileLineParmsPage");
    ASSERT_EQ(after.size(), before.size());
    EXPECT_EQ(after.back(), "CPointToPointProfileLineISDNParmsPage");
    EXPECT_EQ(shown, (Rows{{"INIT", "AT&F"}, {"SPID1", "AT!N1=0155512340101"}}));
    EXPECT_EQ(ModemOf("ISDNTA"), "ISDN TA");
    EXPECT_EQ(ServerCommands("ISDN TA"), shown);
}

}  // namespace
}  // namespace ptp::lines
