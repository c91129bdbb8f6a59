#include "platform/ui/wnd.h"

#include <algorithm>

#include "platform/ui/driver.h"
#include "platform/ui/toolkit_state.h"

namespace ptp::ui {

CWnd::~CWnd() {
    DetachHandle();
}

BOOL CWnd::Create(std::string_view text) {
    m_strText = std::string(text);
    AttachHandle();
    return TRUE;
}

void CWnd::DestroyWindow() {
    DetachHandle();
}

void CWnd::AttachHandle() {
    if (m_hWnd) return;
    m_hWnd = reinterpret_cast<HWND>(this);
    State().windows.push_back(this);
}

void CWnd::DetachHandle() {
    if (!m_hWnd) return;
    m_hWnd = nullptr;
    std::erase(State().windows, this);
    std::erase_if(State().posted,
                  [&](const PostedMessage& m) { return m.target == reinterpret_cast<HWND>(this); });
}

CWnd* CWnd::FromHandle(HWND hWnd) {
    if (!hWnd) return nullptr;
    const auto& windows = State().windows;
    const auto it = std::find(windows.begin(), windows.end(), reinterpret_cast<CWnd*>(hWnd));
    return it == windows.end() ? nullptr : *it;
}

void CWnd::SetWindowText(std::string_view text) {
    m_strText = std::string(text);
}

std::string CWnd::GetWindowText() const {
    return m_strText;
}

void CWnd::EnableWindow(BOOL enable) {
    m_bEnabled = enable != FALSE;
}

void CWnd::ShowWindow(int command) {
    m_bVisible = command != SW_HIDE;
}

CWnd* CWnd::SetFocus() {
    return nullptr;
}

BOOL CWnd::ModifyStyleEx(DWORD remove, DWORD add) {
    m_dwExStyle = (m_dwExStyle & ~remove) | add;
    return TRUE;
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    GetDriver().MessageSent(m_hWnd, message, wParam, lParam);
    return WindowProc(message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (!m_hWnd) return FALSE;
    State().posted.push_back(PostedMessage{m_hWnd, message, wParam, lParam});
    return TRUE;
}

LRESULT CWnd::WindowProc(UINT, WPARAM, LPARAM) {
    return 0;
}

LRESULT SendMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CWnd* window = CWnd::FromHandle(hWnd);
    if (!window) {
        GetDriver().MessageSent(hWnd, message, wParam, lParam);
        return 0;
    }
    return window->SendMessage(message, wParam, lParam);
}

BOOL PostMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CWnd* window = CWnd::FromHandle(hWnd);
    if (!window) return FALSE;
    return window->PostMessage(message, wParam, lParam);
}

}  // namespace ptp::ui
