#pragma once
// What the two optional pages of the line sheet share: the command strings of the line's modem,
// listed, added, changed and removed through the entry dialog, and written when the sheet
// commits, numbered from 1 in list order. The analog and the ISDN page differ in their template.
#include <memory>
#include <string>
#include <vector>

#include "host/host_services.h"
#include "lines/point_to_point_profile_line_page.h"
#include "lines/point_to_point_profile_line_parms_dialog.h"
#include "modems/modem_command_list.h"

namespace ptp::lines {

class CPointToPointProfileLineModemCommandsPage : public CPointToPointProfileLinePage {
  public:
    CPointToPointProfileLineModemCommandsPage(UINT nIDTemplate,
                                              CPointToPointProfileLinePropertySheet* pSheet);
    ~CPointToPointProfileLineModemCommandsPage() override;

    // The modem whose commands the page shows; a new modem drops what the page held.
    void SetModemName(const std::string& modemName);
    [[nodiscard]] const std::string& GetModemName() const { return m_strModemName; }

    ui::BOOL OnInitDialog() override;
    ui::BOOL OnSetActive() override;

    void Collect(CLineCommandValues&) override {}
    void Store() override {}
    // Writes the commands to the server; false after a message.
    bool Commit();

    [[nodiscard]] int GetEntryCount() const { return static_cast<int>(m_rows.size()); }

  protected:
    void Load() override {}

  private:
    struct Row {
        std::string strName;
        std::string strValue;
        long nNumber = 0;  // the command's number on the server; 0 for a new one
    };

    // Reads the modem's commands once; false after the sheet was ended.
    bool LoadEntries();
    void FillList();
    void UpdateButtons();
    void OnAdd();
    void OnChange();
    void OnDelete();
    [[nodiscard]] int SelectedRow();
    CPointToPointProfileLineParmsDialog& ParmsDialog();
    [[nodiscard]] std::unique_ptr<host::IServerObject> CommandObject(long number);
    // Deletes the modem's command `number`; false after the server's error was shown.
    bool DeleteCommand(long number);

    modems::CModemCommandList m_list;
    std::string m_strModemName;
    bool m_bEntriesLoaded = false;
    std::vector<Row> m_rows;
    std::vector<long> m_deleted;        // numbers of removed commands the server still has
    std::vector<long> m_serverNumbers;  // the numbers the server holds for the modem
    std::unique_ptr<CPointToPointProfileLineParmsDialog> m_pParmsDialog;
};

}  // namespace ptp::lines
