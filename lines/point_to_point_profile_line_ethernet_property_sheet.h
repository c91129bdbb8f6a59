#pragma once
// The Ethernet line sheet: creates the Ethernet line that carries PPPoE with one create command
// (new mode), or shows and changes an existing one through its line object.
#include <memory>
#include <string>
#include <string_view>

#include "host/host_services.h"
#include "lines/point_to_point_profile_line_ethernet_general_page.h"
#include "lines/point_to_point_profile_line_ethernet_link_page.h"
#include "lines/point_to_point_profile_line_ethernet_security_page.h"
#include "platform/ui/property_sheet.h"

namespace ptp::lines {

// The values of a new Ethernet line as its create command takes them.
struct CEthernetLineValues {
    std::string strLineName;   // LIND
    std::string strResource;   // RSRCNAME
    std::string strText;       // TEXT, in its command form
    std::string strOnline;     // ONLINE
    std::string strStandard;   // ETHSTD
    std::string strSpeed;      // LINESPEED
    std::string strDuplex;     // DUPLEX
    std::string strQueue;      // MSGQ
    std::string strAuthority;  // AUT
};

[[nodiscard]] std::string BuildCreateEthernetLineCommand(const CEthernetLineValues& values);

class CPointToPointProfileLineEthernetPropertySheet : public ui::CPropertySheet {
  public:
    explicit CPointToPointProfileLineEthernetPropertySheet(std::string_view caption,
                                                           ui::CWnd* pParentWnd = nullptr);
    ~CPointToPointProfileLineEthernetPropertySheet() override;

    void SetSystemName(std::string_view name) { m_strSystemName = name; }
    void SetProposedLineName(std::string_view name) { m_strProposedLineName = name; }
    void SetExistingLineName(std::string_view name) { m_strExistingLineName = name; }
    void SetChangesAllowed(bool on) { m_bChangesAllowed = on; }

    ui::INT_PTR DoModal() override;
    ui::BOOL OnInitDialog() override;

    [[nodiscard]] bool WasLineCreated() const { return m_bCreated; }
    [[nodiscard]] bool IsNewMode() const { return m_strExistingLineName.empty(); }
    [[nodiscard]] bool ChangesAllowed() const { return m_bChangesAllowed; }
    [[nodiscard]] const std::string& GetSystemName() const { return m_strSystemName; }
    [[nodiscard]] const std::string& GetProposedLineName() const { return m_strProposedLineName; }
    [[nodiscard]] const std::string& GetExistingLineName() const { return m_strExistingLineName; }

    // The line object's attribute (properties mode); a failed read shows the error and ends the
    // sheet with Cancel.
    [[nodiscard]] std::string GetLineText(int id);
    void SetLineText(int id, std::string_view value);

    // OK, from the general page: 0 when the line reached the server, 2 after a message.
    int Commit();

  private:
    void Fail(host::SOFError*& error);

    std::string m_strSystemName;
    std::string m_strProposedLineName;
    std::string m_strExistingLineName;
    bool m_bChangesAllowed = true;
    bool m_bCreated = false;
    bool m_bFailed = false;
    std::unique_ptr<host::IServerObject> m_pLineObject;
    host::SOFError* m_ErrorHandle = nullptr;

    CPointToPointProfileLineEthernetGeneralPage m_GeneralPage;
    CPointToPointProfileLineEthernetLinkPage m_LinkPage;
    CPointToPointProfileLineEthernetSecurityPage m_SecurityPage;
};

}  // namespace ptp::lines
