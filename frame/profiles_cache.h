#pragma once
// One row of a profile folder: the profile's position in the server's profile list and the ten
// texts the folder shows for it.
#include <array>
#include <string>

namespace ptp::host {
class IServerObject;
class SOFError;
}  // namespace ptp::host

namespace ptp::frame {

class CProfilesCache {
  public:
    static constexpr int kFieldCount = 10;

    CProfilesCache() = default;
    explicit CProfilesCache(long listPosition) : m_nListPosition(listPosition) {}

    // Reads the row of profile list element `element` (server release at least V5R2 or not).
    // False, with `*error` set, when an attribute could not be read.
    bool Fill(host::IServerObject& element, bool releaseV5R2, host::SOFError** error);

    [[nodiscard]] long ListPosition() const { return m_nListPosition; }
    // Field 1 to 10; empty for any other number.
    [[nodiscard]] const std::string& Field(int field) const;
    void SetField(int field, std::string text);
    // The text of console column `column` (1 to 10); the columns show the fields in their own
    // order.
    [[nodiscard]] const std::string& GetColumnDataItem(int column) const;

  private:
    long m_nListPosition = 0;
    std::array<std::string, kFieldCount> m_fields;
};

}  // namespace ptp::frame
