#include <gtest/gtest.h>

#include "cl_test_system.h"
#include "platform/vocabulary/kinds.h"
#include "server/cl/cl_command_definition.h"

namespace ptp::server::cl {
namespace {

using ClInterpreterTest = ClSystemTest;

TEST_F(ClInterpreterTest, KnowsEveryCommandThePlugInSendsAndNoOther) {
    for (const char* name : {"STRTCPPTP", "ENDTCPPTP", "RMVTCPPTP",  "CRTLINPPP",  "CHGLINPPP",
                             "DLTLIND",   "CRTLINETH", "CRTNWIISDN", "CHGNWIISDN", "CRTNWIT1",
                             "CRTCNNL",   "DLTCNNL",   "ADDCNNLE",   "RMVCNNLE",   "RMVTCPRTE",
                             "ADDTCPHTE", "CHGTCPHTE", "CHGSMTPA",   "CHGDHCPA",   "STRTCPSVR"}) {
        EXPECT_NE(FindCommand(name), nullptr) << name;
    }
    EXPECT_EQ(Run("DLTUSRPRF USRPRF(QSECOFR)"),
              "CPD0030: Command DLTUSRPRF in library *LIBL not found.");
    EXPECT_EQ(RunId("MYLIB/DLTLIND LIND(PPPLIN1)"), "CPD0030");
    EXPECT_EQ(Run("*LIBL/CRTCNNL CNNL(LIST1)"), "");
}

TEST_F(ClInterpreterTest, MalformedCommandsSayWhereAndChangeNothing) {
    EXPECT_EQ(Run("CRTCNNL CNNL(LIST1"),
              "CPD0001: The command is not valid at position 13: A parenthesis is not closed.");
    EXPECT_EQ(RunId("CRTCNNL CNNL('LIST1)"), "CPD0001");
    EXPECT_EQ(RunId("CRTCNNL LIST1"), "CPD0001");
    EXPECT_EQ(RunId(""), "CPD0002");
    EXPECT_EQ(RunId("CRTCNNL CNNL(LIST1) CNNL(LIST2)"), "CPD0001");
    EXPECT_EQ(RunId("CRTCNNL CNNL(LIST1) BOGUS(1)"), "CPD0043");
    EXPECT_FALSE(Exists(kinds::kConnectionList, "LIST1"));
    EXPECT_FALSE(Exists(kinds::kConnectionList, "LIST2"));
}

TEST_F(ClInterpreterTest, QuotedValuesCannotSmuggleParametersOrCommands) {
    // A profile name that tries to close its quote and add OUTPUT and RESTART is one long name.
    EXPECT_EQ(RunId("STRTCPPTP CFGPRF('PRF1'') OUTPUT(*PRINT) RESTART(*YES')"), "CPD0084");
    EXPECT_EQ(RunId("STRTCPPTP CFGPRF('P'')X')"), "CPD0074");
    EXPECT_EQ(RunId("ENDTCPPTP CFGPRF('PRF1')\nDLTLIND LIND(PPPLIN1)"), "CPD0001");

    // A description that tries the same stays the description, apostrophes and all.
    ASSERT_EQ(Run("CRTLINPPP LIND(PPPLIN1) RSRCNAME(CMN01) "
                  "TEXT('x'') RSRCNAME(CMN02) AUT(*ALL) TEXT(''y')"),
              "");
    const ObjectRecord line = Get(kinds::kLine, "PPPLIN1");
    EXPECT_EQ(line.Get(4), "x') RSRCNAME(CMN02) AUT(*ALL) TEXT('y");
    EXPECT_EQ(line.Get(29), "CMN01");
    EXPECT_EQ(RunId("ADDTCPHTE INTNETADR('10.1.1.1') HOSTNAME(('a'') (''b'))"), "TCP1903");
}

TEST_F(ClInterpreterTest, LogsEveryCommandWithItsClientAndReply) {
    ASSERT_EQ(Run("CRTCNNL CNNL(LIST1) TEXT('Anne''s list')"), "");
    ASSERT_EQ(RunId("CRTCNNL CNNL(LIST1)"), "CPF2112");
    ASSERT_EQ(RunId("NOSUCH CMD(1)"), "CPD0030");
    EXPECT_EQ(ExecuteClCommand(*m_system, "OTHER", "DLTCNNL CNNL(LIST1)"), "");

    auto log = m_system->ReadCommandLog(0);
    ASSERT_TRUE(log.ok());
    ASSERT_EQ(log->size(), 3u) << "ExecuteClCommand leaves the log to its caller";
    EXPECT_EQ((*log)[0].client, "TESTCLIENT");
    EXPECT_EQ((*log)[0].command, "CRTCNNL CNNL(LIST1) TEXT('Anne''s list')");
    EXPECT_EQ((*log)[0].reply, "");
    EXPECT_EQ((*log)[1].reply.substr(0, 7), "CPF2112");
    EXPECT_EQ((*log)[2].command, "NOSUCH CMD(1)");
    EXPECT_EQ((*log)[2].reply.substr(0, 7), "CPD0030");
}

}  // namespace
}  // namespace ptp::server::cl
