#pragma once
// The line's link settings: speed, largest frame, NRZI coding, clocking and the message queue
// that hears about the line.
#include <string>
#include <vector>

#include "lines/point_to_point_profile_line_page.h"

namespace ptp::lines {

class CPointToPointProfileLineLinkPage : public CPointToPointProfileLinePage {
  public:
    explicit CPointToPointProfileLineLinkPage(CPointToPointProfileLinePropertySheet* pSheet);

    ui::BOOL OnInitDialog() override;
    ui::BOOL OnSetActive() override;
    void DoDataExchange(ui::CDataExchange* pDX) override;

    [[nodiscard]] bool Validate() override;
    void Collect(CLineCommandValues& values) override;
    void Store() override;

  protected:
    void Load() override;

  private:
    void FillSpeeds();
    void OnQueueChanged();
    void UpdateControls();
    [[nodiscard]] std::vector<std::string> Speeds() const;
    // "*SYSVAL" or "*SYSOPR" for the two list entries (or those texts typed), else empty.
    [[nodiscard]] std::string SpecialQueue() const;
    [[nodiscard]] bool UsesClock() const;
    [[nodiscard]] std::string ClockValue() const;

    std::string m_strLineSpeed = "115200";
    std::string m_strMaxFrame = "2048";
    int m_nNrzi = 0;
    int m_nClock = 0;  // index: modem, loop, invert
    std::string m_strQueue;
    std::string m_strLibrary;
};

}  // namespace ptp::lines
