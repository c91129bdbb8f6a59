#include "wizard/point_to_point_profile_wdn_dialer_new_line_wizard_page.h"

#include <array>
#include <utility>

#include "config/config_text.h"
#include "lines/line_value_text.h"
#include "platform/ui/ddx.h"
#include "platform/ui/toolkit.h"
#include "platform/vocabulary/line.h"
#include "resources/ids/wizard.h"
#include "wizard/point_to_point_profile_wdn_dialer_wizard.h"

namespace ptp::wizard {

namespace {

namespace ifc = code::line_interface;
namespace aut = code::line_authority;

constexpr long kMinInactivity = 15;
constexpr long kMaxInactivity = 65535;
constexpr long kMinLineSpeed = 9600;
constexpr long kMaxLineSpeed = 230400;
constexpr int kMinFrame = 1000;
constexpr int kMaxFrame = 4096;
constexpr std::size_t kMaxAuthorizationList = 10;

// The interfaces in list order; an entry past them gives the first one.
constexpr std::array<std::pair<std::string_view, UINT>, 5> kInterfaces = {{
    {ifc::kRS232V24, IDS_WDN_INTERFACE_RS232V24},
    {ifc::kRS449V36, IDS_WDN_INTERFACE_RS449V36},
    {ifc::kV35, IDS_WDN_INTERFACE_V35},
    {ifc::kX21, IDS_WDN_INTERFACE_X21},
    {ifc::kInternalModem, IDS_WDN_INTERFACE_INTMODEM},
}};

// The authorities in list order; the entry after them names an authorization list.
constexpr std::array<std::pair<std::string_view, UINT>, 5> kAuthorities = {{
    {aut::kAll, IDS_WDN_AUTHORITY_ALL},
    {aut::kChange, IDS_WDN_AUTHORITY_CHANGE},
    {aut::kExclude, IDS_WDN_AUTHORITY_EXCLUDE},
    {aut::kLibraryCreate, IDS_WDN_AUTHORITY_LIBCRTAUT},
    {aut::kUse, IDS_WDN_AUTHORITY_USE},
}};

// The speeds offered are the standard rates, multiples of the lowest one.
constexpr std::array<long, 6> kRateMultiples = {1, 2, 4, 6, 12, 24};
constexpr std::array<std::string_view, 3> kInactivityTimers = {"300", "900", "3600"};

}  // namespace

CPointToPointProfileWDNDialerNewLineWizardPage::CPointToPointProfileWDNDialerNewLineWizardPage(
    CPointToPointProfileWDNDialerWizard* pWizard)
    : CWDNDialerWizardPage(IDD_WDN_NEW_LINE, pWizard),
      m_strInactivityTimer(code::line_value::kNoMax),
      m_strMessageQueue(code::line_value::kSystemValue) {
    OnChanged(IDC_WDN_LINE_AUTHORITY, [this] { OnAuthorityChanged(); });
}

ui::BOOL CPointToPointProfileWDNDialerNewLineWizardPage::OnInitDialog() {
    ui::CComboBox& interfaces = ComboBox(IDC_WDN_LINE_INTERFACE);
    for (const auto& [value, text] : kInterfaces)
        interfaces.AddString(ui::LoadText(text));
    ui::CComboBox& speeds = ComboBox(IDC_WDN_LINE_SPEED);
    for (const long multiple : kRateMultiples)
        speeds.AddString(std::to_string(kMinLineSpeed * multiple));
    ui::CComboBox& timers = ComboBox(IDC_WDN_LINE_INACTIVITY);
    timers.AddString(ui::LoadText(IDS_WDN_INACTIVITY_NOMAX));
    for (const std::string_view timer : kInactivityTimers)
        timers.AddString(timer);
    ui::CComboBox& queues = ComboBox(IDC_WDN_LINE_MSGQ);
    queues.AddString(ui::LoadText(IDS_WDN_MSGQ_SYSVAL));
    queues.AddString(ui::LoadText(IDS_WDN_MSGQ_SYSOPR));
    ui::CComboBox& authorities = ComboBox(IDC_WDN_LINE_AUTHORITY);
    for (const auto& [value, text] : kAuthorities)
        authorities.AddString(ui::LoadText(text));
    authorities.AddString(ui::LoadText(IDS_WDN_AUTHORITY_LIST));
    CWDNDialerWizardPage::OnInitDialog();
    OnAuthorityChanged();
    return ui::TRUE;
}

// A new port gets a proposed name and the interface the port offers.
ui::BOOL CPointToPointProfileWDNDialerNewLineWizardPage::OnSetActive() {
    const CWDNPort* port = m_pWizard->ChosenPort();
    if (port && port->strName != m_strProposedFor) {
        m_strProposedFor = port->strName;
        m_strName = config::ToUpper("WDN" + port->strName).substr(0, 10);
        for (std::size_t i = 0; i < kInterfaces.size(); ++i) {
            if (config::EqualsNoCase(kInterfaces[i].first, port->strInterface))
                m_nInterface = static_cast<int>(i);
        }
        UpdateData(ui::FALSE);
    }
    return CWDNDialerWizardPage::OnSetActive();
}

void CPointToPointProfileWDNDialerNewLineWizardPage::DoDataExchange(ui::CDataExchange* pDX) {
    ui::DDX_Text(pDX, IDC_WDN_LINE_NAME, m_strName);
    ui::DDX_Text(pDX, IDC_WDN_LINE_DESCRIPTION, m_strDescription);
    ui::DDX_CBIndex(pDX, IDC_WDN_LINE_INTERFACE, m_nInterface);
    ui::DDX_CBString(pDX, IDC_WDN_LINE_SPEED, m_strLineSpeed);
    ui::DDX_Text(pDX, IDC_WDN_LINE_MAX_FRAME, m_nMaxFrame);
    ui::DDX_CBString(pDX, IDC_WDN_LINE_INACTIVITY, m_strInactivityTimer);
    ui::DDX_CBString(pDX, IDC_WDN_LINE_MSGQ, m_strMessageQueue);
    ui::DDX_CBIndex(pDX, IDC_WDN_LINE_AUTHORITY, m_nAuthority);
    ui::DDX_Text(pDX, IDC_WDN_LINE_AUTL, m_strAuthorizationList);
}

void CPointToPointProfileWDNDialerNewLineWizardPage::OnAuthorityChanged() {
    m_nAuthority = ComboBox(IDC_WDN_LINE_AUTHORITY).GetCurSel();
    Edit(IDC_WDN_LINE_AUTL).EnableWindow(UsesAuthorizationList());
}

bool CPointToPointProfileWDNDialerNewLineWizardPage::UsesAuthorizationList() const {
    return m_nAuthority == static_cast<int>(kAuthorities.size());
}

std::string CPointToPointProfileWDNDialerNewLineWizardPage::GetLineName() const {
    return config::ToUpper(config::Trim(m_strName));
}

CWDNNewLineValues CPointToPointProfileWDNDialerNewLineWizardPage::GetValues() const {
    CWDNNewLineValues values;
    values.strName = GetLineName();
    values.strInterface = std::string(kInterfaces[0].first);
    if (m_nInterface >= 0 && m_nInterface < static_cast<int>(kInterfaces.size()))
        values.strInterface =
            std::string(kInterfaces[static_cast<std::size_t>(m_nInterface)].first);
    values.strLineSpeed = std::string(config::Trim(m_strLineSpeed));
    values.nMaxFrame = m_nMaxFrame;
    const std::string_view timer = config::Trim(m_strInactivityTimer);
    values.strInactivityTimer = config::EqualsNoCase(timer, code::line_value::kNoMax)
                                    ? std::string(code::line_value::kNoMax)
                                    : std::string(timer);
    values.strDescription = m_strDescription;
    const std::string_view queue = config::Trim(m_strMessageQueue);
    const std::size_t slash = queue.find('/');
    values.strMessageQueue =
        slash == std::string_view::npos
            ? lines::MessageQueueValue(queue, "")
            : lines::MessageQueueValue(queue.substr(slash + 1), queue.substr(0, slash));
    if (m_nAuthority >= 0 && m_nAuthority < static_cast<int>(kAuthorities.size()))
        values.strAuthority =
            std::string(kAuthorities[static_cast<std::size_t>(m_nAuthority)].first);
    else
        values.strAuthority = config::ToUpper(config::Trim(m_strAuthorizationList));
    return values;
}

bool CPointToPointProfileWDNDialerNewLineWizardPage::CheckPage() {
    if (GetLineName().empty()) return Refuse(IDS_WDN_LINE_NAME_REQUIRED, IDC_WDN_LINE_NAME);
    const std::string_view timer = config::Trim(m_strInactivityTimer);
    if (!config::EqualsNoCase(timer, code::line_value::kNoMax) &&
        !lines::IsNumberInRange(timer, kMinInactivity, kMaxInactivity))
        return Refuse(IDS_WDN_INACTIVITY_RANGE, IDC_WDN_LINE_INACTIVITY,
                      {std::to_string(kMinInactivity), std::to_string(kMaxInactivity)});
    if (!lines::IsNumberInRange(config::Trim(m_strLineSpeed), kMinLineSpeed, kMaxLineSpeed))
        return Refuse(IDS_WDN_LINE_SPEED_RANGE, IDC_WDN_LINE_SPEED,
                      {std::to_string(kMinLineSpeed), std::to_string(kMaxLineSpeed)});
    if (m_nMaxFrame < kMinFrame || m_nMaxFrame > kMaxFrame)
        return Refuse(IDS_WDN_MAX_FRAME_RANGE, IDC_WDN_LINE_MAX_FRAME,
                      {std::to_string(kMinFrame), std::to_string(kMaxFrame)});
    if (!UsesAuthorizationList()) return true;
    const std::string list = config::ToUpper(config::Trim(m_strAuthorizationList));
    if (list.empty() || list.size() > kMaxAuthorizationList ||
        !m_pWizard->AuthorizationListExists(list))
        return Refuse(IDS_WDN_AUTL_NOT_FOUND, IDC_WDN_LINE_AUTL, {list});
    return true;
}

}  // namespace ptp::wizard
