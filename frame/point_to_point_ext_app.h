#pragma once
// The plug-in's module object: it registers the class factories, takes the resource library from
// the console and holds the application title and the help file.
#include <memory>
#include <string_view>
#include <vector>

#include "platform/com/class_factory.h"
#include "platform/framework/module_state.h"
#include "platform/ui/app.h"

namespace ptp::frame {

inline constexpr std::string_view kHelpFileName = "VELTRIPA.HLP";

class CPointToPointExtApp final : public ui::CWinApp {
  public:
    BOOL InitInstance() override;
    int ExitInstance() override;
    // The style goes through the console's message-box style first.
    int DoMessageBox(std::string_view prompt, UINT style, UINT promptId) override;

    // Component bookkeeping and resources of this module; every call in switches to it.
    [[nodiscard]] fw::ModuleState& State() { return m_state; }

  private:
    fw::ModuleState m_state;
    std::vector<std::unique_ptr<ClassFactory>> m_factories;
};

// The module object of this library, started on the first call that needs it.
[[nodiscard]] CPointToPointExtApp& TheApp();
// Runs InitInstance once; ExitInstance runs when the library is unloaded.
void EnsureStarted();

}  // namespace ptp::frame
