#include "lines/line_hardware.h"

#include <array>
#include <utility>

#include "config/config_text.h"
#include "host/server_calls.h"
#include "platform/vocabulary/hardware_resource.h"
#include "platform/vocabulary/kinds.h"

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

constexpr std::array<std::string_view, 8> kEthernetAdapterTypes = {"181A", "2838", "2849", "268C",
                                                                   "5700", "5701", "5706", "5707"};

constexpr std::array<std::string_view, 4> kISDNAdapterTypes = {"2750", "2751", "2761", "2762"};

// Searched in this order: a port's description may name more than one standard.
constexpr std::array<std::pair<std::string_view, std::string_view>, 4> kPortInterfaces = {{
    {"V.24", "*RS232V24"},
    {"V.35", "*V35"},
    {"V.36", "*RS449V36"},
    {"Comm Port", "*INTMODEM"},
}};

}  // namespace

bool IsEthernetAdapterType(std::string_view adapterType) {
    for (const std::string_view type : kEthernetAdapterTypes) {
        if (config::EqualsNoCase(type, adapterType)) return true;
    }
    return false;
}

bool IsISDNAdapterType(std::string_view adapterType) {
    for (const std::string_view type : kISDNAdapterTypes) {
        if (type == adapterType) return true;
    }
    return false;
}

bool ReadCommunicationPorts(std::string_view systemName, std::vector<CCommunicationPort>& ports,
                            HWND parent) {
    namespace hw = attr::hardware_resource;
    host::IHost* host = host::GetHost();
    if (!host) return false;
    host::SOFError* error = nullptr;
    auto list = host->Objects().CreateList(kinds::kHardwareResource, host::kClientName,
                                           config::ToUpper(systemName), "", &error);
    if (list && !error && host::LoadList(*list, &error)) {
        const long count = list->GetCount(&error);
        for (long index = 0; !error && index < count; ++index) {
            host::IServerObject* resource = list->ElementAt(index, &error);
            if (error || !resource) break;
            const std::string kind = resource->GetAttributeText(hw::kResourceKind, &error);
            CCommunicationPort port{resource->GetAttributeText(hw::kName, &error),
                                    resource->GetAttributeText(hw::kAdapterType, &error),
                                    resource->GetAttributeText(hw::kDescription, &error)};
            if (!error && kind == kCommunicationPortKind) ports.push_back(std::move(port));
        }
    }
    if (list && !error) return true;
    host::ShowAndDestroy(error, parent);
    return false;
}

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
