#pragma once
// The line sheet: creates a PPP line on a communication port (new mode, or new from a model
// line) with one create command, or shows and changes an existing line through its server
// object. Its opener is a profile's connection page (or whatever else needs a line): it sets the
// names, the profile kind, the flags and any server lists it already holds, then calls DoModal
// and reads WasLineCreated afterwards.
#include <memory>
#include <string>
#include <string_view>

#include "host/host_services.h"
#include "lines/line_profile_kind.h"
#include "lines/point_to_point_profile_line_connection_page.h"
#include "lines/point_to_point_profile_line_general_page.h"
#include "lines/point_to_point_profile_line_isdn_parms_page.h"
#include "lines/point_to_point_profile_line_lcp_page.h"
#include "lines/point_to_point_profile_line_link_page.h"
#include "lines/point_to_point_profile_line_modem_page.h"
#include "lines/point_to_point_profile_line_parms_page.h"
#include "lines/point_to_point_profile_line_security_page.h"
#include "platform/ui/property_sheet.h"

namespace ptp::lines {

class CPointToPointProfileLinePropertySheet : public ui::CPropertySheet {
  public:
    enum class Mode { New, NewFromModel, Properties };

    explicit CPointToPointProfileLinePropertySheet(std::string_view caption,
                                                   ui::CWnd* pParentWnd = nullptr);
    ~CPointToPointProfileLinePropertySheet() override;

    // Set by the opener before DoModal.
    void SetProposedLineName(std::string_view name) { m_strProposedLineName = name; }
    void SetSystemName(std::string_view name) { m_strSystemName = name; }
    void SetExistingLineName(std::string_view name) { m_strExistingLineName = name; }
    // Another line's object (it stays the opener's) whose values a new line starts with.
    void SetModelLine(host::IServerObject* pModel) { m_pModelLine = pModel; }
    void SetParentProfile(const CLineProfileKind& kind) { m_profile = kind; }
    void SetCapabilityA(bool on) { m_bCapabilityA = on; }
    void SetCapabilityB(bool on) { m_bCapabilityB = on; }
    void SetCapabilityC(bool on) { m_bCapabilityC = on; }
    void SetRelease050200(bool on) { m_bRelease050200 = on; }
    void SetChangesAllowed(bool on) { m_bChangesAllowed = on; }
    // Lists the opener already holds (they stay the opener's); the sheet creates the others.
    void SetLineList(host::IServerList* pList) { m_pLineList = pList; }
    void SetModemList(host::IServerList* pList) { m_pModemList = pList; }
    void SetLineAssociationList(host::IServerList* pList) { m_pAssociationList = pList; }
    void SetModemCommandList(host::IServerList* pList) { m_pModemCommandList = pList; }

    // Opens the server objects and lists, then shows the sheet; IDCANCEL without showing it when
    // they cannot be read.
    ui::INT_PTR DoModal() override;
    ui::BOOL OnInitDialog() override;

    // Read by the opener afterwards: a line was created, so its line list is stale.
    [[nodiscard]] bool WasLineCreated() const { return m_bCreated; }

    // What the pages ask.
    [[nodiscard]] Mode GetMode() const;
    [[nodiscard]] bool IsNewMode() const { return GetMode() != Mode::Properties; }
    [[nodiscard]] const CLineProfileKind& GetParentProfile() const { return m_profile; }
    [[nodiscard]] bool GetCapabilityA() const { return m_bCapabilityA; }
    [[nodiscard]] bool GetCapabilityB() const { return m_bCapabilityB; }
    [[nodiscard]] bool GetCapabilityC() const { return m_bCapabilityC; }
    [[nodiscard]] bool IsRelease050200() const { return m_bRelease050200; }
    [[nodiscard]] bool ChangesAllowed() const { return m_bChangesAllowed; }
    [[nodiscard]] const std::string& GetSystemName() const { return m_strSystemName; }
    [[nodiscard]] const std::string& GetProposedLineName() const { return m_strProposedLineName; }
    [[nodiscard]] const std::string& GetExistingLineName() const { return m_strExistingLineName; }
    [[nodiscard]] const std::string& GetModemName() const { return m_strModemName; }
    // The user chose another modem on the modem page: the optional page follows it.
    void ModemChosen(std::string_view name);
    [[nodiscard]] host::IServerList* GetModemList() const { return m_pModemList; }
    [[nodiscard]] host::IServerList* GetModemCommandList() const { return m_pModemCommandList; }
    // The modem-parameter or ISDN-parameter page the sheet shows, or null.
    [[nodiscard]] CPointToPointProfileLineModemCommandsPage* GetOptionalPage() const {
        return m_pOptionalPage;
    }
    // The line's settings the general page holds, which the other pages follow.
    [[nodiscard]] const CPointToPointProfileLineGeneralPage& General() const {
        return m_GeneralPage;
    }

