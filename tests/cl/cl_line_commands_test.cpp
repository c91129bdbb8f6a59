#include <gtest/gtest.h>

#include "cl_test_system.h"
#include "platform/vocabulary/kinds.h"
#include "server/demo_data.h"

namespace ptp::server::cl {
namespace {

// The analog line command as the line sheet builds it: asynchronous, switched, dialling with AT
// commands, a description with an apostrophe and a message queue.
constexpr std::string_view kAnalogLine =
    "QSYS/CRTLINPPP LIND(PPPLIN1) RSRCNAME(CMN01) INTERFACE(*RS232V24) FRAMING(*ASYNC) "
    "CNN(*SWTPP) ONLINE(*NO) LINESPEED(115200) MAXFRAME(2048) CTSTMR(25) "
    "TEXT('Bob''s modem line') LCPAUT(*NONE 5) LCPCFG(3.0 5 10 2) CMNRCYLMT(*SYSVAL ) "
    "AUT(*LIBCRTAUT) SETMDMASC('AT&F') SWTCNN(*DIAL) DIALCMD(*ATCMD) FLOWCNTL(*HARDWARE) "
    "INACTTMR(*NOMAX) MSGQ(qgpl/qsysopr)";

using ClLineCommandsTest = ClSystemTest;

TEST_F(ClLineCommandsTest, CreatesAnalogLineWithTheAttributesTheLineSheetReads) {
    ASSERT_EQ(Run(kAnalogLine), "");
    const ObjectRecord line = Get(kinds::kLine, "PPPLIN1");
    EXPECT_EQ(line.Get(0), "*PPP");
    EXPECT_EQ(line.Get(1), "PPPLIN1");
    EXPECT_EQ(line.Get(4), "Bob's modem line");
    EXPECT_EQ(line.Get(12), "*NO");
    EXPECT_EQ(line.Get(14), "115200");
    EXPECT_EQ(line.Get(21), "*NONE");
    EXPECT_EQ(line.Get(22), "5");
    EXPECT_EQ(line.Get(27), "3.0");
    EXPECT_EQ(line.Get(26), "2");
    EXPECT_EQ(line.Get(19), "*SYSVAL");
    EXPECT_EQ(line.Get(20), "");
    EXPECT_EQ(line.Get(29), "CMN01");
    EXPECT_EQ(line.Get(32), "*SWTPP");
    EXPECT_EQ(line.Get(35), "*DIAL");
    EXPECT_EQ(line.Get(37), "*ATCMD");
    EXPECT_EQ(line.Get(38), "AT&F");
    EXPECT_EQ(line.Get(49), "QSYSOPR");
    EXPECT_EQ(line.Get(50), "QGPL");
    EXPECT_EQ(line.Get(36), "*MODEM") << "parameters left out take their defaults";

    // The wizard's shorter form, with an empty description and a line speed typed as a number.
    EXPECT_EQ(Run("QSYS/CRTLINPPP LIND(wdnline) RSRCNAME(CMN02) CNN(*SWTPP) INTERFACE(*RS232V24) "
                  "ONLINE(*NO) LINESPEED(57600) MAXFRAME(1500) SWTCNN(*DIAL) DIALCMD(*ATCMD) "
                  "INACTTMR(300) TEXT(*BLANK) MSGQ(*SYSVAL) AUT(PPPAUTL) SETMDMASC(END)"),
              "");
    EXPECT_EQ(Get(kinds::kLine, "WDNLINE").Get(4), "*BLANK");
    EXPECT_EQ(Get(kinds::kLine, "WDNLINE").Get(38), "END");
}

TEST_F(ClLineCommandsTest, RefusesLinesTheStandInWouldNotCreateAndCreatesNothing) {
    ASSERT_EQ(Run(kAnalogLine), "");
    EXPECT_EQ(RunId(kAnalogLine), "CPF2112");
    const std::string base = "CRTLINPPP LIND(NEWLINE) RSRCNAME(CMN01)";
    EXPECT_EQ(RunId("CRTLINPPP LIND(NEWLINE) RSRCNAME(CMN99)"), "CPD2665");
    EXPECT_EQ(RunId(base + " FRAMING(*SYNC) DIALCMD(*ATCMD)"), "CPD2631");
    EXPECT_EQ(RunId(base + " MAXFRAME(5000)"), "CPD0086");
    EXPECT_EQ(RunId(base + " LCPCFG(60.1 5 10 2)"), "CPD0086");
    EXPECT_EQ(RunId(base + " LCPCFG(3.05 5 10 2)"), "CPD0089");
    EXPECT_EQ(RunId(base + " LCPAUT(*NONE 5 7)"), "CPD0072");
    EXPECT_EQ(RunId(base + " AUT(NOSUCHLIST)"), "CPF2105");
    EXPECT_EQ(RunId(base + " INTERFACE(*V99)"), "CPD0085");
    EXPECT_EQ(RunId(base + " TEXT('" + std::string(51, 'x') + "')"), "CPD0084");
    EXPECT_EQ(RunId(base + " NWI(NWI1)"), "CPD2631");
    EXPECT_EQ(RunId(base + " MSGQ(A/B/C)"), "CPD0074");
    EXPECT_EQ(RunId(base + " LINEPOOL(POOL1)"), "CPD0043");
    EXPECT_EQ(RunId(base + " CMNRCYLMT(*SYSVAL 121)"), "CPD0086");
    EXPECT_EQ(RunId("CRTLINPPP LIND(LINENAMETOOLONG) RSRCNAME(CMN01)"), "CPD0084");
    EXPECT_EQ(RunId("CRTLINPPP LIND(NEWLINE)"), "CPD0087");
    EXPECT_FALSE(Exists(kinds::kLine, "NEWLINE"));
    EXPECT_FALSE(Exists(kinds::kLine, "LINENAMETOOLONG"));
}

TEST_F(ClLineCommandsTest, CreatesSwitchedAndLeasedDigitalLinesOnExistingInterfaces) {
    ASSERT_EQ(Run("CRTNWIISDN NWID(NWI1) RSRCNAME(LIN031) NETTYPE(*ETSI) RATE(*BASIC) "
                  "CHLENTRY( (1 *SWT ) (2 *SWT )) PCLENTRY( (*PPP *LOAD *MAX))"),
              "");
    ASSERT_EQ(Run("CRTCNNL CNNL(OUTLIST) NETTYPE(*ETSI) RMVCHR(*NETTYPE)"), "");
    ASSERT_EQ(Run("ADDCNNLE CNNL(OUTLIST) ENTRY(ANYOUT) RMTNBR(*NONE) INFTRFTYPE(*UNRESTRICTED)"),
              "");
    const std::string switched =
        "QSYS/CRTLINPPP LIND(ISDNSW) RSRCNAME(*NWID) CNN(*SWTPP) ONLINE(*YES) "
        "SWTNWILST( (NWI1 *B 1) (nwi1 *B *CALC)) LINESPEED(64000) MAXFRAME(2048) SWTCNN(*DIAL) "
        "SWTNWISLCT(*FIRST) INACTTMR(*NOMAX) TEXT(*BLANK) LCPAUT(*NONE 5) LCPCFG(3.0 5 10 2) "
        "CMNRCYLMT(2 5) COMPRESS(*NONE) MSGQ(*SYSVAL) AUT(*LIBCRTAUT) CNNLSTOUT(OUTLIST) "
        "CNNLSTOUTE(";
    EXPECT_EQ(RunId(switched + "V110OUT)"), "CPF2681");
    ASSERT_EQ(Run(switched + "ANYOUT)"), "");
    const ObjectRecord line = Get(kinds::kLine, "ISDNSW");
    EXPECT_EQ(line.Get(29), "*NWID");
    EXPECT_EQ(line.Get(41), "(NWI1 *B 1) (NWI1 *B *CALC)");
    EXPECT_EQ(line.Get(52), "OUTLIST");
    EXPECT_EQ(line.Get(53), "ANYOUT");

    const std::string leased =
        "QSYS/CRTLINPPP LIND(ISDNLS) RSRCNAME(*NWID) CNN(*NONSWTPP) ONLINE(*NO) NWI(NWI1) "
        "NWICHLNBR(2) LINESPEED(64000) INFTRFTYPE(*UNRESTRICTED) MAXFRAME(2048) TEXT(*BLANK) "
        "LCPAUT(*NONE 5) LCPCFG(3.0 5 10 2) CMNRCYLMT(*SYSVAL ) MDMINZCMD('*NONE') "
        "COMPRESS(*STACLZS) MSGQ(*SYSVAL) AUT(*LIBCRTAUT)";
    ASSERT_EQ(Run(leased), "");
    EXPECT_EQ(Get(kinds::kLine, "ISDNLS").Get(43), "NWI1");
    EXPECT_EQ(Get(kinds::kLine, "ISDNLS").Get(46), "*NONE");

    EXPECT_EQ(RunId("CRTLINPPP LIND(X1) RSRCNAME(*NWID) CNN(*SWTPP)"), "CPD2632");
    EXPECT_EQ(RunId("CRTLINPPP LIND(X1) RSRCNAME(*NWID) CNN(*NONSWTPP) NWI(NWI9)"), "CPF2105");
    EXPECT_EQ(RunId("CRTLINPPP LIND(X1) RSRCNAME(*NWID) SWTNWILST((NWI9 *B 1))"), "CPF2105");
    EXPECT_EQ(RunId("CRTLINPPP LIND(X1) RSRCNAME(*NWID) SWTNWILST(NWI1 *B 1)"), "CPD0089");
    EXPECT_EQ(RunId("CRTLINPPP LIND(X1) RSRCNAME(*NWID) SWTNWILST((NWI1 *B 31))"), "CPD0086");
    EXPECT_EQ(Run("CRTLINPPP LIND(X1) RSRCNAME(*NWID) SWTNWILST(*NONE)"), "");
}

TEST_F(ClLineCommandsTest, ChangesAndDeletesLinesThatNoRunningProfileUses) {
    ASSERT_EQ(Run(kAnalogLine), "");
    ASSERT_TRUE(
        m_system->PutObject("LineModem", "PPPLIN1", {{0, "PPPLIN1"}, {1, "$GENERIC"}}).ok());
    ASSERT_EQ(Run("QSYS/CHGLINPPP LIND(PPPLIN1) RSRCNAME(CMN02) TEXT('  ') LINESPEED(57600) "
                  "LCPCFG(2.5 4 9 1)"),
              "");
    const ObjectRecord line = Get(kinds::kLine, "PPPLIN1");
    EXPECT_EQ(line.Get(29), "CMN02");
    EXPECT_EQ(line.Get(4), "*BLANK");
    EXPECT_EQ(line.Get(27), "2.5");
    EXPECT_EQ(line.Get(38), "AT&F") << "values not given stay";
    EXPECT_EQ(RunId("CHGLINPPP LIND(PPPLIN1) CNN(*NONSWTPP)"), "CPD0043");
    EXPECT_EQ(RunId("CHGLINPPP LIND(NOLINE) TEXT('x')"), "CPF2105");

    ASSERT_EQ(Run("STRTCPPTP CFGPRF('PRF1')"), "");
    EXPECT_EQ(RunId("CHGLINPPP LIND(PPPLIN1) TEXT('busy')"), "CPF2113");
    EXPECT_EQ(RunId("DLTLIND LIND(PPPLIN1)"), "CPF2113");
    ASSERT_EQ(Run("ENDTCPPTP CFGPRF('PRF1')"), "");

    ASSERT_EQ(Run("QSYS/DLTLIND LIND(PPPLIN1)"), "");
    EXPECT_FALSE(Exists(kinds::kLine, "PPPLIN1"));
    EXPECT_FALSE(Exists("LineModem", "PPPLIN1"));
    EXPECT_EQ(RunId("QSYS/DLTLIND LIND(PPPLIN1)"), "CPF2105");
}

// Each kind of line the line sheet makes, on the demo system's free ports, with the fragments the
// sheet appends for it.
TEST_F(ClLineCommandsTest, TheDemoSystemHasAPortForEveryKindOfLine) {
    ASSERT_TRUE(SeedDemoData(*m_system).ok());
    const std::string base =
        " ONLINE(*NO) LINESPEED(115200) MAXFRAME(2048) CTSTMR(25) TEXT(*BLANK) LCPAUT(*NONE 5) "
        "LCPCFG(3.0 5 10 2) CMNRCYLMT(2 5) AUT(*LIBCRTAUT)";
    EXPECT_EQ(Run("QSYS/CRTLINPPP LIND(LEASED35) RSRCNAME(CMN05) INTERFACE(*V35) FRAMING(*SYNC) "
                  "CNN(*NONSWTPP)" +
                  base + " CLOCK(*LOOP) NRZI(*YES) MSGQ(*SYSOPR)"),
              "");
    EXPECT_EQ(Run("QSYS/CRTLINPPP LIND(X21SW) RSRCNAME(CMN07) INTERFACE(*X21) FRAMING(*SYNC) "
                  "CNN(*SWTPP)" +
                  base +
                  " CLOCK(*MODEM) RMTANSTMR(90) SWTCNN(*ANS) DIALCMD(*V25BIS) INACTTMR(*NOMAX) "
                  "NRZI(*NO)"),
              "");
    EXPECT_EQ(Run("QSYS/CRTLINPPP LIND(V24LEASED) RSRCNAME(CMN08) INTERFACE(*RS232V24) "
                  "FRAMING(*ASYNC) CNN(*NONSWTPP)" +
                  base + " FLOWCNTL(*NO)"),
              "");
    EXPECT_EQ(Run("QSYS/CRTLINPPP LIND(INTMDM) RSRCNAME(CMN09) INTERFACE(*INTMODEM) "
                  "FRAMING(*ASYNC) CNN(*SWTPP)" +
                  base +
                  " SETMDMASC('*NONE') SWTCNN(*BOTH) DIALCMD(*ATCMD) FLOWCNTL(*HARDWARE) "
                  "INACTTMR(300)"),
              "");
    EXPECT_EQ(Run("QSYS/CRTLINPPP LIND(V36SW) RSRCNAME(CMN06) INTERFACE(*RS449V36) "
                  "FRAMING(*SYNC) CNN(*SWTPP)" +
                  base + " CLOCK(*INVERT) SWTCNN(*DIAL) DIALCMD(*ATCMD) INACTTMR(*NOMAX)"),
              "CPD2631: Parameter DIALCMD(*ATCMD) cannot be used with FRAMING(*SYNC).")
        << "a synchronous line does not dial with AT commands";
    EXPECT_FALSE(Exists(kinds::kLine, "V36SW"));
    const ObjectRecord leased = Get(kinds::kLine, "LEASED35");
    EXPECT_EQ(leased.Get(30), "*V35");
    EXPECT_EQ(leased.Get(31), "*SYNC");
    EXPECT_EQ(leased.Get(32), "*NONSWTPP");
    EXPECT_EQ(leased.Get(34), "*YES");
    EXPECT_EQ(leased.Get(36), "*LOOP");
    EXPECT_EQ(leased.Get(49), "*SYSOPR");
    EXPECT_EQ(Get(kinds::kLine, "X21SW").Get(17), "90");
    EXPECT_EQ(Get(kinds::kLine, "INTMDM").Get(16), "300");
    EXPECT_EQ(Get(kinds::kLine, "V24LEASED").Get(40), "*NO");
}

TEST_F(ClLineCommandsTest, CreatesEthernetLines) {
    ASSERT_EQ(Run("QSYS/CRTLINETH LIND(ETHLIN) RSRCNAME(CMN03) TEXT(*BLANK) ONLINE(*YES) "
                  "ETHSTD(*ALL) LINESPEED(*AUTO) DUPLEX(*FULL) MSGQ(*SYSOPR) AUT(*USE)"),
              "");
    const ObjectRecord line = Get(kinds::kLine, "ETHLIN");
    EXPECT_EQ(line.Get(0), "*ETH");
    EXPECT_EQ(line.Get(14), "*AUTO");
    EXPECT_EQ(line.Get(55), "*ALL");
    EXPECT_EQ(line.Get(56), "*FULL");
    EXPECT_EQ(line.Get(49), "*SYSOPR");
    EXPECT_EQ(RunId("CRTLINETH LIND(ETH2) RSRCNAME(CMN03) LINESPEED(10G)"), "CPD0085");
    EXPECT_EQ(RunId("CRTLINETH LIND(ETHLIN) RSRCNAME(CMN03)"), "CPF2112");
    EXPECT_EQ(RunId("CHGLINPPP LIND(ETHLIN) TEXT('not a PPP line')"), "CPF2105");
    EXPECT_EQ(Run("DLTLIND LIND(ETHLIN)"), "");
}

}  // namespace
}  // namespace ptp::server::cl
