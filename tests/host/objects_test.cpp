#include <cstring>

#include "host_fixture.h"
#include "platform/vocabulary/kinds.h"
#include "platform/vocabulary/line.h"
#include "platform/vocabulary/profile.h"
#include "server/system.h"

namespace ptp::host {
namespace {

using test::TakeError;
namespace prf = attr::profile;

class ObjectsTest : public test::HostFixture {};

TEST_F(ObjectsTest, AttributesAreStagedUntilCommitAndRoundTrip) {
    SOFError* error = nullptr;
    auto profile = m_host->Objects().CreateObject(kinds::kProfile, kClientName, "sys1", "", &error);
    ASSERT_TRUE(profile);
    ASSERT_EQ(error, nullptr);
    profile->SetAttribute(prf::kName, "DIALOUT");
    profile->SetAttribute(prf::kDescription, "Bob's line");
    profile->SetAttribute(prf::kProtocol, "2");
    char buffer[512];
    profile->GetAttribute(prf::kDescription, buffer, sizeof buffer, &error);
    EXPECT_STREQ(buffer, "Bob's line");  // the object sees what it staged
    EXPECT_FALSE(System().GetObject(kinds::kProfile, "DIALOUT").ok());
    profile->Commit(&error);
    ASSERT_EQ(TakeError(error), "");
    EXPECT_EQ(profile->GetName(), "DIALOUT");
    EXPECT_EQ(System().GetObject(kinds::kProfile, "DIALOUT")->Get(prf::kDescription), "Bob's line");

    // A second object on the same profile reads what the first committed; staged values that
    // are discarded never reach the server.
    auto again =
        m_host->Objects().CreateObject(kinds::kProfile, kClientName, "SYS1", "DIALOUT", &error);
    EXPECT_EQ(again->GetAttributeText(prf::kProtocol, &error), "2");
    again->SetAttribute(prf::kDescription, "changed");
    again->Discard();
    again->Commit(&error);
    EXPECT_EQ(System().GetObject(kinds::kProfile, "DIALOUT")->Get(prf::kDescription), "Bob's line");

    // A small buffer gets a cut, terminated text; a bad call leaves the buffer alone.
    char small[4];
    again->GetAttribute(prf::kDescription, small, sizeof small, &error);
    EXPECT_STREQ(small, "Bob");
    std::memcpy(buffer, "untouched", 10);
    again->GetAttribute(-1, buffer, sizeof buffer, &error);
    EXPECT_EQ(TakeError(error), "CPF9899");
    EXPECT_STREQ(buffer, "untouched");
}

// The server keeps a log of the objects clients changed, which a client reads through its session
// as it reads the command log: what was committed (with the values sent) and deleted, by whom,
// and nothing of a change the server refused.
TEST_F(ObjectsTest, CommitsAndDeletionsReachTheObjectLog) {
    IServerSession* session = m_host->SessionFor("sys1");
    ASSERT_NE(session, nullptr);
    auto other = MakeHost("ptpctl");
    SOFError* error = nullptr;
    auto modem = other->Objects().CreateObject(kinds::kModem, kClientName, "SYS1", "", &error);
    modem->SetAttribute(0, "Fast 56K");
    modem->SetAttribute(5, "ATDP");
    modem->Commit(&error);
    ASSERT_EQ(TakeError(error), "");
    auto refused = m_host->Objects().CreateObject(kinds::kProfile, kClientName, "SYS1", "", &error);
    refused->SetAttribute(prf::kName, "MUCHTOOLONGNAME");
    refused->Commit(&error);
    EXPECT_EQ(TakeError(error), "TCP8A22");
    modem->Delete(&error);
    ASSERT_EQ(TakeError(error), "");

    std::vector<LoggedObjectChange> changes;
    ASSERT_TRUE(session->ObjectLog(0, changes).ok());
    ASSERT_EQ(changes.size(), 2u);
    EXPECT_EQ(changes[0].action, kObjectCommitted);
    EXPECT_EQ(changes[0].client, "ptpctl");
    EXPECT_EQ(changes[0].kind, kinds::kModem);
    EXPECT_EQ(changes[0].name, "Fast 56K");
    EXPECT_EQ(changes[0].attributes, (Attributes{{0, "Fast 56K"}, {5, "ATDP"}}));
    EXPECT_EQ(changes[1].action, kObjectDeleted);
    EXPECT_TRUE(changes[1].attributes.empty());
    std::vector<LoggedObjectChange> later;
    ASSERT_TRUE(session->ObjectLog(changes[0].sequence, later).ok());
    ASSERT_EQ(later.size(), 1u);
    EXPECT_EQ(later[0].sequence, changes[1].sequence);
}

// Two clients change one profile at once: the one that commits second is told what changed under
// it instead of silently undoing it, keeps its staged change, and replaces the other change only
// when it commits again knowingly. Changes to different attributes both stand.
TEST_F(ObjectsTest, TwoWritersOfOneObjectLoseNoUpdateUnseen) {
    ASSERT_TRUE(System()
                    .PutObject(kinds::kProfile, "DIALOUT",
                               {{prf::kName, "DIALOUT"}, {prf::kDescription, "as made"}})
                    .ok());
    auto other = MakeHost("ptpctl");
    SOFError* error = nullptr;
    auto mine =
        m_host->Objects().CreateObject(kinds::kProfile, kClientName, "SYS1", "DIALOUT", &error);
    auto theirs =
        other->Objects().CreateObject(kinds::kProfile, kClientName, "SYS1", "DIALOUT", &error);
    ASSERT_EQ(TakeError(error), "");
    EXPECT_EQ(mine->GetAttributeText(prf::kDescription, &error), "as made");
    EXPECT_EQ(theirs->GetAttributeText(prf::kDescription, &error), "as made");

    theirs->SetAttribute(prf::kDescription, "their text");
    theirs->Commit(&error);
    ASSERT_EQ(TakeError(error), "");

    mine->SetAttribute(prf::kDescription, "my text");
    mine->SetAttribute(prf::kMaxConnections, "2");
    mine->Commit(&error);
    ASSERT_NE(error, nullptr);
    EXPECT_NE(std::string(error->GetText()).find("their text"), std::string::npos)
        << error->GetText();
    EXPECT_EQ(TakeError(error), std::string(kMessageChangedSince));
    EXPECT_EQ(System().GetObject(kinds::kProfile, "DIALOUT")->Get(prf::kDescription), "their text");
    EXPECT_FALSE(System().GetObject(kinds::kProfile, "DIALOUT")->Has(prf::kMaxConnections))
        << "nothing of the refused commit is written";
    EXPECT_EQ(mine->GetAttributeText(prf::kDescription, &error), "my text") << "still staged";

    mine->Commit(&error);
    ASSERT_EQ(TakeError(error), "");
    EXPECT_EQ(System().GetObject(kinds::kProfile, "DIALOUT")->Get(prf::kDescription), "my text");
    EXPECT_EQ(System().GetObject(kinds::kProfile, "DIALOUT")->Get(prf::kMaxConnections), "2");

    // Another attribute changed meanwhile is no conflict: both changes stand.
    theirs->SetAttribute(prf::kMultilink, "1");
    theirs->Commit(&error);
    ASSERT_EQ(TakeError(error), "");
    mine->SetAttribute(prf::kMaxLinks, "4");
    mine->Commit(&error);
    ASSERT_EQ(TakeError(error), "");
    EXPECT_EQ(System().GetObject(kinds::kProfile, "DIALOUT")->Get(prf::kMultilink), "1");
    EXPECT_EQ(System().GetObject(kinds::kProfile, "DIALOUT")->Get(prf::kMaxLinks), "4");
}

TEST_F(ObjectsTest, TheStandInRefusesWhatItWouldRefuse) {
    SOFError* error = nullptr;
    auto profile = m_host->Objects().CreateObject(kinds::kProfile, kClientName, "SYS1", "", &error);
    profile->SetAttribute(prf::kName, "MUCHTOOLONGNAME");
    profile->Commit(&error);
    ASSERT_NE(error, nullptr);
    EXPECT_EQ(error->GetKind(), SOFError::kKindMessage);
    EXPECT_NE(error->GetText().find("MUCHTOOLONGNAME"), std::string::npos);
    m_host->Errors().ShowError(error, nullptr);
    ASSERT_EQ(m_presenter.boxes.size(), 1u);
    EXPECT_EQ(m_presenter.boxes[0].source, "NXWIN");
    EXPECT_EQ(m_presenter.boxes[0].text.rfind("TCP8A22: ", 0), 0u);
    error->Destroy();
    m_host->Errors().ShowError(ErrorAlreadyReported(), nullptr);
    EXPECT_EQ(m_presenter.boxes.size(), 1u);

    ASSERT_TRUE(
        System().PutObject(kinds::kModem, "SYSTEM MODEM", {{0, "SYSTEM MODEM"}, {1, "1"}}).ok());
    auto modem =
        m_host->Objects().CreateObject(kinds::kModem, kClientName, "SYS1", "SYSTEM MODEM", &error);
    modem->Delete(&error);
    EXPECT_EQ(TakeError(error), "CPF2189");
    auto missing =
        m_host->Objects().CreateObject(kinds::kLine, kClientName, "SYS1", "NOLINE", &error);
    missing->Delete(&error);
    EXPECT_EQ(TakeError(error), "CPF2105");
    EXPECT_EQ(m_host->Objects().CreateObject(kinds::kLine, kClientName, "NOSYS", "X", &error),
              nullptr);
    EXPECT_EQ(TakeError(error), "CPF2105");
}

// A line sheet in properties mode changes the line through its object, and associates the line
// with its modem through a line-to-modem object.
TEST_F(ObjectsTest, LinesAndTheirModemsChangeThroughObjectsAsTheStandInAllows) {
    ASSERT_TRUE(System().PutObject(kinds::kHardwareResource, "CMN01", {{0, "CMN01"}}).ok());
    int status = 0;
    auto commands = m_host->Commands().OpenConnection("SYS1", 1, status);
    ASSERT_EQ(commands->RunCommand("QSYS/CRTLINPPP LIND(LINE1) RSRCNAME(CMN01) TEXT(*BLANK)"), "");
    ASSERT_TRUE(
        System()
            .PutObject(kinds::kProfile, "PRF1",
                       {{prf::kName, "PRF1"}, {prf::kLineName, "LINE1"}, {prf::kStatus, "6"}})
            .ok());
    SOFError* error = nullptr;
    auto line = m_host->Objects().CreateObject(kinds::kLine, kClientName, "SYS1", "LINE1", &error);
    line->SetAttribute(attr::line::kText, "Busy line");
    line->Commit(&error);
    EXPECT_EQ(TakeError(error), "CPF2113") << "a running profile holds the line";
    ASSERT_TRUE(System().PutObject(kinds::kProfile, "PRF1", {{prf::kStatus, "1"}}).ok());
    line->SetAttribute(attr::line::kText, std::string(51, 'x'));
    line->Commit(&error);
    EXPECT_EQ(TakeError(error), "TCP8A20");
    line->SetAttribute(attr::line::kText, "Stopped line");
    line->Commit(&error);
    EXPECT_EQ(TakeError(error), "");
    EXPECT_EQ(System().GetObject(kinds::kLine, "LINE1")->Get(attr::line::kText), "Stopped line");

    auto orphan =
        m_host->Objects().CreateObject(kinds::kLineModem, kClientName, "SYS1", "NOLINE", &error);
    orphan->SetAttribute(attr::line_modem::kLineName, "NOLINE");
    orphan->SetAttribute(attr::line_modem::kModemName, "NONE");
    orphan->Commit(&error);
    EXPECT_EQ(TakeError(error), "CPF2105");
    EXPECT_FALSE(System().GetObject(kinds::kLineModem, "NOLINE").ok());
    auto modem =
        m_host->Objects().CreateObject(kinds::kLineModem, kClientName, "SYS1", "LINE1", &error);
    modem->SetAttribute(attr::line_modem::kLineName, "LINE1");
    modem->SetAttribute(attr::line_modem::kModemName, "$generic hayes");
    modem->Commit(&error);
    EXPECT_EQ(TakeError(error), "");
    auto associations =
        m_host->Objects().CreateList(kinds::kLinePoolMemberList, kClientName, "SYS1", "", &error);
    associations->Open(&error);
    ASSERT_EQ(associations->GetCount(&error), 1);
    EXPECT_EQ(associations->ElementAt(0, &error)->GetAttributeText(
                  attr::line_association::kModemName, &error),
              "$generic hayes");
    EXPECT_EQ(TakeError(error), "");
}

TEST_F(ObjectsTest, ModemCommandsAreNumberedPerModemAndLimited) {
    SOFError* error = nullptr;
    ASSERT_TRUE(System().PutObject(kinds::kModem, "MY MODEM", {{0, "MY MODEM"}, {1, "0"}}).ok());
    for (int i = 0; i < 24; ++i) {
        auto command = m_host->Objects().CreateObject(kinds::kModemCommand, kClientName, "SYS1",
                                                      "MY MODEM", &error);
        command->SetAttribute(3, "INIT" + std::to_string(i));
        command->SetAttribute(4, "AT&F");
        command->Commit(&error);
        ASSERT_EQ(TakeError(error), "") << i;
    }
    auto tooMany = m_host->Objects().CreateObject(kinds::kModemCommand, kClientName, "SYS1",
                                                  "MY MODEM", &error);
    tooMany->SetAttribute(3, "ONEMORE");
    tooMany->Commit(&error);
    EXPECT_EQ(TakeError(error), "TCP8A20");

    auto third = m_host->Objects().CreateObject(kinds::kModemCommand, kClientName, "SYS1",
                                                "MY MODEM/3", &error);
    EXPECT_EQ(third->GetAttributeText(3, &error), "INIT2");
    EXPECT_EQ(third->GetAttributeText(1, &error), "TEMPLATE");
    EXPECT_EQ(third->GetAttributeText(5, &error), "MY MODEM");

    auto modem =
        m_host->Objects().CreateObject(kinds::kModem, kClientName, "SYS1", "MY MODEM", &error);
    modem->Delete(&error);
    ASSERT_EQ(TakeError(error), "");
    EXPECT_TRUE(System().ListObjects(kinds::kModemCommand)->empty());
}

}  // namespace
}  // namespace ptp::host
