#include <gtest/gtest.h>

#include "cl_test_system.h"
#include "platform/vocabulary/kinds.h"

namespace ptp::server::cl {
namespace {

using ClNetworkCommandsTest = ClSystemTest;

TEST_F(ClNetworkCommandsTest, CreatesAndChangesIsdnInterfacesWithTheirEntryLists) {
    ASSERT_EQ(Run("QSYS/CRTNWIISDN NWID(NWI1) RSRCNAME(LIN031) NETTYPE(*NISDN) RATE(*BASIC) "
                  "CHLENTRY( (1 *SWT ) (2 *SWT )) PCLENTRY( (*PPP *LOAD *MAX)) SETUPDIF(*NONE) "
                  "ACTTMR(*NETTYPE) REACTTMR(*NETTYPE) CMNRCYLMT(2 5) TEXT('Tom''s ISDN') "
                  "AUT(*LIBCRTAUT) AUTOSPID(*NO) SPID( (1 0155511110101) (2 *NONE)) "
                  "LCLNBR('5551111' ) LCLNBRTYPE(*NETTYPE) LCLNBRPLAN(*NETTYPE) LCLNBRPSN(*NONE) "
                  "RMVCHR( '-' '''')"),
              "");
    ObjectRecord nwi = Get(kinds::kNetworkInterface, "NWI1");
    EXPECT_EQ(nwi.Get(0), "*ISDN");
    EXPECT_EQ(nwi.Get(4), "Tom's ISDN");
    EXPECT_EQ(nwi.Get(6), "(1 *SWT) (2 *SWT)");
    EXPECT_EQ(nwi.Get(14), "(1 0155511110101) (2 *NONE)");
    EXPECT_EQ(nwi.Get(15), "'5551111'");
    EXPECT_EQ(nwi.Get(19), "'-' ''''");

    // The changed interface never carries the network type, rate or authority.
    ASSERT_EQ(Run("QSYS/CHGNWIISDN NWID(NWI1) RSRCNAME(LIN041) CHLENTRY(*SWTALL) "
                  "PCLENTRY(*PPPMAX) SETUPDIF(*NOLLCIE) ACTTMR(20) REACTTMR(*NONE) "
                  "CMNRCYLMT(*SYSVAL ) TEXT(*BLANK) AUTOSPID(*YES) LCLNBR(*CNNL)"),
              "");
    nwi = Get(kinds::kNetworkInterface, "NWI1");
    EXPECT_EQ(nwi.Get(2), "LIN041");
    EXPECT_EQ(nwi.Get(6), "*SWTALL");
    EXPECT_EQ(nwi.Get(9), "20");
    EXPECT_EQ(nwi.Get(3), "*NISDN");
    EXPECT_EQ(nwi.Get(15), "*CNNL");

    EXPECT_EQ(RunId("CHGNWIISDN NWID(NWI1) NETTYPE(*ETSI)"), "CPD0043");
    EXPECT_EQ(RunId("CHGNWIISDN NWID(NWI9) TEXT('x')"), "CPF2105");
    EXPECT_EQ(RunId("CHGNWIISDN NWID(NWI1) AUTOSPID(*NO)"), "CPD2632");
    EXPECT_EQ(RunId("CRTNWIISDN NWID(NWI1) RSRCNAME(LIN031) CHLENTRY(*SWTALL)"), "CPF2112");
    EXPECT_EQ(RunId("CRTNWIISDN NWID(NWI2) RSRCNAME(LIN999) CHLENTRY(*SWTALL)"), "CPD2665");
    EXPECT_EQ(RunId("CRTNWIISDN NWID(NWI2) RSRCNAME(LIN031)"), "CPD0087");
    EXPECT_EQ(RunId("CRTNWIISDN NWID(NWI2) RSRCNAME(LIN031) CHLENTRY((31 *SWT))"), "CPD0086");
    EXPECT_EQ(RunId("CRTNWIISDN NWID(NWI2) RSRCNAME(LIN031) CHLENTRY(*SWTALL) "
                    "PCLENTRY((*PPP *LOAD 1) (*PPP *LOAD 2) (*X25 *LOAD 3) (*IDLC *LOAD 4))"),
              "CPD0072");
    EXPECT_EQ(RunId("CRTNWIISDN NWID(NWI2) RSRCNAME(LIN031) CHLENTRY(*SWTALL) RMVCHR('ab')"),
              "CPD0084");
    EXPECT_EQ(RunId("CRTNWIISDN NWID(NWI2) RSRCNAME(LIN031) CHLENTRY(*SWTALL) RATE(*PRIMARY) "
                    "AUTOPARM(*NO) SHORTHAUL(*MAX133) CLOCK(*CALC) LONGHAUL(7.5)"),
              "CPD2631");
    EXPECT_EQ(Run("CRTNWIISDN NWID(NWI2) RSRCNAME(LIN031) CHLENTRY(*SWTALL) RATE(*PRIMARY) "
                  "AUTOPARM(*NO) SHORTHAUL(*NONE) CLOCK(*CALC) LONGHAUL(7.5)"),
              "");
    EXPECT_EQ(Get(kinds::kNetworkInterface, "NWI2").Get(22), "7.5");
}

TEST_F(ClNetworkCommandsTest, CreatesT1InterfacesWithTheirSignalingRules) {
    const std::string t1 =
        "QSYS/CRTNWIT1 NWID(T1NWI) RSRCNAME(LIN041) CHLENTRY( (1 *SWT ) (2 *SWT )) "
        "PCLENTRY(*PPPMAX) AUTOPARM(*NO) FRAMEFMT(*ESF) LINECODE(*B8ZS) SIGMTH(*WINKSTART) "
        "CALLERID(*YES) CMNRCYLMT(2 5) TEXT(*BLANK) AUT(*LIBCRTAUT)  SHORTHAUL(*NONE) "
        "CLOCK(*LOOP) LONGHAUL(15.0) NBRDIDDGT(4)";
    ASSERT_EQ(Run(t1), "");
    const ObjectRecord nwi = Get(kinds::kNetworkInterface, "T1NWI");
    EXPECT_EQ(nwi.Get(0), "*T1");
    EXPECT_EQ(nwi.Get(26), "*WINKSTART");
    EXPECT_EQ(nwi.Get(28), "4");
    EXPECT_EQ(RunId("CRTNWIT1 NWID(T1B) RSRCNAME(LIN041) CHLENTRY(*SWTALL) SIGMTH(*IMMEDIATE) "
                    "NBRDIDDGT(4)"),
              "CPD2631");
    EXPECT_EQ(RunId("CHGNWIISDN NWID(T1NWI) TEXT('a T1 is no ISDN interface')"), "CPF2105");
}

TEST_F(ClNetworkCommandsTest, KeepsConnectionListsAndTheirEntries) {
    EXPECT_EQ(RunId("ADDCNNLE CNNL(INLIST) ENTRY(ANYIN) RMTNBR(*ANY)"), "CPF2105");
    ASSERT_EQ(Run("QSYS/CRTCNNL CNNL(INLIST) NETTYPE(*ETSI) RMVCHR( '-' '(')"), "");
    EXPECT_EQ(Get(kinds::kConnectionList, "INLIST").Get(2), "'-' '('");
    EXPECT_EQ(RunId("QSYS/CRTCNNL CNNL(INLIST) NETTYPE(*ETSI) RMVCHR(*NETTYPE)"), "CPF2112");

    const std::string add =
        "QSYS/ADDCNNLE CNNL(INLIST) ENTRY(ASYNCIN) RMTNBR(*ANY) INFTRFTYPE(*ASYNCMODEM) "
        "LCLNBR('5551111') LCLNBRTYPE(*NATIONAL) LCLNBRPLAN(*ISDN) LCLNBRPSN(*ALLOW)";
    ASSERT_EQ(Run(add), "");
    const ObjectRecord entry = Get(kinds::kConnectionListEntry, "INLIST/ASYNCIN");
    EXPECT_EQ(entry.Get(2), "*ANY");
    EXPECT_EQ(entry.Get(3), "*ASYNCMODEM");
    EXPECT_EQ(entry.Get(4), "5551111");
    EXPECT_EQ(RunId(add), "CPD8E69");
    ASSERT_EQ(Run("ADDCNNLE CNNL(INLIST) ENTRY(ANYIN) RMTNBR(*ANY) INFTRFTYPE(*UNRESTRICTED)"), "");
    EXPECT_EQ(RunId("ADDCNNLE CNNL(INLIST) ENTRY(V110IN) INFTRFTYPE(*V110)"), "CPD0087");

    ASSERT_EQ(Run("QSYS/RMVCNNLE CNNL(INLIST) ENTRY(ANYIN)"), "");
    EXPECT_FALSE(Exists(kinds::kConnectionListEntry, "INLIST/ANYIN"));
    EXPECT_EQ(RunId("QSYS/RMVCNNLE CNNL(INLIST) ENTRY(ANYIN)"), "CPF2681");
    EXPECT_EQ(RunId("QSYS/RMVCNNLE CNNL(NOLIST) ENTRY(ANYIN)"), "CPF2105");

    ASSERT_EQ(Run("QSYS/DLTCNNL CNNL(INLIST)"), "");
    EXPECT_FALSE(Exists(kinds::kConnectionList, "INLIST"));
    EXPECT_FALSE(Exists(kinds::kConnectionListEntry, "INLIST/ASYNCIN"));
    EXPECT_EQ(RunId("QSYS/DLTCNNL CNNL(INLIST)"), "CPF2105");
}

}  // namespace
}  // namespace ptp::server::cl
