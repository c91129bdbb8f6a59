#pragma once
// The group access policy sheet: creates a policy (empty name) or changes one. A policy is one
// record of the group policies file; the sheet works on the file a caller hands it or loads its
// own, and writes it once, when the user clicks OK. Another client that wrote the file meanwhile
// keeps its work: the sheet says so, reloads the file and keeps the user's values on its pages,
// so a second OK saves them on top of the file as it is now.
#include <memory>
#include <string>
#include <string_view>

#include "config/group_policy_config.h"
#include "platform/ui/property_sheet.h"
#include "policies/point_to_point_profile_group_policy_general_page.h"
#include "policies/point_to_point_profile_group_policy_multilink_page.h"
#include "policies/point_to_point_profile_group_policy_tcpip_settings_page.h"

namespace ptp::policies {

using CGroupPolicyFile = config::CPointToPointProfileGroupPolicyConfigFile;
using CGroupPolicyRecord = config::CPointToPointProfileGroupPolicyConfigData;

class CPointToPointProfileGroupPolicyPropertySheet : public ui::CPropertySheet {
  public:
    // `policyName` empty opens a new policy. `pFile`, when given, is the caller's loaded
    // policies file and stays the caller's; the sheet edits the policy's record in it.
    CPointToPointProfileGroupPolicyPropertySheet(std::string_view systemName,
                                                 std::string_view policyName, bool changeable,
                                                 ui::CWnd* pParent = nullptr,
                                                 CGroupPolicyFile* pFile = nullptr);
    ~CPointToPointProfileGroupPolicyPropertySheet() override;

    ui::BOOL OnInitDialog() override;

    [[nodiscard]] bool IsNewPolicy() const { return m_strPolicyName.empty(); }
    [[nodiscard]] bool IsChangeable() const { return m_bChangeable; }
    [[nodiscard]] const std::string& GetSystemName() const { return m_strSystemName; }
    [[nodiscard]] const std::string& GetPolicyName() const { return m_strPolicyName; }
    // The record the pages load from and store into.
    [[nodiscard]] CGroupPolicyRecord& Record() { return *m_pRecord; }

    // OK, called by the general page: the pages store their values, a new record joins the
    // file, and the file is written. 0 when written, 2 after a message was shown (the sheet
    // stays open on the page at fault).
    int Commit();

  private:
    void LoadFile();
    // Points m_pRecord at the policy's record in the file, or at a record of the sheet's own
    // (a new policy, or one that is no longer in the file).
    void FindRecord();
    [[nodiscard]] bool NameTaken(std::string_view name) const;
    // The file could not be written: say why, and after another writer's change build on it.
    int SaveFailed(int result);

    std::string m_strSystemName;
    std::string m_strPolicyName;
    bool m_bChangeable;

    std::unique_ptr<CGroupPolicyFile> m_pOwnedFile;
    CGroupPolicyFile* m_pFile = nullptr;
    std::unique_ptr<CGroupPolicyRecord> m_pOwnedRecord;
    CGroupPolicyRecord* m_pRecord = nullptr;

    CPointToPointProfileGroupPolicyGeneralPage m_GeneralPage;
    CPointToPointProfileGroupPolicyMultilinkPage m_MultilinkPage;
    CPointToPointProfileGroupPolicyTCPIPSettingsPage m_TCPIPSettingsPage;
};

}  // namespace ptp::policies
