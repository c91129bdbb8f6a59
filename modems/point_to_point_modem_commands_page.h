#pragma once
// What the two parameter pages share: the modem's command entries in a list, added, changed and
// removed through the entry dialog, and kept on a save list and a delete list until the sheet
// commits. The analog and the ISDN page differ only in their template.
#include <memory>
#include <string>
#include <vector>

#include "host/host_services.h"
#include "modems/modem_command_list.h"
#include "modems/modem_commands_delete_list.h"
#include "modems/modem_commands_save_obj.h"
#include "modems/point_to_point_modem_parms_dialog.h"
#include "platform/ui/property_page.h"

namespace ptp::modems {

class CPointToPointModemPropertySheet;

class CPointToPointModemCommandsPage : public ui::CPropertyPage {
  public:
    CPointToPointModemCommandsPage(UINT nIDTemplate, CPointToPointModemPropertySheet* pSheet);
    ~CPointToPointModemCommandsPage() override;

    ui::BOOL OnInitDialog() override;

    // Deletes the removed entries and writes the added and changed ones for modem `modemName`:
    // 0 when all reached the server, 2 after a message was shown.
    int CommitEntries(const std::string& modemName);
    // Reads the entries back from the server after a commit, which numbered the new ones, so
    // that what the user does after Apply works on the server's entries.
    void ReloadEntries();
    // The twin page takes over this page's entries and pending changes (the modem kind changed).
    void TakeEntriesFrom(CPointToPointModemCommandsPage& other);

    [[nodiscard]] int GetEntryCount() const { return static_cast<int>(m_rows.size()); }

  private:
    struct Row {
        std::string name;
        std::string value;
        host::IServerObject* pElement = nullptr;  // the entry on the server; null when new
        CModemCommandsSaveObj* pSave = nullptr;   // its pending write, if any
    };

    // Reads the entries once, from the modem (or the model in copy mode); false after the sheet
    // was ended because the list is missing.
    bool LoadEntries();
    void FillList();
    void UpdateButtons();
    void OnAdd();
    void OnChange();
    void OnDelete();
    [[nodiscard]] int SelectedRow();
    CPointToPointModemParmsDialog& ParmsDialog();
    void RemoveSave(CModemCommandsSaveObj* pSave);
    // The modem command object `name`; null after the error was shown and the sheet ended.
    [[nodiscard]] std::unique_ptr<host::IServerObject> CommandObject(const std::string& name);
    void ClearPending();

    CPointToPointModemPropertySheet* m_pSheet;
    CModemCommandList m_list;
    bool m_bEntriesLoaded = false;
    std::vector<Row> m_rows;
    std::vector<std::unique_ptr<CModemCommandsSaveObj>> m_SaveList;
    std::vector<std::unique_ptr<CModemCommandsDeleteList>> m_DeleteList;
    std::unique_ptr<CPointToPointModemParmsDialog> m_pParmsDialog;
};

}  // namespace ptp::modems
