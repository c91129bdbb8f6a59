#include "platform/ui/app.h"

#include "platform/ui/message_box.h"
#include "platform/ui/toolkit.h"

namespace ptp::ui {
namespace {

CWinApp* g_pApp = nullptr;

}  // namespace

CWinApp::CWinApp() : m_strHelpFilePath(kHelpFileName) {
    g_pApp = this;
}

CWinApp::~CWinApp() {
    if (g_pApp == this) g_pApp = nullptr;
}

int CWinApp::DoMessageBox(std::string_view prompt, UINT type, UINT promptId) {
    return MessageBox(nullptr, prompt, m_strAppName, type, promptId);
}

void CWinApp::WinHelp(DWORD_PTR data, UINT command) {
    ui::WinHelp(m_strHelpFilePath, command, data);
}

CWinApp* AfxGetApp() {
    return g_pApp;
}

}  // namespace ptp::ui
