#include "frame/modems_data.h"

#include <new>

#include "config/config_text.h"
#include "frame/frame_messages.h"
#include "frame/point_to_point_ext_app.h"
#include "frame/type_codes.h"
#include "platform/vocabulary/kinds.h"
#include "platform/vocabulary/modem.h"
#include "resources/ids/frame_lists.h"

namespace ptp::frame {
namespace {

constexpr std::size_t kModemAttributeCapacity = 1024;

namespace md = attr::modem;

// Column n shows modem attribute n; the system flag and the kind are shown as texts.
constexpr CFolderColumnEntry kModemColumns[] = {
    {IDS_MODEM_COLUMN_NAME, 200, md::kName},
    {IDS_MODEM_COLUMN_ORIGIN, 90, md::kSystem},
    {IDS_MODEM_COLUMN_TYPE, 90, md::kKind},
    {IDS_MODEM_COLUMN_INIT, 150, md::kInitCommand},
    {IDS_MODEM_COLUMN_RESET, 150, md::kResetCommand},
    {IDS_MODEM_COLUMN_DIAL, 120, md::kDialCommand},
    {IDS_MODEM_COLUMN_ANSWER, 120, md::kAnswerCommand},
};

std::string ReadAttribute(host::IServerObject& element, int id, host::SOFError** error) {
    // A read that succeeds ends the text with a NUL; only the start needs clearing for one
    // that fails, and every cell of the folder is read this way.
    char buffer[kModemAttributeCapacity];
    buffer[0] = '\0';
    element.GetAttribute(id, buffer, sizeof buffer, error);
    return buffer;
}

}  // namespace

CModemsData::CModemsData()
    : CPointToPointListData({kTypeModemsFolder, kModemColumns, false, kinds::kModem}) {}

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
    const std::string name = ReadAttribute(*element, md::kName, &error);
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
    std::string value = ReadAttribute(*element, column, &error);
    if (error) {
        error->Destroy();
        return E_FAIL;
    }
    if (column == md::kSystem) {
        const bool system = config::EqualsNoCase(value, code::modem_system::kSupplied);
        *text = FrameText(system ? IDS_MODEM_SYSTEM : IDS_MODEM_USER);
    } else if (column == md::kKind) {
        const bool analog = config::EqualsNoCase(value, code::modem_kind::kAnalog);
        *text = FrameText(analog ? IDS_MODEM_ANALOG : IDS_MODEM_ISDN);
    } else {
        *text = std::move(value);
    }
    return S_OK;
}

HRESULT CModemsData::ResetRows() {
    if (!List() || HasError()) return S_OK;
    // An open list is read again where it stands; the next load finds it open and keeps the
    // rows counted here.
    host::SOFError* error = nullptr;
    if (ListIsOpen(&error)) List()->Refresh(0, &error);
    if (!error && ListIsOpen(&error)) m_nRowCount = List()->GetCount(&error);
    if (!error) return S_OK;
    error->Destroy();
    return E_FAIL;
}

}  // namespace ptp::frame
