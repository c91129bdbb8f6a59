#pragma once
// The list data of the modems folder: the rows are the server's modem list, in list order.
#include <memory>

#include "frame/point_to_point_list_data.h"
#include "host/host_services.h"

namespace ptp::frame {

class CModemsData final : public CPointToPointListData {
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
    CModemsData() = default;
    ~CModemsData() override;

    // Element `position` of the modem list, or null.
    [[nodiscard]] host::IServerObject* Element(long position) const;

    std::unique_ptr<host::IServerList> m_pModemList;
    host::SOFError* m_pError = nullptr;
    long m_nRowCount = 0;
};

}  // namespace ptp::frame
