#include <gtest/gtest.h>

#include "cl_test_system.h"
#include "host/in_process_host.h"
#include "platform/vocabulary/kinds.h"

namespace ptp::server::cl {
namespace {

using ClHostTest = ClSystemTest;

// The plug-in reaches the interpreter through a host command connection, as the console does.
TEST_F(ClHostTest, CommandsThroughAHostConnectionReachTheInterpreterAndAreLoggedOnce) {
    host::InProcessHost client(host::InProcessOptions{m_folder.Path(), "NXWIN", ""});
    int status = 0;
    auto connection = client.Commands().OpenConnection("sys1", 1, status);
    ASSERT_TRUE(connection);
    EXPECT_EQ(connection->RunCommand("QSYS/CRTCNNL CNNL(INLIST) NETTYPE(*NORTEL) "
                                     "RMVCHR(*NETTYPE)"),
              "");
    EXPECT_EQ(connection->RunCommand("QSYS/RMVCNNLE CNNL(INLIST) ENTRY(ANYIN)").substr(0, 7),
              "CPF2681");
    EXPECT_TRUE(Exists(kinds::kConnectionList, "INLIST"));

    auto log = m_system->ReadCommandLog(0);
    ASSERT_TRUE(log.ok());
    ASSERT_EQ(log->size(), 2u);
    EXPECT_EQ((*log)[0].client, "NXWIN");
    EXPECT_EQ((*log)[1].reply.substr(0, 7), "CPF2681");
}

}  // namespace
}  // namespace ptp::server::cl
