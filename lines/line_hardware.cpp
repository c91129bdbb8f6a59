#include "lines/line_hardware.h"

#include <array>
#include <utility>

namespace ptp::lines {

namespace {

constexpr std::array<std::string_view, 9> kSupportedAdapterTypes = {
    "2699", "2720", "2721", "2742", "2745", "2771", "2772", "2793", "2805"};

constexpr std::array<std::pair<std::string_view, std::string_view>, 4> kInternalModems = {{
    {"2771", "2771 INTERNAL MODEM"},
    {"2772", "2772 INTERNAL MODEM"},
    {"2793", "2793 INTERNAL MODEM"},
    {"2805", "2805 INTERNAL MODEM"},
}};

// Searched in this order: a port's description may name more than one standard.
constexpr std::array<std::pair<std::string_view, std::string_view>, 4> kPortInterfaces = {{
    {"V.24", "*RS232V24"},
    {"V.35", "*V35"},
    {"V.36", "*RS449V36"},
    {"Comm Port", "*INTMODEM"},
}};

}  // namespace

bool IsSupportedAdapterType(std::string_view adapterType) {
    for (const std::string_view type : kSupportedAdapterTypes) {
        if (type == adapterType) return true;
    }
    return false;
}

std::string_view InternalModemName(std::string_view adapterType) {
    for (const auto& [type, modem] : kInternalModems) {
        if (type == adapterType) return modem;
    }
    return {};
}

std::string_view FirstInternalModemName() {
    return kInternalModems.front().second;
}

std::string InterfaceOfPort(std::string_view description) {
    for (const auto& [text, interface] : kPortInterfaces) {
        if (description.find(text) != std::string_view::npos) return std::string(interface);
    }
    return {};
}

}  // namespace ptp::lines
