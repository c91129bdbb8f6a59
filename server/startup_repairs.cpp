#include "server/startup_repairs.h"

#include <set>
#include <string>
#include <vector>

#include "platform/vocabulary/kinds.h"
#include "platform/vocabulary/line.h"
#include "platform/vocabulary/modem.h"
#include "server/command_log.h"
#include "server/messages.h"
#include "server/object_tx.h"
#include "server/sqlite_db.h"

namespace ptp::server {
namespace {

namespace ln = attr::line;

constexpr std::string_view kRepairClient = "*SYSTEM";
constexpr std::string_view kRepairAction = "*REPAIR";

bool TakesModem(const ObjectRecord& line) {
    if (line.Get(ln::kType) != code::line_type::kPPP) return false;
    if (line.Get(ln::kResource) == "*NWID") return false;
    const std::string connection = line.Get(ln::kConnectionType);
    return connection == "*SWTPP" || connection == "*NONSWTPP";
}

std::string_view ProposedModem(const ObjectRecord& line) {
    if (line.Get(ln::kConnectionType) != "*SWTPP") return code::modem_name::kNone;
    if (line.Get(ln::kInterface) == "*INTMODEM") return code::modem_name::kNone;
    if (line.Get(ln::kFraming) == "*SYNC" || line.Get(ln::kDialCommand) == "*V25BIS")
        return code::modem_name::kV25bis;
    return code::modem_name::kGenericHayes;
}

// The lines that take a modem and have no association.
Result<std::vector<ObjectRecord>> LinesWithoutModem(ObjectTx& tx) {
    auto lines = tx.List(kinds::kLine);
    if (!lines) return lines.error();
    auto associations = tx.List(kinds::kLineModem);
    if (!associations) return associations.error();
    std::set<std::string> associated;
    for (const auto& association : *associations)
        associated.insert(association.name);
    std::vector<ObjectRecord> orphans;
    for (auto& line : *lines) {
        if (TakesModem(line) && !associated.count(line.name)) orphans.push_back(std::move(line));
    }
    return orphans;
}

}  // namespace

Status RepairLinesWithoutModem(Database& db) {
    {
        // Most opens find nothing to do; they should not queue behind other writers for it.
        ObjectTx look(db);
        auto orphans = LinesWithoutModem(look);
        if (!orphans) return orphans.status();
        if (orphans->empty()) return Status::Ok();
    }
    WriteTransaction write(db);
    if (auto st = write.Begin(); !st) return st;
    ObjectTx tx(db);
    auto orphans = LinesWithoutModem(tx);
    if (!orphans) return orphans.status();
    for (const auto& line : *orphans) {
        const std::string modem(ProposedModem(line));
        Attributes association = {{attr::line_modem::kLineName, line.name},
                                  {attr::line_modem::kModemName, modem}};
        if (auto st = tx.Create(kinds::kLineModem, line.name, association); !st) return st;
        const Error note = Message("TCP8A30", {line.name, modem});
        if (auto st = AppendCommandLog(db, kRepairClient, kRepairAction, note.Reply()); !st)
            return st;
    }
    return write.Commit();
}

}  // namespace ptp::server
