#pragma once
// The profile sheet: creates one connection profile (no name, no object) or changes one (its
// name and its list record, which stays the opener's). It chooses its pages from the profile's
// kind, opens the server lists its pages need, and on OK has the shown pages store their values
// into the profile object in a fixed order before it commits the object in one call.
#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "host/host_services.h"
#include "platform/ui/controls.h"
#include "platform/ui/property_sheet.h"
#include "platform/vocabulary/profile.h"
#include "profiles/point_to_point_profile_page.h"
#include "profiles/profile_page_choice.h"

namespace ptp::profiles {

class CPointToPointProfileGeneralPage;

// Authentication settings the sheet loads as it opens; the authentication pages read and change
// them.
struct CProfileAuthenticationState {
    int nRemoteProtocol = 0;        // attribute 31
    int nLocalProtocol = 0;         // attribute 28
    int nRadiusAuthentication = 0;  // attribute 33
    int nRadiusAccounting = 0;      // attribute 34
    int nRemoteIdentification = 0;  // attribute 30
    int nLocalIdentification = 0;   // attribute 27
    // 1 when attribute 28 asks for EAP (6) or an unknown protocol, with CapabilityC only.
    int nExtendedProtocol = 0;
    std::string strRemoteName;  // attribute 32, upper case
    // The two data fields of the profile's validation-list entry: name and password.
    std::string strEntryName;
    std::string strEntryPassword;
};

// An answering profile a dial-on-demand profile can pair with: switched, answering, and handing
// out per-user addresses or a range.
struct CPairableAnswerProfile {
    std::string strName;
    std::string strLocalAddress;
    std::string strRemoteAddress;
};

class CPointToPointProfilePropertySheet : public ui::CPropertySheet {
  public:
    // `profileName` empty (and no object) opens a new profile of the given kind; otherwise the
    // kind is read from `pProfileObject`. A kind the sheet does not know is reported and ends the
    // sheet with cancel. `bMigrate` opens an existing SLIP profile to be saved as a PPP profile:
    // the sheet shows the PPP pages and stores the protocol with the rest.
    CPointToPointProfilePropertySheet(std::string_view caption, ui::CWnd* pParentWnd,
                                      UINT iSelectPage, std::string_view profileName,
                                      host::IServerObject* pProfileObject, int protocol,
                                      int lineService, int mode, int lineKind,
                                      bool bMigrate = false);
    ~CPointToPointProfilePropertySheet() override;

    ui::BOOL OnInitDialog() override;

    // Set by the opener before DoModal.
    void SetSystemName(std::string_view systemName) { m_strSystemName = systemName; }
    void SetCapabilityA(bool on) { m_bCapabilityA = on; }
    void SetCapabilityB(bool on) { m_bCapabilityB = on; }
    void SetCapabilityC(bool on) { m_bCapabilityC = on; }
    void SetRelease050200(bool on) { m_bRelease050200 = on; }
    void SetRelease050300(bool on) { m_bRelease050300 = on; }
    void SetRelease050400(bool on) { m_bRelease050400 = on; }
    void SetChangesAllowed(bool on) { m_bChangesAllowed = on; }
    // Read by the opener after the sheet closed: the description or the line changed.
    [[nodiscard]] bool IsChanged() const { return m_bChanged; }

    // The profile object's attributes. The reads show a server error and answer 1 (leaving
    // `value` as it was); 0 on success. Writes stay pending until Commit.
    int GetTextAttribute(int id, std::string& value);
    int GetIntAttribute(int id, int& value);
    void SetTextAttribute(int id, std::string_view value);
    void SetIntAttribute(int id, int value);

    // What the pages ask.
    [[nodiscard]] bool IsNew() const { return m_strProfileName.empty(); }
    [[nodiscard]] bool IsMigration() const { return m_bMigrate; }
    [[nodiscard]] const std::string& GetProfileName() const { return m_strProfileName; }
    // The name typed for a new profile, as the General page last stored it.
    [[nodiscard]] const std::string& GetNewProfileName() const { return m_strNewProfileName; }
    void SetNewProfileName(std::string_view name) { m_strNewProfileName = name; }
    // The name the profile has on the server once saved: its interface, which its routes and
    // route daemon record are bound to.
    [[nodiscard]] const std::string& GetInterfaceName() const {
        return IsNew() ? m_strNewProfileName : m_strProfileName;
    }
    [[nodiscard]] const std::string& GetSystemName() const { return m_strSystemName; }
    [[nodiscard]] int GetProtocol() const { return m_nProtocol; }
    [[nodiscard]] int GetLineService() const { return m_nLineService; }
    [[nodiscard]] int GetMode() const { return m_nMode; }
    [[nodiscard]] int GetLineKind() const { return m_nLineKind; }
    [[nodiscard]] bool IsPPP() const { return m_nProtocol != code::protocol::kSLIP; }
    [[nodiscard]] bool IsSLIP() const { return m_nProtocol == code::protocol::kSLIP; }
    [[nodiscard]] bool IsKind(int lineService, int mode) const {
        return m_nLineService == lineService && m_nMode == mode;
    }
    [[nodiscard]] bool IsLineKind(int lineKind) const { return m_nLineKind == lineKind; }
    [[nodiscard]] bool IsL2TP() const { return IsL2TPMode(m_nLineService, m_nMode); }
    [[nodiscard]] bool IsPPPoE() const { return IsPPPoEMode(m_nLineService, m_nMode); }
    [[nodiscard]] bool IsDialVariant() const { return m_bDialVariant; }
    [[nodiscard]] bool GetCapabilityA() const { return m_bCapabilityA; }
    [[nodiscard]] bool GetCapabilityB() const { return m_bCapabilityB; }
    [[nodiscard]] bool GetCapabilityC() const { return m_bCapabilityC; }
    [[nodiscard]] bool IsRelease050200() const { return m_bRelease050200; }
    [[nodiscard]] bool IsRelease050300() const { return m_bRelease050300; }
    [[nodiscard]] bool IsRelease050400() const { return m_bRelease050400; }
    [[nodiscard]] bool ChangesAllowed() const { return m_bChangesAllowed; }
    [[nodiscard]] bool IsDNSPageShown() const {
        return m_choice.bDNS && Page(ProfilePageSlot::DNS);
    }
    [[nodiscard]] CProfileAuthenticationState& AuthenticationState() { return m_auth; }
    [[nodiscard]] bool GetRetainServerSecurity() const { return m_bRetainServerSecurity; }
    [[nodiscard]] const std::string& GetValidationListName() const { return m_strValidationList; }
    void SetValidationListName(std::string_view name) { m_strValidationList = name; }
    // The list of validation lists the sheet holds open, or null (it stays the sheet's).
    [[nodiscard]] host::IServerList* GetValidationListList() const {
        return m_pValidationListList.get();
    }
    // The page in `slot`, or null while that page is not part of this build.
    [[nodiscard]] CPointToPointProfilePage* Page(ProfilePageSlot slot) const;

