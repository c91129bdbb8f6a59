#pragma once
// The list data of the group access policies folder: the records of the server's group policy
// file. Only users with configuration authority may read it.
#include <memory>
#include <vector>

#include "config/group_policy_config.h"
#include "frame/group_policy_list_record.h"
#include "frame/point_to_point_list_data.h"

namespace ptp::frame {

class CGroupAccessPoliciesData final : public CPointToPointListData {
  public:
    static HRESULT CreateInstance(REFIID riid, void** ppv);

  protected:
    void FolderOpened() override;
    HRESULT LoadLocked() override;
    fw::ITEMIDLIST* RowItemId(long position) override;
    HRESULT RowText(int column, long position, std::string* text) override;
    host::IServerObject* RowElement(long position) override;
    HRESULT ResetRows() override;

  private:
    CGroupAccessPoliciesData();
    ~CGroupAccessPoliciesData() override = default;

    [[nodiscard]] const config::CPointToPointProfileGroupPolicyConfigData* Record(
        long position) const;

    bool m_bConfigurationAuthority = false;
    bool m_bMessageShown = false;
    std::unique_ptr<config::CPointToPointProfileGroupPolicyConfigFile> m_pPolicyFile;
    std::vector<std::unique_ptr<CGroupPolicyListRecord>> m_records;
};

}  // namespace ptp::frame
