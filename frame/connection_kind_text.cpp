#include "frame/connection_kind_text.h"

#include "config/config_text.h"
#include "frame/frame_messages.h"
#include "frame/point_to_point_ext_app.h"

namespace ptp::frame {
namespace {

struct ModeText {
    const char* mode;
    UINT text;
};

// Switched lines: dialling, answering and the further dial modes.
constexpr ModeText kSwitchedModes[] = {{"2", 27610}, {"3", 27795}, {"4", 27796}, {"6", 27808}};
// Nonswitched lines.
constexpr ModeText kNonswitchedModes[] = {{"1", 27613}, {"2", 27612}};
// Virtual lines and any other service.
constexpr ModeText kOtherModes[] = {{"1", 27821}, {"2", 27826}, {"3", 27822}, {"5", 27823},
                                    {"7", 27824}, {"8", 27825}, {"9", 28096}};
// The dial variants of switched mode 1.
constexpr ModeText kDialVariants[] = {{"1", 28007}, {"2", 28008}, {"3", 28009}};
constexpr UINT kPlainDial = 27611;

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
