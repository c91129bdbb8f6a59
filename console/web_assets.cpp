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

void WebAssets::PreloadModules() {
    const auto index = m_files.find("/index.html");
    if (index == m_files.end()) return;
    std::string& page = index->second.body;
    const auto head = page.find("</head>");
    if (head == std::string::npos) return;
    // The page's modules import one another a few levels deep; named here, the browser fetches
    // them all at once instead of one level after the other.
    std::string links;
    for (const auto& [path, asset] : m_files) {
        if (path.ends_with(".js")) links += "<link rel=\"modulepreload\" href=\"" + path + "\">\n";
    }
    page.insert(head, links);
}

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
    if (m_files.count("/index.html") == 0) return false;
    PreloadModules();
    return true;
}

const WebAsset* WebAssets::Find(const std::string& path) const {
    const auto it = m_files.find(path == "/" ? "/index.html" : path);
    return it == m_files.end() ? nullptr : &it->second;
}

}  // namespace ptp::console
