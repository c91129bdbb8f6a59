#pragma once
// The general page of a virtual line: its name (fixed once the line exists, or when the opener
// proposed one) and its description. Its OK commits the sheet.
#include <string>

#include "lines/virtual_line_page.h"

namespace ptp::lines {

class CVirtualLineGeneralPage : public CVirtualLinePage {
  public:
    explicit CVirtualLineGeneralPage(CVirtualLineSheetBase* pSheet);

    ui::BOOL OnInitDialog() override;
    void DoDataExchange(ui::CDataExchange* pDX) override;
    ui::BOOL OnApply() override;

    [[nodiscard]] bool Validate() override;
    void Store() override;

  protected:
    void Load() override;

  private:
    std::string m_strName;
    std::string m_strDescription;
};

}  // namespace ptp::lines
