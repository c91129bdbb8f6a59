#include "console/web_assets.h"

#include <fstream>
#include <sstream>

namespace ptp::console {
namespace {

std::string ContentTypeOf(const std::filesystem::path& file) {
    const auto extension = file.extension().string();
    if (extension == ".html") return "text/html; charset=utf-8";
    if (extension == ".css") return "text/css; charset=utf-8";
    if (extension == ".js") return "text/javascript; charset=utf-8";
    if (extension == ".svg") return "image/svg+xml";
    if (extension == ".json") return "application/json";
    if (extension == ".png") return "image/png";
    return "application/octet-stream";
}

}  // namespace

bool WebAssets::Load(const std::filesystem::path& folder) {
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec)) return false;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder, ec)) {
        if (!entry.is_regular_file()) continue;
        std::ifstream in(entry.path(), std::ios::binary);
        std::stringstream body;
        body << in.rdbuf();
        const auto relative = std::filesystem::relative(entry.path(), folder).generic_string();
        m_files["/" + relative] = WebAsset{ContentTypeOf(entry.path()), body.str()};
    }
    return m_files.count("/index.html") != 0;
}

const WebAsset* WebAssets::Find(const std::string& path) const {
    const auto it = m_files.find(path == "/" ? "/index.html" : path);
    return it == m_files.end() ? nullptr : &it->second;
}

}  // namespace ptp::console
