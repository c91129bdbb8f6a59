#pragma once
// The choice lists of the network interface sheet: the value each entry stands for, in the order
// of the entries, and its text.
#include <array>
#include <string>
#include <string_view>

#include "platform/ui/controls.h"

namespace ptp::nwi {

struct CNwiChoice {
    std::string_view value;
    UINT text;  // 0: the value itself is shown
};

// The entry of `value` (compared without case), or `fallback`.
[[nodiscard]] int ChoiceIndex(const CNwiChoice* choices, std::size_t count, std::string_view value,
                              int fallback);
// The value of entry `index`, or of entry `fallback` for an index outside the list.
[[nodiscard]] std::string ChoiceValue(const CNwiChoice* choices, std::size_t count, int index,
                                      int fallback);
// The entries' texts into `box`.
void FillChoices(ui::CComboBox& box, const CNwiChoice* choices, std::size_t count);

template <std::size_t N>
int ChoiceIndex(const std::array<CNwiChoice, N>& choices, std::string_view value, int fallback) {
    return ChoiceIndex(choices.data(), N, value, fallback);
}
template <std::size_t N>
std::string ChoiceValue(const std::array<CNwiChoice, N>& choices, int index, int fallback = 0) {
    return ChoiceValue(choices.data(), N, index, fallback);
}
template <std::size_t N>
void FillChoices(ui::CComboBox& box, const std::array<CNwiChoice, N>& choices) {
    FillChoices(box, choices.data(), N);
}

}  // namespace ptp::nwi
