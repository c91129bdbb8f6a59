#pragma once
// CPointToPointProfileWDNDialerWizard: sets up, in one pass, dial-out to the WDN network service:
// the line or line pool and its modem, a dial-out profile, the account it signs on with, routes
// to the service's servers, and for mail the relay's host-table entry, the mail router and its
// dial schedule. Finish then offers to test the profile.
#include <string>
#include <string_view>
#include <vector>

#include "wizard/line_pool_save_obj.h"
#include "wizard/point_to_point_profile_wdn_dialer_access_wizard_page.h"
#include "wizard/point_to_point_profile_wdn_dialer_account_wizard_page.h"
#include "wizard/point_to_point_profile_wdn_dialer_connection_wizard_page.h"
#include "wizard/point_to_point_profile_wdn_dialer_dns_wizard_page.h"
#include "wizard/point_to_point_profile_wdn_dialer_line_pool_wizard_page.h"
#include "wizard/point_to_point_profile_wdn_dialer_line_wizard_page.h"
#include "wizard/point_to_point_profile_wdn_dialer_modem_wizard_page.h"
#include "wizard/point_to_point_profile_wdn_dialer_network_wizard_page.h"
#include "wizard/point_to_point_profile_wdn_dialer_new_line_wizard_page.h"
#include "wizard/point_to_point_profile_wdn_dialer_phone_number_wizard_page.h"
#include "wizard/point_to_point_profile_wdn_dialer_resource_wizard_page.h"
#include "wizard/point_to_point_profile_wdn_dialer_routing_wizard_page.h"
#include "wizard/point_to_point_profile_wdn_dialer_server_wizard_page.h"
#include "wizard/point_to_point_profile_wdn_dialer_smtp_scheduler_wizard_page.h"
#include "wizard/point_to_point_profile_wdn_dialer_smtp_server_wizard_page.h"
#include "wizard/point_to_point_profile_wdn_dialer_summary_wizard_page.h"
#include "wizard/point_to_point_profile_wdn_dialer_welcome_wizard_page.h"
#include "wizard/wdn_dialer_plan.h"
#include "wizard/wdn_dialer_system_facts.h"
#include "wizard/wizard.h"

namespace ptp::wizard {

class CPointToPointProfileWDNDialerWizard : public CWizard {
  public:
    explicit CPointToPointProfileWDNDialerWizard(std::string strSystemName,
                                                 ui::CWnd* pParentWnd = nullptr);

    // Reads what the system has; false after the user was told it cannot be read.
    bool LoadSystem();

    CWizardPage* GetNextPage(CWizardPage* pLeaving) override;
    ui::BOOL OnFinish() override;

    [[nodiscard]] const std::string& GetSystemName() const { return m_strSystemName; }
    [[nodiscard]] const CWDNDialerSystemFacts& Facts() const { return m_facts; }

    // What the pages ask of each other and of the system.
    [[nodiscard]] int GetAccessType() const { return m_AccessPage.GetAccessType(); }
    void SetServiceKind(std::string_view kind) { m_strServiceKind = std::string(kind); }
    [[nodiscard]] const CWDNPort* ChosenPort() const { return m_ResourcePage.GetPort(); }
    [[nodiscard]] std::string ChosenPortName() const;
    [[nodiscard]] bool UsesExistingPool() const;
    // Whether a profile of that name exists and is not a dial-out profile of this wizard's kind.
    [[nodiscard]] bool IsForeignProfile(std::string_view name) const;
    [[nodiscard]] bool AuthorizationListExists(std::string_view name) const;
    // Reads QRETSVRSEC; false after a failure was shown.
    bool ReadRetainServerSecurity();
    [[nodiscard]] bool RetainsServerSecurity() const { return m_bRetainServerSecurity; }

    // Everything Finish sets up, from the pages as they stand.
    [[nodiscard]] CWDNDialerPlan MakePlan() const;

    CPointToPointProfileWDNDialerWelcomeWizardPage m_WelcomePage;
    CPointToPointProfileWDNDialerAccessWizardPage m_AccessPage;
    CPointToPointProfileWDNDialerAccountWizardPage m_AccountPage;
    CPointToPointProfileWDNDialerDNSWizardPage m_DNSPage;
    CPointToPointProfileWDNDialerNetworkWizardPage m_NetworkPage;
    CPointToPointProfileWDNDialerServerWizardPage m_ServerPage;
    CPointToPointProfileWDNDialerSmtpServerWizardPage m_SmtpServerPage;
    CPointToPointProfileWDNDialerRoutingWizardPage m_RoutingPage;
    CPointToPointProfileWDNDialerSmtpSchedulerWizardPage m_SmtpSchedulerPage;
    CPointToPointProfileWDNDialerConnectionWizardPage m_ConnectionPage;
    CPointToPointProfileWDNDialerResourceWizardPage m_ResourcePage;
    CPointToPointProfileWDNDialerLineWizardPage m_LinePage;
    CPointToPointProfileWDNDialerLinePoolWizardPage m_LinePoolPage;
    CPointToPointProfileWDNDialerNewLineWizardPage m_NewLinePage;
    CPointToPointProfileWDNDialerModemWizardPage m_ModemPage;
    CPointToPointProfileWDNDialerPhoneNumberWizardPage m_PhoneNumberPage;
    CPointToPointProfileWDNDialerSummaryWizardPage m_SummaryPage;

  private:
    // Where the pages that end the first part lead: the connection choice when the system has a
    // line to dial out on, else the port of a new one.
    CWizardPage* ConnectionChoice();
    CWizardPage* AfterConnection();
    void PrepareLinePoolEntries();
    void FillLine(CWDNDialerPlan& plan) const;
    void FillRoutes(CWDNDialerPlan& plan) const;

    std::string m_strSystemName;
    CWDNDialerSystemFacts m_facts;
    std::string m_strServiceKind;
    bool m_bRetainServerSecurity = false;
    std::vector<CLinePoolSaveObj> m_LinePoolEntries;
};

}  // namespace ptp::wizard
