#pragma once
// What the digital and the Ethernet line sheets share: a new line is made with one create command
// the pages' values fill in, an existing one is shown and changed through its line object, and a
// line object that cannot be opened or read ends the sheet.
#include <memory>
#include <string>
#include <string_view>

#include "host/host_services.h"
#include "platform/ui/property_sheet.h"

namespace ptp::lines {

class CLineObjectSheet : public ui::CPropertySheet {
  public:
    explicit CLineObjectSheet(std::string_view caption, ui::CWnd* pParentWnd = nullptr);
    ~CLineObjectSheet() override;

    // Set by the opener before DoModal.
    void SetSystemName(std::string_view name) { m_strSystemName = name; }
    void SetProposedLineName(std::string_view name) { m_strProposedLineName = name; }
    void SetExistingLineName(std::string_view name) { m_strExistingLineName = name; }
    void SetChangesAllowed(bool on) { m_bChangesAllowed = on; }

    ui::BOOL OnInitDialog() override;

    [[nodiscard]] bool WasLineCreated() const { return m_bCreated; }
    [[nodiscard]] bool IsNewMode() const { return m_strExistingLineName.empty(); }
    [[nodiscard]] bool ChangesAllowed() const { return m_bChangesAllowed; }
    [[nodiscard]] const std::string& GetSystemName() const { return m_strSystemName; }
    [[nodiscard]] const std::string& GetProposedLineName() const { return m_strProposedLineName; }
    [[nodiscard]] const std::string& GetExistingLineName() const { return m_strExistingLineName; }

    // The line object's attribute (properties mode), `fallback` for one the line does not carry;
    // a failed read shows the error and ends the sheet with Cancel.
    [[nodiscard]] std::string GetLineText(int id, std::string_view fallback = {});
    void SetLineText(int id, std::string_view value);
    // Runs one command; shows a reply other than the ones `ignored` starts with. True on
    // success or an ignored reply.
    bool RunCommand(const std::string& command, std::string_view ignored = {});

  protected:
    // Opens the existing line's object; false after the error was shown and the sheet ended.
    bool OpenLineObject(host::IHost& host);
    // Commits what the pages stored on the line object: 0, or 2 after the error was shown (the
    // object's changes discarded, the sheet left open).
    int CommitLineObject();
    [[nodiscard]] bool HasFailed() const { return m_bFailed; }
    void MarkLineCreated() { m_bCreated = true; }
    // Shows the error and ends the sheet with Cancel, once.
    void Fail(host::SOFError*& error);

  private:
    std::string m_strSystemName;
    std::string m_strProposedLineName;
    std::string m_strExistingLineName;
    bool m_bChangesAllowed = true;
    bool m_bCreated = false;
    bool m_bFailed = false;
    std::unique_ptr<host::IServerObject> m_pLineObject;
    host::SOFError* m_ErrorHandle = nullptr;
};

}  // namespace ptp::lines
