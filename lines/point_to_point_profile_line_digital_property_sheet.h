#pragma once
// The digital line sheet: creates a PPP line over ISDN network interfaces, switched (over a list
// of interfaces, answering and dialling through connection lists) or leased (one interface and
// channel), and shows and changes an existing one. A new line is made with one create command;
// an existing switched line changes with the change command, a leased one through its object.
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "host/host_services.h"
#include "lines/line_profile_kind.h"
#include "lines/point_to_point_profile_line_cnnlst_page.h"
#include "lines/point_to_point_profile_line_digital_connection_page.h"
#include "lines/point_to_point_profile_line_digital_general_page.h"
#include "lines/point_to_point_profile_line_digital_lcp_page.h"
#include "lines/point_to_point_profile_line_digital_link_page.h"
#include "lines/point_to_point_profile_line_digital_security_page.h"
#include "lines/point_to_point_profile_line_nwi_page.h"
#include "platform/ui/property_sheet.h"

namespace ptp::lines {

// What a network interface sheet hands back: the local number of its calls and how it is sent.
struct CLocalNumberValues {
    std::string strNumber;            // quoted, apostrophes doubled
    std::string strType;              // LCLNBRTYPE
    std::string strPlan;              // LCLNBRPLAN
    std::string strPresentation;      // LCLNBRPSN
    std::string strRemoveCharacters;  // RMVCHR
};

class CPointToPointProfileLineDigitalPropertySheet : public ui::CPropertySheet {
  public:
    // Opens the network interface sheet over `line` on interface `name` (a new one when `isNew`);
    // IDOK when an interface was created or changed.
    using NetworkInterfaceOpener = std::function<ui::INT_PTR(
        CPointToPointProfileLineDigitalPropertySheet& line, const std::string& name, bool isNew)>;

    explicit CPointToPointProfileLineDigitalPropertySheet(std::string_view caption,
                                                          ui::CWnd* pParentWnd = nullptr);
    ~CPointToPointProfileLineDigitalPropertySheet() override;

    // Set by the opener before DoModal.
    void SetSystemName(std::string_view name) { m_strSystemName = name; }
    void SetProposedLineName(std::string_view name) { m_strProposedLineName = name; }
    void SetExistingLineName(std::string_view name) { m_strExistingLineName = name; }
    void SetParentProfile(const CLineProfileKind& kind) { m_profile = kind; }
    void SetChangesAllowed(bool on) { m_bChangesAllowed = on; }
    // A line over T1 interfaces: the interface lists and sheets are the T1 ones.
    void SetT1(bool on) { m_bT1 = on; }
    // Who opens the network interface sheet; without one the page offers no New or Open.
    void SetNetworkInterfaceOpener(NetworkInterfaceOpener opener) {
        m_networkInterfaceOpener = std::move(opener);
    }
    [[nodiscard]] bool CanOpenNetworkInterfaces() const {
        return static_cast<bool>(m_networkInterfaceOpener);
    }
    ui::INT_PTR OpenNetworkInterface(const std::string& name, bool isNew) {
        return m_networkInterfaceOpener ? m_networkInterfaceOpener(*this, name, isNew)
                                        : ui::IDCANCEL;
    }

    ui::INT_PTR DoModal() override;
    ui::BOOL OnInitDialog() override;

    [[nodiscard]] bool WasLineCreated() const { return m_bCreated; }
    [[nodiscard]] bool IsNewMode() const { return m_strExistingLineName.empty(); }
    [[nodiscard]] bool IsSwitched() const { return m_profile.IsSwitched(); }
    [[nodiscard]] bool IsLeased() const { return m_profile.IsLeased(); }
    [[nodiscard]] bool IsT1() const { return m_bT1; }
    [[nodiscard]] bool ChangesAllowed() const { return m_bChangesAllowed; }
    [[nodiscard]] const std::string& GetSystemName() const { return m_strSystemName; }
    [[nodiscard]] const std::string& GetProposedLineName() const { return m_strProposedLineName; }
    [[nodiscard]] const std::string& GetExistingLineName() const { return m_strExistingLineName; }
    [[nodiscard]] const CLineProfileKind& GetParentProfile() const { return m_profile; }

    // The line object's attribute (properties mode), `fallback` for one the line does not carry;
    // a failed read shows the error and ends the sheet with Cancel.
    [[nodiscard]] std::string GetLineText(int id, std::string_view fallback = {});
    void SetLineText(int id, std::string_view value);
    // Whether a line of that name exists on the system.
    [[nodiscard]] bool LineNameExists(std::string_view name);

    // The local-number values the network interface sheet handed back.
    void SetLocalNumberValues(const CLocalNumberValues& values) { m_localNumber = values; }
    [[nodiscard]] const CLocalNumberValues& GetLocalNumberValues() const { return m_localNumber; }
    // The network type the network interface page's switch type names ("*ATT" when none).
    [[nodiscard]] std::string NetworkType() const { return m_NwiPage.NetworkType(); }
    // "*ANS", "*DIAL" or "*BOTH", as the connection page holds it.
    [[nodiscard]] std::string SwitchedConnection();
    // Runs one command; shows a reply other than the ones `ignored` starts with. True on
    // success or an ignored reply.
    bool RunCommand(const std::string& command, std::string_view ignored = {});

    // OK, from the general page: 0 when the line reached the server, 2 after a message.
    int Commit();

  private:
    [[nodiscard]] bool ValidatePages();
    void Fail(host::SOFError*& error);

    std::string m_strSystemName;
    std::string m_strProposedLineName;
    std::string m_strExistingLineName;
    CLineProfileKind m_profile;
    bool m_bChangesAllowed = true;
    bool m_bT1 = false;
    bool m_bCreated = false;
    bool m_bFailed = false;
    CLocalNumberValues m_localNumber;
    NetworkInterfaceOpener m_networkInterfaceOpener;
    std::unique_ptr<host::IServerObject> m_pLineObject;
    host::SOFError* m_ErrorHandle = nullptr;

    CPointToPointProfileLineDigitalGeneralPage m_GeneralPage;
    CPointToPointProfileLineNwiPage m_NwiPage;
    CPointToPointProfileLineDigitalConnectionPage m_ConnectionPage;
    CPointToPointProfileLineDigitalLinkPage m_LinkPage;
    CPointToPointProfileLineDigitalLCPPage m_LCPPage;
    CPointToPointProfileLineCnnlstPage m_CnnlstPage;
    CPointToPointProfileLineDigitalSecurityPage m_SecurityPage;
};

}  // namespace ptp::lines
