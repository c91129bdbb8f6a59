#pragma once
// Message boxes. AfxMessageBox goes through the application's DoMessageBox, where the plug-in
// passes the style through the host's message-box style function; MessageBox shows the box as it
// is. Both answer with the result of the button pressed (IDOK, IDCANCEL, IDYES, IDNO ...).
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/ui_constants.h"

namespace ptp::ui {

class CWnd;

// Shows a box through the driver. `resourceId` names the string the text came from (0 for none),
// so tests and transcripts can refer to it.
int MessageBox(CWnd* pOwner, std::string_view text, std::string_view caption, UINT style,
               UINT resourceId = 0);

int AfxMessageBox(std::string_view text, UINT style = MB_OK, UINT promptId = 0);
// The text is resource string `resourceId`.
int AfxMessageBox(UINT resourceId, UINT style = MB_OK);
// The text is resource string `resourceId` with %1..%9 filled from `args`.
int AfxMessageBox(UINT resourceId, const std::vector<std::string>& args, UINT style);

// The buttons of a style in order, and the default one.
[[nodiscard]] std::vector<int> MessageBoxButtons(UINT style);
[[nodiscard]] int MessageBoxDefault(UINT style);

}  // namespace ptp::ui
