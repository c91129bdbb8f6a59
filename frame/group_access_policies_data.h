#pragma once
// The list data of the group access policies folder: the records of the server's group policy
// file. Only users with configuration authority may read it.
#include <memory>
#include <vector>

#include "config/group_policy_config.h"
#include "frame/group_policy_list_record.h"
#include "frame/point_to_point_list_data.h"

namespace ptp::frame {

// Shown when the user lacks configuration authority.
inline constexpr UINT IDS_NO_CONFIGURATION_AUTHORITY = 28177;

class CGroupAccessPoliciesData final : public CPointToPointListData {
  public:
    static HRESULT CreateInstance(REFIID riid, void** ppv);

    HRESULT OpenFolder(const fw::ITEMIDLIST* folder) override;
    HRESULT GetCount(long* count) override;
    fw::ITEMIDLIST* ItemAt(long position) override;
    HRESULT GetColumns(std::vector<fw::FolderColumn>* columns) override;
    HRESULT GetColumnText(int column, const fw::ITEMIDLIST* item, std::string* text) override;
    HRESULT Reset() override;
    host::IServerObject* GetListObject(const fw::ITEMIDLIST* item) override;

  protected:
    HRESULT LoadLocked() override;

  private:
    CGroupAccessPoliciesData() = default;
    ~CGroupAccessPoliciesData() override = default;

    [[nodiscard]] const config::CPointToPointProfileGroupPolicyConfigData* Record(
        const fw::ITEMIDLIST* item) const;

    bool m_bConfigurationAuthority = false;
    bool m_bMessageShown = false;
    std::unique_ptr<config::CPointToPointProfileGroupPolicyConfigFile> m_pPolicyFile;
    std::vector<std::unique_ptr<CGroupPolicyListRecord>> m_records;
    long m_nRowCount = 0;
};

}  // namespace ptp::frame
