// The Ethernet, PPPoE and L2TP line sheets against a real server seeded with the demo system:
// what they write into the line files and validation lists, the create command of an Ethernet
// line, what they refuse, and what a save that fails half way leaves behind.
#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

#include "config/config_paths.h"
#include "config/l2tp_line_config.h"
#include "lines/point_to_point_profile_line_ethernet_property_sheet.h"
#include "lines/point_to_point_profile_line_l2tp_property_sheet.h"
#include "lines/point_to_point_profile_line_pppoe_property_sheet.h"
#include "platform/vocabulary/system_value.h"
#include "platform/vocabulary/validation_list.h"
#include "resources/ids/line_tunnels.h"
#include "server/stream_files.h"
#include "tests/lines/line_sheet_fixture.h"

namespace ptp::lines {
namespace {

constexpr const char* kL2TPFile = "/QKTL/UserData/NOS50/TCPIP/PPP/L2TPLine.cfg";
constexpr const char* kPPPoEFile = "/QKTL/UserData/NOS50/TCPIP/PPP/PPPoELine.cfg";
constexpr const char* kPPPoESheet = "CPointToPointProfileLinePPPoEPropertySheet";
constexpr const char* kL2TPSheet = "CPointToPointProfileLineL2TPPropertySheet";
constexpr const char* kEthernetSheet = "CPointToPointProfileLineEthernetPropertySheet";

std::string Hex(std::string_view text) {
    std::string hex;
    char digits[3];
    for (unsigned char c : text) {
        std::snprintf(digits, sizeof digits, "%02X", c);
        hex += digits;
    }
    return hex;
}

class VirtualLineSheetsTest : public LineSheetTest {
  protected:
    // The record line of `name` in a line file (its first token names the line), or empty.
    std::string RecordOf(const char* path, const std::string& key, const std::string& name) {
        auto file = m_pSystem->Files().Read(path);
        if (!file.ok()) return {};
        std::istringstream lines(file->text);
        for (std::string line; std::getline(lines, line);) {
            if (line.rfind(key + name + " ", 0) == 0) return line;
        }
        return {};
    }
    int RecordCount(const char* path) {
        auto file = m_pSystem->Files().Read(path);
        if (!file.ok()) return -1;
        int count = 0;
        std::istringstream lines(file->text);
        for (std::string line; std::getline(lines, line);)
            count += line.empty() ? 0 : 1;
        return count;
    }
    std::map<int, std::string> Entry(const std::string& list, const std::string& line) {
        auto entry =
            m_pSystem->GetObject(kinds::kValidationListEntry, list + "/" + Hex("L2TP:" + line));
        return entry.ok() ? entry->attributes : std::map<int, std::string>{};
    }

