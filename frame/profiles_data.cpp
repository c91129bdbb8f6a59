#include "frame/profiles_data.h"

#include <new>

#include "config/config_text.h"
#include "frame/frame_messages.h"
#include "frame/point_to_point_ext_app.h"
#include "frame/point_to_point_selected_object.h"
#include "frame/type_codes.h"
#include "platform/framework/trace_log.h"
#include "platform/vocabulary/code_text.h"
#include "platform/vocabulary/kinds.h"
#include "platform/vocabulary/profile.h"
#include "resources/ids/frame_lists.h"

namespace ptp::frame {
namespace {

// Headings of the folders' own columns, used when the console has no definitions for "NPF".
constexpr CFolderColumnEntry kProfileColumns[] = {
    {IDS_PROFILE_COLUMN_NAME, 100, 1},
    {IDS_PROFILE_COLUMN_PROTOCOL, 60, 2},
    {IDS_PROFILE_COLUMN_STATUS, 120, 3},
    {IDS_PROFILE_COLUMN_LINE, 120, 4},
    {IDS_PROFILE_COLUMN_LINE_TYPE, 90, 5},
    {IDS_PROFILE_COLUMN_CONNECTION, 80, 6},
    {IDS_PROFILE_COLUMN_REMOTE_ADDRESS, 100, 7},
    {IDS_PROFILE_COLUMN_LOCAL_ADDRESS, 100, 8},
    {IDS_PROFILE_COLUMN_JOB, 100, 9},
    {IDS_PROFILE_COLUMN_DESCRIPTION, 200, 10},
};

}  // namespace

CProfilesData::CProfilesData()
    : CPointToPointListData({kTypeOriginatorFolder, kProfileColumns, false, kinds::kProfileList}) {}

HRESULT CProfilesData::CreateInstance(REFIID riid, void** ppv) {
    return Deliver(new (std::nothrow) CProfilesData(), riid, ppv);
}

bool CProfilesData::IsReceiverFolder() const {
    return FolderType() == kTypeReceiverFolder;
}

bool CProfilesData::ShowsGroupPoliciesRow() const {
    return IsReceiverFolder() && m_bV5R1;
}

void CProfilesData::FolderOpened() {
    const std::string release = ReadServerRelease();
    m_bV5R2 = ReleaseAtLeast(release, kReleaseV5R2);
    m_bV5R1 = ReleaseAtLeast(release, kReleaseV5R1);
}

HRESULT CProfilesData::LoadLocked() {
    fw::ModuleStateScope scope(TheApp().State());
    if (!m_rows.empty() || HasError()) return S_OK;
    host::IServerList* list = List();
    if (!list) return E_FAIL;
    host::SOFError* error = nullptr;
    if (!ListIsOpen(&error) && !error) list->Open(&error);
    if (error) {
        KeepError(error);
        return E_FAIL;
    }
    if (ShowsGroupPoliciesRow()) {
        auto row = std::make_unique<CProfilesCache>(0);
        // The first row of a receiver folder names the group access policies folder.
        row->SetField(1, FrameText(IDS_GROUP_POLICIES_ROW));
        m_rows.push_back(std::move(row));
        ++m_nRowCount;
    }
    const long count = list->GetCount(&error);
    for (long index = 0; index < count && !error; ++index) {
        host::IServerObject* element = list->ElementAt(index, &error);
        if (!element) break;
        const std::string mode = element->GetAttributeText(attr::profile::kMode, &error);
        if (error) break;
        const bool answers = code::Is(mode, code::mode::kAnswer);
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

const CProfilesCache* CProfilesData::Row(long position) const {
    if (position < 0 || position >= static_cast<long>(m_rows.size())) return nullptr;
    return m_rows[static_cast<std::size_t>(position)].get();
}

fw::ITEMIDLIST* CProfilesData::RowItemId(long position) {
    if (HasError()) return nullptr;
    const CProfilesCache* row = Row(position);
    if (!row) {
        ReportMissingRow("Server Object not found in CProfilesData::At()");
        return nullptr;
    }
    std::string_view typeCode = kTypeOriginatorProfile;
    if (IsReceiverFolder()) {
        typeCode =
            position == 0 && ShowsGroupPoliciesRow() ? kTypePoliciesFolder : kTypeReceiverProfile;
    }
    return fw::CreateItemId(row->Field(1), typeCode, position);
}

HRESULT CProfilesData::RowText(int column, long position, std::string* text) {
    if (HasError()) return E_FAIL;
    const CProfilesCache* row = Row(position);
    if (!row) {
        ReportMissingRow("Profiles cache object not found in CProfilesCache::GetColumnDataItem()");
        return E_FAIL;
    }
    *text = row->GetColumnDataItem(column);
    return S_OK;
}

host::IServerObject* CProfilesData::RowElement(long position) {
    const CProfilesCache* row = HasError() ? nullptr : Row(position);
    return row ? ListElement(row->ListPosition()) : nullptr;
}

HRESULT CProfilesData::ResetRows() {
    m_rows.clear();
    host::SOFError* error = nullptr;
    if (ListIsOpen(&error)) List()->Refresh(0, &error);
    if (!error) return S_OK;
    error->Destroy();
    return E_FAIL;
}

}  // namespace ptp::frame
