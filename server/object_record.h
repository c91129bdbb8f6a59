#pragma once
// One server object as the store keeps it: a kind (see platform/vocabulary/kinds.h), a name unique
// within the kind, and attributes addressed by number whose values are text (integers as decimal
// text).
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ptp::server {

using Attributes = std::map<int, std::string>;

struct ObjectRecord {
    std::string kind;
    std::string name;
    Attributes attributes;

    bool Has(int id) const { return attributes.count(id) != 0; }
    // The attribute's text, or `fallback` when the object does not have it.
    std::string Get(int id, std::string_view fallback = {}) const;
    long GetInt(int id, long fallback = 0) const;
};

// Narrows a list: every condition must hold.
struct ListFilter {
    std::string namePrefix;                           // case-sensitive name prefix, empty for all
    std::vector<std::pair<int, std::string>> equals;  // attribute id == text
    std::string nameEquals;                           // exact name, empty for any

    bool Matches(const ObjectRecord& record) const;
};

}  // namespace ptp::server
