#include "config/keyed_config_file_base.h"

#include "config/config_text.h"
#include "config/file_prompts.h"
#include "config/server_file_lines.h"
#include "config/server_path.h"
#include "host/host_services.h"
#include "resources/ids/files.h"

namespace ptp::config {
namespace {

constexpr std::size_t kLineBufferSize = 1024;

}  // namespace

CKeyedConfigFileBase::CKeyedConfigFileBase(std::string_view systemName, std::string_view path,
                                           std::uint32_t callerValue)
    : m_strSystemName(systemName), m_dwCallerValue(callerValue) {
    SetFileName(path);
}

CKeyedConfigFileBase::~CKeyedConfigFileBase() {
    CloseOpenFile();
}

void CKeyedConfigFileBase::SetFileName(std::string_view path) {
    m_strPath.assign(path);
    m_strServerPath = path.empty() ? std::string() : ToServerPath(path);
}

void CKeyedConfigFileBase::CloseOpenFile() {
    if (!m_pFile) return;
    m_pFile->Close();
    m_pFile.reset();
}

int CKeyedConfigFileBase::Load() {
    host::IHost* host = host::GetHost();
    if (host == nullptr) return kFileResultCannotOpen;
    int result = -1;
    m_pFile = host->Files().CreateFile(m_strSystemName, m_strServerPath, result);
    if (!m_pFile || result != host::kFileOk) {
        m_pFile.reset();
        return kFileResultCannotOpen;
    }
    if (m_pFile->Open(3, 1, 1) != host::kFileOk) {
        // A file that is not there yet has a version too: a Save then creates it only while
        // no one else has.
        m_strVersion = m_pFile->GetVersion();
        m_pFile.reset();
        return kFileResultCannotOpen;
    }
    m_strVersion = m_pFile->GetVersion();
    m_nEndOfFile = 0;
    ReadServerFileLines(*m_pFile, kLineBufferSize, m_strPath, [this](std::string_view text) {
        const std::string_view line = Trim(text);
        if (!line.empty()) AppendLine(line);
    });
    m_nEndOfFile = 1;
    CloseOpenFile();
    return kFileResultOk;
}

int CKeyedConfigFileBase::Reload() {
    CloseOpenFile();
    DeleteAllRecords();
    return Load();
}

int CKeyedConfigFileBase::Save() {
    if (IsModified() == 0) return kFileResultOk;
    host::IHost* host = host::GetHost();
    if (host == nullptr) return kFileResultCannotOpen;
    int result = -1;
    m_pFile = host->Files().CreateFileForWrite(m_strSystemName, m_strServerPath, 0, result, 1);
    if (m_pFile && result == host::kFileOk) result = m_pFile->Open(3, 3, 1);
    if (!m_pFile || result != host::kFileOk) {
        m_pFile.reset();
        // A file in use is the caller's to explain; any other refusal is a save that failed.
        if (result != host::kFileInUse)
            GetFilePrompts().ShowMessage(IDS_FILE_NOT_SAVED, {m_strPath});
        return kFileResultCannotOpen;
    }
    m_pFile->ExpectVersion(m_strVersion);
    m_pFile->PrepareWrite();
    WriteRecords();
    const int closed = m_pFile->Close();
    const std::string written = m_pFile->GetVersion();
    m_pFile.reset();
    if (closed == host::kFileChangedSince) return kFileResultChangedSince;
    // The server replaces the file on close; when it cannot, the old file stays and so do the
    // modified flags, so the same changes can be saved again.
    if (closed != host::kFileOk) {
        GetFilePrompts().ShowMessage(IDS_FILE_NOT_SAVED, {m_strPath});
        return kFileResultCannotOpen;
    }
    m_strVersion = written;
    SetModified(0);
    return kFileResultOk;
}

int CKeyedConfigFileBase::IsModified() {
    if (m_nModified != 0) return 1;
    if (!AnyRecordModified()) return 0;
    m_nModified = 1;
    return 1;
}

void CKeyedConfigFileBase::SetModified(int modified) {
    m_nModified = modified;
    if (modified == 0) ClearRecordFlags();
}

bool CKeyedConfigFileBase::WriteText(std::string_view text) {
    const std::lock_guard lock(m_lock);
    if (!m_pFile) return false;
    while (true) {
        const std::size_t feed = text.find('\n');
        const std::string_view piece = text.substr(0, feed);
        const std::string line(piece);  // the service takes the line NUL-terminated
        const std::size_t length = host::WriteLength(line);
        if (m_pFile->WriteLine(line.c_str(), length, host::kWritePlain) != host::kFileOk) {
            return false;
        }
        if (feed == std::string_view::npos) return true;
        text.remove_prefix(feed + 1);
    }
}

}  // namespace ptp::config