    // Validation lists. Whether list `name` exists in `library` (empty: "QUSRSYS"); a list entry
    // that cannot be read ends the sheet.
    [[nodiscard]] bool ValidationListExists(std::string_view name,
                                            std::string_view library = "QUSRSYS");
    // Fills `control` with the validation lists of "QUSRSYS" but the default ones.
    void FillValidationLists(ui::CComboBox& control);
    // Sets the system value QRETSVRSEC to 1; false after the failure was shown.
    bool SetRetainServerSecurity();
    // Writes the profile's entry (name and password) into its validation list, creating the
    // list when it is missing; false after the failure was shown.
    bool SaveValidationListEntry(std::string_view name, std::string_view password);
    // The system's answering profiles a dial-on-demand profile can pair with, in list order.
    [[nodiscard]] std::vector<CPairableAnswerProfile> PairableAnswerProfiles();
    // The dial-on-demand profile that pairs with this answering profile, or empty.
    [[nodiscard]] std::string PairedDialOnDemandProfile();
    // Whether a profile of this name exists on the system (names compare without case).
    [[nodiscard]] bool ProfileNameExists(std::string_view name);

    // OK, from the General page: 0 when the profile reached the server, 2 after a message, or the
    // failing page's result. The sheet stays open on anything but 0.
    int Commit();
    // Cancel: the profile object drops what the pages wrote.
    void Discard();

    // The last internal failure's trace text, empty when there was none.
    [[nodiscard]] const std::string& GetLastTrace() const { return m_strLastTrace; }
    void SetLastTrace(std::string_view text) { m_strLastTrace = text; }

  private:
    void ReadKindFromObject();
    void AddChosenPages();
    // The steps of opening; false when the sheet has ended.
    bool ReadAuthenticationState();
    bool CreateProfileObject();
    bool OpenServerList(std::string_view kind, std::unique_ptr<host::IServerList>& list);
    void LoadValidationListEntry();
    void ReadRetainServerSecurity();
    // Shows the pending server error (once) and clears the slot.
    void ShowError();
    void FailOpening();
    // Stores one page during commit; a failing page becomes the active one when asked.
    int StorePage(CPointToPointProfilePage* page, bool activateOnFailure);
    void CloseList(std::unique_ptr<host::IServerList>& list);

    // The fifteen pages, for the sheet's whole life (null while a page is not built yet).
    std::array<std::unique_ptr<CPointToPointProfilePage>, kProfilePageSlotCount> m_pages;
    CProfilePageChoice m_choice;

    bool m_bCapabilityA = false;
    bool m_bCapabilityB = false;
    bool m_bCapabilityC = false;
    bool m_bRelease050200 = false;
    bool m_bRelease050300 = false;
    bool m_bRelease050400 = false;
    bool m_bChangesAllowed = false;
    bool m_bChanged = false;
    bool m_bMigrate = false;

    std::string m_strProfileName;
    std::string m_strNewProfileName;
    std::string m_strSystemName;
    int m_nProtocol = 0;
    int m_nLineService = 0;
    int m_nMode = 0;
    int m_nLineKind = 0;

    host::IServerObject* m_pProfileObject = nullptr;
    std::unique_ptr<host::IServerObject> m_pOwnedProfileObject;  // a new profile's
    std::string m_strValidationList = "QTOCPTP";
    std::unique_ptr<host::IServerList> m_pProfileList;
    host::SOFError* m_ErrorHandle = nullptr;
    std::string m_strLastTrace;

    CProfileAuthenticationState m_auth;
    bool m_bDialVariant = false;
    bool m_bRetainServerSecurity = false;
    std::unique_ptr<host::IServerList> m_pValidationListList;
};

}  // namespace ptp::profiles
