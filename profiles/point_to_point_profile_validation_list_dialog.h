#pragma once
// The users of the validation list an answering profile checks its callers against: the entries
// that fit the profile (SLIP, PPP or L2TP users, and on request the multi-hop users), with
// buttons to add a user, add a multi-hop user and remove entries. Changes reach the server at
// once; a list that does not exist yet is made with its first user.
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/dialog.h"
#include "profiles/point_to_point_profile_validation_list_add_user.h"
#include "profiles/validation_list_users.h"

namespace ptp::profiles {

class CPointToPointProfilePropertySheet;

class CPointToPointProfileValidationListDialog : public ui::CDialog {
  public:
    CPointToPointProfileValidationListDialog(CPointToPointProfilePropertySheet* pSheet,
                                             ui::CWnd* pParent);

    void SetListName(std::string_view name) { m_strListName = std::string(name); }

    ui::BOOL OnInitDialog() override;

  private:
    [[nodiscard]] bool Shows(std::string_view kind) const;
    // The tag a new user of this profile's kind gets, for PAP or not.
    [[nodiscard]] std::string TagFor(bool pap) const;
    [[nodiscard]] CValidationListNewUser UserOf(
        const CPointToPointProfileValidationListAddUser& dialog) const;
    void Refresh();
    void Add();
    void AddMultihop();
    void Remove();
    // Saves the users one after the other; false after the failure was shown.
    bool Save(const std::vector<CValidationListNewUser>& users);

    CPointToPointProfilePropertySheet* m_pSheet;
    std::string m_strListName;
    std::vector<CValidationListUser> m_shown;
};

}  // namespace ptp::profiles
