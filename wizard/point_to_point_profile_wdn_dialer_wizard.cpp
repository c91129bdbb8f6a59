#include "wizard/point_to_point_profile_wdn_dialer_wizard.h"

#include "config/config_text.h"
#include "host/server_calls.h"
#include "platform/ui/message_box.h"
#include "platform/ui/toolkit.h"
#include "platform/vocabulary/authorization_list.h"
#include "platform/vocabulary/code_text.h"
#include "platform/vocabulary/kinds.h"
#include "platform/vocabulary/profile.h"
#include "platform/vocabulary/system_value.h"
#include "resources/ids/wizard.h"
#include "wizard/point_to_point_profile_wdn_dialer_test_dialog.h"
#include "wizard/wdn_dialer_finish.h"
#include "wizard/wdn_dialer_names.h"

namespace ptp::wizard {

namespace {

using Access = CPointToPointProfileWDNDialerAccessWizardPage;
using Connection = CPointToPointProfileWDNDialerConnectionWizardPage;
namespace prf = attr::profile;

// Reads one object of `kind`; null after showing the server's error.
std::unique_ptr<host::IServerObject> ReadObject(std::string_view system, std::string_view kind,
                                                std::string_view name) {
    host::IHost* host = host::GetHost();
    if (!host) return nullptr;
    host::SOFError* error = nullptr;
    auto object = host->Objects().CreateObject(kind, host::kClientName, config::ToUpper(system),
                                               name, &error);
    if (object && !error) return object;
    host::ShowAndDestroy(error, nullptr);
    return nullptr;
}

}  // namespace

CPointToPointProfileWDNDialerWizard::CPointToPointProfileWDNDialerWizard(std::string strSystemName,
                                                                         ui::CWnd* pParentWnd)
    : CWizard(ui::LoadText(IDS_WDN_WIZARD_CAPTION), strSystemName, pParentWnd),
      m_WelcomePage(this),
      m_AccessPage(this),
      m_AccountPage(this),
      m_DNSPage(this),
      m_NetworkPage(this),
      m_ServerPage(this),
      m_SmtpServerPage(this),
      m_RoutingPage(this),
      m_SmtpSchedulerPage(this),
      m_ConnectionPage(this),
      m_ResourcePage(this),
      m_LinePage(this),
      m_LinePoolPage(this),
      m_NewLinePage(this),
      m_ModemPage(this),
      m_PhoneNumberPage(this),
      m_SummaryPage(this),
      m_strSystemName(std::move(strSystemName)) {
    AddPage(&m_WelcomePage);
    AddPage(&m_AccessPage);
    AddPage(&m_AccountPage);
    AddPage(&m_DNSPage);
    AddPage(&m_NetworkPage);
    AddPage(&m_ServerPage);
    AddPage(&m_SmtpServerPage);
    AddPage(&m_RoutingPage);
    AddPage(&m_SmtpSchedulerPage);
    AddPage(&m_ConnectionPage);
    AddPage(&m_ResourcePage);
    AddPage(&m_LinePage);
    AddPage(&m_LinePoolPage);
    AddPage(&m_NewLinePage);
    AddPage(&m_ModemPage);
    AddPage(&m_PhoneNumberPage);
    AddPage(&m_SummaryPage);
}

bool CPointToPointProfileWDNDialerWizard::LoadSystem() {
    return m_facts.Load(m_strSystemName);
}

CWizardPage* CPointToPointProfileWDNDialerWizard::GetNextPage(CWizardPage* pLeaving) {
    if (pLeaving == &m_SummaryPage) return nullptr;
    CWizard::GetNextPage(pLeaving);
    if (pLeaving == &m_WelcomePage) return &m_AccessPage;
    if (pLeaving == &m_AccessPage)
        return GetAccessType() == Access::kStandard ? ConnectionChoice() : &m_AccountPage;
    if (pLeaving == &m_AccountPage)
        return GetAccessType() == Access::kMail ? static_cast<CWizardPage*>(&m_SmtpServerPage)
                                                : &m_NetworkPage;
    if (pLeaving == &m_NetworkPage) return &m_ServerPage;
    if (pLeaving == &m_ServerPage) return &m_DNSPage;
    if (pLeaving == &m_DNSPage) return ConnectionChoice();
    if (pLeaving == &m_SmtpServerPage)
        return m_SmtpServerPage.WantsMoreRoutes() ? static_cast<CWizardPage*>(&m_RoutingPage)
                                                  : &m_SmtpSchedulerPage;
    if (pLeaving == &m_RoutingPage) return &m_SmtpSchedulerPage;
    if (pLeaving == &m_SmtpSchedulerPage) return ConnectionChoice();
    if (pLeaving == &m_ConnectionPage) return AfterConnection();
    if (pLeaving == &m_ResourcePage) {
        const bool hasLine = !m_facts.LinesOn(ChosenPortName()).empty();
        return hasLine ? static_cast<CWizardPage*>(&m_LinePage) : &m_NewLinePage;
    }
    if (pLeaving == &m_LinePage)
        return m_LinePage.CreatesNewLine() ? static_cast<CWizardPage*>(&m_NewLinePage)
                                           : &m_ModemPage;
    if (pLeaving == &m_NewLinePage) return &m_ModemPage;
    if (pLeaving == &m_LinePoolPage || pLeaving == &m_ModemPage) return &m_PhoneNumberPage;
    return &m_SummaryPage;
}

CWizardPage* CPointToPointProfileWDNDialerWizard::ConnectionChoice() {
    if (m_facts.UsableLines().empty()) return &m_ResourcePage;
    return &m_ConnectionPage;
}

// A pool needs two lines; with fewer the profile dials on the one line the system has.
CWizardPage* CPointToPointProfileWDNDialerWizard::AfterConnection() {
    if (!m_ConnectionPage.UsesLinePool()) return &m_ResourcePage;
    if (m_facts.UsableLines().size() < 2) {
        m_LinePoolEntries.clear();
        return &m_PhoneNumberPage;
    }
    PrepareLinePoolEntries();
    return &m_LinePoolPage;
}

void CPointToPointProfileWDNDialerWizard::PrepareLinePoolEntries() {
    m_LinePoolEntries.clear();
    if (m_ConnectionPage.GetChoice() != Connection::kNewPool) return;
    for (const CWDNUsableLine& line : m_facts.UsableLines()) {
        if (line.strPool.empty()) m_LinePoolEntries.push_back({line.strName, {}});
    }
}

std::string CPointToPointProfileWDNDialerWizard::ChosenPortName() const {
    const CWDNPort* port = ChosenPort();
    return port ? port->strName : std::string();
}

bool CPointToPointProfileWDNDialerWizard::UsesExistingPool() const {
    return m_ConnectionPage.GetChoice() == Connection::kExistingPool;
}

bool CPointToPointProfileWDNDialerWizard::IsForeignProfile(std::string_view name) const {
    auto profile = ReadObject(m_strSystemName, kinds::kProfile, config::ToUpper(name));
    if (!profile) return false;
    host::SOFError* error = nullptr;
    const std::string stored = profile->GetAttributeText(prf::kName, &error);
    const std::string variant = profile->GetAttributeText(prf::kDialVariant, &error);
    const std::string mode = profile->GetAttributeText(prf::kMode, &error);
    host::ShowAndDestroy(error, nullptr);
    if (stored.empty()) return false;
    const int dialVariant = config::TextToInt(variant);
    return !code::Is(mode, code::mode::kDial) || dialVariant < 1 || dialVariant > 3;
}

bool CPointToPointProfileWDNDialerWizard::AuthorizationListExists(std::string_view name) const {
    auto list = ReadObject(m_strSystemName, kinds::kAuthorizationList, config::ToUpper(name));
    if (!list) return false;
    host::SOFError* error = nullptr;
    const bool exists = !list->GetAttributeText(attr::authorization_list::kName, &error).empty();
    host::ShowAndDestroy(error, nullptr);
    return exists;
}

bool CPointToPointProfileWDNDialerWizard::ReadRetainServerSecurity() {
    auto value = ReadObject(m_strSystemName, kinds::kSystemValues,
                            code::system_value::kRetainServerSecurity);
    host::SOFError* error = nullptr;
    const std::string text =
        value ? value->GetAttributeText(attr::system_value::kValue, &error) : std::string();
    if (!value || error) {
        host::TraceShowAndDestroy(
            error, "Error: ->SetValidationListSystemValue failed to set QRETSVRSEC.", nullptr);
        return false;
    }
    m_bRetainServerSecurity = text == "1";
    return true;
}

CWDNDialerPlan CPointToPointProfileWDNDialerWizard::MakePlan() const {
    CWDNDialerPlan plan;
    const int access = GetAccessType();
    plan.strSystem = m_strSystemName;
    plan.nAccessType = access;
    plan.nDialVariant = access == Access::kStandard ? 1 : access == Access::kMail ? 2 : 3;
    const bool account = access != Access::kStandard;
    plan.strProfile = account ? m_AccountPage.GetProfileName() : std::string(kStandardProfileName);
    plan.strDescription = account ? m_AccountPage.GetDescription() : std::string();
    plan.bAccount = account;
    plan.strUserId = m_AccountPage.GetUserId();
    plan.strPassword = m_AccountPage.GetPassword();
    plan.strServiceKind = m_strServiceKind;
    plan.strDnsServer = access == Access::kOwnAccount ? m_DNSPage.GetDnsAddress() : std::string();
    plan.strPrimaryNumber = m_PhoneNumberPage.GetPrimary();
    plan.strBackupNumber = m_PhoneNumberPage.GetBackup();
    plan.bMail = access == Access::kMail;
    if (plan.bMail) {
        plan.strRelayAddress = m_SmtpServerPage.GetAddress();
        plan.strRelayHost = m_SmtpServerPage.GetHostName();
        plan.bScheduled = m_SmtpSchedulerPage.IsScheduled();
        plan.strInterval = m_SmtpSchedulerPage.GetInterval();
    }
    FillLine(plan);
    FillRoutes(plan);
    return plan;
}

void CPointToPointProfileWDNDialerWizard::FillLine(CWDNDialerPlan& plan) const {
    using LineUse = CWDNDialerPlan::LineUse;
    const bool hasLines = !m_facts.UsableLines().empty();
    if (hasLines && m_ConnectionPage.UsesLinePool()) {
        if (m_facts.UsableLines().size() < 2) {
            plan.eLineUse = LineUse::ExistingLine;
            plan.strLine = m_facts.UsableLines().front().strName;
            return;
        }
        plan.eLineUse = UsesExistingPool() ? LineUse::ExistingPool : LineUse::NewPool;
        plan.strPool = m_LinePoolPage.GetPoolName();
        plan.poolEntries = m_LinePoolEntries;
        for (CLinePoolSaveObj& entry : plan.poolEntries)
            entry.strPoolName = plan.strPool;
        return;
    }
    plan.strModem = m_ModemPage.GetModem();
    const bool portHasLine = !m_facts.LinesOn(ChosenPortName()).empty();
    if (portHasLine && !m_LinePage.CreatesNewLine()) {
        plan.eLineUse = LineUse::ExistingLine;
        plan.strLine = m_LinePage.GetLine();
        return;
    }
    plan.eLineUse = LineUse::NewLine;
    plan.newLine = m_NewLinePage.GetValues();
    plan.newLine.strResource = ChosenPortName();
    plan.newLine.strModem = plan.strModem;
    plan.strLine = plan.newLine.strName;
}

void CPointToPointProfileWDNDialerWizard::FillRoutes(CWDNDialerPlan& plan) const {
    if (GetAccessType() == Access::kOwnAccount) {
        for (const std::string& server : m_ServerPage.GetServers(m_strServiceKind))
            plan.routes.push_back({server, std::string(kHostMask), true});
    }
    if (GetAccessType() != Access::kMail) return;
    plan.routes.push_back({m_SmtpServerPage.GetRelayNetwork(), std::string(kNetworkMask), false});
    if (!m_SmtpServerPage.WantsMoreRoutes()) return;
    for (const std::string& network : m_RoutingPage.GetNetworks()) {
        if (network != m_SmtpServerPage.GetRelayNetwork())
            plan.routes.push_back({network, std::string(kNetworkMask), false});
    }
}

ui::BOOL CPointToPointProfileWDNDialerWizard::OnFinish() {
    const CWDNDialerPlan plan = MakePlan();
    {
        ui::CWaitCursor wait;
        CWDNDialerFinish finish(plan, m_bRetainServerSecurity);
        if (!finish.Run()) return ui::FALSE;
    }
    const int answer =
        ui::AfxMessageBox(IDS_WDN_TEST_NOW, {plan.strProfile}, ui::MB_YESNO | ui::MB_ICONQUESTION);
    if (answer != ui::IDYES) return ui::TRUE;
    CPointToPointProfileWDNDialerTestDialog test(m_strSystemName, plan.strProfile, this);
    test.DoModal();
    return ui::TRUE;
}

}  // namespace ptp::wizard
