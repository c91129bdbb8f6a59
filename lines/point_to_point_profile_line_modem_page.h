#pragma once
// The modem the line talks to. The sheet proposes one when it opens; after the line exists the
// page writes the line-to-modem association the server keeps for it.
#include <string>

#include "lines/point_to_point_profile_line_page.h"

namespace ptp::lines {

class CPointToPointProfileLineModemPage : public CPointToPointProfileLinePage {
  public:
    explicit CPointToPointProfileLineModemPage(CPointToPointProfileLinePropertySheet* pSheet);

    ui::BOOL OnInitDialog() override;
    ui::BOOL OnSetActive() override;
    void DoDataExchange(ui::CDataExchange* pDX) override;

    [[nodiscard]] bool Validate() override;
    void Collect(CLineCommandValues&) override {}
    void Store() override {}

    // Writes the association of line `lineName` with the sheet's modem; false after the server's
    // error was shown. A page never shown takes its number first.
    bool Commit(const std::string& lineName);
    // Whether the user picked a modem here, so that the sheet stops proposing one.
    [[nodiscard]] bool WasChosen() const { return m_bChosen; }

  protected:
    void Load() override;

  private:
    void FillModems();
    void OnModemChanged();

    std::string m_strNumber = "1";
    bool m_bChosen = false;
};

}  // namespace ptp::lines
