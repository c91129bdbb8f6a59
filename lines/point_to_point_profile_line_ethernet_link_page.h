#pragma once
// The link page of the Ethernet line sheet: the Ethernet standard, the speed, the duplex mode and
// the message queue of the line.
#include <string>

#include "lines/line_page_base.h"

namespace ptp::lines {

class CPointToPointProfileLineEthernetPropertySheet;
struct CEthernetLineValues;

class CPointToPointProfileLineEthernetLinkPage : public CLinePageBase {
  public:
    explicit CPointToPointProfileLineEthernetLinkPage(
        CPointToPointProfileLineEthernetPropertySheet* pSheet);

    ui::BOOL OnInitDialog() override;
    void DoDataExchange(ui::CDataExchange* pDX) override;

    [[nodiscard]] bool Validate() override;
    void Collect(CEthernetLineValues& values) const;
    void Store();

  protected:
    void Load() override;

  private:
    [[nodiscard]] std::string QueueValue() const;

    CPointToPointProfileLineEthernetPropertySheet* m_pSheet;
    int m_nStandard = 0;  // the choices' order: version 2, IEEE 802.3, all
    int m_nSpeed = 3;     // 10M, 100M, 1G, automatic
    int m_nDuplex = 2;    // half, full, automatic
    std::string m_strQueue = "*SYSVAL";
    std::string m_strQueueLibrary;
};

}  // namespace ptp::lines
