#pragma once
// Result codes of the component layer. Methods of every component interface return one of these;
// nothing is thrown across an interface.
#include <cstdint>

namespace ptp {

using HRESULT = std::int32_t;
using ULONG = std::uint32_t;
using BOOL = int;
inline constexpr BOOL TRUE = 1;
inline constexpr BOOL FALSE = 0;

inline constexpr HRESULT S_OK = 0;
inline constexpr HRESULT S_FALSE = 1;
inline constexpr HRESULT E_NOTIMPL = static_cast<HRESULT>(0x80004001u);
inline constexpr HRESULT E_NOINTERFACE = static_cast<HRESULT>(0x80004002u);
inline constexpr HRESULT E_POINTER = static_cast<HRESULT>(0x80004003u);
inline constexpr HRESULT E_FAIL = static_cast<HRESULT>(0x80004005u);
inline constexpr HRESULT E_UNEXPECTED = static_cast<HRESULT>(0x8000FFFFu);
inline constexpr HRESULT E_OUTOFMEMORY = static_cast<HRESULT>(0x8007000Eu);
inline constexpr HRESULT E_INVALIDARG = static_cast<HRESULT>(0x80070057u);
inline constexpr HRESULT CLASS_E_NOAGGREGATION = static_cast<HRESULT>(0x80040110u);
inline constexpr HRESULT CLASS_E_CLASSNOTAVAILABLE = static_cast<HRESULT>(0x80040111u);
inline constexpr HRESULT REGDB_E_CLASSNOTREG = static_cast<HRESULT>(0x80040154u);

inline constexpr bool SUCCEEDED(HRESULT hr) {
    return hr >= 0;
}
inline constexpr bool FAILED(HRESULT hr) {
    return hr < 0;
}

inline constexpr std::uint32_t SEVERITY_SUCCESS = 0;
inline constexpr std::uint32_t SEVERITY_ERROR = 1;
inline constexpr std::uint32_t FACILITY_NULL = 0;

// A result built from severity, facility and code; QueryContextMenu answers with a success code
// whose code field is the number of menu identifiers it used.
inline constexpr HRESULT MAKE_HRESULT(std::uint32_t severity, std::uint32_t facility,
                                      std::uint32_t code) {
    return static_cast<HRESULT>((severity << 31) | (facility << 16) | (code & 0xFFFFu));
}
inline constexpr std::uint32_t HRESULT_CODE(HRESULT hr) {
    return static_cast<std::uint32_t>(hr) & 0xFFFFu;
}

}  // namespace ptp
