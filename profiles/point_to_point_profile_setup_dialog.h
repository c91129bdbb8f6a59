#pragma once
// CPointToPointProfileSetupDialog: asked before the property sheet of a new profile, it lets the
// user choose the protocol, the line service, the mode and the kind of line, and hands the four
// numbers back to the New command.
#include <string>
#include <vector>

#include "platform/ui/dialog.h"

namespace ptp::profiles {

class CPointToPointProfileSetupDialog : public ui::CDialog {
  public:
    // The out-parameters are written on OK only.
    CPointToPointProfileSetupDialog(ui::CWnd* pParentWnd, std::string strSystemName, bool bReceiver,
                                    bool bAllowDialOnDemandPool, bool bAllowExtraL2TPModes,
                                    bool bRelease050200, int* pProtocol, int* pLineService,
                                    int* pMode, int* pLineKind);

    ui::BOOL OnInitDialog() override;
    void OnOK() override;

  private:
    enum LineChoice { OneLine = 0, LinePool = 1 };

    void OnProtocolSlip();
    void OnProtocolPpp();
    void OnLineService();
    void OnModeChanged();
    void OnLineChanged();

    struct ModeEntry {
        int nMode;
        UINT nTextId;
    };

    [[nodiscard]] bool IsSlip() const;
    [[nodiscard]] int SelectedLineService() const;
    [[nodiscard]] int SelectedMode();
    [[nodiscard]] bool PoolSelected();
    [[nodiscard]] int ChosenLineKind();
    [[nodiscard]] std::vector<ModeEntry> ModesFor(int nLineServiceButton);
    void FillModes();
    void FillLineChoices(bool bOneLine, bool bPool);
    // One line, and the line pool where the line service offers it.
    void ResetLineChoices();
    void EnableVirtualServices(bool bEnable);

    std::string m_strSystemName;
    bool m_bReceiver;
    bool m_bAllowDialOnDemandPool;
    bool m_bAllowExtraL2TPModes;
    bool m_bRelease050200;
    int* m_pProtocol;
    int* m_pLineService;
    int* m_pMode;
    int* m_pLineKind;
    int m_nPoolLineKind = 2;
    int m_nLastMode = 0;
};

}  // namespace ptp::profiles
