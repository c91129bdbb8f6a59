#pragma once
// The details of one link of the connection view: the profile, line and addresses, the LCP and
// IPCP negotiation states, the link and bundle identifiers and the kind of bundle.
#include <string>
#include <string_view>

#include "host/host_services.h"
#include "platform/ui/dialog.h"

namespace ptp::frame {

class CPointToPointConnectionViewDetailsDialog : public ui::CDialog {
  public:
    // `list` and its element at `position` stay the connection view's.
    CPointToPointConnectionViewDetailsDialog(std::string_view systemName, host::IServerList& list,
                                             long position, ui::CWnd* pParent);

    ui::BOOL OnInitDialog() override;

  private:
    // The text of a state attribute (LCP or IPCP) through the status table.
    [[nodiscard]] std::string StateText(host::IServerObject& element, int id,
                                        host::SOFError** error);

    std::string m_strSystemName;
    host::IServerList& m_list;
    long m_nPosition;
};

}  // namespace ptp::frame
