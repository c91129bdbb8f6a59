#pragma once
// CWnd: the base of every window of the toolkit (controls, dialogs, property sheets and the
// console's own windows). A window holds state, not pixels: text, enabled, visible, an id and a
// parent. It has a handle (HWND) only while it exists, so code that keeps a handle can find out
// whether the window is still there.
#include <string>
#include <string_view>

#include "platform/com/wintypes.h"
#include "platform/ui/ui_constants.h"

namespace ptp::ui {

class CWnd {
  public:
    CWnd() = default;
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    // Gives a free-standing window a handle (the console's frame window does this); dialogs and
    // controls get theirs when the dialog opens.
    BOOL Create(std::string_view text = {});
    void DestroyWindow();
    [[nodiscard]] HWND GetSafeHwnd() const { return m_hWnd; }
    // The live window of a handle, or null when the window is gone.
    [[nodiscard]] static CWnd* FromHandle(HWND hWnd);

    virtual void SetWindowText(std::string_view text);
    [[nodiscard]] virtual std::string GetWindowText() const;
    void EnableWindow(BOOL enable = TRUE);
    [[nodiscard]] BOOL IsWindowEnabled() const { return m_bEnabled ? TRUE : FALSE; }
    void ShowWindow(int command);
    [[nodiscard]] BOOL IsWindowVisible() const { return m_bVisible ? TRUE : FALSE; }
    [[nodiscard]] int GetDlgCtrlID() const { return m_nID; }
    [[nodiscard]] CWnd* GetParent() const { return m_pParent; }

    // Moves the keyboard focus here; returns the window that had it.
    virtual CWnd* SetFocus();

    [[nodiscard]] DWORD GetExStyle() const { return m_dwExStyle; }
    BOOL ModifyStyleEx(DWORD remove, DWORD add);

    // Delivers a message to this window's WindowProc and tells the driver about it. Messages from
    // WM_USER up are what the plug-in sends to the console window (refresh, status text).
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

  protected:
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    void AttachHandle();
    void DetachHandle();

    HWND m_hWnd = nullptr;
    CWnd* m_pParent = nullptr;
    int m_nID = 0;
    std::string m_strText;
    bool m_bEnabled = true;
    bool m_bVisible = true;
    DWORD m_dwExStyle = 0;
};

// Sends a message to the window of a handle. A handle whose window is gone gets nothing and the
// call returns 0, as it does for a destroyed window.
LRESULT SendMessage(HWND hWnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
BOOL PostMessage(HWND hWnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

}  // namespace ptp::ui
