#pragma once
// The link page of the digital line sheet: line speed, largest frame and message queue.
#include <string>

#include "lines/digital_line_page.h"

namespace ptp::lines {

class CPointToPointProfileLineDigitalLinkPage : public CDigitalLinePage {
  public:
    explicit CPointToPointProfileLineDigitalLinkPage(
        CPointToPointProfileLineDigitalPropertySheet* pSheet);

    ui::BOOL OnInitDialog() override;
    void DoDataExchange(ui::CDataExchange* pDX) override;

    [[nodiscard]] bool Validate() override;
    void Collect(CDigitalLineValues& values) override;
    void Store() override;

  protected:
    void Load() override;

  private:
    std::string m_strSpeed = "115200";
    std::string m_strMaxFrame = "2048";
    std::string m_strQueue = "*SYSVAL";
    std::string m_strQueueLibrary;
};

}  // namespace ptp::lines
