#pragma once
// One modem command entry: its name and its value.
#include <string>

#include "platform/ui/dialog.h"

namespace ptp::modems {

class CPointToPointModemParmsDialog : public ui::CDialog {
  public:
    explicit CPointToPointModemParmsDialog(ui::CWnd* pParent = nullptr);

    void OnOK() override;
    void DoDataExchange(ui::CDataExchange* pDX) override;

    // In and out: the entry shown when the dialog opens and, after OK, as the user left it
    // (trimmed).
    std::string m_strName;
    std::string m_strValue;
};

}  // namespace ptp::modems
