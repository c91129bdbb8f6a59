#pragma once
// Asks for a multi-hop user: the user's own name and password, and the name and password its
// connection is passed on with to the next system.
#include <string>
#include <string_view>

#include "profiles/point_to_point_profile_validation_list_add_user.h"

namespace ptp::profiles {

class CPointToPointProfileValidationListAddMultihopUser
    : public CPointToPointProfileValidationListAddUser {
  public:
    CPointToPointProfileValidationListAddMultihopUser(std::string_view systemName,
                                                      ui::CWnd* pParent);

    [[nodiscard]] const std::string& GetForwardName() const { return m_strForwardName; }
    [[nodiscard]] const std::string& GetForwardPassword() const { return m_strForwardPassword; }

  protected:
    bool TakeMore() override;

  private:
    std::string m_strForwardName;
    std::string m_strForwardPassword;
};

}  // namespace ptp::profiles
