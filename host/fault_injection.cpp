#include "host/fault_injection.h"

#include <map>

#include "host/server_error.h"

namespace ptp::host {
namespace {

using Op = HostOperation;

class FaultyConnection final : public ICommandConnection {
  public:
    FaultyConnection(FaultInjectingHost& host, std::unique_ptr<ICommandConnection> inner)
        : m_host(host), m_inner(std::move(inner)) {}
    std::string RunCommand(std::string_view command) override {
        if (const Fault* fault = m_host.Hit(Op::RunCommand, {})) return fault->reply;
        return m_inner->RunCommand(command);
    }

  private:
    FaultInjectingHost& m_host;
    std::unique_ptr<ICommandConnection> m_inner;
};

class FaultyCommands final : public ICommandService {
  public:
    explicit FaultyCommands(FaultInjectingHost& host) : m_host(host) {}
    std::unique_ptr<ICommandConnection> OpenConnection(std::string_view server, int mode,
                                                       int& status) override {
        if (m_host.Hit(Op::OpenConnection, {})) {
            status = 0;
            return nullptr;
        }
        auto inner = m_host.Inner().Commands().OpenConnection(server, mode, status);
        if (!inner) return nullptr;
        return std::make_unique<FaultyConnection>(m_host, std::move(inner));
    }

  private:
    FaultInjectingHost& m_host;
};

class FaultyFile final : public IServerFile {
  public:
    FaultyFile(FaultInjectingHost& host, std::unique_ptr<IServerFile> inner)
        : m_host(host), m_inner(std::move(inner)) {}
    int Open(int a, int b, int c) override {
        if (const Fault* fault = m_host.Hit(Op::FileOpen, {})) return fault->fileResult;
        return m_inner->Open(a, b, c);
    }
    int PrepareWrite() override { return m_inner->PrepareWrite(); }
    int SetCcsid(int ccsid) override { return m_inner->SetCcsid(ccsid); }
    int GetCcsid() const override { return m_inner->GetCcsid(); }
    int ReadLine(char* buffer, std::size_t capacity) override {
        if (const Fault* fault = m_host.Hit(Op::FileReadLine, {})) return fault->fileResult;
        return m_inner->ReadLine(buffer, capacity);
    }
    int WriteLine(const char* text, std::size_t length, int flag) override {
        m_host.RecordWrite({text ? text : "", length, flag});
        if (const Fault* fault = m_host.Hit(Op::FileWriteLine, {})) return fault->fileResult;
        return m_inner->WriteLine(text, length, flag);
    }
    int Close() override {
        if (const Fault* fault = m_host.Hit(Op::FileClose, {})) return fault->fileResult;
        return m_inner->Close();
    }
    std::string GetVersion() const override { return m_inner->GetVersion(); }
    void ExpectVersion(std::string_view version) override { m_inner->ExpectVersion(version); }

  private:
    FaultInjectingHost& m_host;
    std::unique_ptr<IServerFile> m_inner;
};

class FaultyFiles final : public IServerFiles {
  public:
    explicit FaultyFiles(FaultInjectingHost& host) : m_host(host) {}
    std::unique_ptr<IServerFile> CreateFile(std::string_view server, std::string_view path,
                                            int& result) override {
        if (const Fault* fault = m_host.Hit(Op::CreateFile, {})) {
            result = fault->fileResult;
            return nullptr;
        }
        return Wrap(m_host.Inner().Files().CreateFile(server, path, result));
    }
    std::unique_ptr<IServerFile> CreateFileForWrite(std::string_view server, std::string_view path,
                                                    int arg0, int& result, int arg1) override {
        if (const Fault* fault = m_host.Hit(Op::CreateFile, {})) {
            result = fault->fileResult;
            return nullptr;
        }
        return Wrap(m_host.Inner().Files().CreateFileForWrite(server, path, arg0, result, arg1));
    }
    std::vector<std::string> ListDirectory(std::string_view server, std::string_view pattern,
                                           SOFError** error) override {
        if (const Fault* fault = m_host.Hit(Op::ListDirectory, {})) {
            m_host.Fail(*fault, error);
            return {};
        }
        return m_host.Inner().Files().ListDirectory(server, pattern, error);
    }

