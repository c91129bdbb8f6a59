#include "frame/connection_kind_text.h"

#include "config/config_text.h"
#include "frame/frame_messages.h"
#include "frame/point_to_point_ext_app.h"
#include "resources/ids/frame_lists.h"
#include "resources/ids/views.h"

namespace ptp::frame {
namespace {

struct ModeText {
    const char* mode;
    UINT text;
};

// Switched lines: dialling, answering and the further dial modes.
constexpr ModeText kSwitchedModes[] = {{"2", IDS_MODE_ANSWER},
                                       {"3", IDS_DIAL_ON_DEMAND},
                                       {"4", IDS_MODE_REMOTE_CONTROLLED_DIAL},
                                       {"6", IDS_MODE_DIAL_ON_DEMAND_ANSWER}};
// Nonswitched lines.
constexpr ModeText kNonswitchedModes[] = {{"1", IDS_MODE_INITIATOR}, {"2", IDS_MODE_TERMINATOR}};
// Virtual lines and any other service.
constexpr ModeText kOtherModes[] = {
    {"1", IDS_MODE_L2TP_INITIATOR},          {"2", IDS_MODE_L2TP_TERMINATOR},
    {"3", IDS_MODE_L2TP_MULTIHOP_INITIATOR}, {"5", IDS_MODE_L2TP_REMOTE_INITIATOR},
    {"7", IDS_MODE_PPPOE_INITIATOR},         {"8", IDS_MODE_PPPOE_DIAL_ON_DEMAND},
    {"9", IDS_MODE_VIRTUAL_DIAL_ON_DEMAND}};
// The dial variants of switched mode 1.
constexpr ModeText kDialVariants[] = {{"1", IDS_DIAL_NUMBER_FROM_USER},
                                      {"2", IDS_DIAL_NUMBER_FROM_CONNECTION_LIST},
                                      {"3", IDS_DIAL_NUMBER_FROM_PROFILE}};
constexpr UINT kPlainDial = IDS_MODE_DIAL;

template <std::size_t N>
std::string Lookup(const ModeText (&table)[N], const std::string& key) {
    for (const auto& entry : table) {
        if (config::EqualsNoCase(entry.mode, key)) return FrameText(entry.text);
    }
    return {};
}

}  // namespace

std::string ConnectionKindText(const std::string& lineService, const std::string& mode,
                               const std::string& dialVariant) {
    if (config::EqualsNoCase(lineService, "1")) {
        if (!config::EqualsNoCase(mode, "1")) return Lookup(kSwitchedModes, mode);
        std::string variant = Lookup(kDialVariants, dialVariant);
        return variant.empty() ? FrameText(kPlainDial) : variant;
    }
    if (config::EqualsNoCase(lineService, "2")) return Lookup(kNonswitchedModes, mode);
    return Lookup(kOtherModes, mode);
}

}  // namespace ptp::frame
