#include "server/embedded/embedded_session.h"

#include "server/cl/cl_interpreter.h"
#include "server/list_views.h"
#include "server/messages.h"
#include "server/object_commit.h"
#include "server/rules_check.h"
#include "server/secret_attributes.h"
#include "server/stream_files.h"
#include "server/system.h"
#include "server/text_codec.h"

namespace ptp::server {
namespace {

host::ServerReply ReplyOf(const Status& status) {
    if (status) return {};
    return {status.error().messageId, status.error().text};
}

// A store that cannot write (a full disk, a failing device) answers in its own words, which name
// nothing the user knows; the reply says which object was not saved.
host::ServerReply SaveReplyOf(const Status& status, std::string_view kind, std::string_view name) {
    if (status || status.error().messageId != "CPF9899") return ReplyOf(status);
    const Error error = Message("TCP8A32", {kind, name, status.error().text});
    return {error.messageId, error.text};
}

class EmbeddedSession final : public host::IServerSession {
  public:
    EmbeddedSession(System& system, EmbeddedSessionOptions options)
        : m_system(system), m_options(std::move(options)) {}

    std::string Release() override { return m_system.Release(); }

    bool HasConfigurationAuthority() override {
        const std::string user =
            m_options.user.empty() ? m_system.DefaultUser() : UpperAscii(m_options.user);
        return m_system.HasConfigurationAuthority(user);
    }

    std::string RunCommand(std::string_view command) override {
        std::string reply = m_options.runner && *m_options.runner
                                ? (*m_options.runner)(m_system, m_options.client, command)
                                : cl::ExecuteClCommand(m_system, m_options.client, command);
        // The log is the audit trail: a failure to write it must not turn a command that ran
        // into one the caller believes failed.
        (void)m_system.LogCommand(m_options.client, command, reply);
        return reply;
    }

    host::ServerReply ReadObject(std::string_view kind, std::string_view name,
                                 host::ListSnapshot& into) override {
        return ReplyOf(m_system.Read([&](ObjectTx& tx) -> Status {
            auto record = tx.Get(kind, name);
            if (!record) return record.status();
            HideUnretainedSecrets(tx, kind, record->attributes);
            into.Add(record->name, record->attributes);
            return Status::Ok();
        }));
    }

    host::ServerReply CommitObject(std::string_view kind, std::string_view name,
                                   const Attributes& staged, const Attributes& read,
                                   std::string& stored) override {
        std::string shown(name);
        return SaveReplyOf(m_system.Transact([&](ObjectTx& tx) -> Status {
            if (shown.empty()) shown = NameFromAttributes(tx, kind, name, staged);
            if (auto st = CheckUnchangedSince(tx, kind, name, read); !st) return st;
            auto key = server::CommitObject(tx, kind, name, staged);
            if (!key) return key.error();
            stored = *key;
            return AppendObjectLog(tx.Db(), m_options.client, kObjectCommitted, kind, stored,
                                   staged);
        }),
                           kind, shown);
    }

    host::ServerReply DeleteObject(std::string_view kind, std::string_view name) override {
        return SaveReplyOf(m_system.Transact([&](ObjectTx& tx) -> Status {
            if (auto st = DeleteObjectWithDependents(tx, kind, name); !st) return st;
            return AppendObjectLog(tx.Db(), m_options.client, kObjectDeleted, kind, name, {});
        }),
                           kind, name);
    }

    host::ServerReply ReadList(std::string_view kind, std::string_view filter,
                               host::ListSnapshot& into) override {
        return ReplyOf(m_system.Read([&](ObjectTx& tx) -> Status {
            auto records = ReadListSnapshot(tx, kind, filter);
            if (!records) return records.error();
            into = std::move(*records);
            return Status::Ok();
        }));
    }

    host::ServerReply CheckRulesFile(std::string_view path, int check,
                                     Attributes& outcome) override {
        const auto result =
            server::CheckRulesFile(m_system.Files(), path, static_cast<RulesCheck>(check));
        outcome = result.AsAttributes(check);
        return {};
    }

    host::ServerReply ReadFile(std::string_view path, host::ServerFileText& file) override {
        if (m_system.Files().InUse(path, m_options.clientId)) {
            return {std::string(host::kMessageFileInUse), std::string(path)};
        }
        auto text = m_system.Files().Read(path);
        if (!text) return ReplyOf(text.status());
        file.text = std::move(text->text);
        file.ccsid = text->ccsid;
        file.version = std::move(text->version);
        return {};
    }

    host::ServerReply ClaimFile(std::string_view path) override {
        return ReplyOf(m_system.Files().Claim(path, m_options.clientId));
    }

    void ReleaseFile(std::string_view path) override {
        m_system.Files().Release(path, m_options.clientId);
    }

    host::ServerReply WriteFile(std::string_view path, std::string_view text, int ccsid,
                                std::string_view expectedVersion,
                                std::string& writtenVersion) override {
        auto written = m_system.Files().WriteIfUnchanged(path, text, ccsid, expectedVersion);
        if (!written) return ReplyOf(written.status());
        writtenVersion = std::move(*written);
        return {};
    }

    host::ServerReply FileCcsid(std::string_view path, int& ccsid) override {
        if (!m_system.Files().Exists(path)) {
            return {std::string(host::kMessageFileNotFound), std::string(path)};
        }
        auto tag = m_system.Files().Ccsid(path);
        if (!tag) return ReplyOf(tag.status());
        ccsid = *tag;
        return {};
    }

    host::ServerReply ListFiles(std::string_view pattern,
                                std::vector<std::string>& names) override {
        auto listed = m_system.Files().List(pattern);
        if (!listed) return ReplyOf(listed.status());
        names = std::move(*listed);
        return {};
    }

    host::ServerReply CommandLog(std::size_t tail,
                                 std::vector<host::LoggedCommand>& entries) override {
        auto log = m_system.ReadCommandLog(tail);
        if (!log) return ReplyOf(log.status());
        entries = std::move(*log);
        return {};
    }

    host::ServerReply ObjectLog(std::int64_t afterSequence,
                                std::vector<host::LoggedObjectChange>& entries) override {
        auto log = m_system.ReadObjectLog(afterSequence);
        if (!log) return ReplyOf(log.status());
        entries = std::move(*log);
        return {};
    }

  private:
    System& m_system;
    EmbeddedSessionOptions m_options;
};

}  // namespace

std::unique_ptr<host::IServerSession> MakeEmbeddedSession(System& system,
                                                          EmbeddedSessionOptions options) {
    return std::make_unique<EmbeddedSession>(system, std::move(options));
}

}  // namespace ptp::server
