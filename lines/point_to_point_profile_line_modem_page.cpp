#include "lines/point_to_point_profile_line_modem_page.h"

#include "config/config_text.h"
#include "host/server_calls.h"
#include "lines/point_to_point_profile_line_property_sheet.h"
#include "platform/ui/ddx.h"
#include "platform/vocabulary/kinds.h"
#include "platform/vocabulary/line.h"
#include "platform/vocabulary/modem.h"
#include "resources/ids/lines.h"

namespace ptp::lines {

namespace {

namespace lm = attr::line_modem;

constexpr long kMinNumber = 1;
constexpr long kMaxNumber = 99;

}  // namespace

CPointToPointProfileLineModemPage::CPointToPointProfileLineModemPage(
    CPointToPointProfileLinePropertySheet* pSheet)
    : CPointToPointProfileLinePage(IDD_LINE_MODEM, pSheet) {
    OnChanged(IDC_LINE_MODEM_NAME, [this] { OnModemChanged(); });
}

void CPointToPointProfileLineModemPage::Load() {
    if (m_pSheet->GetMode() != CPointToPointProfileLinePropertySheet::Mode::Properties) return;
    host::IHost* host = host::GetHost();
    if (!host) return;
    // An existing line keeps the number its association holds.
    host::SOFError* error = nullptr;
    auto association = host->Objects().CreateObject(kinds::kLineModem, host::kClientName,
                                                    m_pSheet->GetSystemName(),
                                                    m_pSheet->GetExistingLineName(), &error);
    const std::string number =
        association && !error ? association->GetAttributeText(lm::kNumber, &error) : "";
    if (error) {
        m_pSheet->FailWith(error);
        return;
    }
    if (!number.empty()) m_strNumber = number;
}

ui::BOOL CPointToPointProfileLineModemPage::OnInitDialog() {
    CPointToPointProfileLinePage::OnInitDialog();
    Edit(IDC_LINE_MODEM_NUMBER)
        .EnableWindow(m_pSheet->IsRelease050200() && m_pSheet->ChangesAllowed());
    return ui::TRUE;
}

ui::BOOL CPointToPointProfileLineModemPage::OnSetActive() {
    FillModems();
    return CPointToPointProfileLinePage::OnSetActive();
}

void CPointToPointProfileLineModemPage::FillModems() {
    ui::CComboBox& list = ComboBox(IDC_LINE_MODEM_NAME);
    list.ResetContent();
    if (host::IServerList* modems = m_pSheet->GetModemList()) {
        host::SOFError* error = nullptr;
        const long count = modems->GetCount(&error);
        for (long index = 0; !error && index < count; ++index) {
            host::IServerObject* modem = modems->ElementAt(index, &error);
            if (error || !modem) break;
            const std::string name = modem->GetAttributeText(attr::modem::kName, &error);
            if (!error) list.AddString(name);
        }
        if (error) {
            m_pSheet->FailWith(error);
            return;
        }
    }
    // The proposed modem shows even when the server lists no modem of that name.
    const std::string& chosen = m_pSheet->GetModemName();
    if (list.FindStringExact(-1, chosen) < 0) list.AddString(chosen);
    list.SetCurSel(list.FindStringExact(-1, chosen));
    // A leased line has no modem to choose.
    list.EnableWindow(m_pSheet->ChangesAllowed() && m_pSheet->General().IsSwitched());
}

void CPointToPointProfileLineModemPage::OnModemChanged() {
    ui::CComboBox& list = ComboBox(IDC_LINE_MODEM_NAME);
    const int selected = list.GetCurSel();
    if (selected < 0) return;
    m_bChosen = true;
    m_pSheet->ModemChosen(list.GetLBText(selected));
}

void CPointToPointProfileLineModemPage::DoDataExchange(ui::CDataExchange* pDX) {
    ui::DDX_Text(pDX, IDC_LINE_MODEM_NUMBER, m_strNumber);
}

bool CPointToPointProfileLineModemPage::Validate() {
    if (!m_pSheet->IsRelease050200()) return true;
    return CheckRange(m_strNumber, kMinNumber, kMaxNumber, IDC_LINE_MODEM_NUMBER);
}

bool CPointToPointProfileLineModemPage::Commit(const std::string& lineName) {
    EnsureLoaded();
    host::IHost* host = host::GetHost();
    if (!host) return false;
    host::SOFError* error = nullptr;
    auto association = host->Objects().CreateObject(kinds::kLineModem, host::kClientName,
                                                    m_pSheet->GetSystemName(), lineName, &error);
    if (!association || error) {
        host::ShowAndDestroy(error, m_pSheet->GetSafeHwnd());
        return false;
    }
    const bool switched = m_pSheet->General().IsSwitched();
    association->SetAttribute(lm::kLineName, lineName);
    association->SetAttribute(lm::kModemName,
                              switched ? m_pSheet->GetModemName() : code::modem_name::kNone);
    if (m_pSheet->IsRelease050200()) association->SetAttribute(lm::kNumber, m_strNumber);
    association->Commit(&error);
    if (!error) return true;
    host::ShowAndDestroy(error, m_pSheet->GetSafeHwnd());
    return false;
}

}  // namespace ptp::lines
