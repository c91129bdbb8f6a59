#include "rules/nat_rules_file.h"

#include <algorithm>
#include <array>

#include "config/config_text.h"
#include "config/file_prompts.h"
#include "config/server_file_lines.h"
#include "config/server_path.h"
#include "host/host_services.h"
#include "platform/vocabulary/kinds.h"
#include "platform/vocabulary/rules.h"
#include "resources/ids/files.h"
#include "rules/nat_filter_interface_data.h"
#include "rules/nat_hide_address_data.h"
#include "rules/nat_include_data.h"
#include "rules/nat_map_address_data.h"
#include "rules/nat_rules_writer.h"

namespace ptp::rules {
namespace {

using config::GetFilePrompts;

// Room for a physical line of 512 UTF-16 characters as UTF-8.
constexpr std::size_t kLineBufferSize = 2048;

void ShowServerError(host::SOFError* error, const std::string& path) {
    if (error == nullptr || host::IsAlreadyReported(error)) return;
    error->SetTraceText(path);
    if (host::IHost* host = host::GetHost()) host->Errors().ShowError(error, nullptr);
    error->Destroy();
}

std::unique_ptr<host::IServerFile> OpenForReading(const std::string& system,
                                                  const std::string& serverPath, int mode3,
                                                  int& result) {
    host::IHost* host = host::GetHost();
    if (host == nullptr) {
        result = kRulesResultCannotOpen;
        return nullptr;
    }
    result = -1;
    std::unique_ptr<host::IServerFile> file = host->Files().CreateFile(system, serverPath, result);
    if (!file || result != host::kFileOk) {
        if (result == host::kFileOk) result = kRulesResultCannotOpen;
        return nullptr;
    }
    file->SetCcsid(host::kCcsidUtf16);
    result = file->Open(3, 1, mode3);
    if (result != host::kFileOk) return nullptr;
    return file;
}

}  // namespace

CNATRulesFile::CNATRulesFile(std::string_view systemName, std::string_view path, bool activeRules,
                             int rulesLevel)
    : m_strSystemName(systemName), m_bActiveRules(activeRules), m_nRulesLevel(rulesLevel) {
    SetPath(path);
}

CNATRulesFile::~CNATRulesFile() = default;

void CNATRulesFile::SetPath(std::string_view path) {
    m_strPath.assign(path);
    m_strServerPath = config::ToServerPath(path);
}

int CNATRulesFile::Load(bool askWhenInUse) {
    m_dropped.clear();
    std::string activePath = m_strPath;
    CNATRulesReader reader(m_statements, m_nRulesLevel, m_bActiveRules, &activePath);
    const int result = m_bActiveRules ? LoadActiveRules(reader) : LoadFile(askWhenInUse, reader);
    if (result != kRulesResultOk) return result;
    reader.Finish();
    if (activePath != m_strPath) SetPath(activePath);
    m_dropped = reader.GetDropped();
    if (reader.AnyFailed()) {
        m_nModified = 1;
    } else {
        SetModified(0);
    }
    return kRulesResultOk;
}

int CNATRulesFile::LoadActiveRules(CNATRulesReader& reader) {
    host::IHost* host = host::GetHost();
    if (host == nullptr) return kRulesResultNoActiveRules;
    host::SOFError* error = nullptr;
    std::unique_ptr<host::IServerObject> rules =
        host->Objects().CreateObject(kinds::kCurrentRulesList, host::kClientName, m_strSystemName,
                                     m_strActiveRulesArgument, &error);
    if (error == nullptr && rules) {
        m_nActiveLineCount =
            config::TextToInt(rules->GetAttributeText(attr::current_rules::kLineCount, &error));
    }
    if (error != nullptr || !rules) {
        ShowServerError(error, m_strPath);
        return kRulesResultNoActiveRules;
    }
    m_nEndOfFile = 0;
    for (m_nActiveLineIndex = 0; m_nActiveLineIndex < m_nActiveLineCount; ++m_nActiveLineIndex) {
        const std::string line =
            rules->GetAttributeText(attr::current_rules::kFirstLine + m_nActiveLineIndex, &error);
        if (error != nullptr) {
            // One report; the rules end where they could no longer be read.
            ShowServerError(error, m_strPath);
            GetFilePrompts().ShowMessage(IDS_FILE_READ_WRITE_ERROR, {m_strPath});
            break;
        }
        reader.AddLine(line);
    }
    m_nEndOfFile = 1;
    return kRulesResultOk;
}

int CNATRulesFile::LoadFile(bool askWhenInUse, CNATRulesReader& reader) {
    int result = 0;
    std::unique_ptr<host::IServerFile> file =
        OpenForReading(m_strSystemName, m_strServerPath, 8, result);
    if (!file && result == host::kFileInUse && askWhenInUse &&
        GetFilePrompts().AskYesNo(IDS_RULES_FILE_IN_USE_QUESTION, {m_strPath})) {
        file = OpenForReading(m_strSystemName, m_strServerPath, 1, result);
    }
    if (!file) return result == kRulesResultOk ? kRulesResultCannotOpen : result;

    m_nEndOfFile = 0;
    config::ReadServerFileLines(*file, kLineBufferSize, m_strPath,
                                [&reader](std::string_view line) { reader.AddLine(line); });
    m_nEndOfFile = 1;
    file->Close();
    return kRulesResultOk;
}

int CNATRulesFile::Save() {
    if (IsModified() == 0) return kRulesResultOk;
    return SaveAs(m_strPath);
}

int CNATRulesFile::SaveAs(std::string_view path) {
    const std::string displayPath(path);
    const std::string serverPath = config::ToServerPath(path);
    host::IHost* host = host::GetHost();
    int result = -1;
    std::unique_ptr<host::IServerFile> file;
    if (host != nullptr) {
        file = host->Files().CreateFileForWrite(m_strSystemName, serverPath, 0, result, 1);
    }
    if (file && result == host::kFileOk) {
        file->SetCcsid(host::kCcsidUtf16);
        result = file->Open(3, 1, 1);
    }
    if (!file || result != host::kFileOk) {
        GetFilePrompts().ShowMessage(IDS_RULES_FILE_CANNOT_WRITE, {displayPath});
        return result == host::kFileOk ? kRulesResultCannotOpen : result;
    }
    file->PrepareWrite();
    SetPath(path);
    // Every piece is tried, and each one that fails is reported.
    WriteRulesLines(m_statements, [&](std::string_view piece, int flag) {
        const std::string line(piece);  // the service takes the line NUL-terminated
        if (file->WriteLine(line.c_str(), host::WriteLength(line), flag) == host::kFileOk) return;
        GetFilePrompts().ShowMessage(IDS_FILE_READ_WRITE_ERROR, {m_strPath});
    });
    // The server replaces the file on close; when it cannot, the old file stays and so do the
    // modified flags, so the same changes can be saved again.
    if (file->Close() != host::kFileOk) {
        GetFilePrompts().ShowMessage(IDS_FILE_NOT_SAVED, {displayPath});
        return kRulesResultCannotOpen;
    }
    SetModified(0);
    return kRulesResultOk;
}

int CNATRulesFile::IsModified() {
    if (m_nModified != 0) return 1;
    const bool any = std::any_of(m_statements.begin(), m_statements.end(),
                                 [](const auto& statement) { return statement->IsModified(); });
    if (!any) return 0;
    m_nModified = 1;
    return 1;
}

void CNATRulesFile::SetModified(int modified) {
    m_nModified = modified;
    if (modified != 0) return;
    for (const auto& statement : m_statements)
        statement->SetModified(false);
}

CNATData* CNATRulesFile::GetAt(std::size_t index) const {
    return index < m_statements.size() ? m_statements[index].get() : nullptr;
}

CNATData* CNATRulesFile::GetFirst() {
    m_nCursor = 0;
    return GetNext();
}

CNATData* CNATRulesFile::GetNext() {
    if (m_nCursor >= m_statements.size()) return nullptr;
    return m_statements[m_nCursor++].get();
}

void CNATRulesFile::Add(std::unique_ptr<CNATData> statement) {
    if (!statement) return;
    m_statements.push_back(std::move(statement));
    m_nModified = 1;
}

void CNATRulesFile::Remove(CNATData* statement) {
    m_nModified = 1;
    const auto it = std::find_if(m_statements.begin(), m_statements.end(),
                                 [statement](const auto& held) { return held.get() == statement; });
    if (it == m_statements.end()) {
        delete statement;
        return;
    }
    const auto index = static_cast<std::size_t>(it - m_statements.begin());
    if (index < m_nCursor) --m_nCursor;
    m_statements.erase(it);
}

void CNATRulesFile::EnsurePPPFiltersIncluded() {
    if (m_nRulesLevel <= 2) return;
    int result = 0;
    std::unique_ptr<host::IServerFile> probe =
        OpenForReading(m_strSystemName, config::ToServerPath(kPPPFiltersPath), 8, result);
    if (!probe) return;
    probe->Close();
    probe.reset();

    CNATRulesFile vpn(m_strSystemName, kVPNPolicyFiltersPath, false, m_nRulesLevel);
    const bool loaded = vpn.Load(false) == kRulesResultOk;
    if (loaded) {
        for (const auto& statement : vpn.GetStatements()) {
            if (statement->GetType() != kNATInclude) continue;
            const auto& include = static_cast<const CNATIncludeData&>(*statement);
            if (config::EqualsNoCase(include.GetFile(), kPPPFiltersPath)) return;
        }
    }
    vpn.Add(std::make_unique<CNATIncludeData>(kPPPFiltersPath));
    vpn.SaveAs(kVPNPolicyFiltersPath);
}

int CNATRulesFile::VerifyRulesFile(std::uint32_t callerValue) {
    return Verify(attr::verify_rules::kOperationAll, callerValue);
}

int CNATRulesFile::VerifySyntax(std::uint32_t callerValue) {
    return Verify(attr::verify_rules::kOperationSyntax, callerValue);
}

int CNATRulesFile::VerifyIncludes(std::uint32_t callerValue) {
    return Verify(attr::verify_rules::kOperationIncludes, callerValue);
}

int CNATRulesFile::Verify(int operation, std::uint32_t callerValue) {
    host::IHost* host = host::GetHost();
    if (host == nullptr) return kRulesResultNoActiveRules;
    // The server needs to know whether the VPN policy filters file is there to check against.
    bool vpnMissing = false;
    if (!config::EqualsNoCase(m_strServerPath, config::ToServerPath(kVPNPolicyFiltersPath))) {
        int result = 0;
        std::unique_ptr<host::IServerFile> vpn =
            OpenForReading(m_strSystemName, config::ToServerPath(kVPNPolicyFiltersPath), 8, result);
        vpnMissing = !vpn;
        if (vpn) vpn->Close();
    }
    host::SOFError* error = nullptr;
    std::unique_ptr<host::IServerObject> verify =
        host->Objects().CreateObject(kinds::kVerifyRulesFile, host::kClientName, m_strSystemName,
                                     config::ToUpper(m_strServerPath), &error);
    std::string answer;
    if (error == nullptr && verify) {
        verify->SetAttribute(attr::verify_rules::kCallerValue, std::to_string(callerValue));
        verify->SetAttribute(attr::verify_rules::kVpnFileMissing, vpnMissing ? "1" : "0");
        answer = verify->GetAttributeText(operation, &error);
    }
    if (error == nullptr && verify) {
        m_nVerifyResultCount =
            config::TextToInt(verify->GetAttributeText(attr::verify_rules::kFindingCount, &error));
    }
    if (error != nullptr || !verify) {
        ShowServerError(error, m_strPath);
        return kRulesResultNoActiveRules;
    }
    m_verifyFindings.clear();
    for (int i = 0; i < m_nVerifyResultCount && error == nullptr; ++i) {
        std::string finding =
            verify->GetAttributeText(attr::verify_rules::kFirstFinding + i, &error);
        if (error == nullptr) m_verifyFindings.push_back(std::move(finding));
    }
    if (error != nullptr) ShowServerError(error, m_strPath);
    return config::TextToInt(answer);
}

std::vector<std::string> CollectFilterIdentifiers(const CNATRulesFile& file) {
    std::vector<std::string> found;
    for (const auto& statement : file.GetStatements()) {
        std::string identifier;
        switch (statement->GetType()) {
            case kNATFilterInterface:
                identifier = statement->GetName();
                break;
            case kNATHideAddress:
                identifier =
                    static_cast<const CNATHideAddressData&>(*statement).GetBehindAddressText();
                break;
            case kNATMapAddress:
                identifier = static_cast<const CNATMapAddressData&>(*statement).GetLine();
                break;
            default:
                continue;
        }
        if (identifier.empty()) continue;
        identifier = config::ToUpper(identifier);
        if (std::find(found.begin(), found.end(), identifier) != found.end()) continue;
        found.push_back(std::move(identifier));
    }
    return found;
}

}  // namespace ptp::rules
