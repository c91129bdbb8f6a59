#include "frame/connection_kind_text.h"

#include "frame/frame_messages.h"
#include "frame/point_to_point_ext_app.h"
#include "platform/vocabulary/code_text.h"
#include "platform/vocabulary/profile.h"

namespace ptp::frame {
namespace {

namespace mode = code::mode;

struct ModeText {
    int mode;
    UINT text;
};

// Switched lines: dialling, answering and the further dial modes.
constexpr ModeText kSwitchedModes[] = {{mode::kAnswer, 27610},
                                       {mode::kDialVariant3, 27795},
                                       {mode::kDialVariant4, 27796},
                                       {mode::kDialOnDemand, 27808}};
// Nonswitched lines.
constexpr ModeText kNonswitchedModes[] = {{mode::kDial, 27613}, {mode::kAnswer, 27612}};
// Virtual lines and any other service.
constexpr ModeText kOtherModes[] = {{mode::kDial, 27821},
                                    {mode::kAnswer, 27826},
                                    {mode::kDialVariant3, 27822},
                                    {mode::kL2TPInitiator, 27823},
                                    {mode::kL2TPInitiatorMode7, 27824},
                                    {mode::kL2TPInitiatorMode8, 27825},
                                    {mode::kPPPoEInitiator, 28096}};
// The dial variants of switched mode 1.
constexpr ModeText kDialVariants[] = {{1, 28007}, {2, 28008}, {3, 28009}};
constexpr UINT kPlainDial = 27611;

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
