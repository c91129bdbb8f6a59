#include <memory>
#include <optional>

#include "host/in_process_host.h"
#include "host/in_process_parts.h"
#include "host/object_kinds.h"
#include "host/server_error.h"
#include "server/list_views.h"
#include "server/object_commit.h"
#include "server/rules_check.h"
#include "server/system.h"

namespace ptp::host {
namespace {

void Report(InProcessHost& host, SOFError** error, const server::Error& failure) {
    ReportError(error, SOFError::kKindMessage, failure.messageId, failure.text, host.Presenter());
}

// One server object: the server's values as last read, and the values staged since, which the
// object's reads already see and Commit writes in one transaction.
class InProcessObject final : public IServerObject {
  public:
    // `loaded` holds the server's values as last read, at `index`; null for an object the server
    // does not have (yet).
    InProcessObject(InProcessHost& host, server::System& system, std::string kind, std::string name,
                    std::shared_ptr<const server::ListSnapshot> loaded, std::size_t index)
        : m_host(host),
          m_system(system),
          m_kind(std::move(kind)),
          m_name(std::move(name)),
          m_loaded(std::move(loaded)),
          m_index(index) {}

    void GetAttribute(int id, char* buffer, std::size_t capacity, SOFError** error) override {
        ClearError(error);
        if (!buffer || capacity == 0 || id < 0) {
            ReportError(error, kKindUsage, "CPF9899",
                        "Attribute " + std::to_string(id) + " cannot be read into this buffer.",
                        m_host.Presenter());
            return;
        }
        CopyToBuffer(Value(id), buffer, capacity);
    }

    std::string GetAttributeText(int id, SOFError** error) override {
        ClearError(error);
        if (id < 0) {
            ReportError(error, kKindUsage, "CPF9899",
                        "Attribute " + std::to_string(id) + " does not exist.", m_host.Presenter());
            return {};
        }
        return std::string(Value(id));
    }

    void SetAttribute(int id, std::string_view value) override {
        m_staged[id] = std::string(value);
    }

    void Commit(SOFError** error) override {
        ClearError(error);
        if (m_staged.empty() && m_loaded) return;
        std::string stored;
        server::Status status = m_system.Transact([&](server::ObjectTx& tx) -> server::Status {
            auto key = server::CommitObject(tx, m_kind, m_name, m_staged);
            if (!key) return key.error();
            stored = *key;
            return server::AppendObjectLog(tx.Db(), m_host.Options().client,
                                           server::kObjectCommitted, m_kind, stored, m_staged);
        });
        if (!status) {
            Report(m_host, error, status.error());
            return;
        }
        m_name = stored;
        m_staged.clear();
        auto fresh = m_system.GetObject(m_kind, m_name);
        if (fresh) Reload(*fresh);
    }

    void Discard() override { m_staged.clear(); }

    void Delete(SOFError** error) override {
        ClearError(error);
        server::Status status = m_system.Transact([&](server::ObjectTx& tx) -> server::Status {
            if (auto st = server::DeleteObjectWithDependents(tx, m_kind, m_name); !st) return st;
            return server::AppendObjectLog(tx.Db(), m_host.Options().client, server::kObjectDeleted,
                                           m_kind, m_name, {});
        });
        if (!status) {
            Report(m_host, error, status.error());
            return;
        }
        m_loaded.reset();
        m_staged.clear();
    }

    std::string GetKind() const override { return m_kind; }
    std::string GetName() const override { return m_name; }

  private:
    // Reading a check operation of a rules verification object runs the check on the server.
    bool IsCheckOperation(int id) const {
        return m_kind == kinds::kVerifyRulesFile && id >= 10 && id <= 12;
    }

    void RunRulesCheck(int id) {
        auto check = static_cast<server::RulesCheck>(id);
        server::RulesCheckResult outcome = server::CheckRulesFile(m_system.Files(), m_name, check);
        Reload(server::ObjectRecord{m_kind, m_name, outcome.AsAttributes(id)});
    }

    std::string_view Value(int id) {
        if (IsCheckOperation(id)) RunRulesCheck(id);
        if (auto staged = m_staged.find(id); staged != m_staged.end()) return staged->second;
        if (!m_loaded) return {};
        return m_loaded->Find(m_index, id).value_or(std::string_view());
    }

    void Reload(const server::ObjectRecord& record) {
        auto snapshot = std::make_shared<server::ListSnapshot>();
        snapshot->Add(record.name, record.attributes);
        m_loaded = std::move(snapshot);
        m_index = 0;
    }

