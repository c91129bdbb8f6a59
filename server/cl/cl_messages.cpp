#include "server/cl/cl_messages.h"

#include <map>

#include "server/messages.h"

namespace ptp::server::cl {

namespace {

const std::map<std::string_view, std::string_view>& CommandMessages() {
    static const std::map<std::string_view, std::string_view> messages = {
        {"CPD0001", "The command is not valid at position %1: %2"},
        {"CPD0002", "The command is not valid: %1"},
        {"CPD0072", "Parameter %1 holds more than %2 values."},
        {"CPD0088", "Value %1 for parameter %2 is not a valid internet address."},
        {"CPD0089", "Value %1 for parameter %2 is not in the form the parameter takes: %3"},
        {"CPD2631", "Parameter %1 cannot be used with %2."},
        {"CPD2632", "Parameter %1 is required with %2."},
        {"CPD2665", "Hardware resource %1 not found."},
        {"TCP1901", "Internet address %1 already has a host table entry."},
        {"TCP1902", "Internet address %1 has no host table entry."},
        {"TCP1903", "Host name %1 is not valid."},
        {"TCP2665", "No route to %1 with subnet mask %2, next hop %3 and interface %4."},
        {"TCP1A15", "Server %1 cannot be started: %2"},
    };
    return messages;
}

}  // namespace

Error ClMessage(std::string_view id, std::initializer_list<std::string_view> args) {
    const auto& messages = CommandMessages();
    auto it = messages.find(id);
    if (it == messages.end()) return Message(id, args);
    return Error{std::string(id), FillMessage(it->second, args)};
}

}  // namespace ptp::server::cl
