#pragma once
// What the three list data classes share: a component object that counts itself in the module,
// the folder-data lock, the facts every folder takes from the console's item-id list (the server
// the folder belongs to and the folder's own type code), its columns, the server list its rows
// come from with the error that list last reported, and the console's calls with the module
// state, argument checks and row lock each needs. A folder adds only how it names, shows and
// finds its rows.
#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "frame/folder_columns.h"
#include "host/host_services.h"
#include "platform/framework/folder_data_base.h"
#include "platform/framework/item_id_holder.h"

namespace ptp::frame {

// How a folder differs in what the base does for it.
struct CFolderKind {
    // The console's column definitions used when it has them, and the folder's own table.
    std::string_view columnsType;
    std::span<const CFolderColumnEntry> columns;
    // With the console's definitions the first columns still take the folder's own headings.
    bool ownHeadings = false;
    // The kind of server list the rows come from; empty when they come from elsewhere.
    std::string_view listKind;
};

class CPointToPointListData : public fw::CFolderData {
  public:
    CPointToPointListData(const CPointToPointListData&) = delete;
    CPointToPointListData& operator=(const CPointToPointListData&) = delete;

    HRESULT QueryInterface(REFIID riid, void** ppv) override;
    ULONG AddRef() override;
    ULONG Release() override;

    HRESULT OpenFolder(const fw::ITEMIDLIST* folder) final;
    // The row count; rows that come from a server list wait for it to reach an end state first.
    HRESULT GetCount(long* count) final;
    fw::ITEMIDLIST* ItemAt(long position) final;
    HRESULT GetColumns(std::vector<fw::FolderColumn>* columns) final;
    HRESULT GetColumnText(int column, const fw::ITEMIDLIST* item, std::string* text) final;
    HRESULT Reset() final;
    // A missing element is traced and the user is told.
    host::IServerObject* GetListObject(const fw::ITEMIDLIST* item) final;

    [[nodiscard]] const std::string& ServerName() const { return m_strServerName; }
    [[nodiscard]] const std::string& FolderType() const { return m_strFolderType; }

  protected:
    explicit CPointToPointListData(const CFolderKind& kind);
    virtual ~CPointToPointListData();

    // Hands a new object of the derived class to the console as `riid`.
    static HRESULT Deliver(CPointToPointListData* created, REFIID riid, void** ppv);

    // The folder's part, each called under the module's state and, but for FolderOpened, under
    // the row lock. FolderOpened runs once the server and folder type are known and before the
    // server list is created.
    virtual void FolderOpened() {}
    virtual fw::ITEMIDLIST* RowItemId(long position) = 0;
    virtual HRESULT RowText(int column, long position, std::string* text) = 0;
    virtual host::IServerObject* RowElement(long position) = 0;
    virtual HRESULT ResetRows() = 0;

    // The server list of the rows (null until the folder opens or when its creation failed).
    [[nodiscard]] host::IServerList* List() const { return m_pList.get(); }
    [[nodiscard]] bool HasError() const { return m_pError != nullptr; }
    // Keeps `error` as the pending error, dropping an earlier one; null keeps what is there.
    void KeepError(host::SOFError* error);
    // True when the list is open or has been read (states 1 and 2, or the end state that waiting
    // for it reached: 50 or 51).
    [[nodiscard]] bool ListIsOpen(host::SOFError** error) const;
    // Element `position` of the list, or null.
    [[nodiscard]] host::IServerObject* ListElement(long position) const;
    // The server release text, empty when the server does not tell.
    [[nodiscard]] std::string ReadServerRelease() const;
    // Traces an internal failure and tells the user that the row is gone.
    static void ReportMissingRow(std::string_view trace);

    long m_nRowCount = 0;

  private:
    // Keeps the console's list from the server element ("\\" QZY 0) on and takes the server name
    // (upper-cased) from the system element after it, and the folder type from the last element.
    // False when the list has no server element.
    bool TakeFolder(const fw::ITEMIDLIST* folder);
    // The row position an item id of this folder names. Called with the rows locked.
    [[nodiscard]] std::optional<long> ItemPosition(const fw::ITEMIDLIST* item);

    const CFolderKind m_kind;
    std::atomic<ULONG> m_dwRef{1};
    fw::CItemIdListHolder m_folderItemId;
    std::string m_strServerName;
    std::string m_strFolderType;
    std::unique_ptr<host::IServerList> m_pList;
    host::SOFError* m_pError = nullptr;
    // The bytes of the item last asked about and its position: the console asks for every
    // column of a row with the same item, so its position is read once per row.
    std::vector<std::uint8_t> m_lastItem;
    long m_nLastPosition = -1;  // -1: the item names no row
};

}  // namespace ptp::frame
