#include "frame/group_access_policies_data.h"

#include <new>

#include "config/config_paths.h"
#include "config/config_text.h"
#include "frame/folder_columns.h"
#include "frame/frame_messages.h"
#include "frame/point_to_point_ext_app.h"
#include "frame/type_codes.h"
#include "platform/framework/column_definitions.h"
#include "platform/framework/console_services.h"
#include "platform/ui/message_box.h"
#include "platform/ui/ui_constants.h"

namespace ptp::frame {
namespace {

constexpr UINT IDS_POLICY_NAME_HEADING = 27851;
constexpr UINT IDS_POLICY_DESCRIPTION_HEADING = 27771;
constexpr CFolderColumnEntry kPolicyColumns[] = {
    {IDS_POLICY_NAME_HEADING, 35, 0},
    {IDS_POLICY_DESCRIPTION_HEADING, 50, 1},
};
constexpr int kDescriptionColumn = 1;

}  // namespace

HRESULT CGroupAccessPoliciesData::CreateInstance(REFIID riid, void** ppv) {
    return Deliver(new (std::nothrow) CGroupAccessPoliciesData(), riid, ppv);
}

HRESULT CGroupAccessPoliciesData::OpenFolder(const fw::ITEMIDLIST* folder) {
    fw::ModuleStateScope scope(TheApp().State());
    if (!TakeFolder(folder)) return E_INVALIDARG;
    host::SOFError* error = nullptr;
    m_bConfigurationAuthority =
        fw::ServerFacts().HasAuthority(ServerName(), fw::kConfigurationAuthority, &error);
    if (!error) return S_OK;
    m_bConfigurationAuthority = false;
    if (!host::IsAlreadyReported(error)) error->Destroy();
    return S_OK;
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

HRESULT CGroupAccessPoliciesData::GetCount(long* count) {
    fw::ModuleStateScope scope(TheApp().State());
    if (!count) return E_POINTER;
    auto lock = LockRows();
    *count = m_nRowCount;
    return fw::FOLDER_S_COMPLETE;
}

const config::CPointToPointProfileGroupPolicyConfigData* CGroupAccessPoliciesData::Record(
    const fw::ITEMIDLIST* item) const {
    const auto position = ItemPosition(item);
    if (!position || !m_pPolicyFile) return nullptr;
    return m_pPolicyFile->GetAt(static_cast<std::size_t>(*position));
}

fw::ITEMIDLIST* CGroupAccessPoliciesData::ItemAt(long position) {
    fw::ModuleStateScope scope(TheApp().State());
    auto lock = LockRows();
    if (!m_pPolicyFile || position < 0) return nullptr;
    const auto* policy = m_pPolicyFile->GetAt(static_cast<std::size_t>(position));
    if (!policy) return nullptr;
    return fw::CreateItemId(policy->GetGroupPolicy(), kTypePolicy, position);
}

// The console's definitions keep their widths but take the folder's headings.
HRESULT CGroupAccessPoliciesData::GetColumns(std::vector<fw::FolderColumn>* columns) {
    fw::ModuleStateScope scope(TheApp().State());
    if (!columns) return E_POINTER;
    *columns = FolderColumns(kTypePoliciesFolder, kPolicyColumns);
    if (!fw::GetColumnDefinitions(kTypePoliciesFolder)) return S_OK;
    for (std::size_t i = 0; i < columns->size() && i < std::size(kPolicyColumns); ++i) {
        (*columns)[i].heading =
            FrameText(kPolicyColumns[i].heading).substr(0, kMaxColumnHeading);
    }
    return S_OK;
}

HRESULT CGroupAccessPoliciesData::GetColumnText(int column, const fw::ITEMIDLIST* item,
                                                std::string* text) {
    fw::ModuleStateScope scope(TheApp().State());
    if (!text) return E_POINTER;
    text->clear();
    auto lock = LockRows();
    const auto* policy = Record(item);
    if (!policy) return E_FAIL;
    if (column != kDescriptionColumn) return S_OK;
    const std::string& description = policy->GetDescription();
    if (!config::EqualsNoCase(description, "*NONE")) *text = description;
    return S_OK;
}

HRESULT CGroupAccessPoliciesData::Reset() {
    fw::ModuleStateScope scope(TheApp().State());
    auto lock = LockRows();
    m_records.clear();
    m_pPolicyFile.reset();
    m_nRowCount = 0;
    return S_OK;
}

host::IServerObject* CGroupAccessPoliciesData::GetListObject(const fw::ITEMIDLIST* item) {
    fw::ModuleStateScope scope(TheApp().State());
    auto lock = LockRows();
    const auto position = ItemPosition(item);
    if (!position || *position < 0 || *position >= static_cast<long>(m_records.size())) {
        ReportMissingRow("Server list element not found in GetListObject");
        return nullptr;
    }
    return m_records[static_cast<std::size_t>(*position)].get();
}

}  // namespace ptp::frame
