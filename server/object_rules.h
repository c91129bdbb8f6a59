#pragma once
// What the server refuses in an object whatever path the change takes (a commit of a server
// object, a CL command or a repair with ptpctl): names too long or malformed, values outside
// what the server keeps. Checked against the object as it would be after the change.
#include "server/object_record.h"
#include "server/result.h"

namespace ptp::server {

// `before` is the stored object, null for a new one.
Status CheckObject(const ObjectRecord& after, const ObjectRecord* before);

// True for names the server accepts for lines, profiles, network interfaces and other objects
// named like them: 1 to `maxLength` characters, a letter (or $ # @) first, then letters, digits,
// $ # @ _ and '.'. Case is not checked: the callers upper-case names.
bool IsObjectName(std::string_view name, std::size_t maxLength = 10);

// True for a dotted IPv4 address: four numbers of one to three digits, each at most 255.
bool IsInternetAddress(std::string_view text);

}  // namespace ptp::server
