#include "config/server_path.h"

#include "config/config_text.h"

namespace ptp::config {

std::string ToServerPath(std::string_view path) {
    std::string_view trimmed = Trim(path);
    if (trimmed.find("\\\\") != std::string_view::npos) {
        // The prefix is two backslashes and the system name: skipping four characters lands inside
        // a name of at least two characters, and the path proper starts at the next backslash.
        trimmed = trimmed.size() > 4 ? trimmed.substr(4) : std::string_view{};
        const std::size_t slash = trimmed.find('\\');
        trimmed = slash == std::string_view::npos ? std::string_view{} : trimmed.substr(slash);
    }
    std::string server(trimmed);
    for (char& c : server) {
        if (c == '\\') c = '/';
    }
    return server;
}

}  // namespace ptp::config
