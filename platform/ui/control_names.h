#pragma once
// Controls by name: scripts, transcripts and front ends may call a control by the name its
// template gives it ("IDC_MODEM_NAME") instead of its number. A name stands for one number in the
// whole resource library (a test keeps it so), so a name resolves without knowing the dialog.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ptp::ui {

// The id of the control called `name` in the toolkit's resources, or of a standard button
// ("IDOK", "IDCANCEL", "IDHELP"); none for a name nobody has.
[[nodiscard]] std::optional<int> ControlIdOfName(std::string_view name);
// The number of the template called `name` ("IDD_MODEM_GENERAL"); none for an unknown name.
[[nodiscard]] std::optional<std::uint32_t> TemplateIdOfName(std::string_view name);
// The name template `templateId` gives control `id`; empty when it gives none.
[[nodiscard]] std::string ControlNameOf(std::uint32_t templateId, int id);

}  // namespace ptp::ui
