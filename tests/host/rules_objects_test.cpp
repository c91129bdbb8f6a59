#include "host_fixture.h"
#include "platform/vocabulary/kinds.h"
#include "server/demo_data.h"
#include "server/stream_files.h"
#include "server/system.h"

namespace ptp::host {
namespace {

using test::TakeError;

class RulesObjectsTest : public test::HostFixture {
  protected:
    std::unique_ptr<IServerObject> Verify(std::string_view path) {
        SOFError* error = nullptr;
        auto verify = m_host->Objects().CreateObject(kinds::kVerifyRulesFile, kClientName, "SYS1",
                                                     path, &error);
        EXPECT_EQ(error, nullptr);
        verify->SetAttribute(1, "7");
        verify->SetAttribute(2, "0");
        return verify;
    }
};

TEST_F(RulesObjectsTest, VerificationReportsSyntaxAndMissingIncludes) {
    const std::string path = "/QKTL/USERDATA/NOS50/TCPIP/ADMIXRULES/PPPFILTERS.I3P";
    ASSERT_TRUE(System()
                    .Files()
                    .Write(path,
                           "### a comment\n"
                           "ADDRESS A IP = 10.0.0.1 %\n"
                           "   MASK = 255.0.0.0 TYPE = TRUSTED\n"
                           "1 FILTER SET F ACTION = PERMIT\n"
                           "BOGUS STATEMENT HERE\n"
                           "INCLUDE FILE = /QKTL/missing.i3p\n",
                           server::kCcsidUtf16)
                    .ok());
    SOFError* error = nullptr;
    auto verify = Verify(path);
    EXPECT_EQ(verify->GetAttributeText(11, &error), "1");
    EXPECT_EQ(verify->GetAttributeText(20, &error), "1");
    EXPECT_NE(verify->GetAttributeText(1000, &error).find("BOGUS"), std::string::npos);
    EXPECT_EQ(verify->GetAttributeText(12, &error), "1");
    EXPECT_NE(verify->GetAttributeText(1000, &error).find("/QKTL/missing.i3p"), std::string::npos);
    EXPECT_EQ(verify->GetAttributeText(10, &error), "1");
    EXPECT_EQ(verify->GetAttributeText(20, &error), "2");
    EXPECT_EQ(error, nullptr);

    EXPECT_EQ(Verify("/QKTL/NONE.I3P")->GetAttributeText(10, &error), "2");
}

TEST_F(RulesObjectsTest, TheDemoSystemHasCleanRulesAndActiveRules) {
    ASSERT_TRUE(server::SeedDemoData(System()).ok());
    SOFError* error = nullptr;
    auto vpn = Verify("/QKTL/USERDATA/NOS50/TCPIP/ADMIXRULES/VPNPOLICYFILTERS.I3P");
    EXPECT_EQ(vpn->GetAttributeText(10, &error), "0");
    EXPECT_EQ(vpn->GetAttributeText(20, &error), "0");
    auto current =
        m_host->Objects().CreateObject(kinds::kCurrentRulesList, kClientName, "SYS1", "", &error);
    ASSERT_EQ(error, nullptr);
    EXPECT_EQ(current->GetAttributeText(1, &error), "2");
    EXPECT_EQ(current->GetAttributeText(1000, &error).rfind("ADDRESS ISPNET", 0), 0u);
}

TEST_F(RulesObjectsTest, EachCheckLooksOnlyAtItsOwnConcern) {
    const std::string path = "/QKTL/USERDATA/NOS50/TCPIP/ADMIXRULES/MIXED.I3P";
    ASSERT_TRUE(
        System()
            .Files()
            .Write("/QKTL/Shared/Common.I3P", "address x ip = 10.0.0.1\n", server::kCcsidUtf16)
            .ok());
    ASSERT_TRUE(System()
                    .Files()
                    .Write(path,
                           "include file = /qktl/shared/common.i3p\n"
                           "NOT A STATEMENT\n"
                           "INCLUDE FILE = /QKTL/GONE.I3P\n"
                           "filter set f action = deny %\n",
                           server::kCcsidUtf16)
                    .ok());
    SOFError* error = nullptr;
    // Lower-case keywords and an include named in another case than the file are fine; the
    // syntax check finds the stray line and the statement left open at the end.
    auto syntax = Verify(path);
    EXPECT_EQ(syntax->GetAttributeText(11, &error), "1");
    EXPECT_EQ(syntax->GetAttributeText(20, &error), "2");
    EXPECT_NE(syntax->GetAttributeText(1000, &error).find("Line 2"), std::string::npos);
    EXPECT_EQ(syntax->GetAttributeText(1000, &error).find("GONE"), std::string::npos);
    // The include check finds only the missing file, with its line.
    auto includes = Verify(path);
    EXPECT_EQ(includes->GetAttributeText(12, &error), "1");
    EXPECT_EQ(includes->GetAttributeText(20, &error), "1");
    EXPECT_NE(includes->GetAttributeText(1000, &error).find("Line 3"), std::string::npos);
    EXPECT_NE(includes->GetAttributeText(1000, &error).find("/QKTL/GONE.I3P"), std::string::npos);
    // All checks together count every finding; the object names the file in any case.
    EXPECT_EQ(
        Verify("/qktl/userdata/nos50/tcpip/admixrules/mixed.i3p")->GetAttributeText(10, &error),
        "1");
    auto all = Verify(path);
    EXPECT_EQ(all->GetAttributeText(10, &error), "1");
    EXPECT_EQ(all->GetAttributeText(20, &error), "3");
    EXPECT_EQ(error, nullptr);
}

TEST_F(RulesObjectsTest, ASystemThatNeverActivatedRulesHasNoActiveLines) {
    SOFError* error = nullptr;
    auto current =
        m_host->Objects().CreateObject(kinds::kCurrentRulesList, kClientName, "SYS1", "", &error);
    ASSERT_EQ(TakeError(error), "");
    ASSERT_NE(current, nullptr);
    // No line count (or a zero one) and no lines: a reader of the active rules reads nothing.
    const std::string count = current->GetAttributeText(1, &error);
    EXPECT_TRUE(count.empty() || count == "0") << count;
    EXPECT_EQ(current->GetAttributeText(1000, &error), "");
    EXPECT_EQ(TakeError(error), "");
}

}  // namespace
}  // namespace ptp::host
