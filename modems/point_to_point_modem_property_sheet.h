#pragma once
// The modem sheet: creates a modem (empty name), copies one (empty name and a model) or changes
// one. It owns the modem object, the server's modem list (for the unique-name check) and the
// modem commands list; its pages read and stage values through it, and OK or Apply commits the
// modem and then the shown parameter page.
#include <memory>
#include <string>
#include <string_view>

#include "host/host_services.h"
#include "modems/point_to_point_modem_general_page.h"
#include "modems/point_to_point_modem_isdn_parms_page.h"
#include "modems/point_to_point_modem_parms_page.h"
#include "platform/ui/property_sheet.h"

namespace ptp::modems {

class CPointToPointModemPropertySheet : public ui::CPropertySheet {
  public:
    // `modemName` empty opens a new modem; `pModel` (the model modem's list record, which stays
    // the opener's) makes it a copy. `changeable` is the user's configuration authority.
    CPointToPointModemPropertySheet(std::string_view systemName, std::string_view modemName,
                                    host::IServerObject* pModel, bool changeable,
                                    ui::CWnd* pParent = nullptr);
    ~CPointToPointModemPropertySheet() override;

    ui::BOOL OnInitDialog() override;

    // What the pages ask.
    [[nodiscard]] bool IsCreateMode() const { return m_strModemName.empty(); }
    [[nodiscard]] bool IsCopyMode() const { return IsCreateMode() && m_pModel != nullptr; }
    [[nodiscard]] bool IsChangeable() const { return m_bChangeable; }
    [[nodiscard]] bool IsSystemModem() const { return m_bSystemModem; }
    [[nodiscard]] const std::string& GetSystemName() const { return m_strSystemName; }
    // The modem's name: the one opened, or the one typed on the general page for a new modem.
    [[nodiscard]] const std::string& GetModemName() const { return m_strModemName; }
    [[nodiscard]] const std::string& GetNewModemName() const { return m_strNewModemName; }
    void SetNewModemName(std::string name) { m_strNewModemName = std::move(name); }
    // The name command entries are listed and written under.
    [[nodiscard]] std::string GetCommandsModemName() const;

    // Attribute `id` of the modem, of the model in copy mode, or empty for a new modem.
    [[nodiscard]] std::string GetSourceAttribute(int id);
    void SetModemAttribute(int id, std::string_view value);
    // Whether a modem named `name` exists on the server (modem names compare without case).
    [[nodiscard]] bool ModemNameExists(std::string_view name) const;

    // The command entries of the modem (or of the model in copy mode); null when the list could
    // not be loaded.
    [[nodiscard]] host::IServerList* GetModemCommandsList() const {
        return m_pSOAModemCommandsList.get();
    }
    [[nodiscard]] std::string GetSourceModemName();

    // The modem kind chosen on the general page swaps the parameter page.
    void ShowParmsPageFor(std::string_view kind);
    [[nodiscard]] CPointToPointModemCommandsPage* GetParmsPage();

    // OK or Apply, called by the general page: 0 when everything reached the server, 2 after a
    // message was shown (the sheet has then ended or stays open as the failure demands).
    int Commit();
    void Discard();

    // Shows IDS_MODEM_INTERNAL_ERROR after an internal failure (traced on the error object when
    // there is one) and ends the sheet with cancel.
    void FailInternally(std::string_view trace);
    // The last internal failure's trace text, empty when there was none.
    [[nodiscard]] const std::string& GetLastTrace() const { return m_strLastTrace; }

  private:
    // Creates the modem object and loads the modem and modem commands lists; false after the
    // failure was shown.
    bool OpenServerObjects();
    void TakeCreatedModem();
    [[nodiscard]] std::string ReadAttribute(host::IServerObject& object, int id);

    std::string m_strSystemName;
    std::string m_strModemName;
    std::string m_strNewModemName;
    host::IServerObject* m_pModel;
    bool m_bChangeable;
    bool m_bSystemModem = false;

    std::unique_ptr<host::IServerObject> m_pModemObject;
    std::unique_ptr<host::IServerList> m_pModemList;
    std::unique_ptr<host::IServerList> m_pSOAModemCommandsList;
    host::SOFError* m_ErrorHandle = nullptr;
    std::string m_strLastTrace;

    CPointToPointModemGeneralPage m_GeneralPage;
    CPointToPointModemParmsPage m_ParmsPage;
    CPointToPointModemISDNParmsPage m_ISDNParmsPage;
};

}  // namespace ptp::modems
