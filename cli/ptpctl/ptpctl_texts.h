#pragma once
// Numbers of ptpctl's texts in the resource library (resources/strings/ptpctl.json).
#include <cstdint>

namespace ptp::cli::ids {

inline constexpr std::uint32_t kAbout = 32000;
inline constexpr std::uint32_t kStateOption = 32001;
inline constexpr std::uint32_t kSystemOption = 32002;
inline constexpr std::uint32_t kSystemCommand = 32003;
inline constexpr std::uint32_t kSystemAdd = 32004;
inline constexpr std::uint32_t kSystemAddName = 32005;
inline constexpr std::uint32_t kSystemAddRelease = 32006;
inline constexpr std::uint32_t kSystemAddNoAuthority = 32007;
inline constexpr std::uint32_t kSystemList = 32008;
inline constexpr std::uint32_t kDemo = 32009;
inline constexpr std::uint32_t kCl = 32010;
inline constexpr std::uint32_t kClCommand = 32011;
inline constexpr std::uint32_t kObjects = 32012;
inline constexpr std::uint32_t kObjectsKind = 32013;
inline constexpr std::uint32_t kObjectsName = 32014;
inline constexpr std::uint32_t kObjectsKinds = 32015;
inline constexpr std::uint32_t kObject = 32016;
inline constexpr std::uint32_t kObjectPut = 32017;
inline constexpr std::uint32_t kObjectPutValues = 32018;
inline constexpr std::uint32_t kObjectDelete = 32019;
inline constexpr std::uint32_t kFile = 32020;
inline constexpr std::uint32_t kFileGet = 32021;
inline constexpr std::uint32_t kFileServerPath = 32022;
inline constexpr std::uint32_t kFileGetLocal = 32023;
inline constexpr std::uint32_t kFilePut = 32024;
inline constexpr std::uint32_t kFilePutLocal = 32025;
inline constexpr std::uint32_t kFileCcsid = 32026;
inline constexpr std::uint32_t kFileLs = 32027;
inline constexpr std::uint32_t kFilePattern = 32028;
inline constexpr std::uint32_t kLog = 32029;
inline constexpr std::uint32_t kLogTail = 32030;
inline constexpr std::uint32_t kClock = 32031;
inline constexpr std::uint32_t kClockAdvance = 32032;
inline constexpr std::uint32_t kClockSeconds = 32033;
inline constexpr std::uint32_t kStateUnusable = 32034;
inline constexpr std::uint32_t kErrorLine = 32050;
inline constexpr std::uint32_t kNoSystem = 32051;
inline constexpr std::uint32_t kSystemAdded = 32052;
inline constexpr std::uint32_t kBadValue = 32053;
inline constexpr std::uint32_t kCannotRead = 32054;
inline constexpr std::uint32_t kCannotWrite = 32055;
inline constexpr std::uint32_t kDemoDone = 32056;
inline constexpr std::uint32_t kClockNow = 32057;
inline constexpr std::uint32_t kUnknownKind = 32058;
inline constexpr std::uint32_t kDemoScale = 44010;

}  // namespace ptp::cli::ids
