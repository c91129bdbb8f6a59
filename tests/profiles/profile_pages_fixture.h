#pragma once
// The profile sheet's pages as the plug-in's commands open them, against a real server: the
// server's objects read back, the message boxes by resource id, and the sheet's active page.
#include <string>
#include <vector>

#include "platform/ui/property_sheet.h"
#include "tests/frame/plugin_console_fixture.h"

namespace ptp::testing {

inline constexpr const char* kProfileSheet = "CPointToPointProfilePropertySheet";

class ProfilePagesFixture : public PluginConsoleFixture {
  protected:
    server::Attributes Stored(std::string_view kind, const std::string& name) {
        auto record = System().GetObject(kind, name);
        return record.ok() ? record->attributes : server::Attributes{};
    }
    server::Attributes Profile(const std::string& name) { return Stored(kinds::kProfile, name); }

    std::vector<std::uint32_t> MessageIds() const {
        std::vector<std::uint32_t> ids;
        for (const auto& box : MessageBoxes())
            ids.push_back(box.resourceId);
        return ids;
    }

    std::string Transcript() const { return driver.GetTranscript().ToText(); }

    static ui::CPropertyPage& Active(ui::CDialog& sheet) {
        return *static_cast<ui::CPropertySheet&>(sheet).GetActivePage();
    }
};

}  // namespace ptp::testing
