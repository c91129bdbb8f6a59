#pragma once
// Numbers the toolkit shares with code written against it: dialog results, message-box style bits,
// property-sheet flags and notifications, wizard-button bits and help commands. They keep the
// values that dialog code has always used, so code and resource texts can quote them.
#include <cstdint>

#include "platform/com/wintypes.h"

namespace ptp::ui {

using INT_PTR = std::intptr_t;
using UINT_PTR = std::uintptr_t;
using DWORD_PTR = std::uintptr_t;
using BOOL = int;
inline constexpr BOOL TRUE = 1;
inline constexpr BOOL FALSE = 0;

// Dialog results and the ids of the standard buttons.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDABORT = 3;
inline constexpr int IDRETRY = 4;
inline constexpr int IDIGNORE = 5;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;
inline constexpr int IDHELP = 9;

// Message-box style bits.
inline constexpr UINT MB_OK = 0x0;
inline constexpr UINT MB_OKCANCEL = 0x1;
inline constexpr UINT MB_ABORTRETRYIGNORE = 0x2;
inline constexpr UINT MB_YESNOCANCEL = 0x3;
inline constexpr UINT MB_YESNO = 0x4;
inline constexpr UINT MB_RETRYCANCEL = 0x5;
inline constexpr UINT MB_TYPEMASK = 0xF;
inline constexpr UINT MB_ICONHAND = 0x10;
inline constexpr UINT MB_ICONERROR = 0x10;
inline constexpr UINT MB_ICONQUESTION = 0x20;
inline constexpr UINT MB_ICONEXCLAMATION = 0x30;
inline constexpr UINT MB_ICONWARNING = 0x30;
inline constexpr UINT MB_ICONASTERISK = 0x40;
inline constexpr UINT MB_ICONINFORMATION = 0x40;
inline constexpr UINT MB_ICONMASK = 0xF0;
inline constexpr UINT MB_DEFBUTTON1 = 0x000;
inline constexpr UINT MB_DEFBUTTON2 = 0x100;
inline constexpr UINT MB_DEFBUTTON3 = 0x200;
inline constexpr UINT MB_DEFMASK = 0xF00;
inline constexpr UINT MB_APPLMODAL = 0x0000;
inline constexpr UINT MB_SYSTEMMODAL = 0x1000;
inline constexpr UINT MB_TASKMODAL = 0x2000;
inline constexpr UINT MB_RTLREADING = 0x100000;

// Check states of check boxes and radio buttons.
inline constexpr int BST_UNCHECKED = 0;
inline constexpr int BST_CHECKED = 1;
inline constexpr int BST_INDETERMINATE = 2;

// ShowWindow commands.
inline constexpr int SW_HIDE = 0;
inline constexpr int SW_SHOW = 5;

// Property sheet header flags (PROPSHEETHEADER::dwFlags).
inline constexpr DWORD PSH_WIZARD = 0x20;
inline constexpr DWORD PSH_NOAPPLYNOW = 0x80;
inline constexpr DWORD PSH_HASHELP = 0x200;
inline constexpr DWORD PSH_RTLREADING = 0x800;

// Property page flags (PROPSHEETPAGE::dwFlags).
inline constexpr DWORD PSP_RTLREADING = 0x10;
inline constexpr DWORD PSP_HASHELP = 0x20;

// Wizard-button bits of SetWizardButtons.
inline constexpr DWORD PSWIZB_BACK = 0x1;
inline constexpr DWORD PSWIZB_NEXT = 0x2;
inline constexpr DWORD PSWIZB_FINISH = 0x4;
inline constexpr DWORD PSWIZB_DISABLEDFINISH = 0x8;

// The ids of a property sheet's own buttons; a wizard that finishes returns ID_WIZFINISH.
inline constexpr int ID_APPLY_NOW = 0x3021;
inline constexpr int ID_WIZBACK = 0x3023;
inline constexpr int ID_WIZNEXT = 0x3024;
inline constexpr int ID_WIZFINISH = 0x3025;

// Property sheet notifications a page receives through OnNotify.
inline constexpr UINT PSN_SETACTIVE = static_cast<UINT>(-200);
inline constexpr UINT PSN_KILLACTIVE = static_cast<UINT>(-201);
inline constexpr UINT PSN_APPLY = static_cast<UINT>(-202);
inline constexpr UINT PSN_RESET = static_cast<UINT>(-203);
inline constexpr UINT PSN_HELP = static_cast<UINT>(-205);
inline constexpr UINT PSN_WIZBACK = static_cast<UINT>(-206);
inline constexpr UINT PSN_WIZNEXT = static_cast<UINT>(-207);
inline constexpr UINT PSN_WIZFINISH = static_cast<UINT>(-208);
inline constexpr UINT PSM_SETWIZBUTTONS = 0x470;  // WM_USER + 112

// Help commands.
inline constexpr UINT HELP_CONTEXT = 0x1;
inline constexpr UINT HELP_QUIT = 0x2;
inline constexpr UINT HELP_CONTEXTPOPUP = 0x8;
inline constexpr UINT HELP_FINDER = 0xB;
inline constexpr UINT HELP_WM_HELP = 0xC;

// Extended window style that puts the question-mark button into a caption.
inline constexpr DWORD WS_EX_CONTEXTHELP = 0x400;
inline constexpr DWORD WS_EX_LAYOUTRTL = 0x400000;
inline constexpr DWORD WS_EX_RTLREADING = 0x2000;

// Window messages the toolkit knows by number; console messages start at WM_USER.
inline constexpr UINT WM_USER = 0x400;
inline constexpr UINT WM_TIMER = 0x113;

// The help file whose topics are the resource library's help topics.
inline constexpr const char* kHelpFileName = "VELTRIPA.HLP";

}  // namespace ptp::ui
