#pragma once
// The line pool sheet: names a new pool of PPP lines or changes the members of one. Membership
// lives on the lines: each member line's object carries the pool's name. The opener (a profile's
// connection page) sets the pool name (empty for a new pool), the profile kind and the flags,
// calls DoModal and reads WasChanged afterwards.
#include <memory>
#include <string>
#include <string_view>

#include "host/host_services.h"
#include "lines/line_profile_kind.h"
#include "lines/point_to_point_profile_line_pool_general_page.h"
#include "platform/ui/property_sheet.h"

namespace ptp::lines {

class CPointToPointProfileLinePoolPropertySheet : public ui::CPropertySheet {
  public:
    explicit CPointToPointProfileLinePoolPropertySheet(std::string_view caption,
                                                       ui::CWnd* pParentWnd = nullptr);
    ~CPointToPointProfileLinePoolPropertySheet() override;

    // Set by the opener before DoModal.
    void SetPoolName(std::string_view name) { m_strPoolName = name; }
    // For a new pool: the name the opener's page already holds, offered in the name box.
    void SetProposedPoolName(std::string_view name) { m_strProposedPoolName = name; }
    void SetSystemName(std::string_view name) { m_strSystemName = name; }
    void SetParentProfile(const CLineProfileKind& kind) { m_profile = kind; }
    void SetCapabilityA(bool on) { m_bCapabilityA = on; }
    void SetCapabilityB(bool on) { m_bCapabilityB = on; }
    void SetCapabilityC(bool on) { m_bCapabilityC = on; }
    void SetRelease050200(bool on) { m_bRelease050200 = on; }
    void SetChangesAllowed(bool on) { m_bChangesAllowed = on; }

    // Opens the line list and the line association list, then shows the sheet; IDCANCEL without
    // showing it when they cannot be read.
    ui::INT_PTR DoModal() override;
    ui::BOOL OnInitDialog() override;

    // Read by the opener afterwards: the pool or one of its lines changed on the server.
    [[nodiscard]] bool WasChanged() const { return m_bChanged; }
    void SetChanged() { m_bChanged = true; }

    // What the page asks.
    [[nodiscard]] bool IsNewPool() const { return m_strPoolName.empty(); }
    [[nodiscard]] const std::string& GetPoolName() const { return m_strPoolName; }
    [[nodiscard]] const std::string& GetProposedPoolName() const { return m_strProposedPoolName; }
    // The pool exists on the server now: its name is its identity from here on.
    void PoolCreated(std::string_view name);
    [[nodiscard]] const std::string& GetSystemName() const { return m_strSystemName; }
    [[nodiscard]] const CLineProfileKind& GetParentProfile() const { return m_profile; }
    [[nodiscard]] bool ChangesAllowed() const { return m_bChangesAllowed; }
    [[nodiscard]] host::IServerList* GetLineList() const { return m_pLineList.get(); }
    [[nodiscard]] host::IServerList* GetAssociationList() const { return m_pAssociationList.get(); }

    // Reads both lists again; false after the failure was shown and the sheet ended.
    bool RefreshLists();
    // A server error: shown (unless already reported), destroyed, and the sheet ended with Cancel.
    void FailWith(host::SOFError*& error);
    // Opens the line sheet on `lineName` (empty for a new line); true when the line changed.
    bool OpenLineSheet(const std::string& lineName);

  private:
    bool OpenList(std::string_view kind, std::string_view filter,
                  std::unique_ptr<host::IServerList>& list);
    [[nodiscard]] std::string Caption() const;

    std::string m_strPoolName;
    std::string m_strProposedPoolName;
    std::string m_strSystemName;
    CLineProfileKind m_profile;
    bool m_bCapabilityA = false;
    bool m_bCapabilityB = false;
    bool m_bCapabilityC = false;
    bool m_bRelease050200 = false;
    bool m_bChangesAllowed = true;
    bool m_bChanged = false;
    bool m_bFailed = false;

    std::unique_ptr<host::IServerList> m_pLineList;
    std::unique_ptr<host::IServerList> m_pAssociationList;
    host::SOFError* m_ErrorHandle = nullptr;

    CPointToPointProfileLinePoolGeneralPage m_GeneralPage;
};

}  // namespace ptp::lines
