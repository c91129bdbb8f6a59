#include "platform/ui/display_name.h"

#include <cctype>

namespace ptp::ui {

std::string DisplayName(std::string_view name) {
    std::string shown(name);
    for (std::size_t i = 1; i < shown.size(); ++i) {
        shown[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(shown[i])));
    }
    return shown;
}

}  // namespace ptp::ui
