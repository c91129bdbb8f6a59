#pragma once
// The list data of the two profile folders: the server's profile list read once into rows of
// display texts, the dial-out profiles in the originator folder and the answer profiles (after
// the group access policies entry on servers that have policies) in the receiver folder.
#include <memory>
#include <vector>

#include "frame/point_to_point_list_data.h"
#include "frame/profiles_cache.h"

namespace ptp::frame {

class CProfilesData final : public CPointToPointListData {
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
    CProfilesData();
    ~CProfilesData() override = default;

    [[nodiscard]] bool IsReceiverFolder() const;
    [[nodiscard]] bool ShowsGroupPoliciesRow() const;
    // The row at `position`, or null.
    [[nodiscard]] const CProfilesCache* Row(long position) const;

    bool m_bV5R2 = false;
    bool m_bV5R1 = false;
    std::vector<std::unique_ptr<CProfilesCache>> m_rows;
};

}  // namespace ptp::frame
