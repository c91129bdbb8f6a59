#pragma once
// Message boxes as the framework hands them to whoever shows them. The windowing toolkit installs
// the presenter (its modal loop and drivers decide what the user answers); without one, the box
// is written to the error stream and answered with its safest button.
#include <string_view>

#include "platform/com/wintypes.h"

namespace ptp::fw {

// Buttons (low four bits of the style).
inline constexpr UINT MB_OK = 0x0;
inline constexpr UINT MB_OKCANCEL = 0x1;
inline constexpr UINT MB_ABORTRETRYIGNORE = 0x2;
inline constexpr UINT MB_YESNOCANCEL = 0x3;
inline constexpr UINT MB_YESNO = 0x4;
inline constexpr UINT MB_RETRYCANCEL = 0x5;
inline constexpr UINT MB_TYPEMASK = 0xF;
// Icons.
inline constexpr UINT MB_ICONERROR = 0x10;
inline constexpr UINT MB_ICONQUESTION = 0x20;
inline constexpr UINT MB_ICONWARNING = 0x30;
inline constexpr UINT MB_ICONINFORMATION = 0x40;
inline constexpr UINT MB_ICONMASK = 0xF0;
inline constexpr UINT MB_DEFBUTTON2 = 0x100;
inline constexpr UINT MB_DEFBUTTON3 = 0x200;
inline constexpr UINT MB_SYSTEMMODAL = 0x1000;

// Answers.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDABORT = 3;
inline constexpr int IDRETRY = 4;
inline constexpr int IDIGNORE = 5;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

class IMessageBoxPresenter {
  public:
    virtual ~IMessageBoxPresenter() = default;
    // Shows the box modally over `owner` and returns the button the user chose. `promptId` is
    // the resource number of the text (0 when it was not a resource), for transcripts and help.
    virtual int ShowMessageBox(HWND owner, std::string_view text, std::string_view caption,
                               UINT style, UINT promptId) = 0;
};

// Null uninstalls; the presenter stays the installer's.
void SetMessageBoxPresenter(IMessageBoxPresenter* presenter);
[[nodiscard]] IMessageBoxPresenter* GetMessageBoxPresenter();
// Through the installed presenter, or the fallback described above.
int PresentMessageBox(HWND owner, std::string_view text, std::string_view caption, UINT style,
                      UINT promptId);

}  // namespace ptp::fw
