#include "frame/modems_data.h"

#include <new>

#include "config/config_text.h"
#include "frame/folder_columns.h"
#include "frame/frame_messages.h"
#include "frame/point_to_point_ext_app.h"
#include "frame/type_codes.h"
#include "host/object_kinds.h"

namespace ptp::frame {
namespace {

constexpr std::size_t kModemAttributeCapacity = 1024;
constexpr int kListOpen = 1;
constexpr int kListLoaded = 2;
constexpr UINT IDS_MODEM_SYSTEM = 29260;
constexpr UINT IDS_MODEM_USER = 29261;
constexpr UINT IDS_MODEM_ANALOG = 29262;
constexpr UINT IDS_MODEM_ISDN = 29263;

// Column n shows modem attribute n; 0 is the name, 1 and 2 are shown as texts.
constexpr CFolderColumnEntry kModemColumns[] = {
    {35020, 200, 0}, {35021, 90, 1},  {35022, 90, 2},  {35023, 150, 3},
    {35024, 150, 4}, {35025, 120, 5}, {35026, 120, 6},
};

std::string ReadAttribute(host::IServerObject& element, int id, host::SOFError** error) {
    char buffer[kModemAttributeCapacity] = {};
    element.GetAttribute(id, buffer, sizeof buffer, error);
    return buffer;
}

}  // namespace

HRESULT CModemsData::CreateInstance(REFIID riid, void** ppv) {
    return Deliver(new (std::nothrow) CModemsData(), riid, ppv);
}

CModemsData::~CModemsData() {
    if (m_pError && !host::IsAlreadyReported(m_pError)) m_pError->Destroy();
}

HRESULT CModemsData::OpenFolder(const fw::ITEMIDLIST* folder) {
    fw::ModuleStateScope scope(TheApp().State());
    if (!TakeFolder(folder)) return E_INVALIDARG;
    host::IHost* host = host::GetHost();
    if (!host) return E_FAIL;
    m_pModemList = host->Objects().CreateList(host::kinds::kModem, host::kClientName, ServerName(),
                                              "", &m_pError);
    return S_OK;
}

HRESULT CModemsData::LoadLocked() {
    fw::ModuleStateScope scope(TheApp().State());
    if (m_pError || !m_pModemList) return E_FAIL;
    const int state = m_pModemList->GetState(&m_pError);
    if (m_pError) return E_FAIL;
    if (state == kListOpen || state == kListLoaded) return S_OK;
    m_pModemList->Open(&m_pError);
    if (m_pError) return E_FAIL;
    m_nRowCount = m_pModemList->GetCount(&m_pError);
    return m_pError ? E_FAIL : S_OK;
}

HRESULT CModemsData::GetCount(long* count) {
    fw::ModuleStateScope scope(TheApp().State());
    if (!count) return E_POINTER;
    auto lock = LockRows();
    *count = m_nRowCount;
    if (!m_pModemList || m_pError) return fw::FOLDER_E_WAIT;
    host::SOFError* error = nullptr;
    const HRESULT result = WaitForList(*m_pModemList, &error);
    if (error) error->Destroy();
    return result;
}

host::IServerObject* CModemsData::Element(long position) const {
    if (!m_pModemList || m_pError || position < 0 || position >= m_nRowCount) return nullptr;
    host::SOFError* error = nullptr;
    host::IServerObject* element = m_pModemList->ElementAt(position, &error);
    if (!error) return element;
    error->Destroy();
    return nullptr;
}

fw::ITEMIDLIST* CModemsData::ItemAt(long position) {
    fw::ModuleStateScope scope(TheApp().State());
    auto lock = LockRows();
    host::IServerObject* element = Element(position);
    if (!element) return nullptr;
    host::SOFError* error = nullptr;
    const std::string name = ReadAttribute(*element, 0, &error);
    if (error) {
        error->Destroy();
        return nullptr;
    }
    return fw::CreateItemId(name, kTypeModem, position);
}

HRESULT CModemsData::GetColumns(std::vector<fw::FolderColumn>* columns) {
    fw::ModuleStateScope scope(TheApp().State());
    if (!columns) return E_POINTER;
    *columns = FolderColumns(kTypeModemsFolder, kModemColumns);
    return S_OK;
}

HRESULT CModemsData::GetColumnText(int column, const fw::ITEMIDLIST* item, std::string* text) {
    fw::ModuleStateScope scope(TheApp().State());
    if (!text) return E_POINTER;
    text->clear();
    auto lock = LockRows();
    const auto position = ItemPosition(item);
    host::IServerObject* element = position ? Element(*position) : nullptr;
    if (!element) return E_FAIL;
    host::SOFError* error = nullptr;
    const std::string value = ReadAttribute(*element, column, &error);
    if (error) {
        error->Destroy();
        return E_FAIL;
    }
    if (column == 1) {
        *text = FrameText(config::EqualsNoCase(value, "1") ? IDS_MODEM_SYSTEM
                                                                     : IDS_MODEM_USER);
    } else if (column == 2) {
        *text = FrameText(config::EqualsNoCase(value, "1") ? IDS_MODEM_ANALOG
                                                                     : IDS_MODEM_ISDN);
    } else {
        *text = value;
    }
    return S_OK;
}

HRESULT CModemsData::Reset() {
    fw::ModuleStateScope scope(TheApp().State());
    auto lock = LockRows();
    m_nRowCount = 0;
    if (!m_pModemList || m_pError) return S_OK;
    // Closed, the list is read afresh by the next load.
    host::SOFError* error = nullptr;
    m_pModemList->Close(&error);
    if (!error) return S_OK;
    error->Destroy();
    return E_FAIL;
}

host::IServerObject* CModemsData::GetListObject(const fw::ITEMIDLIST* item) {
    fw::ModuleStateScope scope(TheApp().State());
    auto lock = LockRows();
    const auto position = ItemPosition(item);
    host::IServerObject* element = position ? Element(*position) : nullptr;
    if (!element) ReportMissingRow("Server list element not found in GetListObject");
    return element;
}

}  // namespace ptp::frame
