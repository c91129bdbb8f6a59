// The Dial and Answer connection pages and their two dialogs, played through the profile sheet
// against a real server: which lines they offer, what they refuse, and what reaches the server.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "platform/ui/property_sheet.h"
#include "platform/ui/script_driver.h"
#include "platform/ui/ui_strings.h"
#include "platform/vocabulary/kinds.h"
#include "platform/vocabulary/line.h"
#include "platform/vocabulary/profile.h"
#include "profiles/profile_sheet.h"
#include "resources/ids/frame_commands.h"
#include "resources/ids/lines.h"
#include "resources/ids/profiles.h"
#include "server/demo_data.h"
#include "server/ppp_jobs.h"
#include "server/system.h"
#include "tests/profiles/profile_sheet_fixture.h"

namespace ptp::profiles {
namespace {

constexpr const char* kSheet = "CPointToPointProfilePropertySheet";
constexpr const char* kMultilink = "CPointToPointProfileMultilinkDialog";
constexpr const char* kAdvanced = "CPointToPointProfileDialConnectionAdvancedDialog";
constexpr int kConnectionPage = 1;
constexpr const char* kLineSheet = "CPointToPointProfileLinePropertySheet";
constexpr const char* kPoolSheet = "CPointToPointProfileLinePoolPropertySheet";

using Names = std::vector<std::string>;

Names Entries(ui::CDialog& dialog, int id) {
    Names names;
    ui::CComboBox& box = dialog.ComboBox(id);
    for (int index = 0; index < box.GetCount(); ++index)
        names.push_back(box.GetLBText(index));
    return names;
}

Names Rows(ui::CDialog& dialog, int id) {
    Names rows;
    ui::CListCtrl& list = dialog.ListCtrl(id);
    for (int row = 0; row < list.GetItemCount(); ++row)
        rows.push_back(list.GetItemText(row, 0));
    return rows;
}

bool Enabled(ui::CDialog& dialog, int id) {
    return dialog.GetDlgItem(id)->IsWindowEnabled() != ui::FALSE;
}

class ConnectionPagesTest : public ProfileSheetFixture {
  protected:
    void SetUp() override {
        ProfileSheetFixture::SetUp();
        AddLine("SWLINE1", "*SWTPP");
        AddLine("SWLINE2", "*SWTPP");
        for (const char* member : {"POOLED1", "POOLED2", "POOLED3"})
            AddLine(member, "*SWTPP", "MODEMS");
        for (const char* member : {"SPARE1", "SPARE2"})
            AddLine(member, "*SWTPP", "SPARE");
        AddLine("ISDN1", "*SWTPP", "", "*NWID");
        AddLine("LEASED1", "*NONSWTPP");
        AddLine("LSDPOOLED", "*NONSWTPP", "LEASEDPOOL");
        // Not a PPP line: no connection page offers it, whatever its connection type says.
        Put(kinds::kLine, "ETHLINE", {{0, "*ETH"}, {1, "ETHLINE"}, {29, "CMN09"}, {32, "*SWTPP"}});
    }

    void AddLine(const std::string& name, const std::string& connection,
                 const std::string& pool = "", const std::string& resource = "CMN01") {
        Put(kinds::kLine, name,
            {{0, "*PPP"}, {1, name}, {2, pool}, {29, resource}, {31, "*ASYNC"}, {32, connection}});
    }

    // A stopped PPP profile on the switched line SWLINE1 that dials 5551000.
    void AddProfile(const std::string& name, std::map<int, std::string> more = {}) {
        std::map<int, std::string> values = {
            {0, name}, {1, "1"},       {2, "2"},        {3, "1"},  {4, "SWLINE1"}, {5, "*PPP"},
            {6, "1"},  {10, "Before"}, {17, "5551000"}, {23, "1"}, {29, "QTOCPTP"}};
        for (const auto& [id, value] : more)
            values[id] = value;
        Put(kinds::kProfile, name, values);
    }

    std::string Stored(const std::string& profile, int id) {
        host::SOFError* error = nullptr;
        auto object =
            m_pHost->Objects().CreateObject(kinds::kProfile, "TEST", "SYS1", profile, &error);
        std::string value = object ? object->GetAttributeText(id, &error) : std::string();
        if (error) {
            error->Destroy();
            return "<missing>";
        }
        return value;
    }

