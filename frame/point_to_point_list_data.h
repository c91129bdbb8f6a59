#pragma once
// What the three list data classes share: a component object that counts itself in the module,
// the folder-data lock, and the facts every folder takes from the console's item-id list (the
// server the folder belongs to and the folder's own type code).
#include <atomic>
#include <optional>
#include <string>
#include <string_view>

#include "host/host_services.h"
#include "platform/framework/folder_data_base.h"
#include "platform/framework/item_id_holder.h"

namespace ptp::frame {

// Message shown when the console asks for a row that is no longer there.
inline constexpr UINT IDS_ROW_NOT_FOUND = 29079;

class CPointToPointListData : public fw::CFolderData {
  public:
    CPointToPointListData(const CPointToPointListData&) = delete;
    CPointToPointListData& operator=(const CPointToPointListData&) = delete;

    HRESULT QueryInterface(REFIID riid, void** ppv) override;
    ULONG AddRef() override;
    ULONG Release() override;

    [[nodiscard]] const std::string& ServerName() const { return m_strServerName; }
    [[nodiscard]] const std::string& FolderType() const { return m_strFolderType; }

  protected:
    CPointToPointListData();
    virtual ~CPointToPointListData();

    // Hands a new object of the derived class to the console as `riid`.
    static HRESULT Deliver(CPointToPointListData* created, REFIID riid, void** ppv);

    // Keeps the console's list from the server element ("\\" QZY 0) on and takes the server name
    // (upper-cased) from the system element after it, and the folder type from the last element.
    // False when the list has no server element.
    bool TakeFolder(const fw::ITEMIDLIST* folder);
    // The row position an item id of this folder names.
    [[nodiscard]] static std::optional<long> ItemPosition(const fw::ITEMIDLIST* item);
    // Traces an internal failure and tells the user that the row is gone.
    static void ReportMissingRow(std::string_view trace);
    // Waits until `list` reaches one of its end states and gives the count result for it; a
    // failure of the wait is left in `*error`.
    static HRESULT WaitForList(host::IServerList& list, host::SOFError** error);
    // The server release text, empty when the server does not tell.
    [[nodiscard]] std::string ReadServerRelease() const;

  private:
    std::atomic<ULONG> m_dwRef{1};
    fw::CItemIdListHolder m_folderItemId;
    std::string m_strServerName;
    std::string m_strFolderType;
};

}  // namespace ptp::frame
