#include "frame/profiles_data.h"

#include <new>

#include "config/config_text.h"
#include "frame/folder_columns.h"
#include "frame/frame_messages.h"
#include "frame/point_to_point_ext_app.h"
#include "frame/point_to_point_selected_object.h"
#include "frame/type_codes.h"
#include "host/object_kinds.h"
#include "platform/framework/shared_allocator.h"
#include "platform/framework/trace_log.h"

namespace ptp::frame {
namespace {

constexpr int kListOpen = 1;
constexpr int kListLoaded = 2;
constexpr std::string_view kModeAnswer = "2";

// Headings of the folders' own columns, used when the console has no definitions for "NPF".
constexpr CFolderColumnEntry kProfileColumns[] = {
    {35000, 100, 1}, {35001, 60, 2},  {35002, 120, 3}, {35003, 120, 4}, {35004, 90, 5},
    {35005, 80, 6},  {35006, 100, 7}, {35007, 100, 8}, {35008, 100, 9}, {35009, 200, 10},
};

}  // namespace

HRESULT CProfilesData::CreateInstance(REFIID riid, void** ppv) {
    return Deliver(new (std::nothrow) CProfilesData(), riid, ppv);
}

CProfilesData::~CProfilesData() {
    if (m_pError && !host::IsAlreadyReported(m_pError)) m_pError->Destroy();
}

void CProfilesData::KeepError(host::SOFError* error) {
    if (!error) return;
    if (m_pError && !host::IsAlreadyReported(m_pError)) m_pError->Destroy();
    m_pError = error;
}

bool CProfilesData::IsReceiverFolder() const {
    return FolderType() == kTypeReceiverFolder;
}

bool CProfilesData::ShowsGroupPoliciesRow() const {
    return IsReceiverFolder() && m_bV5R1;
}

HRESULT CProfilesData::OpenFolder(const fw::ITEMIDLIST* folder) {
    fw::ModuleStateScope scope(TheApp().State());
    if (!TakeFolder(folder)) return E_INVALIDARG;
    const std::string release = ReadServerRelease();
    m_bV5R2 = ReleaseAtLeast(release, kReleaseV5R2);
    m_bV5R1 = ReleaseAtLeast(release, kReleaseV5R1);
    host::IHost* host = host::GetHost();
    if (!host) return E_FAIL;
    host::SOFError* error = nullptr;
    m_pProfileList = host->Objects().CreateList(host::kinds::kProfileList, host::kClientName,
                                                ServerName(), "", &error);
    KeepError(error);
    return S_OK;
}

HRESULT CProfilesData::LoadLocked() {
    fw::ModuleStateScope scope(TheApp().State());
    if (!m_rows.empty() || m_pError) return S_OK;
    if (!m_pProfileList) return E_FAIL;
    host::SOFError* error = nullptr;
    const int state = m_pProfileList->GetState(&error);
    if (!error && state != kListOpen && state != kListLoaded) m_pProfileList->Open(&error);
    if (error) {
        KeepError(error);
        return E_FAIL;
    }
    if (ShowsGroupPoliciesRow()) {
        auto row = std::make_unique<CProfilesCache>(0);
        row->SetField(1, FrameText(IDS_GROUP_POLICIES_ROW));
        m_rows.push_back(std::move(row));
        ++m_nRowCount;
    }
    const long count = m_pProfileList->GetCount(&error);
    for (long index = 0; index < count && !error; ++index) {
        host::IServerObject* element = m_pProfileList->ElementAt(index, &error);
        if (!element) break;
        const std::string mode = element->GetAttributeText(1, &error);
        if (error) break;
        const bool answers = config::EqualsNoCase(mode, kModeAnswer);
        if (answers != IsReceiverFolder()) continue;
        std::unique_ptr<CProfilesCache> row(new (std::nothrow) CProfilesCache(index));
        if (!row) {
            fw::TraceInternal("Error allocating (new) CProfilesListCache class");
            return E_OUTOFMEMORY;
        }
        if (!row->Fill(*element, m_bV5R2, &error)) break;
        m_rows.push_back(std::move(row));
        ++m_nRowCount;
    }
    if (!error) return S_OK;
    KeepError(error);
    return E_FAIL;
}

HRESULT CProfilesData::GetCount(long* count) {
    fw::ModuleStateScope scope(TheApp().State());
    if (!count) return E_POINTER;
    auto lock = LockRows();
    *count = m_nRowCount;
    if (!m_pProfileList) return fw::FOLDER_E_WAIT;
    host::SOFError* error = nullptr;
    const HRESULT result = WaitForList(*m_pProfileList, &error);
    KeepError(error);
    return result;
}

fw::ITEMIDLIST* CProfilesData::ItemAt(long position) {
    fw::ModuleStateScope scope(TheApp().State());
    auto lock = LockRows();
    if (m_pError) return nullptr;
    if (position < 0 || position >= static_cast<long>(m_rows.size())) {
        ReportMissingRow("Server Object not found in CProfilesData::At()");
        return nullptr;
    }
    std::string_view typeCode = kTypeOriginatorProfile;
    if (IsReceiverFolder()) {
        typeCode =
            position == 0 && ShowsGroupPoliciesRow() ? kTypePoliciesFolder : kTypeReceiverProfile;
    }
    return fw::CreateItemId(m_rows[static_cast<std::size_t>(position)]->Field(1), typeCode,
                            position);
}

HRESULT CProfilesData::GetColumns(std::vector<fw::FolderColumn>* columns) {
    fw::ModuleStateScope scope(TheApp().State());
    if (!columns) return E_POINTER;
    *columns = FolderColumns(kTypeOriginatorFolder, kProfileColumns);
    return S_OK;
}

const CProfilesCache* CProfilesData::RowOf(const fw::ITEMIDLIST* item) const {
    const auto position = ItemPosition(item);
    if (!position || *position >= static_cast<long>(m_rows.size())) return nullptr;
    return m_rows[static_cast<std::size_t>(*position)].get();
}

HRESULT CProfilesData::GetColumnText(int column, const fw::ITEMIDLIST* item, std::string* text) {
    fw::ModuleStateScope scope(TheApp().State());
    if (!text) return E_POINTER;
    text->clear();
    auto lock = LockRows();
    if (m_pError) return E_FAIL;
    const CProfilesCache* row = RowOf(item);
    if (!row) {
        ReportMissingRow("Profiles cache object not found in CProfilesCache::GetColumnDataItem()");
        return E_FAIL;
    }
    *text = row->GetColumnDataItem(column);
    return S_OK;
}

HRESULT CProfilesData::Reset() {
    fw::ModuleStateScope scope(TheApp().State());
    auto lock = LockRows();
    m_rows.clear();
    m_nRowCount = 0;
    if (!m_pProfileList) return S_OK;
    host::SOFError* error = nullptr;
    const int state = m_pProfileList->GetState(&error);
    if (!error && (state == kListOpen || state == kListLoaded)) m_pProfileList->Refresh(0, &error);
    if (!error) return S_OK;
    error->Destroy();
    return E_FAIL;
}

host::IServerObject* CProfilesData::GetListObject(const fw::ITEMIDLIST* item) {
    fw::ModuleStateScope scope(TheApp().State());
    auto lock = LockRows();
    const CProfilesCache* row = m_pError ? nullptr : RowOf(item);
    host::IServerObject* element = nullptr;
    if (row && m_pProfileList) {
        host::SOFError* error = nullptr;
        element = m_pProfileList->ElementAt(row->ListPosition(), &error);
        if (error) error->Destroy();
    }
    if (!element) ReportMissingRow("Server list element not found in GetListObject");
    return element;
}

}  // namespace ptp::frame
