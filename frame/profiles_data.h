#pragma once
// The list data of the two profile folders: the server's profile list read once into rows of
// display texts, the dial-out profiles in the originator folder and the answer profiles (after
// the group access policies entry on servers that have policies) in the receiver folder.
#include <memory>
#include <vector>

#include "frame/point_to_point_list_data.h"
#include "frame/profiles_cache.h"
#include "host/host_services.h"

namespace ptp::frame {

// The first row of a receiver folder names the group access policies folder.
inline constexpr UINT IDS_GROUP_POLICIES_ROW = 5969;

class CProfilesData final : public CPointToPointListData {
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
    CProfilesData() = default;
    ~CProfilesData() override;

    [[nodiscard]] bool IsReceiverFolder() const;
    [[nodiscard]] bool ShowsGroupPoliciesRow() const;
    // The row of an item id, or null.
    [[nodiscard]] const CProfilesCache* RowOf(const fw::ITEMIDLIST* item) const;
    void KeepError(host::SOFError* error);

    bool m_bV5R2 = false;
    bool m_bV5R1 = false;
    std::unique_ptr<host::IServerList> m_pProfileList;
    host::SOFError* m_pError = nullptr;
    std::vector<std::unique_ptr<CProfilesCache>> m_rows;
    long m_nRowCount = 0;
};

}  // namespace ptp::frame
