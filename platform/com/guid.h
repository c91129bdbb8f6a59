#pragma once
// Globally unique identifiers: class ids and interface ids, parsed from and written in the braced
// form "{A206FAC3-B636-11D0-8E51-444553540000}".
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ptp {

struct GUID {
    std::uint32_t Data1 = 0;
    std::uint16_t Data2 = 0;
    std::uint16_t Data3 = 0;
    std::array<std::uint8_t, 8> Data4{};

    friend bool operator==(const GUID&, const GUID&) = default;
    friend auto operator<=>(const GUID&, const GUID&) = default;
};
using IID = GUID;
using CLSID = GUID;
using REFIID = const GUID&;
using REFCLSID = const GUID&;

inline constexpr GUID GUID_NULL{};

// Accepts the braced form, upper or lower case; anything else gives no value.
[[nodiscard]] std::optional<GUID> ParseGuid(std::string_view text);
// Writes the braced form in upper case.
[[nodiscard]] std::string FormatGuid(const GUID& guid);
// For constants known to be well formed; a malformed literal aborts at start-up, where tests see
// it.
[[nodiscard]] GUID GuidFromString(std::string_view text);

}  // namespace ptp
