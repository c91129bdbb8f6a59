#pragma once
// One command string of the line's modem: its name and the command itself.
#include <string>

#include "platform/ui/dialog.h"

namespace ptp::lines {

class CPointToPointProfileLineParmsDialog : public ui::CDialog {
  public:
    explicit CPointToPointProfileLineParmsDialog(ui::CWnd* pParent = nullptr);

    void OnOK() override;
    void DoDataExchange(ui::CDataExchange* pDX) override;

    // In and out: the entry shown when the dialog opens and, after OK, as the user left it
    // (trimmed).
    std::string m_strName;
    std::string m_strValue;
};

}  // namespace ptp::lines
