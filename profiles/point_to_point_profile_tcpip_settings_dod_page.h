#pragma once
// The TCP/IP settings of a dial-on-demand profile on a line pool: the answering profile it pairs
// with (whose addresses it takes), its remote address, two switches and the Advanced dialog.
#include <string>
#include <vector>

#include "profiles/point_to_point_profile_property_sheet.h"
#include "profiles/point_to_point_profile_tcpip_page.h"

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

    bool m_bLoaded = false;
    std::vector<CPairableAnswerProfile> m_answers;
    std::string m_strAnswerProfile;
    std::string m_strLocalAddress;
    std::string m_strRemoteAddress;
    int m_nHideAddresses = 0;
    int m_nHeaderCompression = 0;
};

}  // namespace ptp::profiles
