#include "platform/framework/application.h"

namespace ptp::fw {

CWinApp::CWinApp() {
    m_state.app = this;
}

CWinApp::~CWinApp() {
    m_state.app = nullptr;
}

int CWinApp::DoMessageBox(std::string_view prompt, UINT style, UINT promptId) {
    return PresentMessageBox(nullptr, prompt, m_strTitle, style, promptId);
}

std::string CWinApp::LoadString(UINT id) const {
    if (!m_state.resources) return "[missing string " + std::to_string(id) + "]";
    return m_state.resources->String(id);
}

int AfxMessageBox(std::string_view text, UINT style, UINT promptId) {
    ModuleState& state = CurrentModuleState();
    if (!state.app) return PresentMessageBox(nullptr, text, "", style, promptId);
    return state.app->DoMessageBox(text, style, promptId);
}

int AfxMessageBox(UINT promptId, UINT style) {
    ModuleState& state = CurrentModuleState();
    const std::string text = state.resources ? state.resources->String(promptId)
                                             : "[missing string " + std::to_string(promptId) + "]";
    return AfxMessageBox(text, style, promptId);
}

}  // namespace ptp::fw
