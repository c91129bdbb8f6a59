#include "server/list_views.h"

#include <functional>
#include <map>

#include "platform/vocabulary/connection.h"
#include "platform/vocabulary/job.h"
#include "platform/vocabulary/kinds.h"
#include "platform/vocabulary/line.h"
#include "platform/vocabulary/modem.h"
#include "platform/vocabulary/route.h"
#include "server/secret_attributes.h"
#include "server/text_codec.h"

namespace ptp::server {
namespace {
namespace line = attr::line;
namespace assoc = attr::line_association;

using Records = std::vector<ObjectRecord>;

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && EqualsNoCase(text.substr(0, prefix.size()), prefix);
}

Records Keep(Records records, const std::function<bool(const ObjectRecord&)>& keep) {
    Records kept;
    kept.reserve(records.size());
    for (auto& record : records) {
        if (keep(record)) kept.push_back(std::move(record));
    }
    return kept;
}

// Every PPP line with its modem and its pool.
Result<Records> LineAssociations(ObjectTx& tx, std::string_view filter) {
    ListFilter ppp;
    ppp.equals.emplace_back(line::kType, std::string(code::line_type::kPPP));
    auto lines = tx.List(kinds::kLine, ppp);
    if (!lines) return lines.error();
    auto modems = tx.List(kinds::kLineModem);
    if (!modems) return modems.error();
    std::map<std::string, std::string> modemOf;
    for (const auto& association : *modems)
        modemOf[association.name] = association.Get(attr::line_modem::kModemName);
    Records entries;
    for (const auto& record : *lines) {
        std::string pool = record.Get(line::kPoolName);
        if (!filter.empty() && !EqualsNoCase(record.name, filter) && !EqualsNoCase(pool, filter))
            continue;
        auto modem = modemOf.find(record.name);
        entries.push_back(ObjectRecord{
            std::string(kinds::kLineAssociation),
            record.name,
            {{assoc::kModemName,
              modem == modemOf.end() ? std::string(code::modem_name::kNone) : modem->second},
             {assoc::kLineName, record.name},
             {assoc::kPoolName, pool}}});
    }
    return entries;
}

// Kinds whose list filter compares one attribute, without regard to case.
int FilterAttribute(std::string_view kind) {
    if (kind == kinds::kLine) return line::kType;
    if (kind == kinds::kModemCommand) return attr::modem_command::kModemName;
    if (kind == kinds::kRoute) return attr::route::kBindingProfile;
    if (kind == kinds::kConnectionJob) return attr::connection::kProfileName;
    return -1;
}

}  // namespace

Result<std::vector<ObjectRecord>> ReadList(ObjectTx& tx, std::string_view kind,
                                           std::string_view filter) {
    if (kind == kinds::kLineAssociation) return LineAssociations(tx, filter);
    auto records = tx.List(kind);
    if (!records || filter.empty()) return records;
    std::string wanted(filter);
    if (int attribute = FilterAttribute(kind); attribute >= 0) {
        return Keep(std::move(*records), [&](const ObjectRecord& record) {
            return EqualsNoCase(record.Get(attribute), wanted);
        });
    }
    if (kind == kinds::kJob) {
        return Keep(std::move(*records), [&](const ObjectRecord& record) {
            return StartsWithNoCase(record.Get(attr::job::kName), wanted);
        });
    }
    // Entries of a parent ("<list>/<entry>") by the parent's name; other kinds by name prefix.
    return Keep(std::move(*records), [&](const ObjectRecord& record) {
        return StartsWithNoCase(record.name, wanted + "/") ||
               (record.name.find('/') == std::string::npos &&
                StartsWithNoCase(record.name, wanted));
    });
}

Result<ListSnapshot> ReadListSnapshot(ObjectTx& tx, std::string_view kind,
                                      std::string_view filter) {
    const bool secrets = kind == kinds::kValidationListEntry;
    if (filter.empty() && kind != kinds::kLineAssociation && !secrets) return tx.Snapshot(kind);
    auto records = ReadList(tx, kind, filter);
    if (!records) return records.error();
    ListSnapshot snapshot;
    for (auto& record : *records) {
        HideUnretainedSecrets(tx, kind, record.attributes);
        snapshot.Add(record.name, record.attributes);
    }
    return snapshot;
}

}  // namespace ptp::server
