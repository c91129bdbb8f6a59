#include "host/fault_injection.h"
#include "host_fixture.h"
#include "platform/vocabulary/kinds.h"
#include "server/system.h"

namespace ptp::host {
namespace {

using test::TakeError;

class FaultInjectionTest : public test::HostFixture {
  protected:
    void SetUp() override {
        HostFixture::SetUp();
        m_faulty = std::make_unique<FaultInjectingHost>(*m_host, &m_presenter);
        m_host->SetCommandRunner(
            [](server::System&, std::string_view, std::string_view) { return std::string(); });
    }
    std::unique_ptr<FaultInjectingHost> m_faulty;
};

TEST_F(FaultInjectionTest, TheNthCommitOfAKindFailsWithAnErrorObject) {
    m_faulty->AddFault(Fault{HostOperation::Commit, 2, false, std::string(kinds::kProfile),
                             SOFError::kKindMessage, "CPF9803", "Cannot allocate object."});
    SOFError* error = nullptr;
    auto commit = [&](std::string_view kind, const std::string& name) {
        auto object = m_faulty->Objects().CreateObject(kind, kClientName, "SYS1", "", &error);
        object->SetAttribute(kind == kinds::kLine ? 1 : 0, name);
        object->Commit(&error);
        return TakeError(error);
    };
    EXPECT_EQ(commit(kinds::kProfile, "ONE"), "");
    EXPECT_EQ(commit(kinds::kLine, "LINE1"), "");  // another kind does not count
    EXPECT_EQ(commit(kinds::kProfile, "TWO"), "CPF9803");
    EXPECT_EQ(commit(kinds::kProfile, "THREE"), "");
    EXPECT_TRUE(System().GetObject(kinds::kProfile, "ONE").ok());
    EXPECT_FALSE(System().GetObject(kinds::kProfile, "TWO").ok());
    EXPECT_EQ(m_faulty->Fired(), 1);
    EXPECT_EQ(m_faulty->Calls(HostOperation::Commit), 4);
}

TEST_F(FaultInjectionTest, ListsFilesAndCommandsFailOnRequest) {
    ASSERT_TRUE(System().PutObject(kinds::kModem, "M1", {{0, "M1"}}).ok());
    Fault reads;
    reads.operation = HostOperation::GetAttribute;
    reads.repeat = true;
    reads.kind = kinds::kModem;
    m_faulty->AddFault(reads);
    SOFError* error = nullptr;
    auto list = m_faulty->Objects().CreateList(kinds::kModem, kClientName, "SYS1", "", &error);
    list->Open(&error);
    ASSERT_EQ(list->GetCount(&error), 1);
    IServerObject* modem = list->ElementAt(0, &error);
    char buffer[16] = "untouched";
    modem->GetAttribute(0, buffer, sizeof buffer, &error);
    EXPECT_EQ(TakeError(error), "CPF9899");
    EXPECT_STREQ(buffer, "untouched");
    m_faulty->ClearFaults();
    modem->GetAttribute(0, buffer, sizeof buffer, &error);
    EXPECT_STREQ(buffer, "M1");

    // A list can be made to end complete with errors.
    Fault partial;
    partial.operation = HostOperation::ListWaitStep;
    partial.listState = kListStateCompleteWithErrors;
    m_faulty->AddFault(partial);
    list->WaitStep(&error);
    EXPECT_EQ(error, nullptr);
    EXPECT_EQ(list->GetState(&error), kListStateCompleteWithErrors);
    list->Refresh(0, &error);
    EXPECT_NE(list->GetState(&error), kListStateCompleteWithErrors);

    Fault inUse;
    inUse.operation = HostOperation::FileOpen;
    inUse.fileResult = kFileInUse;
    m_faulty->AddFault(inUse);
    int result = -1;
    auto file = m_faulty->Files().CreateFileForWrite("SYS1", "/QKTL/a.cfg", 0, result, 1);
    EXPECT_EQ(file->Open(3, 3, 1), kFileInUse);
    EXPECT_EQ(file->Open(3, 3, 1), kFileOk);

    Fault refused;
    refused.operation = HostOperation::RunCommand;
    refused.reply = "CPF2681: Entry not found.";
    m_faulty->AddFault(refused);
    int status = 0;
    auto connection = m_faulty->Commands().OpenConnection("SYS1", 1, status);
    EXPECT_EQ(connection->RunCommand("QSYS/RMVCNNLE"), "CPF2681: Entry not found.");
    EXPECT_EQ(connection->RunCommand("QSYS/RMVCNNLE"), "");
    EXPECT_EQ(System().ReadCommandLog()->size(), 1u);  // the refused one never reached the server

    Fault noConnection;
    noConnection.operation = HostOperation::OpenConnection;
    m_faulty->AddFault(noConnection);
    EXPECT_FALSE(m_faulty->Commands().OpenConnection("SYS1", 1, status));
    EXPECT_EQ(status, 0);
}

}  // namespace
}  // namespace ptp::host
