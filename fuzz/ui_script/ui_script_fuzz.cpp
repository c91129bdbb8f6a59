// Reads arbitrary bytes as a driver script and as one front-end action. A script that loads must
// write out and load back to the same script; an action that parses must describe itself.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/ui/script_json.h"
#include "platform/ui/snapshot_json.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::string error;
    if (auto action = ptp::ui::ParseActionJson(text, error)) {
        if (ptp::ui::DescribeAction(action->action).empty()) std::abort();
    }
    ptp::ui::ScriptDriver first;
    if (!ptp::ui::LoadScript(text, first, error)) return 0;
    const std::string written = ptp::ui::ScriptToJson(first);
    ptp::ui::ScriptDriver second;
    if (!ptp::ui::LoadScript(written, second, error)) std::abort();
    if (ptp::ui::ScriptToJson(second) != written) std::abort();
    return 0;
}
