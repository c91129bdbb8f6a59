#pragma once
// The remote access services sheet: the server-wide RADIUS and DHCP WAN client settings. They
// live in two keyed files, the one record of ras.cfg and the DHCP server list of
// dhcpwanclient.cfg; OK writes the list first, then the record. Another client that wrote either
// file meanwhile keeps its work: the sheet says so, reloads both and keeps the user's values on
// its pages, so a second OK saves them on top of the files as they are now.
#include <memory>
#include <string>
#include <string_view>

#include "config/ras_config.h"
#include "config/ras_dhcp_config.h"
#include "platform/ui/property_sheet.h"
#include "ras/point_to_point_ras_dhcp_page.h"
#include "ras/point_to_point_ras_general_page.h"

namespace ptp::ras {

class CPointToPointRASPropertySheet : public ui::CPropertySheet {
  public:
    CPointToPointRASPropertySheet(std::string_view systemName, ui::CWnd* pParent = nullptr);
    ~CPointToPointRASPropertySheet() override;

    [[nodiscard]] const std::string& GetSystemName() const { return m_strSystemName; }
    // The record the pages load from and store into.
    [[nodiscard]] config::CPointToPointRASConfigData& Record() { return *m_pRecord; }
    [[nodiscard]] config::CPointToPointRASDHCPConfigFile& DHCPFile() { return m_DHCPFile; }

    // OK, called by the general page: 0 when both files were written, 2 after a message was
    // shown (the sheet stays open).
    int Commit();

  private:
    // Points m_pRecord at the file's first record, or at a new record of the sheet's own.
    void TakeRecord();
    int SaveFailed(int result);

    std::string m_strSystemName;
    config::CPointToPointRASConfigFile m_File;
    config::CPointToPointRASDHCPConfigFile m_DHCPFile;
    std::unique_ptr<config::CPointToPointRASConfigData> m_pOwnedRecord;
    config::CPointToPointRASConfigData* m_pRecord = nullptr;

    CPointToPointRASGeneralPage m_GeneralPage;
    CPointToPointRASDHCPPage m_DHCPPage;
};

}  // namespace ptp::ras
