#include "server/object_rules.h"

#include <cctype>
#include <string>

#include "platform/vocabulary/kinds.h"
#include "server/messages.h"

namespace ptp::server {
namespace {

bool IsNameStart(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) || c == '$' || c == '#' || c == '@';
}

bool IsNameChar(char c) {
    return IsNameStart(c) || std::isdigit(static_cast<unsigned char>(c)) || c == '_' || c == '.';
}

Error BadName(const ObjectRecord& record, std::string_view why) {
    return Message("TCP8A22", {record.name, record.kind, why});
}

// Kinds named like server objects: one name of up to ten characters.
bool IsTenCharacterKind(std::string_view kind) {
    return kind == kinds::kProfile || kind == kinds::kLine || kind == kinds::kNetworkInterface ||
           kind == kinds::kConnectionList || kind == kinds::kAuthorizationList;
}

}  // namespace

bool IsObjectName(std::string_view name, std::size_t maxLength) {
    if (name.empty() || name.size() > maxLength) return false;
    if (!IsNameStart(name.front())) return false;
    for (char c : name) {
        if (!IsNameChar(c)) return false;
    }
    return true;
}

bool IsInternetAddress(std::string_view text) {
    int parts = 0;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('.', start);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view part = text.substr(start, end - start);
        if (part.empty() || part.size() > 3) return false;
        for (char c : part) {
            if (!std::isdigit(static_cast<unsigned char>(c))) return false;
        }
        if (std::stoi(std::string(part)) > 255) return false;
        ++parts;
        start = end + 1;
    }
    return parts == 4;
}

Status CheckObject(const ObjectRecord& after, const ObjectRecord* /*before*/) {
    if (after.name.empty()) return BadName(after, "a name is required");
    for (char c : after.name) {
        if (static_cast<unsigned char>(c) < 0x20) return BadName(after, "control characters");
    }
    if (after.name.size() > 256) return BadName(after, "longer than 256 characters");
    if (IsTenCharacterKind(after.kind) && after.name.size() > 10)
        return BadName(after, "longer than 10 characters");
    if (IsTenCharacterKind(after.kind) && !IsObjectName(after.name))
        return BadName(after, "not a valid object name");
    if (after.kind == kinds::kModem && after.name.size() > 64)
        return BadName(after, "longer than 64 characters");
    for (const auto& [id, value] : after.attributes) {
        if (id < 0) return Message("TCP8A21", {std::to_string(id), after.kind});
        if (value.size() > 65535)
            return Message("TCP8A20", {"(long value)", std::to_string(id), after.name,
                                       "longer than 65535 bytes"});
    }
    return Status::Ok();
}

}  // namespace ptp::server
