#pragma once
// The communication hardware a PPP line can use: the adapter types whose ports carry PPP lines,
// the internal-modem adapters with the modem each one is, and the interface a port's description
// names.
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/ui_constants.h"

namespace ptp::lines {

// The resource kind of a communication port.
inline constexpr std::string_view kCommunicationPortKind = "0000000000000008";

[[nodiscard]] bool IsSupportedAdapterType(std::string_view adapterType);
// The Ethernet adapters whose ports carry Ethernet lines, and the ISDN adapters whose ports carry
// network interfaces.
[[nodiscard]] bool IsEthernetAdapterType(std::string_view adapterType);
[[nodiscard]] bool IsISDNAdapterType(std::string_view adapterType);

struct CCommunicationPort {
    std::string strName;
    std::string strAdapterType;
    std::string strDescription;
};
// The system's communication ports, in the server's order; false after the server's error was
// shown over `parent`.
bool ReadCommunicationPorts(std::string_view systemName, std::vector<CCommunicationPort>& ports,
                            HWND parent);
// The modem of an internal-modem adapter type; empty for any other adapter.
[[nodiscard]] std::string_view InternalModemName(std::string_view adapterType);
// The internal-modem name of the first internal-modem adapter, for lines whose port is not known.
[[nodiscard]] std::string_view FirstInternalModemName();
// The interface ("*RS232V24", "*V35", "*RS449V36" or "*INTMODEM") a port's description names;
// empty when it names none.
[[nodiscard]] std::string InterfaceOfPort(std::string_view description);

}  // namespace ptp::lines
