#include "platform/framework/column_definitions.h"

#include <map>
#include <mutex>
#include <string>

namespace ptp::fw {
namespace {

struct Definitions {
    std::mutex lock;
    std::map<std::string, std::vector<FolderColumn>, std::less<>> byType;
};

Definitions& TheDefinitions() {
    static Definitions definitions;
    return definitions;
}

}  // namespace

void SetColumnDefinitions(std::string_view typeCode, std::vector<FolderColumn> columns) {
    Definitions& definitions = TheDefinitions();
    std::lock_guard guard(definitions.lock);
    if (columns.empty()) {
        definitions.byType.erase(std::string(typeCode));
        return;
    }
    definitions.byType[std::string(typeCode)] = std::move(columns);
}

std::optional<std::vector<FolderColumn>> GetColumnDefinitions(std::string_view typeCode) {
    Definitions& definitions = TheDefinitions();
    std::lock_guard guard(definitions.lock);
    const auto it = definitions.byType.find(typeCode);
    if (it == definitions.byType.end()) return std::nullopt;
    return it->second;
}

}  // namespace ptp::fw