    InProcessHost& m_host;
    server::System& m_system;
    std::string m_kind;
    std::string m_name;
    std::shared_ptr<const server::ListSnapshot> m_loaded;
    std::size_t m_index = 0;
    server::Attributes m_staged;
};

// A server list. Open reads the whole list at once (state 1, open); the first wait step
// reports it loaded (2), the next one complete (50). Elements are objects of their own that
// live until the list is refreshed or closed.
class InProcessList final : public IServerList {
  public:
    static constexpr int kStateNew = 0;
    static constexpr int kStateOpen = 1;
    static constexpr int kStateLoaded = 2;

    InProcessList(InProcessHost& host, server::System& system, std::string kind, std::string filter)
        : m_host(host), m_system(system), m_kind(std::move(kind)), m_filter(std::move(filter)) {}

    void Open(SOFError** error) override {
        ClearError(error);
        if (Load(error)) m_state = kStateOpen;
    }

    int GetState(SOFError** error) override {
        ClearError(error);
        return m_state;
    }

    void WaitStep(SOFError** error) override {
        ClearError(error);
        if (m_state == kStateNew) {
            ReportError(error, kKindUsage, "CPF9899", "The list is not open.", m_host.Presenter());
            return;
        }
        if (m_state == kStateOpen)
            m_state = kStateLoaded;
        else if (m_state == kStateLoaded)
            m_state = kListStateComplete;
    }

    long GetCount(SOFError** error) override {
        ClearError(error);
        if (!RequireOpen(error)) return 0;
        return static_cast<long>(m_elements.size());
    }

    IServerObject* ElementAt(long index, SOFError** error) override {
        ClearError(error);
        if (!RequireOpen(error)) return nullptr;
        if (index < 0 || index >= static_cast<long>(m_elements.size())) {
            ReportError(error, kKindUsage, "CPF9899",
                        "List element " + std::to_string(index) + " does not exist.",
                        m_host.Presenter());
            return nullptr;
        }
        return &m_elements[static_cast<std::size_t>(index)];
    }

    void Refresh(int /*flags*/, SOFError** error) override {
        ClearError(error);
        if (Load(error)) m_state = kStateLoaded;
    }

    void Close(SOFError** error) override {
        ClearError(error);
        m_elements.clear();
        m_state = kStateNew;
    }

  private:
    bool RequireOpen(SOFError** error) {
        if (m_state != kStateNew) return true;
        ReportError(error, kKindUsage, "CPF9899", "The list is not open.", m_host.Presenter());
        return false;
    }

    bool Load(SOFError** error) {
        server::Result<server::ListSnapshot> records = server::ListSnapshot{};
        server::Status status = m_system.Read([&](server::ObjectTx& tx) -> server::Status {
            records = server::ReadListSnapshot(tx, m_kind, m_filter);
            return records.status();
        });
        if (!status) {
            Report(m_host, error, status.error());
            return false;
        }
        // One block for all elements: their addresses stay put until the next load.
        auto snapshot = std::make_shared<const server::ListSnapshot>(std::move(*records));
        m_elements.clear();
        m_elements.reserve(snapshot->Size());
        for (std::size_t i = 0; i < snapshot->Size(); ++i)
            m_elements.emplace_back(m_host, m_system, m_kind, std::string(snapshot->Name(i)),
                                    snapshot, i);
        return true;
    }

    InProcessHost& m_host;
    server::System& m_system;
    std::string m_kind;
    std::string m_filter;
    int m_state = kStateNew;
    std::vector<InProcessObject> m_elements;
};

}  // namespace

std::unique_ptr<IServerObject> InProcessObjects::CreateObject(std::string_view kind,
                                                              std::string_view /*client*/,
                                                              std::string_view serverName,
                                                              std::string_view name,
                                                              SOFError** error) {
    server::System* system = m_host.SystemOrError(serverName, error);
    if (!system) return nullptr;
    std::shared_ptr<server::ListSnapshot> loaded;
    if (name.empty() && kind == kinds::kCurrentRulesList) name = kinds::kSingletonName;
    if (!name.empty()) {
        auto record = system->GetObject(kind, name);
        if (record) {
            loaded = std::make_shared<server::ListSnapshot>();
            loaded->Add(record->name, record->attributes);
        }
    }
    return std::make_unique<InProcessObject>(m_host, *system, std::string(kind), std::string(name),
                                             std::move(loaded), 0);
}

std::unique_ptr<IServerList> InProcessObjects::CreateList(std::string_view kind,
                                                          std::string_view /*client*/,
                                                          std::string_view serverName,
                                                          std::string_view filter,
                                                          SOFError** error) {
    server::System* system = m_host.SystemOrError(serverName, error);
    if (!system) return nullptr;
    return std::make_unique<InProcessList>(m_host, *system, std::string(kind), std::string(filter));
}

}  // namespace ptp::host
