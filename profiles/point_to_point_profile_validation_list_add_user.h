#pragma once
// Asks for a user of a validation list: name and password, for PPP lists the protocol, and the
// group access policy the user's connections get (from the system's group policies, or none).
#include <string>
#include <string_view>

#include "platform/ui/dialog.h"

namespace ptp::profiles {

class CPointToPointProfileValidationListAddUser : public ui::CDialog {
  public:
    CPointToPointProfileValidationListAddUser(std::string_view systemName, bool offersProtocol,
                                              ui::CWnd* pParent);

    ui::BOOL OnInitDialog() override;
    void OnOK() override;

    [[nodiscard]] const std::string& GetName() const { return m_strName; }
    [[nodiscard]] const std::string& GetPassword() const { return m_strPassword; }
    [[nodiscard]] const std::string& GetGroupPolicy() const { return m_strGroupPolicy; }
    [[nodiscard]] bool IsPAP() const { return m_bPAP; }

  protected:
    CPointToPointProfileValidationListAddUser(UINT nIDTemplate, std::string_view systemName,
                                              bool offersProtocol, ui::CWnd* pParent);
    // What a further dialog asks besides; false after the user was told.
    virtual bool TakeMore() { return true; }

  private:
    std::string m_strSystemName;
    bool m_bOffersProtocol;
    std::string m_strName;
    std::string m_strPassword;
    std::string m_strGroupPolicy;
    bool m_bPAP = false;
};

}  // namespace ptp::profiles
