#pragma once
// The network interface page of the digital line sheet: a leased line's interface, channel and
// information transfer type, or a switched line's list of interfaces (each with its channel or
// the system's choice) and how it picks one; and the switch type the line's connection lists are
// made for.
#include <string>
#include <utility>
#include <vector>

#include "lines/digital_line_page.h"

namespace ptp::lines {

class CPointToPointProfileLineNwiPage : public CDigitalLinePage {
  public:
    explicit CPointToPointProfileLineNwiPage(CPointToPointProfileLineDigitalPropertySheet* pSheet);

    // The system's network interfaces of the line's kind; false after the failure was shown.
    bool LoadServerData();

    ui::BOOL OnInitDialog() override;
    void DoDataExchange(ui::CDataExchange* pDX) override;
    ui::BOOL OnKillActive() override;

    [[nodiscard]] bool Validate() override;
    void Collect(CDigitalLineValues& values) override;
    void Store() override;
    // "*ATT", "*ETSI", "*JAPAN", "*NORTEL" or "*NISDN" by the chosen switch type ("*ATT" for
    // none).
    [[nodiscard]] std::string NetworkType() const;

  protected:
    void Load() override;

  private:
    struct Entry {
        std::string strInterface;
        std::string strChannel;  // a number or "*CALC"
    };
    void UpdateControls();
    void EntriesToList();
    void EntriesFromList();
    void OnAdd();
    void OnRemove();
    void OnOpenInterface(bool isNew);
    void FillInterfaces();
    [[nodiscard]] std::string SwitchedInterfacesValue() const;
    [[nodiscard]] std::string TransferTypeValue() const;
    void SwitchTypeOf(const std::string& interface);

    std::vector<std::pair<std::string, std::string>> m_interfaces;  // name, network type
    std::string m_strInterface;
    std::string m_strChannel = "1";
    int m_nTransferType = 0;
    int m_nNone = 0;
    std::vector<Entry> m_entries;
    int m_nSelection = 0;    // first, calculated
    int m_nSwitchType = -1;  // AT&T, ETSI, Japan, Nortel, NISDN
};

}  // namespace ptp::lines
