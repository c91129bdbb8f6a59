#pragma once
// The local-number page of the network interface sheet: the numbers of this end (or those of the
// connection list), their type, numbering plan and presentation, and the characters the network
// removes from called numbers.
#include <string>

#include "nwi/nwi_page.h"

namespace ptp::nwi {

class CPointToPointIsdnNwiLocalNumberPage : public CNwiPage {
  public:
    explicit CPointToPointIsdnNwiLocalNumberPage(CPointToPointIsdnNwiPropertySheet* pSheet);

    ui::BOOL OnInitDialog() override;
    void DoDataExchange(ui::CDataExchange* pDX) override;

    [[nodiscard]] bool Validate() override;
    void Collect(CNwiCommandValues& values) override;
    // The first local number as the connection-list commands take it: trimmed, apostrophes
    // doubled, in apostrophes.
    [[nodiscard]] std::string FirstNumberValue() const;

  protected:
    void Load() override;

  private:
    void UpdateControls();
    [[nodiscard]] std::string RemoveCharactersValue() const;

    int m_nFromList = 1;
    std::string m_strNumber1;
    std::string m_strNumber2;
    int m_nType = 0;
    int m_nPlan = 0;
    int m_nPresentation = 0;
    int m_nRemove = 0;  // network type, none, these characters
    std::string m_strCharacters;
};

}  // namespace ptp::nwi
