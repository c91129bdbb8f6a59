#pragma once
// RADIUS use by the server's network access server: on or off, and what it is used for.
#include "platform/ui/property_page.h"

namespace ptp::ras {

class CPointToPointRASPropertySheet;

class CPointToPointRASGeneralPage : public ui::CPropertyPage {
  public:
    explicit CPointToPointRASGeneralPage(CPointToPointRASPropertySheet* pSheet);

    ui::BOOL OnInitDialog() override;
    ui::BOOL OnApply() override;
    void DoDataExchange(ui::CDataExchange* pDX) override;

    // Copies the four check boxes into the record.
    void Store();

  private:
    void Load();
    void EnableDetails();
    void OpenTcpipServers();

    CPointToPointRASPropertySheet* m_pSheet;
    bool m_bLoaded = false;
    int m_nRadius = 0;
    int m_nAccounting = 0;
    int m_nAuthentication = 0;
    int m_nAddresses = 0;
};

}  // namespace ptp::ras
