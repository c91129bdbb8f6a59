#pragma once
// The multilink settings of a profile: how many links a connection may bundle and when links are
// added or dropped as the traffic changes. The Dial connection page creates it when first needed
// and keeps it for the sheet's life; the values reach the profile object when the page stores.
#include <string>
#include <string_view>

#include "platform/ui/dialog.h"
#include "profiles/profile_line_list.h"

namespace ptp::profiles {

class CPointToPointProfilePropertySheet;

class CPointToPointProfileMultilinkDialog : public ui::CDialog {
  public:
    static constexpr int kMostLinks = 6;

    CPointToPointProfileMultilinkDialog(CPointToPointProfilePropertySheet* pSheet,
                                        std::string_view displayName, ui::CWnd* pParent = nullptr);

    ui::BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    void DoDataExchange(ui::CDataExchange* pDX) override;

    // The line chosen on the page, the kind of line and, for a pool, how many lines it has: they
    // decide how many links are possible and the default.
    void SetLine(std::string_view line, LineChoice choice, int poolLineCount);
    // Object to values for the line set last (a new profile keeps the defaults): 0, or 2 after a
    // read failure.
    int Load();
    // Values to object: 0, or 2 when the links no longer fit the line (the page then opens the
    // dialog again, so the user sees the limit).
    int Store();

  private:
    struct Values {
        int nMaxLinks = 1;
        int nShortHeaders = 0;
        int nBandwidth = 0;
        std::string strAddPercentage = "90";
        int nAddPeriod = 15;
        std::string strDropPercentage = "40";
        int nDropPeriod = 15;
        int nDirection = 0;  // radio index: either direction, both directions
    };

    [[nodiscard]] int MostLinks() const;
    [[nodiscard]] int DefaultLinks() const;
    // A line other than the one the values were computed for gets its own default.
    void FitToLine();
    void EnableBandwidth();

    CPointToPointProfilePropertySheet* m_pSheet;
    std::string m_strDisplayName;
    std::string m_strLine;
    LineChoice m_choice = LineChoice::OneLine;
    int m_nPoolLineCount = 0;
    std::string m_strValuesLine;  // the line the values were computed for
    Values m_values;
    Values m_opened;  // as the dialog opened, for Cancel
};

}  // namespace ptp::profiles
