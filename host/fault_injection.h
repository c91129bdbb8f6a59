#pragma once
// A host that passes every call to another host, except the calls it was told to fail: the Nth
// call of an operation (optionally only on objects and lists of one kind) answers with an error
// object, a command reply text, or a file result such as 5 (in use). Tests put it between the
// plug-in and a real server, so failure paths run against real data; it also keeps the lines
// written through it as they crossed the file seam.
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "host/host_services.h"
#include "host/message_presenter.h"

namespace ptp::host {

enum class HostOperation {
    OpenConnection,
    RunCommand,
    CreateFile,
    FileOpen,
    FileReadLine,
    FileWriteLine,
    FileClose,
    ListDirectory,
    CreateObject,
    CreateList,
    GetAttribute,
    Commit,
    Delete,
    ListOpen,
    ListWaitStep,
    ListCount,
    ElementAt,
    ListRefresh,
    ConfigurationAuthority,
    Release,
};

// A line as it was handed to the file seam.
struct WrittenLine {
    std::string text;
    std::size_t length = 0;
    int flag = 0;

    bool operator==(const WrittenLine&) const = default;
};

struct Fault {
    HostOperation operation = HostOperation::Commit;
    int nth = 1;          // the Nth matching call after the fault was added fails
    bool repeat = false;  // and every matching call after it
    std::string kind;     // only calls on objects or lists of this kind; empty for any
    // The error object a failing object, list, directory or authority call hands back.
    int errorKind = SOFError::kKindMessage;
    std::string messageId = "CPF9899";
    std::string text = "The operation failed on the server.";
    // RunCommand: the reply given instead of running the command.
    std::string reply = "CPF9899: The command failed on the server.";
    // File calls (create, open, read, write, close): the result given instead.
    int fileResult = kFileInUse;
    // ListWaitStep: when not 0, the list ends in this state (51: complete with errors) instead
    // of the step failing with an error object.
    int listState = 0;
};

class FaultInjectingHost final : public IHost {
  public:
    explicit FaultInjectingHost(IHost& inner, IMessagePresenter* presenter = nullptr);
    ~FaultInjectingHost() override;

    void AddFault(Fault fault);
    void ClearFaults();
    // How many calls of `operation` went through the wrapper (failed ones included).
    int Calls(HostOperation operation) const;
    // How many faults have fired.
    int Fired() const;
    // Every line written through the wrapper (failed ones included), with its length and flag.
    std::vector<WrittenLine> WrittenLines() const;

    ICommandService& Commands() override;
    IServerFiles& Files() override;
    IServerObjects& Objects() override;
    IErrorDisplay& Errors() override;
    IServerFacts& Facts() override;

    // For the wrappers: the fault that the call fires, if any (counts the call).
    const Fault* Hit(HostOperation operation, std::string_view kind);
    // Fills `slot` with the fault's error object.
    void Fail(const Fault& fault, SOFError** slot);
    void RecordWrite(WrittenLine line);
    IHost& Inner() { return m_inner; }

  private:
    struct Armed {
        Fault fault;
        int seen = 0;
        bool done = false;
    };

    IHost& m_inner;
    IMessagePresenter* m_presenter;
    mutable std::mutex m_mutex;
    std::vector<Armed> m_faults;
    std::vector<int> m_calls;
    int m_fired = 0;
    std::vector<WrittenLine> m_written;

    std::unique_ptr<ICommandService> m_commands;
    std::unique_ptr<IServerFiles> m_files;
    std::unique_ptr<IServerObjects> m_objects;
    std::unique_ptr<IServerFacts> m_facts;
};

}  // namespace ptp::host
