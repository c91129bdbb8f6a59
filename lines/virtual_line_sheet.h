#pragma once
// What the sheets of the virtual lines (L2TP and PPPoE) share. A virtual line has no line object
// on the server: it is one record of its line file, which the opener hands in (or the sheet reads
// itself). The sheet edits that record, or a new one, and writes the file on OK; a new record
// joins the file only when the file was written.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/property_sheet.h"

namespace ptp::lines {

class CVirtualLinePage;

// The record fields both kinds of virtual line have, as the shared pages see them.
enum class VirtualLineField {
    Name,
    Description,
    MaxFrame,
    KeepAlive,
    AuthPeriodic,
    AuthInterval,
    MaxAuthAttempts,
    RetryTimer,
    MaxFailures,
    MaxRequests,
    MaxTerminates,
    RecoveryCount,
    RecoveryTime,
};

class CVirtualLineSheetBase : public ui::CPropertySheet {
  public:
    explicit CVirtualLineSheetBase(std::string_view caption, ui::CWnd* pParentWnd = nullptr);
    ~CVirtualLineSheetBase() override;

    // Set by the opener before DoModal.
    void SetSystemName(std::string_view name) { m_strSystemName = name; }
    void SetProposedLineName(std::string_view name) { m_strProposedLineName = name; }
    void SetExistingLineName(std::string_view name) { m_strExistingLineName = name; }
    void SetChangesAllowed(bool on) { m_bChangesAllowed = on; }
    void SetRelease050200(bool on) { m_bRelease050200 = on; }

    // Finds the record (or makes a new one) before the sheet shows; IDCANCEL without showing it
    // when the line file cannot be read or the line is not in it.
    ui::INT_PTR DoModal() override;
    ui::BOOL OnInitDialog() override;

    [[nodiscard]] bool WasLineCreated() const { return m_bCreated; }
    [[nodiscard]] bool IsNewMode() const { return m_strExistingLineName.empty(); }
    [[nodiscard]] bool ChangesAllowed() const { return m_bChangesAllowed; }
    [[nodiscard]] bool IsRelease050200() const { return m_bRelease050200; }
    [[nodiscard]] const std::string& GetSystemName() const { return m_strSystemName; }
    [[nodiscard]] const std::string& GetProposedLineName() const { return m_strProposedLineName; }
    [[nodiscard]] const std::string& GetExistingLineName() const { return m_strExistingLineName; }

    // The record the pages edit: the line's own, or the new one.
    [[nodiscard]] virtual std::string GetField(VirtualLineField field) const = 0;
    virtual void SetField(VirtualLineField field, std::string_view value) = 0;
    // Whether the line file records a line of that name (names compare without case).
    [[nodiscard]] virtual bool LineNameExists(std::string_view name) const = 0;
    // What the general page says the line is.
    [[nodiscard]] virtual UINT KindText() const = 0;

    // OK, from the general page: 0 when the line file was written, 2 after a message.
    int Commit();

  protected:
    // Loads the file (unless handed in) and finds or makes the record; false after a message.
    [[nodiscard]] virtual bool OpenRecord() = 0;
    [[nodiscard]] virtual std::string Caption() const = 0;
    // Whatever the line keeps outside its file, written before the file; false after a message.
    [[nodiscard]] virtual bool SaveOutsideFile() { return true; }
    // Adds a new record to the file and writes the file: 0, or the message that says why not.
    [[nodiscard]] virtual UINT SaveFile() = 0;

    void AddLinePage(CVirtualLinePage* page);

  private:
    [[nodiscard]] bool ValidatePages();

    std::string m_strSystemName;
    std::string m_strProposedLineName;
    std::string m_strExistingLineName;
    bool m_bChangesAllowed = true;
    bool m_bRelease050200 = false;
    bool m_bCreated = false;
    std::vector<CVirtualLinePage*> m_linePages;
};

}  // namespace ptp::lines