  private:
    std::unique_ptr<IServerFile> Wrap(std::unique_ptr<IServerFile> inner) {
        if (!inner) return nullptr;
        return std::make_unique<FaultyFile>(m_host, std::move(inner));
    }
    FaultInjectingHost& m_host;
};

class FaultyObject final : public IServerObject {
  public:
    FaultyObject(FaultInjectingHost& host, IServerObject* inner,
                 std::unique_ptr<IServerObject> owned = nullptr)
        : m_host(host), m_inner(inner), m_owned(std::move(owned)), m_kind(inner->GetKind()) {}

    void GetAttribute(int id, char* buffer, std::size_t capacity, SOFError** error) override {
        if (const Fault* fault = m_host.Hit(Op::GetAttribute, m_kind)) {
            m_host.Fail(*fault, error);
            return;
        }
        m_inner->GetAttribute(id, buffer, capacity, error);
    }
    std::string GetAttributeText(int id, SOFError** error) override {
        if (const Fault* fault = m_host.Hit(Op::GetAttribute, m_kind)) {
            m_host.Fail(*fault, error);
            return {};
        }
        return m_inner->GetAttributeText(id, error);
    }
    void SetAttribute(int id, std::string_view value) override { m_inner->SetAttribute(id, value); }
    void Commit(SOFError** error) override {
        if (const Fault* fault = m_host.Hit(Op::Commit, m_kind)) {
            m_host.Fail(*fault, error);
            return;
        }
        m_inner->Commit(error);
    }
    void Discard() override { m_inner->Discard(); }
    void Delete(SOFError** error) override {
        if (const Fault* fault = m_host.Hit(Op::Delete, m_kind)) {
            m_host.Fail(*fault, error);
            return;
        }
        m_inner->Delete(error);
    }
    std::string GetKind() const override { return m_inner->GetKind(); }
    std::string GetName() const override { return m_inner->GetName(); }

  private:
    FaultInjectingHost& m_host;
    IServerObject* m_inner;
    std::unique_ptr<IServerObject> m_owned;
    std::string m_kind;
};

class FaultyList final : public IServerList {
  public:
    FaultyList(FaultInjectingHost& host, std::unique_ptr<IServerList> inner, std::string kind)
        : m_host(host), m_inner(std::move(inner)), m_kind(std::move(kind)) {}

    void Open(SOFError** error) override {
        if (Failed(Op::ListOpen, error)) return;
        m_inner->Open(error);
    }
    int GetState(SOFError** error) override {
        if (m_forcedState != 0) return m_forcedState;
        return m_inner->GetState(error);
    }
    void WaitStep(SOFError** error) override {
        if (const Fault* fault = m_host.Hit(Op::ListWaitStep, m_kind)) {
            if (fault->listState != 0) {
                if (error) *error = nullptr;
                m_forcedState = fault->listState;
                return;
            }
            m_host.Fail(*fault, error);
            return;
        }
        m_inner->WaitStep(error);
    }
    long GetCount(SOFError** error) override {
        if (Failed(Op::ListCount, error)) return 0;
        return m_inner->GetCount(error);
    }
    IServerObject* ElementAt(long index, SOFError** error) override {
        if (Failed(Op::ElementAt, error)) return nullptr;
        IServerObject* inner = m_inner->ElementAt(index, error);
        if (!inner) return nullptr;
        auto& wrapper = m_elements[inner];
        if (!wrapper) wrapper = std::make_unique<FaultyObject>(m_host, inner);
        return wrapper.get();
    }
    void Refresh(int flags, SOFError** error) override {
        if (Failed(Op::ListRefresh, error)) return;
        m_forcedState = 0;
        m_elements.clear();
        m_inner->Refresh(flags, error);
    }
    void Close(SOFError** error) override {
        m_elements.clear();
        m_inner->Close(error);
    }

  private:
    bool Failed(Op operation, SOFError** error) {
        const Fault* fault = m_host.Hit(operation, m_kind);
        if (!fault) return false;
        m_host.Fail(*fault, error);
        return true;
    }

