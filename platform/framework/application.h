#pragma once
// The application object of a loadable module: it owns the module's state, starts and ends the
// module, and shows its message boxes.
#include <string>
#include <string_view>

#include "platform/framework/message_box.h"
#include "platform/framework/module_state.h"

namespace ptp::fw {

class CWinApp {
  public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // Runs once when the module starts; false refuses the start.
    virtual BOOL InitInstance() { return TRUE; }
    // Runs once when the module ends; the result is the module's exit code.
    virtual int ExitInstance() { return 0; }
    // Shows a message box captioned with the application title.
    virtual int DoMessageBox(std::string_view prompt, UINT style, UINT promptId);

    [[nodiscard]] ModuleState& State() { return m_state; }
    // The module's text `id`, or a visible marker when it has none.
    [[nodiscard]] std::string LoadString(UINT id) const;

    std::string m_strTitle;
    std::string m_strHelpFilePath;

  private:
    ModuleState m_state;
};

// Message boxes of the current module (the plug-in's inside a plug-in call), by text or by
// resource number.
int AfxMessageBox(std::string_view text, UINT style = MB_OK, UINT promptId = 0);
int AfxMessageBox(UINT promptId, UINT style = MB_OK);

}  // namespace ptp::fw
