#include "frame/profiles_cache.h"

#include <cctype>

#include "config/config_text.h"
#include "frame/connection_kind_text.h"
#include "frame/connection_status_text.h"
#include "frame/frame_messages.h"
#include "frame/point_to_point_ext_app.h"
#include "host/host_services.h"
#include "platform/vocabulary/code_text.h"
#include "platform/vocabulary/profile.h"
#include "platform/vocabulary/status.h"
#include "resources/ids/frame_lists.h"

namespace ptp::frame {
namespace {

namespace prf = attr::profile;

// Every profile attribute is read into this many characters.
constexpr std::size_t kAttributeCapacity = 512;
// Column n shows field kColumnFields[n - 1].
constexpr int kColumnFields[CProfilesCache::kFieldCount] = {1, 2, 3, 5, 6, 4, 7, 8, 9, 10};

const std::string& EmptyText() {
    static const std::string empty;
    return empty;
}

// The name as the folders list it: its first character kept, the rest in lower case.
std::string ListedName(std::string name) {
    for (std::size_t i = 1; i < name.size(); ++i)
        name[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(name[i])));
    return name;
}

class AttributeReader {
  public:
    AttributeReader(host::IServerObject& element, host::SOFError** error)
        : m_element(element), m_error(error) {}

    // Empty once a read failed; every later read is skipped.
    std::string Read(int id) {
        if (Failed()) return {};
        // A read that succeeds ends the text with a NUL; the rest of the buffer is never looked
        // at, so it is not cleared for each of the many reads of a folder.
        char buffer[kAttributeCapacity];
        buffer[0] = '\0';
        m_element.GetAttribute(id, buffer, sizeof buffer, m_error);
        if (Failed()) return {};
        return buffer;
    }
    [[nodiscard]] bool Failed() const { return *m_error != nullptr; }

  private:
    host::IServerObject& m_element;
    host::SOFError** m_error;
};

}  // namespace

const std::string& CProfilesCache::Field(int field) const {
    if (field < 1 || field > kFieldCount) return EmptyText();
    return m_fields[static_cast<std::size_t>(field - 1)];
}

void CProfilesCache::SetField(int field, std::string text) {
    if (field < 1 || field > kFieldCount) return;
    m_fields[static_cast<std::size_t>(field - 1)] = std::move(text);
}

const std::string& CProfilesCache::GetColumnDataItem(int column) const {
    if (column < 1 || column > kFieldCount) return EmptyText();
    return Field(kColumnFields[column - 1]);
}

bool CProfilesCache::Fill(host::IServerObject& element, bool releaseV5R2, host::SOFError** error) {
    host::SOFError* local = nullptr;
    if (!error) error = &local;
    *error = nullptr;
    AttributeReader reader(element, error);
    SetField(1, ListedName(reader.Read(prf::kName)));
    const std::string protocol = reader.Read(prf::kProtocol);
    SetField(2, FrameText(code::Is(protocol, code::protocol::kSLIP) ? IDS_PROTOCOL_SLIP
                                                                    : IDS_PROTOCOL_PPP));
    const std::string status = reader.Read(prf::kStatus);
    const int statusCode = config::TextToInt(status);
    const auto& texts = TheApp().State().resources;
    if (statusCode != code::status::kOther) {
        SetField(3, texts ? StatusText(*texts, statusCode) : std::string());
    } else {
        SetField(3, releaseV5R2 ? reader.Read(prf::kStatusText) : status);
    }
    const std::string lineService = reader.Read(prf::kLineService);
    const std::string mode = reader.Read(prf::kMode);
    const std::string dialVariant = reader.Read(prf::kDialVariant);
    SetField(4, ConnectionKindText(lineService, mode, dialVariant));
    const std::string lineType = reader.Read(prf::kLineType);
    const bool pool = config::EqualsNoCase(lineType, code::profile_line_type::kPool);
    SetField(5, reader.Read(pool ? prf::kPoolName : prf::kLineName));
    SetField(6, lineType);
    SetField(7, reader.Read(prf::kListedLocalAddress));
    SetField(8, reader.Read(prf::kListedRemoteAddress));
    SetField(9, reader.Read(prf::kJobName));
    const std::string description = reader.Read(prf::kDescription);
    SetField(10, config::EqualsNoCase(description, "*BLANK") ? std::string() : description);
    const bool read = !reader.Failed();
    if (local) local->Destroy();
    return read;
}

}  // namespace ptp::frame
