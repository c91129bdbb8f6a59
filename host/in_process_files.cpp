#include <optional>

#include "host/in_process_host.h"
#include "host/in_process_parts.h"
#include "host/server_error.h"

namespace ptp::host {
namespace {

// One stream file as the host library hands it out: opened for reading (a snapshot of the file
// split into lines) or for writing (lines collected, the file replaced whole on Close).
class InProcessFile final : public IServerFile {
  public:
    InProcessFile(IServerSession& session, std::string path, bool forWrite)
        : m_session(session), m_path(std::move(path)), m_forWrite(forWrite) {}

    ~InProcessFile() override {
        // Dropped without Close: the old file stays, as after a crash.
        if (m_claimed) m_session.ReleaseFile(m_path);
    }

    int Open(int /*mode1*/, int /*mode2*/, int /*mode3*/) override {
        if (m_open) return kFileOk;
        if (m_forWrite) return OpenForWrite();
        ServerFileText file;
        const ServerReply reply = m_session.ReadFile(m_path, file);
        if (reply.messageId == kMessageFileInUse) return kFileInUse;
        if (reply.messageId == kMessageFileNotFound) {
            m_version = kNoFileVersion;
            return kFileNotFound;
        }
        if (!reply.ok()) return kFileError;
        m_ccsid = file.ccsid;
        m_text = std::move(file.text);
        m_version = std::move(file.version);
        m_position = 0;
        m_open = true;
        return kFileOk;
    }

    int PrepareWrite() override { return m_forWrite && m_open ? kFileOk : kFileError; }

    int SetCcsid(int ccsid) override {
        if (ccsid <= 0) return kFileError;
        m_ccsid = ccsid;
        m_ccsidSet = true;
        return kFileOk;
    }

    int GetCcsid() const override { return m_ccsid.value_or(kCcsidText); }

    int ReadLine(char* buffer, std::size_t capacity) override {
        if (!m_open || m_forWrite || !buffer || capacity == 0) return kFileError;
        if (m_position >= m_text.size()) {
            buffer[0] = '\0';
            return kFileEndOfFile;
        }
        std::size_t end = m_text.find('\n', m_position);
        bool last = end == std::string::npos;
        std::string_view line(m_text.data() + m_position,
                              (last ? m_text.size() : end) - m_position);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        CopyToBuffer(line, buffer, capacity);
        m_position = last ? m_text.size() : end + 1;
        return last ? kFileEndOfFile : kFileOk;
    }

    // The flag only matters to servers that resolve includes while writing; this one keeps
    // the line as it is.
    int WriteLine(const char* text, std::size_t length, int flag) override {
        if (!m_open || !m_forWrite || !text) return kFileError;
        if (flag != kWritePlain && flag != kWriteInclude) return kFileError;
        const std::string_view line(text);
        if (WriteLength(line) != length) return kFileError;
        m_text.append(line);
        m_text.push_back('\n');
        return kFileOk;
    }

    int Close() override {
        if (!m_open) return kFileOk;
        m_open = false;
        if (!m_forWrite) return kFileOk;
        std::string version;
        const ServerReply written =
            m_session.WriteFile(m_path, m_text, m_ccsid.value_or(kCcsidText), m_expected, version);
        m_session.ReleaseFile(m_path);
        m_claimed = false;
        if (written.messageId == kMessageFileChangedSince) return kFileChangedSince;
        if (!written.ok()) return kFileError;
        m_version = std::move(version);
        return kFileOk;
    }

    std::string GetVersion() const override { return m_version; }

    void ExpectVersion(std::string_view version) override { m_expected = std::string(version); }

  private:
    int OpenForWrite() {
        const ServerReply claimed = m_session.ClaimFile(m_path);
        if (!claimed.ok()) return claimed.messageId == kMessageFileInUse ? kFileInUse : kFileError;
        m_claimed = true;
        int existing = 0;
        if (!m_ccsidSet && m_session.FileCcsid(m_path, existing).ok()) m_ccsid = existing;
        m_text.clear();
        m_open = true;
        return kFileOk;
    }

    IServerSession& m_session;
    std::string m_path;
    bool m_forWrite;
    bool m_open = false;
    bool m_claimed = false;
    bool m_ccsidSet = false;
    std::optional<int> m_ccsid;
    std::string m_text;
    std::size_t m_position = 0;
    std::string m_version;
    std::string m_expected;
};

}  // namespace

std::unique_ptr<IServerFile> InProcessFiles::CreateFile(std::string_view serverName,
                                                        std::string_view path, int& result) {
    IServerSession* session = m_host.SessionFor(serverName);
    result = session ? kFileOk : kFileError;
    if (!session) return nullptr;
    return std::make_unique<InProcessFile>(*session, std::string(path), false);
}

std::unique_ptr<IServerFile> InProcessFiles::CreateFileForWrite(std::string_view serverName,
                                                                std::string_view path, int /*arg0*/,
                                                                int& result, int /*arg1*/) {
    IServerSession* session = m_host.SessionFor(serverName);
    result = session ? kFileOk : kFileError;
    if (!session) return nullptr;
    return std::make_unique<InProcessFile>(*session, std::string(path), true);
}

std::vector<std::string> InProcessFiles::ListDirectory(std::string_view serverName,
                                                       std::string_view pattern, SOFError** error) {
    IServerSession* session = m_host.SessionOrError(serverName, error);
    if (!session) return {};
    std::vector<std::string> names;
    const ServerReply reply = session->ListFiles(pattern, names);
    if (!reply.ok()) {
        ReportError(error, SOFError::kKindMessage, reply.messageId, reply.text, m_host.Presenter());
        return {};
    }
    return names;
}

}  // namespace ptp::host
