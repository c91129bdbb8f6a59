#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "../server/temp_state.h"
#include "cli/ptpctl/ptpctl_operations.h"
#include "platform/vocabulary/kinds.h"
#include "platform/vocabulary/line.h"
#include "platform/vocabulary/modem.h"
#include "server/demo_data.h"
#include "server/rules_check.h"
#include "server/server_state.h"
#include "server/stream_files.h"
#include "server/system.h"
#include "tests/support/test_paths.h"

namespace ptp::cli {
namespace {

class PtpctlTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string error;
        m_texts = res::ResourceModule::LoadLibrary(ptp::test::BinDir() + "/libptpres.so", &error);
        ASSERT_TRUE(m_texts) << error;
    }
    Operations Make(const std::string& system = "") {
        Operations operations(m_texts, m_out, m_err);
        operations.SetState(m_folder.Path());
        operations.SetSystem(system);
        return operations;
    }
    std::vector<nlohmann::json> JsonLines() {
        std::vector<nlohmann::json> lines;
        std::istringstream in(m_out.str());
        for (std::string line; std::getline(in, line);)
            lines.push_back(nlohmann::json::parse(line));
        m_out.str("");
        return lines;
    }

    test::TempFolder m_folder;
    std::shared_ptr<res::ResourceModule> m_texts;
    std::ostringstream m_out;
    std::ostringstream m_err;
};

TEST_F(PtpctlTest, SystemsObjectsAndErrorsAsAnOperatorSeesThem) {
    EXPECT_EQ(Make().AddSystem("as400a", "050300", true), 0);
    EXPECT_EQ(m_out.str(), "Added system AS400A at release 050300.\n");
    EXPECT_EQ(Make().AddSystem("as400a", "050400", false), 1);
    EXPECT_NE(m_err.str().find("ptpctl: CPF2112"), std::string::npos);
    m_out.str("");
    EXPECT_EQ(Make().ListSystems(), 0);
    EXPECT_EQ(m_out.str(), "AS400A 050300\n");
    m_err.str("");
    EXPECT_EQ(Make().PrintObjects("Profile", ""), 1);
    EXPECT_NE(m_err.str().find("--system"), std::string::npos);

    m_out.str("");
    auto ops = Make("as400a");
    EXPECT_EQ(ops.PutObject("Profile", "DIAL", {"0=DIAL", "10=It's a test"}), 0);
    EXPECT_EQ(ops.PutObject("Profile", "DIAL", {"ten=x"}), 1);
    EXPECT_EQ(ops.PutObject("Nonsense", "X", {"0=X"}), 1);
    EXPECT_EQ(ops.PrintObjects("Profile", ""), 0);
    auto lines = JsonLines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0]["name"], "DIAL");
    EXPECT_EQ(lines[0]["attributes"]["10"], "It's a test");
    EXPECT_EQ(ops.DeleteObject("Profile", "DIAL"), 0);
    EXPECT_EQ(ops.DeleteObject("Profile", "DIAL"), 1);
}

TEST_F(PtpctlTest, DemoFilesLogAndClock) {
    ASSERT_EQ(Make().AddSystem("demo1", "050400", false), 0);
    auto ops = Make("DEMO1");
    ASSERT_EQ(ops.Demo(0), 0);
    m_out.str("");
    ASSERT_EQ(ops.PrintObjects(std::string(kinds::kConnectionJob), ""), 0);
    auto connections = JsonLines();
    // The Internet profile, the leased line, two links of the ISDN bundle and the failed start.
    ASSERT_EQ(connections.size(), 5u);
    int failed = 0;
    for (const auto& c : connections)
        failed += c["attributes"]["25"] == "300";
    EXPECT_EQ(failed, 1);

    std::string local = (m_folder.Path() / "rules.txt").string();
    std::ofstream(local) << "ADDRESS X IP = 10.0.0.1 TYPE = TRUSTED\n";
    EXPECT_EQ(ops.PutFile(local, "/qktl/userdata/nos50/tcpip/admixrules/pppfilters.i3p", 0), 0);
    auto system = server::ServerState(m_folder.Path()).OpenSystem("DEMO1");
    auto stored = (*system)->Files().Read("/QKTL/USERDATA/NOS50/TCPIP/ADMIXRULES/PPPFILTERS.I3P");
    EXPECT_EQ(stored->ccsid, server::kCcsidUtf16);  // kept the file's character set
    EXPECT_EQ(stored->text, "ADDRESS X IP = 10.0.0.1 TYPE = TRUSTED\n");
    m_out.str("");
    EXPECT_EQ(ops.GetFile("/QKTL/UserData/NOS50/TCPIP/ADMIXRULES/PPPFILTERS.I3P", ""), 0);
    EXPECT_EQ(m_out.str(), "ADDRESS X IP = 10.0.0.1 TYPE = TRUSTED\n");
    EXPECT_EQ(ops.PutFile(local + ".missing", "/x", 0), 1);

    m_out.str("");
    int ended = ops.RunCl("QSYS/ENDTCPPTP CFGPRF('DIALISP')");
    EXPECT_EQ(ended == 0, m_out.str().empty());  // a reply is printed and fails the run
    m_out.str("");
    EXPECT_EQ(ops.PrintLog(1), 0);
    auto log = JsonLines();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0]["client"], "ptpctl");
    EXPECT_EQ(log[0]["command"], "QSYS/ENDTCPPTP CFGPRF('DIALISP')");

    EXPECT_EQ(ops.AdvanceClock(10), 0);
    EXPECT_EQ(m_out.str(), "The clock of system DEMO1 stands at 40 seconds.\n");
    EXPECT_EQ(ops.AdvanceClock(-1), 1);
}

