#pragma once
// The communication hardware a PPP line can use: the adapter types whose ports carry PPP lines,
// the internal-modem adapters with the modem each one is, and the interface a port's description
// names.
#include <string>
#include <string_view>

namespace ptp::lines {

// The resource kind of a communication port.
inline constexpr std::string_view kCommunicationPortKind = "0000000000000008";

[[nodiscard]] bool IsSupportedAdapterType(std::string_view adapterType);
// The modem of an internal-modem adapter type; empty for any other adapter.
[[nodiscard]] std::string_view InternalModemName(std::string_view adapterType);
// The internal-modem name of the first internal-modem adapter, for lines whose port is not known.
[[nodiscard]] std::string_view FirstInternalModemName();
// The interface ("*RS232V24", "*V35", "*RS449V36" or "*INTMODEM") a port's description names;
// empty when it names none.
[[nodiscard]] std::string InterfaceOfPort(std::string_view description);

}  // namespace ptp::lines
