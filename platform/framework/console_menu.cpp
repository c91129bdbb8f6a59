#include "platform/framework/console_menu.h"

#include <algorithm>

namespace ptp::fw {

CConsoleMenuEntry* CConsoleMenu::FindCommand(UINT id) {
    for (auto& entry : m_entries) {
        if (!entry.separator && !entry.popup && entry.id == id) return &entry;
        if (!entry.popup) continue;
        if (auto* found = entry.popup->FindCommand(id)) return found;
    }
    return nullptr;
}

HMENU CreatePopupMenu() {
    return (new CConsoleMenu())->Handle();
}

void DestroyMenu(HMENU menu) {
    delete CConsoleMenu::FromHandle(menu);
}

bool InsertMenu(HMENU menu, UINT position, UINT flags, std::uintptr_t idOrPopup,
                std::string_view text) {
    CConsoleMenu* target = CConsoleMenu::FromHandle(menu);
    if (!target) return false;
    CConsoleMenuEntry entry;
    entry.greyed = (flags & (MF_GRAYED | MF_DISABLED)) != 0;
    entry.checked = (flags & MF_CHECKED) != 0;
    entry.separator = (flags & MF_SEPARATOR) != 0;
    if (flags & MF_POPUP) {
        entry.popup.reset(CConsoleMenu::FromHandle(reinterpret_cast<HMENU>(idOrPopup)));
    } else {
        entry.id = static_cast<UINT>(idOrPopup);
    }
    if (!entry.separator) entry.text = std::string(text);
    auto& entries = target->Entries();
    const std::size_t at = std::min<std::size_t>(position, entries.size());
    entries.insert(entries.begin() + static_cast<std::ptrdiff_t>(at), std::move(entry));
    return true;
}

bool CheckMenuRadioItem(HMENU menu, UINT first, UINT last, UINT check, UINT) {
    CConsoleMenu* target = CConsoleMenu::FromHandle(menu);
    if (!target) return false;
    bool found = false;
    for (UINT id = first; id <= last; ++id) {
        CConsoleMenuEntry* entry = target->FindCommand(id);
        if (!entry) continue;
        entry->radio = true;
        entry->checked = id == check;
        found = found || id == check;
    }
    return found;
}

bool SetMenuDefaultItem(HMENU menu, UINT id, UINT) {
    CConsoleMenu* target = CConsoleMenu::FromHandle(menu);
    if (!target) return false;
    CConsoleMenuEntry* entry = target->FindCommand(id);
    if (!entry) return false;
    for (auto& other : target->Entries())
        other.isDefault = false;
    entry->isDefault = true;
    return true;
}

int GetMenuItemCount(HMENU menu) {
    CConsoleMenu* target = CConsoleMenu::FromHandle(menu);
    return target ? static_cast<int>(target->Entries().size()) : -1;
}

}  // namespace ptp::fw
