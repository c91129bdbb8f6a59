#include "frame/modems_data.h"

#include <new>
#include <optional>

#include "config/config_text.h"
#include "frame/frame_messages.h"
#include "frame/point_to_point_ext_app.h"
#include "frame/type_codes.h"
#include "platform/vocabulary/kinds.h"
#include "platform/vocabulary/modem.h"
#include "resources/ids/frame_lists.h"

namespace ptp::frame {
namespace {

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

// The row slot of a column, by the attribute it shows.
std::optional<std::size_t> ColumnSlot(int column) {
    for (std::size_t slot = 0; slot < std::size(kModemColumns); ++slot) {
        if (kModemColumns[slot].id == column) return slot;
    }
    return std::nullopt;
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
    if (error) {
        KeepError(error);
        return E_FAIL;
    }
    m_strSystemText = FrameText(IDS_MODEM_SYSTEM);
    m_strUserText = FrameText(IDS_MODEM_USER);
    m_strAnalogText = FrameText(IDS_MODEM_ANALOG);
    m_strIsdnText = FrameText(IDS_MODEM_ISDN);
    return ReadRows();
}

HRESULT CModemsData::ReadRows() {
    m_rows.clear();
    m_nRowCount = 0;
    host::SOFError* error = nullptr;
    const long count = List()->GetCount(&error);
    m_rows.reserve(error ? 0 : static_cast<std::size_t>(count));
    for (long position = 0; !error && position < count; ++position) {
        host::IServerObject* element = List()->ElementAt(position, &error);
        if (!element) break;
        if (!ReadRow(*element, m_rows.emplace_back(), &error)) break;
    }
    if (error) {
        m_rows.clear();
        KeepError(error);
        return E_FAIL;
    }
    m_nRowCount = static_cast<long>(m_rows.size());
    return S_OK;
}

bool CModemsData::ReadRow(host::IServerObject& element, Row& row, host::SOFError** error) const {
    static_assert(std::tuple_size_v<Row> == std::size(kModemColumns));
    for (std::size_t slot = 0; slot < row.size(); ++slot) {
        const int id = kModemColumns[slot].id;
        std::string value = element.GetAttributeText(id, error);
        if (*error) return false;
        if (id == md::kSystem) {
            const bool system = config::EqualsNoCase(value, code::modem_system::kSupplied);
            value = system ? m_strSystemText : m_strUserText;
        } else if (id == md::kKind) {
            const bool analog = config::EqualsNoCase(value, code::modem_kind::kAnalog);
            value = analog ? m_strAnalogText : m_strIsdnText;
        }
        row[slot] = std::move(value);
    }
    return true;
}

host::IServerObject* CModemsData::RowElement(long position) {
    return position < m_nRowCount ? ListElement(position) : nullptr;
}

fw::ITEMIDLIST* CModemsData::RowItemId(long position) {
    if (position < 0 || position >= m_nRowCount) return nullptr;
    const Row& row = m_rows[static_cast<std::size_t>(position)];
    return fw::CreateItemId(row[*ColumnSlot(md::kName)], kTypeModem, position);
}

HRESULT CModemsData::RowText(int column, long position, std::string* text) {
    if (position < 0 || position >= m_nRowCount) return E_FAIL;
    if (const auto slot = ColumnSlot(column)) {
        *text = m_rows[static_cast<std::size_t>(position)][*slot];
        return S_OK;
    }
    // A column the console defined itself shows whatever modem attribute it names.
    host::IServerObject* element = RowElement(position);
    if (!element) return E_FAIL;
    host::SOFError* error = nullptr;
    *text = element->GetAttributeText(column, &error);
    if (!error) return S_OK;
    error->Destroy();
    return E_FAIL;
}

HRESULT CModemsData::ResetRows() {
    if (!List() || HasError()) return S_OK;
    // An open list is read again where it stands, and its rows with it; the next load finds it
    // open and keeps them.
    host::SOFError* error = nullptr;
    if (!ListIsOpen(&error)) {
        m_rows.clear();
        if (!error) return S_OK;
        error->Destroy();
        return E_FAIL;
    }
    List()->Refresh(0, &error);
    if (!error) return ReadRows() == S_OK ? S_OK : E_FAIL;
    error->Destroy();
    return E_FAIL;
}

}  // namespace ptp::frame
