#pragma once
// The list data of the modems folder: the rows are the server's modem list, in list order.
#include <array>
#include <string>
#include <vector>

#include "frame/point_to_point_list_data.h"

namespace ptp::frame {

class CModemsData final : public CPointToPointListData {
  public:
    static HRESULT CreateInstance(REFIID riid, void** ppv);

  protected:
    HRESULT LoadLocked() override;
    fw::ITEMIDLIST* RowItemId(long position) override;
    HRESULT RowText(int column, long position, std::string* text) override;
    host::IServerObject* RowElement(long position) override;
    HRESULT ResetRows() override;

  private:
    // The texts of one row, by column, read once when the list is loaded or refreshed: the
    // console asks for every cell, and the item id needs the name again.
    using Row = std::array<std::string, 7>;  // one text per column of the folder

    CModemsData();
    ~CModemsData() override = default;

    HRESULT ReadRows();
    bool ReadRow(host::IServerObject& element, Row& row, host::SOFError** error) const;

    std::vector<Row> m_rows;
    std::string m_strSystemText;
    std::string m_strUserText;
    std::string m_strAnalogText;
    std::string m_strIsdnText;
};

}  // namespace ptp::frame
