#include "modems/point_to_point_modem_general_page.h"

#include "config/config_text.h"
#include "modems/modem_message_style.h"
#include "modems/point_to_point_modem_property_sheet.h"
#include "platform/ui/ddx.h"
#include "platform/ui/message_box.h"
#include "platform/vocabulary/modem.h"
#include "resources/ids/modems.h"

namespace ptp::modems {

CPointToPointModemGeneralPage::CPointToPointModemGeneralPage(
    CPointToPointModemPropertySheet* pSheet)
    : CPropertyPage(IDD_MODEM_GENERAL), m_pSheet(pSheet) {
    OnClicked(IDC_MODEM_KIND_ANALOG, [this] { OnKindChanged(); });
    OnClicked(IDC_MODEM_KIND_ISDN, [this] { OnKindChanged(); });
    for (int id : {IDC_MODEM_NAME, IDC_MODEM_INIT_COMMAND, IDC_MODEM_RESET_COMMAND,
                   IDC_MODEM_DIAL_COMMAND, IDC_MODEM_ANSWER_COMMAND})
        OnChanged(id, [this] { SetModified(); });
}

void CPointToPointModemGeneralPage::Load() {
    if (m_bLoaded) return;
    m_bLoaded = true;
    m_strName = m_pSheet->IsCreateMode() ? std::string() : m_pSheet->GetModemName();
    if (m_pSheet->IsCreateMode() && !m_pSheet->IsCopyMode()) {
        m_nKind = 0;
        m_strInitCommand = "AT";
        m_strResetCommand = "AT";
        m_strDialCommand = "ATDT";
        m_strAnswerCommand = "ATS0=2S7=30";
        return;
    }
    m_nKind = m_pSheet->GetSourceAttribute(attr::modem::kKind) == code::modem_kind::kISDN ? 1 : 0;
    m_strInitCommand = m_pSheet->GetSourceAttribute(attr::modem::kInitCommand);
    m_strResetCommand = m_pSheet->GetSourceAttribute(attr::modem::kResetCommand);
    m_strDialCommand = m_pSheet->GetSourceAttribute(attr::modem::kDialCommand);
    m_strAnswerCommand = m_pSheet->GetSourceAttribute(attr::modem::kAnswerCommand);
}

bool CPointToPointModemGeneralPage::FieldsChangeable() const {
    return m_pSheet->IsChangeable() && !m_pSheet->IsSystemModem();
}

ui::BOOL CPointToPointModemGeneralPage::OnInitDialog() {
    Load();
    CPropertyPage::OnInitDialog();
    // An existing modem keeps its name: the name is the object's identity on the server.
    Edit(IDC_MODEM_NAME).SetReadOnly(!m_pSheet->IsCreateMode());
    const bool changeable = FieldsChangeable();
    for (int id : {IDC_MODEM_INIT_COMMAND, IDC_MODEM_RESET_COMMAND, IDC_MODEM_DIAL_COMMAND,
                   IDC_MODEM_ANSWER_COMMAND})
        Edit(id).SetReadOnly(!changeable);
    Button(IDC_MODEM_KIND_ANALOG).EnableWindow(changeable);
    Button(IDC_MODEM_KIND_ISDN).EnableWindow(changeable);
    return ui::TRUE;
}

void CPointToPointModemGeneralPage::DoDataExchange(ui::CDataExchange* pDX) {
    ui::DDX_Text(pDX, IDC_MODEM_NAME, m_strName);
    ui::DDX_Radio(pDX, IDC_MODEM_KIND_ANALOG, m_nKind);
    ui::DDX_Text(pDX, IDC_MODEM_INIT_COMMAND, m_strInitCommand);
    ui::DDX_Text(pDX, IDC_MODEM_RESET_COMMAND, m_strResetCommand);
    ui::DDX_Text(pDX, IDC_MODEM_DIAL_COMMAND, m_strDialCommand);
    ui::DDX_Text(pDX, IDC_MODEM_ANSWER_COMMAND, m_strAnswerCommand);
}

std::string CPointToPointModemGeneralPage::GetKind() const {
    return std::string(m_nKind == 1 ? code::modem_kind::kISDN : code::modem_kind::kAnalog);
}

void CPointToPointModemGeneralPage::OnKindChanged() {
    m_nKind = IsDlgButtonChecked(IDC_MODEM_KIND_ISDN) ? 1 : 0;
    m_pSheet->ShowParmsPageFor(GetKind());
    SetModified();
}

void CPointToPointModemGeneralPage::ModemCreated() {
    if (IsCreated()) Edit(IDC_MODEM_NAME).SetReadOnly(ui::TRUE);
}

int CPointToPointModemGeneralPage::FindProblem(UINT& message) {
    m_strName = std::string(config::Trim(m_strName));
    m_pSheet->SetNewModemName(m_strName);
    if (m_pSheet->IsCreateMode() && !m_strName.empty() && m_pSheet->ModemNameExists(m_strName)) {
        message = IDS_MODEM_NAME_EXISTS;
        return IDC_MODEM_NAME;
    }
    if (!FieldsChangeable()) return 0;
    if (config::Trim(m_strInitCommand).empty()) {
        message = IDS_MODEM_INIT_REQUIRED;
        return IDC_MODEM_INIT_COMMAND;
    }
    if (config::Trim(m_strResetCommand).empty()) {
        message = IDS_MODEM_RESET_REQUIRED;
        return IDC_MODEM_RESET_COMMAND;
    }
    return 0;
}

void CPointToPointModemGeneralPage::ShowProblem(int controlId, UINT message) {
    ui::AfxMessageBox(message, kModemMessageStyle);
    GotoDlgCtrl(GetDlgItem(controlId));
}

ui::BOOL CPointToPointModemGeneralPage::OnKillActive() {
    if (!CPropertyPage::OnKillActive()) return ui::FALSE;
    UINT message = 0;
    const int controlId = FindProblem(message);
    if (controlId == 0) return ui::TRUE;
    ShowProblem(controlId, message);
    return ui::FALSE;
}

ui::BOOL CPointToPointModemGeneralPage::OnApply() {
    // OK pressed on another page has not run this page's checks yet: they run here, on this
    // page, before anything reaches the server.
    if (GetSheet()->GetActivePage() != this) {
        if (!UpdateData(ui::TRUE)) return ui::FALSE;
        UINT message = 0;
        const int controlId = FindProblem(message);
        if (controlId != 0) {
            GetSheet()->SetActivePage(this);
            ShowProblem(controlId, message);
            return ui::FALSE;
        }
    }
    if (m_pSheet->Commit() != 0) return ui::FALSE;
    SetModified(ui::FALSE);
    return ui::TRUE;
}

void CPointToPointModemGeneralPage::OnCancel() {
    m_pSheet->Discard();
}

void CPointToPointModemGeneralPage::Store() {
    Load();
    if (m_pSheet->IsCreateMode()) {
        m_pSheet->SetModemAttribute(attr::modem::kName, std::string(config::Trim(m_strName)));
    }
    if (!FieldsChangeable()) return;
    m_pSheet->SetModemAttribute(attr::modem::kKind, GetKind());
    m_pSheet->SetModemAttribute(attr::modem::kInitCommand,
                                config::ToUpper(config::Trim(m_strInitCommand)));
    m_pSheet->SetModemAttribute(attr::modem::kResetCommand,
                                config::ToUpper(config::Trim(m_strResetCommand)));
    m_pSheet->SetModemAttribute(attr::modem::kDialCommand, config::ToUpper(m_strDialCommand));
    m_pSheet->SetModemAttribute(attr::modem::kAnswerCommand, config::ToUpper(m_strAnswerCommand));
}

}  // namespace ptp::modems
