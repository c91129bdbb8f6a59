#include "frame/point_to_point_list_data.h"

#include <array>
#include <cstring>

#include "config/config_text.h"
#include "frame/frame_messages.h"
#include "frame/point_to_point_ext_app.h"
#include "platform/framework/column_definitions.h"
#include "platform/framework/console_services.h"
#include "platform/framework/trace_log.h"
#include "platform/ui/message_box.h"
#include "platform/ui/ui_constants.h"
#include "resources/ids/frame_lists.h"

namespace ptp::frame {
namespace {

constexpr int kListOpen = 1;
constexpr int kListRead = 2;

const std::string& ServerElementText() {
    static const std::string text = fw::ItemIdText("\\\\", "QZY", 0);
    return text;
}

}  // namespace

CPointToPointListData::CPointToPointListData(const CFolderKind& kind) : m_kind(kind) {
    TheApp().State().com.ObjectCreated();
}

CPointToPointListData::~CPointToPointListData() {
    if (m_pError && !host::IsAlreadyReported(m_pError)) m_pError->Destroy();
    m_pList.reset();
    TheApp().State().com.ObjectDestroyed();
}

HRESULT CPointToPointListData::Deliver(CPointToPointListData* created, REFIID riid, void** ppv) {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    if (!created) return E_OUTOFMEMORY;
    const HRESULT hr = created->QueryInterface(riid, ppv);
    created->Release();
    return hr;
}

HRESULT CPointToPointListData::QueryInterface(REFIID riid, void** ppv) {
    fw::ModuleStateScope scope(TheApp().State());
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    if (riid != IID_IUnknown && riid != fw::IID_IFolderListData && riid != fw::IID_IFolderData) {
        return E_NOINTERFACE;
    }
    *ppv = static_cast<fw::IFolderData*>(this);
    AddRef();
    return S_OK;
}

ULONG CPointToPointListData::AddRef() {
    return ++m_dwRef;
}

ULONG CPointToPointListData::Release() {
    fw::ModuleStateScope scope(TheApp().State());
    const ULONG refs = --m_dwRef;
    if (refs == 0) delete this;
    return refs;
}

bool CPointToPointListData::TakeFolder(const fw::ITEMIDLIST* folder) {
    const auto texts = fw::ItemIdListTexts(folder);
    if (!texts.empty()) {
        const auto last = fw::ParseItemIdText(texts.back());
        m_strFolderType = last ? last->typeCode : std::string();
    }
    const fw::ITEMIDLIST* server = fw::FindItemIdElement(folder, ServerElementText());
    if (!server) return false;
    m_folderItemId.Set(server);
    const auto fromServer = m_folderItemId.Texts();
    m_strServerName.clear();
    if (fromServer.size() < 2) return true;
    const auto system = fw::ParseItemIdText(fromServer[1]);
    m_strServerName = config::ToUpper(system ? system->name : fromServer[1]);
    return true;
}

std::optional<long> CPointToPointListData::ItemPosition(const fw::ITEMIDLIST* item) {
    if (!item) return std::nullopt;
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(item);
    const std::size_t size = fw::ItemIdListSize(item);
    if (m_lastItem.size() != size || std::memcmp(m_lastItem.data(), bytes, size) != 0) {
        m_nLastPosition = fw::ItemIdPosition(item).value_or(-1);
        m_lastItem.assign(bytes, bytes + size);
    }
    if (m_nLastPosition < 0) return std::nullopt;
    return m_nLastPosition;
}

void CPointToPointListData::ReportMissingRow(std::string_view trace) {
    fw::TraceInternal(trace);
    ui::AfxMessageBox(IDS_ROW_NOT_FOUND, ui::MB_ICONWARNING);
}

void CPointToPointListData::KeepError(host::SOFError* error) {
    if (!error) return;
    if (m_pError && !host::IsAlreadyReported(m_pError)) m_pError->Destroy();
    m_pError = error;
}

bool CPointToPointListData::ListIsOpen(host::SOFError** error) const {
    if (!m_pList) return false;
    const int state = m_pList->GetState(error);
    return !*error &&
           (state == kListOpen || state == kListRead || state == host::kListStateComplete ||
            state == host::kListStateCompleteWithErrors);
}

host::IServerObject* CPointToPointListData::ListElement(long position) const {
    if (!m_pList || m_pError || position < 0) return nullptr;
    host::SOFError* error = nullptr;
    host::IServerObject* element = m_pList->ElementAt(position, &error);
    if (!error) return element;
    error->Destroy();
    return nullptr;
}

HRESULT CPointToPointListData::OpenFolder(const fw::ITEMIDLIST* folder) {
    fw::ModuleStateScope scope(TheApp().State());
    if (!TakeFolder(folder)) return E_INVALIDARG;
    FolderOpened();
    if (m_kind.listKind.empty()) return S_OK;
    host::IHost* host = host::GetHost();
    if (!host) return E_FAIL;
    host::SOFError* error = nullptr;
    m_pList =
        host->Objects().CreateList(m_kind.listKind, host::kClientName, ServerName(), "", &error);
    KeepError(error);
    return S_OK;
}

HRESULT CPointToPointListData::GetCount(long* count) {
    fw::ModuleStateScope scope(TheApp().State());
    if (!count) return E_POINTER;
    auto lock = LockRows();
    *count = m_nRowCount;
    if (m_kind.listKind.empty()) return fw::FOLDER_S_COMPLETE;
    if (!m_pList) return fw::FOLDER_E_WAIT;
    host::SOFError* error = nullptr;
    int state = m_pList->GetState(&error);
    while (!error && state != host::kListStateComplete &&
           state != host::kListStateCompleteWithErrors) {
        m_pList->WaitStep(&error);
        if (!error) state = m_pList->GetState(&error);
    }
    if (error) {
        KeepError(error);
        return fw::FOLDER_E_WAIT;
    }
    return state == host::kListStateComplete ? fw::FOLDER_S_COMPLETE : fw::FOLDER_S_PARTIAL;
}

fw::ITEMIDLIST* CPointToPointListData::ItemAt(long position) {
    fw::ModuleStateScope scope(TheApp().State());
    auto lock = LockRows();
    return RowItemId(position);
}

HRESULT CPointToPointListData::GetColumns(std::vector<fw::FolderColumn>* columns) {
    fw::ModuleStateScope scope(TheApp().State());
    if (!columns) return E_POINTER;
    *columns = FolderColumns(m_kind.columnsType, m_kind.columns);
    if (!m_kind.ownHeadings || !fw::GetColumnDefinitions(m_kind.columnsType)) return S_OK;
    for (std::size_t i = 0; i < columns->size() && i < m_kind.columns.size(); ++i) {
        (*columns)[i].heading = FrameText(m_kind.columns[i].heading).substr(0, kMaxColumnHeading);
    }
    return S_OK;
}

HRESULT CPointToPointListData::GetColumnText(int column, const fw::ITEMIDLIST* item,
                                             std::string* text) {
    fw::ModuleStateScope scope(TheApp().State());
    if (!text) return E_POINTER;
    text->clear();
    auto lock = LockRows();
    return RowText(column, ItemPosition(item).value_or(-1), text);
}

HRESULT CPointToPointListData::Reset() {
    fw::ModuleStateScope scope(TheApp().State());
    auto lock = LockRows();
    m_nRowCount = 0;
    return ResetRows();
}

host::IServerObject* CPointToPointListData::GetListObject(const fw::ITEMIDLIST* item) {
    fw::ModuleStateScope scope(TheApp().State());
    auto lock = LockRows();
    const auto position = ItemPosition(item);
    host::IServerObject* element = position ? RowElement(*position) : nullptr;
    if (!element) ReportMissingRow("Server list element not found in GetListObject");
    return element;
}

std::string CPointToPointListData::ReadServerRelease() const {
    std::array<char, fw::kServerReleaseLength> release{};
    if (!fw::ServerFacts().GetServerRelease(m_strServerName, release.data(), release.size())) {
        return {};
    }
    release.back() = '\0';
    return release.data();
}

}  // namespace ptp::frame
