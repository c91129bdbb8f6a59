#pragma once
// Link identifiers of active connections. Connection attributes 8 (the link) and 11 (the bundle
// it belongs to) arrive as raw bytes; the identifier is the 32-bit number in bytes 4 to 7, most
// significant first. A bundle head is an element whose two identifiers are equal.
#include <cstddef>
#include <cstdint>
#include <string>

namespace ptp::frame {

// The number in bytes 4 to 7 of an attribute buffer of `capacity` bytes.
[[nodiscard]] std::uint32_t LinkIdFromBuffer(const char* buffer, std::size_t capacity);
// Eight upper-case hexadecimal digits.
[[nodiscard]] std::string LinkIdText(std::uint32_t linkId);

}  // namespace ptp::frame
