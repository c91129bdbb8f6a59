#pragma once
// The general page of the digital line sheet: the line's name, description and whether it is
// varied on when the system starts; the connection type follows the profile. Its OK commits the
// sheet.
#include <string>

#include "lines/digital_line_page.h"

namespace ptp::lines {

class CPointToPointProfileLineDigitalGeneralPage : public CDigitalLinePage {
  public:
    explicit CPointToPointProfileLineDigitalGeneralPage(
        CPointToPointProfileLineDigitalPropertySheet* pSheet);

    ui::BOOL OnInitDialog() override;
    void DoDataExchange(ui::CDataExchange* pDX) override;
    ui::BOOL OnApply() override;

    [[nodiscard]] bool Validate() override;
    void Collect(CDigitalLineValues& values) override;
    void Store() override;
    [[nodiscard]] const std::string& GetLineName() const { return m_strName; }

  protected:
    void Load() override;

  private:
    std::string m_strName;
    std::string m_strDescription;
    int m_nOnline = 0;
};

}  // namespace ptp::lines
