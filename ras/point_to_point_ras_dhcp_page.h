#pragma once
// The DHCP WAN client: on or off, the local interface whose address it uses, and the DHCP servers
// and relay agents it asks (the dhcpwanclient.cfg list, at most 16). The first entry decides
// which DHCP role this system itself needs; when the page first shows with the client on, it
// checks that the role's job runs and starts it when it does not.
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/ui/property_page.h"

namespace ptp::ras {

class CPointToPointRASPropertySheet;
class CPointToPointRASDhcpWanClientLocalInterfaceDialog;
class CPointToPointRASDHCPServerDialog;

inline constexpr std::size_t kMostDHCPEntries = 16;

class CPointToPointRASDHCPPage : public ui::CPropertyPage {
  public:
    explicit CPointToPointRASDHCPPage(CPointToPointRASPropertySheet* pSheet);
    ~CPointToPointRASDHCPPage() override;

    ui::BOOL OnInitDialog() override;
    ui::BOOL OnSetActive() override;
    void DoDataExchange(ui::CDataExchange* pDX) override;

    // Copies the client's switch and local address into the record and the list into the
    // DHCP list file (not yet written): 0, or 2 after a message was shown.
    int Store();

  private:
    enum class Role { None, Server, Relay };
    using Entry = std::pair<std::string, std::string>;  // address, "*SERVER" or "*RELAY"

    void Load();
    void FillList();
    void EnableControls();
    [[nodiscard]] Role ExpectedRole() const;
    // Makes sure the job of the expected role runs, starting it when it does not; clears the
    // client's switch when neither the server nor the relay agent ends up running.
    void CheckDhcpService();
    void OnWanClientClicked();
    void OnAdd();
    void OnRemove();
    void OnSelectLocalInterface();

    CPointToPointRASPropertySheet* m_pSheet;
    bool m_bLoaded = false;
    bool m_bServiceChecked = false;
    int m_nWanClient = 0;
    std::string m_strLocalAddress;
    std::vector<Entry> m_entries;
    bool m_bServerRunning = false;
    bool m_bRelayRunning = false;
    std::unique_ptr<CPointToPointRASDhcpWanClientLocalInterfaceDialog> m_pLocalInterfaceDialog;
    std::unique_ptr<CPointToPointRASDHCPServerDialog> m_pServerDialog;
};

}  // namespace ptp::ras