    FaultInjectingHost& m_host;
    std::unique_ptr<IServerList> m_inner;
    std::string m_kind;
    std::map<IServerObject*, std::unique_ptr<FaultyObject>> m_elements;
    int m_forcedState = 0;
};

class FaultyObjects final : public IServerObjects {
  public:
    explicit FaultyObjects(FaultInjectingHost& host) : m_host(host) {}
    std::unique_ptr<IServerObject> CreateObject(std::string_view kind, std::string_view client,
                                                std::string_view server, std::string_view name,
                                                SOFError** error) override {
        if (const Fault* fault = m_host.Hit(Op::CreateObject, kind)) {
            m_host.Fail(*fault, error);
            return nullptr;
        }
        auto inner = m_host.Inner().Objects().CreateObject(kind, client, server, name, error);
        if (!inner) return nullptr;
        IServerObject* raw = inner.get();
        return std::make_unique<FaultyObject>(m_host, raw, std::move(inner));
    }
    std::unique_ptr<IServerList> CreateList(std::string_view kind, std::string_view client,
                                            std::string_view server, std::string_view filter,
                                            SOFError** error) override {
        if (const Fault* fault = m_host.Hit(Op::CreateList, kind)) {
            m_host.Fail(*fault, error);
            return nullptr;
        }
        auto inner = m_host.Inner().Objects().CreateList(kind, client, server, filter, error);
        if (!inner) return nullptr;
        return std::make_unique<FaultyList>(m_host, std::move(inner), std::string(kind));
    }

  private:
    FaultInjectingHost& m_host;
};

class FaultyFacts final : public IServerFacts {
  public:
    explicit FaultyFacts(FaultInjectingHost& host) : m_host(host) {}
    bool GetRelease(std::string_view server, char* buffer, std::size_t capacity) override {
        if (m_host.Hit(Op::Release, {})) return false;
        return m_host.Inner().Facts().GetRelease(server, buffer, capacity);
    }
    bool HasConfigurationAuthority(std::string_view server, SOFError** error) override {
        if (const Fault* fault = m_host.Hit(Op::ConfigurationAuthority, {})) {
            m_host.Fail(*fault, error);
            return false;
        }
        return m_host.Inner().Facts().HasConfigurationAuthority(server, error);
    }

  private:
    FaultInjectingHost& m_host;
};

}  // namespace

FaultInjectingHost::FaultInjectingHost(IHost& inner, IMessagePresenter* presenter)
    : m_inner(inner),
      m_presenter(presenter),
      m_calls(static_cast<std::size_t>(Op::Release) + 1, 0),
      m_commands(std::make_unique<FaultyCommands>(*this)),
      m_files(std::make_unique<FaultyFiles>(*this)),
      m_objects(std::make_unique<FaultyObjects>(*this)),
      m_facts(std::make_unique<FaultyFacts>(*this)) {}

FaultInjectingHost::~FaultInjectingHost() = default;

void FaultInjectingHost::AddFault(Fault fault) {
    std::lock_guard lock(m_mutex);
    m_faults.push_back(Armed{std::move(fault)});
}

void FaultInjectingHost::ClearFaults() {
    std::lock_guard lock(m_mutex);
    m_faults.clear();
}

int FaultInjectingHost::Calls(HostOperation operation) const {
    std::lock_guard lock(m_mutex);
    return m_calls[static_cast<std::size_t>(operation)];
}

int FaultInjectingHost::Fired() const {
    std::lock_guard lock(m_mutex);
    return m_fired;
}

std::vector<WrittenLine> FaultInjectingHost::WrittenLines() const {
    std::lock_guard lock(m_mutex);
    return m_written;
}

void FaultInjectingHost::RecordWrite(WrittenLine line) {
    std::lock_guard lock(m_mutex);
    m_written.push_back(std::move(line));
}

const Fault* FaultInjectingHost::Hit(HostOperation operation, std::string_view kind) {
    std::lock_guard lock(m_mutex);
    ++m_calls[static_cast<std::size_t>(operation)];
    for (auto& armed : m_faults) {
        if (armed.done || armed.fault.operation != operation) continue;
        if (!armed.fault.kind.empty() && armed.fault.kind != kind) continue;
        ++armed.seen;
        if (armed.seen < armed.fault.nth) continue;
        if (!armed.fault.repeat) armed.done = true;
        ++m_fired;
        return &armed.fault;
    }
    return nullptr;
}

void FaultInjectingHost::Fail(const Fault& fault, SOFError** slot) {
    ReportError(slot, fault.errorKind, fault.messageId, fault.text, m_presenter);
}

ICommandService& FaultInjectingHost::Commands() {
    return *m_commands;
}
IServerFiles& FaultInjectingHost::Files() {
    return *m_files;
}
IServerObjects& FaultInjectingHost::Objects() {
    return *m_objects;
}
IErrorDisplay& FaultInjectingHost::Errors() {
    return m_inner.Errors();
}
IServerFacts& FaultInjectingHost::Facts() {
    return *m_facts;
}

}  // namespace ptp::host
