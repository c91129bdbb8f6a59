#include "server/route_rules.h"

#include <array>
#include <cstdint>
#include <optional>

#include "platform/vocabulary/kinds.h"
#include "platform/vocabulary/route.h"
#include "server/messages.h"
#include "server/object_rules.h"
#include "server/profile_setting_rules.h"

namespace ptp::server {
namespace {

namespace rt = attr::route;

constexpr std::string_view kDefaultRoute = "*DFTROUTE";

std::optional<std::uint32_t> AddressBits(std::string_view text) {
    if (!IsInternetAddress(text)) return std::nullopt;
    std::uint32_t bits = 0;
    std::uint32_t part = 0;
    for (char c : text) {
        if (c == '.') {
            bits = (bits << 8) | part;
            part = 0;
            continue;
        }
        part = part * 10 + static_cast<std::uint32_t>(c - '0');
    }
    return (bits << 8) | part;
}

}  // namespace

Status CheckRouteCommit(ObjectTx& tx, std::string_view key, bool created,
                        const Attributes& staged) {
    ObjectRecord after{std::string(kinds::kRoute), std::string(key), {}};
    if (auto stored = tx.Get(kinds::kRoute, key); stored) after = *stored;
    for (const auto& [id, value] : staged)
        after.attributes[id] = value;
    const std::string interface = after.Get(rt::kBindingProfile);
    const std::string destination = after.Get(rt::kDestination);
    const std::string mask = after.Get(rt::kSubnetMask);
    // Routes of point-to-point profiles bind to the profile's own interface.
    if (!IsObjectName(interface))
        return Message("TCP2666",
                       {interface.empty() ? std::string("*NONE") : interface, destination});
    const auto maskBits = AddressBits(mask);
    if (!maskBits) return BadAttribute(mask, rt::kSubnetMask, key, "not an internet address");
    if (destination != kDefaultRoute) {
        const auto destinationBits = AddressBits(destination);
        if (!destinationBits)
            return BadAttribute(destination, rt::kDestination, key, "not an internet address");
        if ((*destinationBits & *maskBits) != *destinationBits)
            return Message("TCP2668", {destination, mask});
    }
    const std::string nextHop = after.Get(rt::kNextHop);
    if (!nextHop.empty() && nextHop != "*DYNAMIC" && !IsInternetAddress(nextHop))
        return BadAttribute(nextHop, rt::kNextHop, key, "not an internet address");
    // A dial-on-demand profile's routes name the answering profile it pairs with.
    const std::string pairedAnswer = after.Get(rt::kDependentValue);
    if (!pairedAnswer.empty() && !tx.Exists(kinds::kProfile, pairedAnswer))
        return BadAttribute(pairedAnswer, rt::kDependentValue, key, "not a profile of the system");
    if (created && tx.Exists(kinds::kRoute, key))
        return Message("TCP2664", {destination, mask,
                                   nextHop.empty() ? std::string("*DYNAMIC") : nextHop, interface});
    return Status::Ok();
}

}  // namespace ptp::server
