#pragma once
// The L2TP line sheet: an L2TP virtual line is one record of the L2TP line file; its tunnel
// authentication lives in validation-list entries. The opener may hand in the file it holds and
// the server list of validation lists.
#include <string>
#include <string_view>

#include "config/l2tp_line_config.h"
#include "host/host_services.h"
#include "lines/point_to_point_profile_line_l2tp_ans_auth_page.h"
#include "lines/point_to_point_profile_line_l2tp_dial_auth_page.h"
#include "lines/point_to_point_profile_line_l2tp_general_page.h"
#include "lines/point_to_point_profile_line_l2tp_lcp_page.h"
#include "lines/point_to_point_profile_line_l2tp_link_page.h"
#include "lines/virtual_line_record.h"
#include "lines/virtual_line_sheet.h"

namespace ptp::lines {

class CPointToPointProfileLineL2TPPropertySheet : public CVirtualLineSheetBase {
  public:
    explicit CPointToPointProfileLineL2TPPropertySheet(std::string_view caption,
                                                       ui::CWnd* pParentWnd = nullptr);

    // The file the opener holds (it stays the opener's); without one the sheet reads its own.
    void SetConfigFile(config::CPointToPointProfileL2TPLineConfigFile* pFile) {
        m_record.SetFile(pFile);
    }
    // The opener's list of validation lists (it stays the opener's), or none.
    void SetValidationListList(host::IServerList* pList) { m_pValidationListList = pList; }

    [[nodiscard]] std::string GetField(VirtualLineField field) const override;
    void SetField(VirtualLineField field, std::string_view value) override;
    [[nodiscard]] bool LineNameExists(std::string_view name) const override;
    [[nodiscard]] UINT KindText() const override;
    [[nodiscard]] config::CPointToPointProfileL2TPLineData& Record() const {
        return m_record.Record();
    }
    [[nodiscard]] host::IServerList* GetValidationListList() const { return m_pValidationListList; }

  protected:
    [[nodiscard]] bool OpenRecord() override;
    [[nodiscard]] std::string Caption() const override;
    [[nodiscard]] bool SaveOutsideFile() override;
    [[nodiscard]] UINT SaveFile() override;

  private:
    CVirtualLineRecord<config::CPointToPointProfileL2TPLineConfigFile,
                       config::CPointToPointProfileL2TPLineData>
        m_record;
    host::IServerList* m_pValidationListList = nullptr;
    bool m_bEntriesWritten = false;
    CPointToPointProfileLineL2TPGeneralPage m_GeneralPage;
    CPointToPointProfileLineL2TPLinkPage m_LinkPage;
    CPointToPointProfileLineL2TPLCPPage m_LCPPage;
    CPointToPointProfileLineL2TPDialAuthPage m_DialAuthPage;
    CPointToPointProfileLineL2TPAnsAuthPage m_AnsAuthPage;
};

}  // namespace ptp::lines
