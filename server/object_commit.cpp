#include "server/object_commit.h"

#include "platform/vocabulary/kinds.h"
#include "platform/vocabulary/line.h"
#include "platform/vocabulary/modem.h"
#include "platform/vocabulary/profile.h"
#include "platform/vocabulary/route.h"
#include "server/commit_rules.h"
#include "server/messages.h"
#include "server/text_codec.h"

namespace ptp::server {
namespace {

std::string Trimmed(std::string_view text) {
    std::size_t begin = text.find_first_not_of(' ');
    if (begin == std::string_view::npos) return {};
    std::size_t end = text.find_last_not_of(' ');
    return std::string(text.substr(begin, end - begin + 1));
}

std::string Staged(const Attributes& staged, int id) {
    auto it = staged.find(id);
    return it == staged.end() ? std::string() : Trimmed(it->second);
}

// The modem a command object belongs to: the name it was created with, or its attributes.
std::string ModemOfCommand(std::string_view name, const Attributes& staged) {
    if (!name.empty()) return std::string(name.substr(0, name.find('/')));
    std::string modem = Staged(staged, attr::modem_command::kModemKey);
    return modem.empty() ? Staged(staged, attr::modem_command::kModemName) : modem;
}

Result<long> NextModemCommandNumber(ObjectTx& tx, std::string_view modem) {
    ListFilter filter;
    filter.namePrefix = std::string(modem) + "/";
    auto commands = tx.List(kinds::kModemCommand, filter);
    if (!commands) return commands.error();
    long next = 1;
    for (const auto& command : *commands)
        next = std::max(next, command.GetInt(attr::modem_command::kNumber) + 1);
    return next;
}

Result<std::string> Numbered(ObjectTx& tx, std::string_view kind) {
    std::string key = "next_number." + std::string(kind);
    auto current = tx.GetInfo(key, "1");
    if (!current) return current.error();
    long number = std::atol(current->c_str());
    if (auto s = tx.SetInfo(key, std::to_string(number + 1)); !s) return s.error();
    return std::string(kind) + "#" + std::to_string(number);
}

Status CheckModemCommandLimit(ObjectTx& tx, std::string_view modem) {
    ListFilter filter;
    filter.namePrefix = std::string(modem) + "/";
    auto count = tx.Count(kinds::kModemCommand, filter);
    if (!count) return count.status();
    if (*count >= code::modem_command::kMaxPerModem)
        return Message("TCP8A20", {std::to_string(*count + 1), "2", modem,
                                   "a modem holds at most 24 command entries"});
    return Status::Ok();
}

}  // namespace

std::string NameFromAttributes(ObjectTx& tx, std::string_view kind, std::string_view name,
                               const Attributes& staged) {
    if (kind == kinds::kModemCommand) {
        if (name.find('/') != std::string_view::npos) return std::string(name);
        std::string modem = ModemOfCommand(name, staged);
        if (modem.empty()) return {};
        std::string number = Staged(staged, attr::modem_command::kNumber);
        if (number.empty()) {
            auto next = NextModemCommandNumber(tx, modem);
            if (!next) return {};
            number = std::to_string(*next);
        }
        return modem + "/" + number;
    }
    if (!name.empty()) return std::string(name);
    if (kind == kinds::kProfile) return UpperAscii(Staged(staged, attr::profile::kName));
    if (kind == kinds::kLine) return UpperAscii(Staged(staged, attr::line::kName));
    if (kind == kinds::kModem) return Staged(staged, attr::modem::kName);
    if (kind == kinds::kLineModem) return UpperAscii(Staged(staged, attr::line_modem::kLineName));
    if (kind == kinds::kRoute) {
        std::string owner = UpperAscii(Staged(staged, attr::route::kBindingProfile));
        std::string destination = Staged(staged, attr::route::kDestination);
        if (owner.empty() || destination.empty()) return {};
        // A dynamic next hop is named by its absence, however the client spelled it.
        std::string nextHop = Staged(staged, attr::route::kNextHop);
        if (nextHop == "*DYNAMIC") nextHop.clear();
        return owner + "/" + destination + "/" + Staged(staged, attr::route::kSubnetMask) + "/" +
               nextHop;
    }
    return {};
}

Result<std::string> CommitObject(ObjectTx& tx, std::string_view kind, std::string_view name,
                                 const Attributes& staged) {
    std::string key = NameFromAttributes(tx, kind, name, staged);
    if (key.empty()) {
        auto numbered = Numbered(tx, kind);
        if (!numbered) return numbered.error();
        key = *numbered;
    }
    Attributes values = staged;
    if (auto s = CheckClientCommit(tx, kind, key, name.empty(), values); !s) return s.error();
    bool exists = tx.Exists(kind, key);
    if (kind == kinds::kModemCommand) {
        std::string modem = key.substr(0, key.find('/'));
        if (!exists) {
            if (auto s = CheckModemCommandLimit(tx, modem); !s) return s.error();
            values.emplace(attr::modem_command::kEntryKind, code::modem_command::kTemplate);
        }
        values[attr::modem_command::kModemName] = modem;
        values[attr::modem_command::kModemKey] = UpperAscii(modem);
        values[attr::modem_command::kNumber] = key.substr(key.find('/') + 1);
    }
    if (exists) {
        if (auto s = tx.Update(kind, key, values); !s) return s.error();
        return key;
    }
    if (kind == kinds::kModem)
        values.emplace(attr::modem::kSystem, code::modem_system::kUserDefined);
    if (auto s = tx.Create(kind, key, values); !s) return s.error();
    return key;
}

Status CheckUnchangedSince(ObjectTx& tx, std::string_view kind, std::string_view name,
                           const Attributes& read) {
    if (read.empty() || !tx.Exists(kind, name)) return Status::Ok();
    auto record = tx.Get(kind, name);
    if (!record) return record.status();
    for (const auto& [id, value] : read) {
        const std::string now = record->Get(id);
        if (now != value) return Message("CPF3220", {name, kind, std::to_string(id), now});
    }
    return Status::Ok();
}

Status DeleteObjectWithDependents(ObjectTx& tx, std::string_view kind, std::string_view name) {
    // The modem commands object named by a modem alone stands for the whole modem: deleting it
    // removes the modem with all its command entries.
    if (kind == kinds::kModemCommand && name.find('/') == std::string_view::npos)
        return DeleteObjectWithDependents(tx, kinds::kModem, name);
    auto record = tx.Get(kind, name);
    if (!record) return record.status();
    if (kind == kinds::kModem && record->Get(attr::modem::kSystem) == code::modem_system::kSupplied)
        return Message("CPF2189", {name});
    if (auto s = tx.Delete(kind, name); !s) return s;
    if (kind != kinds::kModem) return Status::Ok();
    ListFilter filter;
    filter.namePrefix = std::string(name) + "/";
    auto commands = tx.List(kinds::kModemCommand, filter);
    if (!commands) return commands.status();
    for (const auto& command : *commands) {
        if (auto s = tx.Delete(kinds::kModemCommand, command.name); !s) return s;
    }
    return Status::Ok();
}

}  // namespace ptp::server
