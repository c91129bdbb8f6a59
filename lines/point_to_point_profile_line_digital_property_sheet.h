#pragma once
// The digital line sheet: creates a PPP line over ISDN network interfaces, switched (over a list
// of interfaces, answering and dialling through connection lists) or leased (one interface and
// channel), and shows and changes an existing one. A new line is made with one create command;
// an existing switched line changes with the change command, a leased one through its object.
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "lines/line_object_sheet.h"
#include "lines/line_profile_kind.h"
#include "lines/point_to_point_profile_line_cnnlst_page.h"
#include "lines/point_to_point_profile_line_digital_connection_page.h"
#include "lines/point_to_point_profile_line_digital_general_page.h"
#include "lines/point_to_point_profile_line_digital_lcp_page.h"
#include "lines/point_to_point_profile_line_digital_link_page.h"
#include "lines/point_to_point_profile_line_digital_security_page.h"
#include "lines/point_to_point_profile_line_nwi_page.h"

namespace ptp::lines {

// What a network interface sheet hands back: the local number of its calls and how it is sent.
struct CLocalNumberValues {
    std::string strNumber;            // quoted, apostrophes doubled
    std::string strType;              // LCLNBRTYPE
    std::string strPlan;              // LCLNBRPLAN
    std::string strPresentation;      // LCLNBRPSN
    std::string strRemoveCharacters;  // RMVCHR
};

class CPointToPointProfileLineDigitalPropertySheet : public CLineObjectSheet {
  public:
    // Opens the network interface sheet over `line` on interface `name` (a new one when `isNew`);
    // IDOK when an interface was created or changed.
    using NetworkInterfaceOpener = std::function<ui::INT_PTR(
        CPointToPointProfileLineDigitalPropertySheet& line, const std::string& name, bool isNew)>;

    explicit CPointToPointProfileLineDigitalPropertySheet(std::string_view caption,
                                                          ui::CWnd* pParentWnd = nullptr);
    ~CPointToPointProfileLineDigitalPropertySheet() override;

    // Set by the opener before DoModal.
    void SetParentProfile(const CLineProfileKind& kind) { m_profile = kind; }
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

    [[nodiscard]] bool IsSwitched() const { return m_profile.IsSwitched(); }
    [[nodiscard]] bool IsLeased() const { return m_profile.IsLeased(); }
    [[nodiscard]] bool IsT1() const { return m_bT1; }
    [[nodiscard]] const CLineProfileKind& GetParentProfile() const { return m_profile; }

    // Whether a line of that name exists on the system.
    [[nodiscard]] bool LineNameExists(std::string_view name);

    // The local-number values the network interface sheet handed back.
    void SetLocalNumberValues(const CLocalNumberValues& values) { m_localNumber = values; }
    [[nodiscard]] const CLocalNumberValues& GetLocalNumberValues() const { return m_localNumber; }
    // The network type the network interface page's switch type names ("*ATT" when none).
    [[nodiscard]] std::string NetworkType() const { return m_NwiPage.NetworkType(); }
    // "*ANS", "*DIAL" or "*BOTH", as the connection page holds it.
    [[nodiscard]] std::string SwitchedConnection();

    // OK, from the general page: 0 when the line reached the server, 2 after a message.
    int Commit();

  private:
    [[nodiscard]] bool ValidatePages();

    CLineProfileKind m_profile;
    bool m_bT1 = false;
    CLocalNumberValues m_localNumber;
    NetworkInterfaceOpener m_networkInterfaceOpener;

    CPointToPointProfileLineDigitalGeneralPage m_GeneralPage;
    CPointToPointProfileLineNwiPage m_NwiPage;
    CPointToPointProfileLineDigitalConnectionPage m_ConnectionPage;
    CPointToPointProfileLineDigitalLinkPage m_LinkPage;
    CPointToPointProfileLineDigitalLCPPage m_LCPPage;
    CPointToPointProfileLineCnnlstPage m_CnnlstPage;
    CPointToPointProfileLineDigitalSecurityPage m_SecurityPage;
};

}  // namespace ptp::lines
