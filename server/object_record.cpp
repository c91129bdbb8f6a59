#include "server/object_record.h"

#include <charconv>

namespace ptp::server {

std::string ObjectRecord::Get(int id, std::string_view fallback) const {
    auto it = attributes.find(id);
    if (it == attributes.end()) return std::string(fallback);
    return it->second;
}

long ObjectRecord::GetInt(int id, long fallback) const {
    auto it = attributes.find(id);
    if (it == attributes.end()) return fallback;
    long value = fallback;
    const std::string& text = it->second;
    auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || ptr != text.data() + text.size()) return fallback;
    return value;
}

bool ListFilter::Matches(const ObjectRecord& record) const {
    if (!nameEquals.empty() && record.name != nameEquals) return false;
    if (!namePrefix.empty() && record.name.rfind(namePrefix, 0) != 0) return false;
    for (const auto& [id, value] : equals) {
        auto it = record.attributes.find(id);
        if (it == record.attributes.end() || it->second != value) return false;
    }
    return true;
}

}  // namespace ptp::server
