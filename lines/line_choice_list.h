#pragma once
// The choice boxes of the line pages: a box shows its texts in the order of the values the line
// keeps, so a value and a box position translate through the same list.
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "config/config_text.h"
#include "platform/ui/controls.h"
#include "platform/ui/toolkit.h"

namespace ptp::lines {

// The position of `value` among `values` (case aside); `fallback` for a value not among them.
template <std::size_t N>
int ChoiceIndex(const std::array<std::string_view, N>& values, std::string_view value,
                int fallback) {
    for (std::size_t index = 0; index < N; ++index) {
        if (config::EqualsNoCase(values[index], value)) return static_cast<int>(index);
    }
    return fallback;
}

// The value at box position `index`; the one at `fallback` for a position outside the list.
template <std::size_t N>
std::string ChoiceValue(const std::array<std::string_view, N>& values, int index, int fallback) {
    const bool known = index >= 0 && index < static_cast<int>(N);
    return std::string(values[static_cast<std::size_t>(known ? index : fallback)]);
}

// Adds the texts of resource strings `texts` to `box`, in order.
template <std::size_t N>
void FillChoices(ui::CComboBox& box, const std::array<UINT, N>& texts) {
    for (const UINT text : texts)
        box.AddString(ui::LoadText(text));
}

}  // namespace ptp::lines
