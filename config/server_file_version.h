#pragma once
// The version of a server file that a client read, so a later save can tell whether someone else
// wrote the file in between. A file object remembers the lines it loaded (or that there was no
// file); just before it replaces the file, holding the file's write claim so that nobody can
// write it meanwhile, it reads the file again and compares. A file that changed since is not
// overwritten: the other user's save would be lost unseen.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ptp::config {

// The buffer a line of a keyed file is read into; the version check reads with the same, so the
// lines it compares are cut where the reader cut them.
inline constexpr std::size_t kServerLineBufferSize = 1024;

class CServerFileVersion {
  public:
    // Nothing read yet: any file on the server is taken as the one to replace.
    void Forget() {
        m_lines.reset();
        m_bKnown = false;
    }
    // The server had no such file when it was read.
    void RememberMissing() {
        m_lines.reset();
        m_bKnown = true;
    }
    // The lines read, in file order, without their line ends.
    void Remember(std::vector<std::string> lines) {
        m_lines = std::move(lines);
        m_bKnown = true;
    }
    [[nodiscard]] bool IsKnown() const { return m_bKnown; }

    // True when the file on the server is still the one remembered (or none was remembered).
    [[nodiscard]] bool IsCurrent(std::string_view systemName, std::string_view serverPath) const;

  private:
    std::optional<std::vector<std::string>> m_lines;
    bool m_bKnown = false;
};

// Every line of a server file through the host's file service, as the file readers read them;
// none when there is no such file.
[[nodiscard]] std::optional<std::vector<std::string>> ReadServerFileLines(
    std::string_view systemName, std::string_view serverPath);

}  // namespace ptp::config
