#include "policies/point_to_point_profile_group_policy_property_sheet.h"

#include "config/config_paths.h"
#include "config/config_text.h"
#include "platform/ui/display_name.h"
#include "platform/ui/message_box.h"
#include "platform/ui/toolkit.h"
#include "resources/ids/policies.h"

namespace ptp::policies {
namespace {

std::string Caption(std::string_view systemName, std::string_view policyName) {
    if (policyName.empty())
        return ui::FormatResource(IDS_POLICY_NEW_CAPTION, {std::string(systemName)});
    return ui::FormatResource(IDS_POLICY_PROPERTIES_CAPTION,
                              {ui::DisplayName(policyName), std::string(systemName)});
}

}  // namespace

CPointToPointProfileGroupPolicyPropertySheet::CPointToPointProfileGroupPolicyPropertySheet(
    std::string_view systemName, std::string_view policyName, bool changeable, ui::CWnd* pParent,
    CGroupPolicyFile* pFile)
    : CPropertySheet(Caption(systemName, policyName), pParent),
      m_strSystemName(config::ToUpper(systemName)),
      m_strPolicyName(policyName),
      m_bChangeable(changeable),
      m_pFile(pFile),
      m_GeneralPage(this),
      m_MultilinkPage(this),
      m_TCPIPSettingsPage(this) {
    m_psh.dwFlags |= ui::PSH_HASHELP | ui::PSH_NOAPPLYNOW;
    if (!m_pFile) LoadFile();
    FindRecord();
    AddPage(&m_GeneralPage);
    AddPage(&m_MultilinkPage);
    AddPage(&m_TCPIPSettingsPage);
}

CPointToPointProfileGroupPolicyPropertySheet::~CPointToPointProfileGroupPolicyPropertySheet() =
    default;

void CPointToPointProfileGroupPolicyPropertySheet::LoadFile() {
    m_pOwnedFile =
        std::make_unique<CGroupPolicyFile>(m_strSystemName, config::kGroupPolicyConfigPath, 0);
    m_pFile = m_pOwnedFile.get();
    const int result = m_pFile->Load();
    if (result == 1 || result == config::kFileResultCannotOpen)
        ui::AfxMessageBox(IDS_POLICY_FILE_NOT_LOADED, {m_strSystemName}, ui::MB_ICONEXCLAMATION);
}

void CPointToPointProfileGroupPolicyPropertySheet::FindRecord() {
    m_pRecord = nullptr;
    if (!IsNewPolicy()) {
        for (auto* record = m_pFile->GetFirst(); record; record = m_pFile->GetNext()) {
            if (config::EqualsNoCase(record->GetGroupPolicy(), m_strPolicyName)) {
                m_pRecord = record;
                return;
            }
        }
    }
    // A policy that is gone from the file (another client removed it) is written anew by OK.
    m_pOwnedRecord = CGroupPolicyFile::CreateRecord("");
    if (!IsNewPolicy()) m_pOwnedRecord->SetGroupPolicy(m_strPolicyName);
    m_pRecord = m_pOwnedRecord.get();
}

ui::BOOL CPointToPointProfileGroupPolicyPropertySheet::OnInitDialog() {
    CPropertySheet::OnInitDialog();
    ModifyStyleEx(0, ui::WS_EX_CONTEXTHELP);
    if (!m_bChangeable) GetDlgItem(ui::IDOK)->EnableWindow(ui::FALSE);
    return ui::TRUE;
}

bool CPointToPointProfileGroupPolicyPropertySheet::NameTaken(std::string_view name) const {
    for (std::size_t index = 0; index < m_pFile->GetCount(); ++index) {
        const auto* record = m_pFile->GetAt(index);
        if (record != m_pRecord && config::EqualsNoCase(record->GetGroupPolicy(), name))
            return true;
    }
    return false;
}

int CPointToPointProfileGroupPolicyPropertySheet::Commit() {
    if (m_GeneralPage.Store() != 0) return 2;
    if (IsNewPolicy() && NameTaken(m_pRecord->GetGroupPolicy())) {
        m_GeneralPage.ShowProblem(IDS_POLICY_NAME_EXISTS, {m_pRecord->GetGroupPolicy()});
        return 2;
    }
    m_MultilinkPage.Store();
    if (m_TCPIPSettingsPage.Store() != 0) return 2;
    if (m_pOwnedRecord) m_pFile->Add(std::move(m_pOwnedRecord));
    const int result = m_pFile->Save();
    if (result != config::kFileResultOk) return SaveFailed(result);
    return 0;
}

int CPointToPointProfileGroupPolicyPropertySheet::SaveFailed(int result) {
    if (result != config::kFileResultChangedSince) {
        // The record stays in the file with its flags set: OK again writes it.
        ui::AfxMessageBox(IDS_POLICY_FILE_NOT_SAVED, {m_strSystemName}, ui::MB_ICONEXCLAMATION);
        return 2;
    }
    ui::AfxMessageBox(IDS_POLICY_FILE_CHANGED, {m_strSystemName}, ui::MB_ICONEXCLAMATION);
    // The pages keep what the user typed; they store it again into the fresh record.
    (void)m_pFile->Reload();
    FindRecord();
    return 2;
}

}  // namespace ptp::policies
