#include "frame/point_to_point_list_data.h"

#include <array>

#include "config/config_text.h"
#include "frame/point_to_point_ext_app.h"
#include "platform/framework/console_services.h"
#include "platform/ui/message_box.h"
#include "platform/ui/ui_constants.h"
#include "platform/framework/trace_log.h"

namespace ptp::frame {
namespace {

const std::string& ServerElementText() {
    static const std::string text = fw::ItemIdText("\\\\", "QZY", 0);
    return text;
}

}  // namespace

CPointToPointListData::CPointToPointListData() {
    TheApp().State().com.ObjectCreated();
}

CPointToPointListData::~CPointToPointListData() {
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
    const auto texts = fw::ItemIdListTexts(item);
    if (texts.empty()) return std::nullopt;
    const auto fields = fw::ParseItemIdText(texts.back());
    if (!fields || fields->position < 0) return std::nullopt;
    return fields->position;
}

void CPointToPointListData::ReportMissingRow(std::string_view trace) {
    fw::TraceInternal(trace);
    ui::AfxMessageBox(IDS_ROW_NOT_FOUND, ui::MB_ICONWARNING);
}

HRESULT CPointToPointListData::WaitForList(host::IServerList& list, host::SOFError** error) {
    int state = list.GetState(error);
    while (!*error && state != host::kListStateComplete &&
           state != host::kListStateCompleteWithErrors) {
        list.WaitStep(error);
        if (!*error) state = list.GetState(error);
    }
    if (*error) return fw::FOLDER_E_WAIT;
    return state == host::kListStateComplete ? fw::FOLDER_S_COMPLETE : fw::FOLDER_S_PARTIAL;
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
