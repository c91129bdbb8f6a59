#pragma once
// The PPPoE line sheet: a PPPoE virtual line is one record of the PPPoE line file, which names
// the Ethernet line that carries it. The opener may hand in the file it holds, so that it sees
// the new record at once.
#include <string>
#include <string_view>

#include "config/pppoe_line_config.h"
#include "lines/point_to_point_profile_line_pppoe_general_page.h"
#include "lines/point_to_point_profile_line_pppoe_lcp_page.h"
#include "lines/point_to_point_profile_line_pppoe_link_page.h"
#include "lines/virtual_line_record.h"
#include "lines/virtual_line_sheet.h"

namespace ptp::lines {

class CPointToPointProfileLinePPPoEPropertySheet : public CVirtualLineSheetBase {
  public:
    explicit CPointToPointProfileLinePPPoEPropertySheet(std::string_view caption,
                                                        ui::CWnd* pParentWnd = nullptr);

    // The file the opener holds (it stays the opener's); without one the sheet reads its own.
    void SetConfigFile(config::CPointToPointProfilePPPoELineConfigFile* pFile) {
        m_record.SetFile(pFile);
    }

    [[nodiscard]] std::string GetField(VirtualLineField field) const override;
    void SetField(VirtualLineField field, std::string_view value) override;
    [[nodiscard]] bool LineNameExists(std::string_view name) const override;
    [[nodiscard]] UINT KindText() const override;
    [[nodiscard]] const std::string& GetEthernetLine() const {
        return m_record.Record().GetPhysicalLineName();
    }
    void SetEthernetLine(std::string_view line) { m_record.Record().SetPhysicalLineName(line); }

  protected:
    [[nodiscard]] bool OpenRecord() override;
    [[nodiscard]] std::string Caption() const override;
    [[nodiscard]] UINT SaveFile() override;

  private:
    CVirtualLineRecord<config::CPointToPointProfilePPPoELineConfigFile,
                       config::CPointToPointProfilePPPoELineData>
        m_record;
    CPointToPointProfileLinePPPoEGeneralPage m_GeneralPage;
    CPointToPointProfileLinePPPoELinkPage m_LinkPage;
    CPointToPointProfileLinePPPoELCPPage m_LCPPage;
};

}  // namespace ptp::lines
