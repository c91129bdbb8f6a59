// The digital line sheet against a real server seeded with the demo system: the create and change
// commands of switched and leased lines, the connection lists and entries made before them (and
// only the differences on a change), the replies that do not stop a commit, and what a refusal
// half way leaves on the server and in the connection-list file.
#include <gtest/gtest.h>

#include <sstream>

#include "host/fault_injection.h"
#include "lines/point_to_point_profile_line_digital_property_sheet.h"
#include "platform/vocabulary/connection_list.h"
#include "resources/ids/line_digital.h"
#include "server/stream_files.h"
#include "tests/lines/line_sheet_fixture.h"

namespace ptp::lines {
namespace {

constexpr const char* kDigitalSheet = "CPointToPointProfileLineDigitalPropertySheet";
constexpr const char* kCnnlstFile = "/QKTL/UserData/NOS50/TCPIP/PPP/Cnnlist.cfg";

class DigitalLineSheetTest : public LineSheetTest {
  protected:
    ui::INT_PTR PlayDigital(const std::string& existing, const CLineProfileKind& profile,
                            bool* created = nullptr) {
        ui::ScopedDriver scoped(m_driver);
        CPointToPointProfileLineDigitalPropertySheet sheet("");
        sheet.SetSystemName("SYS1");
        sheet.SetExistingLineName(existing);
        sheet.SetParentProfile(profile);
        const ui::INT_PTR result = sheet.DoModal();
        if (created) *created = sheet.WasLineCreated();
        return result;
    }
    bool EntryExists(const std::string& list, const std::string& entry) {
        return m_pSystem->GetObject(kinds::kConnectionListEntry, list + "/" + entry).ok();
    }
    std::string CnnlstRecord(const std::string& list) {
        auto file = m_pSystem->Files().Read(kCnnlstFile);
        if (!file.ok()) return {};
        std::istringstream lines(file->text);
        for (std::string line; std::getline(lines, line);) {
            if (line.rfind("CNNLSTNAME=" + list + " ", 0) == 0) return line;
        }
        return {};
    }
    const CLineProfileKind kAnswering{code::line_service::kSwitched, code::mode::kAnswer};
    const CLineProfileKind kDialling{code::line_service::kSwitched, code::mode::kDial};
    const CLineProfileKind kLeased{code::line_service::kNonswitched, code::mode::kDial};
};

TEST_F(DigitalLineSheetTest, ANewAnsweringLineMakesItsIncomingListFirstAndNamesOnlyThatList) {
    m_driver.When(kDigitalSheet)
        .SetText(IDC_DLINE_NAME, "isdnans")
        .SelectPageByTemplate(IDD_DLINE_NWI)
        .Choose(IDC_DLINE_NWI, "NWIISDN1")
        .Click(IDC_DLINE_SWITCHED_ADD)
        .SelectPageByTemplate(IDD_DLINE_CNNLST)
        .SetText(IDC_CNNL_IN, "newin")
        .Check(IDC_CNNL_ANYIN, ui::BST_UNCHECKED)
        .Ok()
        .Check(IDC_CNNL_ANYIN)
        .Check(IDC_CNNL_V110IN)
        .Ok();
    bool created = false;
    EXPECT_EQ(PlayDigital("", kAnswering, &created), ui::IDOK) << Transcript();

    EXPECT_TRUE(created);
    EXPECT_EQ(MessageIds(), (std::vector<UINT>{IDS_DLINE_INCOMING_KIND_REQUIRED})) << Transcript();
    EXPECT_EQ(Commands(),
              (std::vector<std::string>{
                  "QSYS/CRTCNNL CNNL(NEWIN) NETTYPE(*ETSI) RMVCHR(*NETTYPE)",
                  "QSYS/ADDCNNLE CNNL(NEWIN) ENTRY(ANYIN) RMTNBR(*ANY) INFTRFTYPE(*UNRESTRICTED)",
                  "QSYS/ADDCNNLE CNNL(NEWIN) ENTRY(V110IN) RMTNBR(*ANY) INFTRFTYPE(*V110)",
                  "QSYS/CRTLINPPP LIND(ISDNANS) RSRCNAME(*NWID) CNN(*SWTPP) ONLINE(*NO) "
                  "SWTNWILST( (NWIISDN1 *B *CALC)) LINESPEED(115200) MAXFRAME(2048) SWTCNN(*ANS) "
                  "SWTNWISLCT(*FIRST) INACTTMR(*NOMAX) TEXT(*BLANK) LCPAUT(*NONE 5) "
                  "LCPCFG(3.0 5 10 2) CMNRCYLMT(2 5) COMPRESS(*NONE) MSGQ(*SYSVAL) "
                  "AUT(*LIBCRTAUT) CNNLSTIN(NEWIN)"}))
        << "no modem calls: no MDMINZCMD; answering only: no outgoing list";
    EXPECT_EQ(Line("ISDNANS").Get(attr::line::kIncomingConnectionList), "NEWIN");
    EXPECT_TRUE(EntryExists("NEWIN", "V110IN"));
    EXPECT_EQ(CnnlstRecord("NEWIN"),
              "CNNLSTNAME=NEWIN NETWORKTYPE=*ETSI UNRESTRICTEDIN=1 V110IN=1 DOVIN=0 ASYNCIN=0 "
              "SYNCIN=0 INFOXFERTYPEOUT= CNNLSTDESCRIPTION= ");
}

TEST_F(DigitalLineSheetTest, AChangedLineSendsOnlyTheDifferencesAndAGoneEntryDoesNotStopIt) {
    // A switched line that answers and dials over ISDNCNNL, accepting unrestricted and
    // asynchronous modem calls and calling out unrestricted.
    for (const char* entry : {"ANYIN", "ASYNCIN", "ANYOUT"})
        Put(kinds::kConnectionListEntry, std::string("ISDNCNNL/") + entry,
            {{attr::connection_list_entry::kList, "ISDNCNNL"},
             {attr::connection_list_entry::kEntry, entry}});
    Put(kinds::kLine, "ISDNBOTH",
        {{attr::line::kType, "*PPP"},
         {attr::line::kName, "ISDNBOTH"},
         {attr::line::kResource, "*NWID"},
         {attr::line::kConnectionType, "*SWTPP"},
         {attr::line::kSwitchedConnection, "*BOTH"},
         {attr::line::kSwitchedInterfaces, "(NWIISDN1 *B 1)"},
         {attr::line::kIncomingConnectionList, "ISDNCNNL"},
         {attr::line::kOutgoingConnectionList, "ISDNCNNL"},
         {attr::line::kOutgoingConnectionListEntry, "ANYOUT"}});
    m_driver.When(kDigitalSheet)
        .SelectPageByTemplate(IDD_DLINE_CNNLST)
        .Do([&](ui::CDialog&) {
            // Another console removed the entry meanwhile.
            ASSERT_TRUE(
                m_pSystem->DeleteObject(kinds::kConnectionListEntry, "ISDNCNNL/ASYNCIN").ok());
        })
        .Check(IDC_CNNL_ASYNCIN, ui::BST_UNCHECKED)
        .Check(IDC_CNNL_DOVIN)
        .Choose(IDC_CNNL_OUT_TYPE, 4)
        .Ok();
    EXPECT_EQ(PlayDigital("ISDNBOTH", kDialling), ui::IDOK) << Transcript();

    EXPECT_TRUE(m_driver.GetTranscript().MessageBoxes().empty()) << Transcript();
    const std::vector<std::string> commands = Commands();
    ASSERT_EQ(commands.size(), 5u) << ::testing::PrintToString(commands);
    EXPECT_EQ(commands[0], "QSYS/RMVCNNLE CNNL(ISDNCNNL) ENTRY(ASYNCIN)");
    EXPECT_EQ(commands[1],
              "QSYS/ADDCNNLE CNNL(ISDNCNNL) ENTRY(DOVIN) RMTNBR(*ANY) INFTRFTYPE(*DOV)");
    EXPECT_EQ(commands[2], "QSYS/RMVCNNLE CNNL(ISDNCNNL) ENTRY(ANYOUT)");
    EXPECT_EQ(commands[3],
              "QSYS/ADDCNNLE CNNL(ISDNCNNL) ENTRY(SYNCOUT) RMTNBR(*NONE) INFTRFTYPE(*SYNCMODEM)");
    EXPECT_EQ(commands[4].rfind("QSYS/CHGLINPPP LIND(ISDNBOTH) RSRCNAME(*NWID) ONLINE(*NO) "
                                "SWTNWILST( (NWIISDN1 *B 1)) ",
                                0),
              0u)
        << commands[4];
    EXPECT_NE(commands[4].find(" MDMINZCMD('*NONE') CNNLSTOUT(ISDNCNNL) CNNLSTOUTE(SYNCOUT) "
                               "CNNLSTIN(ISDNCNNL)"),
              std::string::npos)
        << "a modem call out needs the initialisation command: " << commands[4];
    EXPECT_TRUE(EntryExists("ISDNCNNL", "DOVIN"));
    EXPECT_FALSE(EntryExists("ISDNCNNL", "ANYOUT"));
    EXPECT_EQ(Line("ISDNBOTH").Get(attr::line::kOutgoingConnectionListEntry), "SYNCOUT");
}

TEST_F(DigitalLineSheetTest, ANewNetworkTypeMakesTheListAgainWithoutLocalNumbers) {
    Put(kinds::kConnectionListEntry, "ISDNCNNL/ANYIN",
        {{attr::connection_list_entry::kList, "ISDNCNNL"},
         {attr::connection_list_entry::kEntry, "ANYIN"}});
    Put(kinds::kLine, "ISDNIN",
        {{attr::line::kType, "*PPP"},
         {attr::line::kName, "ISDNIN"},
         {attr::line::kResource, "*NWID"},
         {attr::line::kConnectionType, "*SWTPP"},
         {attr::line::kSwitchedConnection, "*ANS"},
         {attr::line::kSwitchedInterfaces, "*NONE"},
         {attr::line::kIncomingConnectionList, "ISDNCNNL"}});
    m_driver.When(kDigitalSheet)
        .SelectPageByTemplate(IDD_DLINE_NWI)
        .Choose(IDC_DLINE_SWITCH_TYPE, 3)
        .Ok();
    EXPECT_EQ(PlayDigital("ISDNIN", kAnswering), ui::IDOK) << Transcript();

    const std::vector<std::string> commands = Commands();
    ASSERT_EQ(commands.size(), 4u) << ::testing::PrintToString(commands);
    EXPECT_EQ(commands[0], "QSYS/DLTCNNL CNNL(ISDNCNNL)");
    EXPECT_EQ(commands[1], "QSYS/CRTCNNL CNNL(ISDNCNNL) NETTYPE(*NORTEL) RMVCHR(*NETTYPE)");
    EXPECT_EQ(commands[2],
              "QSYS/ADDCNNLE CNNL(ISDNCNNL) ENTRY(ANYIN) RMTNBR(*ANY) INFTRFTYPE(*UNRESTRICTED)");
    EXPECT_NE(commands[3].find(" SWTNWILST(*NONE) "), std::string::npos) << commands[3];
    EXPECT_FALSE(EntryExists("ISDNCNNL", "DATACTR")) << "the old list went with its entries";
    EXPECT_NE(CnnlstRecord("ISDNCNNL").find("NETWORKTYPE=*NORTEL UNRESTRICTEDIN=1 "),
              std::string::npos);
}

TEST_F(DigitalLineSheetTest, ALeasedLineAlwaysCarriesItsModemCommandAndChangesThroughItsObject) {
    m_driver.When(kDigitalSheet)
        .SetText(IDC_DLINE_NAME, "isdnlsd")
        .SetText(IDC_DLINE_DESCRIPTION, "Leased B channel")
        .SelectPageByTemplate(IDD_DLINE_NWI)
        .SetText(IDC_DLINE_CHANNEL, "31")
        .Ok()
        .Choose(IDC_DLINE_NWI, "NWIISDN1")
        .Ok()
        .SetText(IDC_DLINE_CHANNEL, "2")
        .Choose(IDC_DLINE_TRANSFER_TYPE, 1)
        .Ok();
    EXPECT_EQ(PlayDigital("", kLeased), ui::IDOK) << Transcript();

    EXPECT_EQ(MessageIds(), (std::vector<UINT>{IDS_DLINE_NWI_REQUIRED, IDS_LINE_VALUE_RANGE}))
        << Transcript();
    EXPECT_EQ(Commands(),
              (std::vector<std::string>{
                  "QSYS/CRTLINPPP LIND(ISDNLSD) RSRCNAME(*NWID) CNN(*NONSWTPP) ONLINE(*NO) "
                  "NWI(NWIISDN1) NWICHLNBR(2) LINESPEED(115200) INFTRFTYPE(*V110) MAXFRAME(2048) "
                  "TEXT('Leased B channel') LCPAUT(*NONE 5) LCPCFG(3.0 5 10 2) CMNRCYLMT(2 5) "
                  "MDMINZCMD('*NONE') COMPRESS(*NONE) MSGQ(*SYSVAL) AUT(*LIBCRTAUT)"}));

    m_driver.When(kDigitalSheet)
        .SelectPageByTemplate(IDD_DLINE_CONNECTION)
        .Check(IDC_DLINE_COMPRESS)
        .Ok();
    EXPECT_EQ(PlayDigital("ISDNLSD", kLeased), ui::IDOK) << Transcript();
    EXPECT_EQ(Line("ISDNLSD").Get(attr::line::kCompression), "*STACLZS");
    EXPECT_EQ(Commands().size(), 1u) << "a leased line changes through its object";

    // Another user changes the text meanwhile: OK is refused and the sheet keeps this user's
    // text on screen; the second OK replaces theirs.
    std::string kept;
    m_driver.When(kDigitalSheet)
        .SetText(IDC_DLINE_DESCRIPTION, "Mine")
        .Do([&](ui::CDialog&) {
            Put(kinds::kLine, "ISDNLSD", {{attr::line::kText, "Theirs"}});
        })
        .Ok()
        .Do([&](ui::CDialog& sheet) {
            kept = ActivePage(sheet).GetDlgItemText(IDC_DLINE_DESCRIPTION);
        })
        .Ok();
    EXPECT_EQ(PlayDigital("ISDNLSD", kLeased), ui::IDOK) << Transcript();
    const auto boxes = m_driver.GetTranscript().MessageBoxes();
    ASSERT_FALSE(boxes.empty());
    EXPECT_NE(boxes.back().text.find("was changed by another user"), std::string::npos)
        << boxes.back().text;
    EXPECT_EQ(kept, "Mine");
    EXPECT_EQ(Line("ISDNLSD").Get(attr::line::kText), "Mine");
}

TEST_F(DigitalLineSheetTest, ARefusedEntryStopsBeforeTheLineAndKeepsWhatWasMade) {
    InjectFaults().AddFault(host::Fault{.operation = host::HostOperation::RunCommand,
                                        .nth = 2,
                                        .reply = "CPF9899: The entry could not be added."});
    m_driver.When(kDigitalSheet)
        .SetText(IDC_DLINE_NAME, "halfway")
        .SelectPageByTemplate(IDD_DLINE_NWI)
        .Check(IDC_DLINE_SWITCHED_NONE)
        .SelectPageByTemplate(IDD_DLINE_CNNLST)
        .SetText(IDC_CNNL_IN, "HALFIN")
        .Ok()
        .Ok();
    bool created = false;
    EXPECT_EQ(PlayDigital("", kAnswering, &created), ui::IDOK) << Transcript();

    EXPECT_TRUE(created);
    const auto boxes = m_driver.GetTranscript().MessageBoxes();
    ASSERT_EQ(boxes.size(), 1u) << Transcript();
    EXPECT_EQ(boxes[0].text, "CPF9899: The entry could not be added.");
    const std::vector<std::string> commands = Commands();
    ASSERT_EQ(commands.size(), 3u) << ::testing::PrintToString(commands);
    EXPECT_EQ(commands[0], "QSYS/CRTCNNL CNNL(HALFIN) NETTYPE(*ETSI) RMVCHR(*NETTYPE)")
        << "the list made before the refusal is not made twice";
    EXPECT_EQ(commands[1].rfind("QSYS/ADDCNNLE CNNL(HALFIN) ENTRY(ANYIN)", 0), 0u);
    EXPECT_EQ(commands[2].rfind("QSYS/CRTLINPPP LIND(HALFWAY) ", 0), 0u);
    EXPECT_NE(CnnlstRecord("HALFIN").find("NETWORKTYPE=*ETSI UNRESTRICTEDIN=1 "),
              std::string::npos);
}

}  // namespace
}  // namespace ptp::lines
