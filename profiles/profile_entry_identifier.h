#pragma once
// The identifier of a profile's entry in its validation list: a 4-byte tag that says what the
// entry authenticates, then the profile name in upper case. The server keeps identifiers as
// upper-case hex, which is also how entries are named ("<list>/<hex>").
#include <string>
#include <string_view>

namespace ptp::profiles {

// The tag for local identification protocol `protocol` (attribute 28): 0 gives 10 55 00 00,
// 1 (PAP) C0 23 00 00, any other value (CHAP, EAP) C2 23 00 00; the network-service dial
// variant uses "WDN" and a zero byte instead.
[[nodiscard]] std::string ProfileEntryTag(int protocol, bool dialVariant);

// Tag and upper-cased name as the bytes the server gets; its length is the name's plus 4.
[[nodiscard]] std::string ProfileEntryIdentifier(std::string_view tag, std::string_view name);
// The length the server is given for such an identifier: tag, name and a terminating zero.
[[nodiscard]] std::size_t ProfileEntryIdentifierLength(std::string_view name);

[[nodiscard]] std::string HexOf(std::string_view bytes);
// The bytes an upper-case hex identifier stands for; a stray digit ends them.
[[nodiscard]] std::string BytesOfHex(std::string_view hex);

// The tags of the users a validation list holds besides the profiles' own entries.
inline constexpr std::string_view kSLIPEntryTag{"\x10\x55\x00\x00", 4};
inline constexpr std::string_view kL2TPEntryTag{"\xC2\x23\x00\x01", 4};
inline constexpr std::string_view kMultihopEntryTag{"HOP\0", 4};

// What an entry authenticates, as the validation-list dialog names it, by its identifier's tag.
inline constexpr std::string_view kEntryKindPAP = "PAP";
inline constexpr std::string_view kEntryKindCHAP = "CHAP";
inline constexpr std::string_view kEntryKindL2TP = "L2TP";
inline constexpr std::string_view kEntryKindSLIP = "SLIP";
inline constexpr std::string_view kEntryKindHOP = "HOP";
// Empty for a tag of no kind the dialog shows.
[[nodiscard]] std::string_view EntryKindOf(std::string_view identifier);

}  // namespace ptp::profiles