    // The line's attribute `id`: of the line in properties mode, of the model line in new-from-
    // model mode, empty for a new line. A failed read shows the server's error and ends the sheet
    // with Cancel.
    [[nodiscard]] std::string GetLineText(int id);
    // The same, with `fallback` for an attribute the line does not carry.
    [[nodiscard]] std::string GetLineText(int id, std::string_view fallback);
    [[nodiscard]] int GetLineInt(int id);
    // Stage values on the line object (properties mode): command-ready text is upper-cased,
    // numbers go as decimal text, and `SetLineAttribute` writes a value as it is.
    void SetLineText(int id, std::string_view value);
    void SetLineInt(int id, int value);
    void SetLineAttribute(int id, std::string_view value);

    // The general page's port, interface or framing changed: a new line's proposed modem follows.
    void GeneralSettingsChanged();
    // Whether a line of that name exists on the system (names compare without case).
    [[nodiscard]] bool LineNameExists(std::string_view name);
    // A server error: shown (unless already reported), destroyed, and the sheet ended with Cancel.
    void FailWith(host::SOFError*& error);
    // An internal failure: traced, reported with a resource message, and the sheet ended.
    void FailInternally(std::string_view trace);
    // The last internal failure's trace text, empty when there was none.
    [[nodiscard]] const std::string& GetLastTrace() const { return m_strLastTrace; }

    // OK, from the general page: 0 when the line reached the server, 2 after a message.
    int Commit();
    void Discard();

  private:
    bool OpenServerLists();
    bool OpenList(std::string_view kind, std::string_view filter, host::IServerList*& pList,
                  std::unique_ptr<host::IServerList>& owned);
    void ChooseModem();
    void ChooseNewLineModem();
    void ChooseModemOfExistingLine();
    [[nodiscard]] bool ValidatePages();
    // Shows the parameter page `modem` needs (none for "NONE", the ISDN page for an ISDN
    // terminal adapter, else the modem-parameter page) with that modem's commands.
    void ShowOptionalPageFor(const std::string& modem);
    [[nodiscard]] std::string ModemKind(std::string_view modem);
    [[nodiscard]] std::string Caption();
    int CommitNewLine();
    int CommitChangedLine();
    [[nodiscard]] bool RunCommand(const std::string& command);
    [[nodiscard]] host::IServerObject* SourceLine() const;

    std::string m_strProposedLineName;
    std::string m_strSystemName;
    std::string m_strExistingLineName;
    std::string m_strModemName;
    host::IServerObject* m_pModelLine = nullptr;
    CLineProfileKind m_profile;
    bool m_bCapabilityA = false;
    bool m_bCapabilityB = false;
    bool m_bCapabilityC = false;
    bool m_bRelease050200 = false;
    bool m_bChangesAllowed = true;
    bool m_bCreated = false;
    bool m_bFailed = false;

    host::IServerList* m_pLineList = nullptr;
    host::IServerList* m_pModemList = nullptr;
    host::IServerList* m_pAssociationList = nullptr;
    std::unique_ptr<host::IServerList> m_pOwnedLineList;
    std::unique_ptr<host::IServerList> m_pOwnedModemList;
    std::unique_ptr<host::IServerList> m_pOwnedAssociationList;
    host::IServerList* m_pModemCommandList = nullptr;
    std::unique_ptr<host::IServerList> m_pOwnedModemCommandList;
    std::unique_ptr<host::IServerObject> m_pLineObject;
    std::unique_ptr<host::ICommandConnection> m_pRemoteCommand;
    host::SOFError* m_ErrorHandle = nullptr;
    std::string m_strLastTrace;

    CPointToPointProfileLineGeneralPage m_GeneralPage;
    CPointToPointProfileLineConnectionPage m_ConnectionPage;
    CPointToPointProfileLineLinkPage m_LinkPage;
    CPointToPointProfileLineLCPPage m_LCPPage;
    CPointToPointProfileLineModemPage m_ModemPage;
    CPointToPointProfileLineSecurityPage m_SecurityPage;
    CPointToPointProfileLineParmsPage m_ParmsPage;
    CPointToPointProfileLineISDNParmsPage m_ISDNParmsPage;
    CPointToPointProfileLineModemCommandsPage* m_pOptionalPage = nullptr;
};

}  // namespace ptp::lines
