#include "frame/logging_option.h"

#include <mutex>

#include "platform/res/resource_module.h"

namespace ptp::frame {
namespace {

struct Option {
    std::mutex lock;
    std::string text;
};

Option& TheOption() {
    static Option option;
    return option;
}

}  // namespace

std::string LoggingOption() {
    std::lock_guard guard(TheOption().lock);
    return TheOption().text;
}

void SetLoggingLevel(std::string_view level) {
    std::lock_guard guard(TheOption().lock);
    TheOption().text = res::FormatText(" OUTPUT(%1)", {std::string(level)});
}

void ClearLoggingOption() {
    std::lock_guard guard(TheOption().lock);
    TheOption().text.clear();
}

}  // namespace ptp::frame
