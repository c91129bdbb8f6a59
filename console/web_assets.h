#pragma once
// The browser UI's files, read once at start from the web folder. Only these files are served,
// so no request path ever reaches the file system.
#include <filesystem>
#include <map>
#include <string>

namespace ptp::console {

struct WebAsset {
    std::string contentType;
    std::string body;
};

class WebAssets {
  public:
    // Reads every file directly in `folder` and its subfolders; false when the folder is missing.
    [[nodiscard]] bool Load(const std::filesystem::path& folder);
    // "/" is index.html. Null when there is no such file.
    [[nodiscard]] const WebAsset* Find(const std::string& path) const;

  private:
    // Names every module of the page in its head, for the browser to fetch them together.
    void PreloadModules();

    std::map<std::string, WebAsset> m_files;
};

}  // namespace ptp::console
