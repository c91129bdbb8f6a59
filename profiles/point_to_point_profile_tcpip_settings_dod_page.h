#pragma once
// The TCP/IP settings of a dial-on-demand profile on a line pool: the answering profile it pairs
// with (whose addresses it takes), its remote address, two switches and the Advanced dialog.
#include <memory>
#include <string>
#include <vector>

#include "profiles/ip_address_information.h"
#include "profiles/point_to_point_profile_property_sheet.h"
#include "profiles/point_to_point_profile_tcpip_page.h"
#include "profiles/profile_route_store.h"

namespace ptp::profiles {

class CPointToPointProfileTCPIPSettingsDodPage : public CPointToPointProfileTCPIPPage {
  public:
    explicit CPointToPointProfileTCPIPSettingsDodPage(CPointToPointProfilePropertySheet* pSheet);

    ui::BOOL OnInitDialog() override;
    void DoDataExchange(ui::CDataExchange* pDX) override;

    int Load() override;
    int Store() override;

  private:
    [[nodiscard]] const CPairableAnswerProfile* Find(const std::string& name) const;
    // The addresses of the answering profile the user chose.
    void TakeAnswerAddresses();
    // The users of `answer`'s per-user address list, whose networks this profile may dial.
    void ReadNetworks(const std::string& answer);
    void FillNetworks();
    [[nodiscard]] const CIPAddressInformation* FindNetwork(const std::string& name) const;
    // The chosen network's user address becomes the remote address.
    void TakeNetworkAddress();

    bool m_bLoaded = false;
    std::vector<CPairableAnswerProfile> m_answers;
    std::string m_strAnswerProfile;
    std::string m_strLocalAddress;
    std::string m_strRemoteAddress;
    int m_nHideAddresses = 0;
    int m_nHeaderCompression = 0;
    std::unique_ptr<CProfileRouteStore> m_pRouteStore;
    std::vector<CIPAddressInformation> m_networks;
    std::string m_strNetwork;
};

}  // namespace ptp::profiles