    std::string LinePool(const std::string& line) {
        host::SOFError* error = nullptr;
        auto object = m_pHost->Objects().CreateObject(kinds::kLine, "TEST", "SYS1", line, &error);
        std::string value = object ? object->GetAttributeText(attr::line::kPoolName, &error) : "";
        if (error) {
            error->Destroy();
            return "<missing>";
        }
        return value;
    }
};

TEST_F(ConnectionPagesTest, TheLineBoxOffersTheLinesOfTheProfilesKindOfLine) {
    struct Case {
        int lineService, mode, lineKind;
        Names names;
        UINT label;
    };
    const std::vector<Case> cases = {
        {1,
         1,
         1,
         {"POOLED1", "POOLED2", "POOLED3", "SPARE1", "SPARE2", "SWLINE1", "SWLINE2"},
         IDS_PROFILE_LINE_KIND_LINE},
        {1, 6, 2, {"MODEMS", "SPARE"}, IDS_PROFILE_LINE_KIND_POOL},
        {1, 2, 3, {"MODEMS", "SPARE"}, IDS_PROFILE_LINE_KIND_POOL},
        {1, 1, 5, {"ISDN1"}, IDS_PROFILE_LINE_KIND_ISDN},
        {1, 2, 4, {"ISDN1"}, IDS_PROFILE_LINE_KIND_ISDN},
        {2, 1, 1, {"LEASED1", "LSDPOOLED"}, IDS_PROFILE_LINE_KIND_LINE},
        {2, 2, 2, {"LEASEDPOOL"}, IDS_PROFILE_LINE_KIND_POOL},
    };
    for (const Case& c : cases) {
        Names offered;
        std::string label;
        Sheet().SelectPage(kConnectionPage).Do([&](ui::CDialog& sheet) {
            offered = Entries(ActivePage(sheet), IDC_PROFILE_LINE);
            label = ActivePage(sheet).GetDlgItemText(IDC_PROFILE_LINE_KIND_TEXT);
        });
        EXPECT_EQ(OpenNew(c.lineService, c.mode, c.lineKind), ui::IDCANCEL);
        std::sort(offered.begin(), offered.end());
        EXPECT_EQ(offered, c.names) << "line service " << c.lineService << ", mode " << c.mode
                                    << ", line kind " << c.lineKind;
        EXPECT_EQ(label, Text(c.label)) << "line kind " << c.lineKind;
    }
    EXPECT_TRUE(m_driver.GetTranscript().MessageBoxes().empty()) << Transcript();
}

TEST_F(ConnectionPagesTest, ANewDialProfileStoresItsLineAndItsNumbersInOrder) {
    bool addWhenFull = true;
    Sheet()
        .SetText(IDC_PROFILE_NAME, "newdial")
        .SelectPage(kConnectionPage)
        .Choose(IDC_PROFILE_LINE, "SWLINE2")
        .Click(IDC_PROFILE_NUMBER_ADD)
        .EditCell(IDC_PROFILE_NUMBERS, 0, 0, "5550001")
        .Click(IDC_PROFILE_NUMBER_ADD)
        .EditCell(IDC_PROFILE_NUMBERS, 1, 0, "  ")
        .Click(IDC_PROFILE_NUMBER_ADD)
        .EditCell(IDC_PROFILE_NUMBERS, 2, 0, " 5550003 ")
        .Choose(IDC_PROFILE_NUMBERS, 2)
        .Click(IDC_PROFILE_NUMBER_UP)
        .Click(IDC_PROFILE_NUMBER_ADD)
        .Click(IDC_PROFILE_NUMBER_ADD)
        .Click(IDC_PROFILE_NUMBER_ADD)
        .Do([&](ui::CDialog& sheet) {
            addWhenFull = Enabled(ActivePage(sheet), IDC_PROFILE_NUMBER_ADD);
        })
        .Ok();
    EXPECT_EQ(OpenNew(1, 1, 1), ui::IDOK) << Transcript();
    EXPECT_FALSE(addWhenFull) << "six numbers fill the list";
    EXPECT_EQ(Stored("NEWDIAL", 4), "SWLINE2");
    EXPECT_EQ(Stored("NEWDIAL", 5), "*ASYNC");
    EXPECT_EQ(Stored("NEWDIAL", 23), "1");
    EXPECT_EQ(Stored("NEWDIAL", 11), "1");
    EXPECT_EQ(Stored("NEWDIAL", 16), "0");
    EXPECT_EQ(Stored("NEWDIAL", 17), "5550001");
    EXPECT_EQ(Stored("NEWDIAL", 18), "5550003") << "the empty entry closes up";
    for (int id : {19, 68, 69, 70})
        EXPECT_EQ(Stored("NEWDIAL", id), "*NONE") << id;
    EXPECT_EQ(Stored("NEWDIAL", 77), "1");
    EXPECT_EQ(Stored("NEWDIAL", 20), "1");
    EXPECT_EQ(Stored("NEWDIAL", 21), "0") << "the line's own time-out";
    EXPECT_EQ(Stored("NEWDIAL", 78), "3");
    EXPECT_EQ(Stored("NEWDIAL", 79), "15");
}

TEST_F(ConnectionPagesTest, WithoutTheNewerCapabilityThreeNumbersAndOnlyTheOlderAttributes) {
    AddProfile(
        "OLDDIAL",
        {{16, "1"}, {18, "*NONE"}, {19, "5551003"}, {21, "300"}, {68, "5551004"}, {77, "2"}});
    m_options.capabilityC = false;
    Names shown;
    bool addWhenFull = true;
    bool multilinkEnabled = true;
    Sheet()
        .SelectPage(kConnectionPage)
        .Do([&](ui::CDialog& sheet) {
            shown = Rows(ActivePage(sheet), IDC_PROFILE_NUMBERS);
            multilinkEnabled = Enabled(ActivePage(sheet), IDC_PROFILE_MULTILINK);
        })
        .Click(IDC_PROFILE_NUMBER_ADD)
        .EditCell(IDC_PROFILE_NUMBERS, 2, 0, "5559999")
        .Do([&](ui::CDialog& sheet) {
            addWhenFull = Enabled(ActivePage(sheet), IDC_PROFILE_NUMBER_ADD);
        })
        .Ok();
    EXPECT_EQ(OpenExisting("OLDDIAL"), ui::IDOK) << Transcript();
    EXPECT_EQ(shown, (Names{"5551000", "5551003"})) << "a stored *NONE shows as no entry";
    EXPECT_FALSE(addWhenFull);
    EXPECT_FALSE(multilinkEnabled);
    EXPECT_EQ(Stored("OLDDIAL", 17), "5551000");
    EXPECT_EQ(Stored("OLDDIAL", 18), "5551003");
    EXPECT_EQ(Stored("OLDDIAL", 19), "5559999");
    EXPECT_EQ(Stored("OLDDIAL", 68), "5551004") << "not read, not written";
    EXPECT_EQ(Stored("OLDDIAL", 16), "1");
    EXPECT_EQ(Stored("OLDDIAL", 77), "2");
    EXPECT_EQ(Stored("OLDDIAL", 20), "0") << "the default entry without the newer capability";
    EXPECT_EQ(Stored("OLDDIAL", 21), "300") << "left as it was";
}

TEST_F(ConnectionPagesTest, ADialProfileWithoutANumberIsRefusedEvenWhenItsPageWasNeverShown) {
    AddProfile("NONUMBER", {{17, "*NONE"}});
    Sheet().SetText(IDC_PROFILE_DESCRIPTION, "After").Ok();
    EXPECT_EQ(OpenExisting("NONUMBER"), ui::IDCANCEL);
    EXPECT_EQ(MessageIds(), std::vector<std::uint32_t>{IDS_PROFILE_NUMBER_REQUIRED})
        << Transcript();
    auto stayed = m_driver.GetTranscript().StayedOpen(kSheet);
    ASSERT_TRUE(stayed.has_value());
    EXPECT_EQ(stayed->page, kConnectionPage) << "the page that refused is shown";
    EXPECT_EQ(stayed->focusName, "IDC_PROFILE_NUMBERS");
    EXPECT_EQ(Stored("NONUMBER", 10), "Before") << "nothing was written";

    // A new profile is refused for its missing line first, and nothing is created.
    Sheet().SetText(IDC_PROFILE_NAME, "NOLINE").Ok();
    EXPECT_EQ(OpenNew(1, 1, 1), ui::IDCANCEL);
    EXPECT_EQ(MessageIds().back(), IDS_PROFILE_LINE_REQUIRED) << Transcript();
    for (const auto& profile : List(kinds::kProfile))
        EXPECT_NE(profile.at(0), "NOLINE") << "nothing was created";

    // A leased line dials no number.
    AddProfile("LEASEDOUT", {{4, "LEASED1"}, {6, "2"}, {17, "*NONE"}});
    Sheet().SetText(IDC_PROFILE_DESCRIPTION, "After").Ok();
    EXPECT_EQ(OpenExisting("LEASEDOUT"), ui::IDOK) << Transcript();
    EXPECT_EQ(Stored("LEASEDOUT", 10), "After");
}

TEST_F(ConnectionPagesTest, LeavingTheDialPageChecksTheLineName) {
    Sheet()
        .SelectPage(kConnectionPage)
        .SetText(IDC_PROFILE_LINE, "TWO WORDS")
        .SelectPage(0)
        .SetText(IDC_PROFILE_LINE, "ELEVENCHARS")
        .SelectPage(0)
        .SetText(IDC_PROFILE_LINE, "NOSUCHLINE")
        .SelectPage(0)
        .SetText(IDC_PROFILE_NAME, "TYPED")
        .Ok();
    EXPECT_EQ(OpenNew(1, 1, 1), ui::IDCANCEL);
    EXPECT_EQ(MessageIds(), (std::vector<std::uint32_t>{IDS_PROFILE_LINE_NAME_INVALID,
                                                        IDS_PROFILE_LINE_NAME_INVALID,
                                                        IDS_PROFILE_LINE_NOT_LISTED}))
        << Transcript();
    EXPECT_EQ(m_driver.GetTranscript().MessageBoxes().back().text,
              res::FormatText(Text(IDS_PROFILE_LINE_NOT_LISTED), {"NOSUCHLINE"}));
    EXPECT_EQ(m_driver.GetTranscript().StayedOpen(kSheet)->focusName, "IDC_PROFILE_LINE");
}

TEST_F(ConnectionPagesTest, TheNumericSettingTakesTheDefaultOrFifteenToTheHighestSecond) {
    AddProfile("ANSWER", {{1, "2"}, {20, "1"}, {21, "600"}});
    std::string loaded;
    Sheet()
        .SelectPage(kConnectionPage)
        .Do([&](ui::CDialog& sheet) {
            loaded = ActivePage(sheet).GetDlgItemText(IDC_PROFILE_NUMERIC_SETTING);
        })
        .SetText(IDC_PROFILE_NUMERIC_SETTING, "14")
        .Ok()
        .SetText(IDC_PROFILE_NUMERIC_SETTING, "65536")
        .Ok()
        .SetText(IDC_PROFILE_NUMERIC_SETTING, "1 5")
        .Ok()
        .SetText(IDC_PROFILE_NUMERIC_SETTING, "1a")
        .Ok()
        .SetText(IDC_PROFILE_NUMERIC_SETTING, "")
        .Ok()
        .SetText(IDC_PROFILE_NUMERIC_SETTING, " 65535 ")
        .Ok();
    EXPECT_EQ(OpenExisting("ANSWER"), ui::IDOK) << Transcript();
    EXPECT_EQ(loaded, "600");
    EXPECT_EQ(MessageIds(), (std::vector<std::uint32_t>{
                                ui::IDS_UI_RANGE, ui::IDS_UI_RANGE, IDS_PROFILE_VALUE_INVALID,
                                IDS_PROFILE_VALUE_INVALID, IDS_PROFILE_VALUE_INVALID}));
    EXPECT_EQ(m_driver.GetTranscript().MessageBoxes()[0].text,
              res::FormatText(Text(ui::IDS_UI_RANGE), {"15", "65535"}));
    EXPECT_EQ(Stored("ANSWER", 20), "1");
    EXPECT_EQ(Stored("ANSWER", 21), "65535");

    Sheet().SelectPage(kConnectionPage).SetText(IDC_PROFILE_NUMERIC_SETTING, "15").Ok();
    EXPECT_EQ(OpenExisting("ANSWER"), ui::IDOK) << Transcript();
    EXPECT_EQ(Stored("ANSWER", 21), "15");

    Sheet()
        .SelectPage(kConnectionPage)
        .Choose(IDC_PROFILE_NUMERIC_SETTING, Text(IDS_PROFILE_NUMERIC_DEFAULT))
        .Ok();
    EXPECT_EQ(OpenExisting("ANSWER"), ui::IDOK) << Transcript();
    EXPECT_EQ(Stored("ANSWER", 20), "1");
    EXPECT_EQ(Stored("ANSWER", 21), "0") << "the default entry";

    // The Advanced dialog of a dialling profile checks the same way and stays open.
    AddProfile("DIALER");
    m_driver.When(kAdvanced)
        .SetText(IDC_PROFILE_NUMERIC_SETTING, "14")
        .Ok()
        .SetText(IDC_PROFILE_NUMERIC_SETTING, "1a")
        .Ok();
    Sheet().SelectPage(kConnectionPage).Click(IDC_PROFILE_DIAL_ADVANCED).Ok();
    const std::size_t before = MessageIds().size();
    EXPECT_EQ(OpenExisting("DIALER"), ui::IDOK) << Transcript();
    const auto ids = MessageIds();
    EXPECT_EQ(std::vector<std::uint32_t>(ids.begin() + static_cast<long>(before), ids.end()),
              (std::vector<std::uint32_t>{ui::IDS_UI_RANGE, IDS_PROFILE_VALUE_INVALID}));
    const auto stayed = m_driver.GetTranscript().StayedOpen(kAdvanced);
    ASSERT_TRUE(stayed.has_value()) << "a refused value keeps the dialog open";
    EXPECT_EQ(stayed->focusName, "IDC_PROFILE_NUMERIC_SETTING");
}

TEST_F(ConnectionPagesTest, AValueRefusedOnCommitKeepsTheSheetOnThePageAndWritesNothing) {
    AddProfile("DIALOUT");
    Sheet()
        .SetText(IDC_PROFILE_DESCRIPTION, "After")
        .SelectPage(kConnectionPage)
        .EditCell(IDC_PROFILE_NUMBERS, 0, 0, "0049 30 1234 5678 9012 3456 7890 1234")
        .Ok();
    EXPECT_EQ(OpenExisting("DIALOUT"), ui::IDCANCEL);
    ASSERT_EQ(m_driver.GetTranscript().MessageBoxes().size(), 1u) << Transcript();
    EXPECT_NE(m_driver.GetTranscript().MessageBoxes()[0].text.find("TCP8A20"), std::string::npos)
        << m_driver.GetTranscript().MessageBoxes()[0].text;
    EXPECT_EQ(m_driver.GetTranscript().StayedOpen(kSheet)->page, kConnectionPage);
    EXPECT_EQ(Stored("DIALOUT", 10), "Before");
    EXPECT_EQ(Stored("DIALOUT", 17), "5551000");

    // A line removed by another client while the sheet is open.
    Sheet()
        .SelectPage(kConnectionPage)
        .Choose(IDC_PROFILE_LINE, "SWLINE2")
        .Do([&](ui::CDialog&) {
            host::SOFError* error = nullptr;
            auto line =
                m_pHost->Objects().CreateObject(kinds::kLine, "TEST", "SYS1", "SWLINE2", &error);
            line->Delete(&error);
            ASSERT_EQ(error, nullptr);
        })
        .Ok();
    EXPECT_EQ(OpenExisting("DIALOUT"), ui::IDCANCEL);
    ASSERT_EQ(m_driver.GetTranscript().MessageBoxes().size(), 2u) << Transcript();
    EXPECT_NE(m_driver.GetTranscript().MessageBoxes()[1].text.find("SWLINE2"), std::string::npos)
        << m_driver.GetTranscript().MessageBoxes()[1].text;
    EXPECT_EQ(m_driver.GetTranscript().StayedOpen(kSheet)->page, kConnectionPage);
    EXPECT_EQ(Stored("DIALOUT", 4), "SWLINE1");
}

TEST_F(ConnectionPagesTest, TheMultilinkAndAdvancedValuesAreStored) {
    std::string proposedLinks;
    std::string periodAtFive;
    std::string caption;
    m_driver.When(kMultilink)
        .Do([&](ui::CDialog& dialog) {
            proposedLinks = dialog.GetDlgItemText(IDC_PROFILE_MAX_LINKS);
            caption = dialog.GetWindowText();
        })
        .Help()
        .SetText(IDC_PROFILE_MAX_LINKS, "4")
        .Ok()
        .SetText(IDC_PROFILE_MAX_LINKS, "2")
        .Check(IDC_PROFILE_BANDWIDTH)
        .Choose(IDC_PROFILE_ADD_PERCENTAGE, "75")
        .SetText(IDC_PROFILE_ADD_PERIOD, "5")
        .Spin(IDC_PROFILE_ADD_PERIOD_SPIN, -1)
        .Do([&](ui::CDialog& dialog) {
            periodAtFive = dialog.GetDlgItemText(IDC_PROFILE_ADD_PERIOD);
        })
        .SetText(IDC_PROFILE_ADD_PERIOD, "17")
        .Spin(IDC_PROFILE_ADD_PERIOD_SPIN, 1)
        .SetText(IDC_PROFILE_DROP_PERIOD, "17")
        .Spin(IDC_PROFILE_DROP_PERIOD_SPIN, -1)
        .Click(IDC_PROFILE_DIRECTION_BOTH)
        .Ok();
    // Cancel takes back what was changed since the dialog opened.
    m_driver.When(kMultilink)
        .SetText(IDC_PROFILE_MAX_LINKS, "1")
        .Check(IDC_PROFILE_BANDWIDTH, ui::BST_UNCHECKED)
        .Cancel();
    m_driver.When(kAdvanced)
        .Check(IDC_PROFILE_REDIAL_ON_DROP)
        .SetText(IDC_PROFILE_REDIAL_ATTEMPTS, "5")
        .SetText(IDC_PROFILE_REDIAL_DELAY, "30")
        .SetText(IDC_PROFILE_NUMERIC_SETTING, "120")
        .Ok();
    Sheet()
        .SetText(IDC_PROFILE_NAME, "BUNDLE")
        .SelectPage(kConnectionPage)
        .Choose(IDC_PROFILE_LINE, "MODEMS")
        .Click(IDC_PROFILE_NUMBER_ADD)
        .EditCell(IDC_PROFILE_NUMBERS, 0, 0, "5552000")
        .Check(IDC_PROFILE_MULTILINK)
        .Click(IDC_PROFILE_MULTILINK_SETTINGS)
        .Click(IDC_PROFILE_MULTILINK_SETTINGS)
        .Click(IDC_PROFILE_DIAL_ADVANCED)
        .Help()
        .Ok();
    EXPECT_EQ(OpenNew(1, 1, 2), ui::IDOK) << Transcript();
    EXPECT_EQ(proposedLinks, "3") << "a pool proposes as many links as it has lines";
    EXPECT_EQ(caption, res::FormatText(Text(IDS_PROFILE_MULTILINK_CAPTION), {"Bundle"}));
    const auto help = m_driver.GetTranscript().Of(ui::TranscriptEntry::Kind::Help);
    ASSERT_EQ(help.size(), 2u) << Transcript();
    EXPECT_EQ(help[0].topic, IDD_PROFILE_MULTILINK + 0x20000u);
    EXPECT_EQ(help[1].topic, IDD_PROFILE_DIAL_CONNECTION + 0x20000u);
    EXPECT_TRUE(help[0].found && help[1].found) << "both pages have their help topic";
    EXPECT_EQ(periodAtFive, "5");
    ASSERT_EQ(MessageIds(), std::vector<std::uint32_t>{ui::IDS_UI_RANGE}) << Transcript();
    EXPECT_EQ(m_driver.GetTranscript().MessageBoxes()[0].text,
              res::FormatText(Text(ui::IDS_UI_RANGE), {"1", "3"}));
    const std::map<int, std::string> expected = {
        {62, "MODEMS"}, {23, "2"},  {5, "*POOL"}, {16, "1"},  {26, "2"},  {40, "0"},
        {41, "1"},      {42, "75"}, {43, "20"},   {44, "40"}, {45, "15"}, {46, "2"},
        {24, "1"},      {78, "5"},  {79, "30"},   {20, "1"},  {21, "120"}};
    for (const auto& [id, value] : expected)
        EXPECT_EQ(Stored("BUNDLE", id), value) << "attribute " << id;
}

TEST_F(ConnectionPagesTest, AnAnsweringPoolServesAsManyCallersAsItHasLines) {
    AddProfile("POOLANS", {{1, "2"}, {4, ""}, {23, "3"}, {62, "MODEMS"}, {15, "1"}});
    int connectionsUpper = 0;
    Sheet()
        .SelectPage(kConnectionPage)
        .Do([&](ui::CDialog& sheet) {
            int lower = 0;
            ActivePage(sheet)
                .Spin(IDC_PROFILE_MAX_CONNECTIONS_SPIN)
                .GetRange(lower, connectionsUpper);
        })
        .SetText(IDC_PROFILE_MAX_CONNECTIONS, "4")
        .Ok()
        .SetText(IDC_PROFILE_MAX_CONNECTIONS, "3")
        .Check(IDC_PROFILE_MULTILINK)
        .SetText(IDC_PROFILE_LINKS, "3")
        .Check(IDC_PROFILE_BANDWIDTH_OPTION)
        .Ok();
    EXPECT_EQ(OpenExisting("POOLANS"), ui::IDOK) << Transcript();
    EXPECT_EQ(connectionsUpper, 3);
    ASSERT_EQ(MessageIds(), std::vector<std::uint32_t>{ui::IDS_UI_RANGE}) << Transcript();
    EXPECT_EQ(m_driver.GetTranscript().MessageBoxes()[0].text,
              res::FormatText(Text(ui::IDS_UI_RANGE), {"1", "3"}));
    EXPECT_EQ(Stored("POOLANS", 15), "3");
    EXPECT_EQ(Stored("POOLANS", 11), "2") << "an answering pool";
    EXPECT_EQ(Stored("POOLANS", 16), "1");
    EXPECT_EQ(Stored("POOLANS", 26), "3");
    EXPECT_EQ(Stored("POOLANS", 41), "1");

    // Multilink on one line keeps exactly one link.
    AddProfile("ONEANS", {{1, "2"}, {26, "4"}});
    bool linksEnabled = true;
    std::string links;
    Sheet()
        .SelectPage(kConnectionPage)
        .Check(IDC_PROFILE_MULTILINK)
        .Do([&](ui::CDialog& sheet) {
            linksEnabled = Enabled(ActivePage(sheet), IDC_PROFILE_LINKS);
            links = ActivePage(sheet).GetDlgItemText(IDC_PROFILE_LINKS);
        })
        .Ok();
    EXPECT_EQ(OpenExisting("ONEANS"), ui::IDOK) << Transcript();
    EXPECT_FALSE(linksEnabled);
    EXPECT_EQ(links, "1");
    EXPECT_EQ(Stored("ONEANS", 16), "1");
    EXPECT_EQ(Stored("ONEANS", 26), "1");
    EXPECT_EQ(Stored("ONEANS", 15), "1");
    EXPECT_EQ(Stored("ONEANS", 11), "1");
}

TEST_F(ConnectionPagesTest, TheMultilinkDialogProposesTheLinksOfTheLineChosenLast) {
    std::vector<std::string> proposed;
    auto capture = [&](ui::CDialog& dialog) {
        proposed.push_back(dialog.GetDlgItemText(IDC_PROFILE_MAX_LINKS));
    };
    m_driver.When(kMultilink).Do(capture).Ok();
    m_driver.When(kMultilink).Do(capture).Cancel();
    m_driver.When(kMultilink).Do(capture).Cancel();
    Sheet()
        .SetText(IDC_PROFILE_NAME, "TWOPOOLS")
        .SelectPage(kConnectionPage)
        .Choose(IDC_PROFILE_LINE, "MODEMS")
        .Click(IDC_PROFILE_NUMBER_ADD)
        .EditCell(IDC_PROFILE_NUMBERS, 0, 0, "5552000")
        .Check(IDC_PROFILE_MULTILINK)
        .Click(IDC_PROFILE_MULTILINK_SETTINGS)
        .Choose(IDC_PROFILE_LINE, "SPARE")
        .Click(IDC_PROFILE_MULTILINK_SETTINGS)
        .Click(IDC_PROFILE_MULTILINK_SETTINGS)
        .Ok();
    EXPECT_EQ(OpenNew(1, 1, 2), ui::IDOK) << Transcript();
    EXPECT_EQ(proposed, (Names{"3", "2", "2"}));
    EXPECT_EQ(Stored("TWOPOOLS", 62), "SPARE");
    EXPECT_EQ(Stored("TWOPOOLS", 26), "2");
    EXPECT_EQ(Stored("TWOPOOLS", 41), "0");
}

TEST_F(ConnectionPagesTest, AnISDNAnswerProfileStartsWithSixCallersOfTwoLinks) {
    std::string connections, links;
    bool linksEnabled = true, optionWithTwoLinks = false;
    std::string linksAfterOff;
    Sheet()
        .SetText(IDC_PROFILE_NAME, "ISDNIN")
        .SelectPage(kConnectionPage)
        .Do([&](ui::CDialog& sheet) {
            connections = ActivePage(sheet).GetDlgItemText(IDC_PROFILE_MAX_CONNECTIONS);
            links = ActivePage(sheet).GetDlgItemText(IDC_PROFILE_LINKS);
            linksEnabled = Enabled(ActivePage(sheet), IDC_PROFILE_LINKS);
        })
        .Choose(IDC_PROFILE_LINE, "ISDN1")
        .Check(IDC_PROFILE_MULTILINK)
        .Do([&](ui::CDialog& sheet) {
            optionWithTwoLinks = Enabled(ActivePage(sheet), IDC_PROFILE_BANDWIDTH_OPTION);
        })
        .Check(IDC_PROFILE_BANDWIDTH_OPTION)
        .Check(IDC_PROFILE_MULTILINK, ui::BST_UNCHECKED)
        .Do([&](ui::CDialog& sheet) {
            linksAfterOff = ActivePage(sheet).GetDlgItemText(IDC_PROFILE_LINKS);
        })
        .Check(IDC_PROFILE_MULTILINK)
        .SetText(IDC_PROFILE_LINKS, "7")
        .Ok()
        .SetText(IDC_PROFILE_LINKS, "4")
        .SelectPageByTemplate(IDD_PROFILE_TCPIP_ANSWER)
        .SetText(IDC_TCPIP_ANS_REMOTE_ADDRESS, "10.8.0.10")
        .Ok();
    EXPECT_EQ(OpenNew(1, 2, 5), ui::IDOK) << Transcript();
    EXPECT_EQ(connections, "6");
    EXPECT_EQ(links, "2");
    EXPECT_FALSE(linksEnabled) << "until multilink is on";
    EXPECT_TRUE(optionWithTwoLinks);
    EXPECT_EQ(linksAfterOff, "2") << "an ISDN line under its own label keeps two links";
    ASSERT_EQ(MessageIds(), std::vector<std::uint32_t>{ui::IDS_UI_RANGE}) << Transcript();
    EXPECT_EQ(m_driver.GetTranscript().MessageBoxes()[0].text,
              res::FormatText(Text(ui::IDS_UI_RANGE), {"1", "6"}))
        << "no more links than connections";
    const std::map<int, std::string> expected = {{4, "ISDN1"}, {5, "*ISDN"}, {23, "5"}, {11, "2"},
                                                 {15, "6"},    {16, "1"},    {26, "4"}, {41, "0"}};
    for (const auto& [id, value] : expected)
        EXPECT_EQ(Stored("ISDNIN", id), value) << "attribute " << id;
}

TEST_F(ConnectionPagesTest, NewOpensTheLineSheetOnTheTypedNameAndTheNewLineIsChosen) {
    // The demo system has the free ports and modems a new line needs.
    auto system = m_state.OpenSystem("SYS1");
    ASSERT_TRUE(system.ok());
    ASSERT_TRUE(server::SeedDemoData(**system).ok());
    std::string proposed;
    bool nameReadOnly = false;
    m_driver.When(kLineSheet)
        .Do([&](ui::CDialog& sheet) {
            proposed = ActivePage(sheet).GetDlgItemText(IDC_LINE_NAME);
            nameReadOnly = ActivePage(sheet).Edit(IDC_LINE_NAME).IsReadOnly();
        })
        .Choose(IDC_LINE_RESOURCE, "CMN08")
        .Ok();
    std::string propertiesCaption;
    m_driver.When(kLineSheet)
        .Do([&](ui::CDialog& sheet) { propertiesCaption = sheet.GetWindowText(); })
        .Cancel();
    bool newWhenEmpty = true, propertiesWhenEmpty = true;
    bool newWhenTyped = false, propertiesWhenTyped = true;
    bool newAfter = true, propertiesAfter = false;
    Sheet()
        .SetText(IDC_PROFILE_NAME, "VIANEW")
        .SelectPage(kConnectionPage)
        .Do([&](ui::CDialog& sheet) {
            newWhenEmpty = Enabled(ActivePage(sheet), IDC_PROFILE_LINE_NEW);
            propertiesWhenEmpty = Enabled(ActivePage(sheet), IDC_PROFILE_LINE_PROPERTIES);
        })
        .SetText(IDC_PROFILE_LINE, "pppnew")
        .Do([&](ui::CDialog& sheet) {
            newWhenTyped = Enabled(ActivePage(sheet), IDC_PROFILE_LINE_NEW);
            propertiesWhenTyped = Enabled(ActivePage(sheet), IDC_PROFILE_LINE_PROPERTIES);
        })
        .Click(IDC_PROFILE_LINE_NEW)
        .Do([&](ui::CDialog& sheet) {
            newAfter = Enabled(ActivePage(sheet), IDC_PROFILE_LINE_NEW);
            propertiesAfter = Enabled(ActivePage(sheet), IDC_PROFILE_LINE_PROPERTIES);
        })
        .Click(IDC_PROFILE_LINE_PROPERTIES)
        .Click(IDC_PROFILE_NUMBER_ADD)
        .EditCell(IDC_PROFILE_NUMBERS, 0, 0, "5550100")
        .Ok();
    EXPECT_EQ(OpenNew(1, 1, 1), ui::IDOK) << Transcript();
    EXPECT_FALSE(newWhenEmpty);
    EXPECT_FALSE(propertiesWhenEmpty);
    EXPECT_TRUE(newWhenTyped);
    EXPECT_FALSE(propertiesWhenTyped);
    EXPECT_EQ(proposed, "pppnew");
    EXPECT_TRUE(nameReadOnly) << "the line gets the name typed on the page";
    EXPECT_FALSE(newAfter) << "the new line is listed and chosen";
    EXPECT_TRUE(propertiesAfter);
    EXPECT_EQ(propertiesCaption,
              res::FormatText(Text(IDS_LINE_PROPERTIES_CAPTION), {"Pppnew", "SYS1"}));
    EXPECT_EQ(Stored("VIANEW", 4), "PPPNEW");
    auto log = (*system)->ReadCommandLog();
    ASSERT_TRUE(log.ok());
    ASSERT_FALSE(log->empty());
    EXPECT_EQ(log->back().command.rfind("QSYS/CRTLINPPP LIND(PPPNEW) RSRCNAME(CMN08)", 0), 0u)
        << log->back().command;
    EXPECT_TRUE(m_driver.GetTranscript().MessageBoxes().empty()) << Transcript();
}

TEST_F(ConnectionPagesTest, TheDigitalLineSheetOpensForANewOrChosenLineAndCancelChangesNothing) {
    std::string lineAfter;
    int digitalSheets = 0;
    for (int opening = 0; opening < 2; ++opening)
        m_driver.When("CPointToPointProfileLineDigitalPropertySheet")
            .Do([&](ui::CDialog&) { ++digitalSheets; })
            .Cancel();
    Sheet()
        .SelectPage(kConnectionPage)
        .SetText(IDC_PROFILE_LINE, "NEWISDN")
        .Click(IDC_PROFILE_LINE_NEW)
        .Choose(IDC_PROFILE_LINE, "ISDN1")
        .Click(IDC_PROFILE_LINE_PROPERTIES)
        .Do([&](ui::CDialog& sheet) {
            lineAfter = ActivePage(sheet).GetDlgItemText(IDC_PROFILE_LINE);
        });
    const std::size_t lines = List(kinds::kLine).size();
    EXPECT_EQ(OpenNew(1, 1, 5), ui::IDCANCEL);
    EXPECT_EQ(lineAfter, "ISDN1");
    EXPECT_EQ(digitalSheets, 2) << Transcript();
    EXPECT_TRUE(m_driver.GetTranscript().MessageBoxes().empty()) << Transcript();
    EXPECT_EQ(List(kinds::kLine).size(), lines) << "no line was made or changed";
}

// A pool is made on the pool sheet from the name typed on the page, then listed, chosen and
// stored; Properties opens the same pool, and the line moved into it carries its name.
TEST_F(ConnectionPagesTest, APoolMadeFromTheConnectionPageIsChosenThereAndStored) {
    std::string proposed, newCaption, propertiesCaption, chosen;
    bool propertiesEnabled = false;
    m_driver.When(kPoolSheet)
        .Do([&](ui::CDialog& sheet) {
            newCaption = sheet.GetWindowText();
            proposed = ActivePage(sheet).GetDlgItemText(IDC_LINE_POOL_NAME);
        })
        .Choose(IDC_LINE_POOL_AVAILABLE, std::string("SWLINE2"))
        .Click(IDC_LINE_POOL_ADD)
        .Ok();
    m_driver.When(kPoolSheet)
        .Do([&](ui::CDialog& sheet) { propertiesCaption = sheet.GetWindowText(); })
        .Cancel();
    Sheet()
        .SetText(IDC_PROFILE_NAME, "POOLNEW")
        .SelectPage(kConnectionPage)
        .SetText(IDC_PROFILE_LINE, "NEWPOOL")
        .Click(IDC_PROFILE_LINE_NEW)
        .Do([&](ui::CDialog& sheet) {
            chosen = ActivePage(sheet).GetDlgItemText(IDC_PROFILE_LINE);
            propertiesEnabled = Enabled(ActivePage(sheet), IDC_PROFILE_LINE_PROPERTIES);
        })
        .Click(IDC_PROFILE_LINE_PROPERTIES)
        .Click(IDC_PROFILE_NUMBER_ADD)
        .EditCell(IDC_PROFILE_NUMBERS, 0, 0, "5550100")
        .Ok();
    EXPECT_EQ(OpenNew(1, 1, 2), ui::IDOK) << Transcript();
    EXPECT_EQ(proposed, "NEWPOOL");
    EXPECT_EQ(newCaption, res::FormatText(Text(IDS_LINE_POOL_NEW_CAPTION), {"SYS1"}));
    EXPECT_EQ(chosen, "NEWPOOL");
    EXPECT_TRUE(propertiesEnabled);
    EXPECT_EQ(propertiesCaption,
              res::FormatText(Text(IDS_LINE_POOL_PROPERTIES_CAPTION), {"Newpool", "SYS1"}));
    EXPECT_EQ(Stored("POOLNEW", attr::profile::kPoolName), "NEWPOOL");
    EXPECT_EQ(LinePool("SWLINE2"), "NEWPOOL");
    EXPECT_EQ(LinePool("SWLINE1"), "");
    EXPECT_TRUE(m_driver.GetTranscript().MessageBoxes().empty()) << Transcript();
}

// Without changes allowed the pool sheet still opens to show the pool, and nothing is stored.
TEST_F(ConnectionPagesTest, APoolProfileWithoutChangesAllowedShowsItsPool) {
    AddProfile("POOLDIAL", {{1, "6"}, {4, ""}, {23, "2"}, {62, "MODEMS"}});
    m_options.changesAllowed = false;
    bool boxEnabled = true, newEnabled = true, okEnabled = true;
    std::vector<std::string> members;
    m_driver.When(kPoolSheet)
        .Do([&](ui::CDialog& sheet) {
            okEnabled = Enabled(sheet, ui::IDOK);
            members = Rows(ActivePage(sheet), IDC_LINE_POOL_MEMBERS);
        })
        .Cancel();
    Sheet()
        .SelectPage(kConnectionPage)
        .Do([&](ui::CDialog& sheet) {
            boxEnabled = Enabled(ActivePage(sheet), IDC_PROFILE_LINE);
            newEnabled = Enabled(ActivePage(sheet), IDC_PROFILE_LINE_NEW);
        })
        .Click(IDC_PROFILE_LINE_PROPERTIES);
    EXPECT_EQ(OpenExisting("POOLDIAL"), ui::IDCANCEL);
    EXPECT_FALSE(boxEnabled);
    EXPECT_FALSE(newEnabled);
    EXPECT_FALSE(okEnabled);
    EXPECT_EQ(members, (Names{"POOLED1", "POOLED2", "POOLED3"}));
    EXPECT_EQ(Stored("POOLDIAL", attr::profile::kPoolName), "MODEMS");
}

// The demo system carries every kind of dial and answer profile on lines it has; the one whose
// line was deleted is the exception it is meant to be.
TEST_F(ConnectionPagesTest, EveryDemoDialAndAnswerProfileOpensOnItsLineAndSaves) {
    auto system = m_state.OpenSystem("SYS1");
    ASSERT_TRUE(system.ok());
    ASSERT_TRUE(server::SeedDemoData(**system).ok());
    // The demo starts some profiles; a running profile cannot be changed.
    for (const auto& row : List(kinds::kProfile)) {
        (void)(*system)->Transact(
            [&](server::ObjectTx& tx) { return (*system)->Jobs().End(tx, row.at(0)); });
    }
    std::set<std::string> kinds;
    for (const auto& row : List(kinds::kProfile)) {
        const std::string name = row.at(0);
        const std::string service = row.count(6) ? row.at(6) : "";
        if (service != "1" && service != "2") continue;
        Sheet().SelectPage(kConnectionPage).Ok();
        const auto result = OpenExisting(name);
        if (name == "OLDMODEM") {
            EXPECT_EQ(result, ui::IDCANCEL);
            EXPECT_EQ(MessageIds().back(), IDS_PROFILE_LINE_NOT_LISTED);
            continue;
        }
        EXPECT_EQ(result, ui::IDOK) << name << "\n" << Transcript();
        kinds.insert(service + "/" + row.at(1) + "/" + row.at(23));
    }
    EXPECT_EQ(m_driver.GetTranscript().MessageBoxes().size(), 1u) << Transcript();
    // Switched dial on one line, a pool and ISDN; switched answer on one line, both kinds of
    // pool and ISDN; leased dial and answer.
    for (const char* kind :
         {"1/1/1", "1/6/2", "1/1/5", "1/2/1", "1/2/2", "1/2/3", "1/2/4", "2/1/1", "2/2/1"})
        EXPECT_TRUE(kinds.count(kind)) << kind;
    // Saved without a visit to its TCP/IP page, an answering profile keeps its filter rules.
    const auto answering = (*system)->GetObject(kinds::kProfile, "REMOTEUSR");
    ASSERT_TRUE(answering.ok());
    EXPECT_EQ(answering->Get(ptp::attr::profile::kFilterRulesOn), "1");
    EXPECT_EQ(answering->Get(ptp::attr::profile::kFilterRulesName), "ISPFILTER");
}

// Another user changes the profile while the sheet is open: OK is refused with the server's
// words, the sheet keeps what this user typed, and the second OK replaces the other change.
TEST_F(ConnectionPagesTest, AnotherUsersChangeMeanwhileIsRefusedAndTheSecondOkReplacesIt) {
    AddProfile("DIALOUT");
    std::string kept;
    Sheet()
        .SetText(IDC_PROFILE_DESCRIPTION, "Mine")
        .Do([&](ui::CDialog&) {
            Put(kinds::kProfile, "DIALOUT", {{attr::profile::kDescription, "Theirs"}});
        })
        .Ok()
        .Do([&](ui::CDialog& sheet) {
            kept = ActivePage(sheet).GetDlgItemText(IDC_PROFILE_DESCRIPTION);
            EXPECT_EQ(Stored("DIALOUT", 10), "Theirs") << "nothing saved over theirs yet";
        })
        .Ok();
    EXPECT_EQ(OpenExisting("DIALOUT"), ui::IDOK) << Transcript();
    const auto boxes = m_driver.GetTranscript().MessageBoxes();
    ASSERT_EQ(boxes.size(), 1u) << Transcript();
    EXPECT_NE(boxes[0].text.find("was changed by another user after you read it"),
              std::string::npos)
        << boxes[0].text;
    EXPECT_EQ(kept, "Mine");
    EXPECT_EQ(Stored("DIALOUT", 10), "Mine");
}

}  // namespace
}  // namespace ptp::profiles
