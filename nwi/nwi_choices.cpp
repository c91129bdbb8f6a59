#include "nwi/nwi_choices.h"

#include "config/config_text.h"
#include "platform/ui/toolkit.h"

namespace ptp::nwi {

int ChoiceIndex(const CNwiChoice* choices, std::size_t count, std::string_view value,
                int fallback) {
    for (std::size_t index = 0; index < count; ++index) {
        if (config::EqualsNoCase(choices[index].value, config::Trim(value)))
            return static_cast<int>(index);
    }
    return fallback;
}

std::string ChoiceValue(const CNwiChoice* choices, std::size_t count, int index, int fallback) {
    const bool known = index >= 0 && index < static_cast<int>(count);
    return std::string(choices[static_cast<std::size_t>(known ? index : fallback)].value);
}

void FillChoices(ui::CComboBox& box, const CNwiChoice* choices, std::size_t count) {
    for (std::size_t index = 0; index < count; ++index) {
        const CNwiChoice& choice = choices[index];
        box.AddString(choice.text != 0 ? ui::LoadText(choice.text) : std::string(choice.value));
    }
}

}  // namespace ptp::nwi
