#pragma once
// Authentication of an answering or terminating profile: whether the caller must identify itself
// and which validation list holds the callers, for PPP the protocol and the RADIUS services, and
// whether this system identifies itself in turn. Sending this system's own password needs the
// server to keep passwords (QRETSVRSEC), so turning that on asks first. The SLIP page has neither
// protocol nor RADIUS and asks for no password confirmation.
#include <memory>
#include <string>

#include "profiles/point_to_point_profile_auth_page.h"
#include "profiles/point_to_point_profile_ppp_ans_auth_local_system_id_dialog.h"
#include "profiles/point_to_point_profile_validation_list_dialog.h"

namespace ptp::profiles {

class CPointToPointProfileAnsAuthPage : public CPointToPointProfileAuthPage {
  public:
    CPointToPointProfileAnsAuthPage(UINT nIDTemplate, CPointToPointProfilePropertySheet* pSheet,
                                    bool bPPP);
    ~CPointToPointProfileAnsAuthPage() override;

    ui::BOOL OnInitDialog() override;
    void DoDataExchange(ui::CDataExchange* pDX) override;

    int Load() override;
    int Store() override;

  private:
    [[nodiscard]] bool HasExtendedSettings() const;
    // Enables each RADIUS box only while the services run that part of RADIUS.
    void ApplyRadiusServices();
    void OnLocalClicked();
    void OpenValidationList();
    void EnableControls();
    [[nodiscard]] CPointToPointProfilePPPAnsAuthLocalSystemIdDialog& LocalSystemIdDialog();
    int StoreLocalIdentification();

    int m_nRemote = 0;
    std::string m_strList;
    int m_nProtocol = kCHAP;
    int m_nRadiusAuthentication = 0;
    int m_nRadiusAccounting = 0;
    int m_nLocal = 0;
    std::unique_ptr<CPointToPointProfilePPPAnsAuthLocalSystemIdDialog> m_pLocalSystemIdDialog;
    std::unique_ptr<CPointToPointProfileValidationListDialog> m_pValidationListDialog;
};

class CPointToPointProfilePPPAnsAuthPage : public CPointToPointProfileAnsAuthPage {
  public:
    explicit CPointToPointProfilePPPAnsAuthPage(CPointToPointProfilePropertySheet* pSheet);
};

class CPointToPointProfileSLIPAnsAuthPage : public CPointToPointProfileAnsAuthPage {
  public:
    explicit CPointToPointProfileSLIPAnsAuthPage(CPointToPointProfilePropertySheet* pSheet);
};

}  // namespace ptp::profiles