    ui::INT_PTR PlayPPPoE(const std::string& existing, const std::string& proposed,
                          bool* created = nullptr) {
        ui::ScopedDriver scoped(m_driver);
        CPointToPointProfileLinePPPoEPropertySheet sheet("");
        sheet.SetSystemName("SYS1");
        sheet.SetExistingLineName(existing);
        sheet.SetProposedLineName(proposed);
        const ui::INT_PTR result = sheet.DoModal();
        if (created) *created = sheet.WasLineCreated();
        return result;
    }
    ui::INT_PTR PlayL2TP(const std::string& existing, const std::string& proposed,
                         config::CPointToPointProfileL2TPLineConfigFile* file = nullptr) {
        ui::ScopedDriver scoped(m_driver);
        CPointToPointProfileLineL2TPPropertySheet sheet("");
        sheet.SetSystemName("SYS1");
        sheet.SetExistingLineName(existing);
        sheet.SetProposedLineName(proposed);
        sheet.SetConfigFile(file);
        return sheet.DoModal();
    }
    ui::INT_PTR PlayEthernet(const std::string& existing, bool* created = nullptr) {
        ui::ScopedDriver scoped(m_driver);
        CPointToPointProfileLineEthernetPropertySheet sheet("");
        sheet.SetSystemName("SYS1");
        sheet.SetExistingLineName(existing);
        const ui::INT_PTR result = sheet.DoModal();
        if (created) *created = sheet.WasLineCreated();
        return result;
    }
};

TEST_F(VirtualLineSheetsTest, ANewPPPoELineJoinsItsFileWithThePageValuesAfterTheChecks) {
    m_driver.When(kPPPoESheet)
        .SelectPageByTemplate(IDD_PPPOE_LINE_LINK)
        .SetText(IDC_PPPOE_LINE_ETHERNET, "NOSUCH")
        .SetText(IDC_PPPOE_LINE_MAX_FRAME, "1500")
        .SelectPage(0)
        .SetText(IDC_VLINE_DESCRIPTION, " DSL  to the ISP ")
        .Ok()
        .Choose(IDC_PPPOE_LINE_ETHERNET, "ETHLINE")
        .Ok()
        .SetText(IDC_PPPOE_LINE_MAX_FRAME, "1400")
        .SelectPageByTemplate(IDD_VLINE_LCP)
        .SetText(IDC_VLINE_RETRY_TIMER, "2.55")
        .Ok()
        .SetText(IDC_VLINE_RETRY_TIMER, "2.5")
        .Ok();
    bool created = false;
    EXPECT_EQ(PlayPPPoE("", "pppoe2", &created), ui::IDOK) << Transcript();

    EXPECT_TRUE(created);
    EXPECT_EQ(MessageIds(), (std::vector<UINT>{IDS_VLINE_ETHERNET_NOT_LISTED, IDS_LINE_VALUE_RANGE,
                                               IDS_VLINE_RETRY_RANGE}))
        << Transcript();
    EXPECT_EQ(RecordOf(kPPPoEFile, "PELINENAME=", "PPPOE2"),
              "PELINENAME=PPPOE2 PHYSICALLINENAME=ETHLINE PEMAXFRAMESIZE=1400 KEEPACTIVESESALV=1 "
              "PEAUTHRMTPEERPERIODIC=0 PEAUTHRMTPEERINTERVAL=0 PEMAXAUTHATTEMPTS=5 "
              "PELCPCFGRTYTIMER=2.5 PELCPMAXCFGFAILURES=5 PELCPMAXCFGREQUESTS=10 "
              "PELCPMAXTERMREQUESTS=2 PERECOVERYCOUNTLIMIT=6 PERECOVERYTIME=32 "
              "PELINEDESCRIPTION=DSL  to the ISP ");
    EXPECT_FALSE(RecordOf(kPPPoEFile, "PELINENAME=", "PPPOELINE").empty())
        << "the other lines stay in the file";
    EXPECT_TRUE(Commands().empty()) << "a virtual line needs no command";
}

TEST_F(VirtualLineSheetsTest, ThePPPoELinkPageMakesTheEthernetLineItNeedsWithOneCommand) {
    m_driver.When(kPPPoESheet)
        .SelectPageByTemplate(IDD_PPPOE_LINE_LINK)
        .SetText(IDC_PPPOE_LINE_ETHERNET, "eth2")
        .Click(IDC_PPPOE_LINE_ETHERNET_NEW)
        .Ok();
    m_driver.When(kEthernetSheet).Choose(IDC_ETH_LINE_RESOURCE, "CMN11").Ok();
    EXPECT_EQ(PlayPPPoE("", "PPPOE3"), ui::IDOK) << Transcript();

    EXPECT_EQ(Commands(), (std::vector<std::string>{
                              "QSYS/CRTLINETH LIND(ETH2) RSRCNAME(CMN11) TEXT(*BLANK) ONLINE(*NO) "
                              "ETHSTD(*ETHV2) LINESPEED(*AUTO) DUPLEX(*AUTO) MSGQ(*SYSVAL) "
                              "AUT(*LIBCRTAUT)"}))
        << Transcript();
    EXPECT_EQ(Line("ETH2").Get(attr::line::kType), "*ETH");
    EXPECT_NE(RecordOf(kPPPoEFile, "PELINENAME=", "PPPOE3").find(" PHYSICALLINENAME=ETH2 "),
              std::string::npos)
        << "the new Ethernet line is listed at once and carries the PPPoE line";
}

TEST_F(VirtualLineSheetsTest,
       AnEthernetLineTheStandInRefusesKeepsTheSheetOpenAndAnExistingOneChanges) {
    m_driver.When(kEthernetSheet)
        .SetText(IDC_ETH_LINE_NAME, "ethline")
        .Choose(IDC_ETH_LINE_RESOURCE, "CMN11")
        .SelectPageByTemplate(IDD_ETH_LINE_LINK)
        .Choose(IDC_ETH_LINE_SPEED, 1)
        .Choose(IDC_ETH_LINE_DUPLEX, 1)
        .SetText(IDC_ETH_LINE_MSGQ, "lanmsgs")
        .Ok()
        .SetText(IDC_ETH_LINE_MSGQ_LIBRARY, "qusrsys")
        .SelectPage(0)
        .SetText(IDC_ETH_LINE_DESCRIPTION, "Kim's LAN")
        .Ok()
        .SetText(IDC_ETH_LINE_NAME, "LAN2")
        .Ok();
    bool created = false;
    EXPECT_EQ(PlayEthernet("", &created), ui::IDOK) << Transcript();

    EXPECT_TRUE(created);
    const auto boxes = m_driver.GetTranscript().MessageBoxes();
    ASSERT_EQ(boxes.size(), 2u) << Transcript();
    EXPECT_EQ(boxes[0].resourceId, static_cast<UINT>(IDS_VLINE_MSGQ_INVALID));
    EXPECT_EQ(boxes[1].text.rfind("CPF", 0), 0u) << "the server's own refusal: " << boxes[1].text;
    const std::vector<std::string> commands = Commands();
    ASSERT_EQ(commands.size(), 2u);
    EXPECT_EQ(commands[1],
              "QSYS/CRTLINETH LIND(LAN2) RSRCNAME(CMN11) TEXT('Kim''s LAN') ONLINE(*NO) "
              "ETHSTD(*ETHV2) LINESPEED(100M) DUPLEX(*FULL) MSGQ(QUSRSYS/LANMSGS) "
              "AUT(*LIBCRTAUT)");
    EXPECT_EQ(Line("ETHLINE").Get(attr::line::kResource), "CMN10") << "the refused line stays";

    m_driver.When(kEthernetSheet)
        .SelectPageByTemplate(IDD_ETH_LINE_LINK)
        .Choose(IDC_ETH_LINE_DUPLEX, 2)
        .Ok();
    EXPECT_EQ(PlayEthernet("ETHLINE"), ui::IDOK) << Transcript();
    EXPECT_EQ(Line("ETHLINE").Get(attr::line::kDuplex), "*AUTO");
    EXPECT_EQ(Line("ETHLINE").Get(attr::line::kText), "Gigabit Ethernet");
    EXPECT_EQ(Commands().size(), 2u) << "an existing line changes through its object";
}

TEST_F(VirtualLineSheetsTest, ANewL2TPLineKeepsItsTunnelAuthenticationInValidationLists) {
    Put(kinds::kValidationList, "TUNNELS",
        {{attr::validation_list::kName, "TUNNELS"}, {attr::validation_list::kLibrary, "QUSRSYS"}});
    std::vector<std::string> offered;
    m_driver.When(kL2TPSheet)
        .SelectPageByTemplate(IDD_L2TP_LINE_DIAL_AUTH)
        .SetText(IDC_L2TP_DIAL_HOST_NAME, "lac.example.com")
        .Check(IDC_L2TP_DIAL_SECRET_ON)
        .Ok()
        .SetText(IDC_L2TP_DIAL_SECRET, "s3cret word")
        .SelectPageByTemplate(IDD_L2TP_LINE_ANS_AUTH)
        .Do([&](ui::CDialog& sheet) {
            ui::CComboBox& lists = ActivePage(sheet).ComboBox(IDC_L2TP_ANS_LIST);
            for (int index = 0; index < lists.GetCount(); ++index)
                offered.push_back(lists.GetLBText(index));
        })
        .Check(IDC_L2TP_ANS_REQUIRE)
        .SetText(IDC_L2TP_ANS_HOST_NAME, "lns.example.com")
        .SetText(IDC_L2TP_ANS_LIST, "qtocptp")
        .Ok()
        .Choose(IDC_L2TP_ANS_LIST, "TUNNELS")
        .Ok();
    EXPECT_EQ(PlayL2TP("", "TUNL2"), ui::IDOK) << Transcript();

    EXPECT_EQ(offered, (std::vector<std::string>{"REMOTEUSRS", "TUNNELS"}));
    EXPECT_EQ(MessageIds(), (std::vector<UINT>{IDS_VLINE_SECRET_REQUIRED, IDS_VLINE_LIST_REQUIRED}))
        << Transcript();
    const std::string record = RecordOf(kL2TPFile, "LINENAME=", "TUNL2");
    EXPECT_EQ(record,
              "LINENAME=TUNL2 FRAMING=0 BANDWIDTH=115200 MAXFRAMESIZE=1500 ACTIVEPACKETNBR=0 "
              "ACTIVEPACKETSIZE=0 ACTIVETUNNELKEEPALV=1 AUTHRMTPEERPERIODIC=0 "
              "AUTHRMTPEERINTERVAL=0 MAXAUTHATTEMPTS=5 LCPCFGRTYTIMER=3.0 LCPMAXCFGFAILURES=5 "
              "LCPMAXCFGREQUESTS=10 LCPMAXTERMREQUESTS=2 RECOVERYCOUNTLIMIT=6 RECOVERYTIME=32 "
              "REQRMTSYSID=1 VLDLNAME=TUNNELS LINEDESCRIPTION= ");
    auto dial = Entry("QTOCPTP", "TUNL2");
    EXPECT_EQ(dial[attr::validation_list_entry::kData1], "lac.example.com");
    EXPECT_EQ(dial[attr::validation_list_entry::kData2], "s3cret word");
    EXPECT_EQ(Entry("TUNNELS", "TUNL2")[attr::validation_list_entry::kData1], "lns.example.com");
    auto retain = m_pSystem->GetObject(kinds::kSystemValue, "QRETSVRSEC");
    ASSERT_TRUE(retain.ok());
    EXPECT_EQ(retain->Get(attr::system_value::kValue), "1")
        << "secrets are kept retrievable once one is stored";

    // Shown again, the line reads its authentication back from the lists.
    std::string shownHost;
    std::string shownList;
    m_driver.When(kL2TPSheet)
        .SelectPageByTemplate(IDD_L2TP_LINE_DIAL_AUTH)
        .Do([&](ui::CDialog& sheet) {
            shownHost = ActivePage(sheet).GetDlgItemText(IDC_L2TP_DIAL_HOST_NAME);
        })
        .SelectPageByTemplate(IDD_L2TP_LINE_ANS_AUTH)
        .Do([&](ui::CDialog& sheet) {
            shownList = ActivePage(sheet).GetDlgItemText(IDC_L2TP_ANS_LIST);
        })
        .Cancel();
    EXPECT_EQ(PlayL2TP("TUNL2", ""), ui::IDCANCEL);
    EXPECT_EQ(shownHost, "lac.example.com");
    EXPECT_EQ(shownList, "TUNNELS");
}

TEST_F(VirtualLineSheetsTest, AnL2TPSaveThatFailsHalfWaySaysWhatWasSavedAndTheNextOkFinishes) {
    const std::string before = m_pSystem->Files().Read(kL2TPFile)->text;
    m_driver
        .When(kL2TPSheet)
        // A list that is gone: nothing at all is saved.
        .SelectPageByTemplate(IDD_L2TP_LINE_ANS_AUTH)
        .Check(IDC_L2TP_ANS_REQUIRE)
        .SetText(IDC_L2TP_ANS_LIST, "GONE")
        .Ok()
        // The entries reach their lists, but the line file is held by another console.
        .Choose(IDC_L2TP_ANS_LIST, "REMOTEUSRS")
        .Do([&](ui::CDialog&) {
            ASSERT_TRUE(m_pSystem->Files().Claim(kL2TPFile, "another-console").ok());
        })
        .SelectPageByTemplate(IDD_L2TP_LINE_DIAL_AUTH)
        .SetText(IDC_L2TP_DIAL_HOST_NAME, "lac.example.com")
        .Ok()
        .Do([&](ui::CDialog&) { m_pSystem->Files().Release(kL2TPFile, "another-console"); })
        .Ok();
    EXPECT_EQ(PlayL2TP("", "HALF"), ui::IDOK) << Transcript();

    const auto boxes = m_driver.GetTranscript().MessageBoxes();
    ASSERT_EQ(boxes.size(), 2u) << Transcript();
    EXPECT_EQ(boxes[0].resourceId, static_cast<UINT>(IDS_VLINE_VALIDATION_LIST_MISSING));
    EXPECT_NE(boxes[0].text.find("GONE"), std::string::npos);
    EXPECT_EQ(boxes[0].style, static_cast<UINT>(ui::MB_ICONWARNING | ui::MB_SYSTEMMODAL));
    EXPECT_EQ(boxes[1].resourceId, static_cast<UINT>(IDS_VLINE_FILE_NOT_SAVED_AFTER_SECRETS));
    EXPECT_FALSE(Entry("REMOTEUSRS", "HALF").empty()) << "the answering entry stays written";
    EXPECT_EQ(Entry("QTOCPTP", "HALF")[attr::validation_list_entry::kData1], "lac.example.com");
    EXPECT_EQ(RecordCount(kL2TPFile), 2) << "the line joined the file once: " << before;
    EXPECT_FALSE(RecordOf(kL2TPFile, "LINENAME=", "HALF").empty());
}

TEST_F(VirtualLineSheetsTest, AFileThatCannotBeWrittenLeavesTheOpenersFileAsItWas) {
    config::CPointToPointProfileL2TPLineConfigFile file("SYS1", config::kL2TPLineConfigPath, 0);
    {
        ui::ScopedDriver scoped(m_driver);
        ASSERT_EQ(file.Load(), 0);
    }
    ASSERT_TRUE(m_pSystem->Files().Claim(kL2TPFile, "another-console").ok());
    m_driver.When(kL2TPSheet).SelectPageByTemplate(IDD_VLINE_GENERAL).Ok().Cancel();
    EXPECT_EQ(PlayL2TP("", "NOFILE", &file), ui::IDCANCEL) << Transcript();

    EXPECT_EQ(MessageIds(), (std::vector<UINT>{IDS_VLINE_FILE_NOT_SAVED})) << Transcript();
    EXPECT_EQ(file.GetCount(), 1u) << "the refused line left the opener's file";
    EXPECT_TRUE(Entry("QTOCPTP", "NOFILE").empty()) << "no authentication, no entry";
}

TEST_F(VirtualLineSheetsTest, AnExistingL2TPLineChangesOnlyWhatItsShownPagesHold) {
    m_driver.When(kL2TPSheet)
        .SelectPageByTemplate(IDD_L2TP_LINE_LINK)
        .Check(IDC_L2TP_LINE_KEEP_ALIVE, ui::BST_UNCHECKED)
        .Choose(IDC_L2TP_LINE_SPEED, "2048000")
        .SetText(IDC_L2TP_LINE_MAX_FRAME, "999")
        .Ok()
        .SetText(IDC_L2TP_LINE_MAX_FRAME, "4096")
        .Ok();
    EXPECT_EQ(PlayL2TP("l2tpline", ""), ui::IDOK) << Transcript();

    EXPECT_EQ(MessageIds(), (std::vector<UINT>{IDS_LINE_VALUE_RANGE}));
    const std::string record = RecordOf(kL2TPFile, "LINENAME=", "L2TPLINE");
    EXPECT_NE(record.find(" BANDWIDTH=2048000 MAXFRAMESIZE=4096 "), std::string::npos) << record;
    EXPECT_NE(record.find(" ACTIVETUNNELKEEPALV=0 "), std::string::npos) << record;
    EXPECT_NE(record.find(" LINEDESCRIPTION=L2TP virtual line "), std::string::npos) << record;
    EXPECT_TRUE(Entry("QTOCPTP", "L2TPLINE").empty()) << "a dial page never shown writes nothing";

    EXPECT_EQ(PlayL2TP("NOLINE", ""), ui::IDCANCEL);
    EXPECT_EQ(MessageIds().back(), static_cast<UINT>(IDS_VLINE_NOT_FOUND));
}

}  // namespace
}  // namespace ptp::lines
