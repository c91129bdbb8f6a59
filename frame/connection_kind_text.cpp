#include "frame/connection_kind_text.h"

#include "frame/frame_messages.h"
#include "frame/point_to_point_ext_app.h"
#include "platform/vocabulary/code_text.h"
#include "platform/vocabulary/profile.h"
#include "resources/ids/frame_lists.h"
#include "resources/ids/views.h"

namespace ptp::frame {
namespace {

namespace mode = code::mode;

struct ModeText {
    int mode;
    UINT text;
};

// Switched lines: dialling, answering and the further dial modes.
constexpr ModeText kSwitchedModes[] = {{mode::kAnswer, IDS_MODE_ANSWER},
                                       {mode::kDialVariant3, IDS_DIAL_ON_DEMAND},
                                       {mode::kDialVariant4, IDS_MODE_REMOTE_CONTROLLED_DIAL},
                                       {mode::kDialOnDemand, IDS_MODE_DIAL_ON_DEMAND_ANSWER}};
// Nonswitched lines.
constexpr ModeText kNonswitchedModes[] = {{mode::kDial, IDS_MODE_INITIATOR}, {mode::kAnswer, IDS_MODE_TERMINATOR}};
// Virtual lines and any other service.
constexpr ModeText kOtherModes[] = {{mode::kDial, IDS_MODE_L2TP_INITIATOR},
                                    {mode::kAnswer, IDS_MODE_L2TP_TERMINATOR},
                                    {mode::kDialVariant3, IDS_MODE_L2TP_MULTIHOP_INITIATOR},
                                    {mode::kL2TPInitiator, IDS_MODE_L2TP_REMOTE_INITIATOR},
                                    {mode::kL2TPInitiatorMode7, IDS_MODE_PPPOE_INITIATOR},
                                    {mode::kL2TPInitiatorMode8, IDS_MODE_PPPOE_DIAL_ON_DEMAND},
                                    {mode::kPPPoEInitiator, IDS_MODE_VIRTUAL_DIAL_ON_DEMAND}};
// The dial variants of switched mode 1.
constexpr ModeText kDialVariants[] = {{1, IDS_DIAL_NUMBER_FROM_USER}, {2, IDS_DIAL_NUMBER_FROM_CONNECTION_LIST}, {3, IDS_DIAL_NUMBER_FROM_PROFILE}};
constexpr UINT kPlainDial = IDS_MODE_DIAL;

template <std::size_t N>
std::string Lookup(const ModeText (&table)[N], const std::string& key) {
    for (const auto& entry : table) {
        if (code::Is(key, entry.mode)) return FrameText(entry.text);
    }
    return {};
}

}  // namespace

std::string ConnectionKindText(const std::string& lineService, const std::string& mode,
                               const std::string& dialVariant) {
    if (code::Is(lineService, code::line_service::kSwitched)) {
        if (!code::Is(mode, code::mode::kDial)) return Lookup(kSwitchedModes, mode);
        std::string variant = Lookup(kDialVariants, dialVariant);
        return variant.empty() ? FrameText(kPlainDial) : variant;
    }
    if (code::Is(lineService, code::line_service::kNonswitched))
        return Lookup(kNonswitchedModes, mode);
    return Lookup(kOtherModes, mode);
}

}  // namespace ptp::frame
