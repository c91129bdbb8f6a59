#include "platform/framework/help_text.h"

#include "platform/framework/console_services.h"

namespace ptp::fw {

std::optional<std::string> GetHelpText(UINT id) {
    const auto resources = ConsoleServices().GetResourceModule();
    if (!resources) return std::nullopt;
    auto topic = resources->FindHelpTopic(id);
    if (!topic) return std::nullopt;
    return std::move(topic->text);
}

}  // namespace ptp::fw
