#pragma once
// CWinApp: the application object of a module. The one constructed last is the current one;
// AfxMessageBox and context help go through it, so a module that overrides DoMessageBox (the
// plug-in filters the style through the host) sees every message box of its dialogs.
#include <string>
#include <string_view>

#include "platform/ui/ui_constants.h"

namespace ptp::ui {

class CWinApp {
  public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual BOOL InitInstance() { return TRUE; }
    virtual int ExitInstance() { return 0; }
    // Shows a message box with the application title as caption; `promptId` is the string number
    // of the prompt, 0 when it was built.
    virtual int DoMessageBox(std::string_view prompt, UINT type, UINT promptId);
    // Context help in the application's help file.
    virtual void WinHelp(DWORD_PTR data, UINT command = HELP_CONTEXT);

    std::string m_strAppName;
    std::string m_strHelpFilePath;
};

// The current application, or null when no module has one.
[[nodiscard]] CWinApp* AfxGetApp();

}  // namespace ptp::ui
