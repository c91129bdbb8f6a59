#pragma once
// Object operations inside one store transaction. System::Transact hands an ObjectTx to a body;
// everything the body does becomes visible together when it returns Ok, and nothing of it when it
// fails. A CL command that touches several objects runs as one body.
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "server/list_snapshot.h"
#include "server/object_record.h"
#include "server/result.h"

namespace ptp::server {

class Database;

class ObjectTx {
  public:
    explicit ObjectTx(Database& db) : m_db(db) {}

    // CPF2105 when there is no such object.
    Result<ObjectRecord> Get(std::string_view kind, std::string_view name);
    bool Exists(std::string_view kind, std::string_view name);
    // Creates a new object; CPF2112 when one of that kind and name exists. The object's values
    // are checked as the server checks them (see object_rules.h).
    Status Create(std::string_view kind, std::string_view name, const Attributes& attributes);
    // Merges `attributes` into an existing object; CPF2105 when it does not exist.
    Status Update(std::string_view kind, std::string_view name, const Attributes& attributes);
    // Creates or merges.
    Status Put(std::string_view kind, std::string_view name, const Attributes& attributes);
    // Drops the given attributes of an existing object.
    Status RemoveAttributes(std::string_view kind, std::string_view name,
                            const std::vector<int>& ids);
    // CPF2105 when there is no such object.
    Status Delete(std::string_view kind, std::string_view name);
    // Objects of `kind` that match `filter`, ordered by name.
    Result<std::vector<ObjectRecord>> List(std::string_view kind, const ListFilter& filter = {});
    // Every object of `kind`, ordered by name, in one snapshot: the fast path of large lists.
    Result<ListSnapshot> Snapshot(std::string_view kind);
    // The name and the value of one attribute of every object of `kind` (empty where it has
    // none), ordered by name: what a watcher of that one attribute reads, without the rest.
    Result<std::vector<std::pair<std::string, std::string>>> Values(std::string_view kind,
                                                                    int attributeId);
    Result<long> Count(std::string_view kind, const ListFilter& filter = {});
    // Names of every kind that has objects.
    Result<std::vector<std::string>> Kinds();

    // System-wide settings kept with the objects ("release", "clock", ...).
    Result<std::string> GetInfo(std::string_view key, std::string_view fallback = {});
    Status SetInfo(std::string_view key, std::string_view value);

    Database& Db() { return m_db; }

  private:
    Result<std::int64_t> FindId(std::string_view kind, std::string_view name);
    Status WriteAttributes(std::int64_t id, const Attributes& attributes);
    Status Merge(std::string_view kind, std::string_view name, const Attributes& attributes,
                 bool mustExist, bool mustNotExist);

    Database& m_db;
};

}  // namespace ptp::server
