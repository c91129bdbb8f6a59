#pragma once
// How captions and titles show a name the server keeps in upper case: the first character as it
// is, every other one in lower case ("MYPROF" shows as "Myprof").
#include <string>
#include <string_view>

namespace ptp::ui {

[[nodiscard]] std::string DisplayName(std::string_view name);

}  // namespace ptp::ui
