#pragma once
// The console's registry: keys holding named text values, kept in one small file so that a
// console, ptpctl and the tests see the same registrations. The file lives under the user's
// configuration folder unless a folder is given (SetRegistryDirectory, or PTP_REGISTRY_DIR for
// tests). Every call reports failure through its status; nothing is thrown.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/com/wintypes.h"

namespace ptp {

struct HKEY__;
using HKEY = HKEY__*;
using LSTATUS = long;
using REGSAM = DWORD;

inline constexpr LSTATUS ERROR_SUCCESS = 0;
inline constexpr LSTATUS ERROR_FILE_NOT_FOUND = 2;
inline constexpr LSTATUS ERROR_ACCESS_DENIED = 5;
inline constexpr LSTATUS ERROR_INVALID_HANDLE = 6;
inline constexpr LSTATUS ERROR_WRITE_FAULT = 29;
inline constexpr LSTATUS ERROR_READ_FAULT = 30;
inline constexpr LSTATUS ERROR_INVALID_PARAMETER = 87;
inline constexpr LSTATUS ERROR_NO_MORE_ITEMS = 259;

inline constexpr REGSAM KEY_QUERY_VALUE = 0x0001;
inline constexpr REGSAM KEY_SET_VALUE = 0x0002;
inline constexpr REGSAM KEY_CREATE_SUB_KEY = 0x0004;
inline constexpr REGSAM KEY_ENUMERATE_SUB_KEYS = 0x0008;
inline constexpr REGSAM KEY_READ = 0x20019;
inline constexpr REGSAM KEY_WRITE = 0x20006;
inline constexpr REGSAM KEY_ALL_ACCESS = 0xF003F;
inline constexpr REGSAM MAXIMUM_ALLOWED = 0x02000000;

// The predefined roots. They are always open and closing them does nothing.
inline HKEY const HKEY_CLASSES_ROOT = reinterpret_cast<HKEY>(std::uintptr_t{0x80000000u});
inline HKEY const HKEY_CURRENT_USER = reinterpret_cast<HKEY>(std::uintptr_t{0x80000001u});

// Opens an existing key below `parent`; an empty `subKey` opens `parent` itself again.
[[nodiscard]] LSTATUS RegOpenKeyEx(HKEY parent, std::string_view subKey, DWORD options,
                                   REGSAM access, HKEY* result);
// Opens a key below `parent`, creating it and every missing key above it.
[[nodiscard]] LSTATUS RegCreateKeyEx(HKEY parent, std::string_view subKey, REGSAM access,
                                     HKEY* result);
// A value name of "" is the key's default value.
[[nodiscard]] LSTATUS RegSetValueEx(HKEY key, std::string_view name, std::string_view value);
[[nodiscard]] LSTATUS RegQueryValueEx(HKEY key, std::string_view name, std::string* value);
// The name of the `index`-th direct subkey, in name order; ERROR_NO_MORE_ITEMS past the end.
[[nodiscard]] LSTATUS RegEnumKey(HKEY key, DWORD index, std::string* name);
// Removes `subKey` of `key` with everything below it.
[[nodiscard]] LSTATUS RegDeleteTree(HKEY key, std::string_view subKey);
LSTATUS RegCloseKey(HKEY key);

// The folder that holds the registry file. An explicit folder wins over PTP_REGISTRY_DIR, which
// wins over the user's configuration folder; an empty path returns to the default.
void SetRegistryDirectory(std::string directory);
[[nodiscard]] std::string RegistryDirectory();
[[nodiscard]] std::string RegistryFilePath();

// Handles opened and not yet closed in this process, so leaks show in tests.
[[nodiscard]] std::size_t OpenRegistryKeyCount();

}  // namespace ptp
