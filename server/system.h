#pragma once
// One server system of the stand-in: its name, release, users, objects (one SQLite database in
// WAL mode), its stream file system (a real folder), its command log and its PPP jobs.
//
// Several System handles may be open on one system at once, in one process or in several (two
// consoles, or a console and ptpctl): each handle has its own connection, a commit is one
// transaction, and writers queue up instead of overwriting each other. A handle itself is safe
// to share between threads; its calls are serialised.
//
// For the CL interpreter (server/cl) the calls to use are:
//   Transact(body)      run a command's changes as one transaction; return an Error to roll back
//   ObjectTx            Get / Exists / Create / Update / Put / Delete / List inside a body
//   Files()             the stream file system (stream_files.h)
//   Jobs()              start and end PPP jobs, inside a body (ppp_jobs.h)
//   LogCommand(...)     the command log; the embedded session writes it after every command, so
//                       the interpreter itself does not
// Kind names, attribute numbers and codes are in platform/vocabulary/.
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "server/command_log.h"
#include "server/object_tx.h"
#include "server/result.h"

namespace ptp::server {

class Database;
class StreamFiles;
class PppJobs;

inline constexpr std::string_view kDefaultRelease = "050400";

struct UserRecord {
    std::string name;
    bool configurationAuthority = true;
};

class System {
  public:
    // Opens the system kept in `folder` (created by ServerState::AddSystem).
    static Result<std::unique_ptr<System>> Open(const std::filesystem::path& folder);
    ~System();
    System(const System&) = delete;
    System& operator=(const System&) = delete;

    const std::string& Name() const { return m_name; }
    const std::filesystem::path& Folder() const { return m_folder; }

    std::string Release();
    Status SetRelease(std::string_view release);  // six digits VVRRMM

    // The user a client signs on as when it names none.
    std::string DefaultUser();
    Status SetUser(std::string_view user, bool configurationAuthority);
    // False for unknown users.
    bool HasConfigurationAuthority(std::string_view user);
    std::vector<UserRecord> Users();

    // Runs `body` as one transaction. The body's changes are committed together when it returns
    // Ok and rolled back when it returns an Error. Do not call Transact from inside a body.
    Status Transact(const std::function<Status(ObjectTx&)>& body);

    // Runs `body` on one consistent snapshot without taking the write lock; for reads.
    Status Read(const std::function<Status(ObjectTx&)>& body);

    // One-transaction conveniences.
    Result<ObjectRecord> GetObject(std::string_view kind, std::string_view name);
    Status PutObject(std::string_view kind, std::string_view name, const Attributes& attributes);
    Status DeleteObject(std::string_view kind, std::string_view name);
    Result<std::vector<ObjectRecord>> ListObjects(std::string_view kind,
                                                  const ListFilter& filter = {});
    // One attribute of every object of `kind` by name (ObjectTx::Values).
    Result<std::vector<std::pair<std::string, std::string>>> ListValues(std::string_view kind,
                                                                        int attributeId);

    Status LogCommand(std::string_view client, std::string_view command, std::string_view reply);
    Result<std::vector<CommandLogEntry>> ReadCommandLog(std::size_t tail = 0);
    // The objects clients committed or deleted after `afterSequence` (command_log.h).
    Result<std::vector<ObjectLogEntry>> ReadObjectLog(std::int64_t afterSequence = 0);

    StreamFiles& Files() { return *m_files; }
    PppJobs& Jobs() { return *m_jobs; }

    // For benchmarks and tests that compare against the raw database.
    Database& Db() { return *m_db; }

  private:
    System() = default;
    Status Migrate();

    std::filesystem::path m_folder;
    std::string m_name;
    std::unique_ptr<Database> m_db;
    std::unique_ptr<StreamFiles> m_files;
    std::unique_ptr<PppJobs> m_jobs;
    std::recursive_mutex m_mutex;
};

}  // namespace ptp::server
