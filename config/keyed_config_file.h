#pragma once
// A keyed configuration file over one record type: the records in file order, owned by the file,
// with an iteration cursor for the sheets that look a record up by its name.
#include <cstddef>
#include <memory>
#include <new>
#include <string_view>
#include <vector>

#include "config/keyed_config_file_base.h"

namespace ptp::config {

template <class TRecord>
class CKeyedConfigFile : public CKeyedConfigFileBase {
  public:
    using CKeyedConfigFileBase::CKeyedConfigFileBase;
    ~CKeyedConfigFile() override = default;

    [[nodiscard]] std::size_t GetCount() const { return m_records.size(); }
    [[nodiscard]] bool IsEmpty() const { return m_records.empty(); }

    [[nodiscard]] TRecord* GetAt(std::size_t index) const {
        return index < m_records.size() ? m_records[index].get() : nullptr;
    }

    TRecord* GetFirst() {
        m_nCursor = 0;
        return GetNext();
    }

    TRecord* GetNext() {
        if (m_nCursor >= m_records.size()) return nullptr;
        return m_records[m_nCursor++].get();
    }

    // Appends `record` and takes it over.
    void Add(std::unique_ptr<TRecord> record) {
        if (!record) return;
        m_records.push_back(std::move(record));
        MarkModified();
    }

    // Unlinks `record` when it is in the list; deletes it in any case.
    void Remove(TRecord* record) {
        for (std::size_t index = 0; index < m_records.size(); ++index) {
            if (m_records[index].get() != record) continue;
            // The cursor stays on the record after the one last returned.
            if (index < m_nCursor) --m_nCursor;
            m_records.erase(m_records.begin() + static_cast<std::ptrdiff_t>(index));
            MarkModified();
            return;
        }
        delete record;
        MarkModified();
    }

    // A record from a line: an empty line gives a record for a new object; otherwise the line is
    // parsed, and null comes back when it does not parse or memory runs out.
    [[nodiscard]] static std::unique_ptr<TRecord> CreateRecord(std::string_view line) {
        std::unique_ptr<TRecord> record(new (std::nothrow) TRecord());
        if (!record || line.empty()) return record;
        if (!record->ParseLine(line)) return nullptr;
        return record;
    }

  protected:
    void AppendLine(std::string_view line) override { Add(CreateRecord(line)); }

    bool AnyRecordModified() const override {
        for (const auto& record : m_records) {
            if (record->IsModified()) return true;
        }
        return false;
    }

    void ClearRecordFlags() override {
        for (const auto& record : m_records)
            record->SetModified(false);
    }

    void DeleteAllRecords() override {
        m_records.clear();
        m_nCursor = 0;
    }

    void WriteRecords() override {
        std::string line;
        for (const auto& record : m_records) {
            line.clear();
            record->AppendLine(line);
            WriteText(line);
        }
    }

  private:
    std::vector<std::unique_ptr<TRecord>> m_records;
    std::size_t m_nCursor = 0;
};

}  // namespace ptp::config
