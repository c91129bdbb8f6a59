#pragma once
// The network interface sheet: creates an ISDN network interface with one create command, or
// changes one with the change command (its network type, rate and authority stay). It hands the
// interface's local number back to the digital line sheet that opened it. T1 interfaces are
// shown but not sent: they are made on the server itself.
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "host/host_services.h"
#include "lines/point_to_point_profile_line_digital_property_sheet.h"
#include "nwi/point_to_point_isdn_nwi_entries_page.h"
#include "nwi/point_to_point_isdn_nwi_general_page.h"
#include "nwi/point_to_point_isdn_nwi_local_number_page.h"
#include "nwi/point_to_point_isdn_nwi_parms_page.h"
#include "nwi/point_to_point_isdn_nwi_security_page.h"
#include "nwi/point_to_point_isdn_nwi_service_page.h"
#include "platform/ui/property_sheet.h"

namespace ptp::nwi {

class CPointToPointIsdnNwiPropertySheet : public ui::CPropertySheet {
  public:
    explicit CPointToPointIsdnNwiPropertySheet(std::string_view caption,
                                               ui::CWnd* pParentWnd = nullptr);
    ~CPointToPointIsdnNwiPropertySheet() override;

    // Set by the opener before DoModal.
    void SetSystemName(std::string_view name) { m_strSystemName = name; }
    void SetProposedName(std::string_view name) { m_strProposedName = name; }
    void SetInterfaceName(std::string_view name) { m_strInterfaceName = name; }
    void SetT1(bool on) { m_bT1 = on; }
    void SetChangesAllowed(bool on) { m_bChangesAllowed = on; }
    // The digital line sheet that receives the local number (it stays the opener's), or none.
    void SetLineSheet(lines::CPointToPointProfileLineDigitalPropertySheet* pSheet) {
        m_pLineSheet = pSheet;
    }

    ui::INT_PTR DoModal() override;
    ui::BOOL OnInitDialog() override;

    [[nodiscard]] bool WasCreated() const { return m_bCreated; }
    [[nodiscard]] bool IsNewMode() const { return m_strInterfaceName.empty(); }
    [[nodiscard]] bool IsT1() const { return m_bT1; }
    [[nodiscard]] bool ChangesAllowed() const { return m_bChangesAllowed; }
    [[nodiscard]] const std::string& GetSystemName() const { return m_strSystemName; }
    [[nodiscard]] const std::string& GetProposedName() const { return m_strProposedName; }

    // The interface's attribute (properties mode); a failed read shows the error and ends the
    // sheet with Cancel.
    [[nodiscard]] std::string GetText(int id);
    // Whether an interface of that name exists on the system.
    [[nodiscard]] bool InterfaceExists(std::string_view name);
    // The general page's name, port, network type, rate and description.
    void CollectGeneral(CNwiCommandValues& values);

    // OK, from the general page: 0 when the interface reached the server, 2 after a message.
    int Commit();

  private:
    [[nodiscard]] bool Validate(std::initializer_list<CNwiPage*> pages);
    void Fail(host::SOFError*& error);

    std::string m_strSystemName;
    std::string m_strProposedName;
    std::string m_strInterfaceName;
    bool m_bT1 = false;
    bool m_bChangesAllowed = true;
    bool m_bCreated = false;
    bool m_bFailed = false;
    lines::CPointToPointProfileLineDigitalPropertySheet* m_pLineSheet = nullptr;
    std::unique_ptr<host::IServerObject> m_pInterface;
    host::SOFError* m_ErrorHandle = nullptr;

    CPointToPointIsdnNwiGeneralPage m_GeneralPage;
    CPointToPointIsdnNwiEntriesPage m_EntriesPage;
    CPointToPointIsdnNwiServicePage m_ServicePage;
    CPointToPointIsdnNwiParmsPage m_ParmsPage;
    CPointToPointIsdnNwiLocalNumberPage m_LocalNumberPage;
    CPointToPointIsdnNwiSecurityPage m_SecurityPage;
};

}  // namespace ptp::nwi
