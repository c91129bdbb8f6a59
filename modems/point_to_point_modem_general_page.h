#pragma once
// The modem's own attributes: name, kind and its four command texts.
#include <string>

#include "platform/ui/property_page.h"

namespace ptp::modems {

class CPointToPointModemPropertySheet;

class CPointToPointModemGeneralPage : public ui::CPropertyPage {
  public:
    explicit CPointToPointModemGeneralPage(CPointToPointModemPropertySheet* pSheet);

    ui::BOOL OnInitDialog() override;
    ui::BOOL OnKillActive() override;
    ui::BOOL OnApply() override;
    void OnCancel() override;
    void DoDataExchange(ui::CDataExchange* pDX) override;

    // The kind the page holds: "1" analog, "2" ISDN.
    [[nodiscard]] std::string GetKind() const;
    // Stages attribute 0 (create mode) and 2 to 6 on the modem object; nothing for read-only
    // fields. Loads the values first when the page was never shown.
    void Store();
    // The new modem was created on the server: its name is its identity from now on.
    void ModemCreated();

  private:
    void Load();
    void OnKindChanged();
    // The checks of leaving the page: the control to fix and its message, or 0.
    int FindProblem(UINT& message);
    void ShowProblem(int controlId, UINT message);
    [[nodiscard]] bool FieldsChangeable() const;

    CPointToPointModemPropertySheet* m_pSheet;
    bool m_bLoaded = false;
    std::string m_strName;
    int m_nKind = 0;  // radio index: 0 analog ("1"), 1 ISDN ("2")
    std::string m_strInitCommand;
    std::string m_strResetCommand;
    std::string m_strDialCommand;
    std::string m_strAnswerCommand;
};

}  // namespace ptp::modems
