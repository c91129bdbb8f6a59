#pragma once
// The Ethernet line sheet: creates the Ethernet line that carries PPPoE with one create command
// (new mode), or shows and changes an existing one through its line object.
#include <memory>
#include <string>
#include <string_view>

#include "lines/line_object_sheet.h"
#include "lines/point_to_point_profile_line_ethernet_general_page.h"
#include "lines/point_to_point_profile_line_ethernet_link_page.h"
#include "lines/point_to_point_profile_line_ethernet_security_page.h"

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

class CPointToPointProfileLineEthernetPropertySheet : public CLineObjectSheet {
  public:
    explicit CPointToPointProfileLineEthernetPropertySheet(std::string_view caption,
                                                           ui::CWnd* pParentWnd = nullptr);
    ~CPointToPointProfileLineEthernetPropertySheet() override;

    ui::INT_PTR DoModal() override;

    // OK, from the general page: 0 when the line reached the server, 2 after a message.
    int Commit();

  private:
    CPointToPointProfileLineEthernetGeneralPage m_GeneralPage;
    CPointToPointProfileLineEthernetLinkPage m_LinkPage;
    CPointToPointProfileLineEthernetSecurityPage m_SecurityPage;
};

}  // namespace ptp::lines