// A scaled demo is the demo with its units on top: copies of its profiles, lines each with a
// modem of the system, user modems, and filter statements the server's check accepts. Seeding
// again leaves as many objects as one seeding.
TEST_F(PtpctlTest, DemoScaleAddsItsUnitsToTheDemo) {
    ASSERT_EQ(Make().AddSystem("plain", "050400", false), 0);
    ASSERT_EQ(Make().AddSystem("scaled", "050400", false), 0);
    ASSERT_EQ(Make("PLAIN").Demo(0), 0);
    ASSERT_EQ(Make("SCALED").Demo(2), 0);
    ASSERT_EQ(Make("SCALED").Demo(2), 0);
    server::ServerState state(m_folder.Path());
    auto plain = state.OpenSystem("PLAIN");
    auto scaled = state.OpenSystem("SCALED");
    ASSERT_TRUE(plain.ok() && scaled.ok());
    auto count = [](server::System& system, std::string_view kind) {
        auto objects = system.ListObjects(kind);
        return objects.ok() ? static_cast<int>(objects->size()) : -1;
    };
    EXPECT_EQ(count(**scaled, kinds::kProfile),
              count(**plain, kinds::kProfile) + 2 * server::kScaleUnitProfiles);
    EXPECT_EQ(count(**scaled, kinds::kLine),
              count(**plain, kinds::kLine) + 2 * server::kScaleUnitLines);
    EXPECT_EQ(count(**scaled, kinds::kModem),
              count(**plain, kinds::kModem) + 2 * server::kScaleUnitModems);
    EXPECT_EQ(count(**scaled, kinds::kLineModem),
              count(**plain, kinds::kLineModem) + 2 * server::kScaleUnitLines);
    auto modems = (*scaled)->ListObjects(kinds::kModem);
    auto associations = (*scaled)->ListObjects(kinds::kLineModem);
    ASSERT_TRUE(modems.ok() && associations.ok());
    for (const auto& association : *associations) {
        const std::string modem = association.Get(attr::line_modem::kModemName);
        const bool known = modem == code::modem_name::kNone ||
                           std::any_of(modems->begin(), modems->end(),
                                       [&](const auto& record) { return record.name == modem; });
        EXPECT_TRUE(known) << association.name << " uses " << modem;
    }
    const std::string filters = "/QKTL/USERDATA/NOS50/TCPIP/ADMIXRULES/PPPFILTERS.I3P";
    auto text = (*scaled)->Files().Read(filters);
    ASSERT_TRUE(text.ok());
    std::istringstream lines(text->text);
    int statements = 0;
    for (std::string line; std::getline(lines, line);)
        statements += line.rfind("ADDRESS SCALE", 0) == 0 || line.rfind("FILTER SET SCALE", 0) == 0;
    EXPECT_EQ(statements, 2 * server::kScaleUnitFilterStatements);
    const auto check = server::CheckRulesFile((*scaled)->Files(), filters, server::RulesCheck::All);
    EXPECT_EQ(check.result, code::verify_result::kClean)
        << (check.findings.empty() ? "" : check.findings.front());
}

}  // namespace
}  // namespace ptp::cli
