#pragma once
// How an L2TP line checks the tunnels that call it: whether the remote system must identify
// itself, the host name this side gives, and the validation list that holds the secrets of the
// remote systems (the list is kept in the line's record, the host name in the line's entry of
// that list).
#include <string>

#include "host/host_services.h"
#include "lines/virtual_line_page.h"

namespace ptp::lines {

class CPointToPointProfileLineL2TPPropertySheet;

class CPointToPointProfileLineL2TPAnsAuthPage : public CVirtualLinePage {
  public:
    explicit CPointToPointProfileLineL2TPAnsAuthPage(
        CPointToPointProfileLineL2TPPropertySheet* pSheet);

    ui::BOOL OnInitDialog() override;
    void DoDataExchange(ui::CDataExchange* pDX) override;

    [[nodiscard]] bool Validate() override;
    void Store() override;
    // The list and host name to write, when the remote system must identify itself.
    [[nodiscard]] bool RequiresIdentification() const { return m_nRequire == 1; }
    [[nodiscard]] const std::string& ListName() const { return m_strList; }
    [[nodiscard]] const std::string& HostName() const { return m_strHostName; }

  protected:
    void Load() override;

  private:
    void FillLists();
    void UpdateControls();

    CPointToPointProfileLineL2TPPropertySheet* m_pL2TPSheet;
    int m_nRequire = 0;
    std::string m_strHostName;
    std::string m_strList;
};

}  // namespace ptp::lines
