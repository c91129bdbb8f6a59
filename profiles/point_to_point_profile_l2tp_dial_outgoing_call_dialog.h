#pragma once
// The outgoing call an L2TP initiator in mode 1 or 3 places before its tunnel comes up: the two
// numbers it dials, and whether the call is a digital one. The dialog belongs to the initiator
// page, lives as long as the sheet and stores its values when the sheet commits.
#include <array>
#include <string>
#include <string_view>

#include "platform/ui/dialog.h"

namespace ptp::profiles {

class CPointToPointProfilePropertySheet;

class CPointToPointProfileL2TPDialOutgoingCallDialog : public ui::CDialog {
  public:
    CPointToPointProfileL2TPDialOutgoingCallDialog(ui::CWnd* pParent,
                                                   CPointToPointProfilePropertySheet* pSheet);

    ui::BOOL OnInitDialog() override;
    void DoDataExchange(ui::CDataExchange* pDX) override;
    void OnOK() override;

    // Reads the numbers and the call's settings of an existing profile; 0, or 1 after a read
    // failure was shown.
    int Load();
    // Writes the numbers ("*NONE" for a second number not given) and the digital-call switch.
    void Store() const;

    [[nodiscard]] const std::string& FirstNumber() const { return m_numbers[0]; }
    [[nodiscard]] const std::string& SecondNumber() const { return m_numbers[1]; }

  private:
    CPointToPointProfilePropertySheet* m_pSheet;
    std::array<std::string, 2> m_numbers;
    int m_nDigital = 0;
    std::string m_strPool;
    std::string m_strSubaddress;
};

}  // namespace ptp::profiles
