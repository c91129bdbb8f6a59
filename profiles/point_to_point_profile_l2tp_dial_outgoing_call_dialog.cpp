#include "profiles/point_to_point_profile_l2tp_dial_outgoing_call_dialog.h"

#include "config/config_text.h"
#include "platform/ui/ddx.h"
#include "platform/ui/message_box.h"
#include "platform/vocabulary/profile.h"
#include "profiles/point_to_point_profile_page.h"
#include "profiles/point_to_point_profile_property_sheet.h"
#include "resources/ids/profile_tunnels.h"

namespace ptp::profiles {
namespace {

namespace prf = attr::profile;

constexpr std::string_view kNoNumber = "*NONE";

}  // namespace

CPointToPointProfileL2TPDialOutgoingCallDialog::CPointToPointProfileL2TPDialOutgoingCallDialog(
    ui::CWnd* pParent, CPointToPointProfilePropertySheet* pSheet)
    : CDialog(IDD_L2TP_OUTGOING_CALL, pParent), m_pSheet(pSheet) {}

int CPointToPointProfileL2TPDialOutgoingCallDialog::Load() {
    if (m_pSheet->IsNew()) return kPageOk;
    int result = m_pSheet->GetTextAttribute(prf::kRemoteNumber1, m_numbers[0]);
    result |= m_pSheet->GetTextAttribute(prf::kRemoteNumber2, m_numbers[1]);
    for (std::string& number : m_numbers) {
        if (config::EqualsNoCase(number, kNoNumber)) number.clear();
    }
    result |= m_pSheet->GetTextAttribute(prf::kPoolName, m_strPool);
    result |= m_pSheet->GetIntAttribute(prf::kOutgoingCallDigital, m_nDigital);
    result |= m_pSheet->GetTextAttribute(prf::kOutgoingCallSubaddress, m_strSubaddress);
    return result == 0 ? kPageOk : kPageFailed;
}

ui::BOOL CPointToPointProfileL2TPDialOutgoingCallDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    SetDlgItemText(IDC_OUTGOING_POOL, m_strPool);
    SetDlgItemText(IDC_OUTGOING_SUBADDRESS, m_strSubaddress);
    const ui::BOOL editable = m_pSheet->ChangesAllowed() ? ui::TRUE : ui::FALSE;
    for (int id : {IDC_OUTGOING_NUMBER1, IDC_OUTGOING_NUMBER2, IDC_OUTGOING_DIGITAL})
        GetDlgItem(id)->EnableWindow(editable);
    return ui::TRUE;
}

void CPointToPointProfileL2TPDialOutgoingCallDialog::DoDataExchange(ui::CDataExchange* pDX) {
    ui::DDX_Text(pDX, IDC_OUTGOING_NUMBER1, m_numbers[0]);
    ui::DDX_Text(pDX, IDC_OUTGOING_NUMBER2, m_numbers[1]);
    ui::DDX_Check(pDX, IDC_OUTGOING_DIGITAL, m_nDigital);
}

// A second number without a first moves up: the call always dials the first.
void CPointToPointProfileL2TPDialOutgoingCallDialog::OnOK() {
    if (!UpdateData(ui::TRUE)) return;
    for (std::string& number : m_numbers)
        number = std::string(config::Trim(number));
    if (m_numbers[0].empty()) std::swap(m_numbers[0], m_numbers[1]);
    if (m_numbers[0].empty()) {
        ui::AfxMessageBox(IDS_TUNNEL_NUMBER_REQUIRED, kProfileMessageStyle);
        GotoDlgCtrl(GetDlgItem(IDC_OUTGOING_NUMBER1));
        return;
    }
    EndDialog(ui::IDOK);
}

void CPointToPointProfileL2TPDialOutgoingCallDialog::Store() const {
    m_pSheet->SetTextAttribute(prf::kRemoteNumber1, m_numbers[0]);
    m_pSheet->SetTextAttribute(prf::kRemoteNumber2,
                               m_numbers[1].empty() ? kNoNumber : std::string_view(m_numbers[1]));
    m_pSheet->SetIntAttribute(prf::kOutgoingCallDigital, m_nDigital);
}

}  // namespace ptp::profiles
