#pragma once
// Sets one of the two service profile identifiers of a basic-rate interface, or clears it.
#include <string>

#include "platform/ui/dialog.h"

namespace ptp::nwi {

class CPointToPointIsdnNwiAddSPIDDialog : public ui::CDialog {
  public:
    explicit CPointToPointIsdnNwiAddSPIDDialog(ui::CWnd* pParent);

    void DoDataExchange(ui::CDataExchange* pDX) override;
    ui::BOOL OnInitDialog() override;

    // 0 for the first identifier, 1 for the second.
    [[nodiscard]] int Index() const { return m_nIndex; }
    // The identifier, "*NONE" when the none box is checked or nothing was typed.
    [[nodiscard]] std::string Spid() const;

  private:
    void UpdateControls();

    int m_nIndex = 0;
    int m_nNone = 0;
    std::string m_strSpid;
};

}  // namespace ptp::nwi
