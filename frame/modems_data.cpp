#include "frame/modems_data.h"

#include <new>

#include "config/config_text.h"
#include "frame/frame_messages.h"
#include "frame/point_to_point_ext_app.h"
#include "frame/type_codes.h"
#include "host/object_kinds.h"
#include "resources/ids/frame_lists.h"

namespace ptp::frame {
namespace {

constexpr std::size_t kModemAttributeCapacity = 1024;

// Column n shows modem attribute n; 0 is the name, 1 and 2 are shown as texts.
constexpr CFolderColumnEntry kModemColumns[] = {
    {IDS_MODEM_COLUMN_NAME, 200, 0},   {IDS_MODEM_COLUMN_ORIGIN, 90, 1},
    {IDS_MODEM_COLUMN_TYPE, 90, 2},    {IDS_MODEM_COLUMN_INIT, 150, 3},
    {IDS_MODEM_COLUMN_RESET, 150, 4},  {IDS_MODEM_COLUMN_DIAL, 120, 5},
    {IDS_MODEM_COLUMN_ANSWER, 120, 6},
};

std::string ReadAttribute(host::IServerObject& element, int id, host::SOFError** error) {
    char buffer[kModemAttributeCapacity] = {};
    element.GetAttribute(id, buffer, sizeof buffer, error);
    return buffer;
}

}  // namespace

CModemsData::CModemsData()
    : CPointToPointListData({kTypeModemsFolder, kModemColumns, false, host::kinds::kModem}) {}

HRESULT CModemsData::CreateInstance(REFIID riid, void** ppv) {
    return Deliver(new (std::nothrow) CModemsData(), riid, ppv);
}

HRESULT CModemsData::LoadLocked() {
    fw::ModuleStateScope scope(TheApp().State());
    if (HasError() || !List()) return E_FAIL;
    host::SOFError* error = nullptr;
    if (ListIsOpen(&error)) return S_OK;
    if (!error) List()->Open(&error);
    if (!error) m_nRowCount = List()->GetCount(&error);
    KeepError(error);
    return error ? E_FAIL : S_OK;
}

host::IServerObject* CModemsData::RowElement(long position) {
    return position < m_nRowCount ? ListElement(position) : nullptr;
}

fw::ITEMIDLIST* CModemsData::RowItemId(long position) {
    host::IServerObject* element = RowElement(position);
    if (!element) return nullptr;
    host::SOFError* error = nullptr;
    const std::string name = ReadAttribute(*element, 0, &error);
    if (error) {
        error->Destroy();
        return nullptr;
    }
    return fw::CreateItemId(name, kTypeModem, position);
}

HRESULT CModemsData::RowText(int column, long position, std::string* text) {
    host::IServerObject* element = RowElement(position);
    if (!element) return E_FAIL;
    host::SOFError* error = nullptr;
    const std::string value = ReadAttribute(*element, column, &error);
    if (error) {
        error->Destroy();
        return E_FAIL;
    }
    if (column == 1) {
        *text = FrameText(config::EqualsNoCase(value, "1") ? IDS_MODEM_SYSTEM : IDS_MODEM_USER);
    } else if (column == 2) {
        *text = FrameText(config::EqualsNoCase(value, "1") ? IDS_MODEM_ANALOG : IDS_MODEM_ISDN);
    } else {
        *text = value;
    }
    return S_OK;
}

HRESULT CModemsData::ResetRows() {
    if (!List() || HasError()) return S_OK;
    // Closed, the list is read afresh by the next load.
    host::SOFError* error = nullptr;
    List()->Close(&error);
    if (!error) return S_OK;
    error->Destroy();
    return E_FAIL;
}

}  // namespace ptp::frame
