#include "frame/group_access_policies_data.h"

#include <new>

#include "config/config_paths.h"
#include "config/config_text.h"
#include "frame/frame_messages.h"
#include "frame/point_to_point_ext_app.h"
#include "frame/selection_summary.h"
#include "frame/type_codes.h"
#include "platform/ui/message_box.h"
#include "platform/ui/ui_constants.h"
#include "resources/ids/frame_commands.h"
#include "resources/ids/frame_lists.h"

namespace ptp::frame {
namespace {

constexpr CFolderColumnEntry kPolicyColumns[] = {
    {IDS_POLICY_NAME_HEADING, 35, 0},
    {IDS_POLICY_DESCRIPTION_HEADING, 50, 1},
};
constexpr int kDescriptionColumn = 1;

}  // namespace

CGroupAccessPoliciesData::CGroupAccessPoliciesData()
    : CPointToPointListData({kTypePoliciesFolder, kPolicyColumns, true, {}}) {}

HRESULT CGroupAccessPoliciesData::CreateInstance(REFIID riid, void** ppv) {
    return Deliver(new (std::nothrow) CGroupAccessPoliciesData(), riid, ppv);
}

void CGroupAccessPoliciesData::FolderOpened() {
    m_bConfigurationAuthority = ReadConfigurationAuthority(ServerName());
}

HRESULT CGroupAccessPoliciesData::LoadLocked() {
    fw::ModuleStateScope scope(TheApp().State());
    if (m_pPolicyFile) return S_OK;
    if (!m_bConfigurationAuthority) {
        if (!m_bMessageShown) ui::AfxMessageBox(IDS_NO_CONFIGURATION_AUTHORITY, ui::MB_ICONWARNING);
        m_bMessageShown = true;
        return E_FAIL;
    }
    auto file = std::make_unique<config::CPointToPointProfileGroupPolicyConfigFile>(
        config::ToUpper(ServerName()), config::kGroupPolicyConfigPath, 0);
    const int result = file->Load();
    if (result == 1 || result == 2) return E_FAIL;
    m_pPolicyFile = std::move(file);
    m_nRowCount = static_cast<long>(m_pPolicyFile->GetCount());
    m_records.clear();
    for (long index = 0; index < m_nRowCount; ++index) {
        const auto* policy = m_pPolicyFile->GetAt(static_cast<std::size_t>(index));
        m_records.push_back(std::make_unique<CGroupPolicyListRecord>(*policy));
    }
    return S_OK;
}

const config::CPointToPointProfileGroupPolicyConfigData* CGroupAccessPoliciesData::Record(
    long position) const {
    if (!m_pPolicyFile || position < 0) return nullptr;
    return m_pPolicyFile->GetAt(static_cast<std::size_t>(position));
}

fw::ITEMIDLIST* CGroupAccessPoliciesData::RowItemId(long position) {
    const auto* policy = Record(position);
    if (!policy) return nullptr;
    return fw::CreateItemId(policy->GetGroupPolicy(), kTypePolicy, position);
}

HRESULT CGroupAccessPoliciesData::RowText(int column, long position, std::string* text) {
    const auto* policy = Record(position);
    if (!policy) return E_FAIL;
    if (column != kDescriptionColumn) return S_OK;
    const std::string& description = policy->GetDescription();
    if (!config::EqualsNoCase(description, "*NONE")) *text = description;
    return S_OK;
}

HRESULT CGroupAccessPoliciesData::ResetRows() {
    m_records.clear();
    m_pPolicyFile.reset();
    return S_OK;
}

host::IServerObject* CGroupAccessPoliciesData::RowElement(long position) {
    if (position < 0 || position >= static_cast<long>(m_records.size())) return nullptr;
    return m_records[static_cast<std::size_t>(position)].get();
}

}  // namespace ptp::frame
