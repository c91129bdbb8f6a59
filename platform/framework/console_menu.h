#pragma once
// The console's menus as a plug-in fills them: entries inserted by position, each a command with
// its identifier and text, a separator or a popup that holds a menu of its own. The console reads
// the entries back to show them; a menu handle (HMENU) points at one CConsoleMenu.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/com/hresult.h"
#include "platform/framework/shell_interfaces.h"

namespace ptp::fw {

// Insertion flags.
inline constexpr UINT MF_STRING = 0x0;
inline constexpr UINT MF_GRAYED = 0x1;
inline constexpr UINT MF_DISABLED = 0x2;
inline constexpr UINT MF_CHECKED = 0x8;
inline constexpr UINT MF_POPUP = 0x10;
inline constexpr UINT MF_BYCOMMAND = 0x0;
inline constexpr UINT MF_BYPOSITION = 0x400;
inline constexpr UINT MF_SEPARATOR = 0x800;
inline constexpr UINT MF_DEFAULT = 0x1000;
inline constexpr UINT MFT_RADIOCHECK = 0x200;

struct CConsoleMenuEntry {
    UINT id = 0;  // command identifier; 0 for separators and popups
    std::string text;
    bool separator = false;
    bool greyed = false;
    bool checked = false;
    bool radio = false;  // checked as one of a group
    bool isDefault = false;
    std::unique_ptr<class CConsoleMenu> popup;
};

class CConsoleMenu {
  public:
    CConsoleMenu() = default;
    CConsoleMenu(const CConsoleMenu&) = delete;
    CConsoleMenu& operator=(const CConsoleMenu&) = delete;

    [[nodiscard]] HMENU Handle() { return reinterpret_cast<HMENU>(this); }
    [[nodiscard]] static CConsoleMenu* FromHandle(HMENU menu) {
        return reinterpret_cast<CConsoleMenu*>(menu);
    }

    [[nodiscard]] const std::vector<CConsoleMenuEntry>& Entries() const { return m_entries; }
    [[nodiscard]] std::vector<CConsoleMenuEntry>& Entries() { return m_entries; }
    // The entry with command `id`, looked for in popups too; null when there is none.
    [[nodiscard]] CConsoleMenuEntry* FindCommand(UINT id);

  private:
    std::vector<CConsoleMenuEntry> m_entries;
};

// A popup menu for InsertMenu with MF_POPUP; the menu it is inserted into takes it over.
[[nodiscard]] HMENU CreatePopupMenu();
// Frees a popup that was never inserted.
void DestroyMenu(HMENU menu);
// Inserts an entry at `position` (MF_BYPOSITION; a position past the end appends). With MF_POPUP
// `idOrPopup` is the popup's handle. False for a null menu.
bool InsertMenu(HMENU menu, UINT position, UINT flags, std::uintptr_t idOrPopup,
                std::string_view text);
// Checks command `check` and clears the other commands `first` to `last` as a radio group.
bool CheckMenuRadioItem(HMENU menu, UINT first, UINT last, UINT check, UINT flags);
// Makes command `id` the default entry; clears the mark on the others.
bool SetMenuDefaultItem(HMENU menu, UINT id, UINT byPosition);
[[nodiscard]] int GetMenuItemCount(HMENU menu);

}  // namespace ptp::fw
