#pragma once
// The record a virtual line sheet edits, in the line file the opener handed in (or one the sheet
// reads itself): the line's own record, or a new one that joins the file only when the file
// could be written.
#include <memory>
#include <string>
#include <string_view>

#include "config/config_text.h"
#include "lines/virtual_line_files.h"
#include "resources/ids/line_tunnels.h"

namespace ptp::lines {

template <class TFile, class TRecord>
class CVirtualLineRecord {
  public:
    using NameOf = const std::string& (TRecord::*)() const;

    CVirtualLineRecord(NameOf nameOf, std::string_view path) : m_nameOf(nameOf), m_strPath(path) {}

    void SetFile(TFile* pFile) { m_pFile = pFile; }

    // Reads the file when none was handed in, then finds `existing` or makes a new record: 0,
    // or the message that says why not.
    [[nodiscard]] UINT Open(std::string_view systemName, std::string_view existing) {
        if (!m_pFile) {
            m_pOwnedFile = std::make_unique<TFile>(config::ToUpper(systemName), m_strPath, 0);
            if (LoadLineFile(*m_pOwnedFile) == LineFileRead::Unreadable)
                return IDS_VLINE_FILE_UNREADABLE;
            m_pFile = m_pOwnedFile.get();
        }
        if (existing.empty()) {
            m_pNew = TFile::CreateRecord("");
            return 0;
        }
        m_pRecord = Find(existing);
        return m_pRecord ? 0 : IDS_VLINE_NOT_FOUND;
    }

    [[nodiscard]] TRecord& Record() const { return m_pRecord ? *m_pRecord : *m_pNew; }
    [[nodiscard]] bool Exists(std::string_view name) const { return Find(name) != nullptr; }

    // A new record joins the file; it leaves the file again when the file cannot be written, so
    // the next OK adds it afresh. False when the file was not written.
    [[nodiscard]] bool Save() {
        TRecord* added = nullptr;
        if (m_pNew) {
            added = m_pNew.get();
            m_pFile->Add(std::move(m_pNew));
        }
        if (m_pFile->Save() == config::kFileResultOk) {
            if (added) m_pRecord = added;
            return true;
        }
        if (added) {
            m_pFile->Remove(added);
            m_pNew = TFile::CreateRecord("");
        }
        return false;
    }

  private:
    [[nodiscard]] TRecord* Find(std::string_view name) const {
        for (std::size_t index = 0; index < m_pFile->GetCount(); ++index) {
            TRecord* record = m_pFile->GetAt(index);
            if (config::EqualsNoCase((record->*m_nameOf)(), name)) return record;
        }
        return nullptr;
    }

    NameOf m_nameOf;
    std::string m_strPath;
    TFile* m_pFile = nullptr;
    std::unique_ptr<TFile> m_pOwnedFile;
    TRecord* m_pRecord = nullptr;
    std::unique_ptr<TRecord> m_pNew;
};

}  // namespace ptp::lines
