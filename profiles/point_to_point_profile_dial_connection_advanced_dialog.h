#pragma once
// The redial and time-out settings of a dialling profile, opened from its Dial connection page.
// The page creates it when first needed and keeps it for the sheet's life; the values reach the
// profile object only when the page stores.
#include <string>
#include <string_view>

#include "platform/ui/dialog.h"
#include "profiles/profile_numeric_setting.h"

namespace ptp::profiles {

class CPointToPointProfilePropertySheet;

class CPointToPointProfileDialConnectionAdvancedDialog : public ui::CDialog {
  public:
    CPointToPointProfileDialConnectionAdvancedDialog(CPointToPointProfilePropertySheet* pSheet,
                                                     std::string_view displayName,
                                                     ui::CWnd* pParent = nullptr);

    ui::BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    void DoDataExchange(ui::CDataExchange* pDX) override;

    // Object to values (a new profile keeps the defaults): 0, or 2 after a read failure.
    int Load();
    // Values to object: 0.
    int Store();

  private:
    // The redial switch exists for the plain dial mode of a switched line only.
    [[nodiscard]] bool HasRedialOnDrop() const;
    // Attempts and delay exist in the dialling modes of a switched line, on newer servers.
    [[nodiscard]] bool HasRedialTiming() const;

    struct Values {
        int nRedialOnDrop = 0;
        int nRedialAttempts = 3;
        int nRedialDelay = 15;
        CProfileNumericSetting numericSetting;
    };

    CPointToPointProfilePropertySheet* m_pSheet;
    std::string m_strDisplayName;
    Values m_values;
    Values m_opened;  // as the dialog opened, for Cancel
};

}  // namespace ptp::profiles
