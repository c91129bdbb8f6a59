// The rules file against a real server stand-in: UTF-16 files read and written through the
// server-file service, files in use, failed writes, the include check and the server's views of
// the rules.
#include <gtest/gtest.h>

#include "host/fault_injection.h"
#include "platform/vocabulary/kinds.h"
#include "platform/vocabulary/rules.h"
#include "resources/ids/files.h"
#include "rules/nat_define_address_data.h"
#include "rules/nat_filter_data.h"
#include "rules/nat_include_data.h"
#include "rules/nat_rules_file.h"
#include "tests/config/host_fixture.h"

namespace ptp::rules {
namespace {

constexpr std::string_view kRulesText =
    "# PPP filters\n"
    "ADDRESS LAN IP = 10.0.0.0 THROUGH 10.0.0.255 TYPE = TRUSTED\n"
    "### the office network\n"
    "FILTER SET PPPIN ACTION = PERMIT DIRECTION = INBOUND SRCADDR = * DSTADDR = LAN %\n"
    "   SERVICE = telnet JRN = OFF\n"
    "FILTER_INTERFACE PPP_FILTER_ID = pf1 SET = PPPIN\n"
    "HIDE 10.0.0.0 BEHIND 9.9.9.9:80 JRN = OFF\n"
    "MAP 10.0.0.7 TO 9.9.9.7 LINE = ethline JRN = OFF\n"
    "MAP 10.0.0.8 TO PPP_FILTER_ID = PF1\n";

class NATRulesFile : public testing::HostFixture {
  protected:
    void PutRules(std::string_view path, std::string_view text) {
        PutFile(path, text, server::kCcsidUtf16);
    }
};

TEST_F(NATRulesFile, ReadsUtf16FilesAndWritesThemBackWrapped) {
    PutRules(kPPPFiltersPath, kRulesText);
    CNATRulesFile file(testing::kTestSystem, kPPPFiltersPath, false, 3);
    ASSERT_EQ(file.Load(false), kRulesResultOk);
    ASSERT_EQ(file.GetCount(), 7u);
    EXPECT_EQ(file.IsModified(), 0);
    EXPECT_EQ(file.GetAt(1)->GetDescription(), " the office network");
    const auto& filter = static_cast<const CNATFilterData&>(*file.GetAt(2));
    EXPECT_EQ(filter.GetDstAddr(), "LAN");
    EXPECT_EQ(filter.GetService(), "telnet");
    EXPECT_EQ(CollectFilterIdentifiers(file),
              (std::vector<std::string>{"PF1", "9.9.9.9:80", "ETHLINE"}));

    // Unchanged: saving writes nothing.
    PutRules(kPPPFiltersPath, "# replaced\n");
    EXPECT_EQ(file.Save(), kRulesResultOk);
    EXPECT_EQ(FileText(kPPPFiltersPath), "# replaced\n");

    const std::string copy = "/QKTL/UserData/NOS50/TCPIP/ADMIXRULES/COPY.I3P";
    ASSERT_EQ(file.SaveAs(copy), kRulesResultOk);
    EXPECT_EQ(file.GetPath(), copy);
    EXPECT_EQ(FileCcsid(copy), server::kCcsidUtf16);
    const std::string written = FileText(copy);
    EXPECT_EQ(written.substr(0, 16), "# PPP filters   ");
    EXPECT_NE(written.find("TYPE = TRUSTED   \n### the office network\nFILTER SET PPPIN"),
              std::string::npos);
    // The file ends with an empty line.
    EXPECT_EQ(written.substr(written.size() - 2), "\n\n");

    CNATRulesFile back(testing::kTestSystem, copy, false, 3);
    ASSERT_EQ(back.Load(false), kRulesResultOk);
    ASSERT_EQ(back.GetCount(), file.GetCount());
    for (std::size_t i = 0; i < back.GetCount(); ++i) {
        EXPECT_EQ(back.GetAt(i)->GetFullText(), file.GetAt(i)->GetFullText()) << i;
        EXPECT_EQ(back.GetAt(i)->GetDescription(), file.GetAt(i)->GetDescription()) << i;
    }
}

TEST_F(NATRulesFile, DroppedStatementsMakeTheFileModified) {
    PutRules(kPPPFiltersPath,
             "filter SET X ACTION = PERMIT\nINCLUDE FILE = /a MEMBER = b\n"
             "HIDE A BEHIND B JRN = OFF\n");
    CNATRulesFile file(testing::kTestSystem, kPPPFiltersPath, false, 0);
    ASSERT_EQ(file.Load(false), kRulesResultOk);
    ASSERT_EQ(file.GetCount(), 1u);
    ASSERT_EQ(file.GetDropped().size(), 2u);
    EXPECT_EQ(file.GetDropped()[0].line, 1);
    EXPECT_EQ(file.GetDropped()[1].result, kParseUnsupported);
    EXPECT_EQ(file.IsModified(), 1);
    ASSERT_EQ(file.Save(), kRulesResultOk);
    EXPECT_EQ(FileText(kPPPFiltersPath),
              "HIDE A    BEHIND B    TIMEOUT = 16    MAXCON = 64    JRN = OFF   \n\n");
}

TEST_F(NATRulesFile, FileInUseAskedOnlyWhenTheCallerWantsIt) {
    PutRules(kPPPFiltersPath, kRulesText);
    ASSERT_TRUE(System().Files().Claim(kPPPFiltersPath, "other-client").ok());

    CNATRulesFile quiet(testing::kTestSystem, kPPPFiltersPath, false, 0);
    EXPECT_EQ(quiet.Load(false), host::kFileInUse);
    EXPECT_TRUE(m_prompts.questions.empty());
    EXPECT_EQ(quiet.GetCount(), 0u);

    CNATRulesFile declined(testing::kTestSystem, kPPPFiltersPath, false, 0);
    EXPECT_EQ(declined.LoadAskingWhenInUse(), host::kFileInUse);
    ASSERT_EQ(m_prompts.questions.size(), 1u);
    EXPECT_EQ(m_prompts.questions[0].id, IDS_RULES_FILE_IN_USE_QUESTION);
    EXPECT_EQ(m_prompts.questions[0].args, std::vector<std::string>{std::string(kPPPFiltersPath)});

    // Writing a file someone else holds fails with a message naming it; nothing is written.
    CNATRulesFile writer(testing::kTestSystem, kPPPFiltersPath, false, 0);
    writer.Add(std::make_unique<CNATIncludeData>("/QKTL/X.I3P"));
    EXPECT_NE(writer.Save(), kRulesResultOk);
    ASSERT_EQ(m_prompts.messages.size(), 1u);
    EXPECT_EQ(m_prompts.messages[0].id, IDS_RULES_FILE_CANNOT_WRITE);
    EXPECT_EQ(FileText(kPPPFiltersPath), kRulesText);
    EXPECT_EQ(writer.IsModified(), 1);
    System().Files().Release(kPPPFiltersPath, "other-client");
}

TEST_F(NATRulesFile, AgreeingToOpenAFileInUseOpensItAgain) {
    PutRules(kPPPFiltersPath, kRulesText);
    host::FaultInjectingHost faulty(m_host);
    host::SetHost(&faulty);
    host::Fault inUse;
    inUse.operation = host::HostOperation::FileOpen;
    inUse.fileResult = host::kFileInUse;
    faulty.AddFault(inUse);
    m_prompts.answer = true;
    CNATRulesFile file(testing::kTestSystem, kPPPFiltersPath, false, 0);
    EXPECT_EQ(file.LoadAskingWhenInUse(), kRulesResultOk);
    EXPECT_EQ(m_prompts.questions.size(), 1u);
    EXPECT_EQ(faulty.Calls(host::HostOperation::FileOpen), 2);
    EXPECT_EQ(file.GetCount(), 7u);
    host::SetHost(&m_host);
}

TEST_F(NATRulesFile, IncludeCheckAddsThePPPFiltersFileOnce) {
    CNATRulesFile level3(testing::kTestSystem, kPPPFiltersPath, false, 3);
    // Without a PPP filters file there is nothing to include.
    level3.EnsurePPPFiltersIncluded();
    EXPECT_EQ(FileText(kVPNPolicyFiltersPath), "<missing>");

    PutRules(kPPPFiltersPath, kRulesText);
    CNATRulesFile level2(testing::kTestSystem, kPPPFiltersPath, false, 2);
    level2.EnsurePPPFiltersIncluded();
    EXPECT_EQ(FileText(kVPNPolicyFiltersPath), "<missing>");

    level3.EnsurePPPFiltersIncluded();
    const std::string once = FileText(kVPNPolicyFiltersPath);
    EXPECT_EQ(once,
              "INCLUDE    FILE = /QKTL/USERDATA/NOS50/TCPIP/ADMIXRULES/PPPFILTERS.I3P   \n\n");
    level3.EnsurePPPFiltersIncluded();
    EXPECT_EQ(FileText(kVPNPolicyFiltersPath), once);

    // An existing VPN file keeps its statements and gets the include at the end.
    PutRules(kVPNPolicyFiltersPath, "# vpn\nHIDE A BEHIND B JRN = OFF\n");
    level3.EnsurePPPFiltersIncluded();
    CNATRulesFile vpn(testing::kTestSystem, kVPNPolicyFiltersPath, false, 3);
    ASSERT_EQ(vpn.Load(false), kRulesResultOk);
    ASSERT_EQ(vpn.GetCount(), 3u);
    EXPECT_EQ(vpn.GetAt(2)->GetType(), kNATInclude);
}

TEST_F(NATRulesFile, ReadErrorsEndTheReadWithOneMessage) {
    PutRules(kPPPFiltersPath, kRulesText);
    host::FaultInjectingHost faulty(m_host);
    host::SetHost(&faulty);
    faulty.AddFault(testing::FailingReadsFrom(4));
    CNATRulesFile file(testing::kTestSystem, kPPPFiltersPath, false, 0);
    EXPECT_EQ(file.Load(false), kRulesResultOk);
    host::SetHost(&m_host);
    EXPECT_EQ(file.IsEndOfFile(), 1);
    ASSERT_EQ(file.GetCount(), 2u) << "the statements read before the failure stay";
    EXPECT_EQ(file.GetAt(1)->GetType(), kNATDefineAddress);
    EXPECT_EQ(file.GetAt(1)->GetDescription(), " the office network");
    ASSERT_EQ(m_prompts.messages.size(), 1u);
    EXPECT_EQ(m_prompts.messages[0].id, IDS_FILE_READ_WRITE_ERROR);
}

TEST_F(NATRulesFile, ActiveRulesNameTheirFileAndNumberOnlyStatements) {
    ASSERT_TRUE(
        System()
            .PutObject(kinds::kCurrentRulesList, kinds::kSingletonName,
                       {{attr::current_rules::kLineCount, "5"},
                        {attr::current_rules::kFirstLine,
                         "#INCLUDE FILE = /QKTL/USERDATA/NOS50/TCPIP/ADMIXRULES/PPPFILTERS.I3P"},
                        {attr::current_rules::kFirstLine + 1, "# activated for the night shift"},
                        {attr::current_rules::kFirstLine + 2,
                         "ADDRESS LAN IP = 10.0.0.0 THROUGH 10.0.0.255 TYPE = TRUSTED"},
                        {attr::current_rules::kFirstLine + 3, "### the office network"},
                        {attr::current_rules::kFirstLine + 4,
                         "FILTER SET PPPIN ACTION = PERMIT SERVICE = telnet"}})
            .ok());
    CNATRulesFile active(testing::kTestSystem, "", true, 0);
    ASSERT_EQ(active.Load(false), kRulesResultOk);
    EXPECT_EQ(active.GetPath(), kPPPFiltersPath) << "the first include names the file";
    EXPECT_EQ(active.GetServerPath(), kPPPFiltersPath);
    ASSERT_EQ(active.GetCount(), 4u);
    EXPECT_EQ(active.GetAt(1)->GetType(), kNATComment);
    EXPECT_EQ(active.GetAt(2)->GetDescription(), " the office network");
    // Neither comments nor descriptions take a number from the active rules.
    EXPECT_EQ(active.GetAt(2)->GetNumber(), 1);
    EXPECT_EQ(active.GetAt(3)->GetNumber(), 2);
    EXPECT_EQ(active.IsModified(), 0);

    // The active rules stop where a line can no longer be read; one message says so.
    host::FaultInjectingHost faulty(m_host);
    host::SetHost(&faulty);
    host::Fault lineFault;
    lineFault.operation = host::HostOperation::GetAttribute;
    lineFault.kind = std::string(kinds::kCurrentRulesList);
    lineFault.nth = 4;  // the line count, then the third line
    faulty.AddFault(lineFault);
    CNATRulesFile partly(testing::kTestSystem, "", true, 0);
    EXPECT_EQ(partly.Load(false), kRulesResultOk);
    EXPECT_EQ(partly.GetCount(), 2u);
    ASSERT_EQ(m_prompts.messages.size(), 1u);
    EXPECT_EQ(m_prompts.messages[0].id, IDS_FILE_READ_WRITE_ERROR);

    // Without active rules there is nothing to read.
    faulty.ClearFaults();
    host::Fault noRules;
    noRules.operation = host::HostOperation::CreateObject;
    noRules.kind = std::string(kinds::kCurrentRulesList);
    faulty.AddFault(noRules);
    CNATRulesFile none(testing::kTestSystem, kPPPFiltersPath, true, 0);
    EXPECT_EQ(none.Load(false), kRulesResultNoActiveRules);
    EXPECT_EQ(none.GetCount(), 0u);
    EXPECT_EQ(faulty.Fired(), 2);
    host::SetHost(&m_host);
}

TEST_F(NATRulesFile, VerificationPassesTheStandInsFindingsBack) {
    PutRules(kPPPFiltersPath,
             "ADDRESS A IP = 10.0.0.1 TYPE = TRUSTED\n"
             "BOGUS STATEMENT HERE\n"
             "INCLUDE FILE = /QKTL/missing.i3p\n");
    CNATRulesFile file(testing::kTestSystem, kPPPFiltersPath, false, 3);
    EXPECT_EQ(file.VerifySyntax(7), 1);
    ASSERT_EQ(file.GetVerifyFindings().size(), 1u);
    EXPECT_NE(file.GetVerifyFindings()[0].find("BOGUS"), std::string::npos);
    EXPECT_EQ(file.VerifyIncludes(7), 1);
    ASSERT_EQ(file.GetVerifyFindings().size(), 1u);
    EXPECT_NE(file.GetVerifyFindings()[0].find("/QKTL/missing.i3p"), std::string::npos);
    EXPECT_EQ(file.VerifyRulesFile(7), 1);
    EXPECT_EQ(file.GetVerifyResultCount(), 2);

    host::FaultInjectingHost faulty(m_host);
    host::SetHost(&faulty);
    host::Fault refused;
    refused.operation = host::HostOperation::CreateObject;
    refused.kind = std::string(kinds::kVerifyRulesFile);
    faulty.AddFault(refused);
    EXPECT_EQ(file.VerifySyntax(7), kRulesResultNoActiveRules);
    host::SetHost(&m_host);
}

TEST_F(NATRulesFile, EachFailedLineWriteIsReportedAndTheOtherLinesAreStillWritten) {
    PutRules(kPPPFiltersPath,
             "HIDE A BEHIND B JRN = OFF\n###why\nINCLUDE FILE = /a.i3p\nMAP X TO Y JRN = OFF\n");
    CNATRulesFile file(testing::kTestSystem, kPPPFiltersPath, false, 0);
    ASSERT_EQ(file.Load(false), kRulesResultOk);
    file.GetAt(2)->SetDescription("because");
    host::FaultInjectingHost faulty(m_host);
    host::SetHost(&faulty);
    host::Fault lost;
    lost.operation = host::HostOperation::FileWriteLine;
    lost.nth = 2;  // the description line and every line after it
    lost.repeat = true;
    lost.fileResult = 9;
    faulty.AddFault(lost);
    EXPECT_EQ(file.Save(), kRulesResultOk);
    host::SetHost(&m_host);
    // Every piece went out, the include statement's with the include flag.
    const std::vector<std::pair<std::string, int>> pieces = {
        {"HIDE A    BEHIND B    TIMEOUT = 16    MAXCON = 64    JRN = OFF   ", host::kWritePlain},
        {"###why", host::kWritePlain},
        {"INCLUDE    FILE = /a.i3p   ", host::kWriteInclude},
        {"MAP X    TO Y    JRN = OFF    ", host::kWritePlain},
        {"###because", host::kWritePlain},
        {"", host::kWritePlain}};
    std::vector<host::WrittenLine> expected;
    for (const auto& [text, flag] : pieces)
        expected.push_back({text, text.size() + 1, flag});
    EXPECT_EQ(faulty.WrittenLines(), expected);
    EXPECT_EQ(FileText(kPPPFiltersPath),
              "HIDE A    BEHIND B    TIMEOUT = 16    MAXCON = 64    JRN = OFF   \n");
    ASSERT_EQ(m_prompts.messages.size(), 5u) << "one message for each failing piece";
    for (const auto& message : m_prompts.messages)
        EXPECT_EQ(message.id, IDS_FILE_READ_WRITE_ERROR);
    EXPECT_EQ(file.IsModified(), 0);
}

}  // namespace
}  // namespace ptp::rules
