#include <gtest/gtest.h>

#include <algorithm>

#include "lines/point_to_point_profile_line_pool_property_sheet.h"
#include "tests/lines/line_sheet_fixture.h"

namespace ptp::lines {
namespace {

constexpr const char* kPoolSheet = "CPointToPointProfileLinePoolPropertySheet";

using Names = std::vector<std::string>;

class LinePoolTest : public LineSheetTest {
  protected:
    ui::INT_PTR PlayPool(const std::string& pool, bool* changed = nullptr) {
        ui::ScopedDriver scoped(m_driver);
        CPointToPointProfileLinePoolPropertySheet sheet("Pool");
        sheet.SetSystemName("SYS1");
        sheet.SetPoolName(pool);
        sheet.SetParentProfile(
            CLineProfileKind{code::line_service::kSwitched, code::mode::kAnswer});
        sheet.SetCapabilityA(true);
        sheet.SetRelease050200(true);
        const ui::INT_PTR result = sheet.DoModal();
        if (changed) *changed = sheet.WasChanged();
        return result;
    }

    static Names Rows(ui::CDialog& sheet, int listId) {
        ui::CListCtrl& list = ActivePage(sheet).ListCtrl(listId);
        Names names;
        for (int row = 0; row < list.GetItemCount(); ++row)
            names.push_back(list.GetItemText(row, 0));
        return names;
    }
};

TEST_F(LinePoolTest, ANewPoolNeedsAFreeNameAndOneLineThenItsLinesCarryIt) {
    Names available;
    m_driver.When(kPoolSheet)
        .Do([&](ui::CDialog& sheet) { available = Rows(sheet, IDC_LINE_POOL_AVAILABLE); })
        .SetText(IDC_LINE_POOL_NAME, "  Branch pool  ")
        .Ok()
        .SetText(IDC_LINE_POOL_NAME, "ppppool")
        .Ok()
        .SetText(IDC_LINE_POOL_NAME, "ppplin04")
        .Ok()
        .SetText(IDC_LINE_POOL_NAME, "Branch pool")
        .Choose(IDC_LINE_POOL_AVAILABLE, std::string("PPPLIN04"))
        .Click(IDC_LINE_POOL_ADD)
        .Ok();
    bool changed = false;
    EXPECT_EQ(PlayPool("", &changed), ui::IDOK) << Transcript();

    // Switched lines in no pool; the pool's own lines and the leased line are not offered.
    auto offered = [&](const std::string& name) {
        return std::find(available.begin(), available.end(), name) != available.end();
    };
    EXPECT_TRUE(offered("PPPLIN01"));
    EXPECT_TRUE(offered("PPPLIN04"));
    EXPECT_FALSE(offered("PPPLIN02"));
    EXPECT_FALSE(offered("PPPLEASED"));
    EXPECT_FALSE(offered("L2TPLINE"));
    EXPECT_EQ(MessageIds(), (std::vector<UINT>{IDS_LINE_POOL_MEMBERS_REQUIRED,
                                               IDS_LINE_POOL_NAME_EXISTS, IDS_LINE_NAME_EXISTS}))
        << Transcript();
    EXPECT_TRUE(changed);
    EXPECT_EQ(Line("PPPLIN04").Get(attr::line::kPoolName), "Branch pool");
    EXPECT_EQ(Line("PPPLIN01").Get(attr::line::kPoolName), "");
    EXPECT_TRUE(Commands().empty()) << "membership changes through the line objects";
}

TEST_F(LinePoolTest, ALineMovedOutOfAnExistingPoolLeavesIt) {
    std::string caption;
    Names members;
    bool nameReadOnly = false;
    m_driver.When(kPoolSheet)
        .Do([&](ui::CDialog& sheet) {
            caption = sheet.GetWindowText();
            members = Rows(sheet, IDC_LINE_POOL_MEMBERS);
            nameReadOnly = ActivePage(sheet).Edit(IDC_LINE_POOL_NAME).IsReadOnly();
        })
        .Choose(IDC_LINE_POOL_MEMBERS, 1)
        .Click(IDC_LINE_POOL_REMOVE)
        .Ok();
    EXPECT_EQ(PlayPool("PPPPOOL"), ui::IDOK) << Transcript();

    EXPECT_EQ(caption, "Ppppool Line Pool Properties on SYS1");
    EXPECT_EQ(members, (Names{"PPPLIN02", "PPPLIN03"}));
    EXPECT_TRUE(nameReadOnly);
    EXPECT_EQ(Line("PPPLIN03").Get(attr::line::kPoolName), "");
    EXPECT_EQ(Line("PPPLIN02").Get(attr::line::kPoolName), "PPPPOOL");
    EXPECT_TRUE(MessageIds().empty()) << Transcript();
}

TEST_F(LinePoolTest, ALineMadeFromThePoolSheetIsOfferedAtOnce) {
    Names available;
    m_driver.When(kPoolSheet)
        .Click(IDC_LINE_POOL_NEW_LINE)
        .Do([&](ui::CDialog& sheet) { available = Rows(sheet, IDC_LINE_POOL_AVAILABLE); })
        .Cancel();
    m_driver.When(kLineSheet)
        .SetText(IDC_LINE_NAME, "POOLNEW")
        .Choose(IDC_LINE_RESOURCE, "CMN09")
        .Ok();
    EXPECT_EQ(PlayPool("PPPPOOL"), ui::IDCANCEL) << Transcript();

    EXPECT_NE(std::find(available.begin(), available.end(), "POOLNEW"), available.end())
        << Transcript();
    EXPECT_EQ(Line("POOLNEW").Get(attr::line::kConnectionType), "*SWTPP");
}

}  // namespace
}  // namespace ptp::lines
