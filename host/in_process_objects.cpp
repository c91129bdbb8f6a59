#include <memory>
#include <optional>

#include "host/in_process_host.h"
#include "host/in_process_parts.h"
#include "host/server_error.h"
#include "platform/vocabulary/kinds.h"
#include "platform/vocabulary/rules.h"

namespace ptp::host {
namespace {

void Report(InProcessHost& host, SOFError** error, const ServerReply& failure) {
    ReportError(error, SOFError::kKindMessage, failure.messageId, failure.text, host.Presenter());
}

// One server object: the server's values as last read, and the values staged since, which the
// object's reads already see and Commit writes in one transaction.
class InProcessObject final : public IServerObject {
  public:
    // `loaded` holds the server's values as last read, at `index`; null for an object the server
    // does not have (yet).
    InProcessObject(InProcessHost& host, IServerSession& session, std::string kind,
                    std::string name, std::shared_ptr<const ListSnapshot> loaded, std::size_t index)
        : m_host(host),
          m_session(session),
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
        const ServerReply reply =
            m_session.CommitObject(m_kind, m_name, m_staged, ReadValues(), stored);
        if (!reply.ok()) {
            // The user has now been told of the other change; what they see next time is the
            // server's current state, so committing again replaces it knowingly.
            if (reply.messageId == kMessageChangedSince) Reload();
            Report(m_host, error, reply);
            return;
        }
        m_name = stored;
        m_staged.clear();
        Reload();
    }

    void Discard() override { m_staged.clear(); }

    void Delete(SOFError** error) override {
        ClearError(error);
        const ServerReply reply = m_session.DeleteObject(m_kind, m_name);
        if (!reply.ok()) {
            Report(m_host, error, reply);
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
        return m_kind == kinds::kVerifyRulesFile && id >= attr::verify_rules::kOperationAll &&
               id <= attr::verify_rules::kOperationIncludes;
    }

    void RunRulesCheck(int id) {
        Attributes outcome;
        if (!m_session.CheckRulesFile(m_name, id, outcome).ok()) return;
        auto snapshot = std::make_shared<ListSnapshot>();
        snapshot->Add(m_name, outcome);
        m_loaded = std::move(snapshot);
        m_index = 0;
    }

    // The values this client read of the attributes it is about to write; an attribute the
    // object did not have reads as empty, as the server answers for it.
    Attributes ReadValues() const {
        Attributes read;
        if (!m_loaded) return read;
        for (const auto& [id, value] : m_staged)
            read[id] = std::string(m_loaded->Find(m_index, id).value_or(std::string_view()));
        return read;
    }

    void Reload() {
        auto fresh = std::make_shared<ListSnapshot>();
        if (!m_session.ReadObject(m_kind, m_name, *fresh).ok()) return;
        m_loaded = std::move(fresh);
        m_index = 0;
    }

    std::string_view Value(int id) {
        if (IsCheckOperation(id)) RunRulesCheck(id);
        if (auto staged = m_staged.find(id); staged != m_staged.end()) return staged->second;
        if (!m_loaded) return {};
        return m_loaded->Find(m_index, id).value_or(std::string_view());
    }

    InProcessHost& m_host;
    IServerSession& m_session;
    std::string m_kind;
    std::string m_name;
    std::shared_ptr<const ListSnapshot> m_loaded;
    std::size_t m_index = 0;
    Attributes m_staged;
};

// A server list. Open reads the whole list at once (state 1, open); the first wait step
// reports it loaded (2), the next one complete (50). Elements are objects of their own that
// live until the list is refreshed or closed.
class InProcessList final : public IServerList {
  public:
    static constexpr int kStateNew = 0;
    static constexpr int kStateOpen = 1;
    static constexpr int kStateLoaded = 2;

    InProcessList(InProcessHost& host, IServerSession& session, std::string kind,
                  std::string filter)
        : m_host(host), m_session(session), m_kind(std::move(kind)), m_filter(std::move(filter)) {}

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
        auto records = std::make_shared<ListSnapshot>();
        const ServerReply reply = m_session.ReadList(m_kind, m_filter, *records);
        if (!reply.ok()) {
            Report(m_host, error, reply);
            return false;
        }
        // One block for all elements: their addresses stay put until the next load.
        std::shared_ptr<const ListSnapshot> snapshot = std::move(records);
        m_elements.clear();
        m_elements.reserve(snapshot->Size());
        for (std::size_t i = 0; i < snapshot->Size(); ++i)
            m_elements.emplace_back(m_host, m_session, m_kind, std::string(snapshot->Name(i)),
                                    snapshot, i);
        return true;
    }

    InProcessHost& m_host;
    IServerSession& m_session;
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
    IServerSession* session = m_host.SessionOrError(serverName, error);
    if (!session) return nullptr;
    std::shared_ptr<ListSnapshot> loaded;
    if (name.empty() && kind == kinds::kCurrentRulesList) name = kinds::kSingletonName;
    if (!name.empty()) {
        auto record = std::make_shared<ListSnapshot>();
        if (session->ReadObject(kind, name, *record).ok()) loaded = std::move(record);
    }
    return std::make_unique<InProcessObject>(m_host, *session, std::string(kind), std::string(name),
                                             std::move(loaded), 0);
}

std::unique_ptr<IServerList> InProcessObjects::CreateList(std::string_view kind,
                                                          std::string_view /*client*/,
                                                          std::string_view serverName,
                                                          std::string_view filter,
                                                          SOFError** error) {
    IServerSession* session = m_host.SessionOrError(serverName, error);
    if (!session) return nullptr;
    return std::make_unique<InProcessList>(m_host, *session, std::string(kind),
                                           std::string(filter));
}

}  // namespace ptp::host
