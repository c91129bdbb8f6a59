#include "server/object_tx.h"

#include "server/messages.h"
#include "server/object_rules.h"
#include "server/sqlite_db.h"

namespace ptp::server {

Result<std::int64_t> ObjectTx::FindId(std::string_view kind, std::string_view name) {
    auto stmt = m_db.Prepare("SELECT id FROM objects WHERE kind=?1 AND name=?2");
    if (!stmt) return stmt.error();
    stmt->Bind(1, kind).Bind(2, name);
    if (stmt->Step()) return stmt->Int(0);
    if (stmt->Failed()) return stmt->LastError();
    return Message("CPF2105", {name, kind});
}

Result<ObjectRecord> ObjectTx::Get(std::string_view kind, std::string_view name) {
    auto id = FindId(kind, name);
    if (!id) return id.error();
    auto stmt = m_db.Prepare("SELECT attr, value FROM attributes WHERE object_id=?1");
    if (!stmt) return stmt.error();
    stmt->Bind(1, *id);
    ObjectRecord record{std::string(kind), std::string(name), {}};
    while (stmt->Step())
        record.attributes[static_cast<int>(stmt->Int(0))] = stmt->Text(1);
    if (stmt->Failed()) return stmt->LastError();
    return record;
}

bool ObjectTx::Exists(std::string_view kind, std::string_view name) {
    return FindId(kind, name).ok();
}

Status ObjectTx::WriteAttributes(std::int64_t id, const Attributes& attributes) {
    if (attributes.empty()) return Status::Ok();
    auto stmt = m_db.Prepare(
        "INSERT INTO attributes(object_id, attr, value) VALUES(?1, ?2, ?3) "
        "ON CONFLICT(object_id, attr) DO UPDATE SET value=excluded.value");
    if (!stmt) return stmt.error();
    for (const auto& [attr, value] : attributes) {
        stmt->Reset();
        stmt->Bind(1, id).Bind(2, static_cast<std::int64_t>(attr)).Bind(3, value);
        if (auto st = stmt->Run(); !st) return st;
    }
    return Status::Ok();
}

Status ObjectTx::Merge(std::string_view kind, std::string_view name, const Attributes& attributes,
                       bool mustExist, bool mustNotExist) {
    auto existing = Get(kind, name);
    if (existing && mustNotExist) return Message("CPF2112", {name, kind});
    if (!existing && mustExist) return existing.error();
    ObjectRecord merged{std::string(kind), std::string(name), {}};
    if (existing) merged = *existing;
    for (const auto& [attr, value] : attributes)
        merged.attributes[attr] = value;
    if (auto st = CheckObject(merged, existing ? &*existing : nullptr); !st) return st;

    std::int64_t id = 0;
    if (existing) {
        auto found = FindId(kind, name);
        if (!found) return found.error();
        id = *found;
    } else {
        auto insert = m_db.Prepare("INSERT INTO objects(kind, name) VALUES(?1, ?2)");
        if (!insert) return insert.error();
        insert->Bind(1, kind).Bind(2, name);
        if (auto st = insert->Run(); !st) return st;
        id = m_db.LastInsertId();
    }
    return WriteAttributes(id, attributes);
}

Status ObjectTx::Create(std::string_view kind, std::string_view name,
                        const Attributes& attributes) {
    return Merge(kind, name, attributes, false, true);
}

Status ObjectTx::Update(std::string_view kind, std::string_view name,
                        const Attributes& attributes) {
    return Merge(kind, name, attributes, true, false);
}

Status ObjectTx::Put(std::string_view kind, std::string_view name, const Attributes& attributes) {
    return Merge(kind, name, attributes, false, false);
}

Status ObjectTx::RemoveAttributes(std::string_view kind, std::string_view name,
                                  const std::vector<int>& ids) {
    auto id = FindId(kind, name);
    if (!id) return id.error();
    auto stmt = m_db.Prepare("DELETE FROM attributes WHERE object_id=?1 AND attr=?2");
    if (!stmt) return stmt.error();
    for (int attr : ids) {
        stmt->Reset();
        stmt->Bind(1, *id).Bind(2, static_cast<std::int64_t>(attr));
        if (auto st = stmt->Run(); !st) return st;
    }
    return Status::Ok();
}

Status ObjectTx::Delete(std::string_view kind, std::string_view name) {
    auto id = FindId(kind, name);
    if (!id) return id.error();
    auto stmt = m_db.Prepare("DELETE FROM objects WHERE id=?1");
    if (!stmt) return stmt.error();
    stmt->Bind(1, *id);
    return stmt->Run();
}

Result<std::vector<ObjectRecord>> ObjectTx::List(std::string_view kind, const ListFilter& filter) {
    auto snapshot = Snapshot(kind);
    if (!snapshot) return snapshot.error();
    std::vector<ObjectRecord> records;
    records.reserve(snapshot->Size());
    for (std::size_t i = 0; i < snapshot->Size(); ++i) {
        ObjectRecord record{std::string(kind), std::string(snapshot->Name(i)),
                            snapshot->AttributesOf(i)};
        if (filter.Matches(record)) records.push_back(std::move(record));
    }
    return records;
}

Result<ListSnapshot> ObjectTx::Snapshot(std::string_view kind) {
    auto stmt = m_db.Prepare(
        "SELECT o.id, o.name, a.attr, a.value FROM objects o "
        "LEFT JOIN attributes a ON a.object_id = o.id "
        "WHERE o.kind = ?1 ORDER BY o.name, o.id, a.attr");
    if (!stmt) return stmt.error();
    stmt->Bind(1, kind);
    ListSnapshot snapshot;
    std::int64_t current = -1;
    while (stmt->Step()) {
        std::int64_t id = stmt->Int(0);
        if (id != current) {
            snapshot.BeginRecord(stmt->TextView(1));
            current = id;
        }
        if (!stmt->IsNull(2)) snapshot.AddValue(static_cast<int>(stmt->Int(2)), stmt->TextView(3));
    }
    if (stmt->Failed()) return stmt->LastError();
    return snapshot;
}

Result<std::vector<std::pair<std::string, std::string>>> ObjectTx::Values(std::string_view kind,
                                                                          int attributeId) {
    auto stmt = m_db.Prepare(
        "SELECT o.name, a.value FROM objects o "
        "LEFT JOIN attributes a ON a.object_id = o.id AND a.attr = ?2 "
        "WHERE o.kind = ?1 ORDER BY o.name, o.id");
    if (!stmt) return stmt.error();
    stmt->Bind(1, kind).Bind(2, static_cast<std::int64_t>(attributeId));
    std::vector<std::pair<std::string, std::string>> values;
    while (stmt->Step()) {
        values.emplace_back(stmt->Text(0), stmt->IsNull(1) ? std::string() : stmt->Text(1));
    }
    if (stmt->Failed()) return stmt->LastError();
    return values;
}

Result<long> ObjectTx::Count(std::string_view kind, const ListFilter& filter) {
    auto records = List(kind, filter);
    if (!records) return records.error();
    return static_cast<long>(records->size());
}

Result<std::vector<std::string>> ObjectTx::Kinds() {
    auto stmt = m_db.Prepare("SELECT DISTINCT kind FROM objects ORDER BY kind");
    if (!stmt) return stmt.error();
    std::vector<std::string> kinds;
    while (stmt->Step())
        kinds.push_back(stmt->Text(0));
    if (stmt->Failed()) return stmt->LastError();
    return kinds;
}

Result<std::string> ObjectTx::GetInfo(std::string_view key, std::string_view fallback) {
    auto stmt = m_db.Prepare("SELECT value FROM info WHERE key=?1");
    if (!stmt) return stmt.error();
    stmt->Bind(1, key);
    if (stmt->Step()) return stmt->Text(0);
    if (stmt->Failed()) return stmt->LastError();
    return std::string(fallback);
}

Status ObjectTx::SetInfo(std::string_view key, std::string_view value) {
    auto stmt = m_db.Prepare(
        "INSERT INTO info(key, value) VALUES(?1, ?2) "
        "ON CONFLICT(key) DO UPDATE SET value=excluded.value");
    if (!stmt) return stmt.error();
    stmt->Bind(1, key).Bind(2, value);
    return stmt->Run();
}

}  // namespace ptp::server
